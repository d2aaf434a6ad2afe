// SDL2, loaded at run time when the SDL display first opens (dlopen of its shared library), so a
// program that runs headless maps neither SDL nor the X11, Wayland, sound and input libraries SDL
// depends on: linking the display costs such a run nothing.
//
// The display calls SDL through the function pointers below, one per SDL function it uses, named
// as the function without its "SDL_" prefix (sdl::CreateWindow is SDL_CreateWindow), with SDL's
// own declared type.  They are null until Load has succeeded; once loaded the library stays for
// the life of the process.  Interface thread only.
#pragma once

#include <SDL2/SDL.h>

#include <string>

// The shared library's name (its soname, installed by Debian's libsdl2-2.0-0).
inline constexpr const char kSdlLibraryName[] = "libSDL2-2.0.so.0";

#define PR_SDL_FUNCTIONS(X)                                                                                      \
  X(CaptureMouse) X(CreateColorCursor) X(CreateRGBSurfaceWithFormatFrom) X(CreateSystemCursor) X(CreateWindow)   \
  X(DestroyWindow) X(FreeCursor) X(FreeSurface) X(GetClipboardText) X(GetError) X(GetGlobalMouseState)           \
  X(GetWindowData) X(GetWindowFlags) X(GetWindowFromID) X(GetWindowPosition) X(GetWindowSize)                    \
  X(GetWindowSurface) X(GetWindowTitle) X(HasClipboardText) X(HideWindow) X(InitSubSystem) X(PeepEvents)        \
  X(PollEvent) X(Quit) X(RaiseWindow) X(SetClipboardText) X(SetCursor) X(SetHint) X(SetSurfaceBlendMode)        \
  X(SetWindowAlwaysOnTop) X(SetWindowData) X(SetWindowInputFocus) X(SetWindowOpacity) X(SetWindowPosition)      \
  X(SetWindowSize) X(SetWindowTitle) X(ShowCursor) X(ShowWindow) X(StartTextInput) X(StopTextInput)             \
  X(UpdateWindowSurfaceRects) X(UpperBlit) X(WaitEventTimeout) X(free)

namespace sdl {

#define PR_SDL_DECLARE_POINTER(name) extern decltype(&::SDL_##name) name;
PR_SDL_FUNCTIONS(PR_SDL_DECLARE_POINTER)
#undef PR_SDL_DECLARE_POINTER

// Loads the library `soname` and binds every function above; true when all are bound (at once
// when an earlier call succeeded).  False, with `reason` saying what is missing and how to
// install it, when the library cannot be loaded or lacks a function; then nothing is bound.
bool Load(std::string& reason, const char* soname = kSdlLibraryName);

}  // namespace sdl
