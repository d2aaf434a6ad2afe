// TThread: the class library's thread object.
//
// A descendant overrides Execute, which runs on a thread of its own and should return soon after
// Terminated becomes true.  A thread created running starts when its construction is complete
// (AfterConstruction: NewObject<T>(...) or creation by class reference); one created suspended
// (and any thread not constructed through those) starts at Start / Resume.  After Execute returns
// (or raises: the exception is kept as FatalException), OnTerminate runs through Synchronize, then a
// FreeOnTerminate thread frees itself.  WaitFor waits for the end and answers ReturnValue.
// Destroying a thread that still runs sets Terminated and waits for it; a descendant whose
// Execute uses its own members should do that (Terminate(); WaitFor();) in its own destructor,
// because C++ destroys those members before ~TThread runs.  Synchronize runs a method on the main
// thread through the procedure the user interface installs (SetSynchronizeProc); without one, and
// on the main thread, it calls the method directly.
#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <memory>

#include "platform/classes/event.h"
#include "platform/classes/object.h"
#include "platform/classes/type_info.h"

class Thread;

PR_ENUM(TThreadPriority, tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical)

using TThreadMethod = std::function<void()>;
// Runs method on the main thread and returns when it has run.
using TSynchronizeProc = void (*)(const TThreadMethod& method);
void SetSynchronizeProc(TSynchronizeProc proc);

class TThread : public TObject {
  PR_CLASS(TThread, TObject)

 public:
  explicit TThread(bool CreateSuspended);
  ~TThread() override;

  void AfterConstruction() override;
  void Start();
  void Resume() { Start(); }
  void Terminate() { terminated_ = true; }
  Cardinal WaitFor();

  bool Terminated() const { return terminated_; }
  bool Suspended() const { return !started_; }
  bool Finished() const { return finished_; }
  bool FreeOnTerminate() const { return freeOnTerminate_; }
  void SetFreeOnTerminate(bool Value) { freeOnTerminate_ = Value; }
  TThreadPriority Priority() const { return priority_; }
  void SetPriority(TThreadPriority Value) { priority_ = Value; }
  Cardinal ThreadID() const;
  std::exception_ptr FatalException() const { return fatalException_; }
  Integer ReturnValue() const { return returnValue_; }

  TNotifyEvent OnTerminate;

  static void Synchronize(const TThreadMethod& Method);

 protected:
  virtual void Execute() = 0;
  virtual void DoTerminate();
  void SetReturnValue(Integer Value) { returnValue_ = Value; }

 private:
  void Run();

  std::unique_ptr<Thread> thread_;
  // Set when Start has returned: a thread that frees itself waits for it, so that Start never
  // touches a freed object.  Shared, because the last one to use it may be either side.
  std::shared_ptr<std::atomic<bool>> startReturned_ = std::make_shared<std::atomic<bool>>(false);
  bool createSuspended_;
  std::atomic<bool> started_{false};
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> freeOnTerminate_{false};
  TThreadPriority priority_ = tpNormal;
  std::exception_ptr fatalException_;
  Integer returnValue_ = 0;
};
