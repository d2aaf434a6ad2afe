#include "platform/gdi/jpeg_codec.h"

// libjpeg's header needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace gdi {
namespace {

static_assert(std::endian::native == std::endian::little, "BGRA bytes are read as 0xAARRGGBB");

constexpr int kMaxScans = 1000;
constexpr long kWorkingBytesPerPixel = 8;

// libjpeg reports failures through these callbacks, which jump back to the setjmp of the call
// that drives it.  The functions between the jump's ends are libjpeg's C code and callbacks that
// own nothing, so no destructor is skipped.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  CodecStatus status = CodecStatus::Ok;
  char message[JMSG_LENGTH_MAX] = {};
};

ErrorManager& Errors(j_common_ptr c) { return *reinterpret_cast<ErrorManager*>(c->err); }

[[noreturn]] void Fail(j_common_ptr c, CodecStatus status) {
  ErrorManager& e = Errors(c);
  e.status = status;
  if (e.message[0] == 0) c->err->format_message(c, e.message);
  std::longjmp(e.jump, 1);
}

[[noreturn]] void FailWith(j_common_ptr c, CodecStatus status, const char* text) {
  std::strncpy(Errors(c).message, text, JMSG_LENGTH_MAX - 1);
  Fail(c, status);
}

// What libjpeg's error means for the caller: a valid file of a kind it cannot decode, a file
// beyond the working memory allowed, or a broken file.
CodecStatus StatusOf(int code) {
  switch (code) {
    case JERR_BAD_PRECISION:
    case JERR_ARITH_NOTIMPL:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_NOTIMPL:
    case JERR_NOT_COMPILED:
      return CodecStatus::Unsupported;
    case JERR_NO_BACKING_STORE:
    case JERR_OUT_OF_MEMORY:
      return CodecStatus::TooLarge;
    default:
      return CodecStatus::Corrupt;
  }
}

void OnError(j_common_ptr c) { Fail(c, StatusOf(c->err->msg_code)); }

// Warnings (level -1) about data that merely looks odd are tolerated; running out of data is not.
void OnMessage(j_common_ptr c, int level) {
  if (level < 0 && c->err->msg_code == JWRN_JPEG_EOF) Fail(c, CodecStatus::Truncated);
}

void OnProgress(j_common_ptr c) {
  if (c->is_decompressor && reinterpret_cast<j_decompress_ptr>(c)->input_scan_number > kMaxScans)
    FailWith(c, CodecStatus::Corrupt, "too many JPEG scans");
}

void InstallErrors(j_common_ptr c, ErrorManager& e) {
  c->err = jpeg_std_error(&e.pub);
  e.pub.error_exit = OnError;
  e.pub.emit_message = OnMessage;
}

struct Decoder {
  std::span<const std::uint8_t> file;
  const DecodeLimits& limits;
  ErrorManager errors;
  jpeg_progress_mgr progress{};
  jpeg_decompress_struct cinfo{};
  bool created = false;
  DecodedImage image;

  ~Decoder() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
};

std::uint8_t Ink(unsigned stored, unsigned black, bool inverted) {
  return inverted ? std::uint8_t(stored * black / 255) : std::uint8_t((255 - stored) * (255 - black) / 255);
}

void CmykToPixels(const JSAMPLE* cmyk, int width, bool inverted, std::uint32_t* out) {
  for (int x = 0; x < width; ++x, cmyk += 4) {
    const unsigned k = cmyk[3];
    out[x] = kOpaqueBlack | std::uint32_t(Ink(cmyk[0], k, inverted)) << 16 |
             std::uint32_t(Ink(cmyk[1], k, inverted)) << 8 | Ink(cmyk[2], k, inverted);
  }
}

void StartDecoding(Decoder& d) {
  jpeg_decompress_struct& c = d.cinfo;
  jpeg_mem_src(&c, d.file.data(), static_cast<unsigned long>(d.file.size()));
  jpeg_read_header(&c, TRUE);
  if (!d.limits.Allows(c.image_width, c.image_height))
    FailWith(reinterpret_cast<j_common_ptr>(&c), CodecStatus::TooLarge, "JPEG image larger than the decoding limits");
  c.mem->max_memory_to_use = long(std::min<std::int64_t>(d.limits.maxPixels, LONG_MAX / kWorkingBytesPerPixel)) *
                             kWorkingBytesPerPixel;
  const bool cmyk = c.jpeg_color_space == JCS_CMYK || c.jpeg_color_space == JCS_YCCK;
  c.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_start_decompress(&c);
}

// Returns false when libjpeg failed; d.errors says why.
bool RunDecoder(Decoder& d) {
  jpeg_decompress_struct& c = d.cinfo;
  if (setjmp(d.errors.jump)) return false;
  InstallErrors(reinterpret_cast<j_common_ptr>(&c), d.errors);
  jpeg_create_decompress(&c);
  d.created = true;
  d.progress.progress_monitor = OnProgress;
  c.progress = &d.progress;
  StartDecoding(d);
  d.image.width = int(c.output_width);
  d.image.height = int(c.output_height);
  d.image.sourceBitsPerPixel = 8 * c.num_components;
  d.image.pixels.resize(std::size_t(c.output_width) * c.output_height);
  const bool cmyk = c.out_color_space == JCS_CMYK;
  JSAMPARRAY cmykRow =
      cmyk ? c.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&c), JPOOL_IMAGE, 4 * c.output_width, 1) : nullptr;
  while (c.output_scanline < c.output_height) {
    std::uint32_t* out = d.image.pixels.data() + std::size_t(c.output_scanline) * c.output_width;
    JSAMPROW row = cmyk ? cmykRow[0] : reinterpret_cast<JSAMPROW>(out);
    jpeg_read_scanlines(&c, &row, 1);
    if (cmyk) CmykToPixels(cmykRow[0], d.image.width, c.saw_Adobe_marker, out);
  }
  return true;
}

struct Encoder {
  const DecodedImage& image;
  const JpegOptions& options;
  ErrorManager errors;
  jpeg_compress_struct cinfo{};
  bool created = false;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;

  ~Encoder() {
    if (created) jpeg_destroy_compress(&cinfo);
    std::free(buffer);
  }
};

bool RunEncoder(Encoder& e) {
  jpeg_compress_struct& c = e.cinfo;
  if (setjmp(e.errors.jump)) return false;
  InstallErrors(reinterpret_cast<j_common_ptr>(&c), e.errors);
  jpeg_create_compress(&c);
  e.created = true;
  jpeg_mem_dest(&c, &e.buffer, &e.size);
  c.image_width = JDIMENSION(e.image.width);
  c.image_height = JDIMENSION(e.image.height);
  c.input_components = 4;
  c.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&c);
  if (e.options.grayscale) jpeg_set_colorspace(&c, JCS_GRAYSCALE);
  jpeg_set_quality(&c, e.options.quality, TRUE);
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    const std::uint32_t* in = e.image.pixels.data() + std::size_t(c.next_scanline) * c.image_width;
    // libjpeg reads the row without writing it; its interface just lacks const.
    JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<std::uint32_t*>(in));
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  return true;
}

}  // namespace

bool IsJpegSignature(std::span<const std::uint8_t> data) {
  return data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

CodecResult<DecodedImage> DecodeJpeg(std::span<const std::uint8_t> file, const DecodeLimits& limits) {
  using R = CodecResult<DecodedImage>;
  if (!IsJpegSignature(file)) return R::Failure(CodecStatus::NotRecognised, "not a JPEG file");
  Decoder d{file, limits, {}, {}, {}, false, {}};
  if (!RunDecoder(d)) return R::Failure(d.errors.status, d.errors.message);
  return R::Success(std::move(d.image));
}

EncodedBytes EncodeJpeg(const DecodedImage& image, const JpegOptions& options) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
    return EncodedBytes::Failure(CodecStatus::InvalidArgument, "the pixels do not match the image size");
  if (image.width > JPEG_MAX_DIMENSION || image.height > JPEG_MAX_DIMENSION)
    return EncodedBytes::Failure(CodecStatus::InvalidArgument, "image too large for JPEG");
  if (options.quality < 1 || options.quality > 100)
    return EncodedBytes::Failure(CodecStatus::InvalidArgument, "JPEG quality must be 1 to 100");
  Encoder e{image, options, {}, {}, false, nullptr, 0};
  if (!RunEncoder(e)) return EncodedBytes::Failure(CodecStatus::InvalidArgument, e.errors.message);
  return EncodedBytes::Success(std::vector<std::uint8_t>(e.buffer, e.buffer + e.size));
}

}  // namespace gdi
