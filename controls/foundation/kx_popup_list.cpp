#include "controls/foundation/kx_popup_list.h"

#include <algorithm>
#include <memory>

#include "controls/foundation/kx_custom_popup_window.h"
#include "controls/foundation/kx_object_link.h"
#include "platform/user/post_message.h"

namespace {

struct PopupListState {
  std::unique_ptr<std::vector<TkxCustomPopupWindow*>> list;
  bool showing = false;
};

PopupListState& State() {
  static PopupListState state;
  return state;
}

std::vector<TkxCustomPopupWindow*>* List() { return State().list.get(); }

// Popups passed over for the rest of one scan, held by weak links (a freed one is never matched).
class PassedOver {
 public:
  PassedOver() = default;
  PassedOver(const PassedOver&) = delete;
  PassedOver& operator=(const PassedOver&) = delete;
  ~PassedOver() {
    for (TkxObjectLink* link : links_) ReleaseObjectLink(link);
  }
  void Add(TkxCustomPopupWindow* Popup) { links_.push_back(CreateObjectLink(Popup)); }
  bool Contains(const TkxCustomPopupWindow* Popup) const {
    return std::any_of(links_.begin(), links_.end(), [Popup](const TkxObjectLink* l) { return l->Ref == Popup; });
  }

 private:
  std::vector<TkxObjectLink*> links_;
};

std::size_t IndexOf(const std::vector<TkxCustomPopupWindow*>& List, const TkxCustomPopupWindow* Popup) {
  return std::size_t(std::find(List.begin(), List.end(), Popup) - List.begin());
}

}  // namespace

const std::vector<TkxCustomPopupWindow*>* GetVisiblePopupList() { return List(); }

void CreateVisiblePopupList() { State().list = std::make_unique<std::vector<TkxCustomPopupWindow*>>(); }

void FreeVisiblePopupList() { State().list.reset(); }

bool IsVisiblePopupListEmpty() { return List() == nullptr || List()->empty(); }

bool IsVisiblePopupWindow(const TControl* AControl) {
  const auto* list = List();
  return list != nullptr && AControl != nullptr &&
         std::find(list->begin(), list->end(), AControl) != list->end();
}

bool AddVisiblePopup(TkxCustomPopupWindow* APopup) {
  auto* list = List();
  if (list == nullptr) return false;
  if (IndexOf(*list, APopup) == list->size()) list->push_back(APopup);
  return true;
}

void RemoveVisiblePopup(TkxCustomPopupWindow* APopup) {
  if (auto* list = List()) std::erase(*list, APopup);
}

void PostPopupCloseMessage(TkxCustomPopupWindow* APopup) {
  PostMessageA(APopup->Handle(), KXM_CLOSEPOPUP, 0, 0);
}

bool IsPopupShowing() { return State().showing; }

void SetPopupShowing(bool Value) { State().showing = Value; }

void ScanVisiblePopups(TFunctionRef<TkxPopupScanStep(TkxCustomPopupWindow*)> Visit) {
  PassedOver passed;
  std::size_t i = 0;
  while (List() != nullptr && i < List()->size()) {
    TkxCustomPopupWindow* popup = (*List())[i];
    if (passed.Contains(popup)) {
      ++i;
      continue;
    }
    const TkxScopedObjectLink link(popup);
    const TkxPopupScanStep step = Visit(popup);
    if (step == TkxPopupScanStep::Stop) return;
    if (step == TkxPopupScanStep::Next) {
      ++i;
    } else if (link.Alive() && IsVisiblePopupWindow(popup)) {
      passed.Add(popup);
      i = IndexOf(*List(), popup) + 1;
    } else {
      i = 0;
    }
  }
}

void ScanVisiblePopupsBackward(TFunctionRef<TkxPopupScanStep(TkxCustomPopupWindow*)> Visit) {
  std::size_t i = List() != nullptr ? List()->size() : 0;
  while (i > 0 && List() != nullptr) {
    i = std::min(i, List()->size());
    if (i == 0) return;
    --i;
    if (Visit((*List())[i]) == TkxPopupScanStep::Stop) return;
  }
}
