// A1 addresses: column letters, absolute addresses, and the addresses a range request accepts.
#include <gtest/gtest.h>

#include "platform/shims/cell_address.h"

namespace {

TEST(CellAddress, ColumnLettersCountInBaseTwentySixFromA) {
  const std::pair<std::uint32_t, const char*> cases[] = {{1, "A"},     {26, "Z"},    {27, "AA"}, {52, "AZ"},
                                                         {702, "ZZ"},  {703, "AAA"}, {16384, "XFD"}};
  for (const auto& [column, letters] : cases) {
    EXPECT_EQ(ColumnLetters(column), letters);
    std::uint32_t row = 0, parsed = 0;
    EXPECT_TRUE(ParseCellReference(std::string(letters) + "1", row, parsed));
    EXPECT_EQ(parsed, column) << letters;
  }
}

TEST(CellAddress, AbsoluteAddressesNameOneCellWithoutAColon) {
  EXPECT_EQ(AbsoluteAddress({3, 2, 3, 2}), "$B$3");
  EXPECT_EQ(AbsoluteAddress({1, 1, 1, 1}), "$A$1");
  EXPECT_EQ(AbsoluteAddress({3, 2, 40, 30}), "$B$3:$AD$40");
  EXPECT_EQ(AbsoluteAddress({1, 1, 1048576, 702}), "$A$1:$ZZ$1048576");
}

TEST(CellAddress, RangeAddressesAcceptedAndRefused) {
  const std::pair<const char*, TCellRect> accepted[] = {
      {"A1", {1, 1, 1, 1}},         {"$B$3", {3, 2, 3, 2}},       {"b3", {3, 2, 3, 2}},
      {"A1:C2", {1, 1, 2, 3}},      {"$A$1:$C$2", {1, 1, 2, 3}},  {"C2:A1", {1, 1, 2, 3}},
      {"B3:AD40", {3, 2, 40, 30}},  {"A1:XFD1048576", {1, 1, 1048576, 16384}}};
  for (const auto& [text, expected] : accepted) {
    TCellRect rect{};
    EXPECT_TRUE(ParseRangeAddress(text, rect)) << text;
    EXPECT_EQ(rect, expected) << text;
  }
  const char* refused[] = {"",    "A",    "1",       "A0",       "A01",      "$$A1",   "A1:",   ":A1",
                           "1:5", "A:C",  "A1:B2:C3", "XFE1",    "A1048577", "A1 ",    "A-1",   "A1:B"};
  for (const char* text : refused) {
    TCellRect rect{};
    EXPECT_FALSE(ParseRangeAddress(text, rect)) << text;
  }
}

}  // namespace
