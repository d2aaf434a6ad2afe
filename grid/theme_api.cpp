#include "grid/theme_api.h"

#include <algorithm>

#include "grid/theme_function_set.h"

namespace VerUZED {
namespace {

TThemeFunctionSet& Set() {
  static TThemeFunctionSet set(kBoundThemeFunctions);
  return set;
}

consteval std::size_t IndexOf(std::string_view name) {
  return static_cast<std::size_t>(std::find(kBoundThemeFunctions.begin(), kBoundThemeFunctions.end(), name) -
                                  kBoundThemeFunctions.begin());
}

template <typename Proc, std::size_t Index>
Proc Typed() {
  static_assert(Index < kBoundThemeFunctions.size());
  return reinterpret_cast<Proc>(Set().Function(Index));
}

}  // namespace

void LoadThemeApi() { Set().Bind(std::source_location::current()); }

void UnloadThemeApi() {
  Set().FreeLibrary();
  Set().Clear();
}

bool ThemeApiLoaded() { return Set().Loaded(); }
HMODULE ThemeLibrary() { return Set().Library(); }
FARPROC ThemeFunction(std::size_t index) { return Set().Function(index); }

OpenThemeDataProc OpenThemeData() { return Typed<OpenThemeDataProc, IndexOf("OpenThemeData")>(); }
CloseThemeDataProc CloseThemeData() { return Typed<CloseThemeDataProc, IndexOf("CloseThemeData")>(); }
DrawThemeBackgroundProc DrawThemeBackground() {
  return Typed<DrawThemeBackgroundProc, IndexOf("DrawThemeBackground")>();
}
IsThemeActiveProc IsThemeActive() { return Typed<IsThemeActiveProc, IndexOf("IsThemeActive")>(); }
GetCurrentThemeNameProc GetCurrentThemeName() {
  return Typed<GetCurrentThemeNameProc, IndexOf("GetCurrentThemeName")>();
}

const Unit ThemeApiUnit{"VerUZED", LoadThemeApi, UnloadThemeApi};

}  // namespace VerUZED
