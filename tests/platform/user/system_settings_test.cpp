// Cursors by hit zone, system parameters with their change broadcast, the non-client metrics,
// system colours, the monitor.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/gdi/font_types.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/user/cursor.h"
#include "platform/user/input_events.h"
#include "platform/user/message_ids.h"
#include "platform/user/system_metrics.h"
#include "platform/user/system_parameters.h"
#include "platform/user/window_class.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

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

TEST_F(SystemSettingsTest, NonClientMetricsGiveTheClassicSizesAndTahomaFonts) {
  NONCLIENTMETRICSA m{};
  m.cbSize = sizeof m;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0));
  struct Size {
    int value, expected;
  } sizes[] = {{m.iBorderWidth, 1},     {m.iScrollWidth, 16},     {m.iScrollHeight, 16}, {m.iCaptionWidth, 18},
               {m.iCaptionHeight, 18},  {m.iSmCaptionWidth, 12},  {m.iSmCaptionHeight, 15}, {m.iMenuHeight, 18}};
  for (std::size_t i = 0; i < std::size(sizes); ++i) EXPECT_EQ(sizes[i].value, sizes[i].expected) << i;
  struct Font {
    const LOGFONTA& font;
    LONG weight;
  } fonts[] = {{m.lfCaptionFont, FW_BOLD},  {m.lfSmCaptionFont, FW_NORMAL}, {m.lfMenuFont, FW_NORMAL},
               {m.lfStatusFont, FW_NORMAL}, {m.lfMessageFont, FW_NORMAL}};
  for (const Font& f : fonts) {
    EXPECT_STREQ(f.font.lfFaceName, "Tahoma");
    EXPECT_EQ(f.font.lfHeight, -11);
    EXPECT_EQ(f.font.lfWeight, f.weight);
    EXPECT_EQ(f.font.lfCharSet, THAI_CHARSET);
  }
  // The sizes follow the system metrics.
  SetSystemMetric(SM_CYCAPTION, 25);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0));
  EXPECT_EQ(m.iCaptionHeight, 24);
}

TEST_F(SystemSettingsTest, NonClientMetricsHonourTheRecordSize) {
  // The older record without iPaddedBorderWidth: the bytes after it stay as they were.
  unsigned char buffer[sizeof(NONCLIENTMETRICSA)];
  std::memset(buffer, 0xAB, sizeof buffer);
  auto* m = reinterpret_cast<NONCLIENTMETRICSA*>(buffer);
  m->cbSize = sizeof(NONCLIENTMETRICSA) - sizeof(int);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, m->cbSize, m, 0));
  EXPECT_EQ(m->iCaptionHeight, 18);
  EXPECT_EQ(buffer[sizeof buffer - 1], 0xAB);
  for (UINT wrong : {0u, 100u, UINT(sizeof(NONCLIENTMETRICSA) + 4), UINT(sizeof(NONCLIENTMETRICSW))}) {
    m->cbSize = wrong;
    EXPECT_FALSE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, wrong, m, 0)) << wrong;
    EXPECT_FALSE(SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, wrong, m, 0)) << wrong;
  }
}

TEST_F(SystemSettingsTest, NonClientMetricsSetInOneFormReadBackInTheOther) {
  CreateLogWindow("top", WS_POPUP, 0, 0, 10, 10, nullptr);
  Take();
  NONCLIENTMETRICSA a{};
  a.cbSize = sizeof a;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof a, &a, 0);
  a.iScrollWidth = 20;
  a.lfMenuFont.lfHeight = -15;
  std::strcpy(a.lfMenuFont.lfFaceName, "Loma");
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof a, &a, SPIF_SENDCHANGE));
  EXPECT_EQ(Take(), (std::vector<std::string>{"top WM_SETTINGCHANGE"}));
  NONCLIENTMETRICSW w{};
  w.cbSize = sizeof w;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof w, &w, 0));
  EXPECT_EQ(w.iScrollWidth, 20);
  EXPECT_EQ(w.lfMenuFont.lfHeight, -15);
  EXPECT_EQ(std::u16string(w.lfMenuFont.lfFaceName), u"Loma");
  EXPECT_EQ(std::u16string(w.lfCaptionFont.lfFaceName), u"Tahoma");
  // A wide set reads back in the 8-bit form; a reset gives the station's values again.
  w.lfStatusFont.lfWeight = FW_BOLD;
  ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof w, &w, 0));
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof a, &a, 0);
  EXPECT_EQ(a.lfStatusFont.lfWeight, FW_BOLD);
  EXPECT_STREQ(a.lfMenuFont.lfFaceName, "Loma");
  ResetSystemParameters();
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof a, &a, 0);
  EXPECT_STREQ(a.lfMenuFont.lfFaceName, "Tahoma");
  EXPECT_EQ(a.iScrollWidth, 16);
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
