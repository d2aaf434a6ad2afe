// GIF frame scanning and cutting; see gif_frames.h.
#include "grid/gif_frames.h"

namespace {

constexpr std::size_t kFrameSpan = 17;   // control extension start .. end of the image descriptor

bool FrameStartsAt(std::span<const Byte> d, std::size_t at) {
  return at + kFrameSpan <= d.size() && d[at] == 0x21 && d[at + 1] == 0xF9 && d[at + 2] == 0x04 &&
         d[at + 8] == 0x2C;
}

Word Le16(std::span<const Byte> d, std::size_t at) { return Word(d[at] | d[at + 1] << 8); }

}  // namespace

bool IsGIFData(std::span<const Byte> data) {
  return data.size() >= 5 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F' && data[3] == '8';
}

Integer CountGIFFrames(std::span<const Byte> data) {
  if (!IsGIFData(data)) return 0;
  Integer count = 0;
  for (std::size_t at = 0; at < data.size(); ++at) count += FrameStartsAt(data, at);
  return count;
}

TGIFFrameCut CutGIFFrames(std::span<const Byte> data, Integer frame) {
  TGIFFrameCut cut;
  if (CountGIFFrames(data) == 0) {
    cut.data.assign(data.begin(), data.end());
    return cut;
  }
  cut.screenWidth = Le16(data, 6);
  cut.screenHeight = Le16(data, 8);
  cut.data.reserve(data.size());
  Integer current = 0;   // the frame the byte belongs to, 0 before the first
  for (std::size_t at = 0; at < data.size(); ++at) {
    if (FrameStartsAt(data, at) && ++current == frame) {
      cut.left = Le16(data, at + 9);
      cut.top = Le16(data, at + 11);
      cut.width = Le16(data, at + 13);
      cut.height = Le16(data, at + 15);
    }
    if (current == 0 || current >= frame) cut.data.push_back(data[at]);
  }
  return cut;
}
