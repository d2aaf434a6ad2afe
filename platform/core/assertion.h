// Assert: the class library's checked invariant.  A false condition raises EAssertionFailed with
// "<message> (<source file>, line <n>)", where the message is "Assertion failure" when none is
// given and the position is the caller's.  Unlike the C assert it is never compiled out: the
// system relies on it to stop a start-up that finds its environment broken.
#pragma once

#include <source_location>
#include <string_view>

void Assert(bool condition, std::string_view message = {},
            std::source_location where = std::source_location::current());
