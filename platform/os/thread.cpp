// Thread ids and the Thread object over std::thread (see thread.h).
#include "platform/os/thread.h"

#include <unistd.h>

#include <atomic>
#include <cassert>
#include <thread>

// What the running thread and the object share; the thread holds its own reference, so a
// detached thread outlives the object safely.
struct Thread::State {
  std::function<void()> body;
  std::atomic<TThreadID> id{0};
  std::atomic<bool> finished{false};
  std::exception_ptr fatal;   // written by the thread before `finished` is set
};

struct Thread::Handle {
  std::thread thread;
};

TThreadID GetCurrentThreadId() {
  thread_local const TThreadID id = static_cast<TThreadID>(gettid());
  return id;
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }
TThreadID MainThreadID() { return GetCurrentProcessId(); }
bool IsMainThread() { return GetCurrentThreadId() == MainThreadID(); }

Thread::Thread(std::function<void()> body) : state_(std::make_shared<State>()) {
  state_->body = std::move(body);
}

Thread::~Thread() { WaitFor(); }

void Thread::Start() {
  assert(!handle_ && "a Thread starts once");
  auto handle = std::make_unique<Handle>();
  handle->thread = std::thread([state = state_] {   // may throw: then nothing has started
    state->id.store(GetCurrentThreadId());
    state->id.notify_all();
    try {
      state->body();
    } catch (...) {
      state->fatal = std::current_exception();
    }
    state->body = nullptr;   // what the body captured is released on its own thread
    state->finished.store(true, std::memory_order_release);
  });
  handle_ = std::move(handle);
  state_->id.wait(0);
}

void Thread::WaitFor() {
  if (handle_ && handle_->thread.joinable()) handle_->thread.join();
}

void Thread::Detach() {
  if (handle_ && handle_->thread.joinable()) handle_->thread.detach();
}

bool Thread::Started() const { return handle_ != nullptr; }
bool Thread::Finished() const { return state_->finished.load(std::memory_order_acquire); }
TThreadID Thread::ThreadID() const { return state_->id.load(); }
std::exception_ptr Thread::FatalException() const { return Finished() ? state_->fatal : nullptr; }
