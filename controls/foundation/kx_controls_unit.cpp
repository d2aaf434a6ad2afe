#include "controls/foundation/kx_controls_unit.h"

#include <cstdint>

#include "controls/foundation/kx_message_window.h"
#include "controls/foundation/kx_mouse_tracking.h"
#include "controls/foundation/kx_settings_controller.h"
#include "controls/foundation/kx_timer.h"
#include "platform/shims/library_registry.h"
#include "platform/shims/user_library.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/module_instance.h"
#include "platform/user/system_parameters.h"

#include "KX_COLORPICKERCURSOR.res.inc"
#include "KX_DOWNSCROLLCURSOR.res.inc"
#include "KX_DRAGCOPYCURSOR.res.inc"
#include "KX_DRAGCURSOR.res.inc"
#include "KX_FULLSCROLLCURSOR.res.inc"
#include "KX_HORSCROLLCURSOR.res.inc"
#include "KX_HORZSIZECURSOR.res.inc"
#include "KX_LEFTSCROLLCURSOR.res.inc"
#include "KX_MULTIDRAGCURSOR.res.inc"
#include "KX_NODROPCURSOR.res.inc"
#include "KX_REMOVECURSOR.res.inc"
#include "KX_RIGHTSCROLLCURSOR.res.inc"
#include "KX_UPSCROLLCURSOR.res.inc"
#include "KX_VERSCROLLCURSOR.res.inc"
#include "KX_VERTSIZECURSOR.res.inc"

namespace {

struct LibraryCursor {
  TCursor id;
  const char* resource;   // null: the system's hand
};

// In the order they are registered.
constexpr LibraryCursor kLibraryCursors[] = {
    {crKxDragCopy, "KX_DRAGCOPYCURSOR"},       {crKxFullScroll, "KX_FULLSCROLLCURSOR"},
    {crKxHorScroll, "KX_HORSCROLLCURSOR"},     {crKxVerScroll, "KX_VERSCROLLCURSOR"},
    {crKxUpScroll, "KX_UPSCROLLCURSOR"},       {crKxRightScroll, "KX_RIGHTSCROLLCURSOR"},
    {crKxDownScroll, "KX_DOWNSCROLLCURSOR"},   {crKxLeftScroll, "KX_LEFTSCROLLCURSOR"},
    {crKxRemove, "KX_REMOVECURSOR"},           {crKxVertSize, "KX_VERTSIZECURSOR"},
    {crKxHorzSize, "KX_HORZSIZECURSOR"},       {crKxMultiDrag, "KX_MULTIDRAGCURSOR"},
    {crKxNoDrop, "KX_NODROPCURSOR"},           {crKxDrag, "KX_DRAGCURSOR"},
    {crKxHandPoint, nullptr},                  {crKxColorPicker, "KX_COLORPICKERCURSOR"}};

struct UnitState {
  bool finalized = false;
  bool win9xFamily = false;
  bool winNT4OrLater = false;
  HMODULE userModule = nullptr;
};

UnitState& State() {
  static UnitState state;
  return state;
}

template <class Proc>
Proc BoundUserFunction(const char* name) {
  const HMODULE module = State().userModule;
  return module != nullptr ? reinterpret_cast<Proc>(GetProcAddress(module, name)) : nullptr;
}

void RegisterLibraryCursors() {
  for (const LibraryCursor& cursor : kLibraryCursors)
    Screen->SetCursors(cursor.id, cursor.resource != nullptr ? LoadCursorA(HInstance, cursor.resource)
                                                             : LoadCursorA(nullptr, IDC_HAND));
}

void InitializeControls() {
  UnitState& state = State();
  state.finalized = false;
  const OSVERSIONINFO version = GetVersionEx();
  state.win9xFamily = IsWin9xFamilyVersion(version);
  state.winNT4OrLater = IsWinNT4OrLaterVersion(version);
  RegisterLibraryCursors();
  // Still loaded when the last shut-down stopped at a tracker left running.
  if (state.userModule == nullptr) state.userModule = LoadLibraryA("USER32");
}

void FinalizeControls() {
  UnitState& state = State();
  state.finalized = true;
  FreeMouseTrackingList();
  if (reinterpret_cast<std::uintptr_t>(state.userModule) > 32) FreeLibrary(state.userModule);
  state.userModule = nullptr;
  FreeSettingsController();
  FreeTimerWindow();
  FreeRunningTimerList();
  FreeLibraryMessageWindow();
}

}  // namespace

bool IsWin9xFamilyVersion(const OSVERSIONINFO& Version) {
  return Version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS || Version.dwPlatformId == VER_PLATFORM_WIN32s;
}

bool IsWinNT4OrLaterVersion(const OSVERSIONINFO& Version) {
  return Version.dwPlatformId == VER_PLATFORM_WIN32_NT && Version.dwMajorVersion > 3;
}

bool IsWin9xFamily() { return State().win9xFamily; }

bool IsWinNT4OrLater() { return State().winNT4OrLater; }

bool IsControlsUnitFinalized() { return State().finalized; }

TRect GetWorkAreaAtPoint(TPoint P) {
  const auto monitorFromPoint = BoundUserFunction<MonitorFromPointProc>("MonitorFromPoint");
  return GetMonitorWorkAreaSafe(monitorFromPoint != nullptr ? monitorFromPoint(P, MONITOR_DEFAULTTONEAREST) : nullptr);
}

TRect GetMonitorWorkAreaSafe(HMONITOR Monitor) {
  const auto getMonitorInfo = BoundUserFunction<GetMonitorInfoAProc>("GetMonitorInfoA");
  MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
  if (Monitor != nullptr && getMonitorInfo != nullptr && getMonitorInfo(Monitor, &info)) return info.rcWork;
  TRect area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

const Unit kxControlsUnit = {"kxControls", InitializeControls, FinalizeControls};
