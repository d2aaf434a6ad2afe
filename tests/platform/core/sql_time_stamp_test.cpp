// TSQLTimeStamp: conversions to and from TDateTime, invalid fields, and field order.
#include <gtest/gtest.h>

#include "platform/core/date_time.h"
#include "platform/core/sql_time_stamp.h"

namespace {

TEST(SQLTimeStamp, ConvertsBothWays) {
  const TSQLTimeStamp stamp{2024, 2, 29, 13, 45, 30, 250};
  const TDateTime value = SQLTimeStampToDateTime(stamp);
  EXPECT_DOUBLE_EQ(value, EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 30, 250));
  EXPECT_EQ(DateTimeToSQLTimeStamp(value), stamp);
  EXPECT_EQ(SQLTimeStampToDateTime(TSQLTimeStamp{}), 0);
  EXPECT_EQ(DateTimeToSQLTimeStamp(0), TSQLTimeStamp{});
  // Before 1899-12-30 the time of day counts away from zero.
  EXPECT_DOUBLE_EQ(SQLTimeStampToDateTime(TSQLTimeStamp{1899, 12, 29, 6, 0, 0, 0}), -1.25);
}

TEST(SQLTimeStamp, InvalidFieldsAreRefused) {
  const TSQLTimeStamp kInvalid[] = {{2024, 13, 1}, {2023, 2, 29}, {0, 1, 1}, {2024, 1, 1, 24},
                                    {2024, 1, 1, 0, 60}, {2024, 1, 1, 0, 0, 0, 1000}};
  for (const TSQLTimeStamp& stamp : kInvalid) {
    TDateTime value;
    EXPECT_FALSE(TrySQLTimeStampToDateTime(stamp, value));
    EXPECT_THROW(SQLTimeStampToDateTime(stamp), EConvertError);
  }
}

TEST(SQLTimeStamp, TheFirstDifferingFieldDecides) {
  EXPECT_LT(CompareSQLTimeStamps({2023, 12, 31, 23}, {2024, 1, 1, 0}), 0);
  EXPECT_GT(CompareSQLTimeStamps({2024, 1, 1, 0, 0, 0, 2}, {2024, 1, 1, 0, 0, 0, 1}), 0);
  EXPECT_EQ(CompareSQLTimeStamps({-5, 1, 1}, {-5, 1, 1}), 0);
  EXPECT_LT(CompareSQLTimeStamps({-5, 1, 1}, {5, 1, 1}), 0);
}

}  // namespace
