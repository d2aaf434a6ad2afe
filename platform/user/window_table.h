// The table of live windows: handle values, the desktop and the root of message-only windows.
//
// A handle value is 0x10000 + 4 * serial (even, below 2^31, never reused while the process runs),
// so a stale handle is refused instead of reaching a newer window.  The desktop is the first
// window; message-only windows (parent HWND_MESSAGE) hang under a second root that is never shown
// nor enumerated.
//
// Thread safety: the map is guarded by a mutex so that any thread may test a handle or learn the
// thread that owns it (PostMessage, SendMessage from workers); the records themselves belong to
// their owning thread (see window.h).
#pragma once

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/user/window.h"

namespace user {

class WindowTable {
 public:
  static WindowTable& Instance();

  // Takes the record, gives it a new handle and returns it.
  Window* Add(std::unique_ptr<Window> window);
  // Frees the record of a handle (after WM_NCDESTROY).
  void Remove(HWND handle);
  // The record of a live handle, or nullptr (0, stale or foreign values).  Owning thread only.
  Window* Find(HWND handle) const;
  // The owning thread of a live handle, or 0.  Any thread.
  TThreadID ThreadOf(HWND handle) const;
  bool IsLive(HWND handle) const { return ThreadOf(handle) != 0; }

  Window* Desktop() { return desktop_; }
  Window* MessageRoot() { return messageRoot_; }

  // Every live window of a thread (any order); used when a thread's windows must all be visited.
  std::vector<HWND> WindowsOfThread(TThreadID thread) const;

 private:
  WindowTable();
  Window* AddLocked(std::unique_ptr<Window> window);

  mutable std::mutex mutex_;
  std::unordered_map<std::uintptr_t, std::unique_ptr<Window>> windows_;
  std::uintptr_t nextSerial_ = 0;
  Window* desktop_ = nullptr;
  Window* messageRoot_ = nullptr;
};

// Shorthand for the record of a handle (nullptr when it is not a live window).
inline Window* W(HWND handle) { return WindowTable::Instance().Find(handle); }

}  // namespace user
