// The painter interface and the classic looks: the shared routines' geometry, each painter's sizes,
// widths and colours, push buttons in every state probed pixel by pixel, the classic scroll-bar
// elements against the platform's own arrows, check boxes and the radio glyphs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_native_painter.h"
#include "controls/foundation/kx_office11_painter.h"
#include "controls/foundation/kx_painter.h"
#include "painter_test_support.h"
#include "platform/core/date_time.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/custom_image_list.h"
#include "platform/user/system_parameters.h"

namespace {

using namespace paintertest;

const TkxLookAndFeelPainterClass kBase = TkxCustomLookAndFeelPainter::Class();
const TkxLookAndFeelPainterClass kStandard = TkxStandardLookAndFeelPainter::Class();
const TkxLookAndFeelPainterClass kFlat = TkxFlatLookAndFeelPainter::Class();
const TkxLookAndFeelPainterClass kUltraFlat = TkxUltraFlatLookAndFeelPainter::Class();
const TkxLookAndFeelPainterClass kOffice11 = TkxOffice11LookAndFeelPainter::Class();
const TkxLookAndFeelPainterClass kNative = TkxWinXPLookAndFeelPainter::Class();

std::vector<TPoint> Points(const TkxCustomLookAndFeelPainter::TArrowPoints& a) { return {a.P[0], a.P[1], a.P[2]}; }

TEST(ArrowPolygon, DirectionsProportionalNarrowingAndGivenSize) {
  using P = TkxCustomLookAndFeelPainter;
  // (0, 0, 7, 7) down, proportional, size 0: s 2, w 3, h 2.
  EXPECT_EQ(Points(P::GetArrowPolygon({0, 0, 7, 7}, gdDown, true, 0)), (std::vector<TPoint>{{4, 3}, {3, 4}, {2, 3}}));
  EXPECT_EQ(Points(P::GetArrowPolygon({0, 0, 7, 7}, gdUp, true, 0)), (std::vector<TPoint>{{3, 3}, {2, 4}, {4, 4}}));
  // Left and right: s from the height, w = s, h = 2s - 1.
  EXPECT_EQ(Points(P::GetArrowPolygon({0, 0, 7, 7}, gdLeft, true, 0)), (std::vector<TPoint>{{3, 4}, {2, 3}, {3, 2}}));
  EXPECT_EQ(Points(P::GetArrowPolygon({0, 0, 7, 7}, gdRight, true, 0)), (std::vector<TPoint>{{2, 2}, {3, 3}, {2, 4}}));
  // 20 x 10 proportional narrows to (5, 0, 15, 10) first: the same triangle as that square's.
  EXPECT_EQ(Points(P::GetArrowPolygon({0, 0, 20, 10}, gdDown, true, 0)),
            Points(P::GetArrowPolygon({5, 0, 15, 10}, gdDown, false, 0)));
  EXPECT_EQ(Points(P::GetArrowPolygon({0, 0, 20, 10}, gdDown, false, 0)),
            (std::vector<TPoint>{{13, 3}, {9, 7}, {5, 3}}));   // s 5, w 9, h 5, centred in 20 x 10
  // A given size: s 4, w 7, h 4 in (0, 0, 20, 20).
  EXPECT_EQ(Points(P::GetArrowPolygon({0, 0, 20, 20}, gdUp, false, 4)),
            (std::vector<TPoint>{{9, 8}, {6, 11}, {12, 11}}));
}

TEST(StyleCodes, EachPainterAndItsKind) {
  const std::pair<TkxLookAndFeelPainterClass, TkxPainterStyle> kCases[] = {
      {kBase, pstStandard}, {kStandard, pstStandard}, {kFlat, pstFlat},
      {kUltraFlat, pstUltraFlat}, {kOffice11, pstOffice11}, {kNative, pstNative}};
  for (const auto& [painter, style] : kCases) EXPECT_EQ(painter->GetStyleCode(), style);
  EXPECT_EQ(StyleCodeToKind(pstFlat), lfFlat);
  EXPECT_EQ(StyleCodeToKind(pstStandard), lfStandard);
  EXPECT_EQ(StyleCodeToKind(pstUltraFlat), lfUltraFlat);
  EXPECT_EQ(StyleCodeToKind(pstNative), lfStandard);
  EXPECT_EQ(StyleCodeToKind(pstOffice11), lfOffice11);
}

TEST(PainterValues, SizesWidthsAndColoursOfEachClassicLook) {
  struct Row {
    const char* name;
    TkxLookAndFeelPainterClass painter;
    Integer control, buttonDefault, buttonNormal, pressedShift, textInset, header, sectionNormal, sectionPressed,
        expandBox, checkBorder;
    bool hotTracks;
    TPoint sortMark, closeButton;
  };
  const Row kRows[] = {
      {"base", kBase, 0, 0, 0, 0, 0, 0, 1, 1, 0, 2, false, {0, 0}, {16, 14}},
      {"standard", kStandard, 2, 3, 2, 1, 1, 1, 2, 1, 12, 2, false, {8, 7}, {16, 14}},
      {"flat", kFlat, 1, 2, 1, 1, 1, 1, 1, 1, 11, 2, false, {8, 7}, {16, 14}},
      {"ultra-flat", kUltraFlat, 1, 2, 1, 0, 2, 1, 1, 1, 11, 2, true, {7, 8}, {16, 15}},
      {"Office 2003", kOffice11, 1, 2, 1, 0, 2, 1, 1, 1, 11, 2, true, {7, 8}, {16, 15}},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    const TkxCustomLookAndFeelPainter& p = *r.painter;
    EXPECT_EQ(p.GetControlBorderWidth(), r.control);
    EXPECT_EQ(p.GetButtonBorderWidth(kxbsDefault), r.buttonDefault);
    for (TkxButtonState s : {kxbsNormal, kxbsHot, kxbsPressed, kxbsDisabled})
      EXPECT_EQ(p.GetButtonBorderWidth(s), r.buttonNormal);
    EXPECT_EQ(p.GetPressedTextShift(), r.pressedShift);
    EXPECT_EQ(p.GetButtonTextInset(), r.textInset);
    EXPECT_EQ(p.GetHeaderBorderWidth(), r.header);
    EXPECT_EQ(p.GetHeaderSectionBorderWidth(kxbsNormal), r.sectionNormal);
    EXPECT_EQ(p.GetHeaderSectionBorderWidth(kxbsPressed), r.sectionPressed);
    EXPECT_EQ(p.GetExpandBoxSize(), r.expandBox);
    EXPECT_EQ(p.GetCheckBoxBorderWidth(), r.checkBorder);
    EXPECT_EQ(p.HotTracksButtons(), r.hotTracks);
    EXPECT_EQ(p.GetSortMarkSize(), r.sortMark);
    EXPECT_EQ(p.GetSmallCloseButtonSize(), r.closeButton);
    EXPECT_EQ(p.GetMinThumbLength(true), 8);
    EXPECT_EQ(p.GetSizeGripAreaColor(), clBtnFace);
  }
  // Colours that differ between the looks.
  EXPECT_EQ(kBase->GetSplitterBorderColor(), TColor(0x9D9DA1));
  EXPECT_EQ(kUltraFlat->GetSplitterBorderColor(), clBtnShadow);
  EXPECT_EQ(kBase->PalettePaleYellowA(), TColor(0xD5FFFF));
  EXPECT_EQ(kStandard->PalettePaleYellowA(), clWindow);
  for (TkxLookAndFeelPainterClass p : {kBase, kStandard, kFlat, kUltraFlat}) {
    EXPECT_EQ(p->GetFaceColor(), clBtnFace);
    EXPECT_EQ(p->GetSelectionColor(), clHighlight);
    EXPECT_EQ(p->GetSelectionTextColor(), clHighlightText);
  }
  // The ultra-flat group borders of one button, of the first, middle and last of three.
  EXPECT_EQ(kUltraFlat->GetGroupButtonBorders(1, 0), (TRect{2, 2, 1, 2}));
  EXPECT_EQ(kUltraFlat->GetGroupButtonBorders(3, 1), (TRect{1, 2, 1, 2}));
  EXPECT_EQ(kUltraFlat->GetGroupButtonBorders(3, 2), (TRect{1, 2, 2, 2}));
  EXPECT_EQ(kStandard->GetGroupButtonBorders(3, 0), (TRect{2, 2, 2, 2}));
  EXPECT_EQ(TkxUltraFlatLookAndFeelPainter::Class()->GetFrameColorForState(kxbsNormal), clBtnShadow);
  EXPECT_EQ(TkxUltraFlatLookAndFeelPainter::Class()->GetFrameColorForState(kxbsHot), clHighlight);
}

TEST(PainterValues, GlyphColourFocusFrameAndCheckFace) {
  EXPECT_EQ(kBase->GetButtonGlyphColor(kxbsDisabled, clRed), clBtnShadow);
  EXPECT_EQ(kBase->GetButtonGlyphColor(kxbsNormal, clDefault), clBtnText);
  EXPECT_EQ(kBase->GetButtonGlyphColor(kxbsHot, clRed), clRed);
  EXPECT_EQ(kUltraFlat->GetButtonGlyphColor(kxbsPressed, clRed), clHighlightText);
  EXPECT_EQ(kUltraFlat->GetButtonGlyphState(kxbsPressed), kxbsNormal);
  EXPECT_EQ(kStandard->GetButtonGlyphState(kxbsPressed), kxbsPressed);
  const struct {
    TkxButtonState state;
    TColor face;
  } kFaces[] = {{kxbsDefault, clWindow}, {kxbsNormal, clWindow}, {kxbsHot, clWindow}, {kxbsPressed, clBtnFace},
                {kxbsDisabled, clBtnFace}};
  for (const auto& c : kFaces) EXPECT_EQ(kBase->GetCheckBoxFaceColor(c.state), c.face);

  TestCanvas surface(4, 4);
  TCanvas canvas;
  canvas.SetHandle(surface.dc());
  TkxCanvas kx(&canvas);
  EXPECT_EQ(kBase->CalcFocusFrameRect(kx, {0, 0, 8, 20}), (TRect{0, 0, 8, 20}));   // 4 in leaves it empty
  EXPECT_EQ(kBase->CalcFocusFrameRect(kx, {0, 0, 9, 20}), (TRect{4, 4, 5, 16}));
  EXPECT_EQ(kUltraFlat->CalcFocusFrameRect(kx, {0, 0, 8, 20}), (TRect{3, 3, 5, 17}));
  EXPECT_EQ(kUltraFlat->CalcFocusFrameRect(kx, {0, 0, 6, 20}), (TRect{0, 0, 6, 20}));
  canvas.SetHandle(nullptr);
}

TEST(PainterValues, HeaderRectanglesAndBandSizes) {
  EXPECT_EQ(kStandard->GetHeaderContentRect({0, 0, 50, 20}, {bLeft, bBottom}), (TRect{1, 0, 50, 19}));
  // Ultra-flat: a left neighbour takes the left border away, so the paint rectangle grows there.
  EXPECT_EQ(kUltraFlat->GetHeaderBorders({bLeft}), (TkxBorders{bTop, bRight, bBottom}));
  EXPECT_EQ(kOffice11->GetHeaderBorders({bLeft, bTop}), kxBordersAll);
  EXPECT_EQ(kUltraFlat->GetHeaderPaintRect({10, 10, 50, 30}, {bLeft}, kxBordersAll), (TRect{9, 10, 50, 30}));
  EXPECT_EQ(kStandard->CalcHeaderHeight(13), 19);
  EXPECT_EQ(kStandard->GetHeaderSectionTextRect({0, 0, 10, 10}, kxbsPressed), (TRect{1, 1, 11, 11}));
  EXPECT_EQ(kStandard->GetHeaderSectionContentRect({0, 0, 10, 10}, kxbsNormal), (TRect{2, 2, 8, 8}));
  EXPECT_EQ(kBase->GetSortMarkAreaSize(), (TPoint{16, 0}));
  EXPECT_EQ(kUltraFlat->GetSortMarkAreaSize(), (TPoint{16, 8}));
  const struct {
    TkxLookAndFeelPainterClass painter;
    Integer extra, border, cellBorder, spacing;
  } kBands[] = {{kBase, 15, 0, 0, 0}, {kStandard, 15, 1, 1, 1}, {kFlat, 15, 1, 1, 1}, {kUltraFlat, 12, 1, 1, 2}};
  for (const auto& b : kBands) {
    EXPECT_EQ(b.painter->GetBandExtraSpace(), b.extra);
    EXPECT_EQ(b.painter->GetBandBorderWidth(), b.border);
    EXPECT_EQ(b.painter->GetBandCellBorderWidth(), b.cellBorder);
    EXPECT_EQ(b.painter->GetBandCellSpacing(), b.spacing);
  }
  EXPECT_EQ(kStandard->GetBandCellTextRect({0, 0, 20, 20}), (TRect{3, 3, 17, 17}));
  EXPECT_EQ(kBase->GetToggleButtonSize(), (TPoint{13, 13}));
  EXPECT_EQ(kBase->GetDropDownButtonSize(), (TPoint{15, 0}));
  EXPECT_EQ(kBase->GetPopupBorderKind(), 1);
  EXPECT_EQ(kBase->GetSmallExpandBoxSize(), 9);
  EXPECT_EQ(kBase->GetGroupExpanderSize(), 15);
  EXPECT_TRUE(kBase->HitTestGroupExpander({0, 0, 10, 10}, {9, 9}));
  EXPECT_FALSE(kBase->HitTestGroupExpander({0, 0, 10, 10}, {10, 9}));
}

TEST(PainterValues, SkinOperationsAreNeutral) {
  for (TkxLookAndFeelPainterClass p : {kBase, kStandard, kUltraFlat, kOffice11, kNative}) {
    EXPECT_EQ(p->GetSkinEditButtonTextInset(), 0);
    EXPECT_EQ(p->GetSkinReservedValue(), 0);
    EXPECT_EQ(p->GetSkinEditButtonSize(), (TSize{0, 0}));
    EXPECT_EQ(p->GetSkinImageSize(), (TSize{0, 0}));
    EXPECT_EQ(p->GetSkinEditButtonTextColor(kxbsNormal), clDefault);
    EXPECT_EQ(p->GetSkinContainerBorderColor(), clDefault);
    EXPECT_EQ(p->GetSkinGroupBoxBorders(), TRect{});
    EXPECT_FALSE(p->IsSkinGroupBoxTransparent());
  }
}

class ClassicPaintTest : public PainterTest {
 protected:
  ClassicPaintTest() { SetDistinctSysColors(); }
  // The caption's pixels in the colour inside R.
  std::set<std::pair<int, int>> Caption(COLORREF color, const TRect& R) const { return PixelsOf(color, R); }
  void PaintExit(TkxLookAndFeelPainterClass painter, TkxButtonState state) {
    Clear();
    painter->PaintButton(kx_, {0, 0, 75, 23}, "Exit", state, true, clDefault, clDefault, false);
  }
};

TEST_F(ClassicPaintTest, StandardButtonInEveryState) {
  const TRect face{3, 3, 72, 20};
  PaintExit(kStandard, kxbsDefault);
  EXPECT_EQ(surface_.At(0, 0), 0u);          // black ring
  EXPECT_EQ(surface_.At(74, 22), 0u);
  EXPECT_EQ(surface_.At(1, 1), kHighlight);  // then the raised rings
  EXPECT_EQ(surface_.At(73, 21), kDark);
  EXPECT_EQ(surface_.At(2, 2), kLight);
  EXPECT_EQ(surface_.At(72, 20), kShadow);
  EXPECT_EQ(surface_.At(3, 3), kFace);
  EXPECT_FALSE(Caption(kText, face).empty());

  PaintExit(kStandard, kxbsNormal);
  EXPECT_EQ(surface_.At(0, 0), kHighlight);
  EXPECT_EQ(surface_.At(74, 22), kDark);
  EXPECT_EQ(surface_.At(1, 1), kLight);
  EXPECT_EQ(surface_.At(73, 21), kShadow);
  EXPECT_EQ(surface_.At(2, 2), kFace);
  const auto normal = Caption(kText, {0, 0, 75, 23});
  ASSERT_FALSE(normal.empty());

  PaintExit(kStandard, kxbsHot);   // the standard look has no hot state
  EXPECT_EQ(Caption(kText, {0, 0, 75, 23}), normal);
  EXPECT_EQ(surface_.At(0, 0), kHighlight);

  PaintExit(kStandard, kxbsPressed);
  EXPECT_EQ(surface_.At(0, 0), 0u);
  EXPECT_EQ(surface_.At(74, 22), 0u);
  EXPECT_EQ(surface_.At(1, 1), kShadow);
  EXPECT_EQ(surface_.At(73, 21), kShadow);
  EXPECT_EQ(surface_.At(2, 2), kFace);
  std::set<std::pair<int, int>> shifted;
  for (const auto& [x, y] : normal) shifted.insert({x + 1, y + 1});
  EXPECT_EQ(Caption(kText, {0, 0, 75, 23}), shifted);   // 1 pixel right and down

  PaintExit(kStandard, kxbsDisabled);
  const auto shadow = Caption(kShadow, {2, 2, 73, 21});
  ASSERT_FALSE(shadow.empty());
  EXPECT_TRUE(Caption(kText, {0, 0, 75, 23}).empty());
  std::set<std::pair<int, int>> copy;   // the highlight copy lies 1 pixel right and down
  for (const auto& [x, y] : Caption(kHighlight, {2, 2, 73, 21})) copy.insert({x - 1, y - 1});
  for (const auto& p : shadow) {
    const bool under = copy.count(p) != 0 || shadow.count({p.first + 1, p.second + 1}) != 0;
    EXPECT_TRUE(under) << p.first << "," << p.second;
  }
}

TEST_F(ClassicPaintTest, AFaceOfSeventeenMovesItsTextBoxUpOneAndEighteenDoesNot) {
  for (const auto& [height, textBox] : {std::pair{17, TRect{0, -1, 60, 16}}, std::pair{18, TRect{0, 0, 60, 18}}}) {
    SCOPED_TRACE(height);
    Clear();
    kBase->PaintButton(kx_, {0, 0, 60, height}, "Exit", kxbsNormal, false, clWhite, clBlack, false);
    const auto drawn = PixelsOf(0, {0, 0, 60, 40});
    Clear();
    kx_.GetBrush()->SetStyle(bsClear);
    kx_.GetFont()->SetColor(clBlack);
    kx_.DrawText("Exit", textBox, tfAlignHCenter | tfAlignVCenter | tfShowPrefix | tfSingleLine);
    kx_.GetBrush()->SetStyle(bsSolid);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn, PixelsOf(0, {0, 0, 60, 40}));
  }
  Clear();
  kBase->PaintButton(kx_, {0, 0, 60, 20}, "", kxbsNormal, false, clWhite, clBlack, false);
  EXPECT_TRUE(PixelsOf(0, {0, 0, 60, 40}).empty());   // no text: the face only
}

TEST_F(ClassicPaintTest, UltraFlatHotAndPressedUnderTheDefaultColours) {
  gdi::ResetSysColors();
  foundationtest::Pump();
  PaintExit(kUltraFlat, kxbsHot);
  EXPECT_EQ(surface_.At(0, 0), Shown(clHighlight));
  EXPECT_EQ(surface_.At(1, 1), COLORREF(RGB(183, 191, 212)));
  PaintExit(kUltraFlat, kxbsNormal);
  const auto normal = PixelsOf(Shown(clBtnText), {1, 1, 74, 22});
  PaintExit(kUltraFlat, kxbsPressed);
  EXPECT_EQ(surface_.At(0, 0), Shown(clHighlight));
  EXPECT_EQ(surface_.At(1, 1), COLORREF(RGB(136, 147, 177)));
  EXPECT_EQ(PixelsOf(Shown(clHighlightText), {1, 1, 74, 22}), normal);   // no shift
}

TEST_F(ClassicPaintTest, StandardScrollArrowsMatchThePlatformsInsideTheirRings) {
  const TRect r{0, 0, 17, 17};
  TestCanvas reference(17, 17);
  for (bool pressed : {false, true}) {
    SCOPED_TRACE(pressed);
    Clear();
    kStandard->PaintScrollBarElement(kx_, false, r, sbeStartArrow, pressed ? kxbsPressed : kxbsNormal);
    reference.Clear(0xFFFFFF);
    TRect at = pressed ? TRect{1, 1, 18, 18} : r;
    DrawFrameControl(reference.dc(), &at, DFC_SCROLL, DFCS_SCROLLUP | (pressed ? DFCS_FLAT : 0));
    for (int y = 2; y < 15; ++y)
      for (int x = 2; x < 15; ++x) ASSERT_EQ(surface_.At(x, y), reference.At(x, y)) << x << "," << y;
    EXPECT_EQ(surface_.At(0, 0), pressed ? kShadow : kFace);
    EXPECT_EQ(surface_.At(16, 16), pressed ? kShadow : kDark);
    EXPECT_EQ(surface_.At(1, 1), pressed ? kFace : kHighlight);
  }
}

TEST_F(ClassicPaintTest, ThumbsAndPageAreas) {
  const TRect r{0, 0, 16, 32};
  auto paint = [&](TkxLookAndFeelPainterClass painter, TkxScrollBarElement element, TkxButtonState state) {
    Clear();
    painter->PaintScrollBarElement(kx_, false, r, element, state);
    return surface_.Picture() + std::to_string(surface_.At(8, 8));
  };
  RefreshScrollBarPatterns();   // as the scroll bar does on a colour change
  const std::string thumb = paint(kStandard, sbeThumb, kxbsNormal);
  EXPECT_EQ(paint(kStandard, sbeThumb, kxbsHot), thumb);
  EXPECT_EQ(paint(kStandard, sbeThumb, kxbsPressed), thumb);
  EXPECT_EQ(surface_.At(8, 8), kFace);
  for (TkxLookAndFeelPainterClass painter : {kStandard, kFlat, kUltraFlat}) {
    paint(painter, sbeThumb, kxbsDisabled);
    EXPECT_EQ(surface_.Count(0xFFFFFF), 80 * 40);   // a disabled thumb paints nothing
    paint(painter, sbePageBefore, kxbsNormal);
    EXPECT_EQ(surface_.At(0, 0), kFace);
    EXPECT_EQ(surface_.At(1, 0), kHighlight);
    paint(painter, sbePageAfter, kxbsPressed);
    EXPECT_EQ(surface_.At(0, 0), 0u);
    EXPECT_EQ(surface_.At(1, 0), kDark);
  }
  // Flat and ultra-flat arrows are plain buttons with the triangle; ultra-flat keeps hot.
  paint(kUltraFlat, sbeEndArrow, kxbsHot);
  EXPECT_EQ(surface_.At(0, 0), kSelection);
  paint(kFlat, sbeEndArrow, kxbsHot);
  EXPECT_EQ(surface_.At(0, 0), kHighlight);
  EXPECT_FALSE(PixelsOf(kText, r).empty());
}

TEST_F(ClassicPaintTest, StandardCheckBoxRingsMarkAndDisabledMark) {
  const TRect r{0, 0, 13, 13};
  kStandard->PaintCheckBox(kx_, r, kxbsNormal, true, false);
  EXPECT_EQ(surface_.At(0, 0), kDark);
  EXPECT_EQ(surface_.At(12, 12), kLight);
  EXPECT_EQ(surface_.At(1, 1), kShadow);
  EXPECT_EQ(surface_.At(11, 11), kHighlight);
  EXPECT_EQ(surface_.At(2, 2), kWindow);
  const auto mark = PixelsOf(kText, r);
  EXPECT_EQ(mark.size(), 21u);   // three strokes of 7
  Clear();
  kStandard->PaintCheckBox(kx_, r, kxbsDisabled, true, false);
  EXPECT_EQ(PixelsOf(kGray, r), mark);
  EXPECT_EQ(surface_.At(2, 2), kFace);
  Clear();
  kFlat->PaintCheckBox(kx_, r, kxbsPressed, false, false);   // the flat inner ring takes the state's face
  EXPECT_EQ(surface_.At(1, 1), kFace);
  EXPECT_EQ(surface_.At(0, 0), kShadow);
}

TEST_F(ClassicPaintTest, StandardRadioGlyphHasThePlatformsRadioColours) {
  TkxRadioButtonImageList* list = GetSharedRadioButtonImageList();
  EXPECT_EQ(list->GetGlyphSize(), (TSize{12, 12}));
  EXPECT_EQ(kStandard->GetRadioButtonGlyphSize(), (TSize{12, 12}));
  EXPECT_EQ(TkxRadioButtonImageList::CalcStateKey(lfStandard, kxbsNormal, true, false, false), 12);
  TestCanvas reference(13, 13);
  // Pixel for pixel the platform's radio, except the inner ring's pixel on the diagonal at the
  // upper right: the glyph's tie rule gives it to the lower-right half (cl3DLight).
  auto compare = [&] {
    Clear();
    kStandard->PaintRadioButton(kx_, 0, 0, kxbsNormal, false, false, clDefault, false);
    reference.Clear(0xFFFFFF);
    TRect cell{0, 0, 13, 13};
    DrawFrameControl(reference.dc(), &cell, DFC_BUTTON, DFCS_BUTTONRADIO);
    EXPECT_EQ(reference.At(9, 2), Shown(cl3DDkShadow));
    EXPECT_EQ(surface_.At(9, 2), Shown(cl3DLight));
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 13; ++x)
        if (x != 9 || y != 2) {
          ASSERT_EQ(surface_.At(x, y), reference.At(x, y)) << x << "," << y;
        }
  };
  compare();
  const int index = COLOR_3DLIGHT;
  const COLORREF changed = 0x123456;
  SetSysColors(1, &index, &changed);   // the glyphs are rebuilt in the new colours
  foundationtest::Pump();
  compare();
  EXPECT_FALSE(PixelsOf(changed, {0, 0, 13, 13}).empty());
}

TEST_F(ClassicPaintTest, ADefaultStateRadioDrawsAsNormalInEveryKind) {
  TkxRadioButtonImageList* list = GetSharedRadioButtonImageList();
  for (TkxLookAndFeelPainterClass painter : {kFlat, kStandard, kUltraFlat, kOffice11}) {
    const TkxLookAndFeelKind kind = StyleCodeToKind(painter->GetStyleCode());
    SCOPED_TRACE(int(kind));
    for (bool checked : {false, true}) {
      EXPECT_EQ(list->FindImageIndex(kind, kxbsDefault, checked, false, false),
                list->FindImageIndex(kind, kxbsNormal, checked, false, false));
      Clear();
      painter->PaintRadioButton(kx_, 0, 0, kxbsNormal, checked, false, clDefault, false);
      const std::string normal = surface_.Picture() + std::to_string(surface_.At(5, 5));
      Clear();
      painter->PaintRadioButton(kx_, 0, 0, kxbsDefault, checked, false, clDefault, false);
      EXPECT_EQ(surface_.Picture() + std::to_string(surface_.At(5, 5)), normal);
    }
  }
  EXPECT_GE(TkxRadioButtonImageList::CalcStateKey(lfFlat, kxbsDefault, false, false, false), 0);
}

TEST_F(ClassicPaintTest, RadioGlyphOnABackgroundFillsItsSquare) {
  kStandard->PaintRadioButton(kx_, 10, 10, kxbsNormal, true, false, clRed, false);
  EXPECT_EQ(surface_.At(10, 10), 0x0000FFu);   // outside the circle: the background
  EXPECT_EQ(surface_.At(9, 9), 0xFFFFFFu);
  EXPECT_FALSE(PixelsOf(kWindowText, {10, 10, 22, 22}).empty());   // the dot
}

TEST_F(ClassicPaintTest, TrackPatternsAndIndicatorImages) {
  RefreshScrollBarPatterns();
  TBitmap* normal = GetScrollBarTrackPattern(false);
  ASSERT_NE(normal, nullptr);
  EXPECT_EQ(Shown(normal->Canvas()->Pixels(0, 0)), kFace);
  EXPECT_EQ(Shown(normal->Canvas()->Pixels(1, 0)), kHighlight);
  EXPECT_EQ(Shown(GetScrollBarTrackPattern(true)->Canvas()->Pixels(0, 1)), kDark);
  TCustomImageList* indicators = GetIndicatorImages();
  ASSERT_NE(indicators, nullptr);
  EXPECT_EQ(indicators->Count(), 6);
  EXPECT_EQ(indicators->Width(), 8);
  EXPECT_EQ(indicators->Height(), 9);
  kBase->PaintIndicator(kx_, {0, 0, 20, 21}, 1);   // the arrow, centred at (6, 6)
  EXPECT_EQ(surface_.At(8, 7), 0u);
  EXPECT_EQ(surface_.At(6, 6), 0xFFFFFFu);   // white is transparent
  Clear();
  kBase->PaintIndicator(kx_, {0, 0, 20, 21}, 0);
  EXPECT_EQ(surface_.Count(0xFFFFFF), 80 * 40);
  EXPECT_EQ(GetSystemCheckBoxGlyphSize(), (TSize{13, 13}));
  EXPECT_EQ(kStandard->GetCheckBoxGlyphSize(), (TSize{13, 13}));
}

TEST(SkinPainterRegistry, AnEmptyRegistryFindsNothingAndNamesIgnoreCase) {
  TkxExtendedStylePainters registry;
  TkxLookAndFeelPainterClass painter = nullptr;
  EXPECT_FALSE(registry.FindPainterByName("", painter));
  EXPECT_FALSE(registry.FindPainterByName("Blue", painter));
  auto* entry = new TkxExtendedStylePainters::TEntry;
  entry->Name = "Blue";
  entry->Painter = TkxFlatLookAndFeelPainter::Class();
  registry.Add(entry);
  EXPECT_TRUE(registry.FindPainterByName("bLUE", painter));
  EXPECT_EQ(painter, TkxFlatLookAndFeelPainter::Class());
}

TEST_F(ClassicPaintTest, SmallShapesDropDownGlyphPlusMinusAndCross) {
  kBase->PaintDropDownGlyph(kx_, {0, 0, 8, 8}, clBlack);   // base 5, height 3
  EXPECT_EQ(PixelsOf(0, {0, 0, 8, 8}), (std::set<std::pair<int, int>>{
                                           {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {2, 4}, {3, 4}, {4, 4}, {3, 5}}));
  Clear();
  TkxCustomLookAndFeelPainter::PaintPlusMinusSign(kx_, {0, 0, 9, 9}, false, clBlack);
  EXPECT_EQ(PixelsOf(0, {0, 0, 9, 9}).size(), 9u);   // a plus of two bars of 5
  Clear();
  kStandard->PaintSmallCloseButton(kx_, {0, 0, 16, 14}, kxbsNormal);
  EXPECT_EQ(surface_.At(0, 0), kHighlight);
  EXPECT_FALSE(PixelsOf(kText, {2, 2, 14, 12}).empty());
}

// One probe per family of the operations no control of the tool reaches: each paints on a clean
// surface and names pixels that must show given colours.
TEST_F(ClassicPaintTest, OneProbePerFamily) {
  const std::string text = "Ab";
  TkxCellText cell;
  cell.Text = &text;
  cell.TextColor = clBtnText;
  cell.BkColor = clWindow;
  struct Probe {
    const char* family;
    std::function<void()> paint;
    std::vector<std::pair<TPoint, COLORREF>> pixels;
  };
  const TkxBackground window{nullptr, clWindow};
  const Probe kProbes[] = {
      {"standard control border", [&] { kStandard->PaintControlBorder(kx_, {0, 0, 20, 20}); },
       {{{0, 0}, kShadow}, {{19, 19}, kHighlight}, {{1, 1}, kDark}, {{18, 18}, kLight}, {{2, 2}, 0xFFFFFF}}},
      {"flat control border", [&] { kFlat->PaintControlBorder(kx_, {0, 0, 20, 20}); },
       {{{0, 0}, kShadow}, {{19, 19}, kHighlight}, {{1, 1}, 0xFFFFFF}}},
      {"ultra-flat control border", [&] { kUltraFlat->PaintControlBorder(kx_, {0, 0, 20, 20}); },
       {{{0, 0}, kShadow}, {{19, 19}, kShadow}}},
      {"content frame", [&] { kStandard->PaintContentFrame(kx_, {0, 0, 20, 20}); }, {{{1, 1}, kDark}}},
      {"arrow button", [&] { kStandard->PaintArrowButton(kx_, {0, 0, 16, 16}, kxbsNormal, gdDown, true); },
       {{{0, 0}, kHighlight}, {{2, 2}, kFace}, {{7, 7}, kText}}},
      {"fill arrow", [&] { kStandard->FillArrow(kx_, {0, 0, 7, 7}, gdDown, clRed); },
       {{{3, 4}, 0x0000FF}, {{3, 2}, 0xFFFFFF}}},
      {"disabled scroll arrow", [&] { kBase->PaintScrollArrow(kx_, {0, 0, 7, 7}, kxbsDisabled, gdDown); },
       {{{3, 4}, kShadow}, {{4, 5}, kHighlight}}},
      {"standard expand box", [&] {
         kStandard->PaintExpandBox(kx_, {0, 0, 12, 12}, false, clDefault);
         kx_.FillSolidRect({0, 0, 20, 20}, clRed);   // the box left the clip region
       },
       {{{0, 0}, kHighlight}, {{11, 11}, kDark}, {{10, 10}, kShadow}, {{2, 2}, kFace}, {{5, 5}, kText},
        {{12, 12}, 0x0000FF}}},
      {"ultra-flat expand box", [&] { kUltraFlat->PaintExpandBox(kx_, {0, 0, 11, 11}, true, clWindow); },
       {{{0, 0}, kShadow}, {{2, 5}, kWindow}, {{3, 5}, kText}, {{5, 3}, kWindow}}},
      {"small expand box", [&] { kBase->PaintSmallExpandBox(kx_, {0, 0, 9, 9}, false, clRed, clWindow); },
       {{{0, 0}, 0x0000FF}, {{1, 1}, kWindow}, {{4, 2}, kText}}},
      {"group expander", [&] { kStandard->PaintGroupExpander(kx_, {0, 0, 15, 15}, true, kxbsNormal); },
       {{{0, 0}, kHighlight}, {{14, 14}, kShadow}}},
      {"standard header cell", [&] {
         kStandard->PaintHeader(kx_, {0, 0, 40, 18}, {2, 1, 38, 17}, {}, kxBordersAll, kxbsNormal, cell, false, false);
       },
       {{{0, 0}, kHighlight}, {{39, 17}, kShadow}, {{1, 1}, kWindow}}},
      {"ultra-flat header cell", [&] {
         kUltraFlat->PaintHeaderPlain(kx_, {0, 0, 40, 18}, {0, 0, 40, 18}, {}, {bRight, bBottom}, kxbsNormal, cell);
       },
       {{{38, 5}, kText}, {{5, 16}, kText}, {{1, 1}, kWindow}, {{39, 5}, kWindow}}},
      {"header section pressed", [&] {
         kStandard->PaintHeaderSection(kx_, {0, 0, 40, 18}, kxBordersAll, kxbsPressed, cell);
       },
       {{{0, 0}, kShadow}, {{39, 17}, kShadow}, {{1, 1}, kWindow}}},
      {"sort mark", [&] { kStandard->PaintSortMark(kx_, {0, 0, 16, 16}, true); },
       {{{11, 10}, kHighlight}, {{5, 10}, kHighlight}, {{5, 7}, kShadow}, {{4, 10}, kShadow}}},
      {"standard splitter", [&] { kStandard->PaintSplitter(kx_, {0, 0, 20, 6}, window, true); },
       {{{5, 0}, kFace}, {{5, 5}, kDark}, {{5, 1}, kHighlight}, {{5, 4}, kShadow}, {{5, 2}, kWindow}}},
      {"ultra-flat splitter", [&] { kUltraFlat->PaintSplitter(kx_, {0, 0, 6, 20}, window, false); },
       {{{0, 5}, kShadow}, {{5, 5}, kShadow}, {{2, 5}, kWindow}}},
      {"standard tab edge", [&] { kStandard->PaintTabEdge(kx_, {0, 0, 2, 20}, bRight, {}, false); },
       {{{0, 5}, kShadow}}},
      {"ultra-flat active tab edge", [&] { kUltraFlat->PaintTabEdge(kx_, {0, 0, 2, 20}, bRight, {}, false); },
       {{{0, 5}, kText}, {{0, 19}, 0xFFFFFF}}},
      {"tab area", [&] { kFlat->PaintTabArea(kx_, {0, 0, 20, 20}, {bTop}, false); },
       {{{5, 0}, kHighlight}, {{5, 19}, 0xFFFFFF}}},
      {"standard band cell", [&] { kStandard->PaintBandCell(kx_, {0, 0, 30, 16}, cell); },
       {{{0, 0}, kShadow}, {{29, 15}, kHighlight}, {{1, 1}, kWindow}}},
      {"band line", [&] { kUltraFlat->PaintBandLine(kx_, {0, 0, 10, 1}); }, {{{5, 0}, kShadow}}},
      {"framed band", [&] { kBase->PaintFramedBand(kx_, {0, 0, 30, 5}, window, clRed, 4); },
       {{{1, 1}, kWindow}, {{10, 1}, 0x0000FF}, {{28, 1}, kWindow}}},
      {"indicator cell", [&] { kStandard->PaintIndicatorCell(kx_, {0, 0, 12, 18}, 1, clWindow, nullptr); },
       {{{0, 0}, kHighlight}, {{5, 6}, 0}}},
      {"lines glyph", [&] { kBase->PaintLinesGlyph(kx_, {0, 0, 20, 13}, clRed); },
       {{{0, 2}, 0x0000FF}, {{5, 2}, 0x0000FF}, {{0, 4}, 0xFFFFFF}, {{5, 4}, 0x0000FF}}},
      {"window background", [&] { kBase->PaintWindowBackground(kx_, {0, 0, 10, 10}); }, {{{5, 5}, kFace}}},
      {"drop-down button", [&] { kStandard->PaintDropDownButton(kx_, {0, 0, 15, 15}, kxbsNormal, true); },
       {{{0, 0}, kHighlight}, {{7, 7}, 0xFF0000}}},
      {"size grip", [&] { kBase->PaintSizeGrip(kx_, {0, 0, 16, 16}, clRed); },   // the platform's grip over it
       {{{1, 1}, kFace}}},
      {"tool button", [&] { kUltraFlat->PaintToolButton(kx_, {0, 0, 16, 16}, kxbsNormal); },
       {{{0, 0}, kFace}}},
      {"group button", [&] { kUltraFlat->PaintGroupButton(kx_, {0, 0, 20, 16}, kxbsNormal, 2, 0, clRed); },
       {{{1, 1}, 0x0000FF}, {{0, 0}, 0xFFFFFF}, {{5, 5}, kFace}}},
      {"skin image without a list", [&] { kBase->PaintSkinImage(kx_, nullptr, 0, {0, 0}); }, {{{0, 0}, 0xFFFFFF}}},
  };
  for (const Probe& probe : kProbes) {
    SCOPED_TRACE(probe.family);
    Clear();
    kx_.PushClipRegion();   // expand boxes leave the clip region
    probe.paint();
    kx_.PopClipRegion();
    for (const auto& [at, color] : probe.pixels) EXPECT_EQ(surface_.At(at.X, at.Y), color) << at.X << "," << at.Y;
    kx_.GetBrush()->SetStyle(bsSolid);
  }
}

TEST_F(ClassicPaintTest, ClockAtThreePointsTheHourRightAndTheSecondsUp) {
  constexpr COLORREF kTeal = 0x808000, kAqua = 0xFFFF00, kSecondRed = 0x0000FF;
  kBase->PaintClockFace(kx_, {0, 0, 41, 41}, clWhite, EncodeTime(3, 0, 0, 0));
  EXPECT_EQ(surface_.At(30, 20), kTeal);       // the hour hand, straight right
  EXPECT_EQ(surface_.At(20, 30), 0xFFFFFFu);   // nothing below the centre
  EXPECT_EQ(surface_.At(20, 8), kSecondRed);   // the second hand, straight up
  EXPECT_EQ(surface_.At(39, 20), kTeal);       // the 3 o'clock mark: its centre, aqua left, text colour right
  EXPECT_EQ(surface_.At(38, 20), kAqua);
  EXPECT_EQ(surface_.At(40, 20), kText);
}

}  // namespace
