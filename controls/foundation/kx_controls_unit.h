// The control library's unit kxControls: its start-up and shut-down, and the process-wide state
// they keep for the controls: which platform the system is (read by the drawing code), the
// window layer's library bound by name for the monitor functions, the library's cursors, and the
// flag that tells the shared objects (message window, timers, mouse tracking, settings relay)
// that shut-down has begun, after which none is made again.
//
// Start-up: the platform flags are measured, the cursors 2100 to 2114 (the program's cursor
// resources "KX_DRAGCOPYCURSOR" ... "KX_COLORPICKERCURSOR") and -2099 (the system's hand) are put
// in Screen.Cursors, and "USER32" is loaded.  Shut-down: the flag is set; a mouse tracker still
// running is a caller's error, reported by raising Exception "MouseTrackingTimerList.Count <> 0"
// (the unit list goes on with the other units); otherwise the library is freed and the settings
// relay, the timer window, the running-timer list and the message window go, in that order.
#pragma once

#include "platform/core/units.h"
#include "platform/gdi/geometry.h"
#include "platform/os/os_version.h"
#include "platform/ui/control_types.h"
#include "platform/user/user_types.h"

inline constexpr TCursor crKxDragCopy = 2100, crKxFullScroll = 2101, crKxHorScroll = 2102, crKxVerScroll = 2103,
                         crKxUpScroll = 2104, crKxRightScroll = 2105, crKxDownScroll = 2106, crKxLeftScroll = 2107,
                         crKxRemove = 2108, crKxVertSize = 2109, crKxHorzSize = 2110, crKxMultiDrag = 2111,
                         crKxNoDrop = 2112, crKxDrag = 2113, crKxHandPoint = -2099, crKxColorPicker = 2114;

// Of the Windows 9x family: the platform id says Windows (9x) or Win32s.
bool IsWin9xFamilyVersion(const OSVERSIONINFO& Version);
// A Windows NT platform of major version 4 or later.
bool IsWinNT4OrLaterVersion(const OSVERSIONINFO& Version);
// The two flags as measured at the unit's start-up (both False before it).
bool IsWin9xFamily();
bool IsWinNT4OrLater();

// Set from the start of the unit's shut-down until it starts again.
bool IsControlsUnitFinalized();

// The work area of the monitor nearest the point (MonitorFromPoint, bound by name at the call).
TRect GetWorkAreaAtPoint(TPoint P);
// rcWork of GetMonitorInfoA for a monitor when the function is bound, else SPI_GETWORKAREA.
TRect GetMonitorWorkAreaSafe(HMONITOR Monitor);

extern const Unit kxControlsUnit;
