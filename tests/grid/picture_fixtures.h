// Pictures for the grid's picture and markup tests: plain BMP files of one colour, and GIF
// animations of frames written by the GIF test writer (independent of the decoder).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/gdi/gif_test_writer.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/decoded_image.h"

namespace picturetest {

using Bytes = std::vector<std::uint8_t>;

inline gdi::DecodedImage Solid(int width, int height, std::uint32_t argb) {
  gdi::DecodedImage image;
  image.width = width;
  image.height = height;
  image.pixels.assign(std::size_t(width) * std::size_t(height), argb);
  return image;
}

// A 24-bit BMP file of one colour (0xRRGGBB).
inline Bytes SolidBmp(int width, int height, std::uint32_t rgb) {
  return gdi::EncodeBmp(Solid(width, height, 0xFF000000 | rgb), 24).value;
}

inline std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The palette of the animations: 0 black, 1 red, 2 green, 3 blue.
inline constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

inline gif_test::Frame SolidFrame(int left, int top, int width, int height, std::uint8_t index, bool control = true) {
  gif_test::Frame frame;
  frame.left = left, frame.top = top, frame.width = width, frame.height = height;
  frame.indices.assign(std::size_t(width) * std::size_t(height), index);
  frame.control = control;
  return frame;
}

// A 6 x 4 screen: a red frame over all of it, a green 2 x 2 frame at (1, 1), a blue 3 x 3 frame
// at (2, 0); each with a graphic control extension unless `control` is false.
inline Bytes ThreeFrameGif(bool control = true) {
  gif_test::File file;
  file.width = 6, file.height = 4;
  file.global = {0x000000, kRed, kGreen, kBlue};
  file.frames = {SolidFrame(0, 0, 6, 4, 1, control), SolidFrame(1, 1, 2, 2, 2, control),
                 SolidFrame(2, 0, 3, 3, 3, control)};
  return gif_test::Write(file);
}

}  // namespace picturetest
