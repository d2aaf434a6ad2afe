#include "platform/user/backend/headless/headless_backend.h"

#include <memory>
#include <string>

#include "platform/user/display_choice.h"

namespace {

std::unique_ptr<user::Backend> OpenHeadlessDisplay(std::string&) { return std::make_unique<user::HeadlessBackend>(); }

}  // namespace

// Linking this library offers the display to the start-up choice (display_choice.h): the library's
// link options name this symbol as undefined, which pulls this file into every program linking it.
extern "C" const bool pr_headless_display_offered = user::OfferDisplay("headless", &OpenHeadlessDisplay);
