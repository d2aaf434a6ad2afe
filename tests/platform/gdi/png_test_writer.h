// PNG files written through libpng's own writer, for the tests and the fuzzing seeds: the forms
// the encoder never produces (palettes, greys, 16-bit samples, interlacing).
#pragma once

#include <png.h>

#include <cstdint>
#include <vector>

namespace png_test {

using Bytes = std::vector<std::uint8_t>;

// A PNG written through libpng's own writer, for the forms the encoder never produces.
struct PngSpec {
  int width = 0, height = 0, bitDepth = 8, colorType = PNG_COLOR_TYPE_RGB;
  bool interlaced = false;
  std::vector<Bytes> rows;  // samples as stored (16-bit ones big-endian), packed for depths below 8
  std::vector<png_color> palette;
  Bytes transparency;  // alpha of the first palette entries
};

inline void Append(png_structp png, png_bytep data, size_t size) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

inline Bytes WritePng(const PngSpec& s) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, Append, nullptr);
  png_set_IHDR(png, info, png_uint_32(s.width), png_uint_32(s.height), s.bitDepth, s.colorType,
               s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!s.palette.empty()) png_set_PLTE(png, info, s.palette.data(), int(s.palette.size()));
  if (!s.transparency.empty()) png_set_tRNS(png, info, s.transparency.data(), int(s.transparency.size()), nullptr);
  png_write_info(png, info);
  std::vector<png_bytep> rows;
  for (const Bytes& row : s.rows) rows.push_back(const_cast<png_bytep>(row.data()));
  png_write_image(png, rows.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace png_test
