// The stream form of image lists: its header and grid, writing then reading keeps what draws, and
// broken streams read as nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/image_list.h"
#include "platform/gdi/image_list_stream.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

constexpr int kCx = 3, kCy = 2, kImages = 5;

// Five 3 x 2 images of different colours; image i has its first i pixels transparent (in
// lists with a mask) and image 3 a half-transparent pixel (in 32-bit lists).
HIMAGELIST FiveImages(UINT flags) {
  HIMAGELIST list = ImageList_Create(kCx, kCy, flags, 2, 3);
  const std::uint32_t colours[kImages] = {0xFF0000, 0x00FF00, 0x0000FF, 0x808000, 0x00C0C0};
  std::vector<std::uint32_t> pixels(kImages * kCx * kCy);
  std::vector<BYTE> mask(2 * kCy * 2, 0);   // 15 pixels wide: 2 bytes a row
  for (int i = 0; i < kImages; ++i) {
    for (int y = 0; y < kCy; ++y)
      for (int x = 0; x < kCx; ++x) pixels[std::size_t(y * kImages * kCx + i * kCx + x)] = colours[i];
    for (int p = 0; p < i && p < kCx; ++p) mask[std::size_t((i * kCx + p) / 8)] |= BYTE(0x80 >> ((i * kCx + p) % 8));
  }
  if ((flags & 0xFE) == ILC_COLOR32) pixels[3 * kCx + kImages * kCx] = 0x80FFFFFF;
  HBITMAP image = CreateBitmap(kImages * kCx, kCy, 1, 32, pixels.data());
  HBITMAP shape = CreateBitmap(kImages * kCx, kCy, 1, 1, mask.data());
  ImageList_Add(list, image, (flags & ILC_MASK) ? shape : nullptr);
  DeleteObject(image);
  DeleteObject(shape);
  ImageList_SetOverlayImage(list, 4, 1);
  return list;
}

// Every image drawn over grey (plain, then with overlay 1), as raw pixels.
std::vector<std::uint32_t> Drawn(HIMAGELIST list) {
  TestCanvas canvas(kImages * kCx, 2 * kCy, 0x808080);
  for (int i = 0; i < ImageList_GetImageCount(list); ++i) {
    ImageList_Draw(list, i, canvas.dc(), i * kCx, 0, ILD_NORMAL);
    ImageList_Draw(list, i, canvas.dc(), i * kCx, kCy, ILD_NORMAL | INDEXTOOVERLAYMASK(1));
  }
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) pixels.push_back(canvas.Raw(x, y) & 0xFFFFFF);
  return pixels;
}

int U16At(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
int I32At(const std::vector<std::uint8_t>& b, std::size_t at) { return int(U16At(b, at) | U16At(b, at + 2) << 16); }

TEST(ImageListStream, TheHeaderAndAGridFourImagesWide) {
  HIMAGELIST list = FiveImages(ILC_COLOR24 | ILC_MASK);
  ImageList_SetBkColor(list, 0x00123456);
  const std::vector<std::uint8_t> bytes = gdi::WriteImageList(list);
  ASSERT_GT(bytes.size(), 28u);
  const int header[] = {0x4C49, 0x0101, kImages, 8, 3, kCx, kCy};
  for (std::size_t i = 0; i < std::size(header); ++i) EXPECT_EQ(U16At(bytes, 2 * i), header[i]) << "word " << i;
  EXPECT_EQ(I32At(bytes, 14), 0x00123456);
  EXPECT_EQ(U16At(bytes, 18), int(ILC_COLOR24 | ILC_MASK));
  EXPECT_EQ(U16At(bytes, 20), 4) << "overlay 1 is image 4";
  EXPECT_EQ(U16At(bytes, 22), 0xFFFF);
  EXPECT_EQ(U16At(bytes, 28), 0x4D42) << "the images follow as a BMP file";
  EXPECT_EQ(I32At(bytes, 28 + 18), 4 * kCx);
  EXPECT_EQ(I32At(bytes, 28 + 22), 2 * kCy) << "two rows of four cells hold five images";
  EXPECT_EQ(U16At(bytes, 28 + 28), 24);
  ImageList_Destroy(list);
}

TEST(ImageListStream, WritingThenReadingKeepsWhatDrawsAndTheBytes) {
  for (UINT flags : {ILC_COLOR24 | ILC_MASK, ILC_COLOR32 | ILC_MASK, ILC_COLOR32, ILC_COLORDDB | ILC_MASK}) {
    SCOPED_TRACE(flags);
    HIMAGELIST list = FiveImages(flags);
    const std::vector<std::uint8_t> bytes = gdi::WriteImageList(list);
    std::size_t consumed = 0;
    std::vector<std::uint8_t> followed = bytes;
    followed.push_back(0x2A);   // what follows the stream is not its
    HIMAGELIST copy = gdi::ReadImageList(followed, &consumed);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(consumed, bytes.size());
    EXPECT_EQ(ImageList_GetImageCount(copy), kImages);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(copy, &cx, &cy);
    EXPECT_EQ(cx, kCx);
    EXPECT_EQ(cy, kCy);
    EXPECT_EQ(ImageList_GetFlags(copy), flags);
    EXPECT_EQ(ImageList_GetBkColor(copy), CLR_NONE);
    EXPECT_EQ(Drawn(copy), Drawn(list));
    EXPECT_EQ(gdi::WriteImageList(copy), bytes);
    ImageList_Destroy(copy);
    ImageList_Destroy(list);
  }
}

TEST(ImageListStream, BrokenStreamsReadAsNothing) {
  HIMAGELIST list = FiveImages(ILC_COLOR24 | ILC_MASK);
  const std::vector<std::uint8_t> good = gdi::WriteImageList(list);
  ImageList_Destroy(list);
  auto with = [&](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> b = good;
    b[at] = value;
    return b;
  };
  struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"a header cut short", {good.begin(), good.begin() + 20}},
      {"another magic", with(0, 'J')},
      {"another version", with(2, 0x02)},
      {"more images than room", with(4, 9)},
      {"a zero image width", with(10, 0)},
      {"the mask cut short", {good.begin(), good.end() - 1}},
      {"no BMP file", with(28, 'X')},
      {"nine images in a grid of eight cells", with(4, 9)},
  };
  cases[std::size(cases) - 1].bytes[6] = 12;   // room for twelve, as the header says
  for (const auto& c : cases) {
    HIMAGELIST read = gdi::ReadImageList(c.bytes);
    EXPECT_EQ(read, nullptr) << c.what;
    if (read != nullptr) ImageList_Destroy(read);
  }
}

}  // namespace
