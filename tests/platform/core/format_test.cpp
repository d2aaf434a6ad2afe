#include "platform/core/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "platform/core/exceptions.h"
#include "test_settings.h"

namespace {

struct Case {
  std::string format;
  std::vector<TVarRec> args;
  std::string enUs;
  std::string comma;   // under the decimal-comma settings
};

std::string FormatCase(const Case& c, const TFormatSettings& fs) { return Format(c.format, c.args, fs); }

TEST(Format, SpecifiersUnderBothSettings) {
  const std::string name = "Somchai";
  const Case cases[] = {
      {"%d items", {42}, "42 items", "42 items"},
      {"[%5d][%-5d]", {42, -7}, "[   42][-7   ]", "[   42][-7   ]"},
      {"%8d|%.3d", {-123, -5}, "    -123|-005", "    -123|-005"},
      {"%d", {std::numeric_limits<Int64>::min()}, "-9223372036854775808", "-9223372036854775808"},
      {"%d %d %d", {Word{7}, Byte{200}, 3u}, "7 200 3", "7 200 3"},
      {"%u %u", {-1, Int64{-1}}, "4294967295 18446744073709551615", "4294967295 18446744073709551615"},
      {"%x %.4X %x", {255, 255, -1}, "FF 00FF FFFFFFFF", "FF 00FF FFFFFFFF"},
      {"%x", {Int64{-2}}, "FFFFFFFFFFFFFFFE", "FFFFFFFFFFFFFFFE"},
      {"%e", {1234.5}, "1.23450000000000E+003", "1,23450000000000E+003"},
      {"%.3e", {-1234.5}, "-1.23E+003", "-1,23E+003"},
      {"%f|%.0f|%.1f", {1234.5, 2.5, -0.04}, "1234.50|3|0.0", "1234,50|3|0,0"},
      {"%g|%g|%.3g", {0.5, 1e20, 1234.5}, "0.5|1E20|1.23E3", "0,5|1E20|1,23E3"},
      {"%n", {1234567.891}, "1,234,567.89", "1.234.567,89"},
      {"%.0n", {-1234567.5}, "-1,234,568", "-1.234.568"},
      {"%m|%.0m", {1234.5, -3.0}, "$1,234.50|($3)", "$1.234,50|($3)"},
      {"%s/%.2s/%s/%s", {"abc", "abc", name, 'x'}, "abc/ab/Somchai/x", "abc/ab/Somchai/x"},
      {"[%5s][%-5s]", {"ab", "cd"}, "[   ab][cd   ]", "[   ab][cd   ]"},
      {"%1:s %0:s %s", {"a", "b"}, "b a b", "b a b"},
      {"%*d|%-*.*f|", {5, 42, 8, 1, 2.25}, "   42|2.3     |", "   42|2,3     |"},
      {"%*:s", {1, "x", "y"}, "x", "x"},
      {"100%% of %d%%", {3}, "100% of 3%", "100% of 3%"},
      {"%p", {reinterpret_cast<const void*>(std::uintptr_t{0xABC})}, "0000000000000ABC", "0000000000000ABC"},
      {"no arguments", {}, "no arguments", "no arguments"},
      {"%S %D", {"up", 5}, "up 5", "up 5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatCase(c, EnUs()), c.enUs) << c.format;
    EXPECT_EQ(FormatCase(c, DecimalComma()), c.comma) << c.format;
  }
}

TEST(Format, InitializerListCallsReadLikeTheClassLibrary) {
  const std::string who = "Malee";
  EXPECT_EQ(Format("%d of %s", {3, who}), "3 of Malee");
  EXPECT_EQ(Format("%s-%s", {std::string("tmp"), std::string_view("view")}), "tmp-view");
  EXPECT_EQ(Format("%.2f", {1.005}, DecimalComma()), "1,00");   // 1.005 is just below the tie
}

TEST(Format, MismatchedOrMalformedSpecifiersRaiseConvertError) {
  struct Bad { std::string format; std::vector<TVarRec> args; std::string message; };
  const auto invalid = [](const std::string& f) {
    return "Format '" + f + "' invalid or incompatible with argument";
  };
  const auto missing = [](const std::string& f) { return "No argument for format '" + f + "'"; };
  const Bad cases[] = {
      {"%d", {1.5}, invalid("%d")},           {"%f", {1}, invalid("%f")},
      {"%s", {1}, invalid("%s")},             {"%d", {"1"}, invalid("%d")},
      {"%x", {'a'}, invalid("%x")},           {"%p", {1}, invalid("%p")},
      {"%z", {1}, invalid("%z")},             {"abc%", {}, invalid("abc%")},
      {"%5", {1}, invalid("%5")},             {"%*d", {"x", 1}, invalid("%*d")},
      {"%99999999999d", {1}, invalid("%99999999999d")},
      {"%d %d", {1}, missing("%d %d")},       {"%2:d", {1, 2}, missing("%2:d")},
      {"%*d", {5}, missing("%*d")},
  };
  for (const Bad& c : cases) {
    try {
      Format(c.format, c.args);
      ADD_FAILURE() << "accepted " << c.format;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

}  // namespace
