#include "platform/user/backend/sdl/display_choice.h"

#include <cstdlib>
#include <string_view>

#include "platform/user/backend/headless/headless_backend.h"
#include "platform/user/backend/sdl/sdl_backend.h"

namespace user {

namespace {

std::string_view Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

DisplayChoice Headless(std::string note) {
  SetBackend(std::make_unique<HeadlessBackend>());
  return {"headless", std::move(note)};
}

}  // namespace

DisplayChoice InstallDisplayBackend() {
  const std::string_view wanted = Env("PR_DISPLAY");
  if (wanted == "headless") return Headless("PR_DISPLAY=headless");
  if (wanted.empty() && Env("DISPLAY").empty() && Env("WAYLAND_DISPLAY").empty()) return Headless("no display");
  if (!wanted.empty() && wanted != "sdl") return Headless("unknown PR_DISPLAY value \"" + std::string(wanted) + "\"");
  std::string reason;
  std::unique_ptr<SdlBackend> sdl = SdlBackend::Open(&reason);
  if (!sdl) return Headless("SDL video did not start: " + reason);
  SetBackend(std::move(sdl));
  return {"sdl", ""};
}

}  // namespace user
