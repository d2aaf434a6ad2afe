// The clipboard: text formats made from one another, registered formats, ownership, and the text
// mirrored with the display's system clipboard.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "platform/core/cp874.h"
#include "platform/user/backend.h"
#include "platform/user/clipboard.h"
#include "platform/user/global_memory.h"
#include "platform/user/message_ids.h"
#include "platform/user/window_styles.h"
#include "tests/support/user/user_test_fixture.h"

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

// A display whose system clipboard is a string another program may change.
class ClipboardDisplay final : public user::Backend {
 public:
  const char* Name() const override { return "clipboard display"; }
  std::optional<std::u16string> SystemClipboardText() override { return text; }
  void SetSystemClipboardText(std::u16string_view t) override {
    text = std::u16string(t);
    ++sets;
  }
  std::optional<std::u16string> text;
  int sets = 0;
};

class SystemClipboardTest : public ClipboardTest {
 protected:
  SystemClipboardTest() {
    auto display = std::make_unique<ClipboardDisplay>();
    display_ = display.get();
    previous_ = user::SetBackend(std::move(display));
  }
  ~SystemClipboardTest() override { user::SetBackend(std::move(previous_)); }
  ClipboardDisplay* display_;
  std::unique_ptr<user::Backend> previous_;
};

TEST_F(SystemClipboardTest, TextSetHereGoesToTheDisplayOnClose) {
  struct Case {
    UINT format;
    std::string bytes;   // zero terminated in the block
  } cases[] = {{CF_TEXT, std::string("ภาษาไทย"_cp874)}, {CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(u"ภาษาไทย"), 14)}};
  for (const Case& c : cases) {
    display_->sets = 0;
    ASSERT_TRUE(OpenClipboard(owner_));
    EmptyClipboard();
    SetClipboardData(c.format, Block(c.bytes.c_str(), c.bytes.size() + 2));
    EXPECT_EQ(display_->sets, 0) << "nothing leaves before the clipboard is closed";
    CloseClipboard();
    EXPECT_EQ(display_->sets, 1);
    EXPECT_EQ(display_->text, u"ภาษาไทย");
    // Reopening finds its own text there: the clipboard keeps its owner and formats.
    ASSERT_TRUE(OpenClipboard(owner_));
    EXPECT_EQ(GetClipboardOwner(), owner_);
    EXPECT_EQ(EnumClipboardFormats(0), c.format);
    CloseClipboard();
    EXPECT_EQ(display_->sets, 1) << "closing without a change gives nothing";
  }
  // Formats other than text stay here.
  const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
  ASSERT_TRUE(OpenClipboard(owner_));
  EmptyClipboard();
  SetClipboardData(rtf, Block("{\\rtf1}", 8));
  CloseClipboard();
  EXPECT_EQ(display_->text, u"ภาษาไทย");
}

TEST_F(SystemClipboardTest, TextFromAnotherProgramReplacesTheClipboard) {
  const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
  ASSERT_TRUE(OpenClipboard(owner_));
  EmptyClipboard();
  SetClipboardData(rtf, Block("{\\rtf1}", 8));
  CloseClipboard();
  display_->text = u"จาก X11";
  ASSERT_TRUE(OpenClipboard(owner_));
  EXPECT_EQ(GetClipboardOwner(), nullptr);
  EXPECT_FALSE(IsClipboardFormatAvailable(rtf));
  EXPECT_EQ(Read<char16_t>(CF_UNICODETEXT), u"จาก X11");
  EXPECT_EQ(Read<char>(CF_TEXT), std::string("จาก X11"_cp874));
  CloseClipboard();
  EXPECT_EQ(display_->sets, 0) << "taken text is not given back";
}

}  // namespace
}  // namespace usertest
