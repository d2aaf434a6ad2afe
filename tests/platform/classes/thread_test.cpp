#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "platform/classes/classes_errors.h"
#include "platform/classes/tthread.h"
#include "platform/os/sync.h"

namespace {

// Counts until terminated, or stops at once when told to fail.
class TCounter : public TThread {
 public:
  TCounter(bool suspended, TEvent& started, bool fail = false)
      : TThread(suspended), started_(started), fail_(fail) {}
  ~TCounter() override {
    Terminate();
    WaitFor();
  }
  std::atomic<int> loops{0};

 protected:
  void Execute() override {
    started_.SetEvent();
    if (fail_) throw std::runtime_error("broken");
    while (!Terminated()) ++loops;
    SetReturnValue(7);
  }

 private:
  TEvent& started_;
  bool fail_;
};

TEST(Thread, CreatedSuspendedWaitsForStart) {
  TEvent started(true, false);
  auto* t = NewObject<TCounter>(true, started);
  EXPECT_TRUE(t->Suspended());
  EXPECT_EQ(started.WaitFor(0), TWaitResult::wrTimeout);
  t->Start();
  ASSERT_EQ(started.WaitFor(10000), TWaitResult::wrSignaled);
  t->Terminate();
  EXPECT_EQ(t->WaitFor(), 7u);
  EXPECT_TRUE(t->Finished());
  EXPECT_FALSE(t->FatalException());
  FreeObject(t);
}

TEST(Thread, CreatedRunningStartsWhenConstructed) {
  TEvent started(true, false);
  std::unique_ptr<TCounter, TObjectDeleter> t(NewObject<TCounter>(false, started));
  EXPECT_FALSE(t->Suspended());
  ASSERT_EQ(started.WaitFor(10000), TWaitResult::wrSignaled);
  // Freeing a running thread terminates it and waits for it.
}

TEST(Thread, AnExceptionInExecuteIsKeptAndOnTerminateRuns) {
  TEvent started(true, false);
  auto* t = NewObject<TCounter>(true, started, true);
  int terminated = 0;
  t->OnTerminate = [&](TObject* sender) {
    EXPECT_EQ(sender, t);
    ++terminated;
  };
  t->Start();
  t->WaitFor();
  EXPECT_EQ(terminated, 1);
  ASSERT_TRUE(t->FatalException());
  EXPECT_THROW(std::rethrow_exception(t->FatalException()), std::runtime_error);
  FreeObject(t);
}

class TSelfFreeing : public TThread {
 public:
  TSelfFreeing(TEvent& done, std::atomic<bool>& destroyed) : TThread(true), done_(done), destroyed_(destroyed) {
    SetFreeOnTerminate(true);
  }
  ~TSelfFreeing() override {
    destroyed_ = true;
    done_.SetEvent();
  }

 protected:
  void Execute() override {}

 private:
  TEvent& done_;
  std::atomic<bool>& destroyed_;
};

TEST(Thread, FreeOnTerminateFreesTheThreadObject) {
  TEvent done(true, false);
  std::atomic<bool> destroyed{false};
  NewObject<TSelfFreeing>(done, destroyed)->Start();
  ASSERT_EQ(done.WaitFor(10000), TWaitResult::wrSignaled);
  EXPECT_TRUE(destroyed);
}

}  // namespace
