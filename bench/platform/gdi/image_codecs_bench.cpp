// What decoding and encoding a screen-sized picture (1024 x 768) costs in each format: the
// decoders' row loops and our own GIF LZW decoder against the libraries' work.  Two pictures: a
// photo-like one (ramps with grain, hard for deflate) and a screenshot-like one (flat panels and
// lines, what PNG files of windows hold).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/gif_codec.h"
#include "platform/gdi/jpeg_codec.h"
#include "platform/gdi/png_codec.h"
#include "tests/support/gdi/gif_test_writer.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

// Smooth ramps with a little deterministic grain, like a scanned picture.
gdi::DecodedImage Photo() {
  gdi::DecodedImage image;
  image.width = kWidth, image.height = kHeight;
  std::uint32_t grain = 1;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      grain = grain * 1103515245 + 12345;
      const std::uint32_t g = (grain >> 16) & 7;
      image.pixels.push_back(0xFF000000 | ((x / 4 + g) & 0xFF) << 16 | ((y / 3 + g) & 0xFF) << 8 |
                             ((x + y) / 7 & 0xFF));
    }
  return image;
}

// Grey panels with white fields and thin dark lines, like a window.
gdi::DecodedImage Screen() {
  gdi::DecodedImage image;
  image.width = kWidth, image.height = kHeight;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const bool panel = (x / 100 + y / 50) % 3 == 0, line = x % 200 < 2 || y % 24 == 0;
      image.pixels.push_back(line ? 0xFF808080 : panel ? 0xFFD4D0C8 : 0xFFFFFFFF);
    }
  return image;
}

const gdi::DecodedImage& SharedPhoto() {
  static const gdi::DecodedImage photo = Photo();
  return photo;
}

const gdi::DecodedImage& SharedScreen() {
  static const gdi::DecodedImage screen = Screen();
  return screen;
}

gdi::DecodedImage Indexed() {
  gdi::DecodedImage image = SharedPhoto();
  image.sourceBitsPerPixel = 8;
  for (int i = 0; i < 256; ++i) image.palette.push_back(0xFF000000 | std::uint32_t(i) * 0x010101);
  for (std::uint32_t p : image.pixels) image.indices.push_back(std::uint8_t(p >> 8));
  for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = image.palette[image.indices[i]];
  return image;
}

std::vector<std::uint8_t> Gif() {
  const gdi::DecodedImage indexed = Indexed();
  gif_test::File file;
  file.width = kWidth, file.height = kHeight;
  for (std::uint32_t c : indexed.palette) file.global.push_back(c & 0xFFFFFF);
  gif_test::Frame frame;
  frame.width = kWidth, frame.height = kHeight, frame.indices = indexed.indices;
  file.frames = {frame};
  return gif_test::Write(file);
}

void Report(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
  state.SetLabel("items = pixels");
}

template <class Decode>
void DecodeBench(benchmark::State& state, const std::vector<std::uint8_t>& file, Decode decode) {
  for (auto _ : state) benchmark::DoNotOptimize(decode(file));
  Report(state);
}

void BM_DecodeBmp24(benchmark::State& s) {
  DecodeBench(s, gdi::EncodeBmp(SharedPhoto(), 24).value, [](const auto& f) { return gdi::DecodeBmp(f); });
}
void BM_DecodeBmp32(benchmark::State& s) {
  DecodeBench(s, gdi::EncodeBmp(SharedPhoto(), 32).value, [](const auto& f) { return gdi::DecodeBmp(f); });
}
void BM_DecodeBmp8(benchmark::State& s) {
  DecodeBench(s, gdi::EncodeBmp(Indexed(), 8).value, [](const auto& f) { return gdi::DecodeBmp(f); });
}
void BM_DecodePngScreen(benchmark::State& s) {
  DecodeBench(s, gdi::EncodePng(SharedScreen()).value, [](const auto& f) { return gdi::DecodePng(f); });
}
void BM_DecodePngPhoto(benchmark::State& s) {
  DecodeBench(s, gdi::EncodePng(SharedPhoto()).value, [](const auto& f) { return gdi::DecodePng(f); });
}
void BM_DecodeJpeg(benchmark::State& s) {
  DecodeBench(s, gdi::EncodeJpeg(SharedPhoto()).value, [](const auto& f) { return gdi::DecodeJpeg(f); });
}
void BM_DecodeGif(benchmark::State& s) {
  DecodeBench(s, Gif(), [](const auto& f) { return gdi::DecodeGif(f); });
}

void BM_EncodeBmp32(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gdi::EncodeBmp(SharedPhoto(), 32));
  Report(state);
}
void BM_EncodePngScreen(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gdi::EncodePng(SharedScreen()));
  Report(state);
}
void BM_EncodePngPhoto(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gdi::EncodePng(SharedPhoto()));
  Report(state);
}
void BM_EncodeJpeg(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gdi::EncodeJpeg(SharedPhoto()));
  Report(state);
}

BENCHMARK(BM_DecodeBmp24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeBmp32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeBmp8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodePngPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodePngScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeGif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeBmp32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodePngPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodePngScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
