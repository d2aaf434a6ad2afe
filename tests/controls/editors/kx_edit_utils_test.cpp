// The editors' painting routines: arrow sizes and the arrow's pixels, border sides, poly-lines in
// pixel mode, the frame fill, the text-flag pairs (each DrawText flag with the text-out bit of the
// same meaning), the hot-light decision and colour, and the painter of each look-and-feel kind.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "controls/editors/kx_edit_utils.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_office11_painter.h"
#include "controls/foundation/kx_solid_brush_cache.h"
#include "platform/gdi/text_constants.h"
#include "platform/os/os_version.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/user/system_metrics.h"
#include "tests/support/gdi/test_canvas.h"
#include "tests/support/shims/fake_theme_provider.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;

using Pixels = std::set<std::pair<int, int>>;

class EditUtilsTest : public ::testing::Test {
 protected:
  // The shared brush cache lives between the brush unit's start and end.
  EditUtilsTest() {
    kxEditPaintUtilsUnit.initialize();
    canvas_.SetHandle(surface_.dc());
    canvas_.RequiredState(TCanvasState{csHandleValid});
    surface_.Clear(kWhite);
  }
  ~EditUtilsTest() override {
    canvas_.SetHandle(nullptr);
    kxEditPaintUtilsUnit.finalize();
  }

  Pixels Painted() const {
    Pixels result;
    for (int y = 0; y < surface_.height(); ++y)
      for (int x = 0; x < surface_.width(); ++x)
        if (surface_.At(x, y) != kWhite) result.insert({x, y});
    return result;
  }
  static Pixels Block(int left, int top, int right, int bottom) {
    Pixels result;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) result.insert({x, y});
    return result;
  }

  TestCanvas surface_{20, 20};
  TCanvas canvas_;
};

TEST(EditArrowSize, IsOddAlongTheBaseAndSwappedSideways) {
  struct Case {
    TSize content;
    TkxGlyphDirection direction;
    TSize expected;
  };
  for (const Case& c : {Case{{15, 15}, gdDown, {7, 4}}, Case{{8, 20}, gdUp, {3, 2}}, Case{{15, 15}, gdLeft, {4, 7}},
                        Case{{20, 8}, gdRight, {2, 3}}, Case{{10, 12}, gdDown, {5, 3}}}) {
    const TSize size = CalcEditArrowSize(c.content, c.direction);
    EXPECT_EQ(size, c.expected) << c.content.cx << "x" << c.content.cy << " dir " << int(c.direction);
  }
}

TEST_F(EditUtilsTest, ADownArrowOfSizeFourSitsCentredAsANarrowingTriangle) {
  PaintEditArrow(&canvas_, TSize{7, 4}, TRect{0, 0, 20, 20}, clRed, false, false, gdDown);
  Pixels expected;
  for (int line = 0; line < 4; ++line)
    for (int x = 6 + line; x < 13 - line; ++x) expected.insert({x, 8 + line});
  EXPECT_EQ(Painted(), expected) << surface_.Picture(kWhite);

  surface_.Clear(kWhite);
  PaintEditArrow(&canvas_, TSize{7, 4}, TRect{0, 0, 20, 20}, clRed, true, true, gdUp);
  const Pixels pixels = Painted();
  EXPECT_EQ(pixels.size(), 2u * 16u);
  // The 7 x 8 block starts at (6, 6), moved to (7, 7): apexes at column 10, rows 7 and 11.
  EXPECT_TRUE(pixels.count({10, 7}) && !pixels.count({9, 7}) && !pixels.count({10, 6})) << surface_.Picture(kWhite);
  EXPECT_TRUE(pixels.count({10, 11}) && !pixels.count({9, 11})) << "the second apex one size further down";
  EXPECT_TRUE(pixels.count({7, 10}) && pixels.count({13, 14})) << "each base 7 pixels wide";
}

TEST_F(EditUtilsTest, BorderSidesDrawOnlyTheirSidesAndNarrowTheRectangle) {
  TRect r{2, 2, 10, 8};
  DrawBorderSides(&canvas_, r, kxSideLeft | kxSideRight, clRed);
  EXPECT_EQ(r, (TRect{3, 2, 9, 8}));
  Pixels expected = Block(2, 2, 3, 8);
  expected.merge(Block(9, 2, 10, 8));
  EXPECT_EQ(Painted(), expected);

  surface_.Clear(kWhite);
  r = TRect{2, 2, 10, 8};
  DrawBorderSides(&canvas_, r, kxSideTop | kxSideBottom, clRed);
  EXPECT_EQ(r, (TRect{2, 3, 10, 7}));
  expected = Block(2, 2, 10, 3);
  expected.merge(Block(2, 7, 10, 8));
  EXPECT_EQ(Painted(), expected);
}

TEST_F(EditUtilsTest, APixelModePolyLineCoversEverySegmentBothWays) {
  const TPoint points[] = {{2, 2}, {8, 2}, {8, 6}, {3, 6}, {3, 4}};
  DrawPolyLineColored(&canvas_, points, 5, true, clRed);
  Pixels expected = Block(2, 2, 9, 3);
  expected.merge(Block(8, 2, 9, 7));
  expected.merge(Block(3, 6, 9, 7));
  expected.merge(Block(3, 4, 4, 7));
  EXPECT_EQ(Painted(), expected) << surface_.Picture(kWhite);
}

TEST_F(EditUtilsTest, TheFrameFillLeavesTheInnerRectangle) {
  FillFrameWithBrush(&canvas_, TRect{1, 1, 11, 9}, TRect{3, 2, 8, 6}, GetCachedSolidBrush(clRed));
  Pixels expected = Block(1, 1, 11, 9);
  for (const auto& p : Block(3, 2, 8, 6)) expected.erase(p);
  EXPECT_EQ(Painted(), expected);
  EXPECT_EQ(surface_.At(1, 1), kRed);
}

TEST_F(EditUtilsTest, AGlyphLeavesItsTransparentColourOutEnabledOrDisabled) {
  TBitmap glyph;
  glyph.SetSize(4, 4);
  glyph.Canvas()->Brush()->SetColor(clLime);
  glyph.Canvas()->FillRect(TRect{0, 0, 4, 4});
  glyph.Canvas()->SetPixels(0, 0, clFuchsia);
  glyph.SetTransparentColor(clFuchsia);
  ASSERT_TRUE(IsBitmapPaintable(&glyph));
  TBitmap empty;
  EXPECT_FALSE(IsBitmapPaintable(&empty));
  EXPECT_FALSE(IsBitmapPaintable(nullptr));

  PaintGlyph(&canvas_, 2, 3, nullptr, clNone, true, &glyph);
  Pixels expected = Block(2, 3, 6, 7);
  expected.erase({2, 3});
  EXPECT_EQ(Painted(), expected) << surface_.Picture(kWhite);
  EXPECT_EQ(surface_.At(5, 6), 0x00FF00u);

  surface_.Clear(kWhite);
  PaintGlyph(&canvas_, 2, 3, nullptr, clNone, false, &glyph);
  EXPECT_EQ(surface_.At(2, 3), kWhite) << "the transparent pixel stays the background";
  EXPECT_EQ(surface_.Count(0x00FF00), 0) << "the disabled look replaces the glyph's colour";
  EXPECT_FALSE(Painted().empty());
}

// Each DrawText flag pairs with the text-out bit of the same meaning; a vertically centred text
// never turns into a horizontally centred one, and DT_CENTER and DT_BOTTOM stay out both ways.
TEST(EditTextFlags, EachPairKeepsItsMeaning) {
  struct Pair {
    TkxTextOutFlags textOut;
    UINT drawText;
  };
  for (const Pair& p : {Pair{tofCenterVert, DT_VCENTER}, Pair{tofRight, DT_RIGHT}, Pair{tofSingleLine, DT_SINGLELINE},
                        Pair{tofWordBreak, DT_WORDBREAK}, Pair{tofCalcRect, DT_CALCRECT},
                        Pair{tofExpandTabs, DT_EXPANDTABS}}) {
    EXPECT_EQ(MapTextOutFlagsToDrawTextFlags(p.textOut), p.drawText) << std::hex << p.textOut;
    EXPECT_EQ(MapDrawTextFlagsToTextOutFlags(p.drawText), p.textOut) << std::hex << p.drawText;
  }
  struct Unmapped {
    TkxTextOutFlags textOut;
    UINT drawText;
  };
  for (const Unmapped& u : {Unmapped{tofCenterHorz, 0}, Unmapped{tofBottom, 0}, Unmapped{tofJustify, 0},
                            Unmapped{tofDistributeVert, 0}, Unmapped{tofEndEllipsis, 0}})
    EXPECT_EQ(MapTextOutFlagsToDrawTextFlags(u.textOut), u.drawText) << std::hex << u.textOut;
  EXPECT_EQ(MapDrawTextFlagsToTextOutFlags(DT_CENTER | DT_BOTTOM), 0u);
  EXPECT_EQ(MapDrawTextFlagsToTextOutFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE), tofCenterVert | tofSingleLine);
}

TEST(EditHotLight, OnlyNineXMinorVersionsAndNtFiveOfferIt) {
  struct Case {
    DWORD platform, major, minor;
    bool supported;
  };
  for (const Case& c : {Case{VER_PLATFORM_WIN32_WINDOWS, 4, 10, true}, Case{VER_PLATFORM_WIN32_WINDOWS, 4, 0, false},
                        Case{VER_PLATFORM_WIN32_NT, 5, 1, true}, Case{VER_PLATFORM_WIN32_NT, 5, 0, true},
                        Case{VER_PLATFORM_WIN32_NT, 6, 1, false}, Case{VER_PLATFORM_WIN32_NT, 4, 0, false}}) {
    OSVERSIONINFO version;
    version.dwPlatformId = c.platform;
    version.dwMajorVersion = c.major;
    version.dwMinorVersion = c.minor;
    EXPECT_EQ(DetectHotLightColorSupport(version), c.supported) << c.platform << " " << c.major << "." << c.minor;
  }
  // The platform answers 6.1: the unit start finds no hot-light colour, and pure blue stands in.
  kxEditUtilsUnit.initialize();
  EXPECT_FALSE(IsHotLightColorSupported());
  EXPECT_EQ(GetHotLightColor(), TColor(0xFF0000));
}

TEST(EditPainters, EachKindHasItsPainterAndTheOffice11HighlightItsColour) {
  EXPECT_EQ(SelectLookAndFeelPainterClass(false, lfFlat), TkxFlatLookAndFeelPainter::Class());
  EXPECT_EQ(SelectLookAndFeelPainterClass(false, lfStandard), TkxStandardLookAndFeelPainter::Class());
  EXPECT_EQ(SelectLookAndFeelPainterClass(false, lfUltraFlat), TkxUltraFlatLookAndFeelPainter::Class());
  EXPECT_EQ(SelectLookAndFeelPainterClass(false, lfOffice11), TkxOffice11LookAndFeelPainter::Class());
  EXPECT_EQ(SelectLookAndFeelPainterClass(true, lfFlat), TkxFlatLookAndFeelPainter::Class())
      << "no visual styles without a theme provider";
  EXPECT_EQ(GetHighlightBorderColor(false), clHighlight);
  EXPECT_EQ(GetFlatButtonStateColor(true, false), TkxUltraFlatLookAndFeelPainter::Class()->GetButtonFaceColor(kxbsPressed));
}

}  // namespace

// The button widths and paddings, classic and through the fake theme (its "Button" content
// rectangle is the box less 3, 1, 4 and 5 pixels; "ComboBox" is not offered).
class EditButtonSizeTest : public ::testing::Test {
 protected:
  EditButtonSizeTest() {
    fake_.classes = {"Button", "Edit"};
    fake_.contentMargins["Button"] = RECT{3, 1, 4, 5};
    kdUxTheme::kdUxThemeUnit.initialize();
    kdThemeManagerUnit.initialize();
    canvas_.SetHandle(surface_.dc());
  }
  ~EditButtonSizeTest() override {
    canvas_.SetHandle(nullptr);
    kdThemeManagerUnit.finalize();
    kdUxTheme::kdUxThemeUnit.finalize();
  }

  fakes::TFakeThemeProvider fake_;
  fakes::ScopedThemeProvider provider_{&fake_};
  TestCanvas surface_{20, 20};
  TCanvas canvas_;
};

TEST_F(EditButtonSizeTest, AGivenWidthKeepsTheMarginsAndANaturalOneFollowsTheContent) {
  TBitmap glyph;
  glyph.SetSize(10, 7);
  const std::string caption = "Browse the files";
  const Integer captionWidth = canvas_.TextWidth(caption);
  const Integer scrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  struct Case {
    TkxEditButtonKind kind;
    Integer width;
    bool native;
    bool comboBox;
    Integer expected;
  };
  const Case cases[] = {
      {bkEllipsis, 0, false, false, scrollHeight}, {bkEllipsis, 3, false, false, 4},
      {bkEllipsis, 20, false, false, 20},          {bkGlyph, 0, false, false, 14},
      {bkText, 0, false, false, captionWidth + 7}, {bkText, 2, false, false, 4},
      {bkEllipsis, 3, true, false, 7},             {bkGlyph, 0, true, false, 17},
      {bkDown, 1, true, true, 4},                  {bkText, 0, true, false, captionWidth + 10}};
  for (const Case& c : cases) {
    TkxEditButtonViewInfo button;
    button.Data.Kind = c.kind;
    button.Data.Width = c.width;
    button.Data.NativeStyle = c.native;
    button.Data.ComboBoxStyle = c.comboBox;
    button.Data.VisibleCaption = caption;
    button.Glyph = &glyph;
    EXPECT_EQ(GetEditButtonWidth(&canvas_, button), c.expected)
        << "kind " << int(c.kind) << " width " << c.width << " native " << c.native << " combo " << c.comboBox;
  }
}

TEST_F(EditButtonSizeTest, ThePaddingFollowsTheStyleOrTheThemeInsets) {
  const std::pair<TkxEditButtonStyle, Integer> classic[] = {{btsDefault, 0}, {bts3D, 4},     {btsFlat, 2},
                                                            {btsSimple, 2},  {btsHotFlat, 2}, {btsUltraFlat, 2},
                                                            {btsOffice11, 2}};
  for (const auto& [style, padding] : classic) EXPECT_EQ(GetButtonContentPadding(&canvas_, style, false), padding);
  EXPECT_EQ(GetButtonContentPadding(&canvas_, bts3D, true), 6);
  fake_.classes = {"Edit"};
  CloseAllThemeHandles();
  EXPECT_EQ(GetButtonContentPadding(&canvas_, bts3D, true), 0);
}
