// A first-in, first-out queue that threads share: worker threads post to it, the interface
// thread (or another worker) takes from it.
//
// Invariants: items come out in the order they went in, each exactly once; after Close no item
// is accepted, waiting takers wake, and what is still queued can be taken until it is empty.
// Timeouts are milliseconds of the real monotonic clock (see sync.h for why).
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>

#include "platform/os/sync.h"

template <typename T>
class ThreadQueue {
 public:
  // False (and the item dropped) once the queue is closed.
  bool Push(T item) {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return false;
      items_.push_back(std::move(item));
    }
    changed_.notify_one();
    return true;
  }

  std::optional<T> TryPop() { return Pop(0); }

  // Waits up to `timeoutMs` for an item; nothing when the time ran out or the queue is closed
  // and empty.
  std::optional<T> Pop(DWORD timeoutMs = INFINITE) {
    std::unique_lock lock(mutex_);
    const auto ready = [this] { return closed_ || !items_.empty(); };
    if (timeoutMs == INFINITE)
      changed_.wait(lock, ready);
    else
      changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    if (items_.empty()) return std::nullopt;
    T item = std::move(items_.front());
    items_.pop_front();
    return item;
  }

  void Close() {
    {
      std::lock_guard lock(mutex_);
      closed_ = true;
    }
    changed_.notify_all();
  }

  std::size_t Size() const {
    std::lock_guard lock(mutex_);
    return items_.size();
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<T> items_;
  bool closed_ = false;
};
