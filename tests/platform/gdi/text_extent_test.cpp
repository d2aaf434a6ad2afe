// Text extents add up: a text measures as the sum of its characters and of any split of it, the
// fit count and partial extents agree with it, and Thai marks widen nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/text_state.h"
#include "text_test_support.h"

namespace {

const FontSpec kFonts[] = {
    {"Tahoma", -11},
    {"MS Sans Serif", -11},
    {"Arial", -13, FW_BOLD},
    {"Times New Roman", -15, FW_NORMAL, 1},
    {"Courier New", -12},
};

// Code page 874 texts: Latin, Thai with above and below vowels and tone marks, mixed, digits.
const std::string_view kTexts[] = {
    "Hello, World!",
    "Payroll 2567: 12,345.00",
    "สวัสดีครับ"_cp874,
    "นายสมชาย ใจดี"_cp874,
    "ป่า ฟ้า ปู่ ฝั่ง น้ำ กี่"_cp874,
    "Mixed ไทย and Latin 123"_cp874,
    "a\tb",
};

int SumOfCharWidths(HDC dc, std::string_view bytes) {
  int sum = 0;
  for (char b : bytes) {
    int w = 0;
    GetCharWidthA(dc, static_cast<unsigned char>(b), static_cast<unsigned char>(b), &w);
    sum += w;
  }
  return sum;
}

TEST(TextExtent, WidthIsTheSumOfCharactersAndOfEverySplit) {
  DisplayDc display;
  HDC dc = display.dc();
  for (const FontSpec& font : kFonts) {
    WithFont f(dc, font);
    const LONG height = Metrics(dc).tmHeight;
    for (std::string_view text : kTexts) {
      const std::string what = std::string(font.face) + ": " + Cp874ToUtf8(text);
      TSize size{};
      ASSERT_TRUE(GetTextExtentPoint32A(dc, text.data(), int(text.size()), &size)) << what;
      EXPECT_EQ(size.cy, height) << what;
      EXPECT_GT(size.cx, 0) << what;
      EXPECT_EQ(size.cx, SumOfCharWidths(dc, text)) << what;
      for (std::size_t k = 0; k <= text.size(); ++k)
        EXPECT_EQ(Width(dc, text.substr(0, k)) + Width(dc, text.substr(k)), size.cx) << what << " split at " << k;
      const std::u16string wide = Cp874ToUtf16(text);
      TSize wideSize{};
      ASSERT_TRUE(GetTextExtentPoint32W(dc, wide.data(), int(wide.size()), &wideSize));
      EXPECT_EQ(wideSize, size) << what;
    }
  }
}

TEST(TextExtent, FitCountAndPartialExtentsAgreeWithTheExtent) {
  DisplayDc display;
  HDC dc = display.dc();
  for (const FontSpec& font : kFonts) {
    WithFont f(dc, font);
    for (std::string_view text : kTexts) {
      const std::string what = std::string(font.face) + ": " + Cp874ToUtf8(text);
      const int n = int(text.size());
      std::vector<int> partial(text.size());
      int fit = -1;
      TSize size{};
      ASSERT_TRUE(GetTextExtentExPointA(dc, text.data(), n, 1 << 20, &fit, partial.data(), &size)) << what;
      EXPECT_EQ(fit, n) << what;
      EXPECT_EQ(size.cx, Width(dc, text)) << what;
      for (int i = 0; i < n; ++i) EXPECT_EQ(partial[std::size_t(i)], Width(dc, text.substr(0, std::size_t(i) + 1))) << what;
      // Every limit gives the longest prefix whose extent is within it.
      for (int limit : {0, partial[0] - 1, partial[0], size.cx / 2, size.cx - 1, size.cx}) {
        ASSERT_TRUE(GetTextExtentExPointA(dc, text.data(), n, limit, &fit, nullptr, nullptr));
        const int expected = int(std::count_if(partial.begin(), partial.end(), [limit](int p) { return p <= limit; }));
        EXPECT_EQ(fit, expected) << what << " limit " << limit;
      }
    }
  }
}

TEST(TextExtent, ThaiMarksMeasureAsTheirBaseLetter) {
  struct Case {
    std::string_view withMarks;
    std::string_view base;
  } cases[] = {
      {"ก่"_cp874, "ก"_cp874}, {"กี่"_cp874, "ก"_cp874},     {"ปู่"_cp874, "ป"_cp874},
      {"ฟ้า"_cp874, "ฟา"_cp874}, {"ฝั่ง"_cp874, "ฝง"_cp874}, {"น้ำ"_cp874, "นำ"_cp874},
  };
  DisplayDc display;
  HDC dc = display.dc();
  for (const FontSpec& font : {FontSpec{"Tahoma", -11}, FontSpec{"Arial", -16}, FontSpec{"MS Sans Serif", -11}}) {
    WithFont f(dc, font);
    SetTextCharacterExtra(dc, 2);   // the extra goes to letters, not to marks
    for (const Case& c : cases) {
      EXPECT_EQ(Width(dc, c.withMarks), Width(dc, c.base)) << font.face << ": " << Cp874ToUtf8(c.withMarks);
      std::vector<int> partial(c.withMarks.size());
      int fit = 0;
      GetTextExtentExPointA(dc, c.withMarks.data(), int(c.withMarks.size()), Width(dc, c.base.substr(0, 1)), &fit,
                            partial.data(), nullptr);
      EXPECT_EQ(partial[1], partial[0]) << "a mark adds nothing after its letter";
      EXPECT_GE(fit, 2) << "the letter's marks fit wherever the letter does";
    }
    SetTextCharacterExtra(dc, 0);
  }
}

TEST(TextExtent, CharacterExtraAndJustificationAreCounted) {
  DisplayDc display;
  HDC dc = display.dc();
  WithFont f(dc, {"Arial", -13});
  const std::string_view text = "a b c d";   // 7 characters, 3 breaks
  const int plain = Width(dc, text);
  EXPECT_EQ(SetTextCharacterExtra(dc, 3), 0);
  EXPECT_EQ(GetTextCharacterExtra(dc), 3);
  EXPECT_EQ(Width(dc, text), plain + 7 * 3);
  EXPECT_EQ(Width(dc, "ก่า"_cp874), Width(dc, "กา"_cp874)) << "no extra after a mark";
  SetTextCharacterExtra(dc, 0);

  ASSERT_TRUE(SetTextJustification(dc, 8, 3));
  EXPECT_EQ(Width(dc, text), plain + 8);
  std::vector<int> partial(text.size());
  GetTextExtentExPointA(dc, text.data(), int(text.size()), 0, nullptr, partial.data(), nullptr);
  SetTextJustification(dc, 0, 0);
  std::vector<int> plainPartial(text.size());
  GetTextExtentExPointA(dc, text.data(), int(text.size()), 0, nullptr, plainPartial.data(), nullptr);
  // The breaks get 3, 3 and 2 pixels: the remainder goes to the first ones.
  const int expectedGain[] = {0, 3, 3, 6, 6, 8, 8};
  for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(partial[i] - plainPartial[i], expectedGain[i]) << i;
  EXPECT_EQ(Width(dc, text), plain);
}

TEST(TextExtent, TabbedExtentExpandsToTheStops) {
  DisplayDc display;
  HDC dc = display.dc();
  WithFont f(dc, {"Tahoma", -11});
  const int ave = Metrics(dc).tmAveCharWidth;
  const int a = Width(dc, "a"), ab = Width(dc, "ab");
  const int three[] = {40, 100, 130};
  const int every = 25;
  struct Case {
    const char* text;
    int count;
    const int* stops;
    int width;
  } cases[] = {
      {"a\tb", 0, nullptr, 8 * ave + Width(dc, "b")},
      {"a\tb", 1, &every, every + Width(dc, "b")},
      {"ab\t\tb", 1, &every, 2 * every + Width(dc, "b")},
      {"a\tb\tc\td", 3, three, 130 + Width(dc, "d")},
      {"a\tb\tc\td\te", 3, three, 8 * ave * ((130 + Width(dc, "d")) / (8 * ave) + 1) + Width(dc, "e")},
      {"ab", 3, three, ab},
  };
  for (const Case& c : cases) {
    const DWORD extent = GetTabbedTextExtentA(dc, c.text, int(std::strlen(c.text)), c.count, c.stops);
    EXPECT_EQ(int(extent & 0xFFFF), c.width) << c.text << " with " << c.count << " stops";
    EXPECT_EQ(int(extent >> 16), Metrics(dc).tmHeight) << c.text;
  }
  EXPECT_EQ(a + Width(dc, "b"), ab);
  EXPECT_EQ(GetTabbedTextExtentA(nullptr, "a", 1, 0, nullptr), 0u);
}

TEST(TextExtent, RotatedFontsMeasureUnrotated) {
  DisplayDc display;
  HDC dc = display.dc();
  for (LONG escapement : {900, 2700, 450, 1800}) {
    WithFont plain(dc, {"Arial", -14});
    TSize upright{};
    GetTextExtentPoint32A(dc, "Rotated text", 12, &upright);
    WithFont rotated(dc, {"Arial", -14, FW_NORMAL, 0, escapement});
    TSize turned{};
    GetTextExtentPoint32A(dc, "Rotated text", 12, &turned);
    EXPECT_EQ(turned, upright) << escapement;
  }
}

TEST(TextExtent, InvalidCallsFail) {
  DisplayDc display;
  TSize size{};
  EXPECT_FALSE(GetTextExtentPoint32A(nullptr, "a", 1, &size));
  EXPECT_FALSE(GetTextExtentPoint32A(display.dc(), "a", -1, &size));
  EXPECT_FALSE(GetTextExtentPoint32A(display.dc(), nullptr, 2, &size));
  EXPECT_FALSE(GetTextExtentPoint32A(display.dc(), "a", 1, nullptr));
  ASSERT_TRUE(GetTextExtentPoint32A(display.dc(), "", 0, &size));
  EXPECT_EQ(size.cx, 0);
  EXPECT_EQ(size.cy, Metrics(display.dc()).tmHeight);
}

}  // namespace
