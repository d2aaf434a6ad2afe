// The control library's canvas on a headless 32-bit surface: text flags, fills and frames probed
// pixel by pixel, tiles (also at a negative window origin), clipping and the three stacks, and
// text drawn through both output calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_graphics_routines.h"
#include "controls/foundation/kx_screen_canvas.h"
#include "platform/core/cp874.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/region.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/user/system_parameters.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

// A class-library canvas and a TkxCanvas over a white surface of 60 x 60.
class KxCanvasTest : public ::testing::Test {
 protected:
  KxCanvasTest() { canvas_.SetHandle(surface_.dc()); }
  ~KxCanvasTest() override {
    canvas_.SetHandle(nullptr);
    gdi::ResetSysColors();
  }

  // The right-most column in which a pixel has the colour (or differs from white), or -1.
  int RightmostColumn(std::optional<COLORREF> color = std::nullopt) const {
    for (int x = surface_.width() - 1; x >= 0; --x)
      for (int y = 0; y < surface_.height(); ++y)
        if (color ? surface_.At(x, y) == *color : surface_.At(x, y) != kWhite) return x;
    return -1;
  }
  // Whether any pixel outside R differs from white.
  bool PaintedOutside(const TRect& R) const {
    for (int y = 0; y < surface_.height(); ++y)
      for (int x = 0; x < surface_.width(); ++x)
        if ((x < R.Left || x >= R.Right || y < R.Top || y >= R.Bottom) && surface_.At(x, y) != kWhite) return true;
    return false;
  }
  static TRect BoxOf(const TkxRegion& region) {
    TRect box{};
    GetRgnBox(region.Handle(), &box);
    return box;
  }

  TestCanvas surface_{60, 60};
  TCanvas canvas_;
  TkxCanvas kx_{&canvas_};
};

TEST(TextFlagsToDrawFlags, EachFlagAndTheWordBreakPair) {
  const std::pair<TkxTextFlags, UINT> kCases[] = {
      {0, DT_NOPREFIX},
      {tfAlignLeft, DT_NOPREFIX},
      {tfAlignRight, DT_NOPREFIX | DT_RIGHT},
      {tfAlignHCenter, DT_NOPREFIX | DT_CENTER},
      {tfAlignTop, DT_NOPREFIX},
      {tfAlignBottom, DT_NOPREFIX | DT_BOTTOM},
      {tfAlignVCenter, DT_NOPREFIX | DT_VCENTER},
      {tfSingleLine, DT_NOPREFIX | DT_SINGLELINE},
      {tfNoClip, DT_NOPREFIX | DT_NOCLIP},
      {tfExpandTabs, DT_NOPREFIX | DT_EXPANDTABS},
      {tfShowPrefix, 0},
      {tfShowPrefix | tfAlignRight, DT_RIGHT},
      {tfWordBreak, DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL},
      {tfWordBreak | tfKeepWordsWhole, DT_NOPREFIX | DT_WORDBREAK},
      {tfKeepWordsWhole, DT_NOPREFIX},
      {tfEndEllipsis, DT_NOPREFIX | DT_END_ELLIPSIS},
      {tfCalcOnly, DT_NOPREFIX | DT_CALCRECT},
      {tfPathEllipsis, DT_NOPREFIX | DT_PATH_ELLIPSIS},
  };
  for (const auto& [flags, expected] : kCases) EXPECT_EQ(TextFlagsToDrawFlags(flags), expected) << std::hex << flags;
}

TEST_F(KxCanvasTest, FillSolidRectLeavesEverythingAloneForClNoneAndKeepsTheBrushForClDefault) {
  kx_.GetBrush()->SetColor(clRed);
  const HBRUSH brush = kx_.GetBrush()->Handle();
  kx_.FillSolidRect({0, 0, 10, 10}, clNone);
  EXPECT_EQ(surface_.Count(kWhite), 3600);
  EXPECT_EQ(kx_.GetBrush()->Color(), clRed);
  EXPECT_EQ(kx_.GetBrush()->Handle(), brush);

  kx_.FillSolidRect({0, 0, 10, 10}, clDefault);
  EXPECT_EQ(surface_.Count(kRed), 100);
  kx_.FillSolidRect({10, 0, 20, 10}, clBlue);
  EXPECT_EQ(surface_.Count(kBlue), 100);
  EXPECT_EQ(kx_.GetBrush()->Color(), clBlue);
  kx_.FillSolidRect({20, 0, 20, 10}, clRed);   // empty
  EXPECT_EQ(surface_.Count(kRed), 100);
}

TEST_F(KxCanvasTest, AFrameWiderThanItsRectangleStaysInsideIt) {
  kx_.FrameRect({10, 10, 12, 20}, clRed, 3);
  EXPECT_EQ(surface_.Count(kRed), 20) << surface_.Picture();
  EXPECT_FALSE(PaintedOutside({10, 10, 12, 20}));
  // Chosen sides only, in the brush's colour for clDefault.
  kx_.FrameRect({30, 30, 40, 40}, clDefault, 2, {bTop, bRight});
  EXPECT_EQ(surface_.At(30, 31), kRed);
  EXPECT_EQ(surface_.At(39, 39), kRed);
  EXPECT_EQ(surface_.At(30, 32), kWhite);
  EXPECT_EQ(surface_.At(35, 39), kWhite);
}

// A 16 x 16 picture whose every pixel differs from the others.
std::unique_ptr<TBitmap> TileBitmap() {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) bitmap->Canvas()->SetPixels(x, y, TColor(RGB(BYTE(x * 16 + 8), BYTE(y * 16 + 8), 77)));
  return bitmap;
}

COLORREF TileColorAt(int x, int y) {
  const auto mod = [](int v) { return ((v % 16) + 16) % 16; };
  return RGB(BYTE(mod(x) * 16 + 8), BYTE(mod(y) * 16 + 8), 77);
}

TEST_F(KxCanvasTest, TilesLineUpWithMultiplesOfTheirSizeSoNeighbouringFillsAreSeamless) {
  const std::unique_ptr<TBitmap> tile = TileBitmap();
  kx_.FillRect({10, 10, 40, 40}, tile.get());
  kx_.FillRect({0, 0, 10, 50}, tile.get());
  kx_.FillRect({10, 40, 50, 50}, tile.get());
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x)
      if (x < 10 || (x < 40 && y >= 10) || y >= 40) {
        ASSERT_EQ(surface_.At(x, y), TileColorAt(x, y)) << x << "," << y;
      }
  EXPECT_EQ(surface_.At(45, 5), kWhite);
}

TEST_F(KxCanvasTest, TilesCoverRectanglesAtNegativeLogicalCoordinates) {
  // Logical (-20, -20) is the surface's corner: the tiles still start at multiples of 16 there.
  kx_.SetWindowOrg({-20, -20});
  kx_.FillRect({-20, -20, 20, 20}, TileBitmap().get());
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(surface_.At(x, y), TileColorAt(x - 20, y - 20)) << x << "," << y;
  EXPECT_EQ(surface_.At(40, 40), kWhite);
}

TEST_F(KxCanvasTest, FillRectWithExcludeKeepsLaterPaintingOut) {
  kx_.GetBrush()->SetColor(clRed);
  kx_.FillRect({0, 0, 10, 10}, nullptr, true);
  kx_.FillSolidRect({0, 0, 60, 60}, clBlue);
  EXPECT_EQ(surface_.Count(kRed), 100);
  EXPECT_EQ(surface_.Count(kBlue), 3500);
}

TEST_F(KxCanvasTest, ThreeDEdgesAndTwoColourFramesPaintTheirCornersInOrder) {
  const int indexes[] = {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT};
  const COLORREF colors[] = {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0), RGB(40, 0, 0)};
  SetSysColors(4, indexes, colors);
  const COLORREF shadow = colors[0], highlight = colors[1], dark = colors[2], light = colors[3];
  struct Case {
    bool sunken, outer;
    COLORREF leftTop, rightBottom;
  };
  const Case cases[] = {{true, true, shadow, highlight},
                        {true, false, dark, light},
                        {false, true, light, dark},
                        {false, false, highlight, shadow}};
  for (const Case& c : cases) {
    surface_.Clear(kWhite);
    kx_.Draw3DEdge({10, 10, 20, 20}, c.sunken, c.outer);
    SCOPED_TRACE(std::to_string(c.sunken) + std::to_string(c.outer));
    EXPECT_EQ(surface_.At(10, 10), c.leftTop);       // top-left: left, then top
    EXPECT_EQ(surface_.At(15, 10), c.leftTop);
    EXPECT_EQ(surface_.At(10, 15), c.leftTop);
    EXPECT_EQ(surface_.At(19, 10), c.rightBottom);   // top-right: the right side comes after the top
    EXPECT_EQ(surface_.At(10, 19), c.rightBottom);   // bottom-left: the bottom comes after the left
    EXPECT_EQ(surface_.At(19, 19), c.rightBottom);
    EXPECT_EQ(surface_.At(11, 11), kWhite);
  }
  surface_.Clear(kWhite);
  kx_.DrawTwoColorFrame({10, 10, 20, 20}, clRed, clBlue, {bLeft, bBottom}, 2);
  EXPECT_EQ(surface_.At(11, 10), kRed);
  EXPECT_EQ(surface_.At(11, 17), kRed);
  EXPECT_EQ(surface_.At(11, 18), kBlue);
  EXPECT_EQ(surface_.At(19, 19), kBlue);
  EXPECT_EQ(surface_.At(19, 10), kWhite);
  EXPECT_EQ(surface_.Count(kRed) + surface_.Count(kBlue), 36);
}

TEST_F(KxCanvasTest, FrameAndFillFramesThenFillsTheRest) {
  kx_.FrameAndFill({10, 10, 20, 20}, {nullptr, clBlue}, {bLeft, bTop}, clRed, 2);
  EXPECT_EQ(surface_.At(10, 19), kRed);
  EXPECT_EQ(surface_.At(19, 11), kRed);
  EXPECT_EQ(surface_.At(12, 12), kBlue);
  EXPECT_EQ(surface_.At(19, 19), kBlue);
  EXPECT_EQ(surface_.Count(kBlue), 64);
}

TEST_F(KxCanvasTest, FocusRectanglesUndoThemselvesAndInvertingInvertsWhateverIsThere) {
  kx_.FillSolidRect({0, 0, 30, 30}, clRed);
  kx_.GetFont()->SetColor(clGreen);
  std::vector<std::uint32_t> before;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) before.push_back(surface_.Raw(x, y) & 0xFFFFFF);
  const auto unchanged = [&] {
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x)
        if ((surface_.Raw(x, y) & 0xFFFFFF) != before[std::size_t(y * 60 + x)]) return false;
    return true;
  };
  kx_.DrawFocusRect({20, 20, 40, 40});
  EXPECT_FALSE(unchanged());
  kx_.DrawFocusRect({20, 20, 40, 40});
  EXPECT_TRUE(unchanged());

  kx_.InvertRect({25, 25, 35, 35});
  EXPECT_EQ(surface_.At(26, 26), RGB(0, 255, 255));   // red inverted
  EXPECT_EQ(surface_.At(32, 32), kBlack);              // white inverted
  EXPECT_EQ(surface_.At(36, 36), kWhite);
  EXPECT_EQ(canvas_.CopyMode(), TCopyMode(SRCCOPY));
}

TEST_F(KxCanvasTest, WithoutAClipTheClipRegionIsTheWholeDrawingRangeShiftedByTheOrigin) {
  EXPECT_EQ(BoxOf(*kx_.GetClipRegion(false)), (TRect{0, 0, 30000, 30000}));
  kx_.SetWindowOrg({5, 7});
  EXPECT_EQ(BoxOf(*kx_.GetClipRegion(true)), (TRect{5, 7, 30005, 30007}));
  EXPECT_EQ(BoxOf(*kx_.GetClipRegion(false)), (TRect{0, 0, 30000, 30000}));
}

TEST_F(KxCanvasTest, SettingAKeptRegionLeavesItExactlyAsItWas) {
  for (bool considerOrigin : {false, true}) {
    SCOPED_TRACE(considerOrigin);
    kx_.SetWindowOrg({5, 7});
    const std::unique_ptr<TkxRegion> region = TkxRegion::CreateFromRect({10, 10, 20, 20});
    const std::unique_ptr<TkxRegion> copy = TkxRegion::CreateFromRect({10, 10, 20, 20});
    kx_.SetClipRegion(*region, roCopy, considerOrigin);
    EXPECT_TRUE(EqualRgn(region->Handle(), copy->Handle()));
    // Logical coordinates with the origin considered, device coordinates without.
    const TRect expected = considerOrigin ? TRect{5, 3, 15, 13} : TRect{10, 10, 20, 20};
    surface_.Clear(kWhite);
    kx_.SetWindowOrg({0, 0});
    kx_.FillSolidRect({0, 0, 60, 60}, clRed);
    EXPECT_EQ(surface_.Count(kRed), 100);
    EXPECT_EQ(surface_.At(expected.Left, expected.Top), kRed);
    EXPECT_EQ(surface_.At(expected.Right - 1, expected.Bottom - 1), kRed);
    SelectClipRgn(surface_.dc(), nullptr);
  }
}

TEST_F(KxCanvasTest, RegionsCombineWithTheClipRegion) {
  kx_.IntersectClipRect({0, 0, 30, 30});
  kx_.SetClipRegion(TkxRegion::CreateFromRect({20, 20, 40, 40}), roIntersect);
  EXPECT_EQ(BoxOf(*kx_.GetClipRegion()), (TRect{20, 20, 30, 30}));
  kx_.SetClipRegion(TkxRegion::CreateFromRect({20, 20, 25, 30}), roSubtract);
  EXPECT_EQ(BoxOf(*kx_.GetClipRegion()), (TRect{25, 20, 30, 30}));
  kx_.SetClipRegion(TkxRegion::CreateFromRect({50, 50, 51, 51}), roAdd);
  kx_.FillSolidRect({0, 0, 60, 60}, clRed);
  EXPECT_EQ(surface_.Count(kRed), 51);
  kx_.SetClipRegion(TkxRegion::CreateFromRect({0, 0, 2, 2}), roCopy);
  EXPECT_EQ(BoxOf(*kx_.GetClipRegion()), (TRect{0, 0, 2, 2}));
}

TEST_F(KxCanvasTest, PushedLevelsRegionsAndStatesComeBack) {
  kx_.GetFont()->SetColor(clRed);
  kx_.GetBrush()->SetColor(clBlue);
  kx_.GetPen()->SetColor(clGreen);
  kx_.PushState();
  kx_.GetFont()->SetColor(clYellow);
  kx_.GetFont()->SetName("Courier New");
  kx_.GetBrush()->SetColor(clLime);
  kx_.GetPen()->SetWidth(3);
  kx_.IntersectClipRect({0, 0, 1, 1});
  kx_.PopState();
  EXPECT_EQ(kx_.GetFont()->Color(), clRed);
  EXPECT_NE(kx_.GetFont()->Name(), "Courier New");
  EXPECT_EQ(kx_.GetBrush()->Color(), clBlue);
  EXPECT_EQ(kx_.GetPen()->Color(), clGreen);
  EXPECT_EQ(kx_.GetPen()->Width(), 1);
  EXPECT_EQ(BoxOf(*kx_.GetClipRegion()), (TRect{0, 0, 30000, 30000}));

  kx_.IntersectClipRect({0, 0, 40, 40});
  kx_.PushClipRegion();
  kx_.IntersectClipRect({0, 0, 5, 5});
  kx_.PushSavedDC();
  kx_.SetWindowOrg({3, 3});
  kx_.PopSavedDC();
  EXPECT_EQ(kx_.GetWindowOrg(), (TPoint{0, 0}));
  kx_.PopClipRegion();
  EXPECT_EQ(BoxOf(*kx_.GetClipRegion()), (TRect{0, 0, 40, 40}));

  // Popping empty stacks changes nothing.
  kx_.PopState();
  kx_.PopClipRegion();
  kx_.PopSavedDC();
  EXPECT_EQ(kx_.GetBrush()->Color(), clBlue);
  EXPECT_EQ(BoxOf(*kx_.GetClipRegion()), (TRect{0, 0, 40, 40}));
}

TEST_F(KxCanvasTest, SingleLineTextIsClippedToItsRectangleUnlessItFits) {
  kx_.DrawText("WWWWWWWWWW", {10, 10, 30, 16}, tfSingleLine);
  EXPECT_NE(surface_.Count(kWhite), 3600);
  EXPECT_FALSE(PaintedOutside({10, 10, 30, 16}));
  surface_.Clear(kWhite);
  // Fitting, it is drawn without a clip: all of it, as ExtTextOut draws it at the corner.
  kx_.DrawText("Hi", {10, 10, 50, 40}, tfSingleLine);
  TestCanvas expected(60, 60);
  TCanvas plain;
  plain.SetHandle(expected.dc());
  plain.TextOut(10, 10, "Hi");
  plain.SetHandle(nullptr);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) ASSERT_EQ(surface_.At(x, y), expected.At(x, y)) << x << "," << y;
}

TEST_F(KxCanvasTest, AnEndEllipsisGoesThroughDrawTextAndEndsInThreeDots) {
  const std::string text = "A long text that cannot fit";
  kx_.DrawText(text, {2, 2, 50, 20}, tfSingleLine | tfEndEllipsis);
  TestCanvas expected(60, 60);
  TCanvas plain;
  plain.SetHandle(expected.dc());
  plain.RequiredState({csHandleValid, csFontValid, csBrushValid});
  char shortened[64] = {};
  text.copy(shortened, text.size());
  TRect r{2, 2, 50, 20};
  DrawTextExA(expected.dc(), shortened, int(text.size()), &r,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_MODIFYSTRING, nullptr);
  plain.SetHandle(nullptr);
  EXPECT_TRUE(std::string(shortened).ends_with("...")) << shortened;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) ASSERT_EQ(surface_.At(x, y), expected.At(x, y)) << x << "," << y;
}

TEST_F(KxCanvasTest, DisabledRightAlignedTextEndsOnePixelFurtherLeftWithBothCopiesInside) {
  const int indexes[] = {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
  const COLORREF highlight = RGB(0, 200, 0), shadow = RGB(0, 0, 200);
  const COLORREF colors[] = {highlight, shadow};
  SetSysColors(2, indexes, colors);
  const TRect r{10, 10, 50, 40};
  kx_.DrawText("Hi", r, tfSingleLine | tfAlignRight);
  const int enabledRight = RightmostColumn();
  ASSERT_GT(enabledRight, 40);
  surface_.Clear(kWhite);
  kx_.GetBrush()->SetStyle(bsSolid);
  kx_.DrawText("Hi", r, tfSingleLine | tfAlignRight, false);
  EXPECT_EQ(RightmostColumn(shadow), enabledRight - 1);
  EXPECT_EQ(RightmostColumn(highlight), enabledRight);
  EXPECT_FALSE(PaintedOutside(r));
  EXPECT_EQ(kx_.GetBrush()->Style(), bsSolid);
  EXPECT_EQ(kx_.GetFont()->Color(), clWindowText);
}

TEST_F(KxCanvasTest, MeasuringInAZeroWidthWithWordBreakGivesOneCharacterPerLine) {
  const Integer lineHeight = kx_.GetTextHeight("a");
  TRect r{5, 5, 5, 5};
  kx_.CalcTextRect("abc", r, tfWordBreak);
  EXPECT_EQ(r.Top, 5);
  EXPECT_EQ(r.Height(), 3 * lineHeight);
  EXPECT_EQ(r.Width(), std::max({kx_.GetTextWidth("a"), kx_.GetTextWidth("b"), kx_.GetTextWidth("c")}));
  // Aligned in the given box: centred and at the bottom.
  TRect box{0, 0, 100, 100};
  kx_.CalcTextRect("ab", box, tfSingleLine | tfAlignHCenter | tfAlignBottom);
  EXPECT_EQ(box.Bottom, 100);
  EXPECT_EQ(box.Left, (100 - kx_.GetTextWidth("ab")) / 2);
}

TEST_F(KxCanvasTest, MultiLineTextMovesToTheBottomOrTheCentre) {
  const Integer lineHeight = kx_.GetTextHeight("a");
  TRect r{0, 10, 100, 110};
  kx_.AlignMultiLineText(r, "a\nb", kxvaBottom, false, false, true, false);
  EXPECT_EQ(r.Top, 110 - 2 * lineHeight);
  r = {0, 10, 100, 110};
  kx_.AlignMultiLineText(r, "a\nb", kxvaBottom, false, false, false, false);
  EXPECT_EQ(r.Top, 110 - 2 * lineHeight - 1);
  r = {0, 10, 100, 110};
  kx_.AlignMultiLineText(r, "a\nb", kxvaCenter, false, false, true, false);
  EXPECT_EQ(r.Top, (120 - 2 * lineHeight) / 2);
  r = {0, 10, 100, 110};
  kx_.AlignMultiLineText(r, "a\nb", kxvaTop, false, false, true, false);
  EXPECT_EQ(r.Top, 10);
}

TEST(IsEastAsianOrArabicFontName, OnlyThoseCharsetsAndNamesNotStartingInAscii) {
  const std::string thai("ทาโฮมา"_cp874);
  const struct {
    Byte charset;
    std::string name;
    bool expected;
  } kCases[] = {
      {134, "SimSun", false}, {134, thai, true},       {136, "", true},    {136, thai, true},
      {178, thai, true},      {178, "Arial", false},    {222, thai, false}, {222, "Tahoma", false},
      {0, thai, false},       {1, thai, false},   // the system's character set is Thai
  };
  for (const auto& c : kCases)
    EXPECT_EQ(IsEastAsianOrArabicFontName(c.charset, c.name), c.expected) << int(c.charset) << " " << c.name;
}

TEST_F(KxCanvasTest, FontsAreMeasuredOnTheSharedScreenCanvas) {
  TFont font;
  font.SetName("Arial");
  font.SetSize(10);
  const Integer height = kx_.FontHeight(&font);
  EXPECT_EQ(kx_.GetFont()->Name(), "Arial");
  EXPECT_EQ(MeasureFontTextHeight(&font, "Qq"), height);
  EXPECT_EQ(MeasureFontTextWidth(&font, "Qq"), kx_.GetTextWidth("Qq"));
  EXPECT_GT(MeasureFontTextHeight(&font, "Qq", 20), height);
  EXPECT_EQ(font.Size(), 10);   // the font given is left as it was
  EXPECT_EQ(MeasureFontText(&font, "").cx, 0);
  FreeSharedScreenCanvas();
  EXPECT_EQ(MeasureFontTextHeight(&font, "Qq"), height);   // made again on the next use
}

}  // namespace
