// The faces the forms name measure as the forms were laid out for, Thai with stacked marks stays
// whole inside their one-line cell, and bold is bold.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>

#include "text_test_support.h"

namespace {

const std::string_view kThaiStacks = "ปั้น ฟ้า ฝั่ง ญู ฎุ"_cp874;

// Heights as a station at 96 dpi realizes these faces (Tahoma's win ascent and descent are 2049
// and 423 per 2048 em), average widths within a pixel of its figures.
TEST(FormFonts, MeasureAsTheFormsWereLaidOut) {
  struct Case {
    FontSpec font;
    LONG height, ascent, descent, average;
  } cases[] = {
      {{"Tahoma", -11}, 13, 11, 2, 5},
      {{"Tahoma", -12}, 14, 12, 2, 5},
      {{"Tahoma", -13}, 16, 13, 3, 6},
      {{"Tahoma", -16}, 19, 16, 3, 7},
      {{"Tahoma", -11, FW_BOLD}, 13, 11, 2, 6},
      {{"Tahoma", -12, FW_BOLD}, 14, 12, 2, 6},
      {{"Tahoma", -13, FW_BOLD}, 16, 13, 3, 7},
      {{"Tahoma", -16, FW_BOLD}, 19, 16, 3, 8},
      {{"MS Sans Serif", -11}, 13, 11, 2, 5},
  };
  DisplayDc display;
  for (const Case& c : cases) {
    WithFont f(display.dc(), c.font);
    const TEXTMETRICA tm = Metrics(display.dc());
    const std::string what = std::string(c.font.face) + " " + std::to_string(c.font.height) +
                             (c.font.weight == FW_BOLD ? " bold" : "");
    EXPECT_EQ(tm.tmHeight, c.height) << what;
    EXPECT_EQ(tm.tmAscent, c.ascent) << what;
    EXPECT_EQ(tm.tmDescent, c.descent) << what;
    EXPECT_LE(std::abs(tm.tmAveCharWidth - c.average), 1) << what << ": " << tm.tmAveCharWidth;
  }
}

// Drawn clipped to a cell of tmHeight, the stacked Thai sample keeps every pixel it has with room
// to spare: its topmost and bottommost ink lie inside the cell.
TEST(FormFonts, ThaiStacksStayWholeInAOneLineCell) {
  const FontSpec fonts[] = {{"Tahoma", -11}, {"Tahoma", -12}, {"Tahoma", -13}, {"Tahoma", -16},
                            {"Tahoma", -11, FW_BOLD}, {"Tahoma", -13, FW_BOLD}, {"MS Sans Serif", -11},
                            {"Arial", -11}, {"Arial", -13}, {"Courier New", -13}};
  constexpr int kTop = 20;
  for (const FontSpec& font : fonts) {
    const std::string what = std::string(font.face) + " " + std::to_string(font.height);
    TestCanvas c(220, 60);
    WithFont f(c.dc(), font);
    SetBkMode(c.dc(), TRANSPARENT);
    Out(c.dc(), 4, kTop, kThaiStacks);
    const Ink whole = InkOf(c);
    const TRect box = Box(whole);
    c.Clear(kWhite);
    const TRect cell{0, kTop, 220, kTop + Metrics(c.dc()).tmHeight};
    ExtTextOutA(c.dc(), 4, kTop, ETO_CLIPPED, &cell, kThaiStacks.data(), UINT(kThaiStacks.size()), nullptr);
    EXPECT_EQ(InkOf(c), whole) << what << ": marks cut at the cell's edge";
    EXPECT_GE(box.Top, cell.Top) << what;
    EXPECT_LE(box.Bottom, cell.Bottom) << what;
    EXPECT_GT(box.Bottom - box.Top, Metrics(c.dc()).tmHeight * 3 / 4) << what << ": the Thai is shrunk";
  }
}

Ink DrawnText(const FontSpec& font, std::string_view text) {
  return Drawn(font, [&](HDC dc) { Out(dc, 4, 10, text); });
}

TEST(FormFonts, BoldStrokesAreHeavierAndWider) {
  for (const LONG height : {-11, -13}) {
    const FontSpec regular{"Tahoma", height}, bold{"Tahoma", height, FW_BOLD};
    const Ink thin = DrawnText(regular, "Employee"), heavy = DrawnText(bold, "Employee");
    EXPECT_GT(heavy.size() * 4, thin.size() * 5) << height << ": " << heavy.size() << " vs " << thin.size();
    DisplayDc display;
    int widths[2];
    for (int i = 0; i < 2; ++i) {
      WithFont f(display.dc(), i == 0 ? regular : bold);
      widths[i] = Width(display.dc(), "Employee");
    }
    EXPECT_GT(widths[1], widths[0]) << height;
  }
}

// Background pixels inside a glyph's ink that the outside cannot reach: its open loops.
int EnclosedPixels(const Ink& ink) {
  const TRect box = Box(ink);
  const int width = box.Width() + 2, height = box.Height() + 2;
  std::vector<char> seen(std::size_t(width * height), 0);
  const auto isInk = [&](int x, int y) { return ink.count({box.Left - 1 + x, box.Top - 1 + y}) != 0; };
  std::deque<std::pair<int, int>> todo{{0, 0}};
  seen[0] = 1;
  while (!todo.empty()) {
    const auto [x, y] = todo.front();
    todo.pop_front();
    for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const int nx = x + dx, ny = y + dy;
      if (nx < 0 || ny < 0 || nx >= width || ny >= height || seen[std::size_t(ny * width + nx)] || isInk(nx, ny)) continue;
      seen[std::size_t(ny * width + nx)] = 1;
      todo.push_back({nx, ny});
    }
  }
  int enclosed = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) enclosed += !seen[std::size_t(y * width + x)] && !isInk(x, y);
  return enclosed;
}

// The loops of the looped Thai letters stay open in bold, and ท does not read as ห.
TEST(FormFonts, BoldThaiLoopsStayOpen) {
  for (const LONG height : {-11, -13}) {
    const FontSpec bold{"Tahoma", height, FW_BOLD};
    for (const std::string_view letter : {"ส"_cp874, "อ"_cp874, "จ"_cp874})
      EXPECT_GT(EnclosedPixels(DrawnText(bold, letter)), 0) << height << " letter " << int(std::uint8_t(letter[0]));
    EXPECT_NE(DrawnText(bold, "ท"_cp874), DrawnText(bold, "ห"_cp874)) << height;
  }
}

}  // namespace
