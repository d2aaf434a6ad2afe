// What the control foundation's tests share: the class library's units (locale, forms) started
// once for the whole program, ScopedUnits, which starts some of the foundation's units for one
// test (after the test has installed its fakes) and stops them, last first, at the end, and
// Later, steps that run inside a modal loop.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/core/units.h"

namespace foundationtest {

class ScopedUnits {
 public:
  explicit ScopedUnits(std::initializer_list<Unit> units);
  ~ScopedUnits();
  ScopedUnits(const ScopedUnits&) = delete;
  ScopedUnits& operator=(const ScopedUnits&) = delete;

 private:
  std::vector<Unit> started_;
};

// Steps run once from a 10 ms timer (the kxControlsUnit's timers): they come while a modal loop
// waits (the fake clock advances to the timer instead of sleeping), after the loop has read where
// the cursor was.
class Later {
 public:
  explicit Later(std::function<void()> steps);
  ~Later();
  Later(const Later&) = delete;
  Later& operator=(const Later&) = delete;

 private:
  struct Timer;
  std::unique_ptr<Timer> timer_;
};

// Sends every queued message on.
void Pump();

}  // namespace foundationtest
