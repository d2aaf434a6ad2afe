#include "platform/shims/builtin_theme_provider.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"

namespace {

constexpr std::string_view kClassNames[] = {
    "Button", "Clock", "ComboBox", "Edit", "ExplorerBar", "Header", "ListBox", "ListView", "Menu",
    "Page", "Progress", "Rebar", "ScrollBar", "Spin", "StartPanel", "Status", "Tab", "TaskBand",
    "TaskBar", "ToolBar", "ToolTip", "TrackBar", "TrayNotify", "TreeView", "Window"};
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

const TLibraryExport kExports[] = {
    {"OpenThemeData", ExportAddress<OpenThemeDataProc>(&OpenThemeData)},
    {"CloseThemeData", ExportAddress<CloseThemeDataProc>(&CloseThemeData)},
    {"IsThemeActive", ExportAddress<IsThemeActiveProc>(&IsThemeActive)},
    {"IsAppThemed", ExportAddress<IsAppThemedProc>(&IsAppThemed)},
    {"GetCurrentThemeName", ExportAddress<GetCurrentThemeNameProc>(&GetCurrentThemeName)},
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
