// GIF files (87a and 89a): every frame, drawn in turn onto the logical screen the way the file
// asks, with global and local colour tables, transparency, interlaced rows, frame delays and the
// disposal methods (keep, restore to background, restore to previous).  Encoding is not needed.
//
// Rules chosen where files are vague: the screen starts transparent and "restore to background"
// makes the frame's rectangle transparent again; frames are clipped to the logical screen, and a
// screen of zero width or height takes the first frame's extent; undefined disposal codes (4..7)
// act as none; an index beyond the colour table draws opaque black; image data that ends before
// the frame is full leaves the rest unchanged.
// Parsing stops at the trailer, at the end of the data or at a byte that starts no block, and the
// file must give at least one frame; data cut inside a block is truncated.
//
// Limits: the screen and each frame must pass DecodeLimits, and so must all the decoded frames'
// pixels together.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"

namespace gdi {

enum class GifDisposal { Unspecified = 0, Keep = 1, RestoreBackground = 2, RestorePrevious = 3 };

struct GifFrame {
  // The whole screen as it looks while this frame shows; its palette is the frame's colour table.
  DecodedImage image;
  int left = 0, top = 0, width = 0, height = 0;  // the frame's own rectangle on the screen
  int delayMs = 0;
  GifDisposal disposal = GifDisposal::Unspecified;
};

struct GifAnimation {
  int screenWidth = 0;
  int screenHeight = 0;
  int loopCount = -1;  // from the looping extension, 0 for ever; -1 when the file has none
  std::vector<GifFrame> frames;
};

bool IsGifSignature(std::span<const std::uint8_t> data);
CodecResult<GifAnimation> DecodeGifAnimation(std::span<const std::uint8_t> file, const DecodeLimits& limits = {});
// The first frame only (what a still picture of the file shows); later frames are not read.
CodecResult<DecodedImage> DecodeGif(std::span<const std::uint8_t> file, const DecodeLimits& limits = {});

}  // namespace gdi
