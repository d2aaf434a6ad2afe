// The cell drawing routines on bitmap canvases, probed along y 8: the level progress bar (text,
// blocks, levels, stacked segments), gradients, the range indicator, the classic progress bar with
// a maximum of 0, the pie, transparent and resource bitmaps, the combo button themed and classic,
// the error underline and the layered-window calls with and without the library's function.
#include "grid/cell_drawing.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/layered_window_calls.h"
#include "grid/progress_drawing.h"
#include "grid/theme_api.h"
#include "platform/classes/memory_stream.h"
#include "platform/os/embedded_resources.h"
#include "platform/shims/library_registry.h"
#include "platform/shims/user_library.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font.h"
#include "recording_theme_provider.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

constexpr TColor kBackground = clWhite;
constexpr TColor kLevels[4] = {clRed, clLime, clBlue, clYellow};

std::unique_ptr<TBitmap> Surface(Integer width, Integer height, TColor color = kBackground) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(width, height);
  bitmap->Canvas()->Brush()->SetColor(color);
  bitmap->Canvas()->FillRect(TRect{0, 0, width, height});
  return bitmap;
}

Integer CountColor(TBitmap& bitmap, TColor color, const TRect& area) {
  Integer count = 0;
  for (Integer y = area.Top; y < area.Bottom; ++y)
    for (Integer x = area.Left; x < area.Right; ++x) count += bitmap.Canvas()->Pixels(x, y) == color ? 1 : 0;
  return count;
}

TProgressAppearance Appearance(TFont* font) {
  TProgressAppearance a;
  a.Level0Color = kLevels[0];
  a.Level1Color = kLevels[1];
  a.Level2Color = kLevels[2];
  a.Level3Color = kLevels[3];
  a.Level1Perc = 50;
  a.Level2Perc = 80;
  a.Background = kBackground;
  a.Font = font;
  return a;
}

TEST(ProgressBarTest, ThePercentageTextShowsAtZeroButNotAtMinusOne) {
  TFont font;
  font.SetColor(clBlack);
  TProgressAppearance a = Appearance(&font);
  a.ShowPercentage = true;
  for (const Integer percentage : {0, -1}) {
    auto surface = Surface(102, 16);
    PaintProgressBar(surface->Canvas(), TRect{0, 0, 102, 16}, percentage, a);
    EXPECT_EQ(CountColor(*surface, clBlack, TRect{0, 0, 102, 16}) > 0, percentage == 0) << percentage;
  }
}

TEST(ProgressBarTest, BlocksAreSevenPixelsWithTwoPixelGapsAndNoBlockOfOnePixel) {
  TProgressAppearance a = Appearance(nullptr);
  auto surface = Surface(102, 16);
  PaintProgressBar(surface->Canvas(), TRect{0, 0, 102, 16}, 20, a);   // 20 of 100 pixels
  const struct {
    Integer x;
    TColor color;
  } probes[] = {{5, kLevels[0]}, {14, kLevels[0]}, {10, kBackground}, {20, kBackground}, {21, kBackground}};
  for (const auto& p : probes) EXPECT_EQ(surface->Canvas()->Pixels(p.x, 8), p.color) << "x " << p.x;
  EXPECT_EQ(surface->Canvas()->Pixels(5, 1), kBackground);   // blocks run 2 pixels in from the sides
}

TEST(ProgressBarTest, TheLevelFollowsThePercentage) {
  TProgressAppearance a = Appearance(nullptr);
  a.CompletionSmooth = true;
  const struct {
    Integer percentage, level;
  } cases[] = {{30, 0}, {60, 1}, {90, 2}, {100, 3}};
  for (const auto& c : cases) {
    auto surface = Surface(102, 16);
    PaintProgressBar(surface->Canvas(), TRect{0, 0, 102, 16}, c.percentage, a);
    EXPECT_EQ(surface->Canvas()->Pixels(5, 8), kLevels[c.level]) << c.percentage;
    EXPECT_EQ(surface->Canvas()->Pixels(c.percentage, 8), kLevels[c.level]) << c.percentage;
    if (c.percentage < 100) {
      EXPECT_EQ(surface->Canvas()->Pixels(c.percentage + 2, 8), kBackground) << c.percentage;
    }
  }
}

TEST(ProgressBarTest, StackedSegmentsFollowEachOtherAndAFullBarFillsTheRest) {
  TProgressAppearance a = Appearance(nullptr);
  a.Stacked = true;
  a.Level1Perc = 30;
  a.Level2Perc = 60;
  auto surface = Surface(102, 16);
  PaintProgressBar(surface->Canvas(), TRect{0, 0, 102, 16}, 100, a);
  const struct {
    Integer x;
    TColor color;
  } probes[] = {{1, kLevels[0]},  {30, kLevels[0]}, {31, kLevels[1]},
                {60, kLevels[1]}, {61, kLevels[3]}, {100, kLevels[3]}};
  for (const auto& p : probes) EXPECT_EQ(surface->Canvas()->Pixels(p.x, 8), p.color) << "x " << p.x;
}

TEST(GradientTest, BandsStepFromTheFirstColourAndNoneIsAPlainFill) {
  auto surface = Surface(100, 16);
  DrawGradient(surface->Canvas(), TColor(RGB(0, 0, 0)), TColor(RGB(200, 0, 0)), 4, TRect{0, 0, 100, 16}, true);
  const struct {
    Integer x, red;
  } probes[] = {{12, 0}, {37, 50}, {62, 100}, {87, 150}};
  for (const auto& p : probes) EXPECT_EQ(surface->Canvas()->Pixels(p.x, 8), TColor(RGB(p.red, 0, 0))) << p.x;
  DrawGradient(surface->Canvas(), clBlue, clNone, 4, TRect{0, 0, 100, 16}, true);
  EXPECT_EQ(CountColor(*surface, clBlue, TRect{0, 0, 100, 16}), 1600);
  // 0 steps: one band; vertical bands stay inside the rectangle.
  DrawGradient(surface->Canvas(), clRed, clBlue, 0, TRect{0, 0, 100, 8}, false);
  EXPECT_EQ(CountColor(*surface, clRed, TRect{0, 0, 100, 16}), 800);
}

TEST(GradientTest, StepColoursAndAnEmptySpan) {
  const TColor from = TColor(RGB(0, 100, 200));
  const TColor to = TColor(RGB(100, 100, 0));
  EXPECT_EQ(GradientStepColor(from, to, 0, 4, 2), TColor(RGB(50, 100, 100)));
  EXPECT_EQ(GradientStepColor(from, to, 0, 4, 4), to);
  EXPECT_EQ(GradientStepColor(from, to, 3, 3, 1), from);   // no span: the first colour
  EXPECT_EQ(GradientStepColor(from, clNone, 0, 4, 2), from);
  EXPECT_EQ(GradientStepColor(from, to, 0, 4, 8), TColor(RGB(200, 100, 0)));   // kept within a byte
}

TEST(RangeIndicatorTest, AValueBeyondTheRangeFillsOnlyTheRightHalfAndWritesTheLimit) {
  auto surface = Surface(104, 16);
  surface->Canvas()->Font()->SetColor(clBlack);
  DrawRangeIndicator(surface->Canvas(), TRect{0, 0, 104, 16}, 150, 100, true, clRed, clLime);
  EXPECT_EQ(surface->Canvas()->Pixels(10, 8), kBackground);
  EXPECT_EQ(surface->Canvas()->Pixels(51, 8), kBackground);
  EXPECT_EQ(surface->Canvas()->Pixels(95, 8), clLime);
  EXPECT_EQ(surface->Canvas()->Pixels(101, 8), clLime);
  EXPECT_EQ(surface->Canvas()->Pixels(102, 8), kBackground);
  // The text is "100" exactly as DrawCentredText writes it.
  auto expected = Surface(104, 16);
  DrawRangeIndicator(expected->Canvas(), TRect{0, 0, 104, 16}, 150, 100, false, clRed, clLime);
  expected->Canvas()->Font()->SetColor(clBlack);
  DrawCentredText(expected->Canvas(), TRect{2, 2, 102, 14}, "100");
  EXPECT_GT(CountColor(*surface, clBlack, TRect{0, 0, 104, 16}), 0);
  for (Integer x = 0; x < 104; ++x)
    for (Integer y = 0; y < 16; ++y) ASSERT_EQ(surface->Canvas()->Pixels(x, y), expected->Canvas()->Pixels(x, y));
}

TEST(RangeIndicatorTest, NegativeValuesGoLeftAndARangeOfZeroDrawsNoBar) {
  auto surface = Surface(104, 16);
  DrawRangeIndicator(surface->Canvas(), TRect{0, 0, 104, 16}, -50, 100, false, clRed, clLime);
  EXPECT_EQ(surface->Canvas()->Pixels(30, 8), clRed);
  EXPECT_EQ(surface->Canvas()->Pixels(20, 8), kBackground);
  EXPECT_EQ(surface->Canvas()->Pixels(60, 8), kBackground);
  auto empty = Surface(104, 16);
  empty->Canvas()->Font()->SetColor(clBlack);
  DrawRangeIndicator(empty->Canvas(), TRect{0, 0, 104, 16}, 7, 0, true, clRed, clLime);
  EXPECT_EQ(CountColor(*empty, clLime, TRect{0, 0, 104, 16}) + CountColor(*empty, clRed, TRect{0, 0, 104, 16}), 0);
  auto zero = Surface(104, 16);
  zero->Canvas()->Font()->SetColor(clBlack);
  DrawCentredText(zero->Canvas(), TRect{2, 2, 102, 14}, "0");
  EXPECT_EQ(CountColor(*empty, clBlack, TRect{0, 0, 104, 16}), CountColor(*zero, clBlack, TRect{0, 0, 104, 16}));
}

TEST(ProgressCellTest, AFormatWithAMaximumOfZeroFillsNothing) {
  const struct {
    const char* format;
    double value;
    Integer maximum;
    bool filled;   // the left end shows fill colour 1
  } cases[] = {{"%d units", 50, 0, false}, {"%d units", 50, 100, true}, {"", 40, 100, true}, {"", 0, 100, false}};
  for (const auto& c : cases) {
    auto surface = Surface(104, 20);
    surface->Canvas()->Brush()->SetColor(clYellow);
    DrawProgressCell(surface->Canvas(), TRect{0, 0, 104, 20}, clRed, clWhite, clLime, clBlack, c.value, 2, 2, 0,
                     c.maximum, c.format, clBlue, false);
    EXPECT_EQ(surface->Canvas()->Pixels(3, 8), c.filled ? clRed : clLime) << c.format << " " << c.maximum;
    EXPECT_EQ(surface->Canvas()->Pixels(1, 8), clBlue);     // the border
    EXPECT_EQ(surface->Canvas()->Pixels(0, 8), clYellow);   // the frame in the brush colour it had
    EXPECT_EQ(surface->Canvas()->Brush()->Color(), clYellow);
  }
}

TEST(ProgressPieTest, TheSliceFromTwelveOClockIsFilled) {
  auto surface = Surface(41, 41);
  surface->Canvas()->Brush()->SetColor(kBackground);
  DrawProgressPie(surface->Canvas(), TRect{0, 0, 41, 41}, clRed, 25, false);
  EXPECT_EQ(surface->Canvas()->Pixels(28, 12), clRed);          // top right quarter
  EXPECT_EQ(surface->Canvas()->Pixels(12, 28), kBackground);    // bottom left
  EXPECT_EQ(surface->Canvas()->Pixels(28, 28), kBackground);    // bottom right
  EXPECT_EQ(surface->Canvas()->Pixels(20, 10), TColor(0x808080));   // the line to 12 o'clock
}

// A 4 x 3 picture with a fuchsia top-left pixel and one blue pixel, as a BMP file's bytes.
std::unique_ptr<TBitmap> Picture() {
  auto picture = Surface(4, 3, clFuchsia);
  picture->Canvas()->SetPixels(2, 1, clBlue);
  return picture;
}

TEST(BitmapDrawingTest, TheTopLeftColourIsReplacedByTheBackground) {
  auto surface = Surface(20, 20);
  auto picture = Picture();
  DrawBitmapTransparent(surface->Canvas(), picture.get(), clYellow, TRect{10, 10, 12, 12});
  EXPECT_EQ(surface->Canvas()->Pixels(10, 10), clYellow);
  EXPECT_EQ(surface->Canvas()->Pixels(12, 11), clBlue);
  EXPECT_EQ(surface->Canvas()->Pixels(13, 12), clYellow);   // at the picture's size, not the rectangle's
  EXPECT_EQ(surface->Canvas()->Pixels(14, 10), kBackground);
  EXPECT_EQ(surface->Canvas()->Pixels(10, 13), kBackground);
}

TEST(BitmapDrawingTest, AResourceBitmapIsDrawnTransparentlyAndAMissingOneNotAtAll) {
  static std::vector<Byte> bytes;   // resources live for the whole program
  if (bytes.empty()) {
    TMemoryStream stream;
    Picture()->SaveToStream(&stream);
    bytes.assign(static_cast<const Byte*>(stream.Memory()), static_cast<const Byte*>(stream.Memory()) + stream.Size());
    RegisterEmbeddedResource(RT_BITMAP, "GRIDTESTPICTURE", bytes.data(), bytes.size());
  }
  auto surface = Surface(20, 20);
  DrawResourceBitmap(surface->Canvas(), clYellow, TRect{2, 2, 20, 20}, "GRIDTESTPICTURE");
  EXPECT_EQ(surface->Canvas()->Pixels(2, 2), clYellow);
  EXPECT_EQ(surface->Canvas()->Pixels(4, 3), clBlue);
  DrawResourceBitmap(surface->Canvas(), clRed, TRect{0, 0, 20, 20}, "NOSUCHPICTURE");
  EXPECT_EQ(CountColor(*surface, clRed, TRect{0, 0, 20, 20}), 0);
}

// Unloads the grid's visual-style set at the end of a test, before its provider goes.
struct UnloadThemeApiAtEnd {
  ~UnloadThemeApiAtEnd() { VerUZED::UnloadThemeApi(); }
};

TEST(ComboButtonTest, ThemedItDrawsTheComboBoxPartThroughTheVisualStyle) {
  themetest::TRecordingThemeProvider provider;
  themetest::ScopedThemeProvider scope(provider);
  UnloadThemeApiAtEnd unload;
  VerUZED::LoadThemeApi();
  auto surface = Surface(60, 20);
  provider.log.clear();
  DrawComboButton(surface->Canvas(), nullptr, TRect{0, 0, 60, 20}, true);
  EXPECT_EQ(provider.log, (std::vector<std::string>{"call OpenThemeData combobox", "call DrawThemeBackground 1 1",
                                                    "call CloseThemeData"}));
  EXPECT_EQ(CountColor(*surface, kBackground, TRect{0, 0, 60, 20}), 1200);   // the fake draws nothing
  provider.log.clear();
  DrawComboButton(surface->Canvas(), nullptr, TRect{0, 0, 60, 20}, false);
  EXPECT_TRUE(provider.log.empty());
}

TEST(ComboButtonTest, ClassicItIsTheFlatComboArrowInTheRightmostSixteenPixels) {
  auto surface = Surface(60, 20);
  DrawComboButton(surface->Canvas(), nullptr, TRect{0, 0, 60, 20}, true);   // no visual style loaded
  EXPECT_GT(CountColor(*surface, clBlack, TRect{42, 1, 58, 19}), 0);         // the arrow
  EXPECT_EQ(CountColor(*surface, kBackground, TRect{0, 0, 42, 20}), 42 * 20);
  EXPECT_EQ(CountColor(*surface, kBackground, TRect{58, 0, 60, 20}), 2 * 20);
}

class ErrorUnderlineTest : public uitest::UiTest {};

TEST_F(ErrorUnderlineTest, AZigZagUnderTheMarkedCharacters) {
  TForm* form = NewForm("UnderlineForm");
  const auto leftmostRed = [&](Integer start, Integer length) {
    auto surface = Surface(120, 20);
    DrawErrorUnderline(form, surface->Canvas(), "abcdefgh", TRect{0, 0, 120, 20}, 0, start, length);
    for (Integer x = 0; x < 120; ++x)
      for (Integer y = 0; y < 20; ++y)
        if (surface->Canvas()->Pixels(x, y) == clRed) return x;
    return -1;
  };
  const Integer fromFirst = leftmostRed(0, 2);
  const Integer fromThird = leftmostRed(2, 2);
  EXPECT_GE(fromFirst, 0);
  EXPECT_GT(fromThird, fromFirst);
  EXPECT_GT(leftmostRed(7, 3), fromThird);   // running past the end of the text
  EXPECT_EQ(form->ControlCount(), 0);        // the measuring edit is gone
}

// "USER32.DLL" with only the layered-window function a test gives it.
BOOL RefusingSetLayeredWindowAttributes(HWND, COLORREF, BYTE, DWORD) { return FALSE; }
const TLibraryExport kRefusingExports[] = {
    {"SetLayeredWindowAttributes", ExportAddress<SetLayeredWindowAttributesProc>(&RefusingSetLayeredWindowAttributes)}};

class AbsentLibrary final : public TLibraryImage {
 public:
  bool Attach() override { return false; }
  FARPROC Export(std::string_view) override { return nullptr; }
  void Detach() override {}
};

// Puts an image in place of "USER32.DLL"'s own for the life of the guard.
class ScopedUserLibrary {
 public:
  explicit ScopedUserLibrary(TLibraryImage* image) { OverrideLibraryImage("USER32.DLL", image); }
  ~ScopedUserLibrary() { OverrideLibraryImage("USER32.DLL", nullptr); }
  ScopedUserLibrary(const ScopedUserLibrary&) = delete;
  ScopedUserLibrary& operator=(const ScopedUserLibrary&) = delete;
};

TEST(LayeredWindowCallsTest, AMissingFunctionCountsAsSuccessAPresentOneAnswers) {
  {
    AbsentLibrary absent;
    ScopedUserLibrary scoped(&absent);
    EXPECT_TRUE(CallSetLayeredWindowAttributes(nullptr, 0, 255, LWA_ALPHA));
    EXPECT_TRUE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, ULW_ALPHA));
  }
  {
    TExportTableImage refusing(kRefusingExports);
    ScopedUserLibrary scoped(&refusing);
    EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, 0, 255, LWA_ALPHA));
    EXPECT_TRUE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, ULW_ALPHA));
  }
  // The window layer's own function refuses a window that is not there.
  EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, 0, 255, LWA_ALPHA));
}

}  // namespace
