// Device-context state: save and restore, modes, capabilities, clip regions and the display
// context.
#include <gtest/gtest.h>

#include "platform/gdi/clip.h"
#include "platform/gdi/region.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

TEST(DcState, SaveAndRestoreLevels) {
  TestCanvas canvas(16, 16);
  HDC dc = canvas.dc();
  SetTextColor(dc, kRed);
  EXPECT_EQ(SaveDC(dc), 1);
  SetTextColor(dc, kGreen);
  SetWindowOrgEx(dc, 3, 4, nullptr);
  IntersectClipRect(dc, 0, 0, 5, 5);
  EXPECT_EQ(SaveDC(dc), 2);
  SetTextColor(dc, kBlue);
  EXPECT_EQ(SaveDC(dc), 3);
  EXPECT_TRUE(RestoreDC(dc, -1));   // back to level 3's state
  EXPECT_EQ(GetTextColor(dc), kBlue);
  EXPECT_TRUE(RestoreDC(dc, 1));    // drops level 2 as well
  EXPECT_EQ(GetTextColor(dc), kRed);
  TPoint org;
  GetWindowOrgEx(dc, &org);
  EXPECT_EQ(org, (TPoint{0, 0}));
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc, rgn), 0);   // the clip region went with the restore
  EXPECT_FALSE(RestoreDC(dc, 1));      // nothing saved any more
  EXPECT_FALSE(RestoreDC(dc, 0));
  DeleteObject(rgn);
}

TEST(DcState, ModesRejectUnknownValues) {
  TestCanvas canvas(2, 2);
  HDC dc = canvas.dc();
  struct Case {
    int (*set)(HDC, int);
    int first, valid, invalid;
  };
  const Case cases[] = {{SetBkMode, OPAQUE, TRANSPARENT, 3},
                        {SetROP2, R2_COPYPEN, R2_XORPEN, 17},
                        {SetStretchBltMode, BLACKONWHITE, HALFTONE, 5},
                        {SetPolyFillMode, ALTERNATE, WINDING, 0},
                        {SetArcDirection, AD_COUNTERCLOCKWISE, AD_CLOCKWISE, 3},
                        {SetMapMode, MM_TEXT, MM_TEXT, 8}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.set(dc, c.valid), c.first);
    EXPECT_EQ(c.set(dc, c.invalid), 0);
    EXPECT_EQ(c.set(dc, c.valid), c.valid);
  }
}

TEST(DcState, DisplayContextMeasuresButDrawsNothing) {
  HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(screen, PLANES), 1);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(screen, NUMCOLORS), -1);
  EXPECT_EQ(GetDeviceCaps(screen, TECHNOLOGY), DT_RASDISPLAY);
  EXPECT_TRUE(GetDeviceCaps(screen, RASTERCAPS) & RC_STRETCHBLT);
  EXPECT_GT(GetDeviceCaps(screen, HORZRES), 0);
  EXPECT_EQ(GetNearestColor(screen, 0x02123456), 0x123456u);   // 32 bits: every colour exists
  TRect box;
  EXPECT_EQ(GetClipBox(screen, &box), SIMPLEREGION);
  EXPECT_EQ(box.Right, GetDeviceCaps(screen, HORZRES));
  EXPECT_EQ(GetPixel(screen, 0, 0), CLR_INVALID);
  EXPECT_TRUE(PatBlt(screen, 0, 0, 10, 10, BLACKNESS));
  // A memory context made from it inherits its capabilities.
  HDC mem = CreateCompatibleDC(screen);
  EXPECT_EQ(GetDeviceCaps(mem, LOGPIXELSY), 96);
  DeleteDC(mem);
  DeleteDC(screen);
  EXPECT_EQ(CreateDCA("WINSPOOL", "printer", nullptr, nullptr), nullptr);
}

TEST(DcState, ClipRegionsAreDeviceCoordinates) {
  TestCanvas canvas(20, 20);
  HDC dc = canvas.dc();
  SetViewportOrgEx(dc, 2, 2, nullptr);
  HRGN rgn = CreateRectRgn(0, 0, 4, 4);
  EXPECT_EQ(SelectClipRgn(dc, rgn), SIMPLEREGION);
  OffsetRgn(rgn, 10, 10);   // the context keeps its own copy
  HBRUSH red = CreateSolidBrush(kRed);
  TRect all{-2, -2, 18, 18};
  FillRect(dc, &all, red);
  EXPECT_EQ(canvas.At(0, 0), kRed);
  EXPECT_EQ(canvas.At(3, 3), kRed);
  EXPECT_EQ(canvas.At(4, 4), kWhite);
  HRGN got = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc, got), 1);
  TRect box;
  GetRgnBox(got, &box);
  EXPECT_EQ(box, (TRect{0, 0, 4, 4}));
  TRect logical;
  GetClipBox(dc, &logical);
  EXPECT_EQ(logical, (TRect{-2, -2, 2, 2}));
  // Combining modes start from the current clip region.
  HRGN extra = CreateRectRgn(6, 6, 8, 8);
  EXPECT_EQ(ExtSelectClipRgn(dc, extra, RGN_OR), COMPLEXREGION);
  canvas.Clear(kWhite);
  FillRect(dc, &all, red);
  EXPECT_EQ(canvas.At(6, 6), kRed);
  EXPECT_EQ(canvas.At(5, 5), kWhite);
  const TRect visible{4, 4, 5, 5}, hidden{2, 2, 4, 4};
  EXPECT_TRUE(RectVisible(dc, &visible));
  EXPECT_FALSE(RectVisible(dc, &hidden));
  EXPECT_TRUE(PtVisible(dc, 0, 0));
  EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(GetClipRgn(dc, got), 0);
  for (HGDIOBJ o : {HGDIOBJ(rgn), HGDIOBJ(got), HGDIOBJ(extra), HGDIOBJ(red)}) DeleteObject(o);
}

TEST(DcState, CompatibleBitmapFollowsTheContext) {
  HDC mem = CreateCompatibleDC(nullptr);
  HBITMAP mono = CreateCompatibleBitmap(mem, 4, 4);   // the fresh context holds a monochrome bitmap
  BITMAP bm{};
  GetObject(mono, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  HBITMAP colour = CreateBitmap(4, 4, 1, 32, nullptr);
  SelectObject(mem, colour);
  HBITMAP second = CreateCompatibleBitmap(mem, 4, 4);
  GetObject(second, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  HBITMAP empty = CreateCompatibleBitmap(mem, 0, 5);
  GetObject(empty, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  DeleteDC(mem);
  for (HGDIOBJ o : {HGDIOBJ(mono), HGDIOBJ(colour), HGDIOBJ(second), HGDIOBJ(empty)}) DeleteObject(o);
}

}  // namespace
