#include "platform/user/display_choice.h"

#include <cstdlib>
#include <map>
#include <string_view>

namespace user {

namespace {

std::map<std::string, DisplayOpener, std::less<>>& Offered() {
  static std::map<std::string, DisplayOpener, std::less<>> displays;
  return displays;
}

std::string_view Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The display of that name, opened; nullptr with `reason` set when it is not linked or does not open.
std::unique_ptr<Backend> Open(std::string_view name, std::string& reason) {
  const auto found = Offered().find(name);
  if (found == Offered().end()) {
    reason = "this program was built without the \"" + std::string(name) + "\" display";
    return nullptr;
  }
  std::unique_ptr<Backend> display = found->second(reason);
  if (display == nullptr && reason.empty()) reason = "the \"" + std::string(name) + "\" display did not open";
  return display;
}

// The linked headless display, or the window layer's built-in one (SetBackend(nullptr)).
DisplayChoice Headless(std::string note) {
  const auto linked = Offered().find("headless");
  std::string unused;
  SetBackend(linked != Offered().end() ? linked->second(unused) : nullptr);
  return {"headless", std::move(note)};
}

}  // namespace

bool OfferDisplay(const char* name, DisplayOpener open) {
  Offered()[name] = open;
  return true;
}

DisplayChoice InstallDisplayBackend() {
  const std::string_view wanted = Env("PR_DISPLAY");
  if (wanted == "headless") return Headless("PR_DISPLAY=headless");
  if (wanted.empty() && Env("DISPLAY").empty() && Env("WAYLAND_DISPLAY").empty()) return Headless("no display");
  std::string reason;
  std::unique_ptr<Backend> display = Open(wanted.empty() ? "sdl" : wanted, reason);
  if (display == nullptr) return wanted.empty() ? Headless(reason) : DisplayChoice{"", reason};
  DisplayChoice choice{display->Name(), ""};
  SetBackend(std::move(display));
  return choice;
}

}  // namespace user
