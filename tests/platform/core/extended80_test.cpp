#include "platform/core/extended80.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include "x87_reference.h"

namespace {

constexpr UInt64 kJ = Extended80::kIntegerBit;

Extended80 X(bool negative, Word exponent, UInt64 mantissa) { return Extended80::FromParts(negative, exponent, mantissa); }

double D(UInt64 bits) { return std::bit_cast<double>(bits); }
UInt64 Bits(double d) { return std::bit_cast<UInt64>(d); }

std::string Hex(const Extended80& x) {
  std::string s;
  char buf[4];
  for (Byte b : x.bytes) {
    std::snprintf(buf, sizeof buf, "%02x ", b);
    s += buf;
  }
  return s;
}

TEST(Extended80, StoredBytesOfRecordValues) {
  struct Case { double value; std::array<Byte, 10> bytes; };
  const Case cases[] = {
      {1650.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0xce, 0x09, 0x40}},
      {190000.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x8c, 0xb9, 0x10, 0x40}},
      {1.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xff, 0x3f}},
      {-2.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0xc0}},
      {0.0, {}},
      {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80}},
  };
  for (const Case& c : cases) {
    const Extended80 x = DoubleToExtended80(c.value);
    EXPECT_EQ(x.bytes, c.bytes) << c.value << ": " << Hex(x);
    EXPECT_EQ(Bits(Extended80ToDouble(x)), Bits(c.value)) << c.value;
  }
}

TEST(Extended80, LoadAndStoreAtARecordOffset) {
  Byte record[32] = {};
  const Extended80 x = DoubleToExtended80(1650.0);
  x.Store(record + 7);
  EXPECT_EQ(record[6], 0);
  EXPECT_EQ(record[13], 0x40);
  EXPECT_EQ(record[16], 0x40);
  EXPECT_EQ(record[17], 0);
  EXPECT_EQ(Extended80::Load(record + 7), x);
  EXPECT_EQ(x.Mantissa(), 0xce40000000000000);
  EXPECT_EQ(x.BiasedExponent(), 0x4009);
  EXPECT_FALSE(x.Negative());
}

TEST(Extended80, ExactFormOfSpecialDoubles) {
  struct Case { const char* name; double value; Extended80 expected; };
  const Case cases[] = {
      {"largest", std::numeric_limits<double>::max(), X(false, 16383 + 1023, ~UInt64{0} << 11)},
      {"smallest normal", std::numeric_limits<double>::min(), X(false, 16383 - 1022, kJ)},
      {"smallest subnormal", std::numeric_limits<double>::denorm_min(), X(false, 16383 - 1074, kJ)},
      {"largest subnormal", D(0x000FFFFFFFFFFFFF), X(false, 16383 - 1023, ~UInt64{0} << 12)},
      {"subnormal 3*2^-1074", D(3), X(false, 16383 - 1073, 3ull << 62)},
      {"infinity", std::numeric_limits<double>::infinity(), X(false, 0x7FFF, kJ)},
      {"-infinity", -std::numeric_limits<double>::infinity(), X(true, 0x7FFF, kJ)},
      {"quiet NaN payload 1", D(0x7FF8000000000001), X(false, 0x7FFF, kJ | 1ull << 62 | 1ull << 11)},
      {"negative quiet NaN", D(0xFFF8000000000000), X(true, 0x7FFF, kJ | 1ull << 62)},
      {"signalling NaN comes quiet", D(0x7FF0000000000001), X(false, 0x7FFF, kJ | 1ull << 62 | 1ull << 11)},
  };
  for (const Case& c : cases) EXPECT_EQ(DoubleToExtended80(c.value), c.expected) << c.name;
}

TEST(Extended80, NarrowingToDoubleRoundsToNearestEven) {
  const UInt64 one = kJ;   // mantissa of 1.0; 2^-53 is mantissa bit 10
  const double dmax = std::numeric_limits<double>::max();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case { const char* name; Extended80 x; double expected; };
  const Case cases[] = {
      {"tie below even stays", X(false, 16383, one | 1ull << 10), 1.0},
      {"tie above odd goes up", X(false, 16383, one | 3ull << 10), 1.0 + 0x1p-51},
      {"just above a tie goes up", X(false, 16383, one | 1ull << 10 | 1), 1.0 + 0x1p-52},
      {"just below a tie goes down", X(false, 16383, one | ((1ull << 10) - 1)), 1.0},
      {"negative tie", X(true, 16383, one | 3ull << 10), -(1.0 + 0x1p-51)},
      {"tie above the largest double overflows", X(false, 16383 + 1023, ~UInt64{0} << 10), inf},
      {"just below that tie", X(false, 16383 + 1023, (~UInt64{0} << 10) - 1), dmax},
      {"beyond the double range", X(true, 0x7FFE, kJ), -inf},
      {"half the smallest subnormal ties to zero", X(false, 16383 - 1075, kJ), 0.0},
      {"just above half the smallest subnormal", X(false, 16383 - 1075, kJ | 1), 0x1p-1074},
      {"three quarters of the smallest subnormal", X(false, 16383 - 1075, 3ull << 62), 0x1p-1074},
      {"one and a half subnormal units tie to two", X(false, 16383 - 1074, 3ull << 62), 0x1p-1073},
      {"largest subnormal plus a half unit becomes normal", X(false, 16383 - 1023, ~UInt64{0} << 11),
       std::numeric_limits<double>::min()},
      {"far below the subnormals", X(true, 1, kJ), -0.0},
      {"denormal", X(false, 0, 1), 0.0},
      {"pseudo-denormal reads as its value", X(false, 0, kJ), 0.0},
      {"unnormal reads as its value", X(false, 16383, 1ull << 62), 0.5},
      {"unnormal zero", X(true, 12345, 0), -0.0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Bits(Extended80ToDouble(c.x)), Bits(c.expected)) << c.name << " -> " << Extended80ToDouble(c.x);
}

TEST(Extended80, InfinitiesAndNaNsToDouble) {
  struct Case { const char* name; Extended80 x; UInt64 bits; };
  const Case cases[] = {
      {"infinity", X(false, 0x7FFF, kJ), 0x7FF0000000000000},
      {"-infinity", X(true, 0x7FFF, kJ), 0xFFF0000000000000},
      {"quiet NaN keeps top payload", X(false, 0x7FFF, kJ | 1ull << 62 | 0xABCull << 11), 0x7FF8000000000ABC},
      {"signalling NaN comes quiet", X(true, 0x7FFF, kJ | 1ull << 11), 0xFFF8000000000001},
      {"payload only below the double's reach", X(false, 0x7FFF, kJ | 0x7FF), 0x7FF8000000000000},
      {"pseudo-infinity is the default NaN", X(false, 0x7FFF, 0), 0xFFF8000000000000},
      {"pseudo-NaN is the default NaN", X(false, 0x7FFF, 1ull << 62), 0xFFF8000000000000},
  };
  for (const Case& c : cases) EXPECT_EQ(Bits(Extended80ToDouble(c.x)), c.bits) << c.name;
}

TEST(Extended80, CanonicalFormOfNonCanonicalEncodings) {
  struct Case { const char* name; Extended80 x; Extended80 expected; };
  const Case cases[] = {
      {"unnormal", X(false, 16383, 1ull << 62), X(false, 16382, kJ)},
      {"unnormal that becomes denormal", X(false, 3, 1), X(false, 0, 4)},
      {"pseudo-denormal", X(true, 0, kJ | 5), X(true, 1, kJ | 5)},
      {"unnormal zero", X(true, 77, 0), X(true, 0, 0)},
      {"canonical stays", X(false, 16383, kJ | 9), X(false, 16383, kJ | 9)},
      {"NaN stays", X(false, 0x7FFF, 1ull << 62), X(false, 0x7FFF, 1ull << 62)},
  };
  for (const Case& c : cases) EXPECT_EQ(CanonicalExtended80(c.x), c.expected) << c.name;
}

TEST(Extended80, ComposeRoundsOnceAtTheDenormalBoundary) {
  // (2^64 - 1) * 2^-16446 is just below the smallest normal; one rounding must reach it exactly and
  // store it with exponent 1, never as exponent 0 with the integer bit set.
  EXPECT_EQ(ComposeExtended80(false, ~UInt64{0}, false, -16446), X(false, 1, kJ));
  EXPECT_EQ(ComposeExtended80(false, ~UInt64{0}, false, -16447), X(false, 0, kJ >> 1));
  EXPECT_EQ(ComposeExtended80(false, 1, false, -16446), X(false, 0, 0));   // a tie: rounds to even zero
  EXPECT_EQ(ComposeExtended80(false, UInt128{1} << 65, true, -16446 - 65), X(false, 0, 1));   // above it
  EXPECT_EQ(ComposeExtended80(true, (UInt128{1} << 65) - 1, false, 16384 - 65), X(true, 0x7FFF, kJ));
}

// Random bit patterns cover every class of double; a second stream draws only subnormals.
TEST(Extended80, RandomDoublesRoundTripExactly) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 200000; ++i) {
    UInt64 bits = random();
    if (i % 4 == 0) bits &= 0x800FFFFFFFFFFFFF;   // subnormal (or zero)
    const double d = D(bits);
    const double back = Extended80ToDouble(DoubleToExtended80(d));
    if (std::isnan(d)) {
      ASSERT_EQ(Bits(back), bits | 1ull << 51) << std::hex << bits;
    } else {
      ASSERT_EQ(Bits(back), bits) << std::hex << bits;
    }
  }
}

TEST(Extended80, AgreesWithTheHostX87) {
  SKIP_WITHOUT_X87_LONG_DOUBLE();
  std::mt19937_64 random(7);
  for (int i = 0; i < 100000; ++i) {
    const double d = D(random());
    if (!std::isnan(d)) {
      volatile long double wide = d;
      ASSERT_EQ(DoubleToExtended80(d), FromHostLongDouble(wide)) << d;
    }
    // Canonical values around and beyond the double range, with exact ties now and then.
    const auto exponent = static_cast<Word>(i % 8 == 0 ? random() % 0x7FFF : 16383 - 1100 + random() % 2150);
    UInt64 mantissa = random() | kJ;
    if (i % 3 == 0) mantissa = (mantissa & ~UInt64{0x7FF}) | 0x400;
    if (exponent == 0) mantissa &= ~kJ;
    const Extended80 x = X(random() & 1, exponent, mantissa);
    volatile long double host = ToHostLongDouble(x);
    ASSERT_EQ(Bits(Extended80ToDouble(x)), Bits(static_cast<double>(host))) << Hex(x);
  }
}

}  // namespace
