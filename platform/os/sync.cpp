// Events and the many-readers lock (see sync.h).
#include "platform/os/sync.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <unordered_map>
#include <utility>
#include <vector>

struct TEvent::State {
  explicit State(bool manual, bool initial, std::string eventName)
      : manualReset(manual), signaled(initial), name(std::move(eventName)) {}
  std::mutex mutex;
  std::condition_variable changed;
  const bool manualReset;
  bool signaled;
  const std::string name;
};

namespace {

// Named events of the process.  An entry lives as long as one TEvent holds its state.
struct NamedEvents {
  std::mutex mutex;
  std::unordered_map<std::string, std::weak_ptr<void>> byName;
};

NamedEvents& Names() {
  static NamedEvents names;
  return names;
}

}  // namespace

TEvent::TEvent(bool manualReset, bool initialState, const std::string& name) {
  if (name.empty()) {
    state_ = std::make_shared<State>(manualReset, initialState, name);
    return;
  }
  NamedEvents& names = Names();
  std::lock_guard lock(names.mutex);
  std::weak_ptr<void>& entry = names.byName[name];
  state_ = std::static_pointer_cast<State>(entry.lock());
  if (!state_) {
    state_ = std::make_shared<State>(manualReset, initialState, name);
    entry = state_;
  }
}

TEvent::~TEvent() {
  if (state_->name.empty()) return;
  NamedEvents& names = Names();
  std::lock_guard lock(names.mutex);   // new holders are made only under this lock
  if (state_.use_count() == 1) names.byName.erase(state_->name);
  state_.reset();
}

void TEvent::SetEvent() {
  std::lock_guard lock(state_->mutex);
  state_->signaled = true;
  if (state_->manualReset)
    state_->changed.notify_all();
  else
    state_->changed.notify_one();
}

void TEvent::ResetEvent() {
  std::lock_guard lock(state_->mutex);
  state_->signaled = false;
}

TWaitResult TEvent::WaitFor(DWORD timeoutMs) {
  State& s = *state_;
  std::unique_lock lock(s.mutex);
  const auto isSet = [&s] { return s.signaled; };
  if (timeoutMs == INFINITE)
    s.changed.wait(lock, isSet);
  else if (!s.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), isSet))
    return TWaitResult::wrTimeout;
  if (!s.manualReset) s.signaled = false;
  return TWaitResult::wrSignaled;
}

namespace {

// Read locks the current thread holds, per lock: a thread that already reads may read again
// without waiting behind a queued writer (which waits for it).
thread_local std::vector<std::pair<const void*, int>> readDepths;

int* FindReadDepth(const void* lock) {
  for (auto& [owner, depth] : readDepths)
    if (owner == lock) return &depth;
  return nullptr;
}

int& ReadDepth(const void* lock) {
  int* depth = FindReadDepth(lock);
  return depth ? *depth : readDepths.emplace_back(lock, 0).second;
}

void ForgetReadDepth(const void* lock) {
  std::erase_if(readDepths, [lock](const auto& entry) { return entry.first == lock; });
}

}  // namespace

void TMultiReadExclusiveWriteSynchronizer::BeginRead() {
  const TThreadID me = GetCurrentThreadId();
  std::unique_lock lock(mutex_);
  if (writer_ == me) {
    ++writeDepth_;
    return;
  }
  int& depth = ReadDepth(this);
  if (depth == 0) changed_.wait(lock, [this] { return writer_ == 0 && waitingWriters_ == 0; });
  ++depth;
  ++readers_;
}

void TMultiReadExclusiveWriteSynchronizer::EndRead() {
  const TThreadID me = GetCurrentThreadId();
  std::lock_guard lock(mutex_);
  if (writer_ == me) {
    --writeDepth_;
    assert(writeDepth_ > 0 && "EndRead without BeginRead inside a write");
    return;
  }
  int& depth = ReadDepth(this);
  assert(depth > 0 && "EndRead without BeginRead");
  if (--depth == 0) ForgetReadDepth(this);
  if (--readers_ == 0) changed_.notify_all();
}

bool TMultiReadExclusiveWriteSynchronizer::BeginWrite() {
  const TThreadID me = GetCurrentThreadId();
  std::unique_lock lock(mutex_);
  if (writer_ == me) {
    ++writeDepth_;
    return true;
  }
  assert(!FindReadDepth(this) && "a reader cannot take the write lock");
  ++waitingWriters_;
  changed_.wait(lock, [this] { return writer_ == 0 && readers_ == 0; });
  --waitingWriters_;
  writer_ = me;
  writeDepth_ = 1;
  return true;
}

void TMultiReadExclusiveWriteSynchronizer::EndWrite() {
  std::lock_guard lock(mutex_);
  assert(writer_ == GetCurrentThreadId() && writeDepth_ > 0 && "EndWrite without BeginWrite");
  if (--writeDepth_ == 0) {
    writer_ = 0;
    changed_.notify_all();
  }
}
