#include <gtest/gtest.h>

#include "platform/core/res_string.h"

namespace {

constexpr TResStringRec kCheckBoxTrue = {65205, "True"};
constexpr TResStringRec kNoText = {65206, nullptr};

TEST(ResString, LoadsTheTextOfItsRecord) {
  EXPECT_EQ(LoadResString(&kCheckBoxTrue), "True");
  EXPECT_EQ(kCheckBoxTrue.Identifier, 65205);
  EXPECT_EQ(LoadResString(&kNoText), "");
  EXPECT_EQ(LoadResString(nullptr), "");
}

}  // namespace
