// Appends little-endian integers and bytes to a growing file image; the encoders' counterpart of
// ByteReader.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gdi {

class ByteWriter {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v) {
    U8(std::uint8_t(v));
    U8(std::uint8_t(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(std::uint16_t(v));
    U16(std::uint16_t(v >> 16));
  }
  void I32(std::int32_t v) { U32(std::uint32_t(v)); }
  void Bytes(std::span<const std::uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
  // Overwrites a 32-bit value written earlier (sizes and offsets known only later).
  void PatchU32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[at + i] = std::uint8_t(v >> (8 * i));
  }

  // Makes room for n more bytes at once (growing a large image step by step costs copies and
  // page faults).
  void Reserve(std::size_t n) { bytes_.reserve(bytes_.size() + n); }
  std::size_t Size() const { return bytes_.size(); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace gdi
