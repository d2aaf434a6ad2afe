#include "controls/foundation/notifier_list.h"

#include <algorithm>

void TNotifierListBase::AddItem(void* Item) { items_.push_back(Item); }

void TNotifierListBase::RemoveItem(void* Item) {
  items_.erase(std::remove(items_.begin(), items_.end(), Item), items_.end());
  for (Walk* walk : walks_) std::replace(walk->pending.begin(), walk->pending.end(), Item, static_cast<void*>(nullptr));
}

void TNotifierListBase::WalkItems(bool Backwards, TFunctionRef<void(void*)> Visit) {
  Walk walk{items_};
  if (Backwards) std::reverse(walk.pending.begin(), walk.pending.end());
  walks_.push_back(&walk);
  struct Unregister {
    std::vector<Walk*>& walks;
    Walk* walk;
    ~Unregister() { walks.erase(std::find(walks.begin(), walks.end(), walk)); }
  } unregister{walks_, &walk};
  for (std::size_t next = 0; next < walk.pending.size(); ++next)
    if (void* item = walk.pending[next]) Visit(item);
}
