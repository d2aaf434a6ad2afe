// Text laid out and drawn by the control library's own rules, on a headless 32-bit surface: the
// row breaking (long words, justification, line breaks, Thai clusters), the vertical distribution,
// selections over rows, the forced ellipsis, and the clipping left as it was found.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "controls/editors/kx_draw_text_utils.h"
#include "platform/core/cp874.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/text_extent.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font.h"
#include "platform/window_classes/edit_units.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;

class DrawTextUtilsTest : public ::testing::Test {
 protected:
  DrawTextUtilsTest() {
    canvas_.SetHandle(surface_.dc());
    canvas_.Font()->SetName("Tahoma");
    canvas_.Font()->SetSize(10);
    canvas_.RequiredState(TCanvasState{csHandleValid, csFontValid});
  }
  ~DrawTextUtilsTest() override { canvas_.SetHandle(nullptr); }

  HDC dc() { return canvas_.Handle(); }
  TkxTextRows Rows(const std::string& text, Integer width, TkxTextOutFlags flags) {
    TkxTextLayoutParams params;
    CalcTextParams(&canvas_, flags, params);
    TkxTextRows rows;
    Integer count = 0;
    MakeTextRows(dc(), text.data(), static_cast<Integer>(text.size()), TRect{0, 0, width, 1000}, 0, count, rows, params);
    return rows;
  }
  Integer Width(std::string_view text) {
    TSize size{};
    GetTextExtentPoint32A(dc(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  // The right-most column of a band of rows holding a pixel that is not white, or -1.
  int RightmostPainted(int top, int bottom) const {
    for (int x = surface_.width() - 1; x >= 0; --x)
      for (int y = top; y < bottom; ++y)
        if (surface_.At(x, y) != kWhite) return x;
    return -1;
  }
  int CountIn(COLORREF color, int top, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < surface_.width(); ++x) n += surface_.At(x, y) == color;
    return n;
  }

  TestCanvas surface_{200, 120};
  TCanvas canvas_;
};

std::string RowText(const TkxTextRowInfo& row) { return std::string(row.Text, static_cast<size_t>(row.TextLength)); }

TEST_F(DrawTextUtilsTest, AWordWiderThanTheRowOverflowsOrBreaks) {
  const std::string word = "abcdefghijklmnopqrstuvwxyz";
  const TkxTextRows whole = Rows(word, 30, tofWordBreak);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(RowText(whole[0]), word);
  EXPECT_GT(whole[0].Width, 30);

  const TkxTextRows broken = Rows(word, 30, tofWordBreak | tofBreakAnywhere);
  ASSERT_GT(broken.size(), 2u);
  std::string joined;
  for (const auto& row : broken) {
    EXPECT_GE(row.TextLength, 1);
    EXPECT_TRUE(row.Width <= 30 || row.TextLength == 1) << RowText(row);
    EXPECT_EQ(row.StartOffset, static_cast<Integer>(joined.size()));
    joined += RowText(row);
  }
  EXPECT_EQ(joined, word);
  const TkxTextRows oneLetter = Rows(word, 1, tofWordBreak | tofBreakAnywhere);   // at least one per row
  EXPECT_EQ(oneLetter.size(), word.size());
}

TEST_F(DrawTextUtilsTest, TheFittingLengthIsTheLongestPrefixThatFits) {
  const std::string text = "The quick brown fox jumps over the lazy dog";
  TkxTextLayoutParams params;
  CalcTextParams(&canvas_, 0, params);
  for (Integer maxWidth : {1, 7, 30, 61, 100, 150, 400}) {
    Integer longest = 1;   // at least one byte
    for (Integer n = 1; n <= static_cast<Integer>(text.size()); ++n)
      if (Width(text.substr(0, n)) <= maxWidth) longest = n;
    Integer width = -1;
    const Integer fit = GetFittingLength(dc(), params, text.data(), width, maxWidth, static_cast<Integer>(text.size()));
    if (Width(text) > 8 * maxWidth) {   // far too wide: left to the caller, character by character
      EXPECT_EQ(fit, 1) << maxWidth;
      EXPECT_EQ(width, 0) << maxWidth;
      continue;
    }
    EXPECT_EQ(fit, longest) << maxWidth;
    EXPECT_EQ(width, Width(text.substr(0, fit))) << maxWidth;
  }
}

TEST_F(DrawTextUtilsTest, CalcRectMeasuresAndTheResultCountsRowsOrPixels) {
  TkxTextLayoutParams params;
  CalcTextParams(&canvas_, 0, params);
  const Integer narrow = Width("abc d");
  TRect rect{10, 5, 10 + narrow + 7, 5};
  const Integer height = DrawTextInRect(&canvas_, "abc def", rect, tofWordBreak | tofCalcRect, 0, 0, clNone, clNone, 0, 4, 3);
  EXPECT_EQ(height, 2 * params.CharHeight);
  EXPECT_EQ(rect.Left, 10);
  EXPECT_EQ(rect.Right, 10 + 4 + std::max(Width("abc "), Width("def")) + 3);   // a row keeps its break
  EXPECT_EQ(rect.Top, 5);
  EXPECT_EQ(rect.Bottom, 5 + 2 * params.CharHeight);
  EXPECT_EQ(RightmostPainted(0, 120), -1) << "measuring draws nothing";

  TRect drawn{0, 0, narrow, 100};
  EXPECT_EQ(DrawTextInRect(&canvas_, "abc def", drawn, tofWordBreak | tofRowCountResult, 0, 0, clNone, clNone), 2);
  EXPECT_EQ(DrawTextInRect(&canvas_, "", drawn, tofWordBreak, 0, 0, clNone, clNone), 0);
  TRect empty{0, 0, 0, 100};
  EXPECT_EQ(DrawTextInRect(&canvas_, "abc", empty, tofWordBreak, 0, 0, clNone, clNone), 0);
}

TEST_F(DrawTextUtilsTest, LineBreaksEndRowsUnlessSingleLine) {
  const struct {
    TkxTextOutFlags flags;
    std::vector<std::string> rows;
  } cases[] = {
      {0, {"ab", "cd"}},
      {tofWordBreak, {"ab", "cd"}},
      {tofSingleLine, {"ab\r\ncd"}},
      {tofWordBreak, {"ab", "", "cd"}},
  };
  const std::string texts[] = {"ab\r\ncd", "ab\r\ncd", "ab\r\ncd", "ab\r\n\r\ncd"};
  for (size_t i = 0; i < std::size(cases); ++i) {
    const TkxTextRows rows = Rows(texts[i], 150, cases[i].flags);
    ASSERT_EQ(rows.size(), cases[i].rows.size()) << i;
    for (size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(RowText(rows[r]), cases[i].rows[r]) << i;
  }
  EXPECT_EQ(Rows("ab\r\ncd", 150, 0)[1].StartOffset, 4);
}

TEST_F(DrawTextUtilsTest, JustifyLeavesTheLastRowJustifyAllWidensIt) {
  const std::string text = "ab cd";
  const int natural = Width(text);
  for (TkxTextOutFlags mode : {tofJustify, tofJustifyAll}) {
    surface_.Clear(kWhite);
    TRect rect{0, 0, 150, 40};
    DrawTextInRect(&canvas_, text.c_str(), rect, mode | tofWordBreak, 0, 0, clNone, clNone);
    const int right = RightmostPainted(0, 40);
    if (mode == tofJustify) EXPECT_LT(right, natural + 1) << "the only row is the last one";
    else EXPECT_GT(right, 140) << "the space is widened to fill the row";
  }
}

TEST_F(DrawTextUtilsTest, DistributedRowsSpreadOverTheHeight) {
  TkxTextLayoutParams params;
  params.CharHeight = 16;
  params.RowHeight = 16;
  params.VertMode = tofDistributeVert;
  TkxTextRows rows(3);
  PlaceTextRows(dc(), TRect{0, 0, 50, 100}, params, 3, rows);
  EXPECT_EQ(params.RowHeight, 42);   // (100 - 16) div 2
  EXPECT_EQ(rows[0].Y, 0);
  EXPECT_EQ(rows[1].Y, 42);
  EXPECT_EQ(rows[2].Y, 84);

  params.RowHeight = 16;   // 101 - 16 = 85: one pixel left over, given to the first row
  PlaceTextRows(dc(), TRect{0, 0, 50, 101}, params, 3, rows);
  EXPECT_EQ(rows[1].Y, 43);
  EXPECT_EQ(rows[2].Y, 85);
}

TEST_F(DrawTextUtilsTest, ASelectionOverTwoRowsIsDrawnInBoth) {
  const std::string text = "abc def";
  TkxTextLayoutParams params;
  CalcTextParams(&canvas_, tofWordBreak, params);
  const int rowHeight = params.RowHeight;
  const struct {
    Integer start, length;
    bool firstRow, secondRow;
  } cases[] = {{1, 5, true, true}, {4, 100, false, true}, {0, 2, true, false}, {9, 2, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.start);
    surface_.Clear(kWhite);
    TRect rect{0, 0, Width("abc d"), 100};
    DrawTextInRect(&canvas_, text.c_str(), rect, tofWordBreak, c.start, c.length, clRed, clWhite);
    EXPECT_EQ(CountIn(kRed, 0, rowHeight) > 0, c.firstRow);
    EXPECT_EQ(CountIn(kRed, rowHeight, 2 * rowHeight) > 0, c.secondRow);
  }
}

TEST_F(DrawTextUtilsTest, TheForcedEllipsisEndsTheLastOfTwoRows) {
  const std::string text = "one two three four five";
  TkxTextLayoutParams params;
  CalcTextParams(&canvas_, tofWordBreak, params);
  TRect rect{0, 0, Width("three") + 2, 110};
  const Integer height = DrawTextInRect(&canvas_, text.c_str(), rect,
                                        tofWordBreak | tofWholeRowsOnly | tofEndEllipsis, 0, 0, clNone, clNone, 2);
  EXPECT_EQ(height, 2 * params.CharHeight);
  EXPECT_EQ(RightmostPainted(2 * params.RowHeight, 120), -1) << "only two rows are drawn";
  const int ellipsisEnd = Width("two...");
  EXPECT_GE(RightmostPainted(params.RowHeight, 2 * params.RowHeight), Width("two") + 1);
  EXPECT_LE(RightmostPainted(params.RowHeight, 2 * params.RowHeight), ellipsisEnd);
  surface_.Clear(kWhite);   // without whole rows only the ellipsis is not forced
  DrawTextInRect(&canvas_, text.c_str(), rect, tofWordBreak | tofEndEllipsis, 0, 0, clNone, clNone, 2);
  EXPECT_LE(RightmostPainted(params.RowHeight, 2 * params.RowHeight), Width("two"));
}

TEST_F(DrawTextUtilsTest, DrawingLeavesTheClippingAsItWas) {
  IntersectClipRect(dc(), 0, 0, 180, 100);
  TRect before{};
  GetClipBox(dc(), &before);
  TkxTextLayoutParams params;
  CalcTextParams(&canvas_, tofWordBreak, params);
  TRect rect{10, 10, 150, 80};   // the rows fit: they are not clipped themselves
  DrawTextInRect(&canvas_, "abc def", rect, tofWordBreak, 1, 3, clRed, clWhite);
  ASSERT_GT(surface_.Count(kRed), 0);
  TRect after{};
  GetClipBox(dc(), &after);
  EXPECT_EQ(after.Left, before.Left);
  EXPECT_EQ(after.Right, before.Right);
  EXPECT_EQ(after.Top, before.Top);
  EXPECT_EQ(after.Bottom, before.Bottom);
  // What is painted next reaches the selection's area too.
  HBRUSH blue = CreateSolidBrush(kBlue);
  const TRect all{0, 0, 200, 120};
  FillRect(dc(), &all, blue);
  DeleteObject(blue);
  EXPECT_EQ(surface_.Count(kRed), 0);
  SelectClipRgn(dc(), nullptr);
}

TEST_F(DrawTextUtilsTest, ThaiMarksStayWithTheirLetters) {
  const std::string text(("ที่นี่มีน้ำใจ กิ่งไม้"_cp874));
  for (Integer width : {1, 8, 20}) {
    SCOPED_TRACE(width);
    const TkxTextRows rows = Rows(text, width, tofWordBreak | tofBreakAnywhere);
    ASSERT_GT(rows.size(), 1u);
    for (const auto& row : rows) {
      ASSERT_GT(row.TextLength, 0);
      EXPECT_FALSE(edit::IsThaiMark(static_cast<unsigned char>(row.Text[0]))) << row.StartOffset;
    }
  }
  const std::string latin = "abcdef";   // Latin text still breaks byte by byte
  EXPECT_EQ(Rows(latin, 1, tofWordBreak | tofBreakAnywhere).size(), latin.size());
}

}  // namespace
