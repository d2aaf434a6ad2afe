// The control library's binding of the visual-style library (unit kdUxTheme): at start-up, on a
// system of version 5.1 or later, "UxTheme.dll" is loaded through the shims' library registry and
// each of its functions is bound by name; a function the library lacks binds null and is never
// called.  The wrappers pass their arguments to the bound function and return its answer; called
// when the function is not bound they answer E_NOTIMPL, null or FALSE without calling anything.
// Callers ask IsVisualStyleLibraryBound (or the theme manager) first.  The grid library keeps a
// binding of its own; this one belongs to the control library, hence the unit's namespace.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/core/units.h"
#include "platform/os/os_version.h"
#include "platform/shims/theme_provider.h"

namespace kdUxTheme {

// The names bound, in binding order.
inline constexpr std::array<std::string_view, 52> kBoundFunctionNames = {
    "CloseThemeData", "DrawThemeBackground", "DrawThemeEdge", "DrawThemeIcon", "DrawThemeParentBackground",
    "DrawThemeText", "DrawThemeTextEx", "EnableThemeDialogTexture", "GetCurrentThemeName", "GetThemeAppProperties",
    "GetThemeBackgroundContentRect", "GetThemeBackgroundRegion", "GetThemeBackgroundExtent", "GetThemeBool",
    "GetThemeColor", "GetThemeDocumentationProperty", "GetThemeEnumValue", "GetThemeFilename", "GetThemeFont",
    "GetThemeInt", "GetThemeIntList", "GetThemeMargins", "GetThemeMetric", "GetThemePartSize", "GetThemePosition",
    "GetThemePropertyOrigin", "GetThemeRect", "GetThemeString", "GetThemeSysBool", "GetThemeSysColor",
    "GetThemeSysColorBrush", "GetThemeSysFont", "GetThemeSysInt", "GetThemeSysSize", "GetThemeSysString",
    "GetThemeTextExtent", "GetThemeTextMetrics", "GetWindowTheme", "HitTestThemeBackground", "IsAppThemed",
    "IsThemeActive", "IsThemePartDefined", "IsThemeBackgroundPartiallyTransparent", "IsThemeDialogTextureEnabled",
    "OpenThemeData", "SetThemeAppProperties", "SetWindowTheme", "BufferedPaintInit", "BufferedPaintUnInit",
    "BeginBufferedPaint", "EndBufferedPaint", "BufferedPaintSetAlpha"};

// Major version above 5, or 5 with a minor version of at least 1.
bool DetectWindowsXPOrLater(const OSVERSIONINFO& Version);
// The unit's start-up for a system of that version: the XP flag, InitCommonControls, and on XP or
// later the library's load and BindVisualStyleFunctions.
void InitVisualStyleBinding(const OSVERSIONINFO& Version);
// Looks up every name of kBoundFunctionNames in order in the loaded library.
void BindVisualStyleFunctions();
// The unit's shut-down: frees the library when loaded and forgets every binding.
void DoneVisualStyleBinding();

bool IsVisualStyleLibraryBound();
bool IsWindowsXPOrLater();
// The function bound for kBoundFunctionNames[Index]; null while not bound.
FARPROC BoundFunction(std::size_t Index);

HTHEME OpenThemeData(HWND Window, const WideChar* ClassList);
HRESULT CloseThemeData(HTHEME Theme);
HRESULT DrawThemeBackground(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT& Rect, const RECT* ClipRect);
HRESULT DrawThemeText(HTHEME Theme, HDC DC, int PartId, int StateId, const WideChar* Text, int CharCount,
                      DWORD TextFlags, DWORD TextFlags2, const RECT& Rect);
// DrawThemeText of an 8-bit text, converted from code page 874 first; the count is passed unchanged.
HRESULT DrawThemeTextAnsi(HTHEME Theme, HDC DC, int PartId, int StateId, const std::string& Text, int CharCount,
                          DWORD TextFlags, DWORD TextFlags2, const RECT& Rect);
HRESULT GetThemeBackgroundContentRect(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT& BoundingRect,
                                      RECT& ContentRect);
HRESULT GetThemePartSize(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT* Rect, THEMESIZE SizeKind,
                         SIZE& Size);
HRESULT GetThemePartSizeNoRect(HTHEME Theme, HDC DC, int PartId, int StateId, THEMESIZE SizeKind, SIZE& Size);
HRESULT GetThemeBackgroundRegion(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT& Rect, HRGN& Region);
HRESULT DrawThemeEdge(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT& DestRect, UINT Edge, UINT Flags,
                      RECT* ContentRect);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME Theme, int PartId, int StateId);
HRESULT GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, COLORREF& Color);
HRESULT GetCurrentThemeName(WideChar* ThemeFileName, int MaxNameChars, WideChar* ColorName, int MaxColorChars,
                            WideChar* SizeName, int MaxSizeChars);
// Puts back the font selected in the DC, which the parent's painting may change.
HRESULT DrawThemeParentBackground(HWND Window, HDC DC, const RECT* Rect);
HPAINTBUFFER BeginBufferedPaint(HDC Target, const RECT& TargetRect, BP_BUFFERFORMAT Format, BP_PAINTPARAMS* Params,
                                HDC& PaintDC);
HRESULT EndBufferedPaint(HPAINTBUFFER Buffer, BOOL UpdateTarget);
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER Buffer, const RECT* Rect, BYTE Alpha);
// The library's answer; FALSE when it is not bound.
BOOL IsThemeActive();

// InitVisualStyleBinding for the platform's version, and DoneVisualStyleBinding.
extern const Unit kdUxThemeUnit;

}  // namespace kdUxTheme
