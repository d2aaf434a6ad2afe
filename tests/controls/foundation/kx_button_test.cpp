// The library's push button: the glyph's count, strip columns and shared cache; the state colours;
// the glyph and caption layout; headless pictures of its states under the standard and ultra-flat
// painters; Default, Cancel and ModalResult in a modal dialog; the drop-down kinds and the context
// menu.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_button.h"
#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_painter_resources.h"
#include "foundation_test_support.h"
#include "painter_test_support.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/shortcuts.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/gdi/test_canvas.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using foundationtest::ScopedUnits;
using namespace paintertest;

constexpr COLORREF kKey = 0xFF00FF;   // the strips' transparent colour (their bottom-left pixel)
const COLORREF kColumnColors[] = {0x0000FF, 0x00FF00, 0xFF0000};

// A strip of `columns` squares of `size` pixels, column n in kColumnColors[n], the bottom-left
// pixel of each the key colour.
std::unique_ptr<TBitmap> Strip(int columns, int size = 16) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(columns * size, size);
  for (int c = 0; c < columns; ++c) {
    bitmap->Canvas()->Brush()->SetColor(TColor(kColumnColors[c]));
    bitmap->Canvas()->FillRect({c * size, 0, (c + 1) * size, size});
    bitmap->Canvas()->Brush()->SetColor(TColor(kKey));
    bitmap->Canvas()->FillRect({c * size, size - 1, c * size + 1, size});
  }
  return bitmap;
}

// --- The glyph without a window ---

class ButtonGlyphTest : public ::testing::Test {
 protected:
  ScopedUnits units_{kxControlsUnit};
};

TEST_F(ButtonGlyphTest, NumGlyphsFromTheBitmapAndFromTheSetter) {
  struct Case {
    int width, height, expected;
  };
  const Case cases[] = {{32, 16, 2}, {40, 8, 1}, {20, 15, 1}, {0, 16, 1}, {16, 0, 1}, {64, 16, 4}};
  for (const Case& c : cases) {
    TkxButtonGlyph glyph;
    TBitmap bitmap;
    bitmap.SetSize(c.width, c.height);
    glyph.SetGlyph(&bitmap);
    EXPECT_EQ(glyph.NumGlyphs(), c.expected) << c.width << " x " << c.height;
  }
  TkxButtonGlyph glyph;
  const int set[][2] = {{0, 1}, {5, 4}, {3, 3}, {-7, 1}};
  for (const auto& s : set) {
    glyph.SetNumGlyphs(s[0]);
    EXPECT_EQ(glyph.NumGlyphs(), s[1]) << s[0];
  }
}

// Which column each state draws: the colour in the middle of the glyph drawn on white.
TEST_F(ButtonGlyphTest, StripColumnPerState) {
  struct Case {
    int columns;
    TkxButtonState state;
    int column;   // -1: a generated disabled image (none of the columns' colours)
  };
  const Case cases[] = {
      {1, kxbsNormal, 0},  {1, kxbsPressed, 0}, {1, kxbsDisabled, -1}, {2, kxbsNormal, 0}, {2, kxbsHot, 0},
      {2, kxbsPressed, 0}, {2, kxbsDisabled, 1}, {3, kxbsPressed, 2},   {3, kxbsDefault, 0}, {3, kxbsDisabled, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.columns) + " columns, state " + std::to_string(c.state));
    TkxButtonGlyph glyph;
    glyph.SetGlyph(Strip(c.columns).get());
    TestCanvas surface(40, 40);
    surface.Clear(0xFFFFFF);
    TCanvas canvas;
    canvas.SetHandle(surface.dc());
    glyph.Draw(&canvas, {0, 0, 40, 40}, {}, "", blGlyphLeft, -1, 4, c.state, 0, false);
    canvas.SetHandle(nullptr);
    const COLORREF middle = surface.At(20, 20);
    if (c.column >= 0) {
      EXPECT_EQ(middle, kColumnColors[c.column]);
    } else {
      for (COLORREF color : {kColumnColors[0], COLORREF(0xFFFFFF), kKey}) EXPECT_NE(middle, color);
    }
    EXPECT_EQ(surface.At(12, 27), 0xFFFFFFu) << "the key pixel is transparent";
  }
}

TEST_F(ButtonGlyphTest, GlyphsOfOneSizeShareOneListAndTheLastGlyphFreesTheCache) {
  {
    auto first = std::make_unique<TkxButtonGlyph>();
    auto second = std::make_unique<TkxButtonGlyph>();
    auto other = std::make_unique<TkxButtonGlyph>();
    first->SetGlyph(Strip(2).get());
    second->SetGlyph(Strip(1).get());
    other->SetGlyph(Strip(1, 8).get());
    for (TkxButtonState state : {kxbsNormal, kxbsDisabled}) {
      first->GetStateImageIndex(state);
      second->GetStateImageIndex(state);
    }
    ASSERT_NE(ExistingGlyphCache(), nullptr);
    EXPECT_EQ(ExistingGlyphCache()->ListCount(), 1);
    other->GetStateImageIndex(kxbsNormal);
    EXPECT_EQ(ExistingGlyphCache()->ListCount(), 2);
    TkxGlyphList* shared = ExistingGlyphCache()->GetList(16, 16);
    EXPECT_EQ(shared->UsedCount(), 4);
    first.reset();
    EXPECT_EQ(shared->UsedCount(), 2);
    second.reset();
    EXPECT_EQ(ExistingGlyphCache()->ListCount(), 1);   // the 16 x 16 list went with its last image
    other->SetGlyph(Strip(1, 16).get());               // a new source gives its images back
    EXPECT_EQ(ExistingGlyphCache()->ListCount(), 0);
  }
  EXPECT_EQ(ExistingGlyphCache(), nullptr);
}

TEST_F(ButtonGlyphTest, ColorsOfTheStates) {
  TkxButtonColors colors;
  colors.SetDefault(clRed);
  EXPECT_EQ(colors.GetEffectiveColor(kxbsNormal), clRed);
  EXPECT_EQ(colors.GetEffectiveColor(kxbsDefault), clRed);
  EXPECT_EQ(colors.GetEffectiveColor(kxbsHot), clDefault);
  colors.SetNormal(clBlue);
  EXPECT_EQ(colors.GetEffectiveColor(kxbsNormal), clBlue);
  EXPECT_EQ(colors.GetEffectiveColor(kxbsPressed), clBlue);
  colors.SetHot(clLime);
  EXPECT_TRUE(colors.IsAssigned(kxbsHot));
  colors.SetHot(clNone);
  EXPECT_FALSE(colors.IsAssigned(kxbsHot));
  EXPECT_EQ(colors.Hot(), clDefault);
  EXPECT_EQ(colors.GetEffectiveColor(kxbsHot), clBlue);
}

// Glyph 16 x 16 and a caption in a 100 x 30 client: where each layout puts them.
TEST_F(ButtonGlyphTest, LayoutTable) {
  TestCanvas surface(10, 10);
  TCanvas canvas;
  canvas.SetHandle(surface.dc());
  TkxButtonGlyph glyph;
  glyph.SetGlyph(Strip(1).get());
  const std::string caption = "Import";
  const TSize text = canvas.TextExtent(caption);
  const int tw = text.cx, th = text.cy, across = (30 - th - 1) / 2, gy = 7;
  struct Case {
    const char* name;
    TButtonLayout layout;
    int margin, spacing;
    UINT flags;
    TPoint glyph, caption;   // caption: the left-top of its rectangle
  };
  const int m3 = (100 - 16 - tw) / 3, m2 = (100 - 16 - tw - 4) / 2, sp = (100 - 5 - 16 - tw) / 2;
  const int v2 = (30 - 16 - th - 4) / 2;
  const Case cases[] = {
      {"left, both -1", blGlyphLeft, -1, -1, 0, {m3, gy}, {m3 + 16 + m3, across}},
      {"left, spacing 4", blGlyphLeft, -1, 4, 0, {m2, gy}, {m2 + 20, across}},
      {"left, margin 5", blGlyphLeft, 5, -1, 0, {5, gy}, {5 + 16 + sp, across}},
      {"left, both set", blGlyphLeft, 5, 4, 0, {5, gy}, {25, across}},
      {"right, spacing 4", blGlyphRight, -1, 4, 0, {100 - m2 - 16, gy}, {100 - m2 - 16 - 4 - tw, across}},
      {"right to left swaps", blGlyphLeft, -1, 4, DT_RIGHT, {100 - m2 - 16, gy}, {100 - m2 - 16 - 4 - tw, across}},
      {"top, spacing 4", blGlyphTop, -1, 4, 0, {42, v2}, {(100 - tw) / 2, v2 + 20}},
      {"bottom, both set", blGlyphBottom, 2, 1, 0, {42, 30 - 2 - 16}, {(100 - tw) / 2, 30 - 2 - 16 - 1 - th}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TkxGlyphLayout at =
        glyph.LayoutGlyphAndText(&canvas, {10, 20, 110, 50}, {1, 1}, caption, c.layout, c.margin, c.spacing, c.flags, false);
    EXPECT_EQ(at.GlyphPos, (TPoint{c.glyph.X + 11, c.glyph.Y + 21}));
    EXPECT_EQ(at.TextRect.Left, c.caption.X + 11);
    EXPECT_EQ(at.TextRect.Top, c.caption.Y + 21);
  }
  // An empty caption centres the glyph: the spacing counts as 0.
  const TkxGlyphLayout alone = glyph.LayoutGlyphAndText(&canvas, {0, 0, 100, 30}, {}, "", blGlyphLeft, -1, 4, 0, false);
  EXPECT_EQ(alone.GlyphPos, (TPoint{42, 7}));
  canvas.SetHandle(nullptr);
}

// --- Buttons on a form ---

// Writes down the drop-down messages it handles.
class LoggingButton : public TkxButton {
 public:
  using TkxButton::TkxButton;
  std::vector<std::string> log;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == KXM_DROPDOWNMENU) log.push_back("drop down");
    if (Message.Msg == KXM_DROPDOWNMENUCLOSED) log.push_back("menu closed");
    TkxButton::Dispatch(Message);
  }
};

// Sets its flag when its owner frees it.
class FreedFlag : public TComponent {
 public:
  FreedFlag(TComponent* AOwner, bool& Flag) : TComponent(AOwner), flag_(Flag) {}
  ~FreedFlag() override { flag_ = true; }

 private:
  bool& flag_;
};

class ButtonTest : public uitest::UiTest {
 protected:
  ButtonTest() {
    SetDistinctSysColors();
    form_ = NewForm("Form1");
    form_->SetBounds(100, 100, 300, 200);
  }
  LoggingButton* AddButton(const std::string& name, int left, int top, TkxLookAndFeelKind kind = lfStandard) {
    auto* button = new LoggingButton(form_);
    button->SetName(name);
    button->SetParent(form_);
    button->SetBounds(left, top, 75, 25);
    button->SetCaption("OK");
    button->LookAndFeel()->SetKind(kind);
    button->OnClick = uitest::NotifyEvent([this, name](TObject*) { clicks_.push_back(name); });
    driver_->Settle();
    return button;
  }
  TPopupMenu* MenuWith(const std::vector<std::string>& captions) {
    auto* menu = new TPopupMenu(form_);
    for (const std::string& caption : captions) {
      auto* item = new TMenuItem(menu);
      item->SetCaption(caption);
      item->OnClick = uitest::NotifyEvent([this, caption](TObject*) { clicks_.push_back("item " + caption); });
      menu->Items()->Add(item);
    }
    return menu;
  }
  // The bounding box of the pixels of one colour inside the button (inside Area when given).
  TRect Where(TControl* button, COLORREF color, TRect area = {}) {
    if (IsRectEmpty(&area)) area = {0, 0, button->Width(), button->Height()};
    TRect box{1000, 1000, -1, -1};
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (driver_->Pixel(button, x, y) == color) {
          box = {std::min<LONG>(box.Left, x), std::min<LONG>(box.Top, y), std::max<LONG>(box.Right, x + 1),
                 std::max<LONG>(box.Bottom, y + 1)};
        }
    return box;
  }
  bool Shows(TControl* button, COLORREF color) { return Where(button, color).Right >= 0; }
  void Elapse(UInt64 milliseconds) {
    clock_.Advance(milliseconds);
    driver_->Settle();
  }
  // Runs the queued input as one batch (a modal menu then reads the keys that follow its click).
  template <class F>
  void Batch(F inputs) {
    driver_->SetQueuedInput(true);
    inputs();
    driver_->SetQueuedInput(false);
    driver_->Settle();
  }

  ScopedUnits units_{kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit, kdOffice11Unit, kxLookAndFeelsUnit,
                     kxLookAndFeelPaintersUnit, kxControlsUnit};
  TForm* form_ = nullptr;
  std::vector<std::string> clicks_;
};

TEST_F(ButtonTest, PicturesOfTheStandardStates) {
  LoggingButton* focused = AddButton("Focused", 10, 10);
  LoggingButton* plain = AddButton("Plain", 10, 50);
  LoggingButton* off = AddButton("Off", 10, 90);
  for (LoggingButton* b : {focused, plain, off}) b->SetGlyph(Strip(2).get());
  off->SetEnabled(false);
  focused->SetFocus();
  driver_->Settle();
  // Default with focus: black ring, the dotted focus frame 4 pixels in.
  EXPECT_EQ(focused->GetButtonState(), kxbsDefault);
  EXPECT_EQ(driver_->Pixel(focused, 0, 12), 0u);
  EXPECT_EQ(driver_->Pixel(focused, 74, 12), 0u);
  int dots = 0;
  for (int y = 4; y < 21; ++y) dots += driver_->Pixel(focused, 4, y) != kFace;
  EXPECT_GE(dots, 6);
  EXPECT_LE(dots, 11);
  // Normal: raised, no ring, no focus frame.
  EXPECT_EQ(plain->GetButtonState(), kxbsNormal);
  EXPECT_EQ(driver_->Pixel(plain, 0, 12), kHighlight);
  EXPECT_EQ(driver_->Pixel(plain, 74, 12), kDark);
  for (int y = 4; y < 21; ++y) ASSERT_EQ(driver_->Pixel(plain, 4, y), kFace) << y;
  const TRect up = Where(plain, kColumnColors[0]);
  ASSERT_GE(up.Right, 0);
  // Pressed while the mouse is held: black and shadow rings, glyph one pixel right and down.
  driver_->PressMouse(plain, {20, 12});
  EXPECT_EQ(plain->GetButtonState(), kxbsPressed);
  EXPECT_EQ(driver_->Pixel(plain, 0, 12), 0u);
  EXPECT_EQ(driver_->Pixel(plain, 1, 12), kShadow);
  TRect down = up;
  OffsetRect(&down, 1, 1);
  EXPECT_EQ(Where(plain, kColumnColors[0]), down);
  driver_->ReleaseMouse();
  // Disabled: the second column; the caption in the shadow colour over its highlight copy.
  EXPECT_EQ(off->GetButtonState(), kxbsDisabled);
  EXPECT_FALSE(Shows(off, kColumnColors[0]));
  EXPECT_TRUE(Shows(off, kColumnColors[1]));
  const TRect inside{2, 2, 73, 23};
  const TRect shadow = Where(off, kShadow, inside), highlight = Where(off, kHighlight, inside);
  ASSERT_GE(shadow.Right, 0);
  EXPECT_EQ(highlight.Right, shadow.Right + 1);
  EXPECT_EQ(highlight.Bottom, shadow.Bottom + 1);
  EXPECT_FALSE(Shows(off, kText));
}

TEST_F(ButtonTest, HotOnlyUnderAPainterThatTracksAndNeverDisabled) {
  LoggingButton* standard = AddButton("Standard", 10, 10);
  LoggingButton* flat = AddButton("Flat", 10, 50, lfUltraFlat);
  LoggingButton* off = AddButton("Off", 10, 90, lfUltraFlat);
  off->SetEnabled(false);
  driver_->MoveMouseTo(standard, {30, 12});
  EXPECT_EQ(standard->GetButtonState(), kxbsNormal);
  driver_->MoveMouseTo(flat, {30, 12});
  EXPECT_EQ(flat->GetButtonState(), kxbsHot);
  const COLORREF hotFace = Shown(TkxUltraFlatLookAndFeelPainter::Class()->GetButtonFaceColor(kxbsHot));
  EXPECT_EQ(driver_->Pixel(flat, 5, 5), hotFace);
  driver_->MoveMouseTo(form_, {250, 150});
  Elapse(10);
  EXPECT_EQ(flat->GetButtonState(), kxbsNormal);
  EXPECT_EQ(driver_->Pixel(flat, 5, 5), kFace);
  driver_->MoveMouseTo(off, {30, 12});
  Elapse(10);
  EXPECT_FALSE(off->IsHot());
  EXPECT_EQ(off->GetButtonState(), kxbsDisabled);
}

TEST_F(ButtonTest, DefaultCancelAndModalResultInAModalDialog) {
  form_->Hide();
  LoggingButton* ok = AddButton("Ok", 10, 10);
  LoggingButton* cancel = AddButton("Cancel", 100, 10);
  LoggingButton* retry = AddButton("Retry", 190, 10);
  ok->SetDefault(true);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  retry->SetModalResult(mrRetry);
  form_->SetActiveControl(retry);
  driver_->OnNextModal([&](TCustomForm&, TTestDriver& d) {
    EXPECT_EQ(retry->GetButtonState(), kxbsDefault);   // the focused button takes the ring
    EXPECT_EQ(ok->GetButtonState(), kxbsNormal);
    d.PressKey(VK_TAB);   // on to the first button
    EXPECT_EQ(ok->GetButtonState(), kxbsDefault);
    EXPECT_EQ(retry->GetButtonState(), kxbsNormal);
    EXPECT_EQ(cancel->GetButtonState(), kxbsNormal);
    d.PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(form_->ShowModal(), mrCancel);
  ok->SetModalResult(mrOk);
  form_->SetActiveControl(retry);
  driver_->OnNextModal([&](TCustomForm&, TTestDriver& d) { d.PressKey(VK_RETURN); });
  EXPECT_EQ(form_->ShowModal(), mrRetry);   // Enter presses the focused button
  form_->SetActiveControl(nullptr);
  driver_->OnNextModal([&](TCustomForm&, TTestDriver& d) {
    d.Click(retry);
  });
  EXPECT_EQ(form_->ShowModal(), mrRetry);
}

TEST_F(ButtonTest, EnterClicksTheDefaultButtonWhenNoButtonHasTheFocus) {
  LoggingButton* ok = AddButton("Ok", 10, 10);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  form_->Hide();
  driver_->OnNextModal([&](TCustomForm&, TTestDriver& d) {
    EXPECT_EQ(ok->GetButtonState(), kxbsDefault);
    d.PressKey(VK_RETURN);
  });
  EXPECT_EQ(form_->ShowModal(), mrOk);
  EXPECT_EQ(clicks_, std::vector<std::string>{"Ok"});
}

TEST_F(ButtonTest, TheArrowPartOpensTheMenuAndTheRestClicks) {
  LoggingButton* button = AddButton("Split", 10, 10);
  button->SetKind(kxbkDropDownButton);
  button->SetDropDownMenu(MenuWith({"A", "B"}));
  std::vector<std::string> seen;
  button->DropDownMenu()->OnPopup = uitest::NotifyEvent([&](TObject*) {
    seen.push_back(std::string(button->IsMenuVisible() ? "visible" : "hidden") +
                   (button->GetButtonState() == kxbsPressed ? " pressed" : ""));
  });
  Batch([&] {
    driver_->ClickAt(button, {75 - 14, 12});
    driver_->PressKey(VK_DOWN);
    driver_->PressKey(VK_RETURN);
  });
  EXPECT_EQ(button->log, (std::vector<std::string>{"drop down", "menu closed"}));
  EXPECT_EQ(seen, std::vector<std::string>{"visible pressed"});
  EXPECT_EQ(clicks_, std::vector<std::string>{"item A"});
  EXPECT_FALSE(button->IsMenuVisible());
  button->log.clear();
  clicks_.clear();
  driver_->ClickAt(button, {75 - 16, 12});
  EXPECT_TRUE(button->log.empty());
  EXPECT_EQ(clicks_, std::vector<std::string>{"Split"});
  // Alt+Down on the focused button drops the menu down too.
  button->SetFocus();
  Batch([&] {
    driver_->PressKey(VK_DOWN, {ssAlt});
    driver_->PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(button->log, (std::vector<std::string>{"drop down", "menu closed"}));
}

TEST_F(ButtonTest, ADropDownButtonOpensOnAClickWithoutOnClick) {
  LoggingButton* button = AddButton("Menu", 10, 10);
  button->SetKind(kxbkDropDown);
  button->SetDropDownMenu(MenuWith({"A", "B"}));
  Batch([&] {
    driver_->ClickAt(button, {10, 12});
    driver_->PressKey(VK_DOWN);
    driver_->PressKey(VK_DOWN);
    driver_->PressKey(VK_RETURN);
  });
  EXPECT_EQ(clicks_, std::vector<std::string>{"item B"});
  EXPECT_EQ(button->log, (std::vector<std::string>{"drop down", "menu closed"}));
}

// While the menu shows, a press on the button closes it and the click that follows is swallowed.
TEST_F(ButtonTest, APressWhileTheMenuShowsClosesItAndSwallowsTheClick) {
  LoggingButton* button = AddButton("Split", 10, 10);
  button->SetKind(kxbkDropDownButton);
  TPopupMenu* menu = MenuWith({"A"});
  button->SetDropDownMenu(menu);
  menu->Items()->Items(0)->OnClick = uitest::NotifyEvent([&](TObject*) {
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 12));
    EXPECT_FALSE(button->IsMenuVisible());
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 12));
  });
  Batch([&] {
    driver_->ClickAt(button, {70, 12});
    driver_->PressKey(VK_DOWN);
    driver_->PressKey(VK_RETURN);
  });
  EXPECT_EQ(button->log, (std::vector<std::string>{"drop down", "menu closed"}));
  EXPECT_TRUE(clicks_.empty()) << clicks_.front();
  driver_->ClickAt(button, {10, 12});
  EXPECT_EQ(clicks_, std::vector<std::string>{"Split"});
}

TEST_F(ButtonTest, OnDropDownMenuPopupCanClaimTheRequest) {
  LoggingButton* button = AddButton("Split", 10, 10);
  button->SetKind(kxbkDropDown);
  TPopupMenu* menu = MenuWith({"A"});
  button->SetDropDownMenu(menu);
  int popups = 0;
  menu->OnPopup = uitest::NotifyEvent([&](TObject*) { ++popups; });
  int asked = 0;
  button->OnDropDownMenuPopup = [&](TObject*, TPopupMenu*& shown, bool& handled) {
    EXPECT_EQ(shown, menu);
    handled = true;
    ++asked;
  };
  driver_->ClickAt(button, {10, 12});
  EXPECT_GE(asked, 1);
  EXPECT_EQ(popups, 0);
  EXPECT_FALSE(button->IsMenuVisible());
  for (const std::string& line : button->log) EXPECT_EQ(line, "drop down");   // no closing message follows
}

TEST_F(ButtonTest, AMenuAtTheWorkAreasBottomOpensAboveTheButton) {
  const TRect work = GetWorkAreaAtPoint({0, 0});
  form_->SetBounds(100, work.Bottom - 80, 300, 80);
  driver_->Settle();
  LoggingButton* button = AddButton("Split", 10, 10);
  button->SetKind(kxbkDropDown);
  TPopupMenu* menu = MenuWith({"A", "B", "C"});
  button->SetDropDownMenu(menu);
  Batch([&] {
    driver_->ClickAt(button, {10, 12});
    driver_->PressKey(VK_ESCAPE);
  });
  const TPoint top = button->ClientToScreen({0, 0});
  EXPECT_EQ(menu->PopupPoint().X, top.X);
  EXPECT_EQ(menu->PopupPoint().Y + GetPopupMenuHeight(menu), top.Y - 2);
}

TEST_F(ButtonTest, AnItemThatFreesTheFormLeavesTheHandlerClean) {
  LoggingButton* button = AddButton("Split", 10, 10);
  button->SetKind(kxbkDropDown);
  TPopupMenu* menu = MenuWith({"Close"});
  button->SetDropDownMenu(menu);
  bool freed = false;
  new FreedFlag(form_, freed);
  menu->Items()->Items(0)->OnClick = uitest::NotifyEvent([&](TObject*) { delete form_; });
  Batch([&] {
    driver_->ClickAt(button, {10, 12});
    driver_->PressKey(VK_DOWN);
    driver_->PressKey(VK_RETURN);
  });
  driver_->Settle();
  EXPECT_TRUE(freed);
}

TEST_F(ButtonTest, PopupMenuOnARightClickAndItsShortcut) {
  LoggingButton* button = AddButton("Plain", 10, 10);
  TPopupMenu* menu = MenuWith({"A", "B"});
  menu->Items()->Items(1)->SetShortCut(ShortCut('K', {ssCtrl}));
  button->SetPopupMenu(menu);
  driver_->ChooseFromPopupMenu(button, {VK_DOWN, VK_RETURN});
  EXPECT_EQ(clicks_, std::vector<std::string>{"item A"});
  button->SetFocus();
  driver_->PressKey('K', {ssCtrl});
  EXPECT_EQ(clicks_, (std::vector<std::string>{"item A", "item B"}));
}

}  // namespace
