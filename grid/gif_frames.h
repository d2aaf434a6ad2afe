// The frames of an animated GIF as the markup pictures see them: found by scanning the file's
// bytes, and cut out so that a decoder's first frame is the one asked for.
//
// A frame starts at a byte 0x21 followed by 0xF9 and 0x04, with 0x2C eight bytes after it (a
// graphic control extension directly followed by an image descriptor), and counts only when the
// whole descriptor lies in the data: start + 17 <= size (the descriptor's left, top, width and
// height are the 16-bit values at start + 9 .. start + 16).  Frames without a control extension are
// not found, so such a file has no frames and is decoded whole.  Cutting keeps the bytes before the
// first frame (header and global colour table) and every byte from the start of the frame asked
// for on; the frames before it are left out.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/core/types.h"

// True when the data is at least 5 bytes long and begins with "GIF8".
bool IsGIFData(std::span<const Byte> data);

// The number of frame starts (0 for data that is no GIF).
Integer CountGIFFrames(std::span<const Byte> data);

struct TGIFFrameCut {
  std::vector<Byte> data;     // what the decoder reads
  Word left = 0, top = 0, width = 0, height = 0;   // the descriptor of the frame asked for
  Word screenWidth = 0, screenHeight = 0;          // the logical screen, 0 when not read
};

// The data with the frames before `frame` (1-based) left out.  Data that is no GIF, or a GIF
// without frames, is kept whole and its sizes stay 0.  The logical screen size (the 16-bit values
// at offset 6) is read only from a GIF with frames, whose data is then longer than 10 bytes.
TGIFFrameCut CutGIFFrames(std::span<const Byte> data, Integer frame);
