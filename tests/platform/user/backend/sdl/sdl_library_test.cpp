// SDL2 is loaded when the display first opens: a library that cannot be loaded is refused with a
// reason that names it and says how to install it, and binds nothing.  Run in a fresh process
// (a "threadsafe" death test re-runs the program), since this program has SDL loaded already.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/user/backend/sdl/sdl_library.h"

namespace {

TEST(SdlLibraryTest, AMissingLibraryIsRefusedSayingHowToInstallIt) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        std::string reason;
        const bool loaded = sdl::Load(reason, "libpr-no-such-sdl.so.0");
        std::fprintf(stderr, "%s\n", reason.c_str());
        std::exit(!loaded && sdl::CreateWindow == nullptr && sdl::free == nullptr ? 0 : 1);
      },
      testing::ExitedWithCode(0),
      "the SDL2 library cannot be loaded \\(libpr-no-such-sdl.so.0: .*\\); scripts/install-deps.sh installs it");
}

TEST(SdlLibraryTest, TheInstalledLibraryBindsEveryFunction) {
  std::string reason;
  ASSERT_TRUE(sdl::Load(reason)) << reason;
#define PR_SDL_EXPECT_BOUND(name) EXPECT_NE(sdl::name, nullptr) << #name;
  PR_SDL_FUNCTIONS(PR_SDL_EXPECT_BOUND)
#undef PR_SDL_EXPECT_BOUND
}

}  // namespace
