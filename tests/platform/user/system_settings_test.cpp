// Cursors by hit zone, system parameters with their change broadcast, system colours, the monitor.
#include <gtest/gtest.h>

#include "platform/gdi/sys_colors.h"
#include "platform/user/backend/headless/headless_backend.h"
#include "platform/user/cursor.h"
#include "platform/user/message_ids.h"
#include "platform/user/system_parameters.h"
#include "platform/user/window_class.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;

class SystemSettingsTest : public UserTest {
 protected:
  ~SystemSettingsTest() override {
    ResetSystemParameters();
    gdi::ResetSysColors();
    ClipCursor(nullptr);
  }
};

TEST_F(SystemSettingsTest, SetCursorPicksTheShapeOfTheHitZone) {
  HWND w = CreateLogWindow("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150, nullptr);
  HCURSOR beam = LoadCursorA(nullptr, IDC_IBEAM);
  SetClassLongPtrA(w, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(beam));
  Pump();
  struct Case {
    int x, y;   // screen
    const char* shape;
  } cases[] = {{150, 150, IDC_IBEAM}, {100, 150, IDC_SIZEWE}, {150, 100, IDC_SIZENS},
               {299, 249, IDC_SIZENWSE}, {299, 100, IDC_SIZENESW}, {150, 110, IDC_ARROW}};
  for (const Case& c : cases) {
    SetCursor(nullptr);
    InjectMouseMove(c.x, c.y);
    Pump();
    EXPECT_EQ(StandardCursorId(GetCursor()), int(reinterpret_cast<std::uintptr_t>(c.shape))) << c.x << "," << c.y;
  }
  EXPECT_EQ(LoadCursorA(nullptr, "ARROW"), nullptr);
}

TEST_F(SystemSettingsTest, ClipCursorKeepsMovesInside) {
  const TRect box = Rect(10, 10, 20, 20);
  ClipCursor(&box);
  InjectMouseMove(50, 5);
  TPoint p;
  GetCursorPos(&p);
  EXPECT_EQ(p, Point(19, 10));
}

TEST_F(SystemSettingsTest, ParametersReadFromTheTableAndSettersBroadcastTheChange) {
  CreateLogWindow("top", WS_POPUP, 0, 0, 10, 10, nullptr);
  Take();
  struct Case {
    UINT action;
    UINT expected;
  } cases[] = {{SPI_GETMENUSHOWDELAY, 400}, {SPI_GETWHEELSCROLLLINES, 3}, {SPI_GETFLATMENU, FALSE},
               {SPI_GETKEYBOARDCUES, FALSE}, {SPI_GETMENUANIMATION, TRUE}, {SPI_GETMENUFADE, TRUE},
               {SPI_GETDRAGFULLWINDOWS, TRUE}, {SPI_GETMOUSEHOVERTIME, 400}};
  for (const Case& c : cases) {
    UINT value = 12345;
    EXPECT_TRUE(SystemParametersInfoA(c.action, 0, &value, 0)) << std::hex << c.action;
    EXPECT_EQ(value, c.expected) << std::hex << c.action;
  }
  EXPECT_TRUE(SystemParametersInfoA(SPI_SETFLATMENU, 0, reinterpret_cast<void*>(1), SPIF_SENDCHANGE));
  EXPECT_TRUE(SystemParametersInfoA(SPI_SETMENUSHOWDELAY, 0, nullptr, 0));
  UINT flat = 0, delay = 1;
  SystemParametersInfoA(SPI_GETFLATMENU, 0, &flat, 0);
  SystemParametersInfoA(SPI_GETMENUSHOWDELAY, 0, &delay, 0);
  EXPECT_EQ(flat, UINT(TRUE));
  EXPECT_EQ(delay, 0u);
  EXPECT_EQ(Take(), (std::vector<std::string>{"top WM_SETTINGCHANGE"}));
  TRect work;
  EXPECT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work, Rect(0, 0, 1920, 1050));
  EXPECT_FALSE(SystemParametersInfoA(0x7777, 0, &flat, 0));
}

TEST_F(SystemSettingsTest, SetSysColorsChangesTheTableAndTellsTheWindows) {
  CreateLogWindow("top", WS_POPUP, 0, 0, 10, 10, nullptr);
  Take();
  const int index = COLOR_BTNFACE;
  const COLORREF pink = 0xCC99FF;
  EXPECT_TRUE(SetSysColors(1, &index, &pink));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), pink);
  EXPECT_EQ(Take(), (std::vector<std::string>{"top WM_SYSCOLORCHANGE"}));
}

TEST_F(SystemSettingsTest, OneMonitorWithTheWorkArea) {
  HMONITOR m = MonitorFromPoint({5, 5}, MONITOR_DEFAULTTONULL);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(MonitorFromPoint({-5, 5}, MONITOR_DEFAULTTONULL), nullptr);
  EXPECT_EQ(MonitorFromPoint({-5, 5}, MONITOR_DEFAULTTONEAREST), m);
  MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
  ASSERT_TRUE(GetMonitorInfoA(m, &info));
  EXPECT_EQ(info.rcMonitor, Rect(0, 0, 1920, 1080));
  EXPECT_EQ(info.rcWork, Rect(0, 0, 1920, 1050));
  EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
}

}  // namespace
}  // namespace usertest
