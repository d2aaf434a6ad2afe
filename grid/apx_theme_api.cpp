#include "grid/apx_theme_api.h"

#include "grid/theme_function_set.h"

namespace APXPVS {
namespace {

TThemeFunctionSet& Set() {
  static TThemeFunctionSet set(kBoundThemeFunctions);
  return set;
}

}  // namespace

void LoadAPXThemeApi() { Set().Bind(std::source_location::current()); }
void UnloadAPXThemeApi() { Set().FreeLibrary(); }

bool APXThemeApiLoaded() { return Set().Loaded(); }
HMODULE APXThemeLibrary() { return Set().Library(); }
FARPROC APXThemeFunction(std::size_t index) { return Set().Function(index); }

const Unit APXThemeApiUnit{"APXPVS", LoadAPXThemeApi, UnloadAPXThemeApi};

}  // namespace APXPVS
