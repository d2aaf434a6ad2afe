#include "grid/layered_window_calls.h"

#include <utility>

#include "platform/shims/library_registry.h"
#include "platform/shims/user_library.h"

namespace {

// Calls the function Name of "USER32.DLL" as a Proc with Args: whether it succeeded, true when it
// is not there.
template <class Proc, class... Args>
bool CallUserFunction(const char* Name, Args&&... args) {
  HMODULE module = LoadLibraryA("USER32.DLL");
  if (module == nullptr) return true;
  bool result = true;
  if (FARPROC function = GetProcAddress(module, Name))
    result = reinterpret_cast<Proc>(function)(std::forward<Args>(args)...) != FALSE;
  FreeLibrary(module);
  return result;
}

}  // namespace

bool CallUpdateLayeredWindow(HWND hwnd, HDC screenDc, const TPoint* position, const TSize* size, HDC source,
                             const TPoint* sourcePoint, COLORREF key, const BLENDFUNCTION* blend, DWORD flags) {
  return CallUserFunction<UpdateLayeredWindowProc>("UpdateLayeredWindow", hwnd, screenDc, position, size, source,
                                                   sourcePoint, key, blend, flags);
}

bool CallSetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
  return CallUserFunction<SetLayeredWindowAttributesProc>("SetLayeredWindowAttributes", hwnd, key, alpha, flags);
}
