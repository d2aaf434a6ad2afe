// Theme providers: what stands behind the visual-style library "UXTHEME.DLL".
//
// The system binds the visual-style functions by name (library_registry.h).  The library's
// registry entry is `ThemeLibraryImage()`: it exports exactly the visual-style functions named in
// kThemeFunctionNames, each as the installed theme provider answers it (a provider may lack some;
// those bind null).  The default provider, "none", declines to load, so every binding fails and
// the system draws its classic look (the look defined pixel by pixel in docs/classic-look.md).
// The built-in provider (builtin_theme_provider.h) is installed instead when the setting
// PR_THEME_PROVIDER is "builtin" (docs/platform-shims-libraries.md).  A provider installed later
// serves the loads made after it; a library already loaded keeps the provider it was loaded with
// until its last load is freed.  Interface thread only.
#pragma once

#include <array>
#include <string_view>

#include "platform/gdi/font_types.h"
#include "platform/shims/library_registry.h"
#include "platform/shims/ole_types.h"
#include "platform/shims/theme_types.h"

// The visual-style functions, with the platform's signatures.
using OpenThemeDataProc = HTHEME (*)(HWND window, const WideChar* classList);
using CloseThemeDataProc = HRESULT (*)(HTHEME theme);
using DrawThemeBackgroundProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect,
                                            const RECT* clipRect);
using DrawThemeEdgeProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, const RECT* destRect, UINT edge,
                                      UINT flags, RECT* contentRect);
using DrawThemeIconProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect,
                                      HIMAGELIST images, int imageIndex);
using DrawThemeParentBackgroundProc = HRESULT (*)(HWND window, HDC dc, const RECT* rect);
using DrawThemeTextProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, const WideChar* text,
                                      int charCount, DWORD textFlags, DWORD textFlags2, const RECT* rect);
using DrawThemeTextExProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, const WideChar* text,
                                        int charCount, DWORD textFlags, RECT* rect, const DTTOPTS* options);
using EnableThemeDialogTextureProc = HRESULT (*)(HWND window, DWORD flags);
using EnableThemingProc = HRESULT (*)(BOOL enable);
using GetCurrentThemeNameProc = HRESULT (*)(WideChar* themeFileName, int maxNameChars, WideChar* colorName,
                                            int maxColorChars, WideChar* sizeName, int maxSizeChars);
using GetThemeAppPropertiesProc = DWORD (*)();
using GetThemeBackgroundContentRectProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId,
                                                      const RECT* boundingRect, RECT* contentRect);
using GetThemeBackgroundRegionProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect,
                                                 HRGN* region);
using GetThemeBackgroundExtentProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId,
                                                 const RECT* contentRect, RECT* extentRect);
using GetThemeBoolProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId, BOOL* value);
using GetThemeColorProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId, COLORREF* color);
using GetThemeDocumentationPropertyProc = HRESULT (*)(const WideChar* themeName, const WideChar* propertyName,
                                                      WideChar* value, int maxValueChars);
using GetThemeEnumValueProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId, int* value);
using GetThemeFilenameProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId, WideChar* fileName,
                                         int maxNameChars);
using GetThemeFontProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, int propId, LOGFONTW* font);
using GetThemeIntProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId, int* value);
using GetThemeIntListProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId, INTLIST* list);
using GetThemeMarginsProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, int propId, const RECT* rect,
                                        MARGINS* margins);
using GetThemeMetricProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, int propId, int* value);
using GetThemePartSizeProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect,
                                         THEMESIZE sizeKind, SIZE* size);
using GetThemePositionProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId, POINT* point);
using GetThemePropertyOriginProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId,
                                               PROPERTYORIGIN* origin);
using GetThemeRectProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId, RECT* rect);
using GetThemeStringProc = HRESULT (*)(HTHEME theme, int partId, int stateId, int propId, WideChar* text,
                                       int maxChars);
using GetThemeSysBoolProc = BOOL (*)(HTHEME theme, int boolId);
using GetThemeSysColorProc = COLORREF (*)(HTHEME theme, int colorId);
using GetThemeSysColorBrushProc = HBRUSH (*)(HTHEME theme, int colorId);
using GetThemeSysFontProc = HRESULT (*)(HTHEME theme, int fontId, LOGFONTW* font);
using GetThemeSysIntProc = HRESULT (*)(HTHEME theme, int intId, int* value);
using GetThemeSysSizeProc = int (*)(HTHEME theme, int sizeId);
using GetThemeSysStringProc = HRESULT (*)(HTHEME theme, int stringId, WideChar* text, int maxChars);
using GetThemeTextExtentProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, const WideChar* text,
                                           int charCount, DWORD textFlags, const RECT* boundingRect,
                                           RECT* extentRect);
using GetThemeTextMetricsProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, TEXTMETRICW* metrics);
using GetWindowThemeProc = HTHEME (*)(HWND window);
using HitTestThemeBackgroundProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, DWORD options,
                                               const RECT* rect, HRGN region, POINT test, WORD* hitTestCode);
using IsAppThemedProc = BOOL (*)();
using IsThemeActiveProc = BOOL (*)();
using IsThemePartDefinedProc = BOOL (*)(HTHEME theme, int partId, int stateId);
using IsThemeBackgroundPartiallyTransparentProc = BOOL (*)(HTHEME theme, int partId, int stateId);
using IsThemeDialogTextureEnabledProc = BOOL (*)(HWND window);
using SetThemeAppPropertiesProc = void (*)(DWORD flags);
using SetWindowThemeProc = HRESULT (*)(HWND window, const WideChar* subAppName, const WideChar* subIdList);
using BufferedPaintInitProc = HRESULT (*)();
using BufferedPaintUnInitProc = HRESULT (*)();
using BeginBufferedPaintProc = HPAINTBUFFER (*)(HDC target, const RECT* targetRect, BP_BUFFERFORMAT format,
                                                BP_PAINTPARAMS* params, HDC* paintDC);
using EndBufferedPaintProc = HRESULT (*)(HPAINTBUFFER buffer, BOOL updateTarget);
using BufferedPaintSetAlphaProc = HRESULT (*)(HPAINTBUFFER buffer, const RECT* rect, BYTE alpha);

// Every function the visual-style library exports.
inline constexpr std::array<std::string_view, 53> kThemeFunctionNames = {
    "CloseThemeData", "DrawThemeBackground", "DrawThemeEdge", "DrawThemeIcon", "DrawThemeParentBackground",
    "DrawThemeText", "DrawThemeTextEx", "EnableThemeDialogTexture", "EnableTheming", "GetCurrentThemeName",
    "GetThemeAppProperties", "GetThemeBackgroundContentRect", "GetThemeBackgroundRegion",
    "GetThemeBackgroundExtent", "GetThemeBool", "GetThemeColor", "GetThemeDocumentationProperty",
    "GetThemeEnumValue", "GetThemeFilename", "GetThemeFont", "GetThemeInt", "GetThemeIntList", "GetThemeMargins",
    "GetThemeMetric", "GetThemePartSize", "GetThemePosition", "GetThemePropertyOrigin", "GetThemeRect",
    "GetThemeString", "GetThemeSysBool", "GetThemeSysColor", "GetThemeSysColorBrush", "GetThemeSysFont",
    "GetThemeSysInt", "GetThemeSysSize", "GetThemeSysString", "GetThemeTextExtent", "GetThemeTextMetrics",
    "GetWindowTheme", "HitTestThemeBackground", "IsAppThemed", "IsThemeActive", "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent", "IsThemeDialogTextureEnabled", "OpenThemeData",
    "SetThemeAppProperties", "SetWindowTheme", "BufferedPaintInit", "BufferedPaintUnInit", "BeginBufferedPaint",
    "EndBufferedPaint", "BufferedPaintSetAlpha"};

// A source of the visual-style functions.  Export is asked only for names of kThemeFunctionNames.
class TThemeProvider : public TLibraryImage {
 public:
  // "none" for the default provider, "builtin" for the built-in one.
  virtual std::string_view Name() const = 0;
};

// The provider that serves the next load of the visual-style library.
TThemeProvider& CurrentThemeProvider();
// Installs `provider` (not owned; it must outlive its loads); null reinstalls "none".
void SetThemeProvider(TThemeProvider* provider);
// The provider the setting PR_THEME_PROVIDER names ("builtin"; anything else, or no setting, is
// "none"); installed before the first load unless SetThemeProvider came first.
TThemeProvider& ThemeProviderOfSetting();

// The registry's entry for "UXTHEME.DLL".
TLibraryImage& ThemeLibraryImage();
