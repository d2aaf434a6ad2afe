#include "platform/user/backend/sdl/sdl_backend.h"

#include <algorithm>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "platform/core/cp874.h"
#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/pixel_surface.h"
#include "platform/user/backend/sdl/sdl_cursor.h"
#include "platform/user/backend/sdl/sdl_events.h"
#include "platform/user/backend/sdl/sdl_library.h"
#include "platform/user/capture.h"
#include "platform/user/layered_window.h"
#include "platform/user/cursor.h"
#include "platform/user/display_choice.h"
#include "platform/user/focus.h"
#include "platform/user/window.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_surface.h"
#include "platform/user/window_table.h"
#include "platform/user/window_tree.h"

namespace user {

namespace {

constexpr Uint32 kSubsystems = SDL_INIT_VIDEO | SDL_INIT_EVENTS;

// Puts a rectangle of the SDL window's pixels on the display.  The first time under X11 brings up
// the shared-memory image extension, whose records the X libraries keep for the life of the
// process: the leak checker is told so.
void ShowPixels(SDL_Window* window, const SDL_Rect& r) {
#if defined(__SANITIZE_ADDRESS__)
  const __lsan::ScopedDisabler processLifetime;
#endif
  sdl::UpdateWindowSurfaceRects(window, &r, 1);
}

bool Shown(const Window* w) { return w != nullptr && w->IsTopLevel() && (w->style & WS_VISIBLE); }

// A popup without a caption that another window owns: a drop-down list, a menu, a hint.
bool IsDropDown(const Window* w) {
  return (w->style & WS_POPUP) && (w->style & WS_CAPTION) != WS_CAPTION && w->owner != nullptr;
}

// Windows the display must not activate: the window layer alone decides whether they are.
bool ShownWithoutActivation(const Window* w) { return IsDropDown(w) || (w->exStyle & WS_EX_NOACTIVATE); }

Uint32 CreationFlags(const Window* w) {
  Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  if (IsDropDown(w)) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  else if (w->exStyle & WS_EX_TOOLWINDOW) flags |= SDL_WINDOW_UTILITY;
  if (w->exStyle & WS_EX_TOPMOST) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  return flags;
}

// The window's surface as an SDL surface sharing its pixels (the alpha byte is not shown).
SDL_Surface* SourceOf(const Window* w) {
  gdi::PixelSurface& pixels = w->surface->Object()->Surface();
  return sdl::CreateRGBSurfaceWithFormatFrom(pixels.Row(0), pixels.Width(), pixels.Height(), 32, pixels.Stride(),
                                            SDL_PIXELFORMAT_RGB888);
}

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::Open(std::string* reason) {
  std::string missing;
  if (!sdl::Load(missing)) {
    if (reason != nullptr) *reason = missing;
    return nullptr;
  }
  // Termination signals are the window layer's (program_end_requests.h), and closing the last
  // window is the program's business, not a quit request.
  sdl::SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  sdl::SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // A click that brings a window the keyboard is still a click (SDL drops one that comes within
  // 10 ms of the focus change), as a click on an inactive window activates it and acts.
  sdl::SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (sdl::InitSubSystem(kSubsystems) != 0) {
    if (reason != nullptr) *reason = std::string("SDL video did not start: ") + sdl::GetError();
    return nullptr;
  }
  sdl::StartTextInput();
  return std::unique_ptr<SdlBackend>(new SdlBackend);
}

SdlBackend::~SdlBackend() {
  for (auto& [cursor, sdlCursor] : cursors_) sdl::FreeCursor(sdlCursor);
  for (auto& [hwnd, window] : windows_) sdl::DestroyWindow(window);
  sdl::StopTextInput();
  // The display is the program's only user of SDL: quitting the whole library also closes the
  // session-bus connection its X11 input methods opened.
  sdl::Quit();
}

SDL_Window* SdlBackend::SdlWindowOf(HWND hwnd) const {
  auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : it->second;
}

SDL_Window* SdlBackend::Create(HWND hwnd) {
  const Window* w = W(hwnd);
  const std::string title = Utf16ToUtf8(w->text);
  SDL_Window* window = sdl::CreateWindow(title.c_str(), w->rect.Left, w->rect.Top, std::max(1, w->rect.Width()),
                                        std::max(1, w->rect.Height()), CreationFlags(w));
  if (window == nullptr) return nullptr;
  sdl::SetWindowData(window, kHwndKey, hwnd);
  windows_[hwnd] = window;
  return window;
}

// Position, size, title, opacity and stacking follow the window.
void SdlBackend::Sync(HWND hwnd, SDL_Window* window) {
  const Window* w = W(hwnd);
  int x = 0, y = 0, width = 0, height = 0;
  sdl::GetWindowPosition(window, &x, &y);
  sdl::GetWindowSize(window, &width, &height);
  if (x != w->rect.Left || y != w->rect.Top) sdl::SetWindowPosition(window, w->rect.Left, w->rect.Top);
  if (width != w->rect.Width() || height != w->rect.Height())
    sdl::SetWindowSize(window, std::max(1, w->rect.Width()), std::max(1, w->rect.Height()));
  const std::string title = Utf16ToUtf8(w->text);
  if (title != sdl::GetWindowTitle(window)) sdl::SetWindowTitle(window, title.c_str());
  sdl::SetWindowAlwaysOnTop(window, (w->exStyle & WS_EX_TOPMOST) ? SDL_TRUE : SDL_FALSE);
  const bool faded = (w->exStyle & WS_EX_LAYERED) && (w->layeredFlags & LWA_ALPHA);
  sdl::SetWindowOpacity(window, faded ? float(w->layeredAlpha) / 255.0f : 1.0f);
}

void SdlBackend::WindowChanged(HWND hwnd) {
  const Window* w = W(hwnd);
  SDL_Window* window = SdlWindowOf(hwnd);
  if (!Shown(w)) {
    if (window != nullptr) sdl::HideWindow(window);
    if (raised_ == hwnd) raised_ = nullptr;
    return;
  }
  if (window == nullptr && (window = Create(hwnd)) == nullptr) return;
  Sync(hwnd, window);
  if (sdl::GetWindowFlags(window) & SDL_WINDOW_HIDDEN) {
    const bool keepOwnerActive = ShownWithoutActivation(w);
    sdl::SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, keepOwnerActive ? "1" : "0");
    sdl::ShowWindow(window);
    // Without a window manager SDL gives a window it maps the keyboard; the active window keeps it.
    if (keepOwnerActive) ReturnKeyboardToActiveWindow();
  }
  if (GetTopWindow(nullptr) == hwnd && raised_ != hwnd) {
    sdl::RaiseWindow(window);
    raised_ = hwnd;
  }
  if (w->surface) Present(hwnd, Rect(0, 0, w->rect.Width(), w->rect.Height()));
}

void SdlBackend::WindowDestroyed(HWND hwnd) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end()) return;
  sdl::DestroyWindow(it->second);
  windows_.erase(it);
  if (raised_ == hwnd) raised_ = nullptr;
}

void SdlBackend::Present(HWND hwnd, const TRect& area) {
  const Window* w = W(hwnd);
  SDL_Window* window = SdlWindowOf(hwnd);
  if (window == nullptr || w == nullptr || !w->surface || (sdl::GetWindowFlags(window) & SDL_WINDOW_HIDDEN)) return;
  SDL_Surface* target = sdl::GetWindowSurface(window);
  SDL_Surface* source = SourceOf(w);
  if (target != nullptr && source != nullptr) {
    SDL_Rect r{int(area.Left), int(area.Top), int(area.Width()), int(area.Height())};
    sdl::SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    sdl::UpperBlit(source, &r, target, &r);
    ShowPixels(window, r);
  }
  sdl::FreeSurface(source);
}

void SdlBackend::FollowCursor() {
  HCURSOR cursor = GetCursor();
  if (cursor == shownCursor_) return;
  shownCursor_ = cursor;
  if (cursor == nullptr) {
    sdl::ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_Cursor*& sdlCursor = cursors_[cursor];
  if (sdlCursor == nullptr) sdlCursor = CreateSdlCursor(cursor);
  if (sdlCursor != nullptr) sdl::SetCursor(sdlCursor);
  sdl::ShowCursor(SDL_ENABLE);
}

// While a window has the capture the display sends the mouse here even outside the windows.
void SdlBackend::FollowCapture() {
  const bool wanted = GetCapture() != nullptr;
  if (wanted == captured_) return;
  captured_ = wanted;
  sdl::CaptureMouse(wanted ? SDL_TRUE : SDL_FALSE);
}

void SdlBackend::ReturnKeyboardToActiveWindow() {
  SDL_Window* active = SdlWindowOf(GetActiveWindow());
  if (active != nullptr && !(sdl::GetWindowFlags(active) & SDL_WINDOW_HIDDEN)) sdl::SetWindowInputFocus(active);
}

bool SdlBackend::PumpEvents(std::optional<DWORD> timeoutMs) {
  FollowCursor();
  FollowCapture();
  bool any = false;
  SDL_Event e;
  const auto handle = [&](const SDL_Event& event) {
    if (event.type == SDL_WINDOWEVENT) {
      SDL_Window* window = sdl::GetWindowFromID(event.window.windowID);
      HWND hwnd = window ? static_cast<HWND>(sdl::GetWindowData(window, kHwndKey)) : nullptr;
      const Window* w = W(hwnd);
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        if (w != nullptr) Present(hwnd, Rect(0, 0, w->rect.Width(), w->rect.Height()));
        return;
      }
      // The display focusing a drop-down (its mapping, or a click in it) changes no activation.
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && w != nullptr && ShownWithoutActivation(w)) {
        ReturnKeyboardToActiveWindow();
        return;
      }
    }
    any |= TranslateSdlEvent(event);
  };
  if (timeoutMs && *timeoutMs > 0 && sdl::WaitEventTimeout(&e, int(*timeoutMs))) handle(e);
  while (sdl::PollEvent(&e)) handle(e);
  return any;
}

std::optional<std::u16string> SdlBackend::SystemClipboardText() {
  if (!sdl::HasClipboardText()) return std::nullopt;
  char* text = sdl::GetClipboardText();
  std::optional<std::u16string> result;
  if (text != nullptr) result = Utf8ToUtf16(text);
  sdl::free(text);
  return result;
}

void SdlBackend::SetSystemClipboardText(std::u16string_view text) {
  sdl::SetClipboardText(Utf16ToUtf8(text).c_str());
}

}  // namespace user

namespace {

std::unique_ptr<user::Backend> OpenSdlDisplay(std::string& reason) {
  return user::SdlBackend::Open(&reason);
}

}  // namespace

// Linking this library offers the display to the start-up choice (display_choice.h): the library's
// link options name this symbol as undefined, which pulls this file into every program linking it.
extern "C" const bool pr_sdl_display_offered = user::OfferDisplay("sdl", &OpenSdlDisplay);
