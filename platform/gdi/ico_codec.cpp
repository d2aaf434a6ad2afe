#include "platform/gdi/ico_codec.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "platform/gdi/byte_reader.h"
#include "platform/gdi/byte_writer.h"
#include "platform/gdi/dib_codec.h"
#include "platform/gdi/png_codec.h"

namespace gdi {
namespace {

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr int kLargestSide = 256;

// Width, height and depth from the entry's own PNG header chunk or DIB header.
CodecResult<IconEntry> ReadEntryFormat(std::span<const std::uint8_t> image, IconEntry entry) {
  using R = CodecResult<IconEntry>;
  entry.png = IsPngSignature(image);
  if (entry.png) {
    const std::optional<PngHeader> png = ReadPngHeader(image);
    if (!png) return R::Failure(CodecStatus::Truncated, "icon image header ends early");
    entry.width = int(std::min<std::uint32_t>(png->width, INT32_MAX));
    entry.height = int(std::min<std::uint32_t>(png->height, INT32_MAX));
    entry.bitsPerPixel = png->bitsPerPixel;
    return R::Success(entry);
  }
  CodecResult<DibHeader> header = ReadDibHeader(image, std::nullopt);
  if (!header) return R::FailureOf(header);
  entry.width = header.value.width;
  entry.height = header.value.height / 2;
  entry.bitsPerPixel = header.value.bitsPerPixel;
  return R::Success(entry);
}

// The decoded colour rows with the mask that follows them applied.
CodecResult<DecodedImage> DecodeDibEntry(std::span<const std::uint8_t> data, const DecodeLimits& limits) {
  using R = CodecResult<DecodedImage>;
  CodecResult<DibHeader> read = ReadDibHeader(data, std::nullopt);
  if (!read) return R::FailureOf(read);
  DibHeader& header = read.value;
  if (header.runLength) return R::Failure(CodecStatus::Unsupported, "compressed icon images are not decoded");
  header.height /= 2;
  if (header.height == 0) return R::Failure(CodecStatus::Corrupt, "icon image of no height");
  if (header.tableEnd > data.size()) return R::Failure(CodecStatus::Truncated, "icon image ends early");
  CodecResult<DibPixels> decoded = DecodeDibBits(header, data.subspan(header.tableEnd), limits);
  if (!decoded) return R::FailureOf(decoded);
  DibPixels& pixels = decoded.value;
  DecodedImage& image = pixels.image;
  if (pixels.alphaChannel && pixels.anyAlpha) return R::Success(std::move(image));

  const std::size_t maskStride = (std::size_t(image.width) + 31) / 32 * 4;
  const std::size_t maskStart = header.tableEnd + header.Stride() * std::size_t(image.height);
  if (maskStart > data.size() || (data.size() - maskStart) / maskStride < std::size_t(image.height))
    return R::Failure(CodecStatus::Truncated, "icon mask ends early");
  for (int fileRow = 0; fileRow < image.height; ++fileRow) {
    const std::uint8_t* mask = data.data() + maskStart + std::size_t(fileRow) * maskStride;
    const int y = header.topDown ? fileRow : image.height - 1 - fileRow;
    std::uint32_t* row = image.pixels.data() + std::size_t(y) * std::size_t(image.width);
    for (int x = 0; x < image.width; ++x) {
      const bool transparent = mask[x >> 3] & (0x80 >> (x & 7));
      row[x] = (row[x] & 0xFFFFFF) | (transparent ? 0 : kOpaqueBlack);
    }
  }
  return R::Success(std::move(image));
}

int IconDepth(const DecodedImage& image) {
  const int bits = image.sourceBitsPerPixel;
  if ((bits == 1 || bits == 4 || bits == 8) && !image.indices.empty()) return bits;
  return bits == 24 ? 24 : 32;
}

}  // namespace

CodecResult<IconDirectory> ReadIconDirectory(std::span<const std::uint8_t> file) {
  using R = CodecResult<IconDirectory>;
  ByteReader r(file);
  const std::uint16_t reserved = r.U16(), type = r.U16(), count = r.U16();
  if (!r.Ok() || reserved != 0 || (type != 1 && type != 2))
    return R::Failure(CodecStatus::NotRecognised, "not an icon or cursor file");
  if (count == 0) return R::Failure(CodecStatus::Corrupt, "icon file without images");
  IconDirectory directory;
  directory.type = IconFileType(type);
  for (int i = 0; i < count; ++i) {
    IconEntry entry;
    r.Skip(4);  // width, height, colour count, reserved: taken from the image instead
    const std::uint16_t planesOrX = r.U16(), bitsOrY = r.U16();
    entry.size = r.U32();
    entry.offset = r.U32();
    if (!r.Ok()) return R::Failure(CodecStatus::Truncated, "icon directory ends early");
    if (entry.offset > file.size() || file.size() - entry.offset < entry.size)
      return R::Failure(CodecStatus::Truncated, "icon image lies beyond the data");
    if (directory.type == IconFileType::Cursor) entry.hotSpotX = planesOrX, entry.hotSpotY = bitsOrY;
    CodecResult<IconEntry> read = ReadEntryFormat(file.subspan(entry.offset, entry.size), entry);
    if (!read) return R::FailureOf(read);
    directory.entries.push_back(read.value);
  }
  return R::Success(std::move(directory));
}

std::size_t ChooseIconEntry(const IconDirectory& directory, int width, int height, int bitsPerPixel) {
  const bool anySize = width == 0 || height == 0;
  // 64-bit: a crafted entry may claim a side near 2^31.
  auto gap = [](int have, int want) { return std::abs(std::int64_t(have) - want); };
  // Smaller keys are better.
  auto key = [&](const IconEntry& e) {
    const std::int64_t distance = anySize ? 0 : gap(e.width, width) + gap(e.height, height);
    const bool fits = e.bitsPerPixel <= bitsPerPixel;
    return std::make_tuple(distance, -std::int64_t(e.width) * e.height, !fits, fits ? -e.bitsPerPixel : e.bitsPerPixel);
  };
  std::size_t best = 0;
  for (std::size_t i = 1; i < directory.entries.size(); ++i)
    if (key(directory.entries[i]) < key(directory.entries[best])) best = i;
  return best;
}

CodecResult<DecodedImage> DecodeIconEntry(std::span<const std::uint8_t> file, const IconEntry& entry,
                                          const DecodeLimits& limits) {
  using R = CodecResult<DecodedImage>;
  if (entry.offset > file.size() || file.size() - entry.offset < entry.size)
    return R::Failure(CodecStatus::Truncated, "icon image lies beyond the data");
  const std::span<const std::uint8_t> data = file.subspan(entry.offset, entry.size);
  R result = entry.png ? DecodePng(data, limits) : DecodeDibEntry(data, limits);
  result.value.hotSpotX = entry.hotSpotX;
  result.value.hotSpotY = entry.hotSpotY;
  return result;
}

CodecResult<DecodedImage> DecodeIcon(std::span<const std::uint8_t> file, int width, int height, int bitsPerPixel,
                                     const DecodeLimits& limits) {
  CodecResult<IconDirectory> directory = ReadIconDirectory(file);
  if (!directory) return CodecResult<DecodedImage>::FailureOf(directory);
  const IconDirectory& d = directory.value;
  return DecodeIconEntry(file, d.entries[ChooseIconEntry(d, width, height, bitsPerPixel)], limits);
}

EncodedBytes EncodeIcon(std::span<const DecodedImage> images, IconFileType type) {
  if (images.empty() || images.size() > 0xFFFF)
    return EncodedBytes::Failure(CodecStatus::InvalidArgument, "an icon file holds 1 to 65535 images");
  for (const DecodedImage& image : images) {
    if (std::string problem = DibEncodeProblem(image, IconDepth(image)); !problem.empty())
      return EncodedBytes::Failure(CodecStatus::InvalidArgument, problem);
    if (image.width > kLargestSide || image.height > kLargestSide)
      return EncodedBytes::Failure(CodecStatus::InvalidArgument, "icon images are at most 256 pixels a side");
  }
  ByteWriter out;
  out.U16(0);
  out.U16(std::uint16_t(type));
  out.U16(std::uint16_t(images.size()));
  for (const DecodedImage& image : images) {
    const int depth = IconDepth(image);
    const bool cursor = type == IconFileType::Cursor;
    out.U8(std::uint8_t(image.width));  // 256 is stored as 0
    out.U8(std::uint8_t(image.height));
    out.U8(depth < 8 ? std::uint8_t(1 << depth) : 0);
    out.U8(0);
    out.U16(std::uint16_t(cursor ? image.hotSpotX : 1));
    out.U16(std::uint16_t(cursor ? image.hotSpotY : depth));
    out.U32(0);  // size and offset, patched below
    out.U32(0);
  }
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::size_t start = out.Size();
    WriteDib(out, images[i], IconDepth(images[i]), true);
    const std::size_t entry = kDirectoryHeaderSize + i * kEntrySize;
    out.PatchU32(entry + 8, std::uint32_t(out.Size() - start));
    out.PatchU32(entry + 12, std::uint32_t(start));
  }
  return EncodedBytes::Success(out.Take());
}

}  // namespace gdi
