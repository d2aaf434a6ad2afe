// A thread's message queue: the messages posted to it, the messages other threads send to its
// windows, and its quit request.
//
// Any thread may post or send into a queue; only the owning thread takes from it.  Posted messages
// come out in the order they were posted (within the range a caller asks for); sent messages are
// handled in the order they arrived, before anything posted.  Waiting is on real time: a queue
// wakes when something is posted or sent to it, when input arrives (WakeAll) or when its timeout
// ends.  A thread's queue exists from its first call into the window layer until the thread ends.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/os/thread.h"
#include "platform/user/user_types.h"

namespace user {

// A message sent from another thread, waiting to be handled by the window's thread.
struct CrossThreadSend {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  bool unicode = false;
  // Called on the owning thread with the result; empty for SendNotifyMessage.
  std::function<void(LRESULT)> reply;
};

// A posted message and the text kind of the call that posted it (character messages are converted
// when a caller of the other kind takes them).
struct PostedMessage {
  MSG msg;
  bool unicode = false;
};

class MessageQueue {
 public:
  explicit MessageQueue(TThreadID thread) : thread_(thread) {}

  // The calling thread's queue, created on first use.
  static MessageQueue& Current();
  // The queue of a thread that has one, else nullptr.  Any thread.
  static std::shared_ptr<MessageQueue> Of(TThreadID thread);
  // Wakes every waiting queue (new input).
  static void WakeAll();

  TThreadID Thread() const { return thread_; }

  void Post(const MSG& message, bool unicode = false);
  void Send(CrossThreadSend send);
  void PostQuit(int exitCode);

  // The first posted message for `hwnd` (nullptr: any; (HWND)-1: thread messages only) within
  // [first, last] (0, 0: any), removed when asked.
  std::optional<PostedMessage> TakePosted(HWND hwnd, UINT first, UINT last, bool remove);
  std::optional<CrossThreadSend> TakeSent();
  bool HasSent() const;
  bool HasPosted() const;
  // The quit request (cleared when taken with `remove`).
  std::optional<int> TakeQuit(bool remove);

  // Ends a Wait early (a reply arrived, input arrived).
  void Wake();

  // Blocks until something is posted or sent, WakeAll runs, or `timeoutMs` passes (nullopt:
  // forever).  Returns at once when a wake-up arrived since the last wait.
  void Wait(std::optional<DWORD> timeoutMs);

 private:


  const TThreadID thread_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<PostedMessage> posted_;
  std::deque<CrossThreadSend> sent_;
  std::optional<int> quit_;
  bool woken_ = false;
};

}  // namespace user
