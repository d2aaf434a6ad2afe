// The registry of libraries bound by name, through its "UXTHEME.DLL" entry and recording theme
// providers: names ignoring case, counted loads, exports by exact name, and which provider serves.
#include "platform/shims/library_registry.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "recording_theme_provider.h"

namespace themetest {
namespace {

using Lines = std::vector<std::string>;

TEST(LibraryRegistry, UnknownLibrariesAndTheDefaultThemeProviderDoNotLoad) {
  EXPECT_EQ(LoadLibraryA("NOSUCH.DLL"), nullptr);
  EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
  EXPECT_EQ(CurrentThemeProvider().Name(), "none");
  EXPECT_EQ(LoadLibraryA("UXTHEME.DLL"), nullptr);
  EXPECT_EQ(FreeLibrary(nullptr), FALSE);
}

TEST(LibraryRegistry, NamesIgnoreCaseAndLoadsAreCounted) {
  TRecordingThemeProvider provider;
  ScopedThemeProvider scope(provider);
  const HMODULE first = LoadLibraryA("uxtheme.dll");
  ASSERT_NE(first, nullptr);
  EXPECT_GE(reinterpret_cast<std::uintptr_t>(first), 32u) << "below 32 reads as a failed load";
  EXPECT_EQ(LoadLibraryA("UxTheme.Dll"), first);
  EXPECT_EQ(provider.log, Lines{"load"}) << "a second load attaches nothing";

  EXPECT_EQ(FreeLibrary(first), TRUE);
  EXPECT_EQ(provider.log, Lines{"load"}) << "still loaded once";
  EXPECT_EQ(FreeLibrary(first), TRUE);
  EXPECT_EQ(provider.log, (Lines{"load", "free"}));
  EXPECT_EQ(FreeLibrary(first), FALSE) << "no longer loaded";
  EXPECT_EQ(GetProcAddress(first, "IsThemeActive"), nullptr);
}

TEST(LibraryRegistry, ExportsAreFoundByExactNameAmongTheThemeFunctions) {
  TRecordingThemeProvider provider;
  provider.missing = {"DrawThemeEdge"};
  ScopedThemeProvider scope(provider);
  const HMODULE library = LoadLibraryA("UXTHEME.DLL");
  ASSERT_NE(library, nullptr);

  const auto isThemeActive = reinterpret_cast<IsThemeActiveProc>(GetProcAddress(library, "IsThemeActive"));
  ASSERT_NE(isThemeActive, nullptr);
  EXPECT_EQ(isThemeActive(), TRUE);
  EXPECT_EQ(GetProcAddress(library, "isthemeactive"), nullptr) << "export names keep their case";
  EXPECT_EQ(GetProcAddress(library, "DrawThemeEdge"), nullptr) << "the provider lacks it";
  EXPECT_EQ(GetProcAddress(library, "DrawThemeTextEx"), nullptr) << "not a function of this library";
  EXPECT_EQ(GetProcAddress(library, nullptr), nullptr);
  EXPECT_EQ(provider.log, (Lines{"load", "lookup IsThemeActive", "call IsThemeActive", "lookup DrawThemeEdge"}))
      << "names outside the library's table (in its case) never reach the provider";
  FreeLibrary(library);
}

TEST(LibraryRegistry, ALoadedLibraryKeepsItsProviderUntilFreed) {
  TRecordingThemeProvider first;
  TRecordingThemeProvider second;
  ScopedThemeProvider scope(first);
  const HMODULE library = LoadLibraryA("UXTHEME.DLL");
  SetThemeProvider(&second);
  EXPECT_EQ(LoadLibraryA("UXTHEME.DLL"), library);
  GetProcAddress(library, "OpenThemeData");
  FreeLibrary(library);
  FreeLibrary(library);
  EXPECT_EQ(first.log, (Lines{"load", "lookup OpenThemeData", "free"}));
  EXPECT_TRUE(second.log.empty());

  const HMODULE again = LoadLibraryA("UXTHEME.DLL");
  EXPECT_EQ(second.log, Lines{"load"}) << "the next first load goes to the provider installed now";
  FreeLibrary(again);
}

TEST(LibraryRegistry, AProviderThatDeclinesIsAskedNothingElse) {
  TRecordingThemeProvider absent(false);
  ScopedThemeProvider scope(absent);
  EXPECT_EQ(LoadLibraryA("UXTHEME.DLL"), nullptr);
  EXPECT_EQ(LoadLibraryA("UXTHEME.DLL"), nullptr);
  EXPECT_EQ(absent.log, (Lines{"load", "load"}));
}

}  // namespace
}  // namespace themetest
