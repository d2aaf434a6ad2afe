// Drawing text at a point: where the ink goes for each alignment, the background box, clipping,
// spacing arrays, justification, decorations, Thai marks on their letters and rotated text.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/gdi/clip.h"
#include "platform/gdi/text_out.h"
#include "platform/gdi/text_state.h"
#include "text_test_support.h"

namespace {

const FontSpec kArial{"Arial", -13};

TEST(TextOut, InkStaysInTheCellBoxInTheTextColourOnly) {
  for (const FontSpec& font : {FontSpec{"Tahoma", -11}, kArial, FontSpec{"Courier New", -12, FW_BOLD}}) {
    TestCanvas c(160, 40);
    WithFont f(c.dc(), font);
    SetBkMode(c.dc(), TRANSPARENT);
    SetTextColor(c.dc(), kBlue);
    SetROP2(c.dc(), R2_XORPEN);   // text ignores the mix
    const std::string_view text = "Payroll 2567 ไทย"_cp874;
    Out(c.dc(), 10, 10, text);
    const Ink ink = InkOf(c);
    ASSERT_FALSE(ink.empty()) << font.face;
    EXPECT_EQ(c.Count(kBlue), int(ink.size())) << font.face << ": every ink pixel is the text colour";
    const TRect box = Box(ink);
    EXPECT_GE(box.Left, 10) << font.face;
    EXPECT_LE(box.Right, 10 + Width(c.dc(), text)) << font.face;
    EXPECT_GE(box.Top, 10) << font.face;
    EXPECT_LE(box.Bottom, 10 + Metrics(c.dc()).tmHeight) << font.face;
  }
}

TEST(TextOut, AlignmentMovesTheSameInkByTheCellBox) {
  const std::string_view text = "Align ไทย"_cp874;
  TEXTMETRICA tm{};
  int width = 0;
  const Ink reference = Drawn(kArial, [&](HDC dc) {
    tm = Metrics(dc);
    width = Width(dc, text);
    Out(dc, 80, 30, text);
  });
  struct Case {
    UINT align;
    int dx, dy;
  } cases[] = {
      {TA_LEFT | TA_TOP, 0, 0},
      {TA_RIGHT | TA_TOP, -width, 0},
      {TA_CENTER | TA_TOP, -(width / 2), 0},
      {TA_LEFT | TA_BASELINE, 0, -tm.tmAscent},
      {TA_RIGHT | TA_BOTTOM, -width, -tm.tmHeight},
      {TA_CENTER | TA_BASELINE, -(width / 2), -tm.tmAscent},
  };
  for (const Case& c : cases) {
    const Ink ink = Drawn(kArial, [&](HDC dc) {
      EXPECT_EQ(SetTextAlign(dc, c.align), 0u);
      EXPECT_EQ(GetTextAlign(dc), c.align);
      Out(dc, 80, 30, text);
    });
    EXPECT_EQ(ink, Shifted(reference, c.dx, c.dy)) << "alignment " << c.align;
  }
}

// Drawing a text in pieces at the positions its extents give puts every pixel where drawing it
// whole does: what is measured is what is drawn.
TEST(TextOut, PiecesAtTheirMeasuredOffsetsDrawTheWhole) {
  const std::string_view texts[] = {"Consistent widths", "นายสมชาย ใจดี น้ำ"_cp874, "a1,234.50 ฿"_cp874};
  for (const FontSpec& font : {FontSpec{"Tahoma", -11}, kArial, FontSpec{"Times New Roman", -15, FW_NORMAL, 1}}) {
    for (std::string_view text : texts) {
      const Ink whole = Drawn(font, [&](HDC dc) { Out(dc, 4, 10, text); }, 220);
      for (std::size_t split : {std::size_t(1), text.size() / 2, text.size() - 1}) {
        const Ink pieces = Drawn(font, [&](HDC dc) {
          Out(dc, 4, 10, text.substr(0, split));
          Out(dc, 4 + Width(dc, text.substr(0, split)), 10, text.substr(split));
        }, 220);
        EXPECT_EQ(pieces, whole) << font.face << ": " << Cp874ToUtf8(text) << " split at " << split;
      }
      // The current position carries on where the text ended.
      const Ink continued = Drawn(font, [&](HDC dc) {
        SetTextAlign(dc, TA_UPDATECP);
        MoveToEx(dc, 4, 10, nullptr);
        Out(dc, 0, 0, text.substr(0, 3));
        Out(dc, 0, 0, text.substr(3));
        TPoint at{};
        GetCurrentPositionEx(dc, &at);
        EXPECT_EQ(at.X, 4 + Width(dc, text));
        EXPECT_EQ(at.Y, 10);
      }, 220);
      EXPECT_EQ(continued, whole) << font.face << ": " << Cp874ToUtf8(text);
    }
  }
}

TEST(TextOut, OpaqueModeFillsTheCellBoxWithTheBackground) {
  TestCanvas c(120, 40);
  WithFont f(c.dc(), kArial);
  SetBkColor(c.dc(), kGreen);
  SetTextColor(c.dc(), kBlack);
  ASSERT_EQ(GetBkMode(c.dc()), OPAQUE);
  Out(c.dc(), 5, 6, "Box");
  const int w = Width(c.dc(), "Box"), h = Metrics(c.dc()).tmHeight;
  EXPECT_EQ(c.Count(kGreen) + c.Count(kBlack), w * h);
  EXPECT_EQ(c.At(5, 6), kGreen);
  EXPECT_EQ(c.At(5 + w - 1, 6 + h - 1), kGreen);
  EXPECT_EQ(c.At(5 + w, 6), kWhite);
  EXPECT_EQ(c.At(5, 6 + h), kWhite);
  EXPECT_EQ(c.At(4, 6), kWhite);
}

TEST(TextOut, ExtTextOutOpaqueAndClippedRectangles) {
  const std::string_view text = "Clipped text";
  const Ink whole = Drawn(kArial, [&](HDC dc) { Out(dc, 5, 5, text); });
  const TRect rect{20, 8, 50, 14};
  {
    TestCanvas c(100, 30);
    WithFont f(c.dc(), kArial);
    SetBkMode(c.dc(), TRANSPARENT);
    SetBkColor(c.dc(), kGreen);
    ASSERT_TRUE(ExtTextOutA(c.dc(), 5, 5, ETO_CLIPPED, &rect, text.data(), UINT(text.size()), nullptr));
    Ink expected;
    for (auto [x, y] : whole)
      if (x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom) expected.insert({x, y});
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(InkOf(c), expected) << c.Picture();
    EXPECT_EQ(c.Count(kGreen), 0) << "without ETO_OPAQUE the rectangle keeps its pixels";
  }
  {
    TestCanvas c(100, 30);
    SetBkMode(c.dc(), TRANSPARENT);
    SetBkColor(c.dc(), kGreen);
    ASSERT_TRUE(ExtTextOutA(c.dc(), 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr));
    EXPECT_EQ(c.Count(kGreen), rect.Width() * rect.Height()) << "an empty text still fills the rectangle";
    EXPECT_EQ(c.At(rect.Left, rect.Top), kGreen);
    EXPECT_EQ(c.At(rect.Right, rect.Bottom - 1), kWhite);
  }
  TestCanvas c(10, 10);
  EXPECT_FALSE(ExtTextOutA(c.dc(), 0, 0, ETO_GLYPH_INDEX, nullptr, "a", 1, nullptr));
  EXPECT_FALSE(ExtTextOutA(nullptr, 0, 0, 0, nullptr, "a", 1, nullptr));
  EXPECT_FALSE(TextOutA(c.dc(), 0, 0, nullptr, 3));
}

TEST(TextOut, SpacingArrayAndJustificationPlaceEachCharacter) {
  // A spacing array puts unit i at the sum of the advances before it.
  const int dx[] = {20, 13, 9};
  const Ink spaced = Drawn(kArial, [&](HDC dc) { ExtTextOutA(dc, 5, 5, 0, nullptr, "ABC", 3, dx); });
  const int pdx[] = {20, 1, 13, 2, 9, 3};
  EXPECT_EQ(Drawn(kArial, [&](HDC dc) { ExtTextOutA(dc, 5, 5, ETO_PDY, nullptr, "ABC", 3, pdx); }), spaced);
  EXPECT_EQ(Drawn(kArial, [&](HDC dc) {
              Out(dc, 5, 5, "A");
              Out(dc, 25, 5, "B");
              Out(dc, 38, 5, "C");
            }),
            spaced);
  // Justification widens the breaks; the words land where the partial extents say.
  const std::string_view text = "one two three";
  const Ink justified = Drawn(kArial, [&](HDC dc) {
    SetTextJustification(dc, 9, 2);
    Out(dc, 5, 5, text);
  });
  EXPECT_EQ(Drawn(kArial, [&](HDC dc) {
              Out(dc, 5, 5, "one");
              Out(dc, 5 + Width(dc, "one ") + 5, 5, "two");
              Out(dc, 5 + Width(dc, "one two ") + 9, 5, "three");
            }),
            justified);
}

TEST(TextOut, UnderlineAndStrikeOutSpanTheText) {
  const std::string_view text = "Under";
  struct Case {
    BYTE underline, strikeOut;
  } cases[] = {{1, 0}, {0, 1}, {1, 1}};
  const Ink plain = Drawn(kArial, [&](HDC dc) { Out(dc, 5, 5, text); });
  for (const Case& c : cases) {
    FontSpec font = kArial;
    font.underline = c.underline;
    font.strikeOut = c.strikeOut;
    int width = 0, ascent = 0, height = 0;
    const Ink decorated = Drawn(font, [&](HDC dc) {
      width = Width(dc, text);
      ascent = Metrics(dc).tmAscent;
      height = Metrics(dc).tmHeight;
      Out(dc, 5, 5, text);
    });
    std::set<int> fullRows;   // rows of the cell covered from the text's start to its end
    for (int y = 5; y < 5 + height; ++y) {
      int n = 0;
      for (int x = 5; x < 5 + width; ++x) n += decorated.count({x, y});
      if (n == width) fullRows.insert(y);
    }
    EXPECT_EQ(Box(decorated).Left, 5);
    EXPECT_EQ(fullRows.empty(), false);
    EXPECT_EQ(*fullRows.rbegin() > 5 + ascent, bool(c.underline)) << "an underline lies below the baseline";
    EXPECT_EQ(*fullRows.begin() < 5 + ascent, bool(c.strikeOut)) << "a strike-out lies above it";
    for (const auto& p : plain) EXPECT_TRUE(decorated.count(p)) << "the glyphs stay";
  }
}

// Thai combining marks go on their letter: above or below it, never to its right.  A tall
// letter's mark moves left of the stem, above the letter's ink in the columns it occupies.
TEST(TextOut, ThaiMarksDrawOnTheirBaseLetter) {
  enum Place { kAbove, kAboveBody, kBelow };
  struct Case {
    std::string_view text;   // a letter and its marks
    Place place;
  } cases[] = {{"ก่"_cp874, kAbove},     {"กี"_cp874, kAbove}, {"กี่"_cp874, kAbove}, {"ป่"_cp874, kAboveBody},
               {"ฟ้"_cp874, kAboveBody}, {"กุ"_cp874, kBelow}, {"นู"_cp874, kBelow}};
  for (const FontSpec& font : {FontSpec{"Tahoma", -16}, FontSpec{"Arial", -16}, FontSpec{"MS Sans Serif", -13}}) {
    for (const Case& c : cases) {
      int advance = 0;
      const Ink base = Drawn(font, [&](HDC dc) {
        advance = Width(dc, c.text.substr(0, 1));
        Out(dc, 20, 10, c.text.substr(0, 1));
      });
      const Ink marked = Drawn(font, [&](HDC dc) { Out(dc, 20, 10, c.text); });
      const TRect letter = Box(base);
      Ink added;
      for (const auto& p : marked)
        if (!base.count(p)) added.insert(p);
      const std::string what = std::string(font.face) + ": " + Cp874ToUtf8(c.text);
      ASSERT_FALSE(added.empty()) << what;
      const TRect mark = Box(added);
      int bodyTop = 1 << 20;   // the letter's highest ink in the mark's columns
      for (auto [x, y] : base)
        if (x >= mark.Left && x < mark.Right) bodyTop = std::min(bodyTop, y);
      switch (c.place) {
        case kAbove: EXPECT_LE(mark.Bottom, letter.Top + 1) << what << " draws above the letter"; break;
        case kAboveBody:
          ASSERT_LT(bodyTop, 1 << 20) << what << " lies over the letter";
          EXPECT_LE(mark.Bottom, bodyTop + 1) << what << " draws above the letter's body";
          break;
        case kBelow: EXPECT_GE(mark.Top, letter.Bottom - 1) << what << " draws below the letter"; break;
      }
      EXPECT_LE(mark.Right, 20 + advance) << what << " nothing to the right of the letter";
      EXPECT_GE(mark.Left, letter.Left - 2) << what;
    }
  }
}

// At 90 degrees the text runs upward from the reference point; its cell lies to the right of the
// baseline's start, and each piece lands where the unrotated extents put it along the way up.
TEST(TextOut, RotatedTextRunsUpward) {
  FontSpec font = kArial;
  font.escapement = 900;
  const std::string_view text = "Rotated ไทย"_cp874;
  int width = 0, height = 0;
  const Ink whole = Drawn(font, [&](HDC dc) {
    width = Width(dc, text);
    height = Metrics(dc).tmHeight;
    Out(dc, 20, 110, text);
  }, 60, 120);
  ASSERT_FALSE(whole.empty());
  const TRect box = Box(whole);
  EXPECT_GE(box.Left, 20);
  EXPECT_LE(box.Right, 20 + height + 1);
  EXPECT_GE(box.Top, 110 - width - 1);
  EXPECT_LE(box.Bottom, 111);
  EXPECT_GT(box.Height(), box.Width()) << "upright text would be wider than high";
  const Ink pieces = Drawn(font, [&](HDC dc) {
    Out(dc, 20, 110, text.substr(0, 4));
    Out(dc, 20, 110 - Width(dc, text.substr(0, 4)), text.substr(4));
  }, 60, 120);
  EXPECT_EQ(pieces, whole);
  // The first letter is at the bottom: drawing only it leaves ink near the reference point.
  const Ink first = Drawn(font, [&](HDC dc) { Out(dc, 20, 110, text.substr(0, 1)); }, 60, 120);
  EXPECT_GT(Box(first).Top, box.Top + width / 2);
  // Turned half-way round, the text runs leftward, upside down, above the reference point.
  font.escapement = 1800;
  const TRect flipped = Box(Drawn(font, [&](HDC dc) { Out(dc, 150, 40, "Flip"); }, 160, 60));
  EXPECT_LE(flipped.Right, 151);
  EXPECT_LE(flipped.Bottom, 41);
}

TEST(TextOut, DrawsIntoMonochromeBitmapsAndThroughClipRegions) {
  const std::string_view text = "Mono";
  const Ink colour = Drawn(kArial, [&](HDC dc) { Out(dc, 2, 2, text); }, 40, 20);
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP mono = CreateBitmap(40, 20, 1, 1, nullptr);
  HGDIOBJ old = SelectObject(dc, mono);
  PatBlt(dc, 0, 0, 40, 20, WHITENESS);
  {
    WithFont f(dc, kArial);
    SetBkMode(dc, TRANSPARENT);
    Out(dc, 2, 2, text);
  }
  Ink ink;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x)
      if (GetPixel(dc, x, y) != kWhite) ink.insert({x, y});
  EXPECT_EQ(ink, colour);
  SelectObject(dc, old);
  DeleteObject(mono);
  DeleteDC(dc);

  const Ink clipped = Drawn(kArial, [&](HDC dc) {
    IntersectClipRect(dc, 0, 0, 12, 20);
    Out(dc, 2, 2, text);
  }, 40, 20);
  Ink expected;
  for (auto [x, y] : colour)
    if (x < 12) expected.insert({x, y});
  EXPECT_EQ(clipped, expected);
}

TEST(TextOut, TabbedTextOutExpandsTabsFromTheTabOrigin) {
  const int stops[] = {30, 70};
  LONG result = 0;
  const Ink tabbed = Drawn(kArial, [&](HDC dc) { result = TabbedTextOutA(dc, 10, 5, "a\tb\tc", 5, 2, stops, 0); });
  const Ink pieces = Drawn(kArial, [&](HDC dc) {
    Out(dc, 10, 5, "a");
    Out(dc, 30, 5, "b");
    Out(dc, 70, 5, "c");
    EXPECT_EQ(int(result & 0xFFFF), 60 + Width(dc, "c"));
    EXPECT_EQ(int(result >> 16), Metrics(dc).tmHeight);
    // The extent call measures from the text's own start.
    EXPECT_EQ(int(GetTabbedTextExtentA(dc, "a\tb\tc", 5, 2, stops) & 0xFFFF), 70 + Width(dc, "c"));
  });
  EXPECT_EQ(tabbed, pieces);
}

}  // namespace
