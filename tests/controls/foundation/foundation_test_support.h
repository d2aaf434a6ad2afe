// What the control foundation's tests share: the class library's units (locale, forms) started
// once for the whole program, and ScopedUnits, which starts some of the foundation's units for one
// test (after the test has installed its fakes) and stops them, last first, at the end.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
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

// Sends every queued message on.
void Pump();

}  // namespace foundationtest
