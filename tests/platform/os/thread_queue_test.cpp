#include "platform/os/thread_queue.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(ThreadQueue, EveryItemArrivesOnceAndInOrderPerProducer) {
  ThreadQueue<int> queue;
  constexpr int kProducers = 3, kItems = 2'000, kConsumers = 2;
  std::vector<std::vector<int>> received(kConsumers);
  std::vector<std::unique_ptr<Thread>> threads;
  for (int c = 0; c < kConsumers; ++c)
    threads.push_back(std::make_unique<Thread>([&, c] {
      while (auto item = queue.Pop()) received[c].push_back(*item);
    }));
  for (int p = 0; p < kProducers; ++p)
    threads.push_back(std::make_unique<Thread>([&, p] {
      for (int i = 0; i < kItems; ++i) queue.Push(p * kItems + i);
    }));
  for (auto& t : threads) t->Start();
  for (int p = kConsumers; p < kConsumers + kProducers; ++p) threads[p]->WaitFor();
  queue.Close();   // wakes the consumers once the queue is drained
  for (int c = 0; c < kConsumers; ++c) threads[c]->WaitFor();

  std::vector<int> seen(kProducers * kItems, 0);
  for (const auto& items : received) {
    std::vector<int> last(kProducers, -1);
    for (int item : items) {
      ++seen[item];
      EXPECT_GT(item, last[item / kItems]) << "out of order";
      last[item / kItems] = item;
    }
  }
  for (int count : seen) ASSERT_EQ(count, 1);
}

TEST(ThreadQueue, EmptyClosedAndTimedOutPops) {
  ThreadQueue<std::unique_ptr<int>> queue;   // move-only items pass through
  EXPECT_FALSE(queue.TryPop());
  EXPECT_FALSE(queue.Pop(0));
  EXPECT_TRUE(queue.Push(std::make_unique<int>(1)));
  EXPECT_TRUE(queue.Push(std::make_unique<int>(2)));
  EXPECT_EQ(queue.Size(), 2u);
  queue.Close();
  EXPECT_FALSE(queue.Push(std::make_unique<int>(3)));
  EXPECT_EQ(**queue.Pop(), 1);   // what was queued before Close still comes out
  EXPECT_EQ(**queue.TryPop(), 2);
  EXPECT_FALSE(queue.Pop());     // closed and empty: no wait
}

}  // namespace
