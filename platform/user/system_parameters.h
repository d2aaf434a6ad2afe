// System parameters (SystemParametersInfo), system colour changes (SetSysColors) and the one
// monitor (MonitorFromPoint / MonitorFromRect / MonitorFromWindow, GetMonitorInfo).
//
// One fixed table of values, listed in docs/platform-user.md; setters change it for the process
// and, with SPIF_SENDCHANGE, broadcast WM_SETTINGCHANGE (wParam the SPI_ code).  SetSysColors
// changes the drawing layer's colour table and broadcasts WM_SYSCOLORCHANGE.  The monitor is the
// whole screen with the work area of system_metrics.h; every point and window maps to it (the
// "nearest" monitor when outside).  The non-client metrics are non_client_metrics.h's; the wide
// form differs from the 8-bit one only there.
#pragma once

#include "platform/user/non_client_metrics.h"
#include "platform/user/user_types.h"

inline constexpr UINT SPI_GETBEEP = 0x0001, SPI_GETBORDER = 0x0005, SPI_SETDOUBLECLICKTIME = 0x0020,
                      SPI_SETDRAGFULLWINDOWS = 0x0025, SPI_GETDRAGFULLWINDOWS = 0x0026,
                      SPI_SETWORKAREA = 0x002F, SPI_GETWORKAREA = 0x0030, SPI_GETSHOWSOUNDS = 0x0038,
                      SPI_GETSCREENREADER = 0x0046, SPI_GETFONTSMOOTHING = 0x004A,
                      SPI_GETMOUSEHOVERWIDTH = 0x0062, SPI_GETMOUSEHOVERHEIGHT = 0x0064,
                      SPI_GETMOUSEHOVERTIME = 0x0066, SPI_GETWHEELSCROLLLINES = 0x0068,
                      SPI_SETWHEELSCROLLLINES = 0x0069, SPI_GETMENUSHOWDELAY = 0x006A,
                      SPI_SETMENUSHOWDELAY = 0x006B, SPI_GETMENUANIMATION = 0x1002,
                      SPI_SETMENUANIMATION = 0x1003, SPI_GETCOMBOBOXANIMATION = 0x1004,
                      SPI_GETLISTBOXSMOOTHSCROLLING = 0x1006, SPI_GETGRADIENTCAPTIONS = 0x1008,
                      SPI_SETGRADIENTCAPTIONS = 0x1009,
                      SPI_GETKEYBOARDCUES = 0x100A, SPI_GETMENUUNDERLINES = 0x100A,
                      SPI_SETKEYBOARDCUES = 0x100B, SPI_GETHOTTRACKING = 0x100E, SPI_GETMENUFADE = 0x1012,
                      SPI_SETMENUFADE = 0x1013, SPI_GETSELECTIONFADE = 0x1014, SPI_GETTOOLTIPANIMATION = 0x1016,
                      SPI_GETTOOLTIPFADE = 0x1018, SPI_GETCURSORSHADOW = 0x101A, SPI_GETFLATMENU = 0x1022,
                      SPI_SETFLATMENU = 0x1023, SPI_GETUIEFFECTS = 0x103E, SPI_GETFOCUSBORDERWIDTH = 0x200E,
                      SPI_GETFOCUSBORDERHEIGHT = 0x2010;
inline constexpr UINT SPIF_UPDATEINIFILE = 0x0001, SPIF_SENDCHANGE = 0x0002;

inline constexpr DWORD MONITOR_DEFAULTTONULL = 0, MONITOR_DEFAULTTOPRIMARY = 1, MONITOR_DEFAULTTONEAREST = 2;
inline constexpr DWORD MONITORINFOF_PRIMARY = 1;

struct MONITORINFO {
  DWORD cbSize;   // 40
  TRect rcMonitor;
  TRect rcWork;
  DWORD dwFlags;
};

BOOL SystemParametersInfoA(UINT action, UINT uParam, void* pvParam, UINT winIni);
BOOL SystemParametersInfoW(UINT action, UINT uParam, void* pvParam, UINT winIni);
BOOL SetSysColors(int count, const int* indexes, const COLORREF* colors);
HMONITOR MonitorFromPoint(TPoint point, DWORD flags);
HMONITOR MonitorFromRect(const TRect* rect, DWORD flags);
HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags);
BOOL GetMonitorInfoA(HMONITOR monitor, MONITORINFO* info);

namespace user {

// The lines a wheel turn of Delta (WHEEL_DELTA per notch, positive away from the user) scrolls
// by SPI_GETWHEELSCROLLLINES: positive scrolls toward the end of the text or list.
int WheelScrollLines(int Delta);

// Tests: back to the table.
void ResetSystemParameters();

}  // namespace user
