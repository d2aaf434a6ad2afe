#include "platform/gdi/png_codec.h"

#include <png.h>

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/gdi/byte_reader.h"

namespace gdi {
namespace {

static_assert(std::endian::native == std::endian::little, "BGRA bytes are read as 0xAARRGGBB");

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint64_t kBestDeflateRatio = 1032;

// The bytes of filtered rows that the compressed data must inflate to.
std::uint64_t FilteredSize(std::uint64_t width, std::uint64_t height, int bitsPerPixel) {
  return height * (1 + (width * std::uint64_t(bitsPerPixel) + 7) / 8);
}

CodecStatus StatusOf(const char* message) {
  return std::strstr(message, "end of data") || std::strstr(message, "Not enough") ? CodecStatus::Truncated
                                                                                   : CodecStatus::Corrupt;
}

// Owns libpng's state for one image; freeing twice (after png_image_finish_read) is harmless.
struct PngImage {
  png_image image;
  PngImage() {
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
  }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;

  template <class T>
  CodecResult<T> Failed() const {
    return CodecResult<T>::Failure(StatusOf(image.message), image.message);
  }
};

}  // namespace

std::optional<PngHeader> ReadPngHeader(std::span<const std::uint8_t> file) {
  ByteReader r(file);
  r.Seek(16);
  PngHeader header;
  header.width = r.U32BigEndian();
  header.height = r.U32BigEndian();
  const int depth = r.U8();
  const int colorType = r.U8();
  const int channels = colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1;
  header.bitsPerPixel = depth * channels;
  if (!r.Ok()) return std::nullopt;
  return header;
}

bool IsPngSignature(std::span<const std::uint8_t> data) {
  return data.size() >= sizeof kSignature && std::equal(std::begin(kSignature), std::end(kSignature), data.begin());
}

CodecResult<DecodedImage> DecodePng(std::span<const std::uint8_t> file, const DecodeLimits& limits) {
  using R = CodecResult<DecodedImage>;
  if (!IsPngSignature(file)) return R::Failure(CodecStatus::NotRecognised, "not a PNG file");
  PngImage png;
  png_image& image = png.image;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return png.Failed<DecodedImage>();
  if (!limits.Allows(image.width, image.height))
    return R::Failure(CodecStatus::TooLarge, "PNG image larger than the decoding limits");
  // A file that began to read has its header chunk first.
  const int bits = ReadPngHeader(file)->bitsPerPixel;
  if (FilteredSize(image.width, image.height, bits) / kBestDeflateRatio > file.size())
    return R::Failure(CodecStatus::Truncated, "PNG data too short for the image size");
  image.format = PNG_FORMAT_BGRA;
  image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  DecodedImage out;
  out.width = int(image.width);
  out.height = int(image.height);
  out.sourceBitsPerPixel = bits;
  out.pixels.resize(std::size_t(out.width) * std::size_t(out.height));
  if (!png_image_finish_read(&image, nullptr, out.pixels.data(), png_int_32(4 * image.width), nullptr))
    return png.Failed<DecodedImage>();
  return R::Success(std::move(out));
}

EncodedBytes EncodePng(const DecodedImage& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
    return EncodedBytes::Failure(CodecStatus::InvalidArgument, "the pixels do not match the image size");
  const bool opaque =
      std::all_of(image.pixels.begin(), image.pixels.end(), [](std::uint32_t p) { return p >> 24 == 0xFF; });
  std::vector<std::uint8_t> samples;
  if (opaque) {
    samples.reserve(image.pixels.size() * 3);
    for (std::uint32_t p : image.pixels)
      for (int i = 0; i < 3; ++i) samples.push_back(std::uint8_t(p >> (8 * i)));
  }
  PngImage writer;
  png_image& png = writer.image;
  png.width = png_uint_32(image.width);
  png.height = png_uint_32(image.height);
  png.format = opaque ? PNG_FORMAT_BGR : PNG_FORMAT_BGRA;
  const void* buffer = opaque ? static_cast<const void*>(samples.data()) : image.pixels.data();
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(png);
  std::vector<std::uint8_t> bytes(size);
  if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, buffer, 0, nullptr))
    return writer.Failed<std::vector<std::uint8_t>>();
  bytes.resize(size);
  return EncodedBytes::Success(std::move(bytes));
}

}  // namespace gdi
