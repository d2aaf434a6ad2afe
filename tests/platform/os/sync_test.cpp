#include "platform/os/sync.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

// Starts `n` threads running `body(i)` and waits for all of them.
template <typename Body>
void RunThreads(int n, Body body) {
  std::vector<std::unique_ptr<Thread>> threads;
  for (int i = 0; i < n; ++i) {
    threads.push_back(std::make_unique<Thread>([&body, i] { body(i); }));
    threads.back()->Start();
  }
  for (auto& t : threads) t->WaitFor();
}

TEST(CriticalSection, ExcludesOtherThreadsAndLetsTheOwnerReenter) {
  TCriticalSection section;
  long counter = 0;   // deliberately not atomic
  RunThreads(4, [&](int) {
    for (int i = 0; i < 10'000; ++i) {
      section.Enter();
      section.Enter();   // re-entry by the owner
      ++counter;
      section.Leave();
      section.Leave();
    }
  });
  EXPECT_EQ(counter, 40'000);

  section.Enter();
  bool otherGotIn = true;
  RunThreads(1, [&](int) { otherGotIn = section.TryEnter(); });
  EXPECT_FALSE(otherGotIn);
  section.Leave();
  RunThreads(1, [&](int) {
    otherGotIn = section.TryEnter();
    if (otherGotIn) section.Leave();
  });
  EXPECT_TRUE(otherGotIn);
}

TEST(Event, ResetKindsAndInitialStates) {
  using W = TWaitResult;
  struct Case { bool manual, initial; W first, second, afterSet1, afterSet2; };
  const Case cases[] = {
      {false, false, W::wrTimeout, W::wrTimeout, W::wrSignaled, W::wrTimeout},
      {false, true, W::wrSignaled, W::wrTimeout, W::wrSignaled, W::wrTimeout},
      {true, false, W::wrTimeout, W::wrTimeout, W::wrSignaled, W::wrSignaled},
      {true, true, W::wrSignaled, W::wrSignaled, W::wrSignaled, W::wrSignaled},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "manual " << c.manual << " initial " << c.initial);
    TEvent event(c.manual, c.initial);
    EXPECT_EQ(event.WaitFor(0), c.first);
    EXPECT_EQ(event.WaitFor(0), c.second);
    event.SetEvent();
    EXPECT_EQ(event.WaitFor(0), c.afterSet1);
    EXPECT_EQ(event.WaitFor(0), c.afterSet2);
    event.SetEvent();
    event.ResetEvent();
    EXPECT_EQ(event.WaitFor(0), W::wrTimeout);
  }
}

TEST(Event, AutoResetReleasesOneWaiterPerSet) {
  TEvent event(false, false);
  std::atomic<int> released{0};
  TEvent oneMore(false, false);
  std::vector<std::unique_ptr<Thread>> waiters;
  for (int i = 0; i < 3; ++i) {
    waiters.push_back(std::make_unique<Thread>([&] {
      EXPECT_EQ(event.WaitFor(), TWaitResult::wrSignaled);
      ++released;
      oneMore.SetEvent();
    }));
    waiters.back()->Start();
  }
  for (int set = 1; set <= 2; ++set) {
    event.SetEvent();
    oneMore.WaitFor();
    EXPECT_EQ(released.load(), set);
  }
  // Two sets released two waiters and were consumed by them: nothing is left for a third.
  EXPECT_EQ(event.WaitFor(0), TWaitResult::wrTimeout);
  event.SetEvent();
  for (auto& w : waiters) w->WaitFor();
  EXPECT_EQ(released.load(), 3);
}

TEST(Event, ManualResetReleasesEveryWaiter) {
  TSimpleEvent event;
  std::atomic<int> released{0};
  std::vector<std::unique_ptr<Thread>> waiters;
  for (int i = 0; i < 4; ++i) {
    waiters.push_back(std::make_unique<Thread>([&] {
      if (event.WaitFor() == TWaitResult::wrSignaled) ++released;
    }));
    waiters.back()->Start();
  }
  event.SetEvent();
  for (auto& w : waiters) w->WaitFor();
  EXPECT_EQ(released.load(), 4);
}

TEST(Event, SameNameIsOneEventUntilTheLastHolderGoes) {
  {
    TEvent first(false, false, "rpThreadSync");
    TEvent second(true, true, "rpThreadSync");   // opens the first: auto-reset, unset
    TEvent other(false, false, "another");
    EXPECT_EQ(second.WaitFor(0), TWaitResult::wrTimeout);
    first.SetEvent();
    EXPECT_EQ(other.WaitFor(0), TWaitResult::wrTimeout);
    EXPECT_EQ(second.WaitFor(0), TWaitResult::wrSignaled);
    EXPECT_EQ(first.WaitFor(0), TWaitResult::wrTimeout);   // the one set was consumed
  }
  TEvent fresh(true, true, "rpThreadSync");   // a new event: its own kind and state
  EXPECT_EQ(fresh.WaitFor(0), TWaitResult::wrSignaled);
  EXPECT_EQ(fresh.WaitFor(0), TWaitResult::wrSignaled);
}

TEST(ReadWriteLock, WritersExcludeEveryone) {
  TMultiReadExclusiveWriteSynchronizer lock;
  std::atomic<int> readers{0}, writers{0};
  std::atomic<bool> violated{false};
  RunThreads(6, [&](int i) {
    for (int n = 0; n < 2'000; ++n) {
      if (i < 2) {
        lock.BeginWrite();
        if (++writers != 1 || readers != 0) violated = true;
        --writers;
        lock.EndWrite();
      } else {
        lock.BeginRead();
        ++readers;
        if (writers != 0) violated = true;
        --readers;
        lock.EndRead();
      }
    }
  });
  EXPECT_FALSE(violated);
}

TEST(ReadWriteLock, ReadersShareWriterMayReadReaderMayReadAgainWhileAWriterWaits) {
  TMultiReadExclusiveWriteSynchronizer lock;
  EXPECT_TRUE(lock.BeginWrite());
  EXPECT_TRUE(lock.BeginWrite());
  lock.BeginRead();
  lock.EndRead();
  lock.EndWrite();
  lock.EndWrite();

  lock.BeginRead();
  RunThreads(1, [&](int) {   // readers share: another thread reads while this one does
    lock.BeginRead();
    lock.EndRead();
  });
  std::atomic<bool> wrote{false};
  Thread writer([&] {
    lock.BeginWrite();
    wrote = true;
    lock.EndWrite();
  });
  writer.Start();
  // Whether or not the writer is queued yet, nested reads must not wait behind it.
  for (int i = 0; i < 10'000; ++i) {
    lock.BeginRead();
    lock.EndRead();
  }
  EXPECT_FALSE(wrote);
  lock.EndRead();
  writer.WaitFor();
  EXPECT_TRUE(wrote);
}

}  // namespace
