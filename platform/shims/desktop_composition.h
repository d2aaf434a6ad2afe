// The desktop composition library "DWMAPI.DLL" as this platform answers it: present, with its
// nine functions, and composition off (platform/os/os_version.h decides that in one place).
//
//   DwmIsCompositionEnabled(BOOL*)   S_OK and the platform's answer (FALSE); E_INVALIDARG for null
//   DwmDefWindowProc                 FALSE: composition handles no message
//   DwmEnableMMCSS                   S_OK: the scheduling hint changes nothing here
//   DwmEnableBlurBehindWindow, DwmEnableComposition, DwmExtendFrameIntoClientArea,
//   DwmGetColorizationColor, DwmGetWindowAttribute, DwmSetWindowAttribute
//                                    DWM_E_COMPOSITIONDISABLED
#pragma once

#include <array>
#include <string_view>

#include "platform/gdi/geometry.h"
#include "platform/shims/library_registry.h"
#include "platform/shims/ole_types.h"
#include "platform/shims/theme_types.h"

inline constexpr HRESULT DWM_E_COMPOSITIONDISABLED = HRESULT(0x80263001);

struct DWM_BLURBEHIND {
  DWORD dwFlags;
  BOOL fEnable;
  HRGN hRgnBlur;
  BOOL fTransitionOnMaximized;
};

using DwmDefWindowProcProc = BOOL (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
using DwmEnableBlurBehindWindowProc = HRESULT (*)(HWND window, const DWM_BLURBEHIND* blurBehind);
using DwmEnableCompositionProc = HRESULT (*)(UINT compositionAction);
using DwmEnableMMCSSProc = HRESULT (*)(BOOL enable);
using DwmExtendFrameIntoClientAreaProc = HRESULT (*)(HWND window, const MARGINS* margins);
using DwmGetColorizationColorProc = HRESULT (*)(DWORD* colorization, BOOL* opaqueBlend);
using DwmGetWindowAttributeProc = HRESULT (*)(HWND window, DWORD attribute, void* value, DWORD size);
using DwmIsCompositionEnabledProc = HRESULT (*)(BOOL* enabled);
using DwmSetWindowAttributeProc = HRESULT (*)(HWND window, DWORD attribute, const void* value, DWORD size);

inline constexpr std::array<std::string_view, 9> kDesktopCompositionFunctionNames = {
    "DwmDefWindowProc", "DwmEnableBlurBehindWindow", "DwmEnableComposition", "DwmEnableMMCSS",
    "DwmExtendFrameIntoClientArea", "DwmGetColorizationColor", "DwmGetWindowAttribute", "DwmIsCompositionEnabled",
    "DwmSetWindowAttribute"};

// The registry's entry for "DWMAPI.DLL".
TLibraryImage& DesktopCompositionLibraryImage();
