// The cells a reader keeps: the used range, the values of any rectangle, and the limits.
#include <gtest/gtest.h>

#include "platform/core/date_time.h"
#include "platform/shims/worksheet_cells.h"

namespace {

TEST(WorksheetCells, TheUsedRangeHoldsEveryValueAndNothingElse) {
  TWorksheetCells cells;
  EXPECT_EQ(cells.UsedRange(), (TCellRect{1, 1, 1, 1}));
  cells.AddText(7, 3, "");   // an empty text is no value
  EXPECT_EQ(cells.Count(), 0u);
  cells.AddNumber(5, 4, 1);
  EXPECT_EQ(cells.UsedRange(), (TCellRect{5, 4, 5, 4}));
  cells.AddText(9, 2, "x");
  cells.AddBoolean(3, 6, false);
  EXPECT_EQ(cells.UsedRange(), (TCellRect{3, 2, 9, 6}));
}

TEST(WorksheetCells, ValuesOfARectangleReachingPastTheValues) {
  TWorksheetCells cells;
  const std::uint32_t shared = cells.PoolText("shared");
  cells.AddPooledText(2, 2, shared);
  cells.AddDate(2, 3, EncodeDate(2024, 3, 15));
  cells.AddError(3, 2, 2042);
  cells.AddNumber(3, 3, 1.5);
  cells.AddNumber(3, 3, 2.5);   // the later of two cells at one position
  cells.AddNumber(9, 9, 7);     // outside the rectangle read
  const Variant values = cells.Values({2, 1, 4, 3});
  ASSERT_EQ(values.Bounds(1).HighBound, 3);
  ASSERT_EQ(values.Bounds(2).HighBound, 3);
  EXPECT_TRUE(values.Get({1, 1}).IsEmpty());
  EXPECT_EQ(values.Get({1, 2}).AsString(), "shared");
  EXPECT_EQ(values.Get({1, 3}).VarType(), varDate);
  Integer code = 0;
  EXPECT_TRUE(VarIsError(values.Get({2, 2}), code));
  EXPECT_EQ(LongWord(code), 0x800A07FAu);
  EXPECT_EQ(values.Get({2, 3}).AsDouble(), 2.5);
  EXPECT_TRUE(values.Get({3, 3}).IsEmpty());
}

TEST(WorksheetCells, LimitsOfTheSheetAndOfOneRead) {
  TWorksheetCells cells;
  EXPECT_THROW(cells.AddNumber(0, 1, 1), EWorkbookFileError);
  EXPECT_THROW(cells.AddNumber(1, kMaxSheetColumns + 1, 1), EWorkbookFileError);
  EXPECT_THROW(cells.AddNumber(kMaxSheetRows + 1, 1, 1), EWorkbookFileError);
  cells.AddNumber(kMaxSheetRows, kMaxSheetColumns, 1);
  EXPECT_TRUE(WithinValueLimit({1, 1, 65536, 16}));
  EXPECT_FALSE(WithinValueLimit({1, 1, 65537, 16}));
  EXPECT_FALSE(WithinValueLimit({1, 1, kMaxSheetRows, kMaxSheetColumns}));
  for (std::uint64_t i = 1; i < kMaxRangeCells; ++i) cells.AddNumber(std::uint32_t(i % 1000 + 1), 1, 0);
  EXPECT_EQ(cells.Count(), kMaxRangeCells);
  try {
    cells.AddText(1, 1, "one too many");
    ADD_FAILURE();
  } catch (const EWorkbookFileError& e) {
    EXPECT_EQ(e.Message(), "the sheet holds more than 1048576 values");
  }
}

}  // namespace
