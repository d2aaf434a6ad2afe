#include "platform/shims/builtin_theme_provider.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/shims/builtin_theme_parts.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

// The classes the style draws, in the order of TBuiltInThemeClass.
constexpr std::string_view kClassNames[] = {"Button", "Header", "ListView", "ScrollBar", "Window"};
constexpr std::u16string_view kThemeFileName = u"Builtin.msstyles", kColorName = u"NormalColor",
                              kSizeName = u"NormalSize";
constexpr HRESULT E_HANDLE = HRESULT(0x80070006);

// Handle n + 1 (scaled so that it never looks like a small number) stands for kClassNames[n].
HTHEME HandleOfClass(std::size_t index) { return reinterpret_cast<HTHEME>((index + 1) << 4); }
bool IsOurHandle(HTHEME theme) {
  const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(theme);
  return value % 16 == 0 && value >= 16 && value / 16 <= std::size(kClassNames);
}

HTHEME OpenThemeData(HWND, const WideChar* classList) {
  if (classList == nullptr) return nullptr;
  const std::string list = Utf16ToCp874(classList);
  std::string_view rest = list;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(';'), rest.size());
    const std::string name = Trim(rest.substr(0, end));
    for (std::size_t i = 0; i < std::size(kClassNames); ++i)
      if (SameText(name, kClassNames[i])) return HandleOfClass(i);
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

BOOL IsThemeActive() { return TRUE; }
BOOL IsAppThemed() { return TRUE; }

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
