#include "platform/user/system_parameters.h"

#include <map>
#include <mutex>

#include "platform/gdi/sys_colors.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client_metrics.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

// Values read as UINT (counts, milliseconds, pixels) or BOOL through pvParam.
std::map<UINT, UINT> DefaultValues() {
  return {{SPI_GETBEEP, TRUE},          {SPI_GETBORDER, 1},
          {SPI_GETDRAGFULLWINDOWS, TRUE}, {SPI_GETSHOWSOUNDS, FALSE},
          {SPI_GETSCREENREADER, FALSE}, {SPI_GETFONTSMOOTHING, TRUE},
          {SPI_GETMOUSEHOVERWIDTH, 4},  {SPI_GETMOUSEHOVERHEIGHT, 4},
          {SPI_GETMOUSEHOVERTIME, 400}, {SPI_GETWHEELSCROLLLINES, 3},
          {SPI_GETMENUSHOWDELAY, 400},  {SPI_GETMENUANIMATION, TRUE},
          {SPI_GETCOMBOBOXANIMATION, TRUE}, {SPI_GETLISTBOXSMOOTHSCROLLING, TRUE},
          {SPI_GETGRADIENTCAPTIONS, TRUE}, {SPI_GETKEYBOARDCUES, FALSE},
          {SPI_GETHOTTRACKING, TRUE},   {SPI_GETMENUFADE, TRUE},
          {SPI_GETSELECTIONFADE, TRUE}, {SPI_GETTOOLTIPANIMATION, TRUE},
          {SPI_GETTOOLTIPFADE, TRUE},   {SPI_GETCURSORSHADOW, TRUE},
          {SPI_GETFLATMENU, FALSE},     {SPI_GETUIEFFECTS, TRUE},
          {SPI_GETFOCUSBORDERWIDTH, 1}, {SPI_GETFOCUSBORDERHEIGHT, 1}};
}

struct Parameters {
  std::mutex mutex;
  std::map<UINT, UINT> values = DefaultValues();
};

Parameters& Table() {
  static Parameters parameters;
  return parameters;
}

// The setters that change a plain value: what they set, and whether the value comes in uParam
// (else in pvParam, as a BOOL).
struct Setter {
  UINT set, get;
  bool inUParam;
};
constexpr Setter kSetters[] = {{SPI_SETDRAGFULLWINDOWS, SPI_GETDRAGFULLWINDOWS, true},
                               {SPI_SETWHEELSCROLLLINES, SPI_GETWHEELSCROLLLINES, true},
                               {SPI_SETMENUSHOWDELAY, SPI_GETMENUSHOWDELAY, true},
                               {SPI_SETMENUANIMATION, SPI_GETMENUANIMATION, false},
                               {SPI_SETKEYBOARDCUES, SPI_GETKEYBOARDCUES, false},
                               {SPI_SETMENUFADE, SPI_GETMENUFADE, false},
                               {SPI_SETGRADIENTCAPTIONS, SPI_GETGRADIENTCAPTIONS, false},
                               {SPI_SETFLATMENU, SPI_GETFLATMENU, false}};

// The single monitor's handle.
HMONITOR TheMonitor() { return reinterpret_cast<HMONITOR>(std::uintptr_t(0x10001)); }

TRect Screen() { return Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)); }

bool Set(UINT action, UINT uParam, void* pvParam) {
  if (action == SPI_SETWORKAREA) {
    if (pvParam == nullptr) return false;
    SetWorkArea(*static_cast<const TRect*>(pvParam));
    return true;
  }
  if (action == SPI_SETDOUBLECLICKTIME) return SetDoubleClickTime(uParam) != 0;
  if (action == SPI_SETNONCLIENTMETRICS) return SetNonClientMetrics(static_cast<const NONCLIENTMETRICSA*>(pvParam));
  for (const Setter& s : kSetters)
    if (s.set == action) {
      std::lock_guard lock(Table().mutex);
      Table().values[s.get] = s.inUParam ? uParam : UINT(reinterpret_cast<std::uintptr_t>(pvParam) != 0);
      return true;
    }
  return false;
}

bool Get(UINT action, void* pvParam) {
  if (pvParam == nullptr) return false;
  if (action == SPI_GETWORKAREA) {
    *static_cast<TRect*>(pvParam) = WorkArea();
    return true;
  }
  if (action == SPI_GETNONCLIENTMETRICS) return GetNonClientMetrics(static_cast<NONCLIENTMETRICSA*>(pvParam));
  std::lock_guard lock(Table().mutex);
  auto it = Table().values.find(action);
  if (it == Table().values.end()) return false;
  *static_cast<UINT*>(pvParam) = it->second;
  return true;
}

bool IsSetter(UINT action) {
  if (action == SPI_SETWORKAREA || action == SPI_SETDOUBLECLICKTIME || action == SPI_SETNONCLIENTMETRICS) return true;
  for (const Setter& s : kSetters)
    if (s.set == action) return true;
  return false;
}

}  // namespace

int WheelScrollLines(int Delta) {
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return -Delta * int(lines) / WHEEL_DELTA;
}

void ResetSystemParameters() {
  ResetNonClientMetrics();
  std::lock_guard lock(Table().mutex);
  Table().values = DefaultValues();
}

}  // namespace user

using namespace user;

BOOL SystemParametersInfoA(UINT action, UINT uParam, void* pvParam, UINT winIni) {
  if (!IsSetter(action)) return Get(action, pvParam);
  if (!Set(action, uParam, pvParam)) return FALSE;
  if (winIni & SPIF_SENDCHANGE) SendMessageA(HWND_BROADCAST, WM_SETTINGCHANGE, action, 0);
  return TRUE;
}

// Only the non-client metrics differ in the wide form (their LOGFONTW records).
BOOL SystemParametersInfoW(UINT action, UINT uParam, void* pvParam, UINT winIni) {
  if (action == SPI_GETNONCLIENTMETRICS) return GetNonClientMetrics(static_cast<NONCLIENTMETRICSW*>(pvParam));
  if (action != SPI_SETNONCLIENTMETRICS) return SystemParametersInfoA(action, uParam, pvParam, winIni);
  if (!SetNonClientMetrics(static_cast<const NONCLIENTMETRICSW*>(pvParam))) return FALSE;
  if (winIni & SPIF_SENDCHANGE) SendMessageA(HWND_BROADCAST, WM_SETTINGCHANGE, action, 0);
  return TRUE;
}

BOOL SetSysColors(int count, const int* indexes, const COLORREF* colors) {
  if (count < 0 || (count > 0 && (indexes == nullptr || colors == nullptr))) return FALSE;
  gdi::ChangeSysColors(count, indexes, colors);
  SendMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0);
  RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return TRUE;
}

HMONITOR MonitorFromPoint(TPoint point, DWORD flags) {
  const TRect screen = Screen();
  if (PtInRect(&screen, point) || flags != MONITOR_DEFAULTTONULL) return TheMonitor();
  return nullptr;
}

HMONITOR MonitorFromRect(const TRect* rect, DWORD flags) {
  const TRect screen = Screen();
  TRect common;
  if ((rect != nullptr && IntersectRect(&common, rect, &screen)) || flags != MONITOR_DEFAULTTONULL) return TheMonitor();
  return nullptr;
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags) {
  Window* w = W(hwnd);
  if (w == nullptr || w->parent == nullptr) return flags != MONITOR_DEFAULTTONULL ? TheMonitor() : nullptr;
  const TRect r = ScreenRect(w);
  return MonitorFromRect(&r, flags);
}

BOOL GetMonitorInfoA(HMONITOR monitor, MONITORINFO* info) {
  if (monitor != TheMonitor() || info == nullptr || info->cbSize < sizeof(MONITORINFO)) return FALSE;
  info->rcMonitor = Screen();
  info->rcWork = WorkArea();
  info->dwFlags = MONITORINFOF_PRIMARY;
  return TRUE;
}
