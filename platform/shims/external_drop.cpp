#include "platform/shims/external_drop.h"

#include "platform/shims/drag_drop_registry.h"

namespace ole {

namespace {

constexpr DWORD kExternalEffects = DROPEFFECT_COPY;
constexpr DWORD kExternalKeys = MK_LBUTTON;

}  // namespace

bool DropOnTarget(HWND hwnd, TPoint screen, IDataObject* data) {
  const TInterfacePtr<IDropTarget> target = RegisteredTarget(hwnd);
  if (!target || data == nullptr) return false;
  const POINTL point{screen.X, screen.Y};
  DWORD effect = kExternalEffects;
  if (FAILED(target->DragEnter(data, kExternalKeys, point, &effect)) || (effect & kExternalEffects) == 0) {
    target->DragLeave();
    return false;
  }
  effect = kExternalEffects;
  return SUCCEEDED(target->Drop(data, kExternalKeys, point, &effect)) && (effect & kExternalEffects) != 0;
}

}  // namespace ole
