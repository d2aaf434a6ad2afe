// Region algebra: combine operations and their result codes, shapes, queries and drawing.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/region.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

// Owns a region handle.
struct Rgn {
  explicit Rgn(HRGN h) : h(h) {}
  ~Rgn() { DeleteObject(h); }
  Rgn(const Rgn&) = delete;
  HRGN h;
};

int CountPixels(HRGN r, const TRect& area) {
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) n += PtInRegion(r, x, y) ? 1 : 0;
  return n;
}

TEST(Regions, CombineTable) {
  struct Case {
    TRect a, b;
    int mode;
    int result;
    TRect box;
    int pixels;
    std::vector<TPoint> inside, outside;
  };
  const Case cases[] = {
      {{0, 0, 10, 10}, {5, 5, 15, 15}, RGN_AND, SIMPLEREGION, {5, 5, 10, 10}, 25, {{5, 5}, {9, 9}}, {{4, 4}, {10, 10}}},
      {{0, 0, 10, 10}, {5, 5, 15, 15}, RGN_OR, COMPLEXREGION, {0, 0, 15, 15}, 175, {{0, 0}, {14, 14}, {7, 7}}, {{12, 2}, {2, 12}}},
      {{0, 0, 10, 10}, {5, 5, 15, 15}, RGN_XOR, COMPLEXREGION, {0, 0, 15, 15}, 150, {{0, 0}, {14, 14}}, {{7, 7}, {12, 2}}},
      {{0, 0, 10, 10}, {5, 5, 15, 15}, RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}, 75, {{0, 0}, {9, 4}}, {{7, 7}, {12, 12}}},
      {{0, 0, 10, 10}, {20, 20, 30, 30}, RGN_AND, NULLREGION, {0, 0, 0, 0}, 0, {}, {{0, 0}}},
      {{0, 0, 5, 10}, {5, 0, 10, 10}, RGN_OR, SIMPLEREGION, {0, 0, 10, 10}, 100, {{4, 5}, {5, 5}}, {{10, 5}}},
      {{0, 0, 10, 5}, {0, 5, 10, 10}, RGN_OR, SIMPLEREGION, {0, 0, 10, 10}, 100, {{5, 4}, {5, 5}}, {}},
      {{0, 0, 10, 10}, {0, 0, 10, 10}, RGN_XOR, NULLREGION, {0, 0, 0, 0}, 0, {}, {{5, 5}}},
      {{0, 0, 10, 10}, {2, 2, 4, 4}, RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}, 96, {{1, 1}, {4, 4}}, {{2, 2}, {3, 3}}},
      {{0, 0, 10, 10}, {0, 0, 0, 0}, RGN_COPY, SIMPLEREGION, {0, 0, 10, 10}, 100, {{0, 0}}, {{10, 0}}},
      {{0, 0, 10, 10}, {0, 0, 0, 0}, RGN_AND, NULLREGION, {0, 0, 0, 0}, 0, {}, {{0, 0}}},
      {{0, 0, 10, 10}, {0, 0, 0, 0}, RGN_OR, SIMPLEREGION, {0, 0, 10, 10}, 100, {{9, 9}}, {{10, 10}}},
      {{0, 0, 0, 0}, {2, 2, 4, 4}, RGN_XOR, SIMPLEREGION, {2, 2, 4, 4}, 4, {{3, 3}}, {{4, 4}}},
      {{0, 0, 10, 10}, {0, 0, 0, 0}, RGN_DIFF, SIMPLEREGION, {0, 0, 10, 10}, 100, {{0, 9}}, {{0, 10}}},
      {{0, 0, 0, 0}, {2, 2, 4, 4}, RGN_DIFF, NULLREGION, {0, 0, 0, 0}, 0, {}, {{3, 3}}},
  };
  for (const Case& c : cases) {
    Rgn a(CreateRectRgnIndirect(&c.a)), b(CreateRectRgnIndirect(&c.b)), d(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(d.h, a.h, b.h, c.mode), c.result) << c.mode;
    TRect box;
    EXPECT_EQ(GetRgnBox(d.h, &box), c.result);
    EXPECT_EQ(box, c.box) << c.mode;
    EXPECT_EQ(CountPixels(d.h, {-2, -2, 32, 32}), c.pixels) << c.mode;
    for (TPoint p : c.inside) EXPECT_TRUE(PtInRegion(d.h, p.X, p.Y)) << c.mode << " " << p.X << "," << p.Y;
    for (TPoint p : c.outside) EXPECT_FALSE(PtInRegion(d.h, p.X, p.Y)) << c.mode << " " << p.X << "," << p.Y;
  }
  Rgn a(CreateRectRgn(0, 0, 1, 1));
  EXPECT_EQ(CombineRgn(a.h, a.h, nullptr, RGN_AND), ERROR);
  EXPECT_EQ(CombineRgn(a.h, a.h, a.h, 9), ERROR);
}

TEST(Regions, CombiningInPlaceAndEquality) {
  Rgn a(CreateRectRgn(0, 0, 10, 10)), b(CreateRectRgn(5, 0, 15, 10)), c(CreateRectRgn(0, 0, 15, 10));
  EXPECT_EQ(CombineRgn(a.h, a.h, b.h, RGN_OR), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(a.h, c.h));
  // The same set built in another order is the same list of rectangles.
  Rgn x(CreateRectRgn(0, 0, 4, 4)), y(CreateRectRgn(2, 2, 6, 6)), u(CreateRectRgn(0, 0, 0, 0)), v(CreateRectRgn(0, 0, 0, 0));
  CombineRgn(u.h, x.h, y.h, RGN_OR);
  CombineRgn(v.h, y.h, x.h, RGN_OR);
  EXPECT_TRUE(EqualRgn(u.h, v.h));
  EXPECT_EQ(GetRegionData(u.h, 0, nullptr), GetRegionData(v.h, 0, nullptr));
  EXPECT_EQ(OffsetRgn(u.h, 3, 1), COMPLEXREGION);
  EXPECT_FALSE(EqualRgn(u.h, v.h));
  EXPECT_TRUE(PtInRegion(u.h, 3, 1));
  EXPECT_FALSE(PtInRegion(u.h, 2, 1));
}

TEST(Regions, PolygonFillModes) {
  // A five-pointed star: its middle is covered twice, so only WINDING includes it.
  const TPoint star[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
  Rgn alternate(CreatePolygonRgn(star, 5, ALTERNATE)), winding(CreatePolygonRgn(star, 5, WINDING));
  EXPECT_FALSE(PtInRegion(alternate.h, 10, 10));
  EXPECT_TRUE(PtInRegion(winding.h, 10, 10));
  EXPECT_TRUE(PtInRegion(alternate.h, 10, 3));
  EXPECT_TRUE(PtInRegion(winding.h, 10, 3));
  // The square (0,0)-(10,10) covers exactly 10 x 10 pixels: the top-left rule.
  const TPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  Rgn sq(CreatePolygonRgn(square, 4, ALTERNATE));
  TRect box;
  EXPECT_EQ(GetRgnBox(sq.h, &box), SIMPLEREGION);
  EXPECT_EQ(box, (TRect{0, 0, 10, 10}));
  // Two triangles sharing an edge share no pixel and leave no gap.
  const TPoint upper[] = {{0, 0}, {12, 0}, {0, 12}}, lower[] = {{12, 0}, {12, 12}, {0, 12}};
  Rgn t1(CreatePolygonRgn(upper, 3, ALTERNATE)), t2(CreatePolygonRgn(lower, 3, ALTERNATE)), both(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(CombineRgn(both.h, t1.h, t2.h, RGN_AND), NULLREGION);
  EXPECT_EQ(CombineRgn(both.h, t1.h, t2.h, RGN_OR), SIMPLEREGION);
  EXPECT_EQ(CountPixels(both.h, {0, 0, 12, 12}), 144);
  const TPoint two[] = {{0, 0}, {1, 1}};
  Rgn degenerate(CreatePolygonRgn(two, 2, ALTERNATE));
  EXPECT_EQ(GetRgnBox(degenerate.h, &box), NULLREGION);
}

TEST(Regions, EllipticAndRoundRegionsMatchTheShapes) {
  const TRect boxes[] = {{2, 3, 14, 15}, {1, 1, 20, 9}, {0, 0, 13, 13}};
  for (const TRect& b : boxes) {
    Rgn e(CreateEllipticRgnIndirect(&b));
    TRect box;
    EXPECT_EQ(GetRgnBox(e.h, &box), COMPLEXREGION);
    EXPECT_EQ(box, b);
    // Filling the region paints what Ellipse with a one-pixel pen of the brush's colour paints.
    TestCanvas filled(24, 24), drawn(24, 24);
    HBRUSH red = CreateSolidBrush(kRed);
    FillRgn(filled.dc(), e.h, red);
    {
      Selected pen(drawn.dc(), CreatePen(PS_SOLID, 1, kRed));
      SelectObject(drawn.dc(), red);
      Ellipse(drawn.dc(), b.Left, b.Top, b.Right, b.Bottom);
      SelectObject(drawn.dc(), GetStockObject(WHITE_BRUSH));
    }
    EXPECT_EQ(filled.Picture(), drawn.Picture());
    DeleteObject(red);
  }
  Rgn round(CreateRoundRectRgn(0, 0, 20, 10, 6, 6));
  EXPECT_FALSE(PtInRegion(round.h, 0, 0));
  EXPECT_TRUE(PtInRegion(round.h, 0, 5));
  EXPECT_TRUE(PtInRegion(round.h, 10, 0));
  EXPECT_FALSE(PtInRegion(round.h, 19, 9));
}

TEST(Regions, DataRoundTripAndQueries) {
  Rgn a(CreateRectRgn(0, 0, 10, 10)), hole(CreateRectRgn(3, 3, 6, 6));
  CombineRgn(a.h, a.h, hole.h, RGN_DIFF);
  const DWORD size = GetRegionData(a.h, 0, nullptr);
  std::vector<unsigned char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  ASSERT_EQ(GetRegionData(a.h, size, data), size);
  EXPECT_EQ(data->rdh.nCount, 4u);   // above, left of, right of and below the hole
  EXPECT_EQ(data->rdh.rcBound, (TRect{0, 0, 10, 10}));
  Rgn copy(ExtCreateRegion(nullptr, size, data));
  EXPECT_TRUE(EqualRgn(a.h, copy.h));
  const TRect inHole{4, 4, 5, 5}, overlapping{5, 5, 7, 7};
  EXPECT_FALSE(RectInRegion(a.h, &inHole));
  EXPECT_TRUE(RectInRegion(a.h, &overlapping));
  EXPECT_TRUE(SetRectRgn(a.h, 8, 8, 2, 2));   // reordered
  TRect box;
  GetRgnBox(a.h, &box);
  EXPECT_EQ(box, (TRect{2, 2, 8, 8}));
  EXPECT_EQ(ExtCreateRegion(nullptr, 8, data), nullptr);
}

TEST(Regions, FrameInvertAndPaint) {
  TestCanvas canvas(12, 12);
  Rgn r(CreateRectRgn(2, 2, 10, 10));
  HBRUSH blue = CreateSolidBrush(kBlue);
  ASSERT_TRUE(FrameRgn(canvas.dc(), r.h, blue, 2, 1));
  EXPECT_EQ(canvas.At(2, 5), kBlue);
  EXPECT_EQ(canvas.At(3, 5), kBlue);
  EXPECT_EQ(canvas.At(4, 5), kWhite);
  EXPECT_EQ(canvas.At(5, 2), kBlue);
  EXPECT_EQ(canvas.At(5, 3), kWhite);
  EXPECT_EQ(canvas.At(1, 5), kWhite);
  ASSERT_TRUE(InvertRgn(canvas.dc(), r.h));
  EXPECT_EQ(canvas.At(5, 5), kBlack);
  EXPECT_EQ(canvas.At(2, 5), RGB(255, 255, 0));
  SetROP2(canvas.dc(), R2_XORPEN);
  SelectObject(canvas.dc(), blue);
  ASSERT_TRUE(PaintRgn(canvas.dc(), r.h));
  EXPECT_EQ(canvas.At(5, 5), kBlue);
  SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(blue);
}

}  // namespace
