#include "grid/theme_function_set.h"

#include <cstdint>
#include <string>

#include "platform/core/assertion.h"

void TThemeFunctionSet::Bind(std::source_location where) {
  if (loaded_) return;
  library_ = LoadLibraryA("UXTHEME.DLL");
  if (reinterpret_cast<std::uintptr_t>(library_) < 32) {
    library_ = nullptr;
    return;
  }
  loaded_ = true;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    functions_[i] = GetProcAddress(library_, std::string(names_[i]).c_str());
    Assert(functions_[i] != nullptr, {}, where);
  }
}

void TThemeFunctionSet::FreeLibrary() {
  if (loaded_) ::FreeLibrary(library_);
}

void TThemeFunctionSet::Clear() {
  loaded_ = false;
  library_ = nullptr;
  std::fill(functions_.begin(), functions_.end(), nullptr);
}
