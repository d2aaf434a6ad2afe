// TrackPopupMenu under the headless display: keys and clicks injected before the loop or from the
// owner's WM_ENTERIDLE choose commands; the owner's notifications come in the platform's order;
// the popup is placed on the work area by its flags; the drawn popup has the classic colours.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/gdi/sys_colors.h"
#include "platform/os/clock.h"
#include "platform/os/os_error.h"
#include "platform/user/menu.h"
#include "platform/user/menu_layout.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client_metrics.h"
#include "platform/user/focus.h"
#include "platform/user/owner_draw.h"
#include "platform/user/system_metrics.h"
#include "platform/user/system_parameters.h"
#include "platform/user/track_popup_menu.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_input.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;
using Lines = std::vector<std::string>;

constexpr UINT kOpen = 101, kSave = 102, kExit = 103, kFirst = 201, kSecond = 202;

// Open (with a shortcut), Save (grayed), a separator, More -> {First, Second (checked)}, Exit.
class TrackPopupMenuTest : public UserTest {
 protected:
  TrackPopupMenuTest() {
    owner_ = CreateLogWindow("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr);
    more_ = CreatePopupMenu();
    AppendMenuA(more_, MF_STRING, kFirst, "&First");
    AppendMenuA(more_, MF_STRING | MF_CHECKED, kSecond, "S&econd");
    AppendMenuA(menu_, MF_STRING, kOpen, "&Open\tCtrl+O");
    AppendMenuA(menu_, MF_STRING | MF_GRAYED, kSave, "&Save");
    AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(more_), "&More");
    AppendMenuA(menu_, MF_STRING, kExit, "E&xit");
    Pump();
    MessageLog::Instance().Ignore({WM_GETTEXT, WM_GETTEXTLENGTH, WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_SETCURSOR,
                                   WM_NCHITTEST, WM_KEYUP, WM_CAPTURECHANGED, WM_GETMINMAXINFO, WM_NCCALCSIZE,
                                   WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED});
    Take();
  }
  ~TrackPopupMenuTest() override { DestroyMenu(menu_); }

  // Runs the menu with TPM_RETURNCMD at (300, 300); `onIdle` runs at each WM_ENTERIDLE (the n-th,
  // counting from 0) and may inject input.
  UINT Track(UINT flags = 0, std::function<void(int)> onIdle = nullptr) { return Track(menu_, flags, onIdle); }
  UINT Track(HMENU menu, UINT flags, std::function<void(int)> onIdle) {
    int idle = 0;
    MessageLog::Instance().handler = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT&) {
      if (m == WM_ENTERIDLE && onIdle) onIdle(idle++);
      return false;
    };
    const UINT chosen = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | flags, 300, 300, 0, owner_, nullptr));
    MessageLog::Instance().handler = nullptr;
    return chosen;
  }

  // Clicks the middle of an item of the open popup showing `menu`.
  static void ClickItem(HMENU menu, UINT position, MouseButton button = MouseButton::Left) {
    TRect item{}, window{};
    ASSERT_TRUE(GetMenuItemRect(nullptr, menu, position, &item));
    GetWindowRect(OpenMenuWindow(), &window);
    Click(OpenMenuWindow(), (item.Left + item.Right) / 2 - window.Left, (item.Top + item.Bottom) / 2 - window.Top,
          button);
  }

  HWND owner_ = nullptr;
  HMENU menu_ = CreatePopupMenu();
  HMENU more_ = nullptr;
};

struct KeyCase {
  const char* name;
  std::vector<int> keys;
  UINT chosen;
};

TEST_F(TrackPopupMenuTest, KeySequencesChooseCommands) {
  const KeyCase cases[] = {
      {"down then return chooses the first item", {VK_DOWN, VK_RETURN}, kOpen},
      {"up from nothing wraps to the last item", {VK_UP, VK_RETURN}, kExit},
      {"up from the first wraps to the last", {VK_DOWN, VK_UP, VK_RETURN}, kExit},
      {"a grayed item is highlighted but not chosen", {VK_DOWN, VK_DOWN, VK_RETURN}, 0},
      {"the separator is skipped; right opens the sub-menu at its first item",
       {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, kSecond},
      {"return on a sub-menu item opens it", {VK_UP, VK_UP, VK_RETURN, VK_RETURN}, kFirst},
      {"escape closes one level", {VK_UP, VK_UP, VK_RIGHT, VK_ESCAPE, VK_DOWN, VK_RETURN}, kExit},
      {"left closes one level", {VK_UP, VK_UP, VK_RIGHT, VK_LEFT, VK_UP, VK_UP, VK_RETURN}, kOpen},
      {"escape at the top dismisses", {VK_DOWN, VK_ESCAPE, VK_RETURN}, 0},
      {"alt dismisses", {VK_DOWN, VK_MENU, VK_RETURN}, 0},
      {"a mnemonic chooses", {'X'}, kExit},
      {"a mnemonic opens a sub-menu, the next chooses in it", {'M', 'E'}, kSecond},
      {"a grayed item's mnemonic does not choose it", {'S'}, 0},
  };
  for (const KeyCase& c : cases) {
    for (int vk : c.keys) PressKey(vk);
    EXPECT_EQ(Track(), c.chosen) << c.name;
    EXPECT_EQ(OpenMenuWindow(), nullptr) << c.name;
    Pump();
  }
}

TEST_F(TrackPopupMenuTest, ThaiMnemonicsChooseToo) {
  const std::string thai("&ก ไทย"_cp874);
  AppendMenuA(menu_, MF_STRING, 104, thai.c_str());
  TypeText(u"ก");
  EXPECT_EQ(Track(), 104u);
}

TEST_F(TrackPopupMenuTest, ARightClickOpensTheMenuAtThePointerAndTheKeyboardChooses) {
  UINT chosen = 0;
  TRect popup{};
  MessageLog::Instance().handler = [&](HWND h, UINT m, WPARAM, LPARAM lParam, LRESULT& result) {
    if (m == WM_MENUSELECT && popup.Right == 0) GetWindowRect(OpenMenuWindow(), &popup);
    if (m != WM_CONTEXTMENU || h != owner_) return false;
    chosen = UINT(TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0,
                                 owner_, nullptr));
    result = 0;
    return true;
  };
  Click(owner_, 40, 50, MouseButton::Right);
  for (int vk : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PressKey(vk);
  Pump();
  MessageLog::Instance().handler = nullptr;
  EXPECT_EQ(chosen, kExit);
  TPoint click{40, 50};
  ClientToScreen(owner_, &click);
  EXPECT_EQ(popup.Left, click.X);
  EXPECT_EQ(popup.Top, click.Y);
}

TEST_F(TrackPopupMenuTest, OwnerSeesTheMenuLoopInOrder) {
  for (int vk : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}) PressKey(vk);
  EXPECT_TRUE(TrackPopupMenu(menu_, 0, 300, 300, 0, owner_, nullptr));   // no TPM_RETURNCMD: posted
  Pump();
  EXPECT_EQ(Take(), (Lines{"owner WM_ENTERMENULOOP popup=1", "owner WM_INITMENU", "owner WM_INITMENUPOPUP pos=0 sys=0",
                           "owner WM_MENUSELECT item=101 flags=0x80", "owner WM_MENUSELECT item=102 flags=0x81",
                           "owner WM_MENUSELECT item=3 flags=0x90", "owner WM_INITMENUPOPUP pos=3 sys=0",
                           "owner WM_MENUSELECT item=201 flags=0x80", "owner WM_UNINITMENUPOPUP",
                           "owner WM_UNINITMENUPOPUP", "owner WM_MENUSELECT closed", "owner WM_EXITMENULOOP popup=1",
                           "owner WM_COMMAND id=201 code=0 ctl=0"}));

  // TPM_NONOTIFY keeps every notification from the owner; the command is still posted.
  PressKey('X');
  EXPECT_TRUE(TrackPopupMenu(menu_, TPM_NONOTIFY, 300, 300, 0, owner_, nullptr));
  Pump();
  EXPECT_EQ(Take(), (Lines{"owner WM_COMMAND id=103 code=0 ctl=0"}));
}

TEST_F(TrackPopupMenuTest, UnknownLettersAskTheOwner) {
  PressKey('Q');
  LRESULT answer = MAKELRESULT(4, MNC_EXECUTE);
  MessageLog::Instance().Ignore({WM_PAINT, WM_NCPAINT, WM_ERASEBKGND, WM_SETCURSOR, WM_NCHITTEST, WM_KEYUP,
                                 WM_ENTERIDLE, WM_MENUSELECT, WM_INITMENU, WM_INITMENUPOPUP, WM_UNINITMENUPOPUP,
                                 WM_ENTERMENULOOP, WM_EXITMENULOOP, WM_CAPTURECHANGED});
  MessageLog::Instance().handler = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT& result) {
    if (m != WM_MENUCHAR) return false;
    result = answer;
    return true;
  };
  EXPECT_EQ(UINT(TrackPopupMenu(menu_, TPM_RETURNCMD, 300, 300, 0, owner_, nullptr)), kExit);
  EXPECT_EQ(Take(), (Lines{"owner WM_MENUCHAR 0x71"}));
  answer = MAKELRESULT(0, MNC_CLOSE);
  PressKey('Q');
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_EQ(UINT(TrackPopupMenu(menu_, TPM_RETURNCMD, 300, 300, 0, owner_, nullptr)), 0u);
  MessageLog::Instance().handler = nullptr;
  Pump();
}

TEST_F(TrackPopupMenuTest, MouseHoverOpensSubMenusAfterTheDelayAndClicksChoose) {
  const UInt64 start = GetTickCount64();
  int showDelay = 0;
  SystemParametersInfoA(SPI_GETMENUSHOWDELAY, 0, &showDelay, 0);
  HWND rootWindow = nullptr, subMenuWindow = nullptr;
  const UINT chosen = Track(0, [&](int idle) {
    if (idle == 0) {   // rest on More: its sub-menu opens when the delay has passed
      rootWindow = OpenMenuWindow();
      TRect item{}, window{};
      GetMenuItemRect(nullptr, menu_, 3, &item);
      GetWindowRect(rootWindow, &window);
      MoveMouseTo(rootWindow, item.Left + 5 - window.Left, item.Top + 5 - window.Top);
    } else if (OpenMenuWindow() != rootWindow && subMenuWindow == nullptr) {
      subMenuWindow = OpenMenuWindow();
      ClickItem(more_, 0);
    }
  });
  EXPECT_EQ(chosen, kFirst);
  ASSERT_NE(subMenuWindow, nullptr);
  EXPECT_FALSE(IsWindow(subMenuWindow));
  EXPECT_GE(GetTickCount64() - start, UInt64(showDelay));

  // A click on a grayed item does nothing; a click outside every popup dismisses.
  EXPECT_EQ(Track(0, [&](int idle) {
              if (idle == 0) ClickItem(menu_, 1);
              if (idle == 1) Click(owner_, 5, 5);
            }),
            0u);
  // The right button chooses only with TPM_RIGHTBUTTON.
  EXPECT_EQ(Track(0, [&](int idle) { if (idle == 0) ClickItem(menu_, 0, MouseButton::Right); }), 0u);
  EXPECT_EQ(Track(TPM_RIGHTBUTTON, [&](int idle) { if (idle == 0) ClickItem(menu_, 0, MouseButton::Right); }), kOpen);
  // EndMenu from outside ends the loop.
  EXPECT_EQ(Track(0, [&](int) { EndMenu(); }), 0u);
}

TEST_F(TrackPopupMenuTest, ThePopupTakesNeitherActivationNorFocus) {
  SetForegroundWindow(owner_);
  Pump();
  HWND active = nullptr, focus = nullptr, menuWindow = nullptr;
  DWORD exStyle = 0;
  char className[16] = {};
  Track(0, [&](int idle) {
    if (idle != 0) return;
    menuWindow = OpenMenuWindow();
    GetClassNameA(menuWindow, className, sizeof className);
    exStyle = DWORD(GetWindowLongPtrA(menuWindow, GWL_EXSTYLE));
    active = GetActiveWindow();
    focus = GetFocus();
  });
  ASSERT_NE(menuWindow, nullptr);
  EXPECT_STREQ(className, "#32768");
  EXPECT_EQ(active, owner_);
  EXPECT_EQ(focus, owner_);
  EXPECT_EQ(exStyle & WS_EX_TOPMOST, DWORD(WS_EX_TOPMOST));
  EXPECT_FALSE(IsWindow(menuWindow));
}

struct PlacementCase {
  const char* name;
  TPoint point;
  UINT flags;
  TRect exclude;
  TRect expected;
};

TEST(PopupMenuPlacement, AlignsFlipsAndKeepsOnTheWorkArea) {
  const TSize size{80, 50};   // work area 1920 x 1050
  const PlacementCase cases[] = {
      {"left top", {100, 100}, 0, {}, {100, 100, 180, 150}},
      {"right aligned", {100, 100}, TPM_RIGHTALIGN, {}, {20, 100, 100, 150}},
      {"centred both ways", {100, 100}, TPM_CENTERALIGN | TPM_VCENTERALIGN, {}, {60, 75, 140, 125}},
      {"bottom aligned", {100, 100}, TPM_BOTTOMALIGN, {}, {100, 50, 180, 100}},
      {"flips left at the right edge", {1900, 100}, 0, {}, {1820, 100, 1900, 150}},
      {"flips up at the bottom", {100, 1040}, 0, {}, {100, 990, 180, 1040}},
      {"right aligned near the left edge flips right", {30, 100}, TPM_RIGHTALIGN, {}, {30, 100, 110, 150}},
      {"pushed inside when no side fits", {-40, -40}, 0, {}, {0, 0, 80, 50}},
      {"keeps right of the exclusion", {100, 100}, 0, {90, 90, 150, 120}, {150, 100, 230, 150}},
      {"goes left of the exclusion at the edge", {1880, 100}, 0, {1870, 90, 1900, 120}, {1790, 100, 1870, 150}},
      {"vertical keeps below the exclusion", {100, 100}, TPM_VERTICAL, {90, 90, 150, 120}, {100, 120, 180, 170}},
      {"vertical goes above at the bottom", {100, 1020}, TPM_VERTICAL, {90, 1010, 150, 1030}, {100, 960, 180, 1010}},
      {"an exclusion beside the menu changes nothing", {300, 100}, TPM_VERTICAL, {90, 90, 150, 120},
       {300, 100, 380, 150}},
  };
  for (const PlacementCase& c : cases)
    EXPECT_EQ(PopupMenuPlacement(c.point, size, c.flags, c.exclude), c.expected) << c.name;
}

TEST_F(TrackPopupMenuTest, APopupAtTheScreenCornerOpensInsideTheWorkArea) {
  AppendMenuA(more_, MF_STRING, 203, "&Third");   // the sub-menu is now taller than what lies below More
  for (int vk : {VK_UP, VK_UP, VK_RIGHT}) PressKey(vk);   // opens More's sub-menu
  TRect more{}, first{};
  MessageLog::Instance().handler = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT&) {
    if (m == WM_ENTERIDLE) {
      GetMenuItemRect(nullptr, menu_, 3, &more);
      GetMenuItemRect(nullptr, more_, 0, &first);
    }
    return false;
  };
  const UINT chosen = UINT(TrackPopupMenu(menu_, TPM_RETURNCMD, 1915, 1045, 0, owner_, nullptr));
  MessageLog::Instance().handler = nullptr;
  EXPECT_EQ(chosen, 0u);
  EXPECT_EQ(more.Right + kMenuFrame, 1915);   // the menu flipped to the left of the point
  EXPECT_LT(more.Bottom, 1045);               // and above it
  // No room on the right: the sub-menu opens on the parent's left, overlapping its frame; no room
  // below: it is pushed up to the work area's bottom.
  EXPECT_EQ(first.Right + kMenuFrame, more.Left);
  EXPECT_EQ(first.Top + 3 * first.Height() + kMenuFrame, 1050);
  EXPECT_LT(first.Top, more.Top);
}

TEST_F(TrackPopupMenuTest, DrawnInTheClassicLook) {
  COLORREF frameOuter = 0, frameInner = 0, frameDark = 0, highlight = 0, separatorTop = 0, separatorBottom = 0;
  int grayPixels = 0, etchPixels = 0, blackInGrayed = 0;
  PressKey(VK_DOWN);   // highlights Open
  Track(0, [&](int idle) {
    if (idle != 0) return;
    HWND w = OpenMenuWindow();
    TRect window{}, open{}, save{}, separator{};
    GetWindowRect(w, &window);
    GetMenuItemRect(nullptr, menu_, 0, &open);
    GetMenuItemRect(nullptr, menu_, 1, &save);
    GetMenuItemRect(nullptr, menu_, 2, &separator);
    const auto at = [&](int x, int y) { return WindowPixel(w, x - window.Left, y - window.Top); };
    frameOuter = WindowPixel(w, 0, 5);
    frameInner = WindowPixel(w, 1, 5);
    frameDark = WindowPixel(w, window.Width() - 1, 5);
    highlight = at(open.Right - 2, open.Top + 1);
    const int middle = separator.Top + separator.Height() / 2;
    separatorTop = at(separator.Left + 10, middle - 1);
    separatorBottom = at(separator.Left + 10, middle);
    for (int y = save.Top; y < save.Bottom; ++y)
      for (int x = save.Left; x < save.Right; ++x) {
        const COLORREF c = at(x, y);
        grayPixels += c == GetSysColor(COLOR_GRAYTEXT);
        etchPixels += c == GetSysColor(COLOR_BTNHIGHLIGHT);
        blackInGrayed += c == RGB(0, 0, 0);
      }
  });
  EXPECT_EQ(frameOuter, GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(frameInner, GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(frameDark, GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(highlight, GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(separatorTop, GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(separatorBottom, GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_GT(grayPixels, 10);   // grayed text is etched: gray with a white shadow, never black
  EXPECT_GT(etchPixels, 10);
  EXPECT_EQ(blackInGrayed, 0);

  // The checked item of the sub-menu has its mark in the mark column; the unchecked one none.
  int marked[2] = {0, 0};
  for (int vk : {VK_UP, VK_UP, VK_RIGHT}) PressKey(vk);
  Track(0, [&](int idle) {
    if (idle != 0) return;
    HWND w = OpenMenuWindow();
    TRect window{};
    GetWindowRect(w, &window);
    for (UINT position = 0; position < 2; ++position) {
      TRect item{};
      GetMenuItemRect(nullptr, more_, position, &item);
      for (int y = item.Top; y < item.Bottom; ++y)
        for (int x = item.Left; x < item.Left + GetSystemMetrics(SM_CXMENUCHECK) + 4; ++x)
          marked[position] += WindowPixel(w, x - window.Left, y - window.Top) ==
                              GetSysColor(position == 0 ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    }
  });
  EXPECT_EQ(marked[0], 0);
  EXPECT_GE(marked[1], 7);   // the 7 x 7 check mark
}

// The rightmost column of menu text inside a screen rectangle of the open popup.
int RightmostInk(const TRect& rect) {
  HWND w = OpenMenuWindow();
  TRect window{};
  GetWindowRect(w, &window);
  int rightmost = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (WindowPixel(w, x - window.Left, y - window.Top) == GetSysColor(COLOR_MENUTEXT)) rightmost = std::max(rightmost, x);
  return rightmost;
}

TEST_F(TrackPopupMenuTest, ColumnBreaksAndTheBoldDefaultItem) {
  // The menu font for this test is Arial, whose bold face is wider (Tahoma's stand-in keeps its
  // widths when bold).
  NONCLIENTMETRICSA saved{};
  saved.cbSize = sizeof saved;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
  NONCLIENTMETRICSA arial = saved;
  std::strcpy(arial.lfMenuFont.lfFaceName, "Arial");
  SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof arial, &arial, 0);
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "MMMMMM");
  AppendMenuA(menu, MF_STRING, 2, "MMMMMM");
  AppendMenuA(menu, MF_STRING | MF_MENUBARBREAK, 3, "Gamma");
  AppendMenuA(menu, MF_STRING, 4, "Delta");
  AppendMenuA(menu, MF_STRING | MF_MENUBREAK, 5, "Epsilon");
  SetMenuDefaultItem(menu, 2, FALSE);
  TRect r[5] = {};
  int normalRight = 0, boldRight = 0;
  COLORREF bar[2] = {};
  Track(menu, 0, [&](int idle) {
    if (idle != 0) return;
    for (UINT i = 0; i < 5; ++i) GetMenuItemRect(nullptr, menu, i, &r[i]);
    normalRight = RightmostInk(r[0]);
    boldRight = RightmostInk(r[1]);
    HWND w = OpenMenuWindow();
    TRect window{};
    GetWindowRect(w, &window);
    for (int i = 0; i < 2; ++i) bar[i] = WindowPixel(w, r[0].Right + 1 + i - window.Left, r[0].Top + 5 - window.Top);
  });
  DestroyMenu(menu);
  SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
  EXPECT_EQ(r[2].Top, r[0].Top);   // each break starts a new column at the top
  EXPECT_EQ(r[2].Left, r[0].Right + 4);
  EXPECT_EQ(r[3].Top, r[2].Bottom);
  EXPECT_EQ(r[4].Top, r[0].Top);
  EXPECT_EQ(r[4].Left, r[2].Right + 4);
  EXPECT_EQ(bar[0], GetSysColor(COLOR_BTNSHADOW));   // the bar break's etched line
  EXPECT_EQ(bar[1], GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_GT(boldRight, normalRight + 3);             // the default item is bold: the same text is wider
}

TEST_F(TrackPopupMenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheOwner) {
  AppendMenuA(menu_, MF_OWNERDRAW, 300, reinterpret_cast<const char*>(0x5A5A));
  UINT measuredData = 0, drawnData = 0, drawnType = 0, drawnState = 0;
  HWND drawnMenu = nullptr;
  TRect item{};
  MessageLog::Instance().handler = [&](HWND, UINT m, WPARAM, LPARAM lParam, LRESULT& result) {
    if (m == WM_ENTERIDLE) GetMenuItemRect(nullptr, menu_, 5, &item);
    if (m == WM_MEASUREITEM) {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      measuredData = UINT(measure->itemData);
      measure->itemHeight = 30;
      measure->itemWidth = 200;
    }
    if (m == WM_DRAWITEM) {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      drawnData = UINT(draw->itemData);
      drawnType = draw->CtlType;
      drawnState = draw->itemState;
      drawnMenu = draw->hwndItem;
    }
    result = TRUE;
    return m == WM_MEASUREITEM || m == WM_DRAWITEM;
  };
  PressKey(VK_UP);   // highlights the owner-drawn item, the last
  TrackPopupMenu(menu_, TPM_RETURNCMD, 300, 300, 0, owner_, nullptr);
  MessageLog::Instance().handler = nullptr;
  EXPECT_EQ(measuredData, 0x5A5Au);
  EXPECT_EQ(drawnData, 0x5A5Au);
  EXPECT_EQ(drawnType, ODT_MENU);
  EXPECT_EQ(drawnState & ODS_SELECTED, UINT(ODS_SELECTED));
  EXPECT_EQ(drawnMenu, reinterpret_cast<HWND>(menu_));
  EXPECT_EQ(item.Height(), 30);
  EXPECT_GE(item.Width(), 200 + GetSystemMetrics(SM_CXMENUCHECK) - 1);
}

TEST_F(TrackPopupMenuTest, BadArgumentsAndNestingFail) {
  SetLastError(0);
  EXPECT_FALSE(TrackPopupMenu(reinterpret_cast<HMENU>(0x1234), 0, 0, 0, 0, owner_, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
  EXPECT_FALSE(TrackPopupMenu(menu_, 0, 0, 0, 0, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  BOOL nested = TRUE;
  DWORD nestedError = 0;
  Track(0, [&](int idle) {
    if (idle != 0) return;
    nested = TrackPopupMenu(more_, 0, 0, 0, 0, owner_, nullptr);
    nestedError = GetLastError();
  });
  EXPECT_FALSE(nested);
  EXPECT_EQ(nestedError, ERROR_POPUP_ALREADY_ACTIVE);
  EXPECT_FALSE(EndMenu());   // no loop runs now
}

}  // namespace
}  // namespace usertest
