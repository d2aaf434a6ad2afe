// DrawText: the rectangle DT_CALCRECT gives holds what is then drawn, and lines, wrapping,
// ellipses, tabs, prefixes, vertical alignment and DT_EDITCONTROL's last-line rule put the same
// pixels as TextOut of the expected lines at the expected places.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_state.h"
#include "text_test_support.h"

namespace {

const FontSpec kTahoma{"Tahoma", -11};
const FontSpec kSans{"MS Sans Serif", -11};

bool IsThaiMark(char byte) {
  const int b = static_cast<unsigned char>(byte);
  return b == 0xD1 || (b >= 0xD4 && b <= 0xDA) || (b >= 0xE7 && b <= 0xEE);
}

int Draw(HDC dc, std::string_view text, TRect rect, UINT format) {
  return DrawTextA(dc, text.data(), int(text.size()), &rect, format);
}

TRect CalcRect(HDC dc, std::string_view text, TRect rect, UINT format) {
  DrawTextA(dc, text.data(), int(text.size()), &rect, format | DT_CALCRECT);
  return rect;
}

// The lines DrawText makes: the caller's index where each line starts, read back through
// DrawTextEx's processed length with rectangles one line taller each time.
std::vector<std::string> LinesOf(HDC dc, std::string_view text, int width, UINT format) {
  const int lineHeight = Metrics(dc).tmHeight;
  std::vector<std::size_t> starts{0};
  for (int lines = 1; starts.back() < text.size() && lines < 50; ++lines) {
    std::string copy(text);
    TRect rect{0, 0, width, lines * lineHeight};
    DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 0, 0, 0, 0};
    DrawTextExA(dc, copy.data(), int(copy.size()), &rect, format, &params);
    starts.push_back(params.uiLengthDrawn);
  }
  std::vector<std::string> lines;
  for (std::size_t i = 0; i + 1 < starts.size(); ++i) lines.emplace_back(text.substr(starts[i], starts[i + 1] - starts[i]));
  return lines;
}

// Item 1 of the consistency rules: calculate, then draw unclipped into the rectangle: all ink
// stays inside it, and the result is its height.
TEST(DrawText, CalcRectHoldsEveryPixelThenDrawn) {
  struct Case {
    std::string_view text;
    UINT format;
    int width;
  } cases[] = {
      {"Single line of text", DT_SINGLELINE, 10},
      {"เรื่องที่นี้ ชื่อ สมชาย ปู่ ฟ้า"_cp874, DT_SINGLELINE, 10},
      {"Wrapped words in a narrow box that needs several lines", DT_WORDBREAK, 70},
      {"ภาษีเงินได้บุคคลธรรมดา ประจำปี ๒๕๖๗ นายสมชาย ใจดี"_cp874, DT_WORDBREAK, 60},
      {"Centred\r\nlines of\r\ndifferent length", DT_CENTER, 30},
      {"Right aligned\nlines", DT_RIGHT, 30},
      {"Tabs\tand\tmore\ttabs", DT_EXPANDTABS | DT_SINGLELINE, 10},
      {"Averylongwordthatdoesnotfit and more", DT_WORDBREAK | DT_EDITCONTROL, 50},
      {"&File &Edit", DT_SINGLELINE, 10},
      {"A path C:\\Program Files\\Payroll\\data.dat", DT_PATH_ELLIPSIS | DT_SINGLELINE, 90},
  };
  for (const FontSpec& font : {kTahoma, kSans, FontSpec{"Times New Roman", -16, FW_BOLD}}) {
    for (const Case& c : cases) {
      TestCanvas canvas(300, 200);
      WithFont f(canvas.dc(), font);
      SetBkMode(canvas.dc(), TRANSPARENT);
      const TRect start{20, 15, 20 + c.width, 15};
      TRect rect = start;
      const int height = DrawTextA(canvas.dc(), c.text.data(), int(c.text.size()), &rect, c.format | DT_CALCRECT);
      const std::string what = std::string(font.face) + ": " + Cp874ToUtf8(c.text);
      EXPECT_EQ(rect.Left, start.Left) << what;
      EXPECT_EQ(rect.Top, start.Top) << what;
      EXPECT_EQ(rect.Height(), height) << what;
      Draw(canvas.dc(), c.text, rect, c.format | DT_NOCLIP);
      const Ink ink = InkOf(canvas);
      ASSERT_FALSE(ink.empty()) << what;
      const TRect box = Box(ink);
      EXPECT_GE(box.Left, rect.Left) << what << canvas.Picture();
      EXPECT_GE(box.Top, rect.Top) << what;
      EXPECT_LE(box.Right, rect.Right) << what << canvas.Picture();
      EXPECT_LE(box.Bottom, rect.Bottom) << what << canvas.Picture();
    }
  }
}

TEST(DrawText, WordBreakFillsLinesGreedilyAtSpaces) {
  DisplayDc display;
  HDC dc = display.dc();
  WithFont f(dc, kTahoma);
  const std::string_view text = "nnn uuu hhh";   // three words of one width
  ASSERT_EQ(Width(dc, "nnn"), Width(dc, "uuu"));
  ASSERT_EQ(Width(dc, "nnn"), Width(dc, "hhh"));
  const int lh = Metrics(dc).tmHeight;
  struct Case {
    int width;
    std::vector<std::string> lines;
  } cases[] = {
      {Width(dc, "nnn uuu hhh"), {"nnn uuu hhh"}},
      {Width(dc, "nnn uuu"), {"nnn uuu ", "hhh"}},
      {Width(dc, "nnn uuu") - 1, {"nnn ", "uuu ", "hhh"}},
      {1, {"nnn ", "uuu ", "hhh"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LinesOf(dc, text, c.width, DT_WORDBREAK), c.lines) << "width " << c.width;
    const TRect calc = CalcRect(dc, text, {0, 0, c.width, 0}, DT_WORDBREAK);
    EXPECT_EQ(calc.Bottom, int(c.lines.size()) * lh) << "width " << c.width;
    int widest = 0;
    for (const std::string& line : c.lines) widest = std::max(widest, Width(dc, line.substr(0, line.find_last_not_of(' ') + 1)));
    EXPECT_EQ(calc.Right, widest) << "width " << c.width << ": blanks at a wrap do not count";
  }
  // What is drawn is each line's text at its line's place.
  const int width = Width(dc, "nnn uuu") - 1;
  const Ink drawn = Drawn(kTahoma, [&](HDC dc) { Draw(dc, text, {5, 5, 5 + width, 100}, DT_WORDBREAK); });
  const Ink expected = Drawn(kTahoma, [&](HDC dc) {
    Out(dc, 5, 5, "nnn");
    Out(dc, 5, 5 + lh, "uuu");
    Out(dc, 5, 5 + 2 * lh, "hhh");
  });
  EXPECT_EQ(drawn, expected);
}

TEST(DrawText, LongWordsStayWholeUnlessEditControlCutsThem) {
  DisplayDc display;
  HDC dc = display.dc();
  WithFont f(dc, kTahoma);
  const std::string_view text = "Supercalifragilistic word";
  const int width = Width(dc, "Supercali");
  EXPECT_EQ(LinesOf(dc, text, width, DT_WORDBREAK), (std::vector<std::string>{"Supercalifragilistic ", "word"}));
  EXPECT_EQ(CalcRect(dc, text, {0, 0, width, 0}, DT_WORDBREAK).Right, Width(dc, "Supercalifragilistic"));
  const std::vector<std::string> cut = LinesOf(dc, text, width, DT_WORDBREAK | DT_EDITCONTROL);
  ASSERT_GE(cut.size(), 3u);
  EXPECT_EQ(cut[0], "Supercali");
  std::string joined;
  for (const std::string& line : cut) {
    joined += line;
    EXPECT_LE(Width(dc, line.substr(0, line.find_last_not_of(' ') + 1)), width) << line;
  }
  EXPECT_EQ(joined, text);
  // A letter is never parted from its marks, even in a one-pixel box.
  const std::vector<std::string> thai = LinesOf(dc, "กี่ปั้"_cp874, 1, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_EQ(thai, (std::vector<std::string>{std::string("กี่"_cp874), std::string("ปั้"_cp874)}));
}

TEST(DrawText, ThaiWrapsBetweenWords) {
  DisplayDc display;
  HDC dc = display.dc();
  WithFont f(dc, kTahoma);
  // "สวัสดีครับผมชื่อสมชาย": hello, polite particle, I, name, Som + Chai (a name of two words).
  const std::string_view words[] = {"สวัสดี"_cp874, "ครับ"_cp874, "ผม"_cp874, "ชื่อ"_cp874, "สม"_cp874, "ชาย"_cp874};
  std::string text;
  for (std::string_view w : words) text += w;
  const int width = Width(dc, std::string(words[0]) + std::string(words[1]));
  const std::vector<std::string> lines = LinesOf(dc, text, width, DT_WORDBREAK);
  ASSERT_GE(lines.size(), 2u);
  std::string joined;
  std::set<std::size_t> wordEnds{0};
  std::size_t at = 0;
  for (std::string_view w : words) wordEnds.insert(at += w.size());
  for (const std::string& line : lines) {
    EXPECT_TRUE(wordEnds.count(joined.size())) << "a line starts inside a word: " << Cp874ToUtf8(line);
    EXPECT_LE(Width(dc, line), width) << Cp874ToUtf8(line);
    joined += line;
  }
  EXPECT_EQ(joined, text);
  EXPECT_EQ(lines[0], std::string(words[0]) + std::string(words[1]));
}

TEST(DrawText, EndAndPathEllipsisShortenToTheWidth) {
  struct Case {
    std::string_view text;
    UINT format;
    std::string_view kept;   // the part that must survive at the end
  } cases[] = {
      {"Employee name that is far too long", DT_END_ELLIPSIS, ""},
      {"นายสมชาย ใจดี ผู้จัดการฝ่ายบัญชี"_cp874, DT_END_ELLIPSIS, ""},
      {"C:\\Program Files\\Payroll\\Data\\employees.dat", DT_PATH_ELLIPSIS, "\\employees.dat"},
      {"/home/payroll/data/2567/employees.dat", DT_PATH_ELLIPSIS, "/employees.dat"},
  };
  DisplayDc display;
  HDC dc = display.dc();
  WithFont f(dc, kTahoma);
  for (const Case& c : cases) {
    const int width = Width(dc, c.text) / 2;
    std::string buffer(c.text);
    buffer.resize(c.text.size() + 4);
    TRect rect{0, 0, width, 20};
    ASSERT_GT(DrawTextA(dc, buffer.data(), int(c.text.size()), &rect, c.format | DT_SINGLELINE | DT_MODIFYSTRING), 0);
    const std::string shown = buffer.c_str();
    const std::string what = Cp874ToUtf8(c.text) + " -> " + Cp874ToUtf8(shown);
    const std::size_t dots = shown.find("...");
    ASSERT_NE(dots, std::string::npos) << what;
    EXPECT_EQ(shown.substr(0, dots), c.text.substr(0, dots)) << what;
    EXPECT_EQ(shown.substr(dots + 3), c.kept) << what;
    EXPECT_LE(Width(dc, shown), width) << what;
    // One more character of the start would not fit.
    std::string longer(c.text.substr(0, dots + 1));
    while (longer.size() < c.text.size() && IsThaiMark(c.text[longer.size()])) longer += c.text[longer.size()];
    EXPECT_GT(Width(dc, longer + "..." + std::string(c.kept)), width) << what;
    // What is drawn is the shortened text; the rectangle of the calculation is its width.
    EXPECT_EQ(Drawn(kTahoma, [&](HDC d) { Draw(d, c.text, {3, 3, 3 + width, 40}, c.format | DT_SINGLELINE); }, 300),
              Drawn(kTahoma, [&](HDC d) { Out(d, 3, 3, shown); }, 300))
        << what;
    EXPECT_EQ(CalcRect(dc, c.text, {0, 0, width, 0}, c.format | DT_SINGLELINE).Right, Width(dc, shown)) << what;
  }
  // A text that fits is left alone, also in the caller's buffer.
  char fits[] = "Fits";
  TRect wide{0, 0, 200, 20};
  DrawTextA(dc, fits, -1, &wide, DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_SINGLELINE);
  EXPECT_STREQ(fits, "Fits");
}

TEST(DrawText, TabsExpandToStopsFromTheLineStart) {
  const std::string_view text = "a\tb\tc";
  int ave = 0;
  struct Case {
    UINT format;
    int tabLength;   // DrawTextEx's, 0 for none
    int stop;        // in average character widths
  } cases[] = {
      {DT_EXPANDTABS, 0, 8},
      {DT_EXPANDTABS | DT_TABSTOP | (4 << 8), 0, 4},
      {DT_EXPANDTABS | DT_TABSTOP | (0x0C << 8), 0, 12},   // bits 8-15 are the count, not flags
      {DT_EXPANDTABS, 3, 3},
  };
  for (const Case& c : cases) {
    const Ink drawn = Drawn(kTahoma, [&](HDC dc) {
      ave = Metrics(dc).tmAveCharWidth;
      std::string copy(text);
      TRect rect{10, 5, 1000, 60};
      DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), c.tabLength, 0, 0, 0};
      DrawTextExA(dc, copy.data(), int(copy.size()), &rect, c.format | DT_SINGLELINE, c.tabLength ? &params : nullptr);
    }, 1200);
    const Ink expected = Drawn(kTahoma, [&](HDC dc) {
      Out(dc, 10, 5, "a");
      Out(dc, 10 + c.stop * ave, 5, "b");
      Out(dc, 10 + 2 * c.stop * ave, 5, "c");
    }, 1200);
    EXPECT_EQ(drawn, expected) << "format " << c.format;
  }
  // Without DT_EXPANDTABS a tab takes no room.
  EXPECT_EQ(Drawn(kTahoma, [&](HDC dc) { Draw(dc, text, {10, 5, 200, 60}, DT_SINGLELINE); }),
            Drawn(kTahoma, [&](HDC dc) { Out(dc, 10, 5, "abc"); }));
}

TEST(DrawText, PrefixesUnderlineTheirCharacter) {
  int ascent = 0, height = 0;
  const Ink file = Drawn(kSans, [&](HDC dc) {
    ascent = Metrics(dc).tmAscent;
    height = Metrics(dc).tmHeight;
    Out(dc, 5, 5, "File");
  });
  int fWidth = 0;
  Drawn(kSans, [&](HDC dc) { fWidth = Width(dc, "F"); });
  Ink underline;   // what the accelerator adds: rows below the baseline under "F" only
  const Ink marked = Drawn(kSans, [&](HDC dc) { Draw(dc, "&File", {5, 5, 200, 60}, DT_SINGLELINE); });
  for (const auto& p : marked)
    if (!file.count(p)) underline.insert(p);
  ASSERT_FALSE(underline.empty());
  const TRect bar = Box(underline);
  EXPECT_EQ(bar.Left, 5);
  EXPECT_EQ(bar.Right, 5 + fWidth);
  EXPECT_GT(bar.Top, 5 + ascent - 1);
  EXPECT_LE(bar.Bottom, 5 + height);
  struct Case {
    std::string_view text;
    UINT format;
    std::string_view shown;
    bool underlined;
  } cases[] = {
      {"&File", DT_HIDEPREFIX, "File", false},
      {"&File", DT_NOPREFIX, "&File", false},
      {"Save && Exit", 0, "Save & Exit", false},
      {"Trailing&", 0, "Trailing", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Drawn(kSans, [&](HDC dc) { Draw(dc, c.text, {5, 5, 200, 60}, c.format | DT_SINGLELINE); }),
              Drawn(kSans, [&](HDC dc) { Out(dc, 5, 5, c.shown); }))
        << c.text;
  }
  EXPECT_EQ(Drawn(kSans, [&](HDC dc) { Draw(dc, "&File", {5, 5, 200, 60}, DT_PREFIXONLY | DT_SINGLELINE); }), underline);
  DisplayDc display;
  WithFont f(display.dc(), kSans);
  EXPECT_EQ(CalcRect(display.dc(), "&File", {0, 0, 0, 0}, DT_SINGLELINE).Right, Width(display.dc(), "File"));
  EXPECT_EQ(CalcRect(display.dc(), "&File", {0, 0, 0, 0}, DT_SINGLELINE | DT_NOPREFIX).Right,
            Width(display.dc(), "&File"));
}

TEST(DrawText, VerticalAlignmentActsOnSingleLines) {
  const TRect rect{10, 10, 150, 50};   // 40 high
  int lh = 0;
  Drawn(kTahoma, [&](HDC dc) { lh = Metrics(dc).tmHeight; });
  struct Case {
    UINT format;
    int top;      // where the line goes
    int result;   // DrawText's return value
  } cases[] = {
      {DT_SINGLELINE, 10, lh},
      {DT_SINGLELINE | DT_VCENTER, 10 + (40 - lh) / 2, (40 - lh) / 2 + lh},
      {DT_SINGLELINE | DT_BOTTOM, 50 - lh, 40},
      {DT_VCENTER, 10, lh},   // ignored without DT_SINGLELINE
      {DT_BOTTOM | DT_WORDBREAK, 10, lh},
  };
  for (const Case& c : cases) {
    int result = 0;
    const Ink drawn = Drawn(kTahoma, [&](HDC dc) { result = Draw(dc, "Middle", rect, c.format); });
    EXPECT_EQ(drawn, Drawn(kTahoma, [&](HDC dc) { Out(dc, 10, c.top, "Middle"); })) << "format " << c.format;
    EXPECT_EQ(result, c.result) << "format " << c.format;
  }
  // A rectangle lower than the line centres it all the same (the division rounds toward zero).
  const Ink tight = Drawn(kTahoma, [&](HDC dc) { Draw(dc, "Tight", {10, 10, 150, 15}, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP); });
  EXPECT_EQ(tight, Drawn(kTahoma, [&](HDC dc) { Out(dc, 10, 10 + (5 - lh) / 2, "Tight"); }));
}

TEST(DrawText, EditControlDrawsOnlyWholeLines) {
  const std::string_view text = "first\nsecond\nthird\nfourth";
  int lh = 0;
  Drawn(kTahoma, [&](HDC dc) { lh = Metrics(dc).tmHeight; });
  const TRect rect{5, 5, 200, 5 + 2 * lh + lh / 2};   // two and a half lines
  const Ink plain = Drawn(kTahoma, [&](HDC dc) { Draw(dc, text, rect, 0); }, 200, 120);
  const Ink edit = Drawn(kTahoma, [&](HDC dc) { Draw(dc, text, rect, DT_EDITCONTROL); }, 200, 120);
  const Ink twoLines = Drawn(kTahoma, [&](HDC dc) {
    Out(dc, 5, 5, "first");
    Out(dc, 5, 5 + lh, "second");
  }, 200, 120);
  EXPECT_EQ(edit, twoLines);
  EXPECT_GT(plain.size(), edit.size()) << "without it the third line shows in part";
  // With an end ellipsis the last whole line says that more text follows.
  const Ink cut = Drawn(kTahoma, [&](HDC dc) { Draw(dc, text, rect, DT_EDITCONTROL | DT_END_ELLIPSIS); }, 200, 120);
  EXPECT_EQ(cut, Drawn(kTahoma, [&](HDC dc) {
              Out(dc, 5, 5, "first");
              Out(dc, 5, 5 + lh, "second...");
            }, 200, 120));
  // The processed length stops at the first line not drawn; the first line is drawn however low
  // the rectangle.
  DisplayDc display;
  WithFont f(display.dc(), kTahoma);
  std::string copy(text);
  TRect r = rect;
  DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 0, 0, 0, 0};
  DrawTextExA(display.dc(), copy.data(), -1, &r, DT_EDITCONTROL, &params);
  EXPECT_EQ(params.uiLengthDrawn, text.find("third"));
  DrawTextExA(display.dc(), copy.data(), -1, &r, 0, &params);
  EXPECT_EQ(params.uiLengthDrawn, text.find("fourth"));
  const Ink low = Drawn(kTahoma, [&](HDC dc) { Draw(dc, text, {5, 5, 200, 8}, DT_EDITCONTROL | DT_NOCLIP); });
  EXPECT_EQ(low, Drawn(kTahoma, [&](HDC dc) { Out(dc, 5, 5, "first"); }));
}

TEST(DrawText, LineBreaksAndEmptyTexts) {
  DisplayDc display;
  HDC dc = display.dc();
  WithFont f(dc, kTahoma);
  const int lh = Metrics(dc).tmHeight;
  struct Case {
    std::string_view text;
    UINT format;
    int lines;
  } cases[] = {
      {"one", 0, 1},
      {"one\r\ntwo", 0, 2},
      {"one\rtwo\nthree", 0, 3},
      {"one\r\n", 0, 1},                     // a break at the end starts no line
      {"one\r\nw", DT_WORDBREAK, 2},          // so a cell being edited appends a letter to count it
      {"one\r\n\r\ntwo", 0, 3},
      {"one\r\ntwo", DT_SINGLELINE, 1},
  };
  for (const Case& c : cases) {
    const TRect r = CalcRect(dc, c.text, {0, 0, 100, 0}, c.format);
    EXPECT_EQ(r.Bottom, c.lines * lh) << c.text;
  }
  TRect r{4, 6, 100, 100};
  EXPECT_EQ(DrawTextA(dc, "", 0, &r, DT_CALCRECT), lh);
  EXPECT_EQ(r, (TRect{4, 6, 4, 6}));
  r = {4, 6, 100, 100};
  EXPECT_EQ(DrawTextA(dc, "", -1, &r, DT_CALCRECT | DT_SINGLELINE), lh);
  EXPECT_EQ(r, (TRect{4, 6, 4, 6 + lh}));
  EXPECT_EQ(DrawTextA(dc, nullptr, 3, &r, 0), 0);
  EXPECT_EQ(DrawTextA(dc, "x", 1, nullptr, 0), 0);
  EXPECT_EQ(DrawTextA(nullptr, "x", 1, &r, 0), 0);
  // DT_EXTERNALLEADING adds the font's leading to every line.
  const int leading = Metrics(dc).tmExternalLeading;
  EXPECT_EQ(CalcRect(dc, "a\nb", {0, 0, 100, 0}, DT_EXTERNALLEADING).Bottom, 2 * (lh + leading));
}

TEST(DrawText, MarginsClippingAndRotatedFonts) {
  // DrawTextEx's margins narrow the box on both sides.
  const Ink margins = Drawn(kTahoma, [&](HDC dc) {
    char text[] = "Margins";
    TRect rect{10, 5, 150, 40};
    DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 0, 7, 11, 0};
    DrawTextExA(dc, text, -1, &rect, DT_SINGLELINE | DT_RIGHT, &params);
    EXPECT_EQ(params.uiLengthDrawn, 7u);
  });
  EXPECT_EQ(margins, Drawn(kTahoma, [&](HDC dc) { Out(dc, 150 - 11 - Width(dc, "Margins"), 5, "Margins"); }));
  // Without DT_NOCLIP nothing leaves the rectangle.
  const TRect small{10, 5, 30, 12};
  const Ink clipped = Drawn(kTahoma, [&](HDC dc) { Draw(dc, "Clipped text", small, DT_SINGLELINE); });
  for (auto [x, y] : clipped) EXPECT_TRUE(x >= small.Left && x < small.Right && y >= small.Top && y < small.Bottom);
  EXPECT_FALSE(clipped.empty());
  // A rotated font calculates the unrotated rectangle.
  DisplayDc display;
  TRect upright{}, turned{};
  {
    WithFont f(display.dc(), {"Arial", -14});
    upright = CalcRect(display.dc(), "Rotated\ttext", {0, 0, 0, 0}, DT_EXPANDTABS | DT_NOPREFIX);
  }
  {
    WithFont f(display.dc(), {"Arial", -14, FW_NORMAL, 0, 900});
    turned = CalcRect(display.dc(), "Rotated\ttext", {0, 0, 0, 0}, DT_EXPANDTABS | DT_NOPREFIX);
  }
  EXPECT_EQ(turned, upright);
  EXPECT_GT(upright.Right, upright.Bottom);
}

}  // namespace
