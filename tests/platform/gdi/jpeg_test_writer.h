// JPEG files written through libjpeg's own compressor, for the tests and the fuzzing seeds: the
// forms the encoder never produces (CMYK with and without Adobe's marker, progressive scans).
#pragma once

// libjpeg's header needs size_t and FILE declared first.
#include <jpeglib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace jpeg_test {

using Bytes = std::vector<std::uint8_t>;

// A JPEG written through libjpeg's own compressor, for forms the encoder never produces.
struct JpegSpec {
  int width = 0, height = 0, components = 3;
  J_COLOR_SPACE colorSpace = JCS_RGB;
  bool adobeMarker = true;  // CMYK only: with the marker the file is stored as YCCK, without it as CMYK
  bool progressive = false;
  Bytes samples;  // width * height * components, top-down
};

inline Bytes WriteJpeg(const JpegSpec& s) {
  jpeg_compress_struct c;
  jpeg_error_mgr errors;
  c.err = jpeg_std_error(&errors);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = JDIMENSION(s.width);
  c.image_height = JDIMENSION(s.height);
  c.input_components = s.components;
  c.in_color_space = s.colorSpace;
  jpeg_set_defaults(&c);
  if (s.colorSpace == JCS_CMYK && !s.adobeMarker) {
    jpeg_set_colorspace(&c, JCS_CMYK);
    c.write_Adobe_marker = FALSE;
  }
  jpeg_set_quality(&c, 100, TRUE);
  if (s.progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&s.samples[std::size_t(c.next_scanline) * s.width * s.components]);
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace jpeg_test
