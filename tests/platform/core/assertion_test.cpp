#include "platform/core/assertion.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/core/exceptions.h"

namespace {

// The message of the EAssertionFailed that `check` raises, or "" when it raises none.
template <typename Check>
std::string FailureOf(Check check) {
  try {
    check();
  } catch (const EAssertionFailed& e) {
    EXPECT_STREQ(e.ClassName(), "EAssertionFailed");
    return e.Message();
  }
  return "";
}

TEST(Assert, TrueConditionRaisesNothing) { EXPECT_EQ(FailureOf([] { Assert(true); }), ""); }

TEST(Assert, FalseConditionNamesTheCallersPosition) {
  const int line = __LINE__ + 1;
  const std::string message = FailureOf([] { Assert(false); });
  EXPECT_EQ(message, std::string("Assertion failure (") + __FILE__ + ", line " + std::to_string(line) + ")");
}

TEST(Assert, GivenMessageReplacesTheDefaultText) {
  const std::string message = FailureOf([] { Assert(1 + 1 == 3, "Sum is wrong"); });
  EXPECT_EQ(message.rfind("Sum is wrong (", 0), 0u) << message;
  EXPECT_NE(message.find("assertion_test.cpp, line "), std::string::npos) << message;
}

}  // namespace
