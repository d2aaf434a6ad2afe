#include "tests/support/shims/fake_theme_provider.h"

#include <algorithm>
#include <cstdint>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"

namespace fakes {

namespace {

TFakeThemeProvider* active = nullptr;

void Log(std::string line) { CallLog().push_back(std::move(line)); }

// Handle n + 1 (shifted) for the n-th configured class.
HTHEME HandleOf(std::size_t index) { return reinterpret_cast<HTHEME>((index + 1) << 8); }
std::size_t ClassIndexOf(HTHEME theme) { return (reinterpret_cast<std::uintptr_t>(theme) >> 8) - 1; }

HTHEME OpenThemeData(HWND, const WideChar* classList) {
  const std::string list = Utf16ToCp874(classList != nullptr ? classList : u"");
  std::string_view rest = list;
  while (true) {
    const std::size_t end = std::min(rest.find(';'), rest.size());
    const std::string name = Trim(rest.substr(0, end));
    for (std::size_t i = 0; i < active->classes.size(); ++i)
      if (SameText(name, active->classes[i])) {
        Log("OpenThemeData " + list);
        ++active->openHandles;
        return HandleOf(i);
      }
    if (end == rest.size()) break;
    rest.remove_prefix(end + 1);
  }
  Log("OpenThemeData " + list + " failed");
  return nullptr;
}

HRESULT CloseThemeData(HTHEME theme) {
  Log("CloseThemeData " + active->classes.at(ClassIndexOf(theme)));
  --active->openHandles;
  return S_OK;
}

BOOL IsThemeActive() {
  Log("IsThemeActive");
  return active->themeActive ? TRUE : FALSE;
}

void CopyName(const std::u16string& name, WideChar* buffer, int maxChars) {
  if (buffer == nullptr || maxChars <= 0) return;
  const std::size_t count = std::min(name.size(), std::size_t(maxChars - 1));
  name.copy(buffer, count);
  buffer[count] = u'\0';
}

HRESULT GetCurrentThemeName(WideChar* fileName, int maxName, WideChar* colorName, int maxColor, WideChar*, int) {
  Log("GetCurrentThemeName");
  if (active->themeNameResult < 0) return active->themeNameResult;
  CopyName(active->themeFileName, fileName, maxName);
  CopyName(active->colorName, colorName, maxColor);
  return active->themeNameResult;
}

// A parent's painting may leave another font selected.
HRESULT DrawThemeParentBackground(HWND, HDC dc, const RECT*) {
  Log("DrawThemeParentBackground");
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  return S_OK;
}

// "<class> <part> <state>" of a drawing or measuring call.
std::string PartText(HTHEME theme, int part, int state) {
  return active->classes.at(ClassIndexOf(theme)) + " " + std::to_string(part) + " " + std::to_string(state);
}

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ", " + std::to_string(r.Right) + ", " +
         std::to_string(r.Bottom) + ")";
}

HRESULT DrawThemeText(HTHEME, HDC, int, int, const WideChar* text, int count, DWORD flags, DWORD, const RECT* rect) {
  Log("DrawThemeText " + Utf16ToUtf8(text) + " " + std::to_string(count) + " flags " + std::to_string(flags) + " " +
      RectText(*rect));
  return S_OK;
}

HRESULT DrawThemeBackground(HTHEME theme, HDC, int part, int state, const RECT* rect, const RECT*) {
  Log("DrawThemeBackground " + PartText(theme, part, state) + " " + RectText(*rect));
  return S_OK;
}

HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC, int part, int state, const RECT* bounds, RECT* content) {
  const std::string key = PartText(theme, part, state);
  Log("GetThemeBackgroundContentRect " + key);
  if (active->failing.count("GetThemeBackgroundContentRect") != 0) return E_FAIL;
  const auto it = active->contentMargins.find(active->classes.at(ClassIndexOf(theme)));
  const RECT m = it != active->contentMargins.end() ? it->second : RECT{3, 3, 3, 3};
  *content = {bounds->Left + m.Left, bounds->Top + m.Top, bounds->Right - m.Right, bounds->Bottom - m.Bottom};
  return S_OK;
}

HRESULT GetThemePartSize(HTHEME theme, HDC, int part, int state, const RECT*, THEMESIZE kind, SIZE* size) {
  const char* kindText = kind == TS_MIN ? " min" : kind == TS_TRUE ? " true" : " draw";
  const std::string key = PartText(theme, part, state) + kindText;
  Log("GetThemePartSize " + key);
  const auto it = active->partSizes.find(key);
  if (it == active->partSizes.end()) return E_FAIL;
  *size = it->second;
  return S_OK;
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state) {
  Log("IsThemeBackgroundPartiallyTransparent " + PartText(theme, part, state));
  return active->transparentClasses.count(active->classes.at(ClassIndexOf(theme))) != 0 ? TRUE : FALSE;
}

HRESULT GetThemeColor(HTHEME theme, int part, int state, int prop, COLORREF* color) {
  Log("GetThemeColor " + PartText(theme, part, state) + " " + std::to_string(prop));
  const auto it = active->colors.find(active->classes.at(ClassIndexOf(theme)) + " " + std::to_string(prop));
  if (it == active->colors.end()) return E_FAIL;
  *color = it->second;
  return S_OK;
}

const TLibraryExport kExports[] = {
    {"OpenThemeData", ExportAddress<OpenThemeDataProc>(&OpenThemeData)},
    {"CloseThemeData", ExportAddress<CloseThemeDataProc>(&CloseThemeData)},
    {"IsThemeActive", ExportAddress<IsThemeActiveProc>(&IsThemeActive)},
    {"GetCurrentThemeName", ExportAddress<GetCurrentThemeNameProc>(&GetCurrentThemeName)},
    {"DrawThemeParentBackground", ExportAddress<DrawThemeParentBackgroundProc>(&DrawThemeParentBackground)},
    {"DrawThemeText", ExportAddress<DrawThemeTextProc>(&DrawThemeText)},
    {"DrawThemeBackground", ExportAddress<DrawThemeBackgroundProc>(&DrawThemeBackground)},
    {"GetThemeBackgroundContentRect",
     ExportAddress<GetThemeBackgroundContentRectProc>(&GetThemeBackgroundContentRect)},
    {"GetThemePartSize", ExportAddress<GetThemePartSizeProc>(&GetThemePartSize)},
    {"IsThemeBackgroundPartiallyTransparent",
     ExportAddress<IsThemeBackgroundPartiallyTransparentProc>(&IsThemeBackgroundPartiallyTransparent)},
    {"GetThemeColor", ExportAddress<GetThemeColorProc>(&GetThemeColor)},
};

}  // namespace

std::vector<std::string>& CallLog() {
  static std::vector<std::string> log;
  return log;
}

std::vector<std::string> LogLines(const std::string& prefix) {
  std::vector<std::string> lines;
  for (const std::string& line : CallLog())
    if (line.starts_with(prefix)) lines.push_back(line);
  return lines;
}

TFakeThemeProvider::TFakeThemeProvider() { active = this; }
TFakeThemeProvider::~TFakeThemeProvider() { active = nullptr; }

bool TFakeThemeProvider::Attach() {
  Log("Load");
  return present;
}

FARPROC TFakeThemeProvider::Export(std::string_view name) {
  Log("Export " + std::string(name));
  if (missing.count(std::string(name)) != 0) return nullptr;
  return FindLibraryExport(kExports, name);
}

void TFakeThemeProvider::Detach() { Log("Free"); }

bool TLoggingLibraryImage::Attach() {
  Log(tag_ + " Load");
  return present && inner_->Attach();
}

FARPROC TLoggingLibraryImage::Export(std::string_view name) {
  Log(tag_ + " Export " + std::string(name));
  return inner_->Export(name);
}

void TLoggingLibraryImage::Detach() {
  Log(tag_ + " Free");
  inner_->Detach();
}

}  // namespace fakes
