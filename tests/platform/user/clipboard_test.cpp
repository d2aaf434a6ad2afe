// The clipboard: text formats made from one another, registered formats, ownership.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/core/cp874.h"
#include "platform/user/clipboard.h"
#include "platform/user/global_memory.h"
#include "platform/user/message_ids.h"
#include "platform/user/window_styles.h"
#include "user_test_fixture.h"

namespace usertest {
namespace {

class ClipboardTest : public UserTest {
 protected:
  ClipboardTest() { owner_ = CreateLogWindow("owner", WS_POPUP, 0, 0, 10, 10, nullptr); }
  ~ClipboardTest() override {
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
    }
  }
  static HGLOBAL Block(const void* bytes, std::size_t size) {
    HGLOBAL h = GlobalAlloc(GHND, size);
    std::memcpy(GlobalLock(h), bytes, size);
    GlobalUnlock(h);
    return h;
  }
  template <typename Char>
  static std::basic_string<Char> Read(UINT format) {
    HANDLE h = GetClipboardData(format);
    const auto* p = static_cast<const Char*>(GlobalLock(h));
    std::basic_string<Char> text = p ? p : std::basic_string<Char>();
    GlobalUnlock(h);
    return text;
  }
  HWND owner_ = nullptr;
};

TEST_F(ClipboardTest, AnsiTextReadsBackAsUnicodeAndUnicodeAsAnsi) {
  const std::string thai("สวัสดี 123"_cp874);
  ASSERT_TRUE(OpenClipboard(owner_));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, Block(thai.c_str(), thai.size() + 1));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(Read<char16_t>(CF_UNICODETEXT), u"สวัสดี 123");
  EXPECT_EQ(Read<char>(CF_TEXT), thai);
  EXPECT_EQ(EnumClipboardFormats(0), CF_TEXT);
  EXPECT_EQ(EnumClipboardFormats(CF_TEXT), CF_UNICODETEXT);
  CloseClipboard();

  ASSERT_TRUE(OpenClipboard(owner_));
  EmptyClipboard();
  const std::u16string wide = u"ภาษา";
  SetClipboardData(CF_UNICODETEXT, Block(wide.c_str(), (wide.size() + 1) * 2));
  EXPECT_EQ(Read<char>(CF_TEXT), "ภาษา"_cp874);
  EXPECT_EQ(Read<char>(CF_OEMTEXT), "ภาษา"_cp874);
  EXPECT_EQ(GetClipboardOwner(), owner_);
  CloseClipboard();
}

TEST_F(ClipboardTest, RegisteredFormatRoundTripsItsBytes) {
  const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
  EXPECT_GE(rtf, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormatA("rich text format"), rtf);
  char name[32];
  EXPECT_EQ(GetClipboardFormatNameA(rtf, name, sizeof name), 16);
  EXPECT_STREQ(name, "Rich Text Format");
  const unsigned char bytes[] = {0, 1, 0xFF, 0x80, 0, 7};
  ASSERT_TRUE(OpenClipboard(owner_));
  EmptyClipboard();
  SetClipboardData(rtf, Block(bytes, sizeof bytes));
  CloseClipboard();
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE h = GetClipboardData(rtf);
  ASSERT_EQ(GlobalSize(h), sizeof bytes);
  EXPECT_EQ(std::memcmp(GlobalLock(h), bytes, sizeof bytes), 0);
  GlobalUnlock(h);
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
  CloseClipboard();
}

TEST_F(ClipboardTest, CallsNeedTheClipboardOpenAndEmptyingTellsTheOldOwner) {
  EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr);
  EXPECT_FALSE(EmptyClipboard());
  ASSERT_TRUE(OpenClipboard(owner_));
  EXPECT_FALSE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  HWND other = CreateLogWindow("other", WS_POPUP, 0, 0, 10, 10, nullptr);
  Take();
  ASSERT_TRUE(OpenClipboard(other));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_EQ(Take(), (std::vector<std::string>{"owner 0x307"}));
  EXPECT_EQ(GetClipboardOwner(), other);
}

}  // namespace
}  // namespace usertest
