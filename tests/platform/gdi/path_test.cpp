// Paths: recording instead of drawing, filling, stroking, clipping and regions.
#include <gtest/gtest.h>

#include "platform/gdi/clip.h"
#include "platform/gdi/path.h"
#include "platform/gdi/region.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

TEST(Paths, ShapesRecordInsteadOfDrawingAndFillLikeTheNullPen) {
  TestCanvas viaPath(20, 20), direct(20, 20);
  for (TestCanvas* c : {&viaPath, &direct}) SelectObject(c->dc(), GetStockObject(BLACK_BRUSH));
  ASSERT_TRUE(BeginPath(viaPath.dc()));
  Rectangle(viaPath.dc(), 2, 3, 12, 9);
  Ellipse(viaPath.dc(), 4, 10, 16, 19);
  EXPECT_EQ(viaPath.Count(kBlack), 0);   // nothing drawn while recording
  ASSERT_TRUE(EndPath(viaPath.dc()));
  ASSERT_TRUE(FillPath(viaPath.dc()));
  SelectObject(direct.dc(), GetStockObject(NULL_PEN));
  Rectangle(direct.dc(), 2, 3, 12, 9);
  EXPECT_EQ(viaPath.At(2, 3), kBlack);
  EXPECT_EQ(viaPath.At(10, 7), kBlack);
  EXPECT_EQ(viaPath.At(11, 8), kWhite);   // the null-pen rule: last column and row left out
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) EXPECT_EQ(viaPath.At(x, y), direct.At(x, y)) << x << "," << y;
  EXPECT_EQ(viaPath.At(10, 14), kBlack);   // inside the ellipse
  EXPECT_FALSE(FillPath(viaPath.dc()));    // used up
}

TEST(Paths, StrokingDrawsFiguresWithThePen) {
  TestCanvas viaPath(16, 16), direct(16, 16);
  const TPoint pts[] = {{2, 2}, {12, 3}, {7, 13}};
  for (TestCanvas* c : {&viaPath, &direct}) {
    SelectObject(c->dc(), GetStockObject(BLACK_PEN));
    SelectObject(c->dc(), GetStockObject(NULL_BRUSH));
  }
  BeginPath(viaPath.dc());
  Polygon(viaPath.dc(), pts, 3);
  EndPath(viaPath.dc());
  ASSERT_TRUE(StrokePath(viaPath.dc()));
  Polygon(direct.dc(), pts, 3);
  EXPECT_EQ(viaPath.Picture(), direct.Picture());
  // An open figure made of MoveToEx / LineTo stays open.
  TestCanvas open(16, 16);
  SelectObject(open.dc(), GetStockObject(BLACK_PEN));
  BeginPath(open.dc());
  MoveToEx(open.dc(), 1, 1, nullptr);
  LineTo(open.dc(), 10, 1);
  LineTo(open.dc(), 10, 10);
  EndPath(open.dc());
  TPoint points[8];
  BYTE types[8];
  ASSERT_EQ(GetPath(open.dc(), points, types, 8), 3);
  EXPECT_EQ(types[0], PT_MOVETO);
  EXPECT_EQ(types[2], PT_LINETO);
  EXPECT_EQ(points[2], (TPoint{10, 10}));
  StrokePath(open.dc());
  EXPECT_EQ(open.At(5, 1), kBlack);
  EXPECT_EQ(open.At(5, 5), kWhite);   // not closed back to the start
}

TEST(Paths, ClipAndRegion) {
  TestCanvas canvas(20, 20);
  HDC dc = canvas.dc();
  SetWindowOrgEx(dc, -2, -2, nullptr);
  BeginPath(dc);
  Ellipse(dc, 0, 0, 10, 10);
  EndPath(dc);
  HRGN rgn = PathToRegion(dc);
  ASSERT_NE(rgn, nullptr);
  // Device coordinates: the figure runs through the centres of the outline pixels, (2, 2)-(10, 10).
  TRect box;
  EXPECT_EQ(GetRgnBox(rgn, &box), COMPLEXREGION);
  EXPECT_TRUE(box.Left >= 2 && box.Top >= 2 && box.Right <= 11 && box.Bottom <= 11 && box.Right >= 10);
  EXPECT_TRUE(PtInRegion(rgn, 6, 6));
  EXPECT_TRUE(PtInRegion(rgn, 6, 3));
  EXPECT_FALSE(PtInRegion(rgn, 3, 3));
  DeleteObject(rgn);

  BeginPath(dc);
  Rectangle(dc, 0, 0, 6, 6);
  EndPath(dc);
  ASSERT_TRUE(SelectClipPath(dc, RGN_COPY));
  HBRUSH red = CreateSolidBrush(kRed);
  TRect all{-2, -2, 18, 18};
  FillRect(dc, &all, red);
  EXPECT_EQ(canvas.At(2, 2), kRed);
  EXPECT_EQ(canvas.At(6, 6), kRed);
  EXPECT_EQ(canvas.At(7, 7), kWhite);
  EXPECT_EQ(canvas.Count(kRed), 25);
  DeleteObject(red);
  EXPECT_FALSE(SelectClipPath(dc, RGN_COPY));   // no path any more
  EXPECT_FALSE(EndPath(dc));
}

}  // namespace
