#include "platform/gdi/gif_lzw.h"

#include <algorithm>
#include <array>

namespace gdi {
namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

class StringTable {
 public:
  explicit StringTable(int roots) {
    for (int i = 0; i < roots; ++i) {
      prefix_[i] = 0;
      suffix_[i] = first_[i] = std::uint8_t(i);
      length_[i] = 1;
    }
  }
  std::uint8_t First(int code) const { return first_[code]; }
  void Add(int slot, int prefix, std::uint8_t suffix) {
    prefix_[slot] = std::uint16_t(prefix);
    suffix_[slot] = suffix;
    first_[slot] = first_[prefix];
    length_[slot] = std::uint16_t(length_[prefix] + 1);
  }
  // Writes the string of `code` at out[at...], cut at the end of out; returns its full length.
  std::size_t Emit(int code, std::span<std::uint8_t> out, std::size_t at) const {
    const std::size_t length = length_[code];
    for (std::size_t i = length; i-- > 0; code = prefix_[code])
      if (at + i < out.size()) out[at + i] = suffix_[code];
    return length;
  }

 private:
  std::array<std::uint16_t, kTableSize> prefix_{};
  std::array<std::uint8_t, kTableSize> suffix_{};
  std::array<std::uint8_t, kTableSize> first_{};
  std::array<std::uint16_t, kTableSize> length_{};
};

class CodeReader {
 public:
  explicit CodeReader(std::span<const std::uint8_t> data) : data_(data) {}
  // False at the end of the data.
  bool Next(int width, int& code) {
    while (bits_ < width) {
      if (pos_ == data_.size()) return false;
      acc_ |= std::uint32_t(data_[pos_++]) << bits_;
      bits_ += 8;
    }
    code = int(acc_ & ((1u << width) - 1));
    acc_ >>= width;
    bits_ -= width;
    return true;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  std::uint32_t acc_ = 0;
  int bits_ = 0;
};

}  // namespace

LzwOutcome DecodeGifLzw(std::span<const std::uint8_t> data, int minCodeSize, std::span<std::uint8_t> out) {
  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  StringTable table(clear);
  CodeReader reader(data);
  int width = minCodeSize + 1;
  int next = clear + 2;
  int previous = -1;
  std::size_t produced = 0;
  while (produced < out.size()) {
    int code = 0;
    if (!reader.Next(width, code)) return {LzwOutcome::DataEndedEarly, produced};
    if (code == clear) {
      width = minCodeSize + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (code == end) break;
    if (code > next || (previous < 0 && code >= clear)) return {LzwOutcome::InvalidCode, produced};
    if (previous >= 0 && next < kTableSize) {
      // For the code not yet in the table (the KwKwK case) the new string is the previous one plus
      // its own first character.
      table.Add(next, previous, table.First(code == next ? previous : code));
      ++next;
      if (next == (1 << width) && width < kMaxCodeBits) ++width;
    }
    produced += table.Emit(code, out, produced);
    previous = code;
  }
  return {LzwOutcome::Complete, std::min(produced, out.size())};
}

}  // namespace gdi
