// Painting: graphic controls drawn by their parent, PaintTo and WM_PRINTCLIENT copying a control
// tree into another context, double buffering; and the reflection of child notifications and key
// messages to the child's control as CN_ messages.
#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/sys_colors.h"
#include "platform/ui/bevel.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/graphic_control.h"
#include "platform/ui/panel.h"
#include "platform/user/focus.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kLime = 0x00FF00;

// Fills itself with its Color and remembers how it was last painted.
class TSwatch : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  int paints = 0;
  bool paintCopy = false;

 protected:
  void Paint() override {
    ++paints;
    paintCopy = ControlState().Contains(csPaintCopy);
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
};

class PaintingTest : public UiTest {
 protected:
  // Form (200 x 120 client) > Swatch red (10,10,40,40); Panel blue (60,10,160,110) > Inner lime
  // (20,20,50,50) in the panel.
  void SetUp() override {
    form_ = NewForm("Host", false);
    form_->SetClientWidth(200);
    form_->SetClientHeight(120);
    swatch_ = Add<TSwatch>(form_, {10, 10, 40, 40}, kRed);
    panel_ = Add<TPanel>(form_, {60, 10, 160, 110}, kBlue);
    panel_->SetBevelOuter(bvNone);
    inner_ = Add<TSwatch>(panel_, {20, 20, 50, 50}, kLime);
    form_->Show();
    driver_->Settle();
  }

  template <class T>
  T* Add(TWinControl* parent, TRect bounds, TColor color) {
    auto* control = new T(form_);
    control->SetBoundsRect(bounds);
    control->SetColor(color);
    control->SetParent(parent);
    return control;
  }

  TForm* form_ = nullptr;
  TSwatch* swatch_ = nullptr;
  TPanel* panel_ = nullptr;
  TSwatch* inner_ = nullptr;
};

TEST_F(PaintingTest, GraphicControlsArePaintedByTheirParentWithinTheirBounds) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(driver_->Pixel(swatch_, 0, 0), kRed);
  EXPECT_EQ(driver_->Pixel(swatch_, 29, 29), kRed);
  EXPECT_EQ(driver_->Pixel(form_, 40, 40), face);
  EXPECT_EQ(driver_->Pixel(inner_, 0, 0), kLime);
  EXPECT_EQ(driver_->Pixel(panel_, 0, 0), kBlue);
  EXPECT_FALSE(swatch_->paintCopy);
  // Hidden, the parent's colour shows; moved, it is painted at its new place only.
  swatch_->SetVisible(false);
  driver_->Settle();
  EXPECT_EQ(driver_->Pixel(form_, 20, 20), face);
  swatch_->SetVisible(true);
  swatch_->SetLeft(20);
  driver_->Settle();
  EXPECT_EQ(driver_->Pixel(form_, 15, 20), face);
  EXPECT_EQ(driver_->Pixel(form_, 45, 20), kRed);
}

// A 20 x 10 bevel of each shape: its edges in the shadow (S) and highlight (H) colours at probed
// points, the rest showing the parent.
TEST_F(PaintingTest, BevelsDrawTheirShapesInShadowAndHighlight) {
  const COLORREF S = GetSysColor(COLOR_BTNSHADOW), H = GetSysColor(COLOR_BTNHIGHLIGHT), F = GetSysColor(COLOR_BTNFACE);
  struct Probe {
    int x, y;
    COLORREF colour;
  };
  const struct {
    TBevelShape shape;
    TBevelStyle style;
    std::vector<Probe> probes;
  } cases[] = {
      {bsBox, bsLowered, {{0, 5, S}, {5, 0, S}, {19, 5, H}, {5, 9, H}, {5, 5, F}}},
      {bsBox, bsRaised, {{0, 5, H}, {5, 0, H}, {19, 5, S}, {5, 9, S}}},
      {bsFrame, bsLowered, {{0, 5, S}, {1, 5, H}, {18, 5, S}, {19, 5, H}, {5, 8, S}, {5, 9, H}}},
      {bsTopLine, bsLowered, {{5, 0, S}, {5, 1, H}, {5, 2, F}, {19, 0, S}}},
      {bsBottomLine, bsRaised, {{5, 8, H}, {5, 9, S}, {5, 7, F}}},
      {bsLeftLine, bsLowered, {{0, 5, S}, {1, 5, H}, {2, 5, F}}},
      {bsRightLine, bsLowered, {{18, 5, S}, {19, 5, H}, {17, 5, F}}},
      {bsSpacer, bsLowered, {{0, 0, F}, {19, 9, F}}},
  };
  swatch_->SetVisible(false);
  auto* bevel = new TBevel(form_);
  bevel->SetBounds(10, 10, 20, 10);
  bevel->SetParent(form_);
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.shape) * 10 + int(c.style));
    bevel->SetShape(c.shape);
    bevel->SetStyle(c.style);
    driver_->Settle();
    for (const Probe& p : c.probes) EXPECT_EQ(driver_->Pixel(bevel, p.x, p.y), p.colour) << p.x << "," << p.y;
  }
}

TEST_F(PaintingTest, ParentBackgroundIsTheStyleFlagAndAChangeRepaints) {
  const HWND window = panel_->Handle();
  TRect pending{};
  for (bool value : {true, true, false, false}) {
    SCOPED_TRACE(value);
    const bool changes = panel_->ParentBackground() != value;
    ValidateRect(window, nullptr);
    panel_->SetParentBackground(value);
    EXPECT_EQ(panel_->ParentBackground(), value);
    EXPECT_EQ(panel_->ControlStyle().Contains(csParentBackground), value);
    EXPECT_EQ(GetUpdateRect(window, &pending, FALSE) != 0, changes);
  }
}

TEST_F(PaintingTest, PaintToAndPrintClientCopyTheTreeIntoAnotherContext) {
  const struct {
    const char* how;
    std::function<void(HDC)> paint;
  } ways[] = {
      {"PaintTo", [&](HDC dc) { panel_->PaintTo(dc, 0, 0); }},
      {"WM_PRINTCLIENT", [&](HDC dc) { panel_->Perform(WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT); }},
  };
  for (const auto& way : ways) {
    TBitmap copy;
    copy.SetSize(100, 100);
    inner_->paintCopy = false;
    way.paint(copy.Canvas()->Handle());
    const struct {
      Integer x, y;
      TColor expected;
    } probes[] = {{0, 0, kBlue}, {19, 19, kBlue}, {20, 20, kLime}, {49, 49, kLime}, {50, 50, kBlue}, {99, 99, kBlue}};
    for (const auto& p : probes)
      EXPECT_EQ(copy.Canvas()->Pixels(p.x, p.y), p.expected) << way.how << " " << p.x << "," << p.y;
    EXPECT_EQ(inner_->paintCopy, std::string(way.how) == "PaintTo") << way.how;
  }
  EXPECT_FALSE(panel_->ControlState().Contains(csPaintCopy));
}

TEST_F(PaintingTest, DoubleBufferingPaintsTheSamePicture) {
  form_->SetDoubleBuffered(true);
  const int before = swatch_->paints;
  form_->Invalidate();
  driver_->Settle();
  EXPECT_GT(swatch_->paints, before);
  EXPECT_EQ(driver_->Pixel(swatch_, 5, 5), kRed);
  EXPECT_EQ(driver_->Pixel(form_, 45, 45), GetSysColor(COLOR_BTNFACE));
}

// Records the CN_ messages it gets and answers them with 77 when it is told to.
class TProbe : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::vector<TMessage> reflected;
  bool consume = true;

  void Dispatch(TMessage& Message) override {
    if (Message.Msg >= CN_BASE && Message.Msg < CN_BASE + 0x400) {
      reflected.push_back(Message);
      if (consume) {
        Message.Result = 77;
        return;
      }
    }
    TWinControl::Dispatch(Message);
  }
};

TEST_F(PaintingTest, ChildNotificationsComeBackToTheChildsControl) {
  auto* probe = new TProbe(form_);
  probe->SetBounds(0, 50, 20, 20);
  probe->SetParent(form_);
  HWND child = probe->Handle();
  const auto id = UINT(GetWindowLongPtrA(child, GWLP_ID));
  struct Header {   // the leading fields of NMHDR
    HWND from;
    UINT_PTR id;
    UINT code;
  } header{child, id, 5};
  struct Item {   // the leading fields of DRAWITEMSTRUCT and MEASUREITEMSTRUCT
    UINT type;
    UINT id;
  } item{1, id};
  const LPARAM childParam = reinterpret_cast<LPARAM>(child);
  const struct {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
  } cases[] = {
      {WM_COMMAND, 0x00020005, childParam},
      {WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header)},
      {WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&item)},
      {WM_MEASUREITEM, id, reinterpret_cast<LPARAM>(&item)},
      {WM_HSCROLL, 3, childParam},
      {WM_VSCROLL, 4, childParam},
      {WM_CTLCOLORBTN, 0x1234, childParam},
      {WM_CTLCOLORSTATIC, 0x1234, childParam},
  };
  for (const auto& c : cases) {
    probe->reflected.clear();
    EXPECT_EQ(SendMessageA(form_->Handle(), c.msg, c.wParam, c.lParam), 77) << std::hex << c.msg;
    ASSERT_EQ(probe->reflected.size(), 1u) << std::hex << c.msg;
    EXPECT_EQ(probe->reflected[0].Msg, CN_BASE + c.msg);
    EXPECT_EQ(probe->reflected[0].WParam, c.wParam);
    EXPECT_EQ(probe->reflected[0].LParam, c.lParam);
  }
  // A notification from a window no control owns is the parent's own.
  probe->reflected.clear();
  SendMessageA(form_->Handle(), WM_COMMAND, 1, 0);
  EXPECT_TRUE(probe->reflected.empty());
}

TEST_F(PaintingTest, KeysAreOfferedToTheFocusedControlFirst) {
  auto* probe = new TProbe(form_);
  probe->SetBounds(0, 50, 20, 20);
  probe->SetParent(form_);
  probe->SetTabStop(true);
  int keyDowns = 0, chars = 0;
  probe->OnKeyDown = [&](TObject*, Word&, TShiftState) { ++keyDowns; };
  probe->OnKeyPress = [&](TObject*, char&) { ++chars; };
  probe->SetFocus();
  driver_->Settle();
  ASSERT_EQ(driver_->FocusedControl(), probe);
  // Answered, the key goes no further.
  driver_->PressKey(VK_F5);
  driver_->Type("a");
  std::vector<UINT> seen;
  for (const TMessage& m : probe->reflected) seen.push_back(m.Msg);
  EXPECT_EQ(seen, (std::vector<UINT>{CN_KEYDOWN, CN_KEYUP, CN_CHAR}));
  EXPECT_EQ(keyDowns, 0);
  EXPECT_EQ(chars, 0);
  // Not answered, the window gets the key as usual.
  probe->consume = false;
  probe->reflected.clear();
  driver_->PressKey(VK_F5);
  driver_->Type("a");
  EXPECT_EQ(keyDowns, 1);
  EXPECT_EQ(chars, 1);
}

}  // namespace
}  // namespace uitest
