#include "platform/user/backend/sdl/sdl_cursor.h"

#include <cstdint>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/icon.h"
#include "platform/user/backend/sdl/sdl_library.h"
#include "platform/user/cursor.h"

namespace user {

namespace {

struct SystemShape {
  int id;
  SDL_SystemCursor shape;
};

constexpr SystemShape kShapes[] = {
    {32512, SDL_SYSTEM_CURSOR_ARROW},    {32513, SDL_SYSTEM_CURSOR_IBEAM},    {32514, SDL_SYSTEM_CURSOR_WAIT},
    {32515, SDL_SYSTEM_CURSOR_CROSSHAIR}, {32642, SDL_SYSTEM_CURSOR_SIZENWSE}, {32643, SDL_SYSTEM_CURSOR_SIZENESW},
    {32644, SDL_SYSTEM_CURSOR_SIZEWE},   {32645, SDL_SYSTEM_CURSOR_SIZENS},   {32646, SDL_SYSTEM_CURSOR_SIZEALL},
    {32648, SDL_SYSTEM_CURSOR_NO},       {32649, SDL_SYSTEM_CURSOR_HAND},     {32650, SDL_SYSTEM_CURSOR_WAITARROW},
};

// The bitmap's rows as top-down 0xAARRGGBB pixels.
std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteDC(dc);
  return pixels;
}

// Colour with alpha from the colour image, or from the two planes of a monochrome mask.
std::vector<std::uint32_t> CursorPixels(const ICONINFO& info, int width, int height) {
  if (info.hbmColor != nullptr) {
    std::vector<std::uint32_t> colour = PixelsOf(info.hbmColor, width, height);
    const std::vector<std::uint32_t> mask = PixelsOf(info.hbmMask, width, height);
    bool anyAlpha = false;
    for (std::uint32_t p : colour) anyAlpha |= (p >> 24) != 0;
    if (!anyAlpha)
      for (std::size_t i = 0; i < colour.size(); ++i) colour[i] |= (mask[i] & 0xFFFFFF) ? 0 : 0xFF000000u;
    return colour;
  }
  const std::vector<std::uint32_t> planes = PixelsOf(info.hbmMask, width, 2 * height);
  std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const bool andBit = (planes[i] & 0xFFFFFF) != 0, xorBit = (planes[i + pixels.size()] & 0xFFFFFF) != 0;
    pixels[i] = andBit && !xorBit ? 0 : (!andBit && xorBit ? 0xFFFFFFFFu : 0xFF000000u);
  }
  return pixels;
}

SDL_Cursor* PictureCursor(HCURSOR cursor) {
  ICONINFO info{};
  if (!GetIconInfo(cursor, &info)) return nullptr;
  BITMAP bm{};
  GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
  const int width = bm.bmWidth, height = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
  std::vector<std::uint32_t> pixels = CursorPixels(info, width, height);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  SDL_Surface* surface = sdl::CreateRGBSurfaceWithFormatFrom(pixels.data(), width, height, 32, width * 4,
                                                            SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) return nullptr;
  SDL_Cursor* result = sdl::CreateColorCursor(surface, int(info.xHotspot), int(info.yHotspot));
  sdl::FreeSurface(surface);
  return result;
}

}  // namespace

SDL_Cursor* CreateSdlCursor(HCURSOR cursor) {
  if (cursor == nullptr) return nullptr;
  if (const int id = StandardCursorId(cursor)) {
    for (const SystemShape& s : kShapes)
      if (s.id == id) return sdl::CreateSystemCursor(s.shape);
    return sdl::CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  }
  return PictureCursor(cursor);
}

}  // namespace user
