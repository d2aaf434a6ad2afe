// LoadBitmapA: bitmaps embedded by name (tests embed TESTBITMAP and a resource that is no BMP).
#include <gtest/gtest.h>

#include "platform/core/win_errors.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/os/os_error.h"
#include "platform/user/resource_bitmap.h"

#include "TESTBITMAP.res.inc"
#include "NOTABITMAP.res.inc"

namespace {

TEST(ResourceBitmap, LoadsANewDeviceBitmapPerCall) {
  const HBITMAP first = LoadBitmapA(nullptr, "testbitmap");
  const HBITMAP second = LoadBitmapA(nullptr, "TESTBITMAP");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  BITMAP info{};
  ASSERT_NE(GetObjectA(first, sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_EQ(info.bmBitsPixel, 32);
  std::uint32_t pixels[6] = {};
  ASSERT_EQ(GetBitmapBits(first, sizeof pixels, pixels), LONG(sizeof pixels));
  EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);   // top left red (0xRRGGBB in memory order B, G, R)
  EXPECT_EQ(pixels[2] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(pixels[4] & 0xFFFFFF, 0x000000u);
  DeleteObject(first);
  DeleteObject(second);
}

TEST(ResourceBitmap, MissingOrBrokenResourcesFail) {
  SetLastError(0);
  EXPECT_EQ(LoadBitmapA(nullptr, "NOSUCHBITMAP"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
  EXPECT_EQ(LoadBitmapA(nullptr, nullptr), nullptr);
  SetLastError(0);
  EXPECT_EQ(LoadBitmapA(nullptr, "NOTABITMAP"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_DATA_NOT_FOUND);
}

}  // namespace
