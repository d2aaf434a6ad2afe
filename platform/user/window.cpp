#include "platform/user/window.h"

#include "platform/user/window_surface.h"

namespace user {

Window::Window() = default;
Window::~Window() = default;

}  // namespace user
