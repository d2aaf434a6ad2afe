// The visual-style binding's state: the library handle, the XP flag and one address per name.
// Invariant: every address is null unless the library is loaded; a library is loaded only on XP
// or later.
#include "controls/foundation/kd_ux_theme.h"

#include <algorithm>
#include <string>

#include "platform/core/cp874.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/shims/init_common_controls.h"

namespace kdUxTheme {

namespace {

HMODULE library = nullptr;
bool windowsXPOrLater = false;
std::array<FARPROC, kBoundFunctionNames.size()> functions{};

constexpr std::size_t IndexOf(std::string_view name) {
  std::size_t i = 0;
  while (i < kBoundFunctionNames.size() && kBoundFunctionNames[i] != name) ++i;
  return i;
}

// The bound function of the name at Index, typed; null while not bound.
template <class Proc, std::size_t Index>
Proc Bound() {
  static_assert(Index < kBoundFunctionNames.size(), "not a bound name");
  return reinterpret_cast<Proc>(functions[Index]);
}

constexpr HRESULT kNotBound = E_NOTIMPL;

}  // namespace

bool DetectWindowsXPOrLater(const OSVERSIONINFO& Version) {
  return Version.dwMajorVersion > 5 || (Version.dwMajorVersion == 5 && Version.dwMinorVersion >= 1);
}

void InitVisualStyleBinding(const OSVERSIONINFO& Version) {
  windowsXPOrLater = DetectWindowsXPOrLater(Version);
  InitCommonControls();
  if (!windowsXPOrLater) return;
  library = LoadLibraryA("UxTheme.dll");
  if (library != nullptr) BindVisualStyleFunctions();
}

void BindVisualStyleFunctions() {
  for (std::size_t i = 0; i < kBoundFunctionNames.size(); ++i)
    functions[i] = GetProcAddress(library, std::string(kBoundFunctionNames[i]).c_str());
}

void DoneVisualStyleBinding() {
  if (library != nullptr) FreeLibrary(library);
  library = nullptr;
  functions.fill(nullptr);
}

bool IsVisualStyleLibraryBound() { return library != nullptr; }
bool IsWindowsXPOrLater() { return windowsXPOrLater; }
FARPROC BoundFunction(std::size_t Index) { return functions.at(Index); }

HTHEME OpenThemeData(HWND Window, const WideChar* ClassList) {
  const auto f = Bound<OpenThemeDataProc, IndexOf("OpenThemeData")>();
  return f ? f(Window, ClassList) : nullptr;
}

HRESULT CloseThemeData(HTHEME Theme) {
  const auto f = Bound<CloseThemeDataProc, IndexOf("CloseThemeData")>();
  return f ? f(Theme) : kNotBound;
}

HRESULT DrawThemeBackground(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT& Rect, const RECT* ClipRect) {
  const auto f = Bound<DrawThemeBackgroundProc, IndexOf("DrawThemeBackground")>();
  return f ? f(Theme, DC, PartId, StateId, &Rect, ClipRect) : kNotBound;
}

HRESULT DrawThemeText(HTHEME Theme, HDC DC, int PartId, int StateId, const WideChar* Text, int CharCount,
                      DWORD TextFlags, DWORD TextFlags2, const RECT& Rect) {
  const auto f = Bound<DrawThemeTextProc, IndexOf("DrawThemeText")>();
  return f ? f(Theme, DC, PartId, StateId, Text, CharCount, TextFlags, TextFlags2, &Rect) : kNotBound;
}

HRESULT DrawThemeTextAnsi(HTHEME Theme, HDC DC, int PartId, int StateId, const std::string& Text, int CharCount,
                          DWORD TextFlags, DWORD TextFlags2, const RECT& Rect) {
  const std::u16string wide = Cp874ToUtf16(Text);
  return DrawThemeText(Theme, DC, PartId, StateId, wide.c_str(), CharCount, TextFlags, TextFlags2, Rect);
}

HRESULT GetThemeBackgroundContentRect(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT& BoundingRect,
                                      RECT& ContentRect) {
  const auto f = Bound<GetThemeBackgroundContentRectProc, IndexOf("GetThemeBackgroundContentRect")>();
  return f ? f(Theme, DC, PartId, StateId, &BoundingRect, &ContentRect) : kNotBound;
}

HRESULT GetThemePartSize(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT* Rect, THEMESIZE SizeKind,
                         SIZE& Size) {
  const auto f = Bound<GetThemePartSizeProc, IndexOf("GetThemePartSize")>();
  return f ? f(Theme, DC, PartId, StateId, Rect, SizeKind, &Size) : kNotBound;
}

HRESULT GetThemePartSizeNoRect(HTHEME Theme, HDC DC, int PartId, int StateId, THEMESIZE SizeKind, SIZE& Size) {
  return GetThemePartSize(Theme, DC, PartId, StateId, nullptr, SizeKind, Size);
}

HRESULT GetThemeBackgroundRegion(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT& Rect, HRGN& Region) {
  const auto f = Bound<GetThemeBackgroundRegionProc, IndexOf("GetThemeBackgroundRegion")>();
  return f ? f(Theme, DC, PartId, StateId, &Rect, &Region) : kNotBound;
}

HRESULT DrawThemeEdge(HTHEME Theme, HDC DC, int PartId, int StateId, const RECT& DestRect, UINT Edge, UINT Flags,
                      RECT* ContentRect) {
  const auto f = Bound<DrawThemeEdgeProc, IndexOf("DrawThemeEdge")>();
  return f ? f(Theme, DC, PartId, StateId, &DestRect, Edge, Flags, ContentRect) : kNotBound;
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME Theme, int PartId, int StateId) {
  const auto f = Bound<IsThemeBackgroundPartiallyTransparentProc, IndexOf("IsThemeBackgroundPartiallyTransparent")>();
  return f ? f(Theme, PartId, StateId) : FALSE;
}

HRESULT GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, COLORREF& Color) {
  const auto f = Bound<GetThemeColorProc, IndexOf("GetThemeColor")>();
  return f ? f(Theme, PartId, StateId, PropId, &Color) : kNotBound;
}

HRESULT GetCurrentThemeName(WideChar* ThemeFileName, int MaxNameChars, WideChar* ColorName, int MaxColorChars,
                            WideChar* SizeName, int MaxSizeChars) {
  const auto f = Bound<GetCurrentThemeNameProc, IndexOf("GetCurrentThemeName")>();
  return f ? f(ThemeFileName, MaxNameChars, ColorName, MaxColorChars, SizeName, MaxSizeChars) : kNotBound;
}

HRESULT DrawThemeParentBackground(HWND Window, HDC DC, const RECT* Rect) {
  const auto f = Bound<DrawThemeParentBackgroundProc, IndexOf("DrawThemeParentBackground")>();
  if (!f) return kNotBound;
  const HGDIOBJ font = GetCurrentObject(DC, OBJ_FONT);
  const HRESULT result = f(Window, DC, Rect);
  SelectObject(DC, font);
  return result;
}

HPAINTBUFFER BeginBufferedPaint(HDC Target, const RECT& TargetRect, BP_BUFFERFORMAT Format, BP_PAINTPARAMS* Params,
                                HDC& PaintDC) {
  const auto f = Bound<BeginBufferedPaintProc, IndexOf("BeginBufferedPaint")>();
  return f ? f(Target, &TargetRect, Format, Params, &PaintDC) : nullptr;
}

HRESULT EndBufferedPaint(HPAINTBUFFER Buffer, BOOL UpdateTarget) {
  const auto f = Bound<EndBufferedPaintProc, IndexOf("EndBufferedPaint")>();
  return f ? f(Buffer, UpdateTarget) : kNotBound;
}

HRESULT BufferedPaintSetAlpha(HPAINTBUFFER Buffer, const RECT* Rect, BYTE Alpha) {
  const auto f = Bound<BufferedPaintSetAlphaProc, IndexOf("BufferedPaintSetAlpha")>();
  return f ? f(Buffer, Rect, Alpha) : kNotBound;
}

BOOL IsThemeActive() {
  const auto f = Bound<IsThemeActiveProc, IndexOf("IsThemeActive")>();
  return f ? f() : FALSE;
}

const Unit kdUxThemeUnit = {"kdUxTheme", [] { InitVisualStyleBinding(GetVersionEx()); }, DoneVisualStyleBinding};

}  // namespace kdUxTheme
