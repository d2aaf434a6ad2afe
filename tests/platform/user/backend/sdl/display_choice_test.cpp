// Linking the SDL and headless display libraries is enough to choose them by PR_DISPLAY; SDL asked
// for by name and not starting is refused with SDL's reason.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/user/backend.h"
#include "platform/user/backend/headless/headless_backend.h"
#include "platform/user/display_choice.h"
#include "tests/support/os/scoped_env.h"

namespace {

TEST(LinkedDisplaysTest, TheLinkedDisplaysAreChosenByName) {
  const struct {
    const char* wanted;       // PR_DISPLAY
    const char* videoDriver;  // SDL_VIDEODRIVER
    const char* backend;
    const char* notePrefix;
  } cases[] = {
      {"sdl", "dummy", "sdl", ""},
      {"sdl", "no_such_driver", "", "SDL video did not start: "},
      {"headless", "dummy", "headless", "PR_DISPLAY=headless"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.wanted) + " on " + c.videoDriver);
    const ScopedEnv wanted("PR_DISPLAY", c.wanted);
    const ScopedEnv driver("SDL_VIDEODRIVER", c.videoDriver);
    std::unique_ptr<user::Backend> previous = user::SetBackend(nullptr);
    const user::DisplayChoice choice = user::InstallDisplayBackend();
    EXPECT_EQ(choice.backend, c.backend);
    EXPECT_EQ(choice.note.rfind(c.notePrefix, 0), 0u) << choice.note;
    EXPECT_STREQ(user::CurrentBackend().Name(), *c.backend != '\0' ? c.backend : "headless");
    if (std::string(c.backend) == "headless") {
      EXPECT_NE(dynamic_cast<user::HeadlessBackend*>(&user::CurrentBackend()), nullptr) << "the linked one";
    }
    user::SetBackend(std::move(previous));
  }
}

}  // namespace
