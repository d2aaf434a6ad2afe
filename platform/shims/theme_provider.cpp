// The default theme provider ("none") and the visual-style library's registry entry, which hands
// each load to the provider installed at that moment.
#include "platform/shims/theme_provider.h"

#include <algorithm>

namespace {

class TNoThemeProvider final : public TThemeProvider {
 public:
  std::string_view Name() const override { return "none"; }
  bool Attach() override { return false; }
  FARPROC Export(std::string_view) override { return nullptr; }
  void Detach() override {}
};

TNoThemeProvider noThemes;
TThemeProvider* installed = &noThemes;

// Invariant: `attached` is the provider the loaded library was loaded with, null while unloaded.
class TThemeLibraryImage final : public TLibraryImage {
 public:
  bool Attach() override {
    if (!installed->Attach()) return false;
    attached_ = installed;
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

TThemeProvider& CurrentThemeProvider() { return *installed; }

void SetThemeProvider(TThemeProvider* provider) { installed = provider != nullptr ? provider : &noThemes; }

TLibraryImage& ThemeLibraryImage() {
  static TThemeLibraryImage image;
  return image;
}
