// A theme provider for the grid's binding tests that writes every call it gets as a line of its
// log: "load", "lookup <name>", "free", and "call <function>" when one of its visual-style
// functions runs ("call OpenThemeData <class list>", "call DrawThemeBackground <part> <state>").
// It exports a distinct function for every visual-style name (the bindings need them all) except
// those in `missing`; a provider made unavailable declines to load.
// ScopedThemeProvider installs one for a test and puts the default provider back afterwards.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/shims/theme_provider.h"

namespace themetest {

class TRecordingThemeProvider final : public TThemeProvider {
 public:
  explicit TRecordingThemeProvider(bool available = true) : available_(available) {}
  ~TRecordingThemeProvider() override;

  std::string_view Name() const override { return "recording"; }
  bool Attach() override;
  FARPROC Export(std::string_view name) override;
  void Detach() override;

  std::vector<std::string> log;
  std::set<std::string, std::less<>> missing;
  BOOL themeActive = TRUE;   // what its IsThemeActive answers

 private:
  bool available_;
};

class ScopedThemeProvider {
 public:
  explicit ScopedThemeProvider(TThemeProvider& provider) { SetThemeProvider(&provider); }
  ~ScopedThemeProvider() { SetThemeProvider(nullptr); }
  ScopedThemeProvider(const ScopedThemeProvider&) = delete;
  ScopedThemeProvider& operator=(const ScopedThemeProvider&) = delete;
};

// The names its log shows looked up, in order.
std::vector<std::string> LookedUpNames(const std::vector<std::string>& log);

}  // namespace themetest
