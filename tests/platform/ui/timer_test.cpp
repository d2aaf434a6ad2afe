// TTimer on the test clock: ticks every interval while enabled with a handler; any change
// restarts the interval; a disabled or handler-less timer, or one with interval 0, is silent.
#include "platform/ui/timer.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

template <class F>
TNotifyEvent Handler(F f) {
  TNotifyEvent event;
  event = std::move(f);
  return event;
}

class TimerTest : public UiTest {
 protected:
  // Advances the clock by `ms` in 10 ms steps, settling after each.
  void Run(UInt64 ms) {
    for (UInt64 t = 0; t < ms; t += 10) {
      clock_.Advance(10);
      driver_->Settle();
    }
  }
};

TEST_F(TimerTest, TicksEveryIntervalWhileEnabledWithAHandler) {
  TTimer timer(nullptr);
  Integer ticks = 0;
  timer.SetInterval(100);
  Run(300);
  EXPECT_EQ(ticks, 0);   // no handler, no timer
  timer.SetOnTimer(Handler([&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++ticks;
  }));
  Run(350);
  EXPECT_EQ(ticks, 3);
  timer.SetEnabled(false);
  Run(300);
  EXPECT_EQ(ticks, 3);
  timer.SetEnabled(true);
  Run(50);
  timer.SetInterval(200);   // restarts: the next tick is 200 ms after the change
  Run(150);
  EXPECT_EQ(ticks, 3);
  Run(60);
  EXPECT_EQ(ticks, 4);
  timer.SetInterval(0);
  Run(500);
  EXPECT_EQ(ticks, 4);
}

TEST_F(TimerTest, AFreedTimerNeverTicks) {
  Integer ticks = 0;
  {
    TTimer timer(nullptr);
    timer.SetInterval(50);
    timer.SetOnTimer(Handler([&](TObject*) { ++ticks; }));
    Run(60);
  }
  Run(200);
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace uitest
