// A BMP writer for the tests and the fuzzing seeds, written from the file layout alone, that can
// produce every header size, compression and colour table the decoder reads.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/gdi/byte_writer.h"

namespace bmp_test {

using Bytes = std::vector<std::uint8_t>;

// The fields of a hand-made bitmap file.  Masks go into a header of 52 bytes or more, else after
// it; the colour table is written as triples after a 12-byte header, else as quads.
struct DibSpec {
  DibSpec() = default;
  std::uint32_t headerSize = 40;
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::vector<std::uint32_t> masks;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  Bytes rows;
  std::optional<std::uint32_t> rowsOffset;  // default: right after the colour table

  DibSpec& HeaderSize(std::uint32_t v) {
    headerSize = std::move(v);
    return *this;
  }
  DibSpec& Width(std::int32_t v) {
    width = std::move(v);
    return *this;
  }
  DibSpec& Height(std::int32_t v) {
    height = std::move(v);
    return *this;
  }
  DibSpec& Bits(std::uint16_t v) {
    bits = std::move(v);
    return *this;
  }
  DibSpec& Compression(std::uint32_t v) {
    compression = std::move(v);
    return *this;
  }
  DibSpec& ColorsUsed(std::uint32_t v) {
    colorsUsed = std::move(v);
    return *this;
  }
  DibSpec& Masks(std::vector<std::uint32_t> v) {
    masks = std::move(v);
    return *this;
  }
  DibSpec& Palette(std::vector<std::uint32_t> v) {
    palette = std::move(v);
    return *this;
  }
  DibSpec& Rows(Bytes v) {
    rows = std::move(v);
    return *this;
  }
  DibSpec& RowsOffset(std::uint32_t v) {
    rowsOffset = std::move(v);
    return *this;
  }
};

inline Bytes BmpFile(const DibSpec& s) {
  gdi::ByteWriter w;
  w.U8('B');
  w.U8('M');
  w.U32(0);
  w.U32(0);
  w.U32(0);
  w.U32(s.headerSize);
  const std::size_t headerStart = w.Size();
  if (s.headerSize == 12) {
    w.U16(std::uint16_t(s.width));
    w.U16(std::uint16_t(s.height));
    w.U16(1);
    w.U16(s.bits);
  } else {
    w.I32(s.width);
    w.I32(s.height);
    w.U16(1);
    w.U16(s.bits);
    w.U32(s.compression);
    w.U32(0);
    w.U32(0);
    w.U32(0);
    w.U32(s.colorsUsed);
    w.U32(0);
    if (s.headerSize >= 52)
      for (std::uint32_t m : s.masks) w.U32(m);
    while (w.Size() - headerStart < s.headerSize - 4) w.U8(0);
    if (s.headerSize < 52)
      for (std::uint32_t m : s.masks) w.U32(m);
  }
  for (std::uint32_t c : s.palette) {
    w.U8(std::uint8_t(c));
    w.U8(std::uint8_t(c >> 8));
    w.U8(std::uint8_t(c >> 16));
    if (s.headerSize != 12) w.U8(0);
  }
  const std::size_t rowsAt = w.Size();
  w.Bytes(s.rows);
  Bytes file = w.Take();
  const std::uint32_t offset = s.rowsOffset.value_or(std::uint32_t(rowsAt));
  for (int i = 0; i < 4; ++i) file[10 + i] = std::uint8_t(offset >> (8 * i));
  return file;
}

}  // namespace bmp_test
