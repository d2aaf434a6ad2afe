#include "platform/user/hooks.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/os/thread.h"

namespace user {

namespace {

struct Hook {
  HHOOK handle = nullptr;
  int id = 0;
  HOOKPROC proc = nullptr;
  TThreadID thread = 0;   // 0: every thread
  bool removed = false;
};

class HookTable {
 public:
  static HookTable& Instance() {
    static HookTable table;
    return table;
  }

  HHOOK Add(int id, HOOKPROC proc, TThreadID thread) {
    std::lock_guard lock(mutex_);
    auto hook = std::make_shared<Hook>();
    hook->handle = reinterpret_cast<HHOOK>(0x20000 + 4 * nextSerial_++);
    hook->id = id;
    hook->proc = proc;
    hook->thread = thread;
    hooks_.push_back(hook);
    return hook->handle;
  }

  bool Remove(HHOOK handle) {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(hooks_.begin(), hooks_.end(), [&](auto& h) { return h->handle == handle; });
    if (it == hooks_.end()) return false;
    (*it)->removed = true;
    hooks_.erase(it);
    return true;
  }

  // The chain for a kind as the calling thread sees it: its own hooks newest first, then the
  // hooks of every thread newest first.
  std::vector<std::shared_ptr<Hook>> Chain(int id) const {
    const TThreadID self = GetCurrentThreadId();
    std::lock_guard lock(mutex_);
    std::vector<std::shared_ptr<Hook>> chain;
    for (TThreadID wanted : {self, TThreadID(0)})
      for (auto it = hooks_.rbegin(); it != hooks_.rend(); ++it)
        if ((*it)->id == id && (*it)->thread == wanted) chain.push_back(*it);
    return chain;
  }

  std::shared_ptr<Hook> Find(HHOOK handle) const {
    std::lock_guard lock(mutex_);
    for (auto& h : hooks_)
      if (h->handle == handle) return h;
    return nullptr;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::shared_ptr<Hook>> hooks_;
  std::uintptr_t nextSerial_ = 0;
};

// The chains running on this thread, innermost last, each with the position of the hook that
// runs: CallNextHookEx continues in the chain as it was when it started, skipping hooks removed
// since, so a hook that unhooks itself still passes on correctly.
struct Frame {
  std::vector<std::shared_ptr<Hook>> chain;
  std::size_t index;
};
thread_local std::vector<Frame*> running;

LRESULT RunFrom(Frame& frame, int code, WPARAM wParam, LPARAM lParam) {
  for (; frame.index < frame.chain.size(); ++frame.index) {
    if (frame.chain[frame.index]->removed) continue;
    running.push_back(&frame);
    struct Pop {
      ~Pop() { running.pop_back(); }
    } pop;
    return frame.chain[frame.index]->proc(code, wParam, lParam);
  }
  return 0;
}

HHOOK Install(int idHook, HOOKPROC proc, DWORD threadId) {
  const bool knownKind = idHook >= WH_MSGFILTER && idHook <= WH_MOUSE_LL;
  if (proc == nullptr || !knownKind || (threadId != 0 && threadId != GetCurrentThreadId())) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return HookTable::Instance().Add(idHook, proc, threadId);
}

}  // namespace

LRESULT CallHooks(int idHook, int code, WPARAM wParam, LPARAM lParam) {
  Frame frame{HookTable::Instance().Chain(idHook), 0};
  return RunFrom(frame, code, wParam, lParam);
}

bool HasHooks(int idHook) { return !HookTable::Instance().Chain(idHook).empty(); }

}  // namespace user

using namespace user;

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId) {
  return Install(idHook, proc, threadId);
}

HHOOK SetWindowsHookExW(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId) {
  return Install(idHook, proc, threadId);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
  if (HookTable::Instance().Remove(hook)) return TRUE;
  SetLastError(ERROR_INVALID_HOOK_HANDLE);
  return FALSE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  // Normally the innermost running hook passes on; a hook handle from elsewhere continues after
  // that hook in the chain as it is now.
  Frame* current = running.empty() ? nullptr : running.back();
  if (current != nullptr && (hook == nullptr || current->chain[current->index]->handle == hook)) {
    Frame next{current->chain, current->index + 1};
    return RunFrom(next, code, wParam, lParam);
  }
  const std::shared_ptr<Hook> named = HookTable::Instance().Find(hook);
  if (!named) return 0;
  Frame next{HookTable::Instance().Chain(named->id), 0};
  while (next.index < next.chain.size() && next.chain[next.index] != named) ++next.index;
  ++next.index;
  return RunFrom(next, code, wParam, lParam);
}

BOOL CallMsgFilterA(MSG* message, int code) {
  return CallHooks(WH_MSGFILTER, code, 0, reinterpret_cast<LPARAM>(message)) != 0;
}

BOOL CallMsgFilterW(MSG* message, int code) { return CallMsgFilterA(message, code); }
