#include <gtest/gtest.h>

#include "platform/user/char_next.h"

namespace {

TEST(CharNext, MovesOneByteAndStopsAtTheEnd) {
  const char text[] = "a\xC3\xD4";   // Thai letters are single bytes in code page 874
  EXPECT_EQ(CharNextA(text), text + 1);
  EXPECT_EQ(CharNextA(text + 1), text + 2);
  EXPECT_EQ(CharNextA(text + 3), text + 3);
  const char empty[] = "";
  EXPECT_EQ(CharNextA(empty), empty);
  EXPECT_EQ(CharNextA(nullptr), nullptr);
}

}  // namespace
