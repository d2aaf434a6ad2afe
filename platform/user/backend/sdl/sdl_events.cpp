#include "platform/user/backend/sdl/sdl_events.h"

#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/gdi/geometry.h"
#include "platform/user/backend/sdl/sdl_keys.h"
#include "platform/user/backend/sdl/sdl_library.h"
#include "platform/user/drop_files.h"
#include "platform/user/focus.h"
#include "platform/user/input_events.h"
#include "platform/user/message_ids.h"
#include "platform/user/post_message.h"
#include "platform/user/program_end_requests.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace user {

namespace {

constexpr int kWheelDelta = 120;

HWND WindowOf(Uint32 windowId) {
  SDL_Window* window = sdl::GetWindowFromID(windowId);
  HWND hwnd = window ? static_cast<HWND>(sdl::GetWindowData(window, kHwndKey)) : nullptr;
  return hwnd && IsWindow(hwnd) ? hwnd : nullptr;
}

// The screen point of a point of an SDL window.
bool ScreenPoint(Uint32 windowId, int x, int y, TPoint& out) {
  HWND hwnd = WindowOf(windowId);
  TRect r;
  if (hwnd == nullptr || !GetWindowRect(hwnd, &r)) return false;
  out = {r.Left + x, r.Top + y};
  return true;
}

bool MoveTo(Uint32 windowId, int x, int y) {
  TPoint p;
  if (!ScreenPoint(windowId, x, y, p)) return false;
  InjectMouseMove(p.X, p.Y);
  return true;
}

bool ButtonOf(Uint8 sdlButton, MouseButton& out) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: out = MouseButton::Left; return true;
    case SDL_BUTTON_MIDDLE: out = MouseButton::Middle; return true;
    case SDL_BUTTON_RIGHT: out = MouseButton::Right; return true;
    case SDL_BUTTON_X1: out = MouseButton::X1; return true;
    case SDL_BUTTON_X2: out = MouseButton::X2; return true;
    default: return false;
  }
}

bool Button(const SDL_MouseButtonEvent& e) {
  MouseButton button;
  if (e.which == SDL_TOUCH_MOUSEID || !ButtonOf(e.button, button) || !MoveTo(e.windowID, e.x, e.y)) return false;
  InjectMouseButton(button, e.state == SDL_PRESSED);
  return true;
}

bool Wheel(const SDL_MouseWheelEvent& e) {
  const int flip = e.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
  if (e.y != 0) InjectMouseWheel(e.y * flip * kWheelDelta);
  if (e.x != 0) InjectMouseWheel(e.x * flip * kWheelDelta, true);
  return e.x != 0 || e.y != 0;
}

// The keys that bring no text input take their character from the layout.
bool CharacterFromLayout(int vk, Uint16 modifiers) {
  if ((modifiers & KMOD_CTRL) && !(modifiers & KMOD_ALT)) return true;
  return vk == VK_RETURN || vk == VK_TAB || vk == VK_BACK || vk == VK_ESCAPE;
}

bool Key(const SDL_KeyboardEvent& e) {
  const VirtualKey key = VirtualKeyOf(e.keysym.scancode, (e.keysym.mod & KMOD_NUM) != 0);
  if (key.vk == 0) return false;
  const bool layout = e.state == SDL_PRESSED && CharacterFromLayout(key.vk, e.keysym.mod);
  InjectKey(key.vk, e.state == SDL_PRESSED, key.extended, layout ? kLayoutChar : char16_t(0));
  return true;
}

bool Text(const SDL_TextInputEvent& e) {
  const std::u16string text = Utf8ToUtf16(e.text);
  if (text.empty()) return false;
  InjectText(text);
  return true;
}

// True when an event still waiting gives the keyboard to another window of this program.
bool FocusMovesToOwnWindow() {
  SDL_Event pending[32];
  const int n = sdl::PeepEvents(pending, 32, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
  for (int i = 0; i < n; ++i)
    if (pending[i].window.event == SDL_WINDOWEVENT_FOCUS_GAINED && WindowOf(pending[i].window.windowID) != nullptr)
      return true;
  return false;
}

bool WindowEvent(const SDL_WindowEvent& e) {
  HWND hwnd = WindowOf(e.windowID);
  if (hwnd == nullptr) return false;
  TRect r;
  GetWindowRect(hwnd, &r);
  constexpr UINT kKeep = SWP_NOZORDER | SWP_NOACTIVATE;
  switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE:
      return PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0) != 0;
    case SDL_WINDOWEVENT_MOVED:
      if (e.data1 == r.Left && e.data2 == r.Top) return false;
      return SetWindowPos(hwnd, nullptr, e.data1, e.data2, 0, 0, kKeep | SWP_NOSIZE) != 0;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (e.data1 == r.Width() && e.data2 == r.Height()) return false;
      return SetWindowPos(hwnd, nullptr, 0, 0, e.data1, e.data2, kKeep | SWP_NOMOVE) != 0;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (GetActiveWindow() == hwnd || !IsWindowEnabled(hwnd)) return false;
      SetActiveWindow(hwnd);
      return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      // Another program took the keyboard: this one stops being active, as when the user switches
      // programs.  The focus moving to one of our own windows is the activation moving inside the
      // program, which the window layer has already done (or the gain that follows does).
      if (GetActiveWindow() != hwnd || FocusMovesToOwnWindow()) return false;
      SetApplicationActive(false);
      return true;
    default:
      return false;
  }
}

// Where a drop from another program lands: the pointer, when it lies over the window SDL names
// (SDL's drop events carry no point), else the middle of that window's client area.
TPoint DropPoint(Uint32 windowId) {
  TPoint pointer{};
  sdl::GetGlobalMouseState(&pointer.X, &pointer.Y);
  HWND hwnd = WindowOf(windowId);
  TRect r{};
  if (hwnd == nullptr || (GetWindowRect(hwnd, &r) && PtInRect(&r, pointer))) return pointer;
  GetClientRect(hwnd, &r);
  TPoint middle{r.Width() / 2, r.Height() / 2};
  ClientToScreen(hwnd, &middle);
  return middle;
}

// The files SDL lists between SDL_DROPBEGIN and SDL_DROPCOMPLETE, dropped together.
std::vector<std::u16string>& PendingFiles() {
  static std::vector<std::u16string> files;
  return files;
}

bool Drop(const SDL_DropEvent& e) {
  std::u16string item = e.file != nullptr ? Utf8ToUtf16(e.file) : std::u16string();
  sdl::free(e.file);
  switch (e.type) {
    case SDL_DROPBEGIN:
      PendingFiles().clear();
      return false;
    case SDL_DROPFILE:
      PendingFiles().push_back(std::move(item));
      return false;
    case SDL_DROPTEXT: return DropText(DropPoint(e.windowID), item);
    case SDL_DROPCOMPLETE: {
      const std::vector<std::u16string> files = std::move(PendingFiles());
      PendingFiles().clear();
      return DropFiles(DropPoint(e.windowID), files);
    }
    default: return false;
  }
}

}  // namespace

bool TranslateSdlEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION:
      return event.motion.which != SDL_TOUCH_MOUSEID && MoveTo(event.motion.windowID, event.motion.x, event.motion.y);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return Button(event.button);
    case SDL_MOUSEWHEEL: return Wheel(event.wheel);
    case SDL_KEYDOWN:
    case SDL_KEYUP: return Key(event.key);
    case SDL_TEXTINPUT: return Text(event.text);
    case SDL_WINDOWEVENT: return WindowEvent(event.window);
    case SDL_QUIT:
      RequestProgramEnd();
      return true;
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPCOMPLETE: return Drop(event.drop);
    default: return false;
  }
}

}  // namespace user
