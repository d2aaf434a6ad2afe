// Least-recently-used page buffers with a hash index from (Fileblock, key, page) to buffer.
#include "suite/isam/page_pool.h"

#include <cassert>
#include <new>

#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"

PagePool& IsamPagePool() {
  static PagePool pool;
  return pool;
}

size_t PagePool::KeyHash::operator()(const std::tuple<IsamFileBlock*, Integer, Integer>& k) const {
  const size_t a = std::hash<IsamFileBlock*>()(std::get<0>(k));
  const auto b = static_cast<size_t>(static_cast<std::uint32_t>(std::get<1>(k)));
  const auto c = static_cast<size_t>(static_cast<std::uint32_t>(std::get<2>(k)));
  return a ^ (c * 0x9E3779B97F4A7C15ull) ^ (b << 48);
}

Integer PagePool::Allocate(Integer count) {
  Release();
  for (Integer i = 0; i < count; ++i) {
    auto* b = new (std::nothrow) PageBuffer;
    if (!b) break;
    lru_.emplace_back(b);
  }
  return Size();
}

void PagePool::Release() {
  index_.clear();
  spare_ = Index::node_type();
  dirtyList_.clear();
  lru_.clear();
}

void PagePool::MarkDirty(PageBuffer& buffer) {
  buffer.dirty = true;
  if (buffer.listed) return;
  buffer.listed = true;
  dirtyList_.push_back(&buffer);
}

void PagePool::Forget(Ring::iterator it) {
  PageBuffer& b = **it;
  assert(b.pins == 0);
  if (b.owner) {
    auto node = index_.extract({b.owner, b.key, b.pageNo});
    if (spare_.empty()) spare_ = std::move(node);
  }
  b.owner = nullptr;
  b.dirty = false;
  lru_.splice(lru_.begin(), lru_, it);
}

PageBuffer* PagePool::Victim() {
  // Pinned buffers were used lately, so the search ends at once or after a few steps.
  auto it = lru_.begin();
  while (it != lru_.end() && (*it)->pins > 0) ++it;
  if (it == lru_.end()) {
    IsamFail(isam_error::TooFewBuffers);
    return nullptr;
  }
  PageBuffer& b = **it;
  if (b.owner && b.dirty && !IsamWriteBackPage(b)) return nullptr;
  Forget(it);
  return &b;
}

PageRef PagePool::Assign(PageBuffer* victim, IsamFileBlock* fb, Integer key, Integer pageNo) {
  victim->owner = fb;
  victim->key = key;
  victim->pageNo = pageNo;
  lru_.splice(lru_.end(), lru_, lru_.begin());
  // The index entry the victim had is reused (no allocation on a miss once the pool is warm).
  if (spare_.empty()) {
    index_[{fb, key, pageNo}] = std::prev(lru_.end());
  } else {
    spare_.key() = {fb, key, pageNo};
    spare_.mapped() = std::prev(lru_.end());
    index_.insert(std::move(spare_));
    spare_ = Index::node_type();
  }
  return PageRef(victim);
}

PageRef PagePool::Take(IsamFileBlock* fb, Integer key, Integer pageNo) {
  assert(index_.find({fb, key, pageNo}) == index_.end());
  PageBuffer* b = Victim();
  if (!b) return PageRef();
  return Assign(b, fb, key, pageNo);
}

PageRef PagePool::Fetch(IsamFileBlock* fb, Integer key, Integer pageNo) {
  auto found = index_.find({fb, key, pageNo});
  if (found != index_.end()) {
    lru_.splice(lru_.end(), lru_, found->second);
    return PageRef(found->second->get());
  }
  PageBuffer* b = Victim();
  if (!b || !IsamReadPage(fb, key, pageNo, b->page)) return PageRef();
  return Assign(b, fb, key, pageNo);
}

void PagePool::Drop(IsamFileBlock* fb, Integer key, Integer pageNo) {
  auto found = index_.find({fb, key, pageNo});
  if (found != index_.end()) Forget(found->second);
}

void PagePool::DropAll(IsamFileBlock* fb, Integer key) {
  for (auto it = lru_.begin(); it != lru_.end();) {
    auto next = std::next(it);
    if ((*it)->owner == fb && (key == 0 || (*it)->key == key)) Forget(it);
    it = next;
  }
}

bool PagePool::WriteListed(IsamFileBlock* fb) {
  bool ok = true;
  size_t kept = 0;
  for (PageBuffer* b : dirtyList_) {
    if (ok && b->dirty && b->owner == fb) ok = IsamWriteBackPage(*b);
    if (b->dirty) dirtyList_[kept++] = b;
    else b->listed = false;
  }
  dirtyList_.resize(kept);
  return ok;
}

bool PagePool::WriteAll(IsamFileBlock* fb, bool release) {
  if (!release) return WriteListed(fb);
  for (auto it = lru_.begin(); it != lru_.end();) {
    auto next = std::next(it);
    PageBuffer& b = **it;
    if (b.owner == fb) {
      if (b.dirty && !IsamWriteBackPage(b)) return false;
      Forget(it);
    }
    it = next;
  }
  return true;
}
