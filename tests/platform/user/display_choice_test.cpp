// The display chosen at start-up by PR_DISPLAY among the displays the program links.  This program
// links none: headless is the window layer's built-in display, SDL is refused when asked for by
// name, and a display offered by the test stands for one that opens or fails.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/user/backend.h"
#include "platform/user/display_choice.h"
#include "tests/support/os/scoped_env.h"

namespace {

bool fakeOpens = true;

struct FakeDisplay final : user::Backend {
  const char* Name() const override { return "fake"; }
};

std::unique_ptr<user::Backend> OpenFake(std::string& reason) {
  if (fakeOpens) return std::make_unique<FakeDisplay>();
  reason = "no fake screen";
  return nullptr;
}

TEST(DisplayChoiceTest, PrDisplayChoosesAmongTheLinkedDisplays) {
  user::OfferDisplay("fake", &OpenFake);
  const struct {
    const char* wanted;   // PR_DISPLAY
    const char* display;  // DISPLAY
    bool fakeOpens;
    const char* backend;
    const char* note;
  } cases[] = {
      {"", "", true, "headless", "no display"},
      {"", ":0", true, "headless", "this program was built without the \"sdl\" display"},
      {"headless", ":0", true, "headless", "PR_DISPLAY=headless"},
      {"sdl", ":0", true, "", "this program was built without the \"sdl\" display"},
      {"fake", "", true, "fake", ""},
      {"fake", ":0", false, "", "no fake screen"},
  };
  const ScopedEnv noWayland("WAYLAND_DISPLAY", "");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("PR_DISPLAY=") + c.wanted + " DISPLAY=" + c.display);
    const ScopedEnv wanted("PR_DISPLAY", c.wanted);
    const ScopedEnv display("DISPLAY", c.display);
    fakeOpens = c.fakeOpens;
    auto own = std::make_unique<FakeDisplay>();
    const user::Backend* before = own.get();
    std::unique_ptr<user::Backend> previous = user::SetBackend(std::move(own));

    const user::DisplayChoice choice = user::InstallDisplayBackend();
    EXPECT_EQ(choice.backend, c.backend);
    EXPECT_EQ(choice.note, c.note);
    if (*c.backend == '\0') {
      EXPECT_EQ(&user::CurrentBackend(), before) << "a refused display replaces nothing";
    } else {
      EXPECT_STREQ(user::CurrentBackend().Name(), c.backend);
      EXPECT_NE(&user::CurrentBackend(), before);
    }
    user::SetBackend(std::move(previous));
  }
}

}  // namespace
