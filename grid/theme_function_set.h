// One set of visual-style functions bound by name from the visual-style library "UXTHEME.DLL"
// (platform/shims/library_registry.h): a loaded flag, the library's handle and one address per
// name, null while not bound.  The grid library keeps two such sets (theme_api.h and
// apx_theme_api.h); both bind the same way.
#pragma once

#include <source_location>
#include <span>
#include <string_view>
#include <vector>

#include "platform/shims/library_registry.h"

class TThemeFunctionSet {
 public:
  explicit TThemeFunctionSet(std::span<const std::string_view> names)
      : names_(names), functions_(names.size(), nullptr) {}
  TThemeFunctionSet(const TThemeFunctionSet&) = delete;
  TThemeFunctionSet& operator=(const TThemeFunctionSet&) = delete;

  // Nothing when loaded.  Otherwise loads the library; a result below 32 (no library, or a theme
  // provider that declines) leaves the set unloaded and unbound, so the grid draws classically.
  // A library that loads sets the flag and has every name looked up in order; a name it lacks
  // fails an assertion (EAssertionFailed "Assertion failure (<file>, line <n>)" at `where`),
  // which stops the start-up.
  void Bind(std::source_location where);
  // Frees the library when the flag is set; the flag and the addresses stay.
  void FreeLibrary();
  // Clears the flag, the handle and every address.
  void Clear();

  bool Loaded() const { return loaded_; }
  HMODULE Library() const { return library_; }
  // The address bound for the name at `index` of the set's names; null while not bound.
  FARPROC Function(std::size_t index) const { return functions_.at(index); }

 private:
  std::span<const std::string_view> names_;
  bool loaded_ = false;
  HMODULE library_ = nullptr;
  std::vector<FARPROC> functions_;
};
