// Pixel probes of the drawing primitives against the platform's conventions: right and bottom
// edges excluded, line end points excluded, shape bounds, wide and styled pens, clipping, origins
// and pattern brushes.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/gdi/clip.h"
#include "platform/gdi/raster_ops.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

struct Probe {
  int x, y;
  COLORREF expected;
};

struct DrawCase {
  const char* name;
  std::function<void(HDC)> draw;
  std::vector<Probe> probes;
};

void FillRectColor(HDC dc, TRect r, COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

void WithPenAndBrush(HDC dc, HPEN pen, HBRUSH brush, const std::function<void()>& draw) {
  Selected p(dc, pen), b(dc, brush);
  draw();
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

void RunCases(const std::vector<DrawCase>& cases) {
  for (const DrawCase& c : cases) {
    TestCanvas canvas(32, 32);
    c.draw(canvas.dc());
    for (const Probe& p : c.probes)
      EXPECT_EQ(canvas.At(p.x, p.y), p.expected) << c.name << " at (" << p.x << ", " << p.y << ")" << canvas.Picture();
  }
}

TEST(Primitives, RectangleFamilyExcludesRightAndBottomEdges) {
  RunCases({
      {"FillRect", [](HDC dc) { FillRectColor(dc, {2, 3, 7, 9}, kRed); },
       {{2, 3, kRed}, {6, 8, kRed}, {7, 3, kWhite}, {2, 9, kWhite}, {1, 3, kWhite}, {2, 2, kWhite}}},
      {"FillRect inverted rectangle paints nothing", [](HDC dc) { FillRectColor(dc, {7, 9, 2, 3}, kRed); },
       {{4, 5, kWhite}, {2, 3, kWhite}}},
      {"FrameRect",
       [](HDC dc) {
         TRect r{2, 3, 7, 9};
         HBRUSH b = CreateSolidBrush(kRed);
         FrameRect(dc, &r, b);
         DeleteObject(b);
       },
       {{2, 3, kRed}, {6, 3, kRed}, {2, 8, kRed}, {6, 8, kRed}, {4, 3, kRed}, {2, 5, kRed}, {3, 4, kWhite},
        {5, 7, kWhite}, {7, 3, kWhite}, {4, 9, kWhite}}},
      {"Rectangle with pen and brush",
       [](HDC dc) {
         WithPenAndBrush(dc, CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed), [dc] { Rectangle(dc, 2, 3, 7, 9); });
       },
       {{2, 3, kBlack}, {6, 3, kBlack}, {6, 8, kBlack}, {2, 8, kBlack}, {3, 4, kRed}, {5, 7, kRed}, {7, 5, kWhite},
        {4, 9, kWhite}}},
      {"Rectangle with the null pen loses a column and a row",
       [](HDC dc) {
         WithPenAndBrush(dc, CreatePen(PS_NULL, 1, 0), CreateSolidBrush(kRed), [dc] { Rectangle(dc, 2, 3, 7, 9); });
       },
       {{2, 3, kRed}, {5, 7, kRed}, {6, 5, kWhite}, {4, 8, kWhite}}},
      {"InvertRect",
       [](HDC dc) {
         TRect r{1, 1, 3, 2};
         InvertRect(dc, &r);
       },
       {{1, 1, kBlack}, {2, 1, kBlack}, {3, 1, kWhite}, {1, 2, kWhite}}},
  });
}

TEST(Primitives, LinesLeaveOutTheirEndPoint) {
  auto pen = [](HDC dc, const std::function<void()>& f) {
    Selected p(dc, CreatePen(PS_SOLID, 0, kBlack));
    f();
  };
  RunCases({
      {"horizontal", [&](HDC dc) { pen(dc, [dc] { Line(dc, 2, 2, 8, 2); }); },
       {{2, 2, kBlack}, {7, 2, kBlack}, {8, 2, kWhite}, {1, 2, kWhite}}},
      {"leftward", [&](HDC dc) { pen(dc, [dc] { Line(dc, 8, 2, 2, 2); }); },
       {{8, 2, kBlack}, {3, 2, kBlack}, {2, 2, kWhite}}},
      {"vertical", [&](HDC dc) { pen(dc, [dc] { Line(dc, 4, 1, 4, 6); }); },
       {{4, 1, kBlack}, {4, 5, kBlack}, {4, 6, kWhite}}},
      {"diagonal", [&](HDC dc) { pen(dc, [dc] { Line(dc, 2, 2, 6, 6); }); },
       {{2, 2, kBlack}, {3, 3, kBlack}, {5, 5, kBlack}, {6, 6, kWhite}, {3, 2, kWhite}}},
      {"polyline keeps its joints and drops the last point",
       [&](HDC dc) {
         pen(dc, [dc] {
           const TPoint pts[] = {{1, 1}, {5, 1}, {5, 5}};
           Polyline(dc, pts, 3);
         });
       },
       {{1, 1, kBlack}, {5, 1, kBlack}, {5, 4, kBlack}, {5, 5, kWhite}}},
      {"polygon closes and draws every vertex",
       [&](HDC dc) {
         pen(dc, [dc] {
           const TPoint pts[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
           Polygon(dc, pts, 4);
         });
       },
       {{1, 1, kBlack}, {5, 1, kBlack}, {5, 5, kBlack}, {1, 5, kBlack}, {3, 3, kWhite}}},
      {"a line to its own start draws nothing", [&](HDC dc) { pen(dc, [dc] { Line(dc, 3, 3, 3, 3); }); },
       {{3, 3, kWhite}}},
  });
}

TEST(Primitives, LineAndItsReverseCoverTheSamePixels) {
  const TPoint ends[][2] = {{{0, 0}, {9, 4}}, {{1, 7}, {12, 2}}, {{3, 0}, {5, 11}}, {{0, 0}, {8, 3}}};
  for (const auto& e : ends) {
    TestCanvas forward(16, 16), backward(16, 16);
    for (TestCanvas* c : {&forward, &backward}) SelectObject(c->dc(), GetStockObject(BLACK_PEN));
    Line(forward.dc(), e[0].X, e[0].Y, e[1].X, e[1].Y);
    Line(backward.dc(), e[1].X, e[1].Y, e[0].X, e[0].Y);
    // Same pixels apart from the excluded end points, which swap.
    forward.SetRaw(e[1].X, e[1].Y, backward.Raw(e[1].X, e[1].Y));
    backward.SetRaw(e[0].X, e[0].Y, forward.Raw(e[0].X, e[0].Y));
    EXPECT_EQ(forward.Picture(), backward.Picture());
    EXPECT_EQ(forward.Count(kBlack), std::max(std::abs(e[1].X - e[0].X), std::abs(e[1].Y - e[0].Y)) + 1);
  }
}

TEST(Primitives, EllipseTouchesItsBoxAndIsSymmetric) {
  const TRect boxes[] = {{2, 2, 12, 8}, {3, 1, 20, 20}, {0, 0, 5, 5}, {4, 4, 6, 30}};
  for (const TRect& b : boxes) {
    TestCanvas canvas(32, 32);
    {
      Selected pen(canvas.dc(), CreatePen(PS_SOLID, 1, kBlack));
      Selected brush(canvas.dc(), CreateSolidBrush(kRed));
      Ellipse(canvas.dc(), b.Left, b.Top, b.Right, b.Bottom);
    }
    auto painted = [&](int x, int y) { return canvas.At(x, y) != kWhite; };
    bool left = false, right = false, top = false, bottom = false;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        if (!painted(x, y)) continue;
        EXPECT_TRUE(x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom) << x << "," << y << canvas.Picture();
        left |= x == b.Left, right |= x == b.Right - 1, top |= y == b.Top, bottom |= y == b.Bottom - 1;
        EXPECT_TRUE(painted(b.Left + b.Right - 1 - x, y) && painted(x, b.Top + b.Bottom - 1 - y)) << canvas.Picture();
      }
    EXPECT_TRUE(left && right && top && bottom) << canvas.Picture();
    // The centre is brush, the outline pen.
    EXPECT_EQ(canvas.At((b.Left + b.Right) / 2, b.Top), kBlack);
    if (b.Width() > 2 && b.Height() > 2) {
      EXPECT_EQ(canvas.At((b.Left + b.Right - 1) / 2, (b.Top + b.Bottom - 1) / 2), kRed);
    }
  }
}

TEST(Primitives, WideAndStyledPens) {
  RunCases({
      {"3-pixel pen: three rows, round caps one pixel past each end",
       [](HDC dc) {
         Selected p(dc, CreatePen(PS_SOLID, 3, kBlack));
         Line(dc, 10, 10, 20, 10);
       },
       {{9, 10, kBlack}, {21, 10, kBlack}, {15, 9, kBlack}, {15, 11, kBlack}, {9, 9, kBlack}, {15, 8, kWhite},
        {15, 12, kWhite}, {8, 10, kWhite}, {22, 10, kWhite}}},
      {"CreatePen makes wide dashes solid",
       [](HDC dc) {
         Selected p(dc, CreatePen(PS_DOT, 3, kBlack));
         Line(dc, 2, 5, 28, 5);
       },
       {{5, 5, kBlack}, {12, 5, kBlack}, {20, 5, kBlack}}},
      {"dotted pen: 3 on, 3 off, gaps untouched when transparent",
       [](HDC dc) {
         Selected p(dc, CreatePen(PS_DOT, 0, kBlack));
         SetBkMode(dc, TRANSPARENT);
         Line(dc, 0, 20, 20, 20);
       },
       {{0, 20, kBlack}, {2, 20, kBlack}, {3, 20, kWhite}, {5, 20, kWhite}, {6, 20, kBlack}, {9, 20, kWhite}}},
      {"dotted pen: gaps in the background colour when opaque",
       [](HDC dc) {
         Selected p(dc, CreatePen(PS_DOT, 0, kBlack));
         SetBkColor(dc, kBlue);
         Line(dc, 0, 20, 20, 20);
       },
       {{0, 20, kBlack}, {3, 20, kBlue}, {5, 20, kBlue}, {6, 20, kBlack}}},
      {"dash pattern runs on across polyline segments",
       [](HDC dc) {
         Selected p(dc, CreatePen(PS_DOT, 0, kBlack));
         SetBkMode(dc, TRANSPARENT);
         const TPoint pts[] = {{0, 0}, {4, 0}, {4, 10}};
         Polyline(dc, pts, 3);
       },
       // Pixels 0..3 on row 0 are steps 0..3; (4,0) is step 4, (4,1) step 5, (4,2) step 6.
       {{2, 0, kBlack}, {3, 0, kWhite}, {4, 0, kWhite}, {4, 1, kWhite}, {4, 2, kBlack}}},
      {"geometric dashes are multiples of the width",
       [](HDC dc) {
         const LOGBRUSH lb{BS_SOLID, kBlack, 0};
         Selected p(dc, ExtCreatePen(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT, 2, &lb, 0, nullptr));
         Line(dc, 0, 10, 30, 10);
       },
       // Dash 6 on, 2 off, with flat caps.
       {{0, 10, kBlack}, {5, 10, kBlack}, {6, 10, kWhite}, {7, 10, kWhite}, {8, 10, kBlack}, {0, 9, kBlack},
        {0, 11, kWhite}}},
      {"inside-frame pen stays inside the box",
       [](HDC dc) {
         Selected p(dc, CreatePen(PS_INSIDEFRAME, 3, kBlack));
         Selected b(dc, GetStockObject(NULL_BRUSH));
         Rectangle(dc, 5, 5, 15, 15);
       },
       {{5, 5, kBlack}, {7, 7, kBlack}, {14, 14, kBlack}, {12, 12, kBlack}, {8, 8, kWhite}, {4, 5, kWhite},
        {15, 10, kWhite}}},
  });
}

TEST(Primitives, BinaryMixes) {
  TestCanvas canvas(8, 8, kRed);
  HDC dc = canvas.dc();
  SelectObject(dc, GetStockObject(WHITE_PEN));
  SetROP2(dc, R2_XORPEN);
  Line(dc, 0, 0, 8, 0);
  EXPECT_EQ(canvas.At(3, 0), kRed ^ kWhite);
  Line(dc, 0, 0, 8, 0);
  EXPECT_EQ(canvas.At(3, 0), kRed);   // XOR twice restores
  SetROP2(dc, R2_NOT);
  Line(dc, 0, 1, 8, 1);
  EXPECT_EQ(canvas.At(3, 1), kRed ^ kWhite);
  SetROP2(dc, R2_NOP);
  Line(dc, 0, 2, 8, 2);
  EXPECT_EQ(canvas.At(3, 2), kRed);
  // Shapes fill through the mix too; each pixel is painted once.
  SetROP2(dc, R2_XORPEN);
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, 2, 3, 6, 7);
  EXPECT_EQ(canvas.At(2, 3), kRed ^ kWhite);
  EXPECT_EQ(canvas.At(3, 4), kRed ^ kWhite);
}

TEST(Primitives, ClippingLeavesOutsidePixelsUntouched) {
  RunCases({
      {"IntersectClipRect",
       [](HDC dc) {
         IntersectClipRect(dc, 5, 5, 10, 10);
         FillRectColor(dc, {0, 0, 20, 20}, kRed);
       },
       {{5, 5, kRed}, {9, 9, kRed}, {4, 5, kWhite}, {10, 9, kWhite}, {5, 10, kWhite}}},
      {"ExcludeClipRect",
       [](HDC dc) {
         ExcludeClipRect(dc, 5, 5, 10, 10);
         FillRectColor(dc, {0, 0, 20, 20}, kRed);
       },
       {{4, 5, kRed}, {10, 9, kRed}, {5, 5, kWhite}, {9, 9, kWhite}}},
      {"lines and shapes are clipped",
       [](HDC dc) {
         IntersectClipRect(dc, 0, 0, 10, 32);
         Selected p(dc, CreatePen(PS_SOLID, 3, kBlack));
         Line(dc, 0, 5, 30, 5);
         Ellipse(dc, 5, 10, 25, 30);
       },
       {{9, 5, kBlack}, {10, 5, kWhite}, {20, 5, kWhite}, {20, 20, kWhite}}},
      {"SetPixel outside the clip fails",
       [](HDC dc) {
         IntersectClipRect(dc, 0, 0, 2, 2);
         EXPECT_EQ(SetPixel(dc, 5, 5, kRed), CLR_INVALID);
         EXPECT_EQ(GetPixel(dc, 5, 5), CLR_INVALID);
         EXPECT_EQ(SetPixel(dc, 1, 1, kRed), kRed);
       },
       {{5, 5, kWhite}, {1, 1, kRed}}},
      {"a line to a far point is drawn where it shows",
       [](HDC dc) {
         Selected p(dc, CreatePen(PS_SOLID, 0, kBlack));
         Line(dc, -100000000, 4, 100000000, 4);
       },
       {{0, 4, kBlack}, {31, 4, kBlack}, {0, 3, kWhite}}},
  });
}

TEST(Primitives, WindowAndViewportOriginsMoveDrawing) {
  RunCases({
      {"window origin",
       [](HDC dc) {
         SetWindowOrgEx(dc, 10, 10, nullptr);
         FillRectColor(dc, {10, 10, 12, 12}, kRed);
         EXPECT_EQ(GetPixel(dc, 10, 10), kRed);
       },
       {{0, 0, kRed}, {1, 1, kRed}, {2, 2, kWhite}, {10, 10, kWhite}}},
      {"viewport origin",
       [](HDC dc) {
         SetViewportOrgEx(dc, 5, 6, nullptr);
         FillRectColor(dc, {0, 0, 1, 1}, kRed);
       },
       {{5, 6, kRed}, {0, 0, kWhite}}},
      {"clip rectangles are logical, clip regions device",
       [](HDC dc) {
         SetWindowOrgEx(dc, -4, -4, nullptr);
         IntersectClipRect(dc, 0, 0, 2, 2);   // device (4, 4, 6, 6)
         FillRectColor(dc, {-4, -4, 28, 28}, kRed);
         TRect box;
         EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
         EXPECT_EQ(box, (TRect{0, 0, 2, 2}));
       },
       {{4, 4, kRed}, {5, 5, kRed}, {6, 6, kWhite}, {3, 4, kWhite}}},
  });
}

TEST(Primitives, BrushesFollowTheBrushOrigin) {
  // The 8 x 8 checkerboard of 0x55 / 0xAA rows: bit 0 paints the text colour, 1 the background.
  const WORD halftone[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
  auto fillPattern = [&](HDC dc, int orgX, int orgY) {
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, halftone);
    HBRUSH brush = CreatePatternBrush(pattern);
    DeleteObject(pattern);   // the brush keeps its own copy
    SetTextColor(dc, kBlack);
    SetBkColor(dc, kRed);
    SetBrushOrgEx(dc, orgX, orgY, nullptr);
    TRect r{0, 0, 16, 16};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  };
  RunCases({
      {"origin (0, 0)", [&](HDC dc) { fillPattern(dc, 0, 0); },
       {{0, 0, kBlack}, {1, 0, kRed}, {0, 1, kRed}, {1, 1, kBlack}, {8, 0, kBlack}, {9, 8, kRed}}},
      {"origin (1, 0) shifts the pattern right", [&](HDC dc) { fillPattern(dc, 1, 0); },
       {{0, 0, kRed}, {1, 0, kBlack}, {1, 1, kRed}}},
      {"hatch: lines in the brush colour, background opaque",
       [](HDC dc) {
         SetBkColor(dc, kBlue);
         HBRUSH b = CreateHatchBrush(HS_HORIZONTAL, kRed);
         TRect r{0, 0, 8, 16};
         FillRect(dc, &r, b);
         DeleteObject(b);
       },
       {{0, 0, kRed}, {7, 8, kRed}, {0, 1, kBlue}, {3, 9, kBlue}}},
      {"hatch: transparent background shows through shapes",
       [](HDC dc) {
         SetBkMode(dc, TRANSPARENT);
         Selected p(dc, GetStockObject(NULL_PEN));
         Selected b(dc, CreateHatchBrush(HS_VERTICAL, kRed));
         Rectangle(dc, 0, 0, 17, 9);
       },
       {{0, 0, kRed}, {8, 5, kRed}, {1, 0, kWhite}, {4, 4, kWhite}}},
  });
}

TEST(Primitives, FloodFillStopsAtTheBorder) {
  TestCanvas canvas(16, 16);
  HDC dc = canvas.dc();
  {
    Selected p(dc, CreatePen(PS_SOLID, 1, kBlack));
    Selected b(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 2, 2, 10, 10);
  }
  Selected b(dc, CreateSolidBrush(kRed));
  EXPECT_TRUE(FloodFill(dc, 5, 5, kBlack));
  EXPECT_EQ(canvas.At(3, 3), kRed);
  EXPECT_EQ(canvas.At(8, 8), kRed);
  EXPECT_EQ(canvas.At(2, 2), kBlack);
  EXPECT_EQ(canvas.At(11, 11), kWhite);
  EXPECT_EQ(canvas.Count(kRed), 36);
  // Starting on the border colour fills nothing; surface fill replaces one colour.
  EXPECT_FALSE(FloodFill(dc, 2, 2, kBlack));
  EXPECT_TRUE(ExtFloodFill(dc, 0, 0, kWhite, FLOODFILLSURFACE));
  EXPECT_EQ(canvas.At(12, 0), kRed);
  EXPECT_EQ(canvas.Count(kWhite), 0);
}

TEST(Primitives, RoundRectPieAndChordStayInTheirBoxes) {
  const std::function<void(HDC)> shapes[] = {
      [](HDC dc) { RoundRect(dc, 4, 4, 24, 20, 8, 6); },
      [](HDC dc) { Pie(dc, 4, 4, 24, 20, 24, 12, 14, 4); },
      [](HDC dc) { Chord(dc, 4, 4, 24, 20, 24, 12, 4, 12); },
      [](HDC dc) { Arc(dc, 4, 4, 24, 20, 24, 12, 4, 12); },
  };
  for (const auto& draw : shapes) {
    TestCanvas canvas(32, 32);
    {
      Selected p(canvas.dc(), CreatePen(PS_SOLID, 1, kBlack));
      Selected b(canvas.dc(), CreateSolidBrush(kRed));
      draw(canvas.dc());
    }
    int painted = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (canvas.At(x, y) != kWhite) {
          ++painted;
          EXPECT_TRUE(x >= 4 && x < 24 && y >= 4 && y < 20) << canvas.Picture();
        }
    EXPECT_GT(painted, 10) << canvas.Picture();
  }
  // The upper half of a chord cut along the horizontal diameter: nothing below the centre line.
  TestCanvas chord(32, 32);
  Chord(chord.dc(), 4, 4, 24, 20, 24, 12, 4, 12);
  for (int x = 0; x < 32; ++x) EXPECT_EQ(chord.At(x, 14), kWhite) << chord.Picture();
  EXPECT_EQ(chord.At(14, 4), kBlack);
}

}  // namespace
