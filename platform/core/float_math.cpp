#include "platform/core/float_math.h"

#include <cmath>

#include "platform/core/exceptions.h"

namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;

// An integral double to Int64; raises for NaN and anything outside [-2^63, 2^63).
Int64 ToInt64(double integral) {
  if (!(integral >= -kTwoTo63 && integral < kTwoTo63)) RaiseInvalidOp();
  return static_cast<Int64>(integral);
}

}  // namespace

Int64 Round(double value) {
  // floor and the subtraction are exact for every double, so the half test sees the true fraction;
  // the common floor(value + 0.5) would round 0.49999999999999994 up and large odd values wrongly.
  const double below = std::floor(value);
  const double fraction = value - below;
  const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0);
  return ToInt64(up ? below + 1.0 : below);
}

Int64 Trunc(double value) { return ToInt64(std::trunc(value)); }

double Int(double value) { return std::trunc(value); }

double Frac(double value) { return value - std::trunc(value); }

void RaiseInvalidOp() { throw EInvalidOp("Invalid floating point operation"); }

void RaiseZeroDivide() { throw EZeroDivide("Floating point division by zero"); }
