// Pixel probes of the markup renderer's drawing.
#include <gtest/gtest.h>

#include "grid/theme_api.h"
#include "markup_test_support.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/text_constants.h"
#include "recording_theme_provider.h"

namespace {

using markuptest::MarkupCanvas;

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00;

class MarkupPaint : public ::testing::Test {
 protected:
  bool Draw(TDrawMarkupInput in) {
    TDrawMarkupOutput out;
    const bool hit = DrawMarkup(in, out);
    last = out;
    return hit;
  }
  bool Draw(const std::string& text, const TRect& rect) { return Draw(c.Input(text, rect)); }

  MarkupCanvas c;
  TDrawMarkupOutput last;
};

TEST_F(MarkupPaint, FontColorInksTheText) {
  Draw("<FONT COLOR=\"#ff0000\">WWW</FONT>", {0, 0, 200, 40});
  EXPECT_GT(c.Count({0, 0, 200, 40}, kRed), 10);
  EXPECT_EQ(c.Count({0, 0, 200, 40}, clBlack), 0);
}

TEST_F(MarkupPaint, AnchorsAreUnderlinedInTheUrlColour) {
  const std::string text = "<A HREF=\"a\">mmm</A> <A HREF=\"b\">mmm</A>";
  const Integer w = c.TextWidth("mmm"), second = 1 + w + c.TextWidth(" "), gh = c.GH();
  TDrawMarkupInput in = c.Input(text, {0, 0, 200, 40});
  Draw(in);
  EXPECT_TRUE(c.HasLine(1, 1 + w, 0, gh + 2, clBlue));
  EXPECT_TRUE(c.HasLine(second, second + w, 0, gh + 2, clBlue));
  c.Clear();
  in.HoverStyle = true;
  in.HoverAnchor = 2;
  Draw(in);
  EXPECT_FALSE(c.HasLine(1, 1 + w, 0, gh + 2, clBlue));
  EXPECT_GT(c.Count({1, 0, 1 + w, gh}, clBlue), 10);   // still in the anchor colour
  EXPECT_TRUE(c.HasLine(second, second + w, 0, gh + 2, clBlue));
}

TEST_F(MarkupPaint, SelectedTextKeepsItsColour) {
  TDrawMarkupInput in = c.Input("<A HREF=\"a\">mmm</A><FONT COLOR=\"#ff0000\">mmm</FONT>", {0, 0, 200, 40});
  in.Selected = true;
  Draw(in);
  EXPECT_EQ(c.Count({0, 0, 200, 40}, clBlue), 0);
  EXPECT_EQ(c.Count({0, 0, 200, 40}, kRed), 0);
  EXPECT_GT(c.Count({0, 0, 200, 40}, clBlack), 20);
}

// Without WordWrap a run that does not fit ends the line with an ellipsis and drops the rest.
TEST_F(MarkupPaint, ARunThatDoesNotFitEndsTheLineWithAnEllipsis) {
  const TRect rect{0, 0, 120, 60};
  Draw("aaaa <B>bbbbbbbbbbbbbbbbbbbbbbbb</B><BR>more", rect);
  EXPECT_EQ(last.MarkupHeight, c.GH());
  EXPECT_EQ(last.PlainText, "aaaa bbbbbbbbbbbbbbbbbbbbbbbb");

  MarkupCanvas expected;
  TCanvas* e = expected.Canvas();
  const UINT format = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING | DT_NOPREFIX | DT_END_ELLIPSIS;
  e->Brush()->SetStyle(bsClear);
  e->RequiredState({csHandleValid, csFontValid, csBrushValid});
  TRect first{1, 0, 120, c.GH()};
  DrawTextA(e->Handle(), "aaaa ", -1, &first, format);
  e->Font()->SetStyle({fsBold});
  e->RequiredState({csHandleValid, csFontValid, csBrushValid});
  TRect second{1 + c.TextWidth("aaaa "), 0, 120, c.GH()};
  DrawTextA(e->Handle(), "bbbbbbbbbbbbbbbbbbbbbbbb", -1, &second, format);
  for (Integer y = 0; y < 60; ++y)
    for (Integer x = 0; x < 130; ++x) ASSERT_EQ(c.At(x, y), expected.At(x, y)) << x << "," << y;
}

TEST_F(MarkupPaint, AParagraphColourFillsItsBand) {
  const Integer gh = c.GH();
  Draw("<P BGCOLOR=\"#00ff00\">x</P>y", {10, 0, 150, 60});
  EXPECT_EQ(c.At(10, 1), kGreen);
  EXPECT_EQ(c.At(149, gh - 1), kGreen);
  EXPECT_EQ(c.At(9, 1), clWhite);
  EXPECT_EQ(c.At(150, 1), clWhite);
  EXPECT_EQ(c.At(149, gh + 1), clWhite);
}

TEST_F(MarkupPaint, ARuleIsBlackOnePixelBelowTheWorkingBottom) {
  const Integer gh = c.GH();
  Draw("abc<HR>def", {10, 0, 150, 60});
  for (Integer x : {11, 100, 149}) EXPECT_EQ(c.At(x, gh + 1), clBlack) << x;
  EXPECT_EQ(c.At(10, gh + 1), clWhite);
  EXPECT_EQ(c.At(150, gh + 1), clWhite);
  EXPECT_EQ(c.At(149, gh), clWhite);
  EXPECT_EQ(c.At(149, gh + 2), clWhite);
}

TEST_F(MarkupPaint, TheErrorMarkZigZagStartsBelowOnAMultipleOfFour) {
  const Integer b = c.GH();
  Draw("<E>abcd</E>", {3, 0, 150, 60});   // the text starts at x 4
  EXPECT_EQ(c.At(4, b + 1), kRed);
  EXPECT_NE(c.At(4, b - 1), kRed);
  EXPECT_EQ(c.At(6, b - 1), kRed);
  c.Clear();
  Draw("<E>abcd</E>", {5, 0, 150, 60});   // x 6
  EXPECT_EQ(c.At(6, b - 1), kRed);
  EXPECT_NE(c.At(6, b + 1), kRed);
  EXPECT_EQ(c.At(8, b + 1), kRed);
}

// One dotted rectangle per line of a two-line anchor; the focus anchor's HREF is reported.
TEST_F(MarkupPaint, TheFocusAnchorGetsARectangleOnEachOfItsLines) {
  const Integer gh = c.GH();
  TDrawMarkupInput in = c.Input("<A HREF=\"f\">aaa bbb</A>", {0, 0, c.TextWidth("aaa bbb"), 60});
  in.WordWrap = true;
  in.FocusAnchor = 0;
  Draw(in);
  EXPECT_EQ(last.FocusAnchorHref, "f");
  const Integer firstRight = 1 + c.TextWidth("aaa"), secondRight = 1 + c.TextWidth("bbb");
  for (Integer line = 0; line < 2; ++line) {
    const Integer right = line == 0 ? firstRight : secondRight;
    EXPECT_GT(c.Count({0, line * gh, 1, (line + 1) * gh}, clWhite), 0) << line;
    EXPECT_LT(c.Count({0, line * gh, 1, (line + 1) * gh}, clWhite), gh) << line;   // dotted left edge
    EXPECT_LT(c.Count({right, line * gh, right + 1, (line + 1) * gh}, clWhite), gh) << line;
  }
  EXPECT_EQ(c.Count({0, 2 * gh, 1, 3 * gh}, clWhite), gh);
}

TEST_F(MarkupPaint, ShadowsAreInTheShadowColour) {
  TDrawMarkupInput in = c.Input("<SHAD>WWW</SHAD>", {0, 0, 200, 40});
  in.ShadowColor = kRed;
  in.ShadowOffset = 2;
  Draw(in);
  EXPECT_GT(c.Count({0, 0, 200, 40}, kRed), 5);
  EXPECT_GT(c.Count({0, 0, 200, 40}, clBlack), 5);
}

TEST_F(MarkupPaint, TheCanvasComesBackAsItWas) {
  TCanvas* canvas = c.Canvas();
  canvas->Pen()->SetColor(clGreen);
  canvas->Pen()->SetWidth(2);
  canvas->Brush()->SetColor(clYellow);
  Draw("<B><I><FONT COLOR=\"#ff0000\" FACE=\"Courier New\" SIZE=\"5\" BGCOLOR=\"#0000ff\"><P BGCOLOR=\"#00ff00\">"
       "x<HR><E>y<HI>z<A HREF=\"a\">w",
       {0, 0, 200, 100});
  EXPECT_EQ(canvas->Pen()->Color(), clGreen);
  EXPECT_EQ(canvas->Pen()->Width(), 2);
  EXPECT_EQ(canvas->Brush()->Color(), clYellow);
  EXPECT_EQ(canvas->Brush()->Style(), bsSolid);
  EXPECT_EQ(canvas->Font()->Name(), "Arial");
  EXPECT_EQ(canvas->Font()->Size(), 10);
  EXPECT_EQ(canvas->Font()->Color(), clBlack);
  EXPECT_TRUE(canvas->Font()->Style().Empty());

  canvas->Brush()->SetStyle(bsClear);
  Draw("<P BGCOLOR=\"#00ff00\">x", {0, 0, 200, 100});
  EXPECT_EQ(canvas->Brush()->Style(), bsClear);
}

// An unclosed rotated-text tag: the font selected before it is selected again and the rotated font
// is gone.
TEST_F(MarkupPaint, AnUnclosedRotationLeavesNoFontBehind) {
  TCanvas* canvas = c.Canvas();
  canvas->RequiredState({csHandleValid, csFontValid});
  const HGDIOBJ before = GetCurrentObject(canvas->Handle(), OBJ_FONT);
  const std::size_t fonts = gdi::HandleTable::Instance().Count(gdi::ObjectKind::Font);
  Draw("<R a=\"90\">rotated", {0, 0, 200, 100});
  EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_FONT), before);
  EXPECT_EQ(gdi::HandleTable::Instance().Count(gdi::ObjectKind::Font), fonts);
  Draw("<R a=\"90\">a</R>b<R A=\"45\">c<R a=\"30\">d", {0, 0, 200, 100});
  EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_FONT), before);
  EXPECT_EQ(gdi::HandleTable::Instance().Count(gdi::ObjectKind::Font), fonts);
}

TEST_F(MarkupPaint, FieldsDrawThemedOnlyWhileThemesAreActive) {
  themetest::TRecordingThemeProvider provider;
  themetest::ScopedThemeProvider scope(provider);
  VerUZED::LoadThemeApi();
  const std::string text = "<CONTROL TYPE=\"COMBO\" ID=\"c\" VALUE=\"v\" WIDTH=\"60\">";
  provider.log.clear();
  Draw(text, {0, 0, 200, 40});
  const std::vector<std::string> themed = {"call IsThemeActive", "call OpenThemeData combobox",
                                           "call DrawThemeBackground 1 1", "call CloseThemeData"};
  EXPECT_EQ(provider.log, themed);
  provider.themeActive = FALSE;
  provider.log.clear();
  Draw(text, {0, 0, 200, 40});
  EXPECT_EQ(provider.log, std::vector<std::string>{"call IsThemeActive"});
  EXPECT_LT(c.Count({0, 0, 200, 40}, clWhite), 200 * 40);   // the classic combo box
  VerUZED::UnloadThemeApi();
}

}  // namespace
