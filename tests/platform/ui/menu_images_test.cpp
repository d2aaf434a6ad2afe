// Pictures and owner drawing in popup menus: which entries the handle makes owner-drawn, the
// items' events as the popup opens, the default look (pixels of the open popup) and the item
// heights the popup takes from the measuring rule.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/sys_colors.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/menu.h"
#include "platform/ui/menu_item_paint.h"
#include "platform/ui/screen.h"
#include "platform/user/hooks.h"
#include "platform/user/menu.h"
#include "platform/user/message_ids.h"
#include "platform/user/system_metrics.h"
#include "platform/user/track_popup_menu.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_pos.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

// Runs a probe once, when the open popup first waits for input (its owner hears WM_ENTERIDLE).
class OpenMenuProbe {
 public:
  explicit OpenMenuProbe(std::function<void()> Probe) {
    probe_ = std::move(Probe);
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr, 0);
  }
  ~OpenMenuProbe() {
    UnhookWindowsHookEx(hook_);
    probe_ = nullptr;
  }
  OpenMenuProbe(const OpenMenuProbe&) = delete;
  OpenMenuProbe& operator=(const OpenMenuProbe&) = delete;

 private:
  static LRESULT Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_ENTERIDLE && probe_) std::exchange(probe_, nullptr)();
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline std::function<void()> probe_;
  HHOOK hook_ = nullptr;
};

// A popup item's rectangle and the colours of the open popup, in its window's coordinates.
struct OpenPopup {
  HWND window = user::OpenMenuWindow();
  TRect Item(HMENU menu, UINT position) const {
    TRect item{}, frame{};
    GetMenuItemRect(nullptr, menu, position, &item);
    GetWindowRect(window, &frame);
    OffsetRect(&item, -frame.Left, -frame.Top);
    return item;
  }
  COLORREF Pixel(Integer x, Integer y) const { return user::WindowPixel(window, x, y); }
  Integer Count(const TRect& area, TColor color) const {
    Integer count = 0;
    for (Integer y = area.Top; y < area.Bottom; ++y)
      for (Integer x = area.Left; x < area.Right; ++x) count += Pixel(x, y) == ColorToRGB(color);
    return count;
  }
};

// The text row of a popup in the screen's menu font.
Integer MenuFontRow() {
  TCanvas canvas;
  HDC screen = GetDC(nullptr);
  canvas.SetHandle(screen);
  canvas.Font()->Assign(Screen->MenuFont());
  const Integer row = MenuTextRowHeight(canvas);
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, screen);
  return row;
}

class MenuImagesTest : public UiTest {
 protected:
  MenuImagesTest() {
    form_ = NewForm("Main", false);
    field_ = new TWinControl(form_);
    field_->SetParent(form_);
    field_->SetBounds(10, 10, 120, 40);
    menu_ = new TPopupMenu(form_);
    field_->SetPopupMenu(menu_);
    images_ = new TCustomImageList(form_, 16, 16);
    for (TColor color : {clRed, clBlue}) images_->AddMasked(Square(16, color).get(), clFuchsia);
  }

  static std::unique_ptr<TBitmap> Square(Integer side, TColor color) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(side, side);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect(TRect{0, 0, side, side});
    return bitmap;
  }

  TMenuItem* Item(const char* caption, TMenuItem* parent = nullptr) {
    auto* item = new TMenuItem(form_);
    item->SetCaption(caption);
    (parent != nullptr ? parent : menu_->Items())->Add(item);
    return item;
  }

  // Each entry of a menu: 'o' owner-drawn, 's' a string, '-' a separator.
  static std::string EntryKinds(HMENU menu) {
    std::string kinds;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE;
      GetMenuItemInfoA(menu, UINT(i), TRUE, &info);
      kinds += (info.fType & MFT_SEPARATOR) ? '-' : (info.fType & MFT_OWNERDRAW) ? 'o' : 's';
    }
    return kinds;
  }

  // Opens the popup with a right click, presses Keys, runs Probe while it waits open, lets it close.
  void WhileOpen(std::initializer_list<Word> Keys, std::function<void()> Probe) {
    form_->Show();
    driver_->Settle();
    bool probed = false;
    OpenMenuProbe probe([&] {
      Probe();
      probed = true;
    });
    driver_->ChooseFromPopupMenu(field_, Keys);
    EXPECT_TRUE(probed) << "the popup never waited open";
  }

  TForm* form_;
  TWinControl* field_;
  TPopupMenu* menu_;
  TCustomImageList* images_;
};

TEST_F(MenuImagesTest, EntriesAreOwnerDrawnWhenTheMenuIsOrTheItemHasAnImageListOrABitmap) {
  TMenuItem* open = Item("Open");
  open->SetImageIndex(0);
  TMenuItem* plain = Item("Plain");
  Item("-");
  TMenuItem* more = Item("More");
  Item("Deep", more)->SetImageIndex(1);

  HMENU before = menu_->Handle();
  EXPECT_EQ(EntryKinds(before), "ss-s");   // an index alone draws nothing
  more->SetSubMenuImages(images_);
  EXPECT_EQ(EntryKinds(menu_->Handle()), "ss-s");
  EXPECT_EQ(EntryKinds(more->Handle()), "o");

  HMENU built = menu_->Handle();
  plain->SetBitmap(Square(8, clGreen).get());   // changed in place
  EXPECT_EQ(menu_->Handle(), built);
  EXPECT_EQ(EntryKinds(menu_->Handle()), "so-s");

  HMENU withoutImages = menu_->Handle();
  menu_->SetImages(images_);   // every item now has the list: the handle is built again
  EXPECT_FALSE(IsMenu(withoutImages));
  EXPECT_EQ(EntryKinds(menu_->Handle()), "oo-o");

  HMENU withImages = menu_->Handle();
  images_->Delete(1);          // a change of the list rebuilds too
  EXPECT_FALSE(IsMenu(withImages));
  EXPECT_FALSE(more->Items(0)->HasImage());
  EXPECT_TRUE(open->HasImage());

  delete images_;              // both links let go of the freed list
  EXPECT_EQ(menu_->Images(), nullptr);
  EXPECT_EQ(more->SubMenuImages(), nullptr);
  EXPECT_EQ(EntryKinds(menu_->Handle()), "so-s");
  plain->Bitmap()->SetSize(0, 0);
  EXPECT_EQ(EntryKinds(menu_->Handle()), "ss-s");

  menu_->SetOwnerDraw(true);
  EXPECT_EQ(EntryKinds(menu_->Handle()), "oo-o");
  EXPECT_NE(FormImageText(form_).find("OwnerDraw = True"), std::string::npos);
}

TEST_F(MenuImagesTest, OwnerDrawImagesAndBitmapsTravelInFormImages) {
  images_->SetName("Icons");
  menu_->SetName("Popup");
  menu_->SetImages(images_);
  menu_->SetOwnerDraw(true);
  TMenuItem* pictured = Item("Pictured");
  pictured->SetName("miPictured");
  pictured->SetBitmap(Square(8, clGreen).get());
  pictured->SetSubMenuImages(images_);
  Item("Plain")->SetName("miPlain");
  const std::string written = FormImageText(form_);
  const std::size_t bitmap = written.find("Bitmap.Data");
  ASSERT_NE(bitmap, std::string::npos) << written;
  EXPECT_EQ(written.find("Bitmap.Data", bitmap + 1), std::string::npos) << "an empty bitmap is not written";
  delete form_;

  TForm* read = ReadForm(written);
  auto* popup = dynamic_cast<TPopupMenu*>(read->FindComponent("Popup"));
  auto* item = dynamic_cast<TMenuItem*>(read->FindComponent("miPictured"));
  ASSERT_NE(popup, nullptr);
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_EQ(popup->Images(), read->FindComponent("Icons"));
  EXPECT_EQ(item->SubMenuImages(), popup->Images());
  EXPECT_EQ(item->Bitmap()->Width(), 8);
  EXPECT_EQ(item->Bitmap()->Canvas()->Pixels(3, 3), clGreen);
  EXPECT_FALSE(dynamic_cast<TMenuItem*>(read->FindComponent("miPlain"))->HasBitmap());
}

TEST_F(MenuImagesTest, TheItemsEventsMeasureAndDrawItWhenThePopupOpens) {
  menu_->SetOwnerDraw(true);
  TMenuItem* wide = Item("Wide");
  Integer startHeight = -1;
  TCanvas* measuredOn = nullptr;
  wide->OnMeasureItem = [&](TObject* sender, TCanvas* canvas, Integer& width, Integer& height) {
    EXPECT_EQ(sender, wide);
    measuredOn = canvas;
    startHeight = height;
    width = 150;
    height = 30;
  };
  std::vector<TRect> wideRects;
  std::vector<bool> wideSelected;
  TColor wideFontColor = clNone;
  wide->OnDrawItem = [&](TObject*, TCanvas* canvas, TRect rect, bool selected) {
    wideRects.push_back(rect);
    wideSelected.push_back(selected);
    wideFontColor = canvas->Font()->Color();
  };
  TMenuItem* framed = Item("Framed");
  framed->SetChecked(true);
  framed->SetEnabled(false);
  std::vector<TOwnerDrawState> framedStates;
  framed->OnAdvancedDrawItem = [&](TObject*, TCanvas*, TRect, TOwnerDrawState state) { framedStates.push_back(state); };
  bool framedSimpleDraw = false;
  framed->OnDrawItem = [&](TObject*, TCanvas*, TRect, bool) { framedSimpleDraw = true; };

  TRect wideEntry{};
  WhileOpen({VK_DOWN}, [&] { wideEntry = OpenPopup{}.Item(menu_->Handle(), 0); });

  ASSERT_NE(measuredOn, nullptr);
  EXPECT_EQ(startHeight, MenuFontRow());   // the popup's default row, to be changed

  EXPECT_EQ(wideEntry.Height(), 30);
  EXPECT_GE(wideEntry.Width(), 150);
  ASSERT_FALSE(wideRects.empty());
  EXPECT_EQ(wideRects.back(), TRect(wideEntry.Left, wideEntry.Top, wideEntry.Right, wideEntry.Bottom));
  EXPECT_TRUE(wideSelected.back());                       // Down highlighted it
  EXPECT_EQ(wideFontColor, clHighlightText);
  ASSERT_FALSE(framedStates.empty());
  EXPECT_EQ(framedStates.back(), (TOwnerDrawState{odGrayed, odDisabled, odChecked}));
  EXPECT_FALSE(framedSimpleDraw);                          // the advanced event comes first
}

TEST_F(MenuImagesTest, TheDefaultLookShowsImagesMarksHighlightAndEtchedText) {
  menu_->SetImages(images_);
  Item("Open")->SetImageIndex(0);
  TMenuItem* gone = Item("Gone");
  gone->SetImageIndex(0);
  gone->SetEnabled(false);
  Item("Bold")->SetChecked(true);
  TMenuItem* pinned = Item("Pinned");
  pinned->SetImageIndex(0);
  pinned->SetChecked(true);
  Item("Deep", Item("More"));

  // The glyph column: the 16-pixel images with the window layer's 2-pixel margins.
  const Integer column = 16 + 4;
  const auto cellOf = [&](const TRect& item) { return TRect{item.Left, item.Top, item.Left + column, item.Bottom}; };
  const auto textOf = [&](const TRect& item) { return TRect{item.Left + column, item.Top, item.Right - 20, item.Bottom}; };
  COLORREF openImage = 0, openHighlight = 0, pinnedFrame = 0;
  Integer goneRed = -1, goneShadow = 0, goneEtch = 0, goneGray = 0, boldMark = 0, openText = 0, boldText = 0,
          arrow = 0;
  WhileOpen({VK_DOWN}, [&] {
    const OpenPopup popup;
    HMENU menu = menu_->Handle();
    const TRect open = popup.Item(menu, 0), goneRect = popup.Item(menu, 1), bold = popup.Item(menu, 2),
                pinnedRect = popup.Item(menu, 3), more = popup.Item(menu, 4);
    openImage = popup.Pixel(open.Left + column / 2, (open.Top + open.Bottom) / 2);
    openHighlight = popup.Pixel(open.Right - 2, open.Top + 1);
    openText = popup.Count(textOf(open), clHighlightText);
    goneRed = popup.Count(cellOf(goneRect), clRed);
    goneShadow = popup.Count(cellOf(goneRect), clBtnShadow);
    goneEtch = popup.Count(textOf(goneRect), clBtnHighlight);
    goneGray = popup.Count(textOf(goneRect), clGrayText);
    boldMark = popup.Count(cellOf(bold), clMenuText);
    boldText = popup.Count(textOf(bold), clMenuText);
    pinnedFrame = popup.Pixel(pinnedRect.Left + 1, pinnedRect.Top + 4);
    arrow = popup.Count(TRect{more.Right - 20, more.Top, more.Right, more.Bottom}, clMenuText);
  });
  EXPECT_EQ(openImage, ColorToRGB(clRed));
  EXPECT_EQ(openHighlight, ColorToRGB(clHighlight));
  EXPECT_GT(openText, 10);
  EXPECT_EQ(goneRed, 0);                 // a disabled image is embossed, not in colour
  EXPECT_GT(goneShadow, 10);
  EXPECT_GT(goneEtch, 5);                // and its text etched
  EXPECT_GT(goneGray, 5);
  EXPECT_GE(boldMark, 7);                // a checked item without an image shows the check mark
  EXPECT_GT(boldText, 10);
  EXPECT_EQ(pinnedFrame, ColorToRGB(clBtnShadow));   // a checked image sits in a sunken frame
  EXPECT_GT(arrow, 3);                   // the sub-menu arrow
}

TEST_F(MenuImagesTest, ItemHeightsFollowTheMeasuringRule) {
  auto* tall = new TCustomImageList(form_, 24, 24);
  tall->AddMasked(Square(24, clRed).get(), clFuchsia);
  Item("Text");
  Item("Pictured")->SetImageIndex(0);
  Item("-");
  Item("Hidden")->SetVisible(false);
  Item("Last");

  const Integer row = MenuFontRow();
  const Integer markRow = GetSystemMetrics(SM_CYMENUCHECK) + 4;
  const Integer textRow = std::max(row, markRow);
  const Integer imageRow = std::max(textRow, 16 + 4);

  struct Case {
    const char* name;
    TCustomImageList* images;
    std::vector<Integer> heights;   // of the visible entries, in order
  } cases[] = {
      {"string entries", nullptr, {textRow, textRow, 9, textRow}},
      // every item has the list, so every row leaves room for an image
      {"with 16-pixel images", images_, {imageRow, imageRow, 9, imageRow}},
      {"with 24-pixel images", tall, {28, 28, 9, 28}},
  };
  for (const Case& c : cases) {
    menu_->SetImages(c.images);
    std::vector<Integer> heights;
    WhileOpen({}, [&] {
      for (UINT i = 0; i < 4; ++i) heights.push_back(OpenPopup{}.Item(menu_->Handle(), i).Height());
    });
    EXPECT_EQ(heights, c.heights) << c.name;
  }
}

}  // namespace
}  // namespace uitest
