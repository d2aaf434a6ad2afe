#include "platform/gdi/copy_image.h"

#include <cstring>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/raster_ops.h"

namespace {

// A header with room for a full colour table or the three bit-field masks.
struct DibHeader {
  BITMAPINFOHEADER header{};
  RGBQUAD colors[256]{};
  BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(this); }
};

// The rows the copy is made from: a DIB section's own format, 1 bit for a monochrome bitmap or
// with LR_MONOCHROME, else 32 bits; GetDIBits fills in the colour table.
DibHeader RowFormat(HBITMAP source, const BITMAP& bitmap, UINT flags) {
  DibHeader dib;
  DIBSECTION section{};
  if ((flags & LR_MONOCHROME) == 0 && GetObjectA(source, sizeof section, &section) == int(sizeof section)) {
    dib.header = section.dsBmih;
    if (section.dsBmih.biCompression == BI_BITFIELDS)
      std::memcpy(dib.colors, section.dsBitfields, sizeof section.dsBitfields);
  } else {
    dib.header.biSize = sizeof(BITMAPINFOHEADER);
    dib.header.biPlanes = 1;
    dib.header.biBitCount = bitmap.bmBitsPixel == 1 || (flags & LR_MONOCHROME) != 0 ? 1 : 32;
    dib.header.biCompression = BI_RGB;
  }
  dib.header.biWidth = bitmap.bmWidth;
  dib.header.biHeight = bitmap.bmHeight;   // bottom-up rows
  dib.header.biSizeImage = 0;
  dib.header.biClrUsed = 0;
  return dib;
}

HBITMAP NewBitmap(const BITMAP& source, DibHeader format, int width, int height, UINT flags) {
  const bool monochrome = format.header.biBitCount == 1;
  if ((flags & LR_MONOCHROME) != 0 || ((flags & LR_CREATEDIBSECTION) == 0 && source.bmBits == nullptr))
    return CreateBitmap(width, height, 1, monochrome ? 1 : 32, nullptr);
  format.header.biWidth = width;
  format.header.biHeight = height;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, format.Info(), DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

HGDIOBJ CopyImage(HGDIOBJ image, UINT type, int cx, int cy, UINT flags) {
  BITMAP bitmap{};
  if (type != IMAGE_BITMAP || GetObjectType(image) != OBJ_BITMAP ||
      GetObjectA(image, sizeof bitmap, &bitmap) != int(sizeof bitmap))
    return nullptr;
  const auto source = static_cast<HBITMAP>(image);
  const int width = cx != 0 ? cx : bitmap.bmWidth, height = cy != 0 ? cy : bitmap.bmHeight;
  HDC dc = CreateCompatibleDC(nullptr);
  DibHeader format = RowFormat(source, bitmap, flags);
  const std::size_t stride = (std::size_t(bitmap.bmWidth) * format.header.biBitCount + 31) / 32 * 4;
  std::vector<BYTE> rows(stride * std::size_t(bitmap.bmHeight));
  HBITMAP copy = nullptr;
  if (GetDIBits(dc, source, 0, UINT(bitmap.bmHeight), rows.data(), format.Info(), DIB_RGB_COLORS) != 0)
    copy = NewBitmap(bitmap, format, width, height, flags);
  if (copy != nullptr) {
    HGDIOBJ old = SelectObject(dc, copy);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, width, height, 0, 0, bitmap.bmWidth, bitmap.bmHeight, rows.data(), format.Info(),
                  DIB_RGB_COLORS, SRCCOPY);
    SelectObject(dc, old);
  }
  DeleteDC(dc);
  if (copy != nullptr && (flags & LR_COPYDELETEORG) != 0) DeleteObject(source);
  return copy;
}
