// The input-method calls: one context per window, its result string read the way a window reads a
// finished composition (its size first, then the text), and contexts of destroyed windows.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/user/message_log.h"
#include "platform/shims/input_method.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace {

using usertest::CreateLogWindow;

class InputMethodTest : public usertest::UserTest {
 protected:
  HWND first_ = CreateLogWindow("first", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr);
  HWND second_ = CreateLogWindow("second", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr);
};

// The result string as a window procedure reads it on WM_IME_COMPOSITION with GCS_RESULTSTR.
std::u16string ReadResult(HWND hwnd) {
  HIMC context = ImmGetContext(hwnd);
  const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
  std::u16string text(std::size_t(bytes) / 2, u'\0');
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), DWORD(bytes)), bytes);
  EXPECT_TRUE(ImmReleaseContext(hwnd, context));
  return text;
}

TEST_F(InputMethodTest, EachWindowHasOneContextForItsLife) {
  HIMC first = ImmGetContext(first_);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(ImmGetContext(first_), first);
  EXPECT_NE(ImmGetContext(second_), first);
  EXPECT_FALSE(ImmReleaseContext(second_, first));
  EXPECT_TRUE(ImmReleaseContext(first_, first));
  EXPECT_EQ(ImmGetContext(nullptr), nullptr);
  DestroyWindow(first_);
  EXPECT_EQ(ImmGetContext(first_), nullptr);
  EXPECT_FALSE(ImmReleaseContext(first_, first));
  EXPECT_EQ(ImmGetCompositionStringW(first, GCS_RESULTSTR, nullptr, 0), IMM_ERROR_GENERAL);
  EXPECT_FALSE(ime::SetImeResultString(first_, u"x"));
}

TEST_F(InputMethodTest, TheResultStringIsPerWindowAndKeepsCharactersOutsideTheCodePage) {
  const std::u16string thai = u"กข€\U0001F600";   // a surrogate pair: two units
  ASSERT_TRUE(ime::SetImeResultString(first_, thai));
  ASSERT_TRUE(ime::SetImeResultString(second_, u"z"));
  EXPECT_EQ(ReadResult(first_), thai);
  EXPECT_EQ(ReadResult(second_), u"z");
  EXPECT_EQ(ReadResult(first_), thai) << "reading does not consume the result";
  ASSERT_TRUE(ime::SetImeResultString(first_, u""));
  EXPECT_EQ(ReadResult(first_), u"");
}

TEST_F(InputMethodTest, ShortBuffersTakeWholeUnitsAndOtherPartsAreEmpty) {
  ASSERT_TRUE(ime::SetImeResultString(first_, u"abcd"));
  HIMC context = ImmGetContext(first_);
  struct Case {
    DWORD bufferBytes;
    LONG answer;
    std::u16string text;
  };
  const Case cases[] = {{0, 8, u""}, {3, 2, u"a"}, {6, 6, u"abc"}, {7, 6, u"abc"}, {20, 8, u"abcd"}};
  for (const Case& c : cases) {
    std::vector<char16_t> buffer(16, u'-');
    EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer.data(), c.bufferBytes), c.answer);
    EXPECT_EQ(std::u16string(buffer.data(), c.text.size()), c.text) << c.bufferBytes;
    EXPECT_EQ(buffer[c.text.size()], u'-') << "nothing written past the copied units";
  }
  for (DWORD part : {GCS_COMPSTR, GCS_COMPATTR, GCS_CURSORPOS, GCS_RESULTREADSTR})
    EXPECT_EQ(ImmGetCompositionStringW(context, part, nullptr, 0), 0) << part;
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 8), IMM_ERROR_GENERAL);
}

}  // namespace
