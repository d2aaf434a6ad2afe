// The control services' stateless routines: captions, characters, mouse keys, windows and
// coordinates, popup menus.
#include <gtest/gtest.h>

#include "controls/foundation/kx_control_routines.h"
#include "platform/core/format_settings.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/menu.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/mouse.h"
#include "platform/ui/panel.h"
#include "platform/ui/screen.h"
#include "controls/foundation/kx_screen_canvas.h"
#include "platform/user/message_ids.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

TEST(StripHotKeyPrefixes, DropsPrefixesKeepsDoubledOnesAndMarksAFinalOne) {
  const std::pair<const char*, const char*> kCases[] = {
      {"&Yes", "Yes"}, {"Save && Exit", "Save & Exit"}, {"End&", "End_"}, {"", ""},
      {"&&&x", "&x"},  {"plain", "plain"},               {"&", "_"},       {"a&b&c", "abc"}};
  for (const auto& [caption, expected] : kCases) EXPECT_EQ(StripHotKeyPrefixes(caption), expected) << caption;
}

TEST(IsNumericChar, TheKindsAddTheLocalesSeparatorAndTheExponent) {
  const char saved = FormatSettings.DecimalSeparator;
  FormatSettings.DecimalSeparator = ',';
  const struct {
    char c;
    bool kind0, kind1, kind2, kind3;
  } kCases[] = {{'7', true, true, true, true},     {'+', true, true, true, true},
                {'-', true, true, true, true},     {',', false, true, true, false},
                {'.', false, false, false, false}, {'e', false, false, true, false},
                {'E', false, false, true, false},  {'x', false, false, false, false}};
  for (const auto& c : kCases) {
    EXPECT_EQ(IsNumericChar(c.c, 0), c.kind0) << c.c;
    EXPECT_EQ(IsNumericChar(c.c, 1), c.kind1) << c.c;
    EXPECT_EQ(IsNumericChar(c.c, 2), c.kind2) << c.c;
    EXPECT_EQ(IsNumericChar(c.c, 3), c.kind3) << c.c;
  }
  FormatSettings.DecimalSeparator = saved;
  EXPECT_TRUE(IsPrintableChar(' '));
  EXPECT_FALSE(IsPrintableChar('\x1F'));
  EXPECT_TRUE(IsPrintableChar('\xA1'));   // a Thai letter
}

TEST(ShiftStateToMouseKeys, ButtonsShiftAndControlOnly) {
  const std::pair<TShiftState, WPARAM> kCases[] = {
      {{}, 0},
      {{ssAlt}, 0},
      {{ssDouble}, 0},
      {{ssShift}, MK_SHIFT},
      {{ssCtrl}, MK_CONTROL},
      {{ssLeft}, MK_LBUTTON},
      {{ssRight}, MK_RBUTTON},
      {{ssMiddle}, MK_MBUTTON},
      {{ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble}, 0x1F}};
  for (const auto& [shift, keys] : kCases) EXPECT_EQ(ShiftStateToMouseKeys(shift), keys) << shift.ToMask();
}

class ControlRoutinesTest : public uitest::UiTest {};

TEST_F(ControlRoutinesTest, WindowsAndTheirCoordinates) {
  TForm* form = NewForm("Host");
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 20, 50, 50);
  auto* loose = new TPanel(form);
  EXPECT_TRUE(HasHandleOrParentWindow(panel));
  EXPECT_FALSE(HasHandleOrParentWindow(loose));
  EXPECT_TRUE(HasChildWindowStyle(panel->Handle()));
  EXPECT_FALSE(HasChildWindowStyle(form->Handle()));
  EXPECT_TRUE(IsWindowOrChild(form->Handle(), panel->Handle()));
  EXPECT_TRUE(IsWindowOrChild(panel->Handle(), panel->Handle()));
  EXPECT_FALSE(IsWindowOrChild(panel->Handle(), form->Handle()));
  EXPECT_FALSE(IsWindowOrChild(nullptr, panel->Handle()));

  TRect r{1, 2, 3, 4};
  MapRectBetweenWindows(panel->Handle(), form->Handle(), r);
  EXPECT_EQ(r, (TRect{11, 22, 13, 24}));
  TPoint p{0, 0};
  MapPointBetweenWindows(panel->Handle(), nullptr, p);
  EXPECT_EQ(p, panel->ClientToScreen({0, 0}));

  Mouse.SetDragThreshold(5);
  EXPECT_TRUE(IsPointInDragThreshold({10, 10}, 14, 6));
  EXPECT_FALSE(IsPointInDragThreshold({10, 10}, 15, 10));
  EXPECT_FALSE(IsPointInDragThreshold({10, 10}, 10, 5));
}

TEST_F(ControlRoutinesTest, APopupMenuIsAsHighAsItsVisibleItemsMeasure) {
  TForm* form = NewForm("Host");
  auto* menu = new TPopupMenu(form);
  const auto add = [menu](const char* caption) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    menu->Items()->Add(item);
    return item;
  };
  add("Plain");
  add("Hidden")->SetVisible(false);
  TMenuItem* measured = add("Measured");
  TBitmap picture;
  picture.SetSize(8, 8);
  measured->SetBitmap(&picture);
  measured->OnMeasureItem = [](TObject*, TCanvas*, Integer&, Integer& Height) { Height = 30; };
  EXPECT_TRUE(MenuItemNeedsMeasuring(menu, measured));
  EXPECT_FALSE(MenuItemNeedsMeasuring(menu, menu->Items()->Items(0)));

  TkxScreenCanvas canvas;
  canvas.SetFont(Screen->MenuFont());
  const Integer row = canvas.GetTextHeight("Qg") + 4;
  EXPECT_EQ(GetPopupMenuHeight(menu), row + 30 + 4);
  menu->SetOwnerDraw(true);
  EXPECT_TRUE(MenuItemNeedsMeasuring(menu, menu->Items()->Items(0)));
}

TEST_F(ControlRoutinesTest, OnlyPopupMenusPopUpOrTakeShortcuts) {
  TForm* form = NewForm("Host");
  auto* panel = new TPanel(form);
  TMessage key{WM_KEYDOWN, 'A', 0, 0};
  EXPECT_FALSE(IsPopupMenuShortCut(nullptr, key));
  EXPECT_FALSE(IsPopupMenuShortCut(panel, key));
  EXPECT_FALSE(ShowPopupMenuAt(panel, nullptr, 0, 0));
  EXPECT_FALSE(ShowPopupMenuAt(panel, panel, 0, 0));
  auto* menu = new TPopupMenu(form);
  menu->SetAutoPopup(false);
  EXPECT_FALSE(ShowPopupMenuAt(panel, menu, 0, 0));
  EXPECT_EQ(menu->PopupComponent(), nullptr);
}

}  // namespace
