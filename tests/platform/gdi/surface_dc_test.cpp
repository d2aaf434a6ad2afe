// Contexts on window surfaces: origin, visible region, and the PNG of a surface.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdio>
#include <string>

#include "platform/gdi/clip.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface_dc.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

TEST(SurfaceDc, DrawsAtItsOriginWithinItsVisibleRegion) {
  TestCanvas window(20, 20);
  HDC child = gdi::CreateSurfaceDC(window.bitmap(), {5, 6});
  ASSERT_NE(child, nullptr);
  HRGN visible = CreateRectRgn(5, 6, 15, 12);
  ASSERT_TRUE(gdi::SetSurfaceDCPlacement(child, {5, 6}, visible));
  HBRUSH red = CreateSolidBrush(kRed);
  TRect all{-10, -10, 40, 40};
  FillRect(child, &all, red);
  EXPECT_EQ(window.At(5, 6), kRed);
  EXPECT_EQ(window.At(14, 11), kRed);
  EXPECT_EQ(window.At(15, 11), kWhite);
  EXPECT_EQ(window.At(4, 6), kWhite);
  EXPECT_EQ(GetPixel(child, 0, 0), kRed);   // logical (0, 0) is the origin
  TRect box;
  GetClipBox(child, &box);
  EXPECT_EQ(box, (TRect{0, 0, 10, 6}));
  // The clip region is relative to the origin and lies within the visible region.
  IntersectClipRect(child, 0, 0, 2, 2);
  window.Clear(kWhite);
  FillRect(child, &all, red);
  EXPECT_EQ(window.Count(kRed), 4);
  EXPECT_EQ(window.At(6, 7), kRed);
  DeleteObject(red);
  DeleteObject(visible);
  DeleteDC(child);
}

TEST(SurfaceDc, PngOfABitmap) {
  TestCanvas canvas(3, 2);
  canvas.SetRaw(1, 1, 0x00123456);
  const std::string path = ::testing::TempDir() + "surface_dc_test.png";
  ASSERT_TRUE(gdi::WriteBitmapPng(canvas.bitmap(), path));
  cairo_surface_t* read = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(read), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(read), 3);
  const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(read) +
                                                            cairo_image_surface_get_stride(read));
  EXPECT_EQ(row[1] & 0xFFFFFF, 0x123456u);
  cairo_surface_destroy(read);
  std::remove(path.c_str());
  EXPECT_FALSE(gdi::WriteBitmapPng(nullptr, path));
  EXPECT_NE(gdi::CairoSurfaceOf(canvas.bitmap()), nullptr);
}

}  // namespace
