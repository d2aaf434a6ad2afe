#include "platform/gdi/gif_codec.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gdi/byte_reader.h"
#include "platform/gdi/gif_lzw.h"

namespace gdi {
namespace {

constexpr std::uint8_t kExtension = 0x21, kImage = 0x2C, kTrailer = 0x3B;
constexpr std::uint8_t kControlLabel = 0xF9, kApplicationLabel = 0xFF;
constexpr std::uint8_t kHasTable = 0x80, kInterlaced = 0x40;
constexpr char kLoopingId[] = "NETSCAPE2.0";

struct ColorTable {
  std::vector<std::uint32_t> colors;
  int bits = 0;
};

// The graphic control extension in force for the next image.
struct Control {
  int delayMs = 0;
  GifDisposal disposal = GifDisposal::Unspecified;
  int transparent = -1;
};

// Frame row that the n-th stored row fills: interlaced frames store every 8th row from 0, every
// 8th from 4, every 4th from 2, then every 2nd from 1.
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(std::size_t(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) order.push_back(y);
    return order;
  }
  const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = starts[pass]; y < height; y += steps[pass]) order.push_back(y);
  return order;
}

class GifDecoder {
 public:
  GifDecoder(std::span<const std::uint8_t> file, const DecodeLimits& limits, std::size_t maxFrames)
      : r_(file), limits_(limits), maxFrames_(maxFrames) {}

  CodecResult<GifAnimation> Decode() {
    if (!ReadScreen()) return Result();
    while (animation_.frames.size() < maxFrames_) {
      const std::uint8_t introducer = r_.U8();
      if (!r_.Ok() || introducer == kTrailer) break;
      if (introducer != kExtension && introducer != kImage) break;
      if (!(introducer == kExtension ? ReadExtension() : ReadFrame())) return Result();
    }
    if (animation_.frames.empty())
      Fail(r_.Ok() ? CodecStatus::Corrupt : CodecStatus::Truncated, "GIF file without an image");
    return Result();
  }

 private:
  bool Fail(CodecStatus status, const char* message) {
    if (status_ == CodecStatus::Ok) {
      status_ = status;
      message_ = message;
    }
    return false;
  }
  bool Truncated() { return Fail(CodecStatus::Truncated, "GIF data ends early"); }
  CodecResult<GifAnimation> Result() {
    if (status_ != CodecStatus::Ok) return CodecResult<GifAnimation>::Failure(status_, message_);
    return CodecResult<GifAnimation>::Success(std::move(animation_));
  }

  bool ReadScreen() {
    if (!IsGifSignature(r_.Bytes(6))) return Fail(CodecStatus::NotRecognised, "not a GIF file");
    animation_.screenWidth = r_.U16();
    animation_.screenHeight = r_.U16();
    const std::uint8_t flags = r_.U8();
    r_.Skip(2);  // background colour index, aspect ratio
    if (flags & kHasTable) global_ = ReadColorTable(flags);
    return r_.Ok() || Truncated();
  }

  ColorTable ReadColorTable(std::uint8_t flags) {
    ColorTable table;
    table.bits = (flags & 7) + 1;
    const std::span<const std::uint8_t> rgb = r_.Bytes(std::size_t(3) << table.bits);
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
      table.colors.push_back(kOpaqueBlack | std::uint32_t(rgb[i]) << 16 | std::uint32_t(rgb[i + 1]) << 8 | rgb[i + 2]);
    return table;
  }

  // Data sub-blocks: a length byte, that many bytes, until a length of 0.
  std::vector<std::uint8_t> ReadSubBlocks() {
    std::vector<std::uint8_t> data;
    for (std::uint8_t n = r_.U8(); r_.Ok() && n != 0; n = r_.U8()) {
      const std::span<const std::uint8_t> block = r_.Bytes(n);
      data.insert(data.end(), block.begin(), block.end());
    }
    return data;
  }

  bool ReadExtension() {
    const std::uint8_t label = r_.U8();
    const std::vector<std::uint8_t> data = ReadSubBlocks();
    if (!r_.Ok()) return Truncated();
    if (label == kControlLabel && data.size() >= 4) {
      const int disposal = (data[0] >> 2) & 7;  // codes 4..7 are undefined and act as none
      control_.disposal = disposal <= 3 ? GifDisposal(disposal) : GifDisposal::Unspecified;
      control_.delayMs = 10 * (data[1] | data[2] << 8);
      control_.transparent = data[0] & 1 ? data[3] : -1;
    } else if (label == kApplicationLabel && data.size() >= 14 && std::memcmp(data.data(), kLoopingId, 11) == 0 &&
               data[11] == 1) {
      animation_.loopCount = data[12] | data[13] << 8;
    }
    return true;
  }

  bool ReadFrame() {
    GifFrame frame;
    frame.left = r_.U16();
    frame.top = r_.U16();
    frame.width = r_.U16();
    frame.height = r_.U16();
    const std::uint8_t flags = r_.U8();
    const ColorTable local = flags & kHasTable ? ReadColorTable(flags) : ColorTable{};
    const int minCodeSize = r_.U8();
    const std::vector<std::uint8_t> data = ReadSubBlocks();
    if (!r_.Ok()) return Truncated();
    const ColorTable& table = local.colors.empty() ? global_ : local;
    if (table.colors.empty()) return Fail(CodecStatus::Corrupt, "GIF frame without a colour table");
    if (minCodeSize < 1 || minCodeSize > 8) return Fail(CodecStatus::Corrupt, "invalid GIF code size");
    if (!PrepareScreen(frame)) return false;
    std::vector<std::uint8_t> indices(std::size_t(frame.width) * std::size_t(frame.height));
    const LzwOutcome outcome = DecodeGifLzw(data, minCodeSize, indices);
    if (outcome.kind == LzwOutcome::InvalidCode) return Fail(CodecStatus::Corrupt, "invalid GIF image data");
    frame.delayMs = control_.delayMs;
    frame.disposal = control_.disposal;
    const std::vector<std::uint32_t> before =
        frame.disposal == GifDisposal::RestorePrevious ? screen_ : std::vector<std::uint32_t>{};
    Draw(frame, flags & kInterlaced, table, std::span(indices).first(outcome.produced));
    frame.image.width = animation_.screenWidth;
    frame.image.height = animation_.screenHeight;
    frame.image.pixels = screen_;
    frame.image.palette = table.colors;
    frame.image.sourceBitsPerPixel = table.bits;
    Dispose(frame, before);
    animation_.frames.push_back(std::move(frame));
    control_ = Control{};
    return true;
  }

  // Allocates the screen at the first frame and checks the frame and the total against the limits.
  bool PrepareScreen(const GifFrame& frame) {
    if (screen_.empty()) {
      if (animation_.screenWidth == 0 || animation_.screenHeight == 0) {
        animation_.screenWidth = frame.left + frame.width;
        animation_.screenHeight = frame.top + frame.height;
      }
      if (animation_.screenWidth == 0 || animation_.screenHeight == 0)
        return Fail(CodecStatus::Corrupt, "GIF screen of no size");
      if (!limits_.Allows(animation_.screenWidth, animation_.screenHeight))
        return Fail(CodecStatus::TooLarge, "GIF screen larger than the decoding limits");
      screen_.assign(std::size_t(animation_.screenWidth) * std::size_t(animation_.screenHeight), 0);
    }
    const std::int64_t decoded = std::int64_t(animation_.frames.size() + 1) * std::int64_t(screen_.size());
    const bool empty = frame.width == 0 || frame.height == 0;
    if (decoded > limits_.maxPixels || (!empty && !limits_.Allows(frame.width, frame.height)))
      return Fail(CodecStatus::TooLarge, "GIF frames larger than the decoding limits");
    return true;
  }

  void Draw(const GifFrame& frame, bool interlaced, const ColorTable& table, std::span<const std::uint8_t> indices) {
    const std::vector<int> order = RowOrder(frame.height, interlaced);
    const int screenWidth = animation_.screenWidth, screenHeight = animation_.screenHeight;
    for (std::size_t i = 0; i < indices.size(); ++i) {
      const int x = frame.left + int(i % std::size_t(frame.width));
      const int y = frame.top + order[i / std::size_t(frame.width)];
      const std::uint8_t index = indices[i];
      if (x >= screenWidth || y >= screenHeight || index == control_.transparent) continue;
      screen_[std::size_t(y) * std::size_t(screenWidth) + std::size_t(x)] =
          index < table.colors.size() ? table.colors[index] : kOpaqueBlack;
    }
  }

  void Dispose(const GifFrame& frame, const std::vector<std::uint32_t>& before) {
    if (frame.disposal == GifDisposal::RestorePrevious) {
      screen_ = before;
    } else if (frame.disposal == GifDisposal::RestoreBackground) {
      const int right = std::min(frame.left + frame.width, animation_.screenWidth);
      const int bottom = std::min(frame.top + frame.height, animation_.screenHeight);
      for (int y = frame.top; y < bottom; ++y)
        for (int x = frame.left; x < right; ++x) screen_[std::size_t(y) * std::size_t(animation_.screenWidth) + x] = 0;
    }
  }

  ByteReader r_;
  const DecodeLimits& limits_;
  std::size_t maxFrames_;
  CodecStatus status_ = CodecStatus::Ok;
  std::string message_;
  GifAnimation animation_;
  ColorTable global_;
  Control control_;
  std::vector<std::uint32_t> screen_;
};

}  // namespace

bool IsGifSignature(std::span<const std::uint8_t> data) {
  return data.size() >= 6 && (std::memcmp(data.data(), "GIF87a", 6) == 0 || std::memcmp(data.data(), "GIF89a", 6) == 0);
}

CodecResult<GifAnimation> DecodeGifAnimation(std::span<const std::uint8_t> file, const DecodeLimits& limits) {
  return GifDecoder(file, limits, SIZE_MAX).Decode();
}

CodecResult<DecodedImage> DecodeGif(std::span<const std::uint8_t> file, const DecodeLimits& limits) {
  CodecResult<GifAnimation> animation = GifDecoder(file, limits, 1).Decode();
  if (!animation) return CodecResult<DecodedImage>::FailureOf(animation);
  return CodecResult<DecodedImage>::Success(std::move(animation.value.frames.front().image));
}

}  // namespace gdi
