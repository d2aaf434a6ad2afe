// Icon and cursor files put together from the layout, for the tests and the fuzzing seeds: any
// mix of DIB entries with hand-made masks and PNG entries.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/byte_writer.h"
#include "platform/gdi/ico_codec.h"

namespace ico_test {

using Bytes = std::vector<std::uint8_t>;

struct StoredEntry {
  Bytes image;  // a DIB with its mask, or a PNG file
  int hotSpotX = 0, hotSpotY = 0;
};

// An icon file written from the layout: directory entries left zero where the reader must not
// rely on them.
inline Bytes IconFile(gdi::IconFileType type, const std::vector<StoredEntry>& entries) {
  gdi::ByteWriter w;
  w.U16(0);
  w.U16(std::uint16_t(type));
  w.U16(std::uint16_t(entries.size()));
  std::uint32_t offset = std::uint32_t(6 + 16 * entries.size());
  for (const StoredEntry& e : entries) {
    w.U32(0);  // width, height, colours, reserved
    w.U16(std::uint16_t(e.hotSpotX));
    w.U16(std::uint16_t(e.hotSpotY));
    w.U32(std::uint32_t(e.image.size()));
    w.U32(offset);
    offset += std::uint32_t(e.image.size());
  }
  for (const StoredEntry& e : entries) w.Bytes(e.image);
  return w.Take();
}

// A packed DIB of `image` with its height doubled and `mask` (rows bottom-up) after the rows.
inline Bytes DibEntry(const gdi::DecodedImage& image, int bits, const Bytes& mask) {
  Bytes dib = gdi::EncodePackedDib(image, bits).value;
  const std::uint32_t doubled = std::uint32_t(2 * image.height);
  for (int i = 0; i < 4; ++i) dib[8 + i] = std::uint8_t(doubled >> (8 * i));
  dib.insert(dib.end(), mask.begin(), mask.end());
  return dib;
}

}  // namespace ico_test
