// Icon (.ico) and cursor (.cur) files: a 6-byte directory header (0, type 1 for icons or 2 for
// cursors, entry count), 16-byte entries (width, height, colour count, reserved, planes or the
// cursor's hot spot x, bit count or hot spot y, byte size, file offset), then each entry's image:
// a PNG file, or a DIB (dib_codec.h) whose header height counts the colour rows and a 1-bit AND
// mask together, the mask following the colour rows.
//
// Entry sizes and depths are taken from each image's own header, not from the directory, whose
// bytes writers often get wrong.  Transparency: a 32-bit entry with any nonzero alpha uses its
// alpha and ignores the mask; otherwise a pixel whose mask bit is set gets alpha 0 and keeps its
// colour (a non-black colour there inverts the screen when the platform draws the icon; that is
// kept in the pixels, not rendered).  Written files hold one DIB entry per image with its mask.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"

namespace gdi {

enum class IconFileType { Icon = 1, Cursor = 2 };

struct IconEntry {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  int hotSpotX = 0;  // cursors only
  int hotSpotY = 0;
  bool png = false;
  std::size_t offset = 0;  // of the image in the file
  std::size_t size = 0;
};

struct IconDirectory {
  IconFileType type = IconFileType::Icon;
  std::vector<IconEntry> entries;  // at least one
};

CodecResult<IconDirectory> ReadIconDirectory(std::span<const std::uint8_t> file);

// The entry that best fits: the smallest difference |w - width| + |h - height| (any size fits when
// width or height is 0), then the larger entry, then the deepest depth not above bitsPerPixel,
// else the shallowest above it.
std::size_t ChooseIconEntry(const IconDirectory& directory, int width, int height, int bitsPerPixel);

CodecResult<DecodedImage> DecodeIconEntry(std::span<const std::uint8_t> file, const IconEntry& entry,
                                          const DecodeLimits& limits = {});
// Reads the directory, chooses the entry for the size and depth, and decodes it.
CodecResult<DecodedImage> DecodeIcon(std::span<const std::uint8_t> file, int width, int height, int bitsPerPixel,
                                     const DecodeLimits& limits = {});

// One entry per image, each written at its sourceBitsPerPixel when that is 1, 4 or 8 (with indices
// and palette) or 24, else at 32; sides of at most 256.  Cursors keep the images' hot spots.
EncodedBytes EncodeIcon(std::span<const DecodedImage> images, IconFileType type);

}  // namespace gdi
