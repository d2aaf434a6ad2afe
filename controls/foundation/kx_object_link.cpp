#include "controls/foundation/kx_object_link.h"

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<TkxObjectLinkController> controller;
Integer controllerRefCount = 0;

TkxObjectLinkController* AcquireObjectLinkController() {
  if (controllerRefCount++ == 0) controller = std::make_unique<TkxObjectLinkController>();
  return controller.get();
}

void ReleaseObjectLinkController() {
  if (--controllerRefCount == 0) controller.reset();
}

}  // namespace

TkxObjectLink* TkxObjectLinkController::AddLink(TObject* AObject) {
  auto link = std::make_unique<TkxObjectLink>(AObject);
  links_.push_back(link.get());
  return link.release();
}

void TkxObjectLinkController::RemoveLink(TkxObjectLink* ALink) {
  if (ALink->Ref != nullptr) {
    const auto listed = std::find(links_.begin(), links_.end(), ALink);
    if (listed != links_.end()) links_.erase(listed);
  }
  delete ALink;
}

void TkxObjectLinkController::ClearLinksTo(TObject* AObject) {
  for (auto it = links_.rbegin(); it != links_.rend();) {
    if ((*it)->Ref == AObject) {
      (*it)->Ref = nullptr;
      it = std::make_reverse_iterator(links_.erase(std::next(it).base()));
    } else {
      ++it;
    }
  }
}

TkxObjectLink* CreateObjectLink(TObject* AObject) {
  if (AObject == nullptr) return nullptr;
  return AcquireObjectLinkController()->AddLink(AObject);
}

void ReleaseObjectLink(TkxObjectLink* ALink) {
  if (ALink == nullptr) return;
  controller->RemoveLink(ALink);
  ReleaseObjectLinkController();
}

void ClearObjectLinksTo(TObject* AObject) {
  if (controller) controller->ClearLinksTo(AObject);
}

bool IsObjectLinkControllerAlive() { return controller != nullptr; }
