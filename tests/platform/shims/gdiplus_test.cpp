#include "platform/shims/gdiplus.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/gdi/gif_test_writer.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/ico_codec.h"
#include "platform/gdi/jpeg_codec.h"
#include "platform/gdi/png_codec.h"
#include "platform/user/global_memory.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

gdi::DecodedImage Solid(int width, int height, std::uint32_t argb) {
  gdi::DecodedImage image;
  image.width = width;
  image.height = height;
  image.pixels.assign(std::size_t(width * height), argb);
  return image;
}

TInterfacePtr<IStream> StreamOf(const Bytes& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!bytes.empty()) std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  TInterfacePtr<IStream> stream;
  CreateStreamOnHGlobal(block, TRUE, stream);
  stream->Seek(0, STREAM_SEEK_END, nullptr);   // loading reads from the start wherever the stream is
  return stream;
}

Bytes Header(std::initializer_list<std::uint8_t> start, std::size_t size) {
  Bytes bytes(start);
  bytes.resize(size);
  return bytes;
}

Bytes EmfHeader() {
  Bytes bytes = Header({1, 0, 0, 0}, 88);
  bytes[40] = ' ', bytes[41] = 'E', bytes[42] = 'M', bytes[43] = 'F';
  return bytes;
}

class GdiplusTest : public ::testing::Test {
 protected:
  GdiplusTest() {
    GdiplusStartupInput input;
    input.SuppressBackgroundThread = TRUE;
    GdiplusStartupOutput output{};
    EXPECT_EQ(GdiplusStartup(&token_, &input, &output), GpStatus::Ok);
    EXPECT_EQ(output.NotificationHook(nullptr), GpStatus::Ok);
  }
  ~GdiplusTest() override { GdiplusShutdown(token_); }

  GpImage* Load(const Bytes& bytes, GpStatus expected = GpStatus::Ok) {
    GpImage* image = reinterpret_cast<GpImage*>(1);
    EXPECT_EQ(GdipLoadImageFromStream(StreamOf(bytes).get(), &image), expected);
    return image;
  }

  ULONG_PTR token_ = 0;
};

TEST_F(GdiplusTest, StartUpNeedsVersionOneAndAnOutputWithoutTheBackgroundThread) {
  ULONG_PTR token = 0;
  GdiplusStartupInput input;
  input.GdiplusVersion = 2;
  EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), GpStatus::UnsupportedGdiplusVersion);
  input.GdiplusVersion = 1;
  input.SuppressBackgroundThread = TRUE;
  EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), GpStatus::InvalidParameter);
  EXPECT_EQ(GdiplusStartup(nullptr, &input, nullptr), GpStatus::InvalidParameter);
  input.SuppressBackgroundThread = FALSE;
  ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), GpStatus::Ok);
  EXPECT_NE(token, token_);
  GdiplusShutdown(token);
}

TEST(GdiplusNotStarted, CallsAnswerNotInitialized) {
  TestCanvas canvas(4, 4);
  GpGraphics* graphics = nullptr;
  EXPECT_EQ(GdipCreateFromHDC(canvas.dc(), &graphics), GpStatus::GdiplusNotInitialized);
  GpImage* image = nullptr;
  EXPECT_EQ(GdipLoadImageFromStream(StreamOf(Bytes{'B', 'M'}).get(), &image), GpStatus::GdiplusNotInitialized);
  EXPECT_EQ(image, nullptr);
  // The allocator works at any time.
  void* block = GdipAlloc(16);
  ASSERT_NE(block, nullptr);
  std::memset(block, 0xAB, 16);
  GdipFree(block);
}

TEST_F(GdiplusTest, LoadsByTheDataSignature) {
  const gdi::DecodedImage picture = Solid(7, 5, 0xFF336699);
  gif_test::File gif;
  gif.width = 3, gif.height = 2, gif.global = {0x000000, 0xFFFFFF};
  gif_test::Frame frame;
  frame.width = 3, frame.height = 2, frame.indices = Bytes(6, 1);
  gif.frames = {frame};
  const struct {
    const char* name;
    Bytes bytes;
    GUID format;
    UINT width, height;
  } cases[] = {
      {"BMP", gdi::EncodeBmp(picture, 24).value, ImageFormatBMP, 7, 5},
      {"PNG", gdi::EncodePng(picture).value, ImageFormatPNG, 7, 5},
      {"JPEG", gdi::EncodeJpeg(picture).value, ImageFormatJPEG, 7, 5},
      {"GIF", gif_test::Write(gif), ImageFormatGIF, 3, 2},
      {"ICO", gdi::EncodeIcon(std::span(&picture, 1), gdi::IconFileType::Icon).value, ImageFormatIcon, 7, 5},
      {"TIFF little-endian", Header({'I', 'I', 42, 0}, 16), ImageFormatTIFF, 0, 0},
      {"TIFF big-endian", Header({'M', 'M', 0, 42}, 16), ImageFormatTIFF, 0, 0},
      {"EMF", EmfHeader(), ImageFormatEMF, 0, 0},
      {"placeable WMF", Header({0xD7, 0xCD, 0xC6, 0x9A}, 40), ImageFormatWMF, 0, 0},
      {"WMF", Header({1, 0, 9, 0, 0, 3}, 18), ImageFormatWMF, 0, 0},
  };
  for (const auto& c : cases) {
    GpImage* image = Load(c.bytes);
    ASSERT_NE(image, nullptr) << c.name;
    GUID format{};
    UINT width = 99, height = 99;
    EXPECT_EQ(GdipGetImageRawFormat(image, &format), GpStatus::Ok);
    EXPECT_EQ(GdipGetImageWidth(image, &width), GpStatus::Ok);
    EXPECT_EQ(GdipGetImageHeight(image, &height), GpStatus::Ok);
    EXPECT_TRUE(format == c.format) << c.name;
    EXPECT_EQ(width, c.width) << c.name;
    EXPECT_EQ(height, c.height) << c.name;
    EXPECT_EQ(GdipDisposeImage(image), GpStatus::Ok);
  }
}

TEST_F(GdiplusTest, RefusesUnknownAndBrokenData) {
  EXPECT_EQ(Load(Bytes{'h', 'e', 'l', 'l', 'o'}, GpStatus::UnknownImageFormat), nullptr);
  EXPECT_EQ(Load(Bytes{}, GpStatus::UnknownImageFormat), nullptr);
  Bytes png = gdi::EncodePng(Solid(4, 4, 0xFF000000)).value;
  png.resize(40);
  EXPECT_EQ(Load(png, GpStatus::GenericError), nullptr);
  GpImage* image = nullptr;
  EXPECT_EQ(GdipLoadImageFromStreamICM(nullptr, &image), GpStatus::InvalidParameter);
}

TEST_F(GdiplusTest, DrawsStretchedAndAntialiasedIntoTheContext) {
  TestCanvas canvas(12, 4);
  canvas.Clear(0x0000FF);
  GpGraphics* graphics = nullptr;
  ASSERT_EQ(GdipCreateFromHDC(canvas.dc(), &graphics), GpStatus::Ok);
  gdi::DecodedImage blackWhite = Solid(2, 1, 0xFF000000);
  blackWhite.pixels[1] = 0xFFFFFFFF;
  GpImage* image = Load(gdi::EncodePng(blackWhite).value);
  EXPECT_EQ(GdipDrawImageRect(graphics, image, 1.2f, 1.0f, 8.0f, 2.0f), GpStatus::Ok);   // (1, 1) - (9, 3)
  EXPECT_EQ(canvas.At(1, 1), 0x000000u);
  EXPECT_EQ(canvas.At(8, 2), 0xFFFFFFu);
  const COLORREF middle = canvas.At(4, 1);
  EXPECT_NE(middle, 0x000000u);
  EXPECT_NE(middle, 0xFFFFFFu);
  EXPECT_EQ(canvas.At(0, 1), 0x0000FFu);
  EXPECT_EQ(canvas.At(9, 1), 0x0000FFu);
  EXPECT_EQ(canvas.At(4, 3), 0x0000FFu);
  GdipDisposeImage(image);

  GpImage* tiff = Load(Header({'I', 'I', 42, 0}, 16));
  EXPECT_EQ(GdipDrawImageRect(graphics, tiff, 0, 0, 12, 4), GpStatus::NotImplemented);
  EXPECT_EQ(canvas.At(10, 0), 0x0000FFu);
  GdipDisposeImage(tiff);
  EXPECT_EQ(GdipDeleteGraphics(graphics), GpStatus::Ok);
  EXPECT_EQ(GdipCreateFromHDC(reinterpret_cast<HDC>(0x1234), &graphics), GpStatus::InvalidParameter);
}

}  // namespace
