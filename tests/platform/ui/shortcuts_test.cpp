// Shortcut words and their texts: the key names, the modifier order, case and "^" on reading,
// and keys without a name.
#include <gtest/gtest.h>

#include "platform/ui/shortcuts.h"
#include "platform/user/virtual_keys.h"

namespace {

struct TextCase {
  TShortCut shortCut;
  const char* text;
};

TEST(ShortCutTest, TextRoundTrips) {
  const TextCase cases[] = {
      {VK_F5, "F5"},
      {VK_INSERT, "Ins"},
      {VK_DELETE, "Del"},
      {VK_F24, "F24"},
      {'A' | scCtrl, "Ctrl+A"},
      {'0' | scAlt, "Alt+0"},
      {VK_BACK, "BkSp"},
      {VK_TAB | scShift, "Shift+Tab"},
      {VK_RETURN, "Enter"},
      {VK_ESCAPE, "Esc"},
      {VK_SPACE, "Space"},
      {VK_PRIOR, "PgUp"},
      {VK_NEXT, "PgDn"},
      {VK_HOME, "Home"},
      {VK_END, "End"},
      {VK_DOWN | scShift | scCtrl | scAlt, "Shift+Ctrl+Alt+Down"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
    EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
  }
}

TEST(ShortCutTest, ReadingIgnoresCaseAndTakesCaret) {
  EXPECT_EQ(TextToShortCut("ctrl+shift+del"), VK_DELETE | scCtrl | scShift);
  EXPECT_EQ(TextToShortCut("^S"), 'S' | scCtrl);
  EXPECT_EQ(TextToShortCut("Alt+"), scNone);
  EXPECT_EQ(TextToShortCut("Ctrl+Nothing"), scNone);
  EXPECT_EQ(TextToShortCut(""), scNone);
}

TEST(ShortCutTest, NumberPadDigitsReadAsTheMainDigitsAndUnnamedKeysHaveNoText) {
  EXPECT_EQ(ShortCutToText(VK_NUMPAD0 + 7), "7");
  EXPECT_EQ(TextToShortCut("7"), '7');
  EXPECT_EQ(ShortCutToText(VK_LWIN | scCtrl), "");
  EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST(ShortCutTest, KeyAndShiftStatePackAndUnpack) {
  EXPECT_EQ(ShortCut(VK_F5, {ssShift, ssCtrl}), VK_F5 | scShift | scCtrl);
  EXPECT_EQ(ShortCut(0x1FF, {}), scNone);   // not a key
  Word key = 0;
  TShiftState shift;
  ShortCutToKey(VK_INSERT | scAlt, key, shift);
  EXPECT_EQ(key, VK_INSERT);
  EXPECT_EQ(shift, (TShiftState{ssAlt}));
}

}  // namespace
