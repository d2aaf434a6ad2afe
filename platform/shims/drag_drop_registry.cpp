#include "platform/shims/drag_drop_registry.h"

#include <map>
#include <utility>
#include <vector>

#include "platform/shims/external_data_object.h"
#include "platform/shims/external_drop.h"
#include "platform/shims/ole_init.h"
#include "platform/user/drop_files.h"
#include "platform/user/window_tree.h"

namespace {

std::map<HWND, TInterfacePtr<IDropTarget>>& Targets() {
  static std::map<HWND, TInterfacePtr<IDropTarget>> targets;
  return targets;
}

// Takes the registration out of the table before its reference goes, so a target's destructor
// may register and revoke again.
void Revoke(std::map<HWND, TInterfacePtr<IDropTarget>>::iterator registration) {
  const TInterfacePtr<IDropTarget> released = std::move(registration->second);
  Targets().erase(registration);
}

class RegistryHost final : public user::DropTargetHost {
 public:
  bool HasTarget(HWND hwnd) override { return ole::HasRegisteredTarget(hwnd); }
  bool DropText(HWND hwnd, TPoint screen, std::u16string_view text) override {
    return ole::DropOnTarget(hwnd, screen, TExternalDataObject::ForText(std::u16string(text)).get());
  }
  bool DropFiles(HWND hwnd, TPoint screen, const std::vector<std::u16string>& paths) override {
    return ole::DropOnTarget(hwnd, screen, TExternalDataObject::ForFiles(paths).get());
  }
  void WindowFreed(HWND hwnd) override {
    if (auto it = Targets().find(hwnd); it != Targets().end()) Revoke(it);
  }
};

void InstallHost() {
  static RegistryHost host;
  user::SetDropTargetHost(&host);
}

}  // namespace

HRESULT RegisterDragDrop(HWND hwnd, IDropTarget* target) {
  if (target == nullptr) return E_INVALIDARG;
  if (!ole::OleInitializedOnThisThread()) return CO_E_NOTINITIALIZED;
  if (!IsWindow(hwnd)) return DRAGDROP_E_INVALIDHWND;
  if (!Targets().emplace(hwnd, target).second) return DRAGDROP_E_ALREADYREGISTERED;
  InstallHost();
  return S_OK;
}

HRESULT RevokeDragDrop(HWND hwnd) {
  if (!IsWindow(hwnd)) return DRAGDROP_E_INVALIDHWND;
  auto it = Targets().find(hwnd);
  if (it == Targets().end()) return DRAGDROP_E_NOTREGISTERED;
  Revoke(it);
  return S_OK;
}

namespace ole {

TInterfacePtr<IDropTarget> RegisteredTarget(HWND hwnd) {
  auto it = Targets().find(hwnd);
  return it != Targets().end() ? it->second : nullptr;
}

bool HasRegisteredTarget(HWND hwnd) { return Targets().count(hwnd) != 0; }

void RevokeThreadTargets(DWORD threadId) {
  std::vector<HWND> windows;
  for (const auto& [hwnd, target] : Targets())
    if (GetWindowThreadProcessId(hwnd, nullptr) == threadId) windows.push_back(hwnd);
  for (HWND hwnd : windows)
    if (auto it = Targets().find(hwnd); it != Targets().end()) Revoke(it);
}

}  // namespace ole
