// The stream form of an image list, as form images keep it (a TImageList's "Bitmap" value) and as
// image lists are written to and read from streams.
//
// Layout, little-endian, no padding:
//   28-byte header: u16 magic 0x4C49 ("IL"), u16 version 0x0101, u16 image count, u16 capacity,
//   u16 grow-by, u16 image width, u16 image height, u32 background colour (CLR_NONE: none), u16
//   ILC_ flags, 4 x i16 the images of overlays 1 to 4 (-1: none);
//   the images as a BMP file: a grid four images wide and capacity / 4 rows high, image i in
//   column i % 4 and row i / 4; 32 bits a pixel with alpha for ILC_COLOR32 lists, else 24;
//   with ILC_MASK, the masks as a 1-bit BMP file of the same grid (1: transparent).
// The writer sets the capacity to the count rounded up to a multiple of 4 (at least 4).  The
// reader takes grids of any width that hold the images, BMP files of any depth the BMP decoder
// reads; only a 32-bit BMP with some alpha byte set gives images with alpha (others draw through
// their mask).  Writing then reading gives the same images, masks, flags, size,
// background and overlays; reading then writing gives the same bytes for streams this writer made.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/gdi_types.h"

namespace gdi {

// Empty when the list is not a list.
std::vector<std::uint8_t> WriteImageList(HIMAGELIST list);
// A new list from the front of `bytes` (nullptr for data that is not an image list's stream);
// `consumed` gets the number of bytes the stream took.
HIMAGELIST ReadImageList(std::span<const std::uint8_t> bytes, std::size_t* consumed = nullptr);

}  // namespace gdi
