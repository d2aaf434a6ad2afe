// The small shared routines of kxClasses.
#include <gtest/gtest.h>

#include <cstring>

#include "controls/foundation/kx_classes.h"
#include "controls/foundation/kx_geometry.h"
#include "platform/core/cp874.h"
#include "platform/os/locale.h"

namespace {

TEST(KxClasses, GetMidpointRoundsTowardMinusInfinity) {
  const struct {
    Integer a, b, expected;
  } kCases[] = {{-2, 1, -1}, {1, 2, 1},  {0, 0, 0}, {-1, 0, -1}, {-3, 0, -2},
                {-4, 1, -2}, {5, 5, 5}, {INT32_MAX, INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MIN, INT32_MIN}};
  for (const auto& c : kCases) EXPECT_EQ(GetMidpoint(c.a, c.b), c.expected) << c.a << ", " << c.b;
}

TEST(KxClasses, ReadLocaleInfoStringGivesTheItemOrTheDefault) {
  ScopedLocale locale("en-US");
  EXPECT_EQ(ReadLocaleInfoString(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, "?"), ".");
  EXPECT_EQ(ReadLocaleInfoString(LOCALE_USER_DEFAULT, 0x7FFF, "default"), "default");
  EXPECT_EQ(ReadLocaleInfoString(0x12345, LOCALE_SDECIMAL, "default"), "default");
}

TEST(KxClasses, RegistryNamesAndCharacters) {
  EXPECT_EQ(ExtractRegistryName("TextEdit|Represents a single line text editor"), "TextEdit");
  EXPECT_EQ(ExtractRegistryName("NoBar"), "NoBar");
  EXPECT_EQ(ExtractRegistryName("|x"), "");
  const std::string text = "a" + std::string("\xC3\xD4");
  EXPECT_EQ(*CharPtrAt(text, 2), '\xC3');
  EXPECT_EQ(GetCharLengthAt(text, 1), 1);
  EXPECT_EQ(GetCharLengthAt(text, 3), 1);
  EXPECT_EQ(GetCharLengthAt(text, 4), 0);   // the terminating null
}

TEST(KxClasses, NumbersBytesEventsOwners) {
  EXPECT_EQ(MakeSize(3, 4), (TSize{3, 4}));
  EXPECT_EQ(GetSignFactor(0.0), 1);
  EXPECT_EQ(GetSignFactor(-0.0), 1);
  EXPECT_EQ(GetSignFactor(-1e-300), -1);
  char bytes[] = "abcdef";
  MoveBytes(bytes, bytes + 2, 4);   // overlapping
  EXPECT_STREQ(bytes, "ababcd");
  int calls = 0;
  TObject* seen = nullptr;
  TNotifyEvent event;
  CallNotifyEvent(nullptr, event);   // unassigned: nothing
  event = [&](TObject* sender) {
    ++calls;
    seen = sender;
  };
  TPersistent sender;
  CallNotifyEvent(&sender, event);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(seen, &sender);
  TPersistent owner;
  TkxRect rect(&owner);
  EXPECT_EQ(GetPersistentOwner(&rect), &owner);
  EXPECT_EQ(GetPersistentOwner(&owner), nullptr);
}

TEST(KxClasses, ResourceStringsAreLoadedThroughOneRoutine) {
  static constexpr TResStringRec kText = {65207, "False"};
  EXPECT_EQ(LoadResStringOrReplacement(&kText), "False");
}

}  // namespace
