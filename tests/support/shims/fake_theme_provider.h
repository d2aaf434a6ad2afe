// Test doubles for the optional-library registry: a theme provider that answers from settings the
// test chooses and logs every call, and a wrapper that logs a library's loads and look-ups (or
// makes it absent).  Both write to one shared CallLog, so a test can check the order of calls
// across libraries and its own handlers.
//
// Fake theme: classes the test lists open (one handle per class, matched ignoring case in a
// ";"-separated list); IsThemeActive answers `themeActive`; GetCurrentThemeName copies
// `themeFileName` and `colorName` and answers `themeNameResult`; it exports only those functions,
// DrawThemeParentBackground (which leaves the stock system font selected), DrawThemeText and the
// painters' calls below, less the names in `missing`.  Log lines: "Load", "Free", "Export <name>",
// "OpenThemeData <list>" (or "OpenThemeData <list> failed"), "CloseThemeData <class>",
// "IsThemeActive", "GetCurrentThemeName", "DrawThemeParentBackground", "DrawThemeText <UTF-8 text>
// <count> flags <flags> (l, t, r, b)", and with P = "<class> <part> <state>": "DrawThemeBackground P (l, t, r, b)",
// "GetThemeBackgroundContentRect P" (the bounds less the class's `contentMargins`, 3 on each side
// by default; E_FAIL when listed in `failing`), "GetThemePartSize P <min|true|draw>" (from
// `partSizes` by that key, else E_FAIL), "IsThemeBackgroundPartiallyTransparent P" (True for the
// `transparentClasses`), "GetThemeColor P <property>" (from `colors` by "<class> <property>", else
// E_FAIL).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/shims/library_registry.h"
#include "platform/shims/theme_provider.h"

namespace fakes {

// The shared log of the fakes (and of whatever a test adds).
std::vector<std::string>& CallLog();
// The log's lines that start with `prefix`.
std::vector<std::string> LogLines(const std::string& prefix);

class TFakeThemeProvider final : public TThemeProvider {
 public:
  TFakeThemeProvider();
  ~TFakeThemeProvider() override;

  std::string_view Name() const override { return "fake"; }
  bool Attach() override;
  FARPROC Export(std::string_view name) override;
  void Detach() override;

  bool present = true;
  bool themeActive = true;
  std::vector<std::string> classes = {"Button", "ComboBox", "Edit", "Header", "ScrollBar", "Spin", "Window"};
  std::u16string themeFileName = u"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
  std::u16string colorName = u"NormalColor";
  HRESULT themeNameResult = S_OK;
  std::set<std::string> missing;
  std::set<std::string> failing;
  std::map<std::string, RECT> contentMargins;
  std::map<std::string, SIZE> partSizes;
  std::set<std::string> transparentClasses;
  std::map<std::string, COLORREF> colors;
  Integer openHandles = 0;   // opened and not yet closed
};

// Installs a provider as the theme provider for the life of the guard, and puts "none" back.
class ScopedThemeProvider {
 public:
  explicit ScopedThemeProvider(TThemeProvider* provider) { SetThemeProvider(provider); }
  ~ScopedThemeProvider() { SetThemeProvider(nullptr); }
};

// Logs "<tag> Load", "<tag> Free" and "<tag> Export <name>" around another image, or declines to
// load when absent.
class TLoggingLibraryImage final : public TLibraryImage {
 public:
  TLoggingLibraryImage(std::string tag, TLibraryImage* inner) : tag_(std::move(tag)), inner_(inner) {}
  bool Attach() override;
  FARPROC Export(std::string_view name) override;
  void Detach() override;

  bool present = true;

 private:
  std::string tag_;
  TLibraryImage* inner_;
};

// Puts an image in place of a registered library's for the life of the guard.
class ScopedLibraryImage {
 public:
  ScopedLibraryImage(std::string fileName, TLibraryImage* image) : fileName_(std::move(fileName)) {
    OverrideLibraryImage(fileName_, image);
  }
  ~ScopedLibraryImage() { OverrideLibraryImage(fileName_, nullptr); }

 private:
  std::string fileName_;
};

}  // namespace fakes
