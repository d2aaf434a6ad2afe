// Writes the fuzzing seeds: small files of every form each decoder reads, one folder per codec
// under the folder given as the argument.  Built and run by scripts/fuzz-codecs.sh.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bmp_test_writer.h"
#include "tests/support/gdi/gif_test_writer.h"
#include "ico_test_writer.h"
#include "jpeg_test_writer.h"
#include "platform/gdi/jpeg_codec.h"
#include "platform/gdi/png_codec.h"
#include "png_test_writer.h"
#include "test_images.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

fs::path root;

void Save(const char* codec, const std::string& name, const Bytes& bytes) {
  fs::create_directories(root / codec);
  std::ofstream(root / codec / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::uint32_t> Palette(int n) {
  std::vector<std::uint32_t> p;
  for (int i = 0; i < n; ++i) p.push_back(std::uint32_t(i * 0x0F1E2D) & 0xFFFFFF);
  return p;
}

void BmpSeeds() {
  for (int bits : {1, 4, 8})
    Save("bmp", "indexed" + std::to_string(bits) + ".bmp",
         gdi::EncodeBmp(codec_test::Indexed(7, 5, bits, 1 << bits), bits).value);
  Save("bmp", "rgb24.bmp", gdi::EncodeBmp(codec_test::Gradient(7, 5, false), 24).value);
  Save("bmp", "argb32.bmp", gdi::EncodeBmp(codec_test::Gradient(7, 5, true), 32).value);
  Save("bmp", "packed8.dib", gdi::EncodePackedDib(codec_test::Indexed(5, 3, 8, 12), 8).value);
  using bmp_test::DibSpec;
  Save("bmp", "core8.bmp",
       bmp_test::BmpFile(DibSpec().HeaderSize(12).Width(3).Height(2).Bits(8).Palette(Palette(4)).Rows(Bytes(8, 1))));
  Save("bmp", "os2-4.bmp",
       bmp_test::BmpFile(DibSpec().HeaderSize(64).Width(3).Bits(4).Palette(Palette(16)).Rows({0x12, 0x30, 0, 0})));
  Save("bmp", "rgb555.bmp",
       bmp_test::BmpFile(DibSpec().Width(2).Height(2).Bits(16).Rows({0, 0x7C, 0xE0, 3, 0x1F, 0, 0x10, 0x42})));
  Save("bmp", "rgb565.bmp",
       bmp_test::BmpFile(
           DibSpec().Width(2).Bits(16).Compression(3).Masks({0xF800, 0x07E0, 0x1F}).Rows({0, 0xF8, 0x20, 0})));
  Save("bmp", "v5-alpha.bmp",
       bmp_test::BmpFile(DibSpec()
                             .HeaderSize(124)
                             .Bits(32)
                             .Compression(3)
                             .Masks({0xFF, 0xFF00, 0xFF0000, 0xFF000000})
                             .Rows({1, 2, 3, 4})));
  Save("bmp", "alphafields.bmp",
       bmp_test::BmpFile(
           DibSpec().Bits(32).Compression(6).Masks({0xFF000000, 0xFF0000, 0xFF00, 0xFF}).Rows({1, 2, 3, 4})));
  Save("bmp", "topdown.bmp", bmp_test::BmpFile(DibSpec().HeaderSize(108).Height(-2).Rows({1, 2, 3, 0, 4, 5, 6, 0})));
  Save(
      "bmp", "rle8.bmp",
      bmp_test::BmpFile(
          DibSpec().Width(4).Height(3).Bits(8).Compression(1).Palette(Palette(4)).Rows({3, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0,
                                                                                        0, 0, 2, 1, 0, 2, 2, 0, 1})));
  Save("bmp", "rle4.bmp",
       bmp_test::BmpFile(DibSpec()
                             .Width(5)
                             .Height(2)
                             .Bits(4)
                             .Compression(2)
                             .Palette(Palette(16))
                             .Rows({5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1})));
}

void IcoSeeds() {
  std::vector<gdi::DecodedImage> images = {codec_test::Indexed(16, 16, 1, 2), codec_test::Indexed(8, 8, 4, 16),
                                           codec_test::Indexed(8, 8, 8, 100), codec_test::Gradient(12, 12, true)};
  gdi::DecodedImage rgb = codec_test::Gradient(6, 4, false);
  rgb.sourceBitsPerPixel = 24;
  images.push_back(rgb);
  Save("ico", "depths.ico", gdi::EncodeIcon(images, gdi::IconFileType::Icon).value);
  images[3].hotSpotX = 3, images[3].hotSpotY = 5;
  Save("ico", "cursor.cur", gdi::EncodeIcon(std::vector{images[3]}, gdi::IconFileType::Cursor).value);
  Save("ico", "png-entry.ico",
       ico_test::IconFile(gdi::IconFileType::Icon, {{gdi::EncodePng(codec_test::Gradient(9, 7, true)).value}}));
  Save("ico", "zero-alpha.ico",
       ico_test::IconFile(gdi::IconFileType::Icon,
                          {{ico_test::DibEntry(codec_test::Gradient(4, 2, false), 32, Bytes(8, 0x50))}}));
}

void PngSeeds() {
  Save("png", "rgb.png", gdi::EncodePng(codec_test::Gradient(9, 7, false)).value);
  Save("png", "rgba.png", gdi::EncodePng(codec_test::Gradient(9, 7, true)).value);
  using png_test::PngSpec;
  Save("png", "palette2.png",
       png_test::WritePng(
           {3, 1, 2, PNG_COLOR_TYPE_PALETTE, false, {{0x18}}, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}}, {0x80}}));
  Save("png", "grey1.png",
       png_test::WritePng({9, 2, 1, PNG_COLOR_TYPE_GRAY, false, {{0xA5, 0x80}, {0x5A, 0}}, {}, {}}));
  Save("png", "grey16.png", png_test::WritePng({2, 1, 16, PNG_COLOR_TYPE_GRAY, false, {{1, 2, 3, 4}}, {}, {}}));
  Save("png", "greyalpha.png", png_test::WritePng({1, 1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, false, {{100, 50}}, {}, {}}));
  PngSpec interlaced{9, 9, 8, PNG_COLOR_TYPE_RGB_ALPHA, true, {}, {}, {}};
  for (int y = 0; y < 9; ++y) interlaced.rows.push_back(Bytes(36, std::uint8_t(y * 20)));
  Save("png", "interlaced.png", png_test::WritePng(interlaced));
}

void JpegSeeds() {
  Save("jpeg", "baseline.jpg", gdi::EncodeJpeg(codec_test::Gradient(16, 16, false)).value);
  Save("jpeg", "grey.jpg", gdi::EncodeJpeg(codec_test::Gradient(16, 8, false), {50, true}).value);
  using jpeg_test::JpegSpec;
  Save("jpeg", "ycck.jpg", jpeg_test::WriteJpeg({8, 8, 4, JCS_CMYK, true, false, Bytes(256, 100)}));
  Save("jpeg", "cmyk.jpg", jpeg_test::WriteJpeg({8, 8, 4, JCS_CMYK, false, false, Bytes(256, 100)}));
  Save("jpeg", "progressive.jpg", jpeg_test::WriteJpeg({16, 8, 3, JCS_RGB, false, true, Bytes(384, 77)}));
}

void GifSeeds() {
  gif_test::File file;
  file.width = 4, file.height = 4, file.global = Palette(4), file.loopCount = 0;
  gif_test::Frame full;
  full.width = 4, full.height = 4, full.indices = Bytes(16, 0), full.delayCs = 10, full.disposal = 1;
  gif_test::Frame patch;
  patch.left = 1, patch.top = 1, patch.width = 2, patch.height = 2, patch.indices = {1, 2, 3, 1}, patch.disposal = 2;
  patch.transparent = 3;
  gif_test::Frame local = patch;
  local.local = Palette(8), local.disposal = 3, local.interlaced = true;
  file.frames = {full, patch, local};
  Save("gif", "animation.gif", gif_test::Write(file));
  gif_test::File noise;
  noise.width = 64, noise.height = 64, noise.global = Palette(256);
  gif_test::Frame big;
  big.width = 64, big.height = 64;
  for (int i = 0; i < 64 * 64; ++i) big.indices.push_back(std::uint8_t(i * 7919 % 251));
  big.clearWhenFull = false;
  noise.frames = {big};
  Save("gif", "full-table.gif", gif_test::Write(noise));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  root = argv[1];
  BmpSeeds();
  IcoSeeds();
  PngSeeds();
  JpegSeeds();
  GifSeeds();
  return 0;
}
