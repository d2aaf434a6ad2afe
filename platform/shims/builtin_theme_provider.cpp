#include "platform/shims/builtin_theme_provider.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/image_list.h"
#include "platform/gdi/region.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/shims/builtin_theme_parts.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client_metrics.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

// The classes the style draws, in the order of TBuiltInThemeClass.
constexpr std::string_view kClassNames[] = {"Button",    "Header", "ListView", "ScrollBar",
                                            "Window",    "Progress", "ComboBox"};
constexpr std::u16string_view kThemeFileName = u"Builtin.msstyles", kColorName = u"NormalColor",
                              kSizeName = u"NormalSize";
constexpr HRESULT E_HANDLE = HRESULT(0x80070006);
// What a property the style does not define answers (the not-found error as an HRESULT).
constexpr HRESULT E_PROP_ID_UNSUPPORTED = HRESULT(0x80070490);
constexpr int kContentMarginsProp = 3602;
constexpr DWORD kAllAppProperties = 7;   // non-client areas, controls and web content themed

// The process's switches: theming on or off (EnableTheming), the application's properties, the
// theme last opened for each window, the windows whose theming was switched off (SetWindowTheme
// with two empty texts) and those with the dialog texture enabled.
struct TThemeSwitches {
  bool themingOn = true;
  DWORD appProperties = kAllAppProperties;
  std::map<HWND, HTHEME> windowThemes;
  std::set<HWND> unthemedWindows;
  std::set<HWND> texturedWindows;
};
TThemeSwitches& Switches() {
  static TThemeSwitches switches;
  return switches;
}

// Handle n + 1 (scaled so that it never looks like a small number) stands for kClassNames[n].
HTHEME HandleOfClass(std::size_t index) { return reinterpret_cast<HTHEME>((index + 1) << 4); }
bool IsOurHandle(HTHEME theme) {
  const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(theme);
  return value % 16 == 0 && value >= 16 && value / 16 <= std::size(kClassNames);
}

HTHEME OpenThemeData(HWND window, const WideChar* classList) {
  if (classList == nullptr || !Switches().themingOn || Switches().unthemedWindows.contains(window)) return nullptr;
  const std::string list = Utf16ToCp874(classList);
  std::string_view rest = list;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(';'), rest.size());
    const std::string name = Trim(rest.substr(0, end));
    for (std::size_t i = 0; i < std::size(kClassNames); ++i) {
      if (!SameText(name, kClassNames[i])) continue;
      if (window != nullptr) Switches().windowThemes[window] = HandleOfClass(i);
      return HandleOfClass(i);
    }
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return nullptr;
}

HRESULT CloseThemeData(HTHEME theme) { return IsOurHandle(theme) ? S_OK : E_HANDLE; }

TBuiltInThemeClass ClassOf(HTHEME theme) {
  return TBuiltInThemeClass(reinterpret_cast<std::uintptr_t>(theme) / 16 - 1);
}

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect, const RECT* clip) {
  if (!IsOurHandle(theme) || rect == nullptr) return E_HANDLE;
  return DrawBuiltInPart(ClassOf(theme), dc, part, state, *rect, clip);
}

// The text in the part's text colour, on a transparent background, laid out as DrawText does.
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const WideChar* text, int count, DWORD flags, DWORD,
                      const RECT* rect) {
  if (!IsOurHandle(theme) || dc == nullptr || text == nullptr || rect == nullptr) return E_INVALIDARG;
  const COLORREF oldColor = SetTextColor(dc, BuiltInTextColor(ClassOf(theme), part, state));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  TRect r = *rect;
  DrawTextW(dc, text, count, &r, flags);
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColor);
  return S_OK;
}

HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC, int part, int, const RECT* bounds, RECT* content) {
  TRect m;
  if (!IsOurHandle(theme) || bounds == nullptr || content == nullptr) return E_INVALIDARG;
  if (!BuiltInContentMargins(ClassOf(theme), part, m)) return E_FAIL;
  *content = {bounds->Left + m.Left, bounds->Top + m.Top, bounds->Right - m.Right, bounds->Bottom - m.Bottom};
  return S_OK;
}

HRESULT GetThemePartSize(HTHEME theme, HDC, int part, int, const RECT*, THEMESIZE, SIZE* size) {
  if (!IsOurHandle(theme) || size == nullptr) return E_INVALIDARG;
  return BuiltInPartSize(ClassOf(theme), part, *size) ? S_OK : E_FAIL;
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int) {
  return IsOurHandle(theme) && IsBuiltInPartPartiallyTransparent(ClassOf(theme), part) ? TRUE : FALSE;
}

HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color) {
  if (!IsOurHandle(theme) || color == nullptr) return E_INVALIDARG;
  return BuiltInPartColor(ClassOf(theme), part, state, property, *color) ? S_OK : E_FAIL;
}

BOOL IsThemeActive() { return Switches().themingOn ? TRUE : FALSE; }
BOOL IsAppThemed() { return Switches().themingOn ? TRUE : FALSE; }

// The bounding rectangle of a content rectangle: the content grown by the part's margins.
HRESULT GetThemeBackgroundExtent(HTHEME theme, HDC, int part, int, const RECT* content, RECT* extent) {
  TRect m;
  if (!IsOurHandle(theme) || content == nullptr || extent == nullptr) return E_INVALIDARG;
  if (!BuiltInContentMargins(ClassOf(theme), part, m)) return E_FAIL;
  *extent = {content->Left - m.Left, content->Top - m.Top, content->Right + m.Right, content->Bottom + m.Bottom};
  return S_OK;
}

HRESULT GetThemeMargins(HTHEME theme, HDC, int part, int, int property, const RECT*, MARGINS* margins) {
  TRect m;
  if (!IsOurHandle(theme) || margins == nullptr) return E_INVALIDARG;
  if (property != kContentMarginsProp || !BuiltInContentMargins(ClassOf(theme), part, m))
    return E_PROP_ID_UNSUPPORTED;
  *margins = {m.Left, m.Right, m.Top, m.Bottom};
  return S_OK;
}

// The text's extent as DrawText measures it (DT_CALCRECT) from the bounding rectangle's corner.
HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int, int, const WideChar* text, int count, DWORD flags,
                           const RECT* bounds, RECT* extent) {
  if (!IsOurHandle(theme) || dc == nullptr || text == nullptr || extent == nullptr) return E_INVALIDARG;
  TRect r = bounds != nullptr ? *bounds : TRect{0, 0, 0, 0};
  DrawTextW(dc, text, count, &r, flags | DT_CALCRECT);
  *extent = r;
  return S_OK;
}

HRESULT GetThemeTextMetrics(HTHEME theme, HDC dc, int, int, TEXTMETRICW* metrics) {
  if (!IsOurHandle(theme) || dc == nullptr || metrics == nullptr) return E_INVALIDARG;
  return GetTextMetricsW(dc, metrics) ? S_OK : E_FAIL;
}

// Every part fills its whole rectangle but the push button's and the radio's corners; the region
// is the rectangle (a caller clipping to it may draw over those corners).
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC, int part, int, const RECT* rect, HRGN* region) {
  if (!IsOurHandle(theme) || rect == nullptr || region == nullptr) return E_INVALIDARG;
  if (!IsBuiltInPartDefined(ClassOf(theme), part)) return E_FAIL;
  *region = CreateRectRgnIndirect(rect);
  return *region != nullptr ? S_OK : E_FAIL;
}

// HTCLIENT inside the rectangle (and the region, when one is given), else HTNOWHERE.
HRESULT HitTestThemeBackground(HTHEME theme, HDC, int part, int, DWORD, const RECT* rect, HRGN region, POINT test,
                               WORD* code) {
  if (!IsOurHandle(theme) || rect == nullptr || code == nullptr) return E_INVALIDARG;
  if (!IsBuiltInPartDefined(ClassOf(theme), part)) return E_FAIL;
  const bool inside = PtInRect(rect, test) && (region == nullptr || PtInRegion(region, test.X, test.Y));
  *code = WORD(inside ? HTCLIENT : HTNOWHERE);
  return S_OK;
}

// The classic edge; the content rectangle is what DrawEdge leaves inside it.
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int, int, const RECT* rect, UINT edge, UINT flags, RECT* content) {
  if (!IsOurHandle(theme) || dc == nullptr || rect == nullptr) return E_INVALIDARG;
  TRect r = *rect;
  if (!DrawEdge(dc, &r, edge, flags | BF_ADJUST)) return E_FAIL;
  if (content != nullptr) *content = r;
  return S_OK;
}

// The image list's image at the rectangle's corner, transparent where the list's mask says.
HRESULT DrawThemeIcon(HTHEME theme, HDC dc, int, int, const RECT* rect, HIMAGELIST images, int index) {
  if (!IsOurHandle(theme) || dc == nullptr || rect == nullptr || images == nullptr) return E_INVALIDARG;
  return ImageList_Draw(images, index, dc, rect->Left, rect->Top, ILD_TRANSPARENT) ? S_OK : E_FAIL;
}

BOOL IsThemePartDefined(HTHEME theme, int part, int) {
  return IsOurHandle(theme) && IsBuiltInPartDefined(ClassOf(theme), part) ? TRUE : FALSE;
}

// The style defines no other properties: each of these queries answers "not found".
HRESULT GetThemeMetric(HTHEME, HDC, int, int, int, int*) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeString(HTHEME, int, int, int, WideChar*, int) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeBool(HTHEME, int, int, int, BOOL*) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeInt(HTHEME, int, int, int, int*) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeEnumValue(HTHEME, int, int, int, int*) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemePosition(HTHEME, int, int, int, POINT*) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeFont(HTHEME, HDC, int, int, int, LOGFONTW*) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeRect(HTHEME, int, int, int, RECT*) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeIntList(HTHEME, int, int, int, INTLIST*) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeFilename(HTHEME, int, int, int, WideChar*, int) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeSysString(HTHEME, int, WideChar*, int) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeSysInt(HTHEME, int, int*) { return E_PROP_ID_UNSUPPORTED; }
HRESULT GetThemeDocumentationProperty(const WideChar*, const WideChar*, WideChar*, int) {
  return E_PROP_ID_UNSUPPORTED;
}
// Its only system flag, flat menus (1001), is off.
BOOL GetThemeSysBool(HTHEME, int) { return FALSE; }

// The system's own colours, brushes and sizes: the style does not change them.
COLORREF GetThemeSysColor(HTHEME, int colorId) { return GetSysColor(colorId); }
HBRUSH GetThemeSysColorBrush(HTHEME, int colorId) { return GetSysColorBrush(colorId); }
int GetThemeSysSize(HTHEME, int sizeId) { return GetSystemMetrics(sizeId); }

// The non-client fonts: 801 caption, 802 small caption, 803 menu, 804 status, 805 message.
HRESULT GetThemeSysFont(HTHEME, int fontId, LOGFONTW* font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (font == nullptr || !user::GetNonClientMetrics(&metrics)) return E_INVALIDARG;
  switch (fontId) {
    case 801: *font = metrics.lfCaptionFont; return S_OK;
    case 802: *font = metrics.lfSmCaptionFont; return S_OK;
    case 803: *font = metrics.lfMenuFont; return S_OK;
    case 804: *font = metrics.lfStatusFont; return S_OK;
    case 805: *font = metrics.lfMessageFont; return S_OK;
    default: return E_PROP_ID_UNSUPPORTED;
  }
}

// Two empty texts switch the window's theming off (its OpenThemeData answers null); two nulls
// switch it back on; anything else names sub-application styles the style does not have.
HRESULT SetWindowTheme(HWND window, const WideChar* subAppName, const WideChar* subIdList) {
  if (window == nullptr) return E_INVALIDARG;
  const auto empty = [](const WideChar* text) { return text != nullptr && *text == u'\0'; };
  if (empty(subAppName) && empty(subIdList))
    Switches().unthemedWindows.insert(window);
  else if (subAppName == nullptr && subIdList == nullptr)
    Switches().unthemedWindows.erase(window);
  return S_OK;
}

// The theme last opened for the window; null when none was.
HTHEME GetWindowTheme(HWND window) {
  const auto found = Switches().windowThemes.find(window);
  return found != Switches().windowThemes.end() ? found->second : nullptr;
}

// ETDF_ENABLE (2) enables the dialog texture, ETDF_DISABLE (1) disables it.
HRESULT EnableThemeDialogTexture(HWND window, DWORD flags) {
  if (window == nullptr) return E_INVALIDARG;
  if ((flags & 2) != 0)
    Switches().texturedWindows.insert(window);
  else if ((flags & 1) != 0)
    Switches().texturedWindows.erase(window);
  return S_OK;
}
BOOL IsThemeDialogTextureEnabled(HWND window) { return Switches().texturedWindows.contains(window) ? TRUE : FALSE; }

DWORD GetThemeAppProperties() { return Switches().appProperties; }
void SetThemeAppProperties(DWORD flags) { Switches().appProperties = flags; }

// Theming off: the theme is inactive and nothing opens until it is switched on again.
HRESULT EnableTheming(BOOL enable) {
  Switches().themingOn = enable != FALSE;
  return S_OK;
}

// Copies as much of the text as fits with its terminating null.
void CopyName(std::u16string_view name, WideChar* buffer, int maxChars) {
  if (buffer == nullptr || maxChars <= 0) return;
  const std::size_t count = std::min(name.size(), std::size_t(maxChars - 1));
  name.copy(buffer, count);
  buffer[count] = u'\0';
}

HRESULT GetCurrentThemeName(WideChar* themeFileName, int maxNameChars, WideChar* colorName, int maxColorChars,
                            WideChar* sizeName, int maxSizeChars) {
  CopyName(kThemeFileName, themeFileName, maxNameChars);
  CopyName(kColorName, colorName, maxColorChars);
  CopyName(kSizeName, sizeName, maxSizeChars);
  return S_OK;
}

// The parent erases and paints its client area into the child's context, shifted so that what
// it draws at its point p lands where p lies in the child; only `rect` (child coordinates) changes.
HRESULT DrawThemeParentBackground(HWND window, HDC dc, const RECT* rect) {
  const HWND parent = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(window) : nullptr;
  if (parent == nullptr || dc == nullptr) return E_FAIL;
  TPoint offset{0, 0};
  MapWindowPoints(window, parent, &offset, 1);
  const int saved = SaveDC(dc);
  if (rect != nullptr) IntersectClipRect(dc, rect->Left, rect->Top, rect->Right, rect->Bottom);
  OffsetWindowOrgEx(dc, offset.X, offset.Y, nullptr);
  SendMessageA(parent, WM_ERASEBKGND, WPARAM(dc), 0);
  SendMessageA(parent, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
  RestoreDC(dc, saved);
  return S_OK;
}

const TLibraryExport kExports[] = {
    {"OpenThemeData", ExportAddress<OpenThemeDataProc>(&OpenThemeData)},
    {"CloseThemeData", ExportAddress<CloseThemeDataProc>(&CloseThemeData)},
    {"IsThemeActive", ExportAddress<IsThemeActiveProc>(&IsThemeActive)},
    {"IsAppThemed", ExportAddress<IsAppThemedProc>(&IsAppThemed)},
    {"GetCurrentThemeName", ExportAddress<GetCurrentThemeNameProc>(&GetCurrentThemeName)},
    {"DrawThemeParentBackground", ExportAddress<DrawThemeParentBackgroundProc>(&DrawThemeParentBackground)},
    {"DrawThemeBackground", ExportAddress<DrawThemeBackgroundProc>(&DrawThemeBackground)},
    {"DrawThemeText", ExportAddress<DrawThemeTextProc>(&DrawThemeText)},
    {"GetThemeBackgroundContentRect",
     ExportAddress<GetThemeBackgroundContentRectProc>(&GetThemeBackgroundContentRect)},
    {"GetThemePartSize", ExportAddress<GetThemePartSizeProc>(&GetThemePartSize)},
    {"IsThemeBackgroundPartiallyTransparent",
     ExportAddress<IsThemeBackgroundPartiallyTransparentProc>(&IsThemeBackgroundPartiallyTransparent)},
    {"GetThemeColor", ExportAddress<GetThemeColorProc>(&GetThemeColor)},
    {"GetThemeBackgroundExtent", ExportAddress<GetThemeBackgroundExtentProc>(&GetThemeBackgroundExtent)},
    {"GetThemeMargins", ExportAddress<GetThemeMarginsProc>(&GetThemeMargins)},
    {"GetThemeTextExtent", ExportAddress<GetThemeTextExtentProc>(&GetThemeTextExtent)},
    {"GetThemeTextMetrics", ExportAddress<GetThemeTextMetricsProc>(&GetThemeTextMetrics)},
    {"GetThemeBackgroundRegion", ExportAddress<GetThemeBackgroundRegionProc>(&GetThemeBackgroundRegion)},
    {"HitTestThemeBackground", ExportAddress<HitTestThemeBackgroundProc>(&HitTestThemeBackground)},
    {"DrawThemeEdge", ExportAddress<DrawThemeEdgeProc>(&DrawThemeEdge)},
    {"DrawThemeIcon", ExportAddress<DrawThemeIconProc>(&DrawThemeIcon)},
    {"IsThemePartDefined", ExportAddress<IsThemePartDefinedProc>(&IsThemePartDefined)},
    {"GetThemeMetric", ExportAddress<GetThemeMetricProc>(&GetThemeMetric)},
    {"GetThemeString", ExportAddress<GetThemeStringProc>(&GetThemeString)},
    {"GetThemeBool", ExportAddress<GetThemeBoolProc>(&GetThemeBool)},
    {"GetThemeInt", ExportAddress<GetThemeIntProc>(&GetThemeInt)},
    {"GetThemeEnumValue", ExportAddress<GetThemeEnumValueProc>(&GetThemeEnumValue)},
    {"GetThemePosition", ExportAddress<GetThemePositionProc>(&GetThemePosition)},
    {"GetThemeFont", ExportAddress<GetThemeFontProc>(&GetThemeFont)},
    {"GetThemeRect", ExportAddress<GetThemeRectProc>(&GetThemeRect)},
    {"GetThemeIntList", ExportAddress<GetThemeIntListProc>(&GetThemeIntList)},
    {"GetThemeFilename", ExportAddress<GetThemeFilenameProc>(&GetThemeFilename)},
    {"GetThemeSysString", ExportAddress<GetThemeSysStringProc>(&GetThemeSysString)},
    {"GetThemeSysInt", ExportAddress<GetThemeSysIntProc>(&GetThemeSysInt)},
    {"GetThemeDocumentationProperty",
     ExportAddress<GetThemeDocumentationPropertyProc>(&GetThemeDocumentationProperty)},
    {"GetThemeSysBool", ExportAddress<GetThemeSysBoolProc>(&GetThemeSysBool)},
    {"GetThemeSysColor", ExportAddress<GetThemeSysColorProc>(&GetThemeSysColor)},
    {"GetThemeSysColorBrush", ExportAddress<GetThemeSysColorBrushProc>(&GetThemeSysColorBrush)},
    {"GetThemeSysSize", ExportAddress<GetThemeSysSizeProc>(&GetThemeSysSize)},
    {"GetThemeSysFont", ExportAddress<GetThemeSysFontProc>(&GetThemeSysFont)},
    {"SetWindowTheme", ExportAddress<SetWindowThemeProc>(&SetWindowTheme)},
    {"GetWindowTheme", ExportAddress<GetWindowThemeProc>(&GetWindowTheme)},
    {"EnableThemeDialogTexture", ExportAddress<EnableThemeDialogTextureProc>(&EnableThemeDialogTexture)},
    {"IsThemeDialogTextureEnabled", ExportAddress<IsThemeDialogTextureEnabledProc>(&IsThemeDialogTextureEnabled)},
    {"GetThemeAppProperties", ExportAddress<GetThemeAppPropertiesProc>(&GetThemeAppProperties)},
    {"SetThemeAppProperties", ExportAddress<SetThemeAppPropertiesProc>(&SetThemeAppProperties)},
    {"EnableTheming", ExportAddress<EnableThemingProc>(&EnableTheming)},
};

class TBuiltInThemeProvider final : public TThemeProvider {
 public:
  std::string_view Name() const override { return "builtin"; }
  bool Attach() override { return true; }
  FARPROC Export(std::string_view name) override { return FindLibraryExport(kExports, name); }
  void Detach() override {}
};

}  // namespace

TThemeProvider& BuiltInThemeProvider() {
  static TBuiltInThemeProvider provider;
  return provider;
}
