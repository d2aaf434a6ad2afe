// An independent reference for the 80-bit codec tests: on hosts whose long double is the x87
// extended format, the processor and the C library convert and round these values themselves.
// Tests that use it skip on other hosts.
#pragma once

#include <cstring>
#include <limits>

#include "platform/core/extended80.h"

inline constexpr bool kHostLongDoubleIsX87 =
    std::numeric_limits<long double>::digits == 64 && std::numeric_limits<long double>::max_exponent == 16384;

inline long double ToHostLongDouble(const Extended80& x) {
  long double v = 0;
  std::memcpy(&v, x.bytes.data(), Extended80::kSize);
  return v;
}

inline Extended80 FromHostLongDouble(long double v) { return Extended80::Load(&v); }

#define SKIP_WITHOUT_X87_LONG_DOUBLE() \
  if constexpr (!kHostLongDoubleIsX87) GTEST_SKIP() << "long double is not the 80-bit format here"
