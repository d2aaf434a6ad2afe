// Image lists: adding with and without masks, drawing styles, blending, overlays and the storage
// the list hands out.
#include <gtest/gtest.h>

#include "platform/gdi/icon.h"
#include "platform/gdi/image_list.h"
#include "platform/gdi/sys_colors.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

// A 2 x 2 list with two images from one 4 x 2 strip: image 0 red with a transparent top-left pixel,
// image 1 green, opaque.
class ImageLists : public ::testing::Test {
 protected:
  void SetUp() override {
    list = ImageList_Create(2, 2, ILC_COLOR32 | ILC_MASK, 1, 1);
    ASSERT_NE(list, nullptr);
    const std::uint32_t pixels[8] = {0x00FF0000, 0x00FF0000, 0x0000FF00, 0x0000FF00,
                                     0x00FF0000, 0x00FF0000, 0x0000FF00, 0x0000FF00};
    const BYTE maskRows[4] = {0x80, 0, 0x00, 0};   // rows padded to 2 bytes
    HBITMAP image = CreateBitmap(4, 2, 1, 32, pixels);
    HBITMAP mask = CreateBitmap(4, 2, 1, 1, maskRows);
    ASSERT_EQ(ImageList_Add(list, image, mask), 0);
    DeleteObject(image);
    DeleteObject(mask);
  }
  void TearDown() override { ImageList_Destroy(list); }

  HIMAGELIST list = nullptr;
};

TEST_F(ImageLists, AddStoresImagesSideBySide) {
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  IMAGEINFO info{};
  ASSERT_TRUE(ImageList_GetImageInfo(list, 1, &info));
  EXPECT_EQ(info.rcImage, (TRect{2, 0, 4, 2}));
  BITMAP bm{};
  GetObject(info.hbmImage, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  EXPECT_GE(bm.bmWidth, 4);
  GetObject(info.hbmMask, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_FALSE(ImageList_GetImageInfo(list, 2, &info));
  int cx = 0, cy = 0;
  ImageList_GetIconSize(list, &cx, &cy);
  EXPECT_EQ(cx, 2);
  EXPECT_EQ(cy, 2);
  // A bitmap narrower than one image adds nothing.
  HBITMAP narrow = CreateBitmap(1, 2, 1, 32, nullptr);
  EXPECT_EQ(ImageList_Add(list, narrow, nullptr), -1);
  DeleteObject(narrow);
}

TEST_F(ImageLists, DrawingStyles) {
  struct Case {
    const char* name;
    UINT style;
    COLORREF listBackground;
    COLORREF transparentPixel, opaquePixel;
  };
  const COLORREF screen = RGB(9, 9, 9);
  const Case cases[] = {
      {"normal, no background colour", ILD_NORMAL, CLR_NONE, screen, kRed},
      {"normal with a background colour", ILD_NORMAL, kBlue, kBlue, kRed},
      {"transparent ignores the background colour", ILD_TRANSPARENT, kBlue, screen, kRed},
      {"image ignores the mask (Add keeps the pixel under it)", ILD_IMAGE, CLR_NONE, kRed, kRed},
      {"mask: text colour where opaque, background where transparent", ILD_MASK, CLR_NONE, kWhite, kBlack},
  };
  for (const Case& c : cases) {
    TestCanvas canvas(4, 4, screen);
    ImageList_SetBkColor(list, c.listBackground);
    ASSERT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 1, 1, c.style));
    EXPECT_EQ(canvas.At(1, 1), c.transparentPixel) << c.name;
    EXPECT_EQ(canvas.At(2, 2), c.opaquePixel) << c.name;
    EXPECT_EQ(canvas.At(3, 3), screen) << c.name;
  }
  TestCanvas canvas(4, 4);
  EXPECT_FALSE(ImageList_Draw(list, 2, canvas.dc(), 0, 0, ILD_NORMAL));
}

TEST_F(ImageLists, BlendOverlayAndPartialDraw) {
  TestCanvas canvas(4, 4, kWhite);
  // 50% of red into blue: (255 + 0 + 1) / 2 = 128 and (0 + 255 + 1) / 2 = 128.
  ImageList_DrawEx(list, 1, canvas.dc(), 0, 0, 0, 0, CLR_NONE, kBlue, ILD_BLEND50);
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 128, 128));
  // 25% of the highlight colour (the default foreground) into green.
  const COLORREF h = GetSysColor(COLOR_HIGHLIGHT);
  ImageList_DrawEx(list, 1, canvas.dc(), 2, 2, 0, 0, CLR_NONE, CLR_DEFAULT, ILD_BLEND25);
  EXPECT_EQ(canvas.At(2, 2), RGB((GetRValue(h) + 2) / 4, (3 * 255 + GetGValue(h) + 2) / 4, (GetBValue(h) + 2) / 4));
  // The overlay (image 0 as overlay 1) is drawn transparently over image 1.
  canvas.Clear(kWhite);
  ASSERT_TRUE(ImageList_SetOverlayImage(list, 0, 1));
  ImageList_Draw(list, 1, canvas.dc(), 0, 0, ILD_NORMAL | INDEXTOOVERLAYMASK(1));
  EXPECT_EQ(canvas.At(0, 0), kGreen);   // the overlay's transparent pixel
  EXPECT_EQ(canvas.At(1, 1), kRed);
  // dx / dy draw the top-left part only.
  canvas.Clear(kWhite);
  ImageList_DrawEx(list, 1, canvas.dc(), 0, 0, 1, 2, CLR_NONE, CLR_NONE, ILD_NORMAL);
  EXPECT_EQ(canvas.At(0, 1), kGreen);
  EXPECT_EQ(canvas.At(1, 1), kWhite);
}

TEST_F(ImageLists, AddMaskedReplaceRemoveAndCount) {
  const std::uint32_t pixels[4] = {0x00FF00FF, 0x000000FF, 0x000000FF, 0x00FF00FF};
  HBITMAP image = CreateBitmap(2, 2, 1, 32, pixels);
  ASSERT_EQ(ImageList_AddMasked(list, image, RGB(255, 0, 255)), 2);
  TestCanvas canvas(2, 2, kGreen);
  ImageList_Draw(list, 2, canvas.dc(), 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(canvas.At(0, 0), kGreen);
  EXPECT_EQ(canvas.At(1, 0), kBlue);
  // The masked pixels turned black in the stored image.
  ImageList_Draw(list, 2, canvas.dc(), 0, 0, ILD_IMAGE);
  EXPECT_EQ(canvas.At(0, 0), kBlack);

  ASSERT_TRUE(ImageList_Replace(list, 0, image, nullptr));   // opaque now
  canvas.Clear(kGreen);
  ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 255));
  ASSERT_TRUE(ImageList_Remove(list, 0));
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL);   // the former image 1, green
  EXPECT_EQ(canvas.At(1, 1), kGreen);
  ASSERT_TRUE(ImageList_SetImageCount(list, 5));
  EXPECT_EQ(ImageList_GetImageCount(list), 5);
  canvas.Clear(kWhite);
  ImageList_Draw(list, 4, canvas.dc(), 0, 0, ILD_NORMAL);   // new images are black and opaque
  EXPECT_EQ(canvas.At(0, 0), kBlack);
  ASSERT_TRUE(ImageList_Remove(list, -1));
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
  EXPECT_FALSE(ImageList_Replace(list, 0, image, nullptr));
  DeleteObject(image);
}

TEST_F(ImageLists, AlphaImagesBlendStraight) {
  HIMAGELIST alpha = ImageList_Create(1, 1, ILC_COLOR32, 1, 1);
  const std::uint32_t pixel = 0x800000FF;   // blue at alpha 128
  HBITMAP image = CreateBitmap(1, 1, 1, 32, &pixel);
  ImageList_Add(alpha, image, nullptr);
  TestCanvas canvas(1, 1, kWhite);
  ImageList_Draw(alpha, 0, canvas.dc(), 0, 0, ILD_NORMAL);
  EXPECT_EQ(canvas.At(0, 0), RGB(127, 127, 255));
  DeleteObject(image);
  ImageList_Destroy(alpha);
}

TEST_F(ImageLists, DuplicatesIconsAndSizes) {
  HIMAGELIST copy = ImageList_Duplicate(list);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(copy), 2);
  ImageList_Remove(list, -1);   // the copy keeps its images
  TestCanvas canvas(2, 2, kWhite);
  ImageList_Draw(copy, 0, canvas.dc(), 0, 0, ILD_NORMAL);
  EXPECT_EQ(canvas.At(0, 0), kWhite);
  EXPECT_EQ(canvas.At(1, 1), kRed);
  // Icons round-trip: out of one list, into another.
  HICON icon = ImageList_GetIcon(copy, 0, ILD_NORMAL);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(ImageList_AddIcon(list, icon), 0);
  canvas.Clear(kBlue);
  ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL);
  EXPECT_EQ(canvas.At(0, 0), kBlue);
  EXPECT_EQ(canvas.At(1, 0), kRed);
  DestroyIcon(icon);
  ASSERT_TRUE(ImageList_SetIconSize(copy, 3, 3));
  EXPECT_EQ(ImageList_GetImageCount(copy), 0);
  ImageList_Destroy(copy);
  EXPECT_FALSE(ImageList_Destroy(copy));
  EXPECT_EQ(ImageList_Create(0, 2, ILC_COLOR32, 1, 1), nullptr);
}

TEST(ImageListDepths, StorageFollowsTheColourFlags) {
  struct Case {
    UINT flags;
    int bits;
  };
  for (const Case c : {Case{ILC_COLOR4, 4}, Case{ILC_COLOR8, 8}, Case{ILC_COLOR16, 24}, Case{ILC_COLOR24, 24},
                       Case{ILC_COLOR32, 32}, Case{ILC_COLORDDB, 32}}) {
    HIMAGELIST l = ImageList_Create(4, 4, c.flags, 1, 1);
    const std::uint32_t red[16] = {0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000,
                                   0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000,
                                   0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000};
    HBITMAP image = CreateBitmap(4, 4, 1, 32, red);
    ImageList_Add(l, image, nullptr);
    IMAGEINFO info{};
    ImageList_GetImageInfo(l, 0, &info);
    BITMAP bm{};
    GetObject(info.hbmImage, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, c.bits) << c.flags;
    EXPECT_EQ(info.hbmMask, nullptr);
    TestCanvas canvas(4, 4);
    ImageList_Draw(l, 0, canvas.dc(), 0, 0, ILD_NORMAL);
    EXPECT_EQ(canvas.At(2, 2), kRed) << c.flags;   // pure red exists in every table
    DeleteObject(image);
    ImageList_Destroy(l);
  }
}

}  // namespace
