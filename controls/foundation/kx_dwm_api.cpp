#include "controls/foundation/kx_dwm_api.h"

#include <string>

#include "platform/shims/desktop_composition.h"
#include "platform/shims/library_registry.h"

namespace {

HMODULE library = nullptr;
bool dwmAvailable = false;
std::array<FARPROC, kDwmBoundFunctionNames.size()> functions{};
constexpr std::size_t kIsCompositionEnabled = 7;
static_assert(kDwmBoundFunctionNames[kIsCompositionEnabled] == "DwmIsCompositionEnabled");

}  // namespace

bool InitDwmApi(DWORD MajorVersion) {
  dwmAvailable = false;
  if (MajorVersion <= 5) return false;
  library = LoadLibraryA("dwmapi.dll");
  if (library == nullptr) return false;
  for (std::size_t i = 0; i < kDwmBoundFunctionNames.size(); ++i)
    functions[i] = GetProcAddress(library, std::string(kDwmBoundFunctionNames[i]).c_str());
  dwmAvailable = true;
  return true;
}

void DoneDwmApi() {
  if (library != nullptr) FreeLibrary(library);
  library = nullptr;
  dwmAvailable = false;
  functions.fill(nullptr);
}

bool IsDwmAvailable() { return dwmAvailable; }

bool IsDwmCompositionActive() {
  const auto isEnabled = reinterpret_cast<DwmIsCompositionEnabledProc>(functions[kIsCompositionEnabled]);
  if (!dwmAvailable || isEnabled == nullptr) return false;
  BOOL enabled = FALSE;
  return isEnabled(&enabled) >= 0 && enabled != FALSE;
}

const Unit kxDWMApiUnit = {"kxDWMApi", [] { InitDwmApi(GetVersionEx().dwMajorVersion); }, DoneDwmApi};
