// A GIF writer for the tests, written from the file layout alone: its LZW encoder is independent
// of the decoder under test, and it can keep a full code table instead of clearing it, as some
// writers do.
#pragma once

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace gif_test {

using Bytes = std::vector<std::uint8_t>;

class BitPacker {
 public:
  void Put(int code, int width) {
    acc_ |= std::uint32_t(code) << bits_;
    bits_ += width;
    for (; bits_ >= 8; bits_ -= 8, acc_ >>= 8) bytes_.push_back(std::uint8_t(acc_));
  }
  Bytes Finish() {
    if (bits_ > 0) bytes_.push_back(std::uint8_t(acc_));
    return bytes_;
  }

 private:
  Bytes bytes_;
  std::uint32_t acc_ = 0;
  int bits_ = 0;
};

inline Bytes LzwEncode(const Bytes& indices, int minCodeSize, bool clearWhenFull) {
  const int clear = 1 << minCodeSize, end = clear + 1;
  std::unordered_map<std::uint32_t, int> table;
  int next = clear + 2, width = minCodeSize + 1;
  BitPacker out;
  out.Put(clear, width);
  int prefix = indices.empty() ? -1 : indices[0];
  for (std::size_t i = 1; i < indices.size(); ++i) {
    const std::uint32_t key = std::uint32_t(prefix) << 8 | indices[i];
    if (auto found = table.find(key); found != table.end()) {
      prefix = found->second;
      continue;
    }
    out.Put(prefix, width);
    prefix = indices[i];
    if (next == 4096) continue;  // a full table is kept
    table[key] = next++;
    if (next > (1 << width) && width < 12) ++width;
    if (next == 4096 && clearWhenFull) {
      out.Put(clear, width);
      table.clear();
      next = clear + 2, width = minCodeSize + 1;
    }
  }
  if (prefix >= 0) out.Put(prefix, width);
  // The reader adds one more entry after the last code and may widen its codes for the end code.
  if (prefix >= 0 && next == (1 << width) && width < 12) ++width;
  out.Put(end, width);
  return out.Finish();
}

struct Frame {
  int left = 0, top = 0, width = 0, height = 0;
  Bytes indices;                     // rows top-down
  std::vector<std::uint32_t> local;  // 0xRRGGBB; empty: use the global table
  bool interlaced = false;
  bool control = true;  // write a graphic control extension
  int delayCs = 0, disposal = 0, transparent = -1;
  bool clearWhenFull = true;
};

struct File {
  int width = 0, height = 0;
  std::vector<std::uint32_t> global;
  int loopCount = -1;  // -1: no looping extension
  std::vector<Frame> frames;
  bool trailer = true;
};

inline int TableBits(std::size_t entries) {
  int bits = 1;
  while ((std::size_t(1) << bits) < entries) ++bits;
  return bits;
}

inline void Put16(Bytes& out, int v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}

inline void PutTable(Bytes& out, const std::vector<std::uint32_t>& colors) {
  const std::size_t size = std::size_t(1) << TableBits(colors.size());
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint32_t c = i < colors.size() ? colors[i] : 0;
    out.insert(out.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
  }
}

inline void PutSubBlocks(Bytes& out, const Bytes& data) {
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - at);
    out.push_back(std::uint8_t(n));
    out.insert(out.end(), data.begin() + std::ptrdiff_t(at), data.begin() + std::ptrdiff_t(at + n));
  }
  out.push_back(0);
}

// The frame's rows in stored order: every 8th from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
inline Bytes Interlace(const Frame& f) {
  Bytes out;
  const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = starts[pass]; y < f.height; y += steps[pass])
      out.insert(out.end(), f.indices.begin() + y * f.width, f.indices.begin() + (y + 1) * f.width);
  return out;
}

inline Bytes Write(const File& file) {
  Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, file.width);
  Put16(out, file.height);
  out.push_back(file.global.empty() ? 0 : std::uint8_t(0x80 | (TableBits(file.global.size()) - 1)));
  out.insert(out.end(), {0, 0});
  if (!file.global.empty()) PutTable(out, file.global);
  if (file.loopCount >= 0) {
    out.insert(out.end(), {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1});
    Put16(out, file.loopCount);
    out.push_back(0);
  }
  for (const Frame& f : file.frames) {
    if (f.control) {
      out.insert(out.end(), {0x21, 0xF9, 4, std::uint8_t(f.disposal << 2 | (f.transparent >= 0 ? 1 : 0))});
      Put16(out, f.delayCs);
      out.insert(out.end(), {std::uint8_t(std::max(f.transparent, 0)), 0});
    }
    out.push_back(0x2C);
    Put16(out, f.left);
    Put16(out, f.top);
    Put16(out, f.width);
    Put16(out, f.height);
    const std::vector<std::uint32_t>& table = f.local.empty() ? file.global : f.local;
    out.push_back(
        std::uint8_t((f.local.empty() ? 0 : 0x80 | (TableBits(f.local.size()) - 1)) | (f.interlaced ? 0x40 : 0)));
    if (!f.local.empty()) PutTable(out, f.local);
    const int minCodeSize = std::max(2, TableBits(table.size()));
    out.push_back(std::uint8_t(minCodeSize));
    PutSubBlocks(out, LzwEncode(f.interlaced ? Interlace(f) : f.indices, minCodeSize, f.clearWhenFull));
  }
  if (file.trailer) out.push_back(0x3B);
  return out;
}

}  // namespace gif_test
