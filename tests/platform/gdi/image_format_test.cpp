#include "platform/gdi/image_format.h"

#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "tests/support/gdi/gif_test_writer.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/ico_codec.h"
#include "platform/gdi/jpeg_codec.h"
#include "platform/gdi/png_codec.h"

namespace {

using codec_test::Bytes;
using gdi::ImageFormat;

Bytes SmallGif() {
  gif_test::File file;
  file.width = 3, file.height = 2, file.global = {0x000000, 0xFFFFFF};
  gif_test::Frame frame;
  frame.width = 3, frame.height = 2, frame.indices = {0, 1, 0, 1, 0, 1};
  file.frames = {frame};
  return gif_test::Write(file);
}

TEST(ImageFormat, RecognisesAndDecodesEveryFormat) {
  const gdi::DecodedImage image = codec_test::Gradient(3, 2, false);
  const std::vector<gdi::DecodedImage> icons = {codec_test::Gradient(16, 16, true), image};
  const struct {
    Bytes file;
    ImageFormat format;
  } cases[] = {
      {gdi::EncodeBmp(image, 24).value, ImageFormat::Bmp},
      {gdi::EncodeIcon(icons, gdi::IconFileType::Icon).value, ImageFormat::Icon},
      {gdi::EncodeIcon(icons, gdi::IconFileType::Cursor).value, ImageFormat::Cursor},
      {gdi::EncodePng(image).value, ImageFormat::Png},
      {gdi::EncodeJpeg(image).value, ImageFormat::Jpeg},
      {SmallGif(), ImageFormat::Gif},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.format));
    EXPECT_EQ(gdi::DetectImageFormat(c.file), c.format);
    const auto r = gdi::DecodeImage(c.file);
    codec_test::ExpectValidImage(r);
    // Icons give their largest entry; every other sample is 3 x 2.
    EXPECT_EQ(r.value.width, c.format == ImageFormat::Icon || c.format == ImageFormat::Cursor ? 16 : 3);
  }
}

TEST(ImageFormat, RefusesWhatItDoesNotKnow) {
  const Bytes cases[] = {{}, {'B'}, {0, 0, 1, 0, 0, 0}, {'%', 'P', 'D', 'F', '-', '1'}, {0xFF, 0xD8}};
  for (const Bytes& file : cases) {
    EXPECT_EQ(gdi::DetectImageFormat(file), ImageFormat::Unknown);
    EXPECT_EQ(gdi::DecodeImage(file).status, gdi::CodecStatus::NotRecognised);
  }
}

}  // namespace
