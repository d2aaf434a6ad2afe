#include "platform/gdi/bmp_codec.h"

#include <optional>

#include "platform/gdi/byte_reader.h"
#include "platform/gdi/byte_writer.h"
#include "platform/gdi/dib_codec.h"

namespace gdi {
namespace {

constexpr std::size_t kFileHeaderSize = 14;

CodecResult<DecodedImage> DecodeDib(std::span<const std::uint8_t> dib, std::optional<std::size_t> bitsOffset,
                                    const DecodeLimits& limits) {
  using R = CodecResult<DecodedImage>;
  CodecResult<DibHeader> header = ReadDibHeader(dib, bitsOffset);
  if (!header) return R::FailureOf(header);
  const std::size_t start = bitsOffset.value_or(header.value.tableEnd);
  if (start > dib.size()) return R::Failure(CodecStatus::Truncated, "bitmap rows lie beyond the data");
  CodecResult<DibPixels> decoded = DecodeDibBits(header.value, dib.subspan(start), limits);
  if (!decoded) return R::FailureOf(decoded);
  DibPixels& pixels = decoded.value;
  if (pixels.alphaChannel && !pixels.anyAlpha)
    for (std::uint32_t& p : pixels.image.pixels) p |= kOpaqueBlack;
  return R::Success(std::move(pixels.image));
}

EncodedBytes Encode(const DecodedImage& image, int bitsPerPixel, bool withFileHeader) {
  if (std::string problem = DibEncodeProblem(image, bitsPerPixel); !problem.empty())
    return EncodedBytes::Failure(CodecStatus::InvalidArgument, problem);
  ByteWriter out;
  if (withFileHeader) {
    out.U8('B');
    out.U8('M');
    out.U32(0);  // file size, patched below
    out.U32(0);  // reserved
    out.U32(0);  // offset of the rows, patched below
  }
  WriteDib(out, image, bitsPerPixel, false);
  if (withFileHeader) {
    const std::size_t table = bitsPerPixel <= 8 ? 4 * image.palette.size() : 0;
    out.PatchU32(2, std::uint32_t(out.Size()));
    out.PatchU32(10, std::uint32_t(kFileHeaderSize + 40 + table));
  }
  return EncodedBytes::Success(out.Take());
}

}  // namespace

CodecResult<DecodedImage> DecodeBmp(std::span<const std::uint8_t> file, const DecodeLimits& limits) {
  using R = CodecResult<DecodedImage>;
  ByteReader r(file);
  const std::uint8_t b = r.U8(), m = r.U8();
  if (!r.Ok() || b != 'B' || m != 'M') return R::Failure(CodecStatus::NotRecognised, "not a BMP file");
  r.Skip(8);  // file size and reserved words
  const std::uint32_t offset = r.U32();
  if (!r.Ok()) return R::Failure(CodecStatus::Truncated, "BMP file header ends early");
  if (offset != 0 && offset < kFileHeaderSize)
    return R::Failure(CodecStatus::Corrupt, "bitmap rows overlap the file header");
  std::optional<std::size_t> bitsOffset;
  if (offset != 0) bitsOffset = offset - kFileHeaderSize;
  return DecodeDib(file.subspan(kFileHeaderSize), bitsOffset, limits);
}

CodecResult<DecodedImage> DecodePackedDib(std::span<const std::uint8_t> dib, const DecodeLimits& limits) {
  return DecodeDib(dib, std::nullopt, limits);
}

EncodedBytes EncodeBmp(const DecodedImage& image, int bitsPerPixel) { return Encode(image, bitsPerPixel, true); }
EncodedBytes EncodePackedDib(const DecodedImage& image, int bitsPerPixel) { return Encode(image, bitsPerPixel, false); }

}  // namespace gdi
