#include "platform/classes/tthread.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/core/format.h"
#include "platform/os/thread.h"

PR_IMPLEMENT_CLASS(TThread)

namespace {
std::atomic<TSynchronizeProc> synchronizeProc{nullptr};
}

void SetSynchronizeProc(TSynchronizeProc proc) { synchronizeProc = proc; }

void TThread::Synchronize(const TThreadMethod& Method) {
  const TSynchronizeProc proc = synchronizeProc;
  if (proc == nullptr || IsMainThread()) Method();
  else proc(Method);
}

TThread::TThread(bool CreateSuspended)
    : thread_(std::make_unique<Thread>([this] { Run(); })), createSuspended_(CreateSuspended) {}

TThread::~TThread() {
  if (started_ && !thread_->Finished() && !finished_) {
    Terminate();
    WaitFor();
  }
  if (started_) thread_->WaitFor();
}

void TThread::AfterConstruction() {
  if (!createSuspended_) Start();
}

void TThread::Start() {
  if (started_.exchange(true)) return;
  const std::shared_ptr<std::atomic<bool>> returned = startReturned_;
  try {
    thread_->Start();
  } catch (const std::exception& e) {
    started_ = false;
    throw EThread(Format(classes_text::kThreadCreateError, {e.what()}));
  }
  returned->store(true);   // from here on this object may already be gone
  returned->notify_all();
}

Cardinal TThread::WaitFor() {
  thread_->WaitFor();
  return static_cast<Cardinal>(returnValue_);
}

Cardinal TThread::ThreadID() const { return thread_->ThreadID(); }

void TThread::DoTerminate() {
  if (OnTerminate) Synchronize([this] { OnTerminate(this); });
}

void TThread::Run() {
  const std::shared_ptr<std::atomic<bool>> startReturned = startReturned_;
  try {
    if (!terminated_) Execute();
  } catch (...) {
    fatalException_ = std::current_exception();
  }
  const bool freeSelf = freeOnTerminate_;
  finished_ = true;
  try {
    DoTerminate();
  } catch (...) {
    if (!fatalException_) fatalException_ = std::current_exception();
  }
  if (freeSelf) {
    startReturned->wait(false);
    thread_->Detach();
    delete this;
  }
}
