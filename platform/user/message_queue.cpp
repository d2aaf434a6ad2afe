#include "platform/user/message_queue.h"

#include <chrono>
#include <unordered_map>

#include "platform/user/message_ids.h"

namespace user {

namespace {

struct Registry {
  std::mutex mutex;
  std::unordered_map<TThreadID, std::shared_ptr<MessageQueue>> queues;
};

Registry& Queues() {
  static Registry* registry = new Registry;   // outlives every thread's exit handler
  return *registry;
}

// Removes the thread's queue from the registry when the thread ends.
struct ThreadQueueHolder {
  std::shared_ptr<MessageQueue> queue;
  ~ThreadQueueHolder() {
    if (!queue) return;
    Registry& r = Queues();
    std::lock_guard lock(r.mutex);
    r.queues.erase(queue->Thread());
  }
};

bool InRange(UINT message, UINT first, UINT last) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

}  // namespace

MessageQueue& MessageQueue::Current() {
  thread_local ThreadQueueHolder holder;
  if (!holder.queue) {
    holder.queue = std::make_shared<MessageQueue>(GetCurrentThreadId());
    Registry& r = Queues();
    std::lock_guard lock(r.mutex);
    r.queues[holder.queue->Thread()] = holder.queue;
  }
  return *holder.queue;
}

std::shared_ptr<MessageQueue> MessageQueue::Of(TThreadID thread) {
  Registry& r = Queues();
  std::lock_guard lock(r.mutex);
  auto it = r.queues.find(thread);
  return it == r.queues.end() ? nullptr : it->second;
}

void MessageQueue::WakeAll() {
  std::vector<std::shared_ptr<MessageQueue>> all;
  {
    Registry& r = Queues();
    std::lock_guard lock(r.mutex);
    for (auto& [id, q] : r.queues) all.push_back(q);
  }
  for (auto& q : all) q->Wake();
}

void MessageQueue::Wake() {
  {
    std::lock_guard lock(mutex_);
    woken_ = true;
  }
  changed_.notify_all();
}

void MessageQueue::Post(const MSG& message, bool unicode) {
  {
    std::lock_guard lock(mutex_);
    posted_.push_back({message, unicode});
    woken_ = true;
  }
  changed_.notify_all();
}

void MessageQueue::Send(CrossThreadSend send) {
  {
    std::lock_guard lock(mutex_);
    sent_.push_back(std::move(send));
    woken_ = true;
  }
  changed_.notify_all();
}

void MessageQueue::PostQuit(int exitCode) {
  {
    std::lock_guard lock(mutex_);
    quit_ = exitCode;
    woken_ = true;
  }
  changed_.notify_all();
}

std::optional<PostedMessage> MessageQueue::TakePosted(HWND hwnd, UINT first, UINT last, bool remove) {
  std::lock_guard lock(mutex_);
  const HWND threadOnly = reinterpret_cast<HWND>(-1);
  for (auto it = posted_.begin(); it != posted_.end(); ++it) {
    const MSG& m = it->msg;
    const bool windowMatches = hwnd == nullptr || (hwnd == threadOnly ? m.hwnd == nullptr : m.hwnd == hwnd);
    if (!windowMatches || !InRange(m.message, first, last)) continue;
    PostedMessage found = *it;
    if (remove) posted_.erase(it);
    return found;
  }
  return std::nullopt;
}

std::optional<CrossThreadSend> MessageQueue::TakeSent() {
  std::lock_guard lock(mutex_);
  if (sent_.empty()) return std::nullopt;
  CrossThreadSend s = std::move(sent_.front());
  sent_.pop_front();
  return s;
}

bool MessageQueue::HasSent() const {
  std::lock_guard lock(mutex_);
  return !sent_.empty();
}

bool MessageQueue::HasPosted() const {
  std::lock_guard lock(mutex_);
  return !posted_.empty() || quit_.has_value();
}

std::optional<int> MessageQueue::TakeQuit(bool remove) {
  std::lock_guard lock(mutex_);
  std::optional<int> q = quit_;
  if (remove) quit_.reset();
  return q;
}

void MessageQueue::Wait(std::optional<DWORD> timeoutMs) {
  std::unique_lock lock(mutex_);
  const auto ready = [this] { return woken_; };
  if (timeoutMs)
    changed_.wait_for(lock, std::chrono::milliseconds(*timeoutMs), ready);
  else
    changed_.wait(lock, ready);
  woken_ = false;
}

}  // namespace user
