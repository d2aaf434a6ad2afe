// The markup renderer's layout and hit tests, with expectations from the platform's own metrics.
#include <gtest/gtest.h>

#include "markup_test_support.h"

namespace {

using markuptest::MarkupCanvas;

class MarkupLayout : public ::testing::Test {
 protected:
  TDrawMarkupOutput Measure(const std::string& text, const TRect& rect, bool wordWrap = false) {
    TDrawMarkupInput in = c.Input(text, rect);
    in.WordWrap = wordWrap;
    in.MeasureOnly = true;
    TDrawMarkupOutput out;
    result = DrawMarkup(in, out);
    return out;
  }
  // A hit test at (x, y): HitTestOnly, or drawing when hitTestOnly is false.
  TDrawMarkupOutput HitTest(const std::string& text, const TRect& rect, Integer x, Integer y, bool wordWrap = false,
                            bool hitTestOnly = true, const std::string& controlID = "") {
    TDrawMarkupInput in = c.Input(text, rect);
    in.WordWrap = wordWrap;
    in.HitTestOnly = hitTestOnly;
    in.MouseX = x;
    in.MouseY = y;
    TDrawMarkupOutput out;
    out.ControlID = controlID;
    result = DrawMarkup(in, out);
    return out;
  }

  MarkupCanvas c;
  bool result = false;
};

TEST_F(MarkupLayout, AnEmptyTextIsOneGhHighAndNothingWide) {
  const TDrawMarkupOutput out = Measure("", {0, 0, 200, 100});
  EXPECT_FALSE(result);
  EXPECT_EQ(out.MarkupWidth, 0);
  EXPECT_EQ(out.MarkupHeight, c.GH());
  EXPECT_EQ(out.MouseAnchor, -1);
}

TEST_F(MarkupLayout, LinesWidthsAndPlainText) {
  const Integer gh = c.GH();
  const struct {
    std::string text;
    std::string plain;
    Integer width, height;
  } cases[] = {
      {"a<BR>b", "a\rb", std::max(c.TextWidth("a"), c.TextWidth("b")), 2 * gh},
      {"a\r\nb", "a\rb", std::max(c.TextWidth("a"), c.TextWidth("b")), 2 * gh},
      {"ab<B>cd</B>", "abcd", c.TextWidth("ab") + c.BoldWidth("cd"), gh},
      {"<LI>a<LI>b", "ab", std::max(c.TextWidth("a"), c.TextWidth("b")), 2 * gh},
      {"x<Z>hidden</Z>y", "xhiddeny", c.TextWidth("xy"), gh},
      {"&lt;B&gt;", "<B>", c.TextWidth("<B>"), gh},
      {"a<HR>b", "ab", std::max(c.TextWidth("a"), c.TextWidth("b")), 2 * gh},
      {"<BIG>a", "a", c.TextWidth("a"), gh},
  };
  for (const auto& k : cases) {
    const TDrawMarkupOutput out = Measure(k.text, {0, 0, 200, 100});
    EXPECT_EQ(out.PlainText, k.plain) << k.text;
    EXPECT_EQ(out.MarkupWidth, k.width) << k.text;
    EXPECT_EQ(out.MarkupHeight, k.height) << k.text;
  }
}

// The rectangle holds "abc " but not "abc de": the break comes after the blank, which does not
// count in the first line's width.
TEST_F(MarkupLayout, WordWrapBreaksAfterTheBlank) {
  ASSERT_GT(c.TextWidth("abc"), c.TextWidth("de"));
  const Integer lineWidth = c.TextWidth("abc de");
  const TDrawMarkupOutput out = Measure("abc de", {0, 0, lineWidth + 1, 100}, true);
  EXPECT_EQ(out.MarkupHeight, 2 * c.GH());
  EXPECT_EQ(out.MarkupWidth, c.TextWidth("abc"));
  EXPECT_EQ(out.PlainText, "abc de");
  const TDrawMarkupOutput wide = Measure("abc de", {0, 0, lineWidth + 2, 100}, true);
  EXPECT_EQ(wide.MarkupHeight, c.GH());
  // "&nbsp;" is no place to break.
  const TDrawMarkupOutput joined = Measure("abc&nbsp;de", {0, 0, lineWidth + 1, 100}, true);
  EXPECT_EQ(joined.MarkupHeight, c.GH());
}

TEST_F(MarkupLayout, ParagraphAlignmentHoldsForTheFollowingLines) {
  const TRect rect{10, 0, 210, 100};
  const Integer gh = c.GH(), cd = c.TextWidth("cd");
  const TDrawMarkupOutput right =
      HitTest("<P ALIGN=\"RIGHT\">x</P><A HREF=\"h\">cd</A>", rect, 210 - cd / 2, gh + gh / 2);
  EXPECT_TRUE(result);
  EXPECT_EQ(right.AnchorRect.Left, 210 - cd);
  EXPECT_EQ(right.AnchorRect.Right, 210);
  EXPECT_EQ(right.AnchorRect.Top, gh);
  const TDrawMarkupOutput back =
      HitTest("<P ALIGN=\"RIGHT\">x</P><P ALIGN=\"LEFT\"><A HREF=\"h\">cd</A>", rect, 11 + cd / 2, gh + gh / 2);
  EXPECT_TRUE(result);
  EXPECT_EQ(back.AnchorRect.Left, 11);
  const TDrawMarkupOutput centred = HitTest("<P ALIGN=\"CENTER\" INDENT=\"3\"><A HREF=\"h\">cd</A>", rect,
                                            11 + (199 - cd) / 2 + 3 + 1, gh / 2);
  EXPECT_TRUE(result);
  EXPECT_EQ(centred.AnchorRect.Left, 11 + (199 - cd) / 2 + 3);
}

TEST_F(MarkupLayout, TheSecondLineOfAnAnchorIsHitWhenMeasuringOnly) {
  const Integer gh = c.GH();
  const std::string text = "<A HREF=\"go\">aaa bbb</A>";
  const TRect rect{0, 0, c.TextWidth("aaa bbb"), 100};   // "bbb" goes to the second line
  const Integer x = 1 + c.TextWidth("bb"), y = gh + gh / 2;
  const TDrawMarkupOutput out = HitTest(text, rect, x, y, true);
  EXPECT_TRUE(result);
  EXPECT_EQ(out.MouseAnchor, 1);
  EXPECT_EQ(out.AnchorHref, "go");
  EXPECT_EQ(out.AnchorRect.Left, 1);   // the line's left edge
  EXPECT_EQ(out.AnchorRect.Top, gh);
  EXPECT_EQ(out.AnchorRect.Right, 1 + c.TextWidth("bbb"));
  EXPECT_EQ(out.AnchorRect.Bottom, 2 * gh);
  EXPECT_EQ(out.AnchorCount, 1);
  HitTest(text, rect, x, y, true, false);
  EXPECT_FALSE(result);   // drawing does not hit-test anchor text
}

TEST_F(MarkupLayout, AnAnchorAboveThePointIsNoHit) {
  const Integer gh = c.GH();
  HitTest("<A HREF=\"go\">link</A><BR>x", {0, 0, 200, 100}, 1 + c.TextWidth("li"), gh + gh / 2);
  EXPECT_FALSE(result);
  HitTest("<A HREF=\"go\">link</A><BR>x", {0, 0, 200, 100}, 1 + c.TextWidth("li"), gh / 2);
  EXPECT_TRUE(result);
}

TEST_F(MarkupLayout, AFieldNamedByControlIDIsHitWherever) {
  const std::string text =
      "ab <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"v\" WIDTH=\"40\"> <CONTROL TYPE=\"edit\" ID=\"e2\" "
      "VALUE=\"w&lt;\" WIDTH=\"30\">";
  const TDrawMarkupOutput out = HitTest(text, {0, 0, 290, 100}, -100, -100, false, true, "e2");
  EXPECT_TRUE(result);
  const Integer left = 1 + c.TextWidth("ab ") + 40 + c.TextWidth(" ");
  EXPECT_EQ(out.ControlRect.Left, left);
  EXPECT_EQ(out.ControlRect.Right, left + 30);
  EXPECT_EQ(out.ControlRect.Top, 0);
  EXPECT_EQ(out.ControlRect.Bottom, c.GH() + 6);
  EXPECT_EQ(out.ControlID, "e2");
  EXPECT_EQ(out.ControlValue, "w<");
  EXPECT_EQ(out.ControlType, "EDIT");
  EXPECT_EQ(out.AnchorHref, "ctrl");

  const TDrawMarkupOutput none = HitTest(text, {0, 0, 290, 100}, -100, -100, false, true, "");
  EXPECT_FALSE(result);
  EXPECT_EQ(none.ControlRect, (TRect{0, 0, 0, 0}));
}

TEST_F(MarkupLayout, ACheckFieldAnswersCtrlInBothModes) {
  const std::string text = "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"99\">";
  for (bool hitTestOnly : {true, false}) {
    const TDrawMarkupOutput out = HitTest(text, {0, 0, 200, 100}, 9, 8, false, hitTestOnly);
    EXPECT_TRUE(result);
    EXPECT_EQ(out.AnchorHref, "ctrl");
    EXPECT_EQ(out.ControlType, "CHECK");
    EXPECT_EQ(out.ControlRect, (TRect{1, 0, 17, 16}));
  }
  // A field whose WIDTH is not a whole number takes no room and is never hit.
  const TDrawMarkupOutput skipped = Measure("<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"40px\">x", {0, 0, 200, 100});
  EXPECT_EQ(skipped.MarkupWidth, c.TextWidth("x"));
}

}  // namespace
