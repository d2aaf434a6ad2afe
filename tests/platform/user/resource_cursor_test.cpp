// Cursors from the program's cursor resources and from CreateCursor: which image is chosen, its
// hot spot and transparency, sharing, and the failures.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/core/win_errors.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/ico_codec.h"
#include "platform/gdi/icon.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/os/embedded_resources.h"
#include "platform/os/os_error.h"
#include "platform/user/cursor.h"
#include "platform/user/resource_cursor.h"

namespace {

const HINSTANCE kProgram = reinterpret_cast<HINSTANCE>(0x400000);   // the program's module
constexpr COLORREF kRed = 0x0000FF, kWhite = 0xFFFFFF, kBack = 0x336699;

gdi::DecodedImage Filled(int side, std::uint32_t argb) {
  gdi::DecodedImage image;
  image.width = image.height = side;
  image.pixels.assign(std::size_t(side * side), argb);
  image.hotSpotX = 5;
  image.hotSpotY = 7;
  return image;
}

// A cursor file with a blue 16 x 16 image and a 32 x 32 one that is transparent but for a red
// square from (4, 4) to (12, 12); embedded once as "TEST_ARROWCURSOR" and as the integer name 8010.
void EmbedTestCursors() {
  static const std::vector<std::uint8_t> file = [] {
    gdi::DecodedImage big = Filled(32, 0x00000000);
    for (int y = 4; y < 12; ++y)
      for (int x = 4; x < 12; ++x) big.pixels[std::size_t(y * 32 + x)] = 0xFFFF0000;
    const gdi::DecodedImage images[] = {Filled(16, 0xFF0000FF), big};
    return gdi::EncodeIcon(images, gdi::IconFileType::Cursor).value;
  }();
  static const std::uint8_t junk[] = {0, 0, 2, 0, 1, 0, 99};
  RegisterEmbeddedResource(RT_CURSOR, "TEST_ARROWCURSOR", file.data(), file.size());
  RegisterEmbeddedResource(RT_CURSOR, "#8010", file.data(), file.size());
  RegisterEmbeddedResource(RT_CURSOR, "BROKENCURSOR", junk, sizeof junk);
}

// A memory context of `side` x `side` filled with `back`, the cursor drawn at its natural size.
class Canvas {
 public:
  Canvas(HCURSOR cursor, COLORREF back, int side = 40) : dc_(CreateCompatibleDC(nullptr)) {
    bitmap_ = CreateBitmap(side, side, 1, 32, nullptr);
    old_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(back);
    const TRect all = Rect(0, 0, side, side);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
    drawn_ = DrawIconEx(dc_, 0, 0, cursor, 0, 0, 0, nullptr, DI_NORMAL);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  bool Drawn() const { return drawn_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  BOOL drawn_;
};

TEST(ResourceCursorTest, LoadsTheImageOfTheCursorSizeWithItsHotSpotAndTransparency) {
  EmbedTestCursors();
  HCURSOR cursor = LoadCursorA(kProgram, "test_ArrowCursor");
  ASSERT_NE(cursor, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 5u);
  EXPECT_EQ(info.yHotspot, 7u);
  BITMAP bm{};
  GetObjectA(info.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  const Canvas canvas(cursor, kWhite);
  ASSERT_TRUE(canvas.Drawn());
  EXPECT_EQ(canvas.At(4, 4), kRed);
  EXPECT_EQ(canvas.At(11, 11), kRed);
  EXPECT_EQ(canvas.At(12, 12), kWhite);
  EXPECT_EQ(canvas.At(2, 2), kWhite);
  // Shared: the same handle again, and DestroyCursor leaves it usable.
  EXPECT_EQ(LoadCursorA(kProgram, "TEST_ARROWCURSOR"), cursor);
  EXPECT_TRUE(DestroyCursor(cursor));
  EXPECT_EQ(Canvas(cursor, kWhite).At(5, 5), kRed);
}

TEST(ResourceCursorTest, NamesAndFailures) {
  EmbedTestCursors();
  struct Case {
    const char* label;
    HINSTANCE module;
    const char* name;
    bool found;
    DWORD error;
  } cases[] = {
      {"by name", kProgram, "TEST_ARROWCURSOR", true, 0},
      {"by number", kProgram, reinterpret_cast<const char*>(8010), true, 0},
      {"missing name", kProgram, "KX_NOSUCHCURSOR", false, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"missing number", kProgram, reinterpret_cast<const char*>(8011), false, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"not a cursor file", kProgram, "BROKENCURSOR", false, ERROR_RESOURCE_DATA_NOT_FOUND},
      {"resource without module", nullptr, "TEST_ARROWCURSOR", false, 0},
      {"standard shape", nullptr, IDC_HAND, true, 0},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    HCURSOR cursor = LoadCursorA(c.module, c.name);
    EXPECT_EQ(cursor != nullptr, c.found) << c.label;
    if (c.error) {
      EXPECT_EQ(GetLastError(), c.error) << c.label;
    }
  }
}

TEST(ResourceCursorTest, CreateCursorCombinesTheAndAndXorPlanes) {
  // 16 x 16, two bytes a row.  Rows 0-3: AND 0, XOR 0 (black) in columns 0-7 and AND 0, XOR 1
  // (white) in columns 8-15; rows 4-7: AND 1, XOR 1 (screen inverted); below: AND 1, XOR 0 (screen).
  std::uint8_t andPlane[32], xorPlane[32];
  for (int row = 0; row < 16; ++row) {
    const bool top = row < 4, inverted = row >= 4 && row < 8;
    andPlane[2 * row] = andPlane[2 * row + 1] = top ? 0x00 : 0xFF;
    xorPlane[2 * row] = inverted ? 0xFF : 0x00;
    xorPlane[2 * row + 1] = top || inverted ? 0xFF : 0x00;
  }
  HCURSOR cursor = CreateCursor(kProgram, 3, 4, 16, 16, andPlane, xorPlane);
  ASSERT_NE(cursor, nullptr);
  {
    const Canvas canvas(cursor, kBack);
    ASSERT_TRUE(canvas.Drawn());
    struct Probe {
      int x, y;
      COLORREF expected;
    } probes[] = {{2, 1, 0x000000}, {12, 2, kWhite}, {3, 5, kBack ^ 0xFFFFFF}, {6, 12, kBack}, {20, 20, kBack}};
    for (const Probe& p : probes) EXPECT_EQ(canvas.At(p.x, p.y), p.expected) << p.x << "," << p.y;
  }
  EXPECT_TRUE(DestroyCursor(cursor));
  EXPECT_FALSE(DestroyCursor(cursor));
  EXPECT_EQ(CreateCursor(kProgram, 0, 0, 0, 16, andPlane, xorPlane), nullptr);
  EXPECT_EQ(CreateCursor(kProgram, 0, 0, 16, 16, nullptr, xorPlane), nullptr);
}

}  // namespace
