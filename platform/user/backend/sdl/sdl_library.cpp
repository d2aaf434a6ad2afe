#include "platform/user/backend/sdl/sdl_library.h"

#include <dlfcn.h>

namespace sdl {

#define PR_SDL_DEFINE_POINTER(name) decltype(&::SDL_##name) name = nullptr;
PR_SDL_FUNCTIONS(PR_SDL_DEFINE_POINTER)
#undef PR_SDL_DEFINE_POINTER

namespace {

void* loaded = nullptr;

std::string LastLoaderError() {
  const char* text = dlerror();
  return text != nullptr ? text : "unknown reason";
}

void UnbindAll() {
#define PR_SDL_UNBIND(name) name = nullptr;
  PR_SDL_FUNCTIONS(PR_SDL_UNBIND)
#undef PR_SDL_UNBIND
}

}  // namespace

bool Load(std::string& reason, const char* soname) {
  if (loaded != nullptr) return true;
  void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    reason = "the SDL2 library cannot be loaded (" + LastLoaderError() +
             "); scripts/install-deps.sh installs it (Debian: libsdl2-2.0-0)";
    return false;
  }
  // Each function by its exported name; the first one missing fails the whole load.
#define PR_SDL_BIND(name)                                                                \
  name = reinterpret_cast<decltype(name)>(dlsym(library, "SDL_" #name));                 \
  if (name == nullptr) {                                                                 \
    reason = std::string("the SDL2 library ") + soname + " has no SDL_" #name;           \
    UnbindAll();                                                                         \
    dlclose(library);                                                                    \
    return false;                                                                        \
  }
  PR_SDL_FUNCTIONS(PR_SDL_BIND)
#undef PR_SDL_BIND
  loaded = library;
  return true;
}

}  // namespace sdl
