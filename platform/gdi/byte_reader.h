// A bounds-checked little-endian cursor over an image file's bytes, shared by the decoders.
//
// Reading past the end never touches memory outside the span: the read yields zero (or an empty
// span) and the reader stays failed from then on, so a decoder may read a whole header and check
// Ok() once before trusting any of it.  Positions are byte offsets from the start of the span.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace gdi {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  bool Ok() const { return ok_; }
  std::size_t Offset() const { return offset_; }
  std::size_t Remaining() const { return data_.size() - offset_; }
  std::span<const std::uint8_t> Data() const { return data_; }

  std::uint8_t U8() { return ok_ && Have(1) ? data_[offset_++] : Fail(); }
  std::uint16_t U16() {
    const std::uint8_t low = U8();
    return std::uint16_t(low | U8() << 8);
  }
  std::uint32_t U32() {
    const std::uint16_t low = U16();
    return low | std::uint32_t(U16()) << 16;
  }
  std::int32_t I32() { return std::int32_t(U32()); }
  std::uint32_t U32BigEndian() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | U8();
    return v;
  }

  // The next n bytes, or an empty span (and failure) when fewer remain.
  std::span<const std::uint8_t> Bytes(std::size_t n) {
    if (!ok_ || !Have(n)) return Fail(), std::span<const std::uint8_t>{};
    std::span<const std::uint8_t> s = data_.subspan(offset_, n);
    offset_ += n;
    return s;
  }
  void Skip(std::size_t n) { Bytes(n); }
  // Moves to an absolute offset; an offset beyond the end fails.
  void Seek(std::size_t offset) {
    if (offset > data_.size())
      Fail();
    else
      offset_ = offset;
  }

 private:
  bool Have(std::size_t n) const { return n <= data_.size() - offset_; }
  std::uint8_t Fail() {
    ok_ = false;
    return 0;
  }

  std::span<const std::uint8_t> data_;
  std::size_t offset_ = 0;
  bool ok_ = true;
};

}  // namespace gdi
