// A memory device context on a 32-bit top-down DIB section, for pixel probes.  Pixels start as
// white with alpha 0 (what a GDI fill leaves); Raw() reads the 32-bit value including alpha.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/raster_ops.h"

class TestCanvas {
 public:
  TestCanvas(int width, int height, COLORREF background = 0xFFFFFF) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
    Clear(background);
  }
  ~TestCanvas() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  TestCanvas(const TestCanvas&) = delete;
  TestCanvas& operator=(const TestCanvas&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void Clear(COLORREF color) {
    for (int i = 0; i < width_ * height_; ++i)
      bits_[i] = (color & 0xFF) << 16 | (color & 0xFF00) | ((color >> 16) & 0xFF);
  }
  // The colour at surface pixel (x, y), as a COLORREF.
  COLORREF At(int x, int y) const {
    const std::uint32_t p = Raw(x, y);
    return (p & 0xFF) << 16 | (p & 0xFF00) | ((p >> 16) & 0xFF);
  }
  std::uint32_t Raw(int x, int y) const { return bits_[y * width_ + x]; }
  void SetRaw(int x, int y, std::uint32_t value) { bits_[y * width_ + x] = value; }
  // Rows of '#' for pixels that differ from `background` and '.' otherwise; for failure messages.
  std::string Picture(COLORREF background = 0xFFFFFF) const {
    std::string s = "\n";
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) s += At(x, y) == background ? '.' : '#';
      s += '\n';
    }
    return s;
  }
  // Number of pixels of a colour.
  int Count(COLORREF color) const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) n += At(x, y) == color;
    return n;
  }

 private:
  int width_, height_;
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// Selects an object for the life of the guard and deletes it afterwards.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(dc_, old_);
    DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ old_;
};

inline constexpr COLORREF kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kGreen = 0x00FF00,
                          kBlue = 0xFF0000;
