// The visual-style painter against the logging fake (which parts and states it draws, what it
// measures, how it falls back per class) and the Office 2003 painter with and without the fake's
// colour scheme.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_native_painter.h"
#include "controls/foundation/kx_office11_painter.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "painter_test_support.h"
#include "platform/shims/builtin_theme_provider.h"

namespace {

using fakes::CallLog;
using fakes::LogLines;
using namespace paintertest;

const TkxLookAndFeelPainterClass kNative = TkxWinXPLookAndFeelPainter::Class();
const TkxLookAndFeelPainterClass kOffice11 = TkxOffice11LookAndFeelPainter::Class();

// The fake installed before the units start; `classes` chooses which themes open.
struct FakeFirst {
  explicit FakeFirst(bool present) : provider(present ? &fake : nullptr) {}
  fakes::TFakeThemeProvider fake;
  fakes::ScopedThemeProvider provider;
};

class NativePainterTest : private FakeFirst, public PainterTest {
 protected:
  NativePainterTest() : FakeFirst(true) { CallLog().clear(); }
  fakes::TFakeThemeProvider& Fake() { return fake; }
  std::vector<std::string> Drawn() { return LogLines("DrawTheme"); }
};

TEST_F(NativePainterTest, PushButtonStatesAndOneCentredLineWhateverTheWordWrap) {
  const int kStates[] = {5, 1, 2, 3, 4};
  for (int s = kxbsDefault; s <= kxbsDisabled; ++s) {
    CallLog().clear();
    kNative->PaintButton(kx_, {0, 0, 75, 23}, "Exit", TkxButtonState(s), true, clRed, clBlue, true);
    EXPECT_EQ(Drawn(), (std::vector<std::string>{
                           "DrawThemeBackground Button 1 " + std::to_string(kStates[s]) + " (0, 0, 75, 23)",
                           "DrawThemeText Exit -1 flags 37 (0, 0, 75, 23)"}));
  }
  EXPECT_EQ(surface_.Count(0xFFFFFF), 80 * 40);   // the theme drew it all: no classic pixels
}

TEST_F(NativePainterTest, CheckAndRadioStateTables) {
  Fake().partSizes["Button 2 1 true"] = {13, 13};
  const int kUnchecked[] = {1, 1, 2, 3, 4}, kChecked[] = {5, 5, 6, 7, 8};
  for (int s = kxbsDefault; s <= kxbsDisabled; ++s)
    for (bool checked : {false, true}) {
      CallLog().clear();
      const std::string state = std::to_string((checked ? kChecked : kUnchecked)[s]);
      kNative->PaintCheckBox(kx_, {0, 0, 13, 13}, TkxButtonState(s), checked, false);
      kNative->PaintRadioButton(kx_, 2, 3, TkxButtonState(s), checked, false, clDefault, false);
      EXPECT_EQ(Drawn(), (std::vector<std::string>{"DrawThemeBackground Button 3 " + state + " (0, 0, 13, 13)",
                                                   "DrawThemeBackground Button 2 " + state + " (2, 3, 15, 16)"}));
    }
  EXPECT_EQ(kNative->GetCheckBoxBorderWidth(), 0);
  EXPECT_EQ(kNative->GetRadioButtonGlyphSize(), (TSize{13, 13}));
  EXPECT_EQ(kNative->GetCheckBoxGlyphSize(), (TSize{13, 13}));   // part 3 state 5 unknown: the system size
}

TEST_F(NativePainterTest, ScrollBarThumbsArrowsAndPages) {
  kNative->PaintScrollBarElement(kx_, false, {0, 0, 16, 40}, sbeThumb, kxbsHot);
  kNative->PaintScrollBarElement(kx_, true, {0, 0, 40, 16}, sbeThumb, kxbsNormal);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"DrawThemeBackground ScrollBar 3 2 (0, 0, 16, 40)",
                                               "DrawThemeBackground ScrollBar 9 0 (0, 0, 16, 40)",
                                               "DrawThemeBackground ScrollBar 2 1 (0, 0, 40, 16)",
                                               "DrawThemeBackground ScrollBar 8 0 (0, 0, 40, 16)"}));
  const struct {
    bool horizontal;
    TkxScrollBarElement element;
    TkxButtonState state;
    int part, themeState;
  } kCases[] = {{false, sbeStartArrow, kxbsHot, 1, 0 * 4 + 2},      {false, sbeEndArrow, kxbsDisabled, 1, 1 * 4 + 4},
                {true, sbeStartArrow, kxbsNormal, 1, 2 * 4 + 1},     {true, sbeEndArrow, kxbsPressed, 1, 3 * 4 + 3},
                {false, sbePageBefore, kxbsNormal, 6, 1},            {false, sbePageAfter, kxbsPressed, 7, 3},
                {true, sbePageBefore, kxbsDisabled, 4, 4},           {true, sbePageAfter, kxbsHot, 5, 2}};
  for (const auto& c : kCases) {
    CallLog().clear();
    kNative->PaintScrollBarElement(kx_, c.horizontal, {0, 0, 16, 16}, c.element, c.state);
    EXPECT_EQ(Drawn(), std::vector<std::string>{"DrawThemeBackground ScrollBar " + std::to_string(c.part) + " " +
                                                std::to_string(c.themeState) + " (0, 0, 16, 16)"});
  }
  CallLog().clear();
  kNative->PaintScrollBarElement(kx_, false, {0, 0, 0, 16}, sbeThumb, kxbsNormal);
  EXPECT_TRUE(Drawn().empty());
}

TEST_F(NativePainterTest, ShortestThumbNeverBelowEight) {
  EXPECT_EQ(kNative->GetMinThumbLength(true), 8);   // no minimum size
  Fake().partSizes["ScrollBar 8 1 min"] = {5, 3};
  EXPECT_EQ(kNative->GetMinThumbLength(true), 8);   // true size fails: the minimum's height, at least 8
  Fake().partSizes["ScrollBar 8 1 min"] = {5, 20};
  EXPECT_EQ(kNative->GetMinThumbLength(true), 20);
  Fake().partSizes["ScrollBar 8 1 true"] = {5, 30};
  EXPECT_EQ(kNative->GetMinThumbLength(true), 34);
  Fake().partSizes["ScrollBar 9 1 min"] = {11, 2};
  Fake().partSizes["ScrollBar 9 1 true"] = {3, 2};
  EXPECT_EQ(kNative->GetMinThumbLength(false), 11);
  EXPECT_EQ(LogLines("GetThemePartSize ScrollBar 9").size(), 2u);
}

TEST_F(NativePainterTest, AMissingListViewThemeGivesTheStandardBorder) {
  EXPECT_EQ(kNative->GetControlBorderWidth(), 2);
  SetDistinctSysColors();
  kNative->PaintControlBorder(kx_, {0, 0, 20, 20});
  EXPECT_EQ(surface_.At(0, 0), kShadow);
  EXPECT_EQ(surface_.At(1, 1), kDark);
  EXPECT_TRUE(Drawn().empty());
}

TEST_F(NativePainterTest, APressedHeaderMovesItsText) {
  const std::string text = "Name";
  TkxCellText cell;
  cell.HorzAlign = taCenter;
  cell.Text = &text;
  kNative->PaintHeader(kx_, {0, 0, 60, 20}, {2, 2, 58, 18}, {}, kxBordersAll, kxbsPressed, cell, false, false);
  kNative->PaintHeader(kx_, {0, 0, 60, 20}, {2, 2, 58, 18}, {}, kxBordersAll, kxbsHot, cell, false, false);
  const std::vector<std::string> drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0], "DrawThemeBackground Header 1 3 (0, 0, 60, 20)");
  EXPECT_EQ(drawn[1].substr(drawn[1].size() - 14), "(3, 3, 59, 19)");
  EXPECT_EQ(drawn[2], "DrawThemeBackground Header 1 2 (0, 0, 60, 20)");
  EXPECT_EQ(drawn[3].substr(drawn[3].size() - 14), "(2, 2, 58, 18)");
}

TEST_F(NativePainterTest, MeasuresFromTheButtonThemeAndFallsBackWhenACallFails) {
  Fake().contentMargins["Button"] = {4, 3, 5, 6};
  EXPECT_EQ(kNative->GetButtonBorderWidth(kxbsNormal), 4);
  EXPECT_EQ(kNative->GetGroupButtonBorders(2, 0), (TRect{4, 3, 5, 6}));
  Fake().transparentClasses = {"Button"};
  EXPECT_EQ(kNative->GetGroupButtonBorders(2, 0), (TRect{3, 2, 4, 5}));
  EXPECT_EQ(kNative->GetGroupButtonPaintRect({10, 10, 20, 20}, 2, 0), (TRect{9, 9, 21, 21}));
  EXPECT_EQ(kNative->CalcFocusFrameRect(kx_, {0, 0, 75, 23}), (TRect{4, 3, 70, 17}));
  Fake().failing = {"GetThemeBackgroundContentRect"};
  EXPECT_EQ(kNative->CalcFocusFrameRect(kx_, {0, 0, 75, 23}), (TRect{4, 4, 71, 19}));
  // Colours: the fill (3802) and text (3803) properties, else the classic ones.
  EXPECT_EQ(kNative->GetButtonFaceColor(kxbsHot), clBtnFace);
  EXPECT_EQ(kNative->GetButtonGlyphColor(kxbsNormal, clDefault), clBtnText);
  Fake().colors["Button 3802"] = 0x112233;
  Fake().colors["Button 3803"] = 0x445566;
  EXPECT_EQ(kNative->GetButtonFaceColor(kxbsHot), TColor(0x112233));
  EXPECT_EQ(kNative->GetButtonGlyphColor(kxbsDisabled, clDefault), TColor(0x445566));
  EXPECT_EQ(LogLines("GetThemeColor Button 1 4 3803").size(), 1u);
  EXPECT_TRUE(kNative->HotTracksButtons());
  EXPECT_EQ(kNative->GetPressedTextShift(), 0);
  EXPECT_EQ(kNative->GetSmallCloseButtonSize(), (TPoint{16, 14}));   // "Window" 19 has no size
  Fake().partSizes["Window 19 1 true"] = {13, 13};
  EXPECT_EQ(kNative->GetSmallCloseButtonSize(), (TPoint{17, 17}));
}

TEST_F(NativePainterTest, ClassesTheThemeLacksFallBackToTheStandardLook) {
  Fake().classes = {"Button"};
  SetDistinctSysColors();
  EXPECT_EQ(kNative->GetHeaderBorderWidth(), 1);
  EXPECT_EQ(kNative->GetSplitterBorderColor(), TColor(0x9D9DA1));
  EXPECT_FALSE(kNative->SupportsTabPainting(false));
  kNative->PaintScrollBarElement(kx_, false, {0, 0, 16, 16}, sbeStartArrow, kxbsNormal);
  EXPECT_EQ(surface_.At(0, 0), kFace);   // the standard scroll button's outer ring
  EXPECT_EQ(kNative->GetMinThumbLength(true), 8);
  EXPECT_TRUE(Drawn().empty());
}

class Office11PainterTest : private FakeFirst, public PainterTest {
 protected:
  explicit Office11PainterTest(bool scheme) : FakeFirst(scheme) {}
};

struct Office11WithScheme : Office11PainterTest {
  Office11WithScheme() : Office11PainterTest(true) {}
};
struct Office11WithoutScheme : Office11PainterTest {
  Office11WithoutScheme() : Office11PainterTest(false) {}
};

// Face, hot, pressed and disabled faces of a 30 x 20 button, at its centre.
std::vector<COLORREF> PaintedFaces(TkxCanvas& kx, TestCanvas& surface) {
  std::vector<COLORREF> faces;
  for (TkxButtonState s : {kxbsNormal, kxbsHot, kxbsPressed, kxbsDisabled}) {
    kOffice11->PaintButton(kx, {0, 0, 30, 20}, "", s, true, clDefault, clDefault, false);
    faces.push_back(surface.At(15, 10));
  }
  return faces;
}

TEST_F(Office11WithScheme, ColoursOfTheBlueScheme) {
  ASSERT_EQ(GetOffice11Scheme(), 1);
  EXPECT_EQ(PaintedFaces(kx_, surface_), (std::vector<COLORREF>{Shown(Office11Color02), Shown(Office11Color22),
                                                                  Shown(Office11Color24), Shown(clBtnFace)}));
  EXPECT_EQ(kOffice11->GetButtonGlyphColor(kxbsPressed, clDefault), Office11Color30);   // a scheme keeps its glyph
  EXPECT_EQ(kOffice11->GetButtonGlyphColor(kxbsDisabled, clDefault), Office11Color31);
  EXPECT_EQ(kOffice11->GetFaceColor(), Office11Color02);
  EXPECT_EQ(kOffice11->GetSelectionTextColor(), clWindowText);
}

TEST_F(Office11WithoutScheme, ClassicMixesAndAPressedGlyphInHighlightText) {
  ASSERT_EQ(GetOffice11Scheme(), 0);
  const std::vector<COLORREF> faces = PaintedFaces(kx_, surface_);
  EXPECT_EQ(faces, (std::vector<COLORREF>{Shown(Office11Color02), Shown(Office11Color22), Shown(Office11Color24),
                                          Shown(clBtnFace)}));
  EXPECT_EQ(kOffice11->GetButtonGlyphColor(kxbsPressed, clDefault), clHighlightText);
  EXPECT_EQ(kOffice11->GetButtonGlyphColor(kxbsNormal, clRed), Office11Color30);
}

TEST_F(Office11WithScheme, AHotHeaderCellIsSolidWithAGradientLineAlongItsBottom) {
  TkxCellText cell;
  kOffice11->PaintCellContent(kx_, {10, 5, 50, 25}, {10, 5, 50, 25}, kxbsHot, cell, false);
  for (int y = 5; y <= 22; ++y) ASSERT_EQ(surface_.At(30, y), Shown(Office11Color00)) << y;
  for (int y = 23; y <= 25; ++y) {   // the line: rows 23 .. 25 from the hot colour down, 1 pixel left of the cell
    EXPECT_NE(surface_.At(30, y), Shown(Office11Color00)) << y;
    EXPECT_NE(surface_.At(30, y), 0xFFFFFFu) << y;
  }
  EXPECT_NE(surface_.At(30, 23), surface_.At(30, 25));
  EXPECT_NE(surface_.At(9, 24), 0xFFFFFFu);
  EXPECT_EQ(surface_.At(30, 26), 0xFFFFFFu);
  // A normal cell: the top colour, then a 4-row gradient to the shade colour.
  Clear();
  kOffice11->PaintCellContent(kx_, {10, 5, 50, 25}, {10, 5, 50, 25}, kxbsNormal, cell, false);
  const COLORREF top = Shown(TkxOffice11LookAndFeelPainter::Class()->GetHeaderTopColor());
  EXPECT_EQ(surface_.At(30, 20), top);
  EXPECT_NE(surface_.At(30, 24), top);
  EXPECT_EQ(surface_.At(30, 25), 0xFFFFFFu);
}

}  // namespace

namespace {

class BuiltInPainterTest : private fakes::ScopedThemeProvider, public PainterTest {
 protected:
  BuiltInPainterTest() : fakes::ScopedThemeProvider(&BuiltInThemeProvider()) {}
};

TEST_F(BuiltInPainterTest, AThemedButtonAndScrollBarShowTheStylesParts) {
  kNative->PaintButton(kx_, {0, 0, 75, 23}, "Exit", kxbsNormal, true, clDefault, clDefault, false);
  EXPECT_EQ(surface_.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(surface_.At(1, 0), COLORREF(RGB(112, 112, 112)));
  EXPECT_EQ(surface_.At(3, 3), COLORREF(RGB(236, 236, 236)));
  EXPECT_GT(surface_.Count(0), 10);   // the caption in the part's text colour
  EXPECT_EQ(kNative->GetButtonBorderWidth(kxbsNormal), 3);
  EXPECT_EQ(kNative->GetButtonFaceColor(kxbsHot), TColor(RGB(229, 241, 251)));
  EXPECT_EQ(kNative->GetControlBorderWidth(), 1);
  EXPECT_EQ(kNative->GetMinThumbLength(true), 12);   // the gripper's 8 plus 4
  Clear();
  kNative->PaintScrollBarElement(kx_, false, {0, 0, 16, 17}, sbeStartArrow, kxbsNormal);
  kNative->PaintScrollBarElement(kx_, false, {0, 17, 16, 40}, sbeThumb, kxbsNormal);
  EXPECT_EQ(surface_.At(8, 6), COLORREF(RGB(0, 0, 0)));        // the up arrow
  EXPECT_EQ(surface_.At(5, 28), COLORREF(RGB(120, 120, 120)));  // the gripper
  EXPECT_EQ(surface_.At(3, 20), COLORREF(RGB(205, 205, 205)));  // the thumb
  // "ComboBox" opens but defines no border colour: the splitter colour is the standard one.
  EXPECT_EQ(kNative->GetSplitterBorderColor(), TColor(0x9D9DA1));
}

}  // namespace
