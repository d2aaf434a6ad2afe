// The Office 2003 fills, painted headless: gradients with and without the image blending
// library's GradientFill, and the dotted size grip.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_office11_paint.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "platform/gdi/blt.h"
#include "platform/shims/image_blending.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

using fakes::CallLog;

BOOL LoggingGradientFill(HDC dc, const TRIVERTEX* vertices, ULONG count, const void* mesh, ULONG meshCount,
                         ULONG mode) {
  CallLog().push_back("GradientFill");
  return GradientFill(dc, vertices, count, mesh, meshCount, mode);
}

const TLibraryExport kLoggingExports[] = {
    {"GradientFill", ExportAddress<GradientFillProc>(&LoggingGradientFill)}};

// Binds GradientFill from an image blending library that logs its calls, or from none.
class GradientFillBinding {
 public:
  explicit GradientFillBinding(bool present) : absent_("msimg32", &logging_) {
    absent_.present = present;
    BindGradientFill();
  }
  ~GradientFillBinding() { FreeGradientFill(); }

 private:
  TExportTableImage logging_{kLoggingExports};
  fakes::TLoggingLibraryImage absent_;
  fakes::ScopedLibraryImage scoped_{"MSIMG32.DLL", &absent_};
};

// The widths of the runs of equal colour along row y.
std::vector<int> RunWidths(const TestCanvas& canvas, int y, int from, int to) {
  std::vector<int> widths;
  for (int x = from; x < to; ++x) {
    if (x == from || canvas.At(x, y) != canvas.At(x - 1, y)) widths.push_back(0);
    ++widths.back();
  }
  return widths;
}

TEST(GradientFillRect, EqualColoursGiveOneSolidFillEvenWithGradientFillBound) {
  for (bool bound : {false, true}) {
    GradientFillBinding binding(bound);
    EXPECT_EQ(IsGradientFillBound(), bound);
    TestCanvas canvas(40, 10);
    CallLog().clear();
    GradientFillRect(canvas.dc(), {0, 0, 40, 10}, clRed, TColor(0x0000FF), true);
    EXPECT_EQ(canvas.Count(RGB(255, 0, 0)), 400) << bound;
    EXPECT_TRUE(fakes::LogLines("GradientFill").empty());
  }
}

TEST(GradientFillRect, TheBoundGradientFillPaintsFromColour1ToColour2) {
  GradientFillBinding binding(true);
  TestCanvas canvas(100, 4);
  CallLog().clear();
  GradientFillRect(canvas.dc(), {0, 0, 100, 4}, clBlack, clWhite, true);
  EXPECT_EQ(fakes::LogLines("GradientFill"), std::vector<std::string>{"GradientFill"});
  EXPECT_EQ(canvas.At(0, 2), RGB(0, 0, 0));
  EXPECT_GT(GetRValue(canvas.At(99, 2)), 240);
  EXPECT_EQ(canvas.At(50, 0), canvas.At(50, 3));   // horizontal: columns are uniform
}

TEST(GradientFillRect, WithoutGradientFill600PixelsGive256EvenBands) {
  GradientFillBinding binding(false);
  TestCanvas canvas(620, 3);
  GradientFillRect(canvas.dc(), {10, 0, 610, 3}, clBlack, clWhite, true);
  const std::vector<int> widths = RunWidths(canvas, 1, 10, 610);
  ASSERT_EQ(widths.size(), 256u);
  const std::set<int> distinct(widths.begin(), widths.end());
  EXPECT_LE(*distinct.rbegin() - *distinct.begin(), 1);
  EXPECT_EQ(canvas.At(10, 1), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(609, 1), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(9, 1), RGB(255, 255, 255));   // nothing outside
  EXPECT_EQ(canvas.At(610, 0), RGB(255, 255, 255));
}

TEST(GradientFillRect, BandsRunVerticallyToo) {
  GradientFillBinding binding(false);
  TestCanvas canvas(2, 20);
  GradientFillRect(canvas.dc(), {0, 0, 2, 20}, TColor(RGB(0, 0, 200)), TColor(RGB(0, 0, 10)), false);
  EXPECT_EQ(canvas.At(1, 0), RGB(0, 0, 200));
  EXPECT_EQ(canvas.At(1, 19), RGB(0, 0, 10));
  EXPECT_EQ(canvas.At(0, 7), canvas.At(1, 7));
}

TEST(GradientFillRect, OnePixelIsOneBandInColour1) {
  GradientFillBinding binding(false);
  TestCanvas canvas(3, 3);
  GradientFillRect(canvas.dc(), {1, 0, 2, 3}, TColor(RGB(10, 20, 30)), TColor(RGB(200, 200, 200)), true);
  EXPECT_EQ(canvas.Count(RGB(10, 20, 30)), 3);
  EXPECT_EQ(canvas.Count(RGB(255, 255, 255)), 6);
  GradientFillRect(canvas.dc(), {1, 1, 1, 2}, clBlack, clRed, true);   // empty: nothing
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0)), 0);
}

TEST(PaintDottedSizeGrip, PaintsATriangleOfSixDotsInTheCorner) {
  TestCanvas canvas(20, 20);
  PaintDottedSizeGrip(canvas.dc(), {2, 2, 18, 18}, clRed, TColor(RGB(0, 0, 255)));
  EXPECT_EQ(canvas.Count(RGB(255, 0, 0)), 6 * 4);
  EXPECT_EQ(canvas.Count(RGB(0, 0, 255)), 6 * 3);   // each shadow square lies half under its dot
  EXPECT_EQ(canvas.At(14, 15), RGB(255, 0, 0));      // the bottom-right dot
  EXPECT_EQ(canvas.At(16, 16), RGB(0, 0, 255));      // and its shadow
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      if (x >= 18 || y >= 18) {
        EXPECT_EQ(canvas.At(x, y), RGB(255, 255, 255)) << x << "," << y;
      }
}

TEST(PaintDottedSizeGrip, ASmallRectangleGetsNothingRightOfOrBelowIt) {
  TestCanvas canvas(30, 30);
  const TRect r{10, 20, 20, 22};   // 10 x 2
  PaintDottedSizeGrip(canvas.dc(), r, clRed, TColor(RGB(0, 0, 255)));
  EXPECT_GT(canvas.Count(RGB(255, 0, 0)), 0);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      if (x >= r.Right || y >= r.Bottom) {
        EXPECT_EQ(canvas.At(x, y), RGB(255, 255, 255)) << x << "," << y;
      }
}

TEST(PaintDottedSizeGrip, DefaultColoursTakeTheSchemesBrushes) {
  SetThemeProvider(nullptr);
  Office11ColorsAddRef();
  TestCanvas canvas(20, 20);
  PaintDottedSizeGrip(canvas.dc(), {0, 0, 20, 20}, clDefault, clDefault);
  EXPECT_EQ(canvas.Count(COLORREF(Office11Color12)), 6 * 4);
  Office11ColorsRelease();
}

}  // namespace
