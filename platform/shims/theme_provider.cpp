// The default theme provider ("none"), the setting that chooses the installed provider, and the
// visual-style library's registry entry, which hands each load to the provider installed at that
// moment.
#include "platform/shims/theme_provider.h"

#include <algorithm>

#include "platform/os/environment.h"
#include "platform/shims/builtin_theme_provider.h"

namespace {

class TNoThemeProvider final : public TThemeProvider {
 public:
  std::string_view Name() const override { return "none"; }
  bool Attach() override { return false; }
  FARPROC Export(std::string_view) override { return nullptr; }
  void Detach() override {}
};

TNoThemeProvider noThemes;
TThemeProvider* installed = nullptr;   // null until the setting or SetThemeProvider chooses

// Invariant: `attached` is the provider the loaded library was loaded with, null while unloaded.
class TThemeLibraryImage final : public TLibraryImage {
 public:
  bool Attach() override {
    TThemeProvider& provider = CurrentThemeProvider();
    if (!provider.Attach()) return false;
    attached_ = &provider;
    return true;
  }
  FARPROC Export(std::string_view name) override {
    const bool known = std::find(kThemeFunctionNames.begin(), kThemeFunctionNames.end(), name) !=
                       kThemeFunctionNames.end();
    return known ? attached_->Export(name) : nullptr;
  }
  void Detach() override {
    attached_->Detach();
    attached_ = nullptr;
  }

 private:
  TThemeProvider* attached_ = nullptr;
};

}  // namespace

TThemeProvider& ThemeProviderOfSetting() {
  const bool builtin = GetEnvironmentVariableValue("PR_THEME_PROVIDER").value_or("") == "builtin";
  return builtin ? BuiltInThemeProvider() : static_cast<TThemeProvider&>(noThemes);
}

TThemeProvider& CurrentThemeProvider() {
  if (installed == nullptr) installed = &ThemeProviderOfSetting();
  return *installed;
}

void SetThemeProvider(TThemeProvider* provider) { installed = provider != nullptr ? provider : &noThemes; }

TLibraryImage& ThemeLibraryImage() {
  static TThemeLibraryImage image;
  return image;
}
