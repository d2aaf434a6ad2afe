#include "platform/os/thread.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>

#include "platform/os/sync.h"

namespace {

TEST(Thread, RunsTheBodyOnItsOwnThreadWithAKnownId) {
  TThreadID seenInside = 0;
  bool mainInside = true;
  Thread thread([&] {
    seenInside = GetCurrentThreadId();
    mainInside = IsMainThread();
  });
  EXPECT_FALSE(thread.Started());
  EXPECT_EQ(thread.ThreadID(), 0u);
  thread.Start();
  const TThreadID id = thread.ThreadID();   // known as soon as Start returns
  thread.WaitFor();
  EXPECT_TRUE(thread.Finished());
  EXPECT_EQ(seenInside, id);
  EXPECT_NE(id, 0u);
  EXPECT_NE(id, GetCurrentThreadId());
  EXPECT_FALSE(mainInside);
  EXPECT_TRUE(IsMainThread());   // GoogleTest runs the tests on the main thread
  EXPECT_EQ(thread.FatalException(), nullptr);
}

TEST(Thread, ProcessIdIsTheKernelsAndTheSameOnEveryThread) {
  DWORD seenInside = 0;
  Thread thread([&] { seenInside = GetCurrentProcessId(); });
  thread.Start();
  thread.WaitFor();
  EXPECT_EQ(GetCurrentProcessId(), static_cast<DWORD>(getpid()));
  EXPECT_EQ(seenInside, GetCurrentProcessId());
  EXPECT_EQ(MainThreadID(), GetCurrentProcessId());
}

TEST(Thread, KeepsAnExceptionThatEscapesTheBody) {
  Thread thread([] { throw std::runtime_error("worker failed"); });
  thread.Start();
  thread.WaitFor();
  ASSERT_NE(thread.FatalException(), nullptr);
  EXPECT_THROW(std::rethrow_exception(thread.FatalException()), std::runtime_error);
}

TEST(Thread, DetachedThreadOutlivesItsObject) {
  TEvent go(true, false), done(true, false);
  auto payload = std::make_shared<int>(41);
  {
    Thread thread([&, payload] {
      go.WaitFor();
      ++*payload;   // runs after the Thread object is gone
      done.SetEvent();
    });
    thread.Start();
    thread.Detach();
  }
  go.SetEvent();
  EXPECT_EQ(done.WaitFor(), TWaitResult::wrSignaled);
  EXPECT_EQ(*payload, 42);
}

TEST(Thread, DestructorWaitsForAStartedThread) {
  int result = 0;
  {
    Thread thread([&] {
      for (int i = 0; i < 1'000; ++i) result += i;
    });
    thread.Start();
  }
  EXPECT_EQ(result, 499'500);
}

}  // namespace
