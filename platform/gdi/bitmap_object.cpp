// Bitmap objects and their records; see bitmap_object.h.
#include "platform/gdi/bitmap_object.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"

namespace gdi {

int BitmapObject::GetObjectData(int size, void* out, bool) const {
  const PixelSurface& s = *surface_;
  BITMAP bm{};
  bm.bmWidth = s.Width();
  bm.bmHeight = s.Height();
  // Device bitmaps report rows padded to 2 bytes, DIB sections to 4.
  bm.bmWidthBytes = dibSection_ ? s.Stride() : ((s.Width() * s.BitsPerPixel() + 15) / 16) * 2;
  bm.bmPlanes = 1;
  bm.bmBitsPixel = WORD(s.BitsPerPixel());
  bm.bmBits = dibSection_ ? const_cast<std::uint8_t*>(s.Bits()) : nullptr;
  if (dibSection_ && (!out || size >= int(sizeof(DIBSECTION)))) {
    if (!out) return sizeof(DIBSECTION);
    DIBSECTION ds{};
    ds.dsBm = bm;
    BITMAPINFOHEADER& h = ds.dsBmih;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = s.Width();
    h.biHeight = s.TopDown() ? -s.Height() : s.Height();
    h.biPlanes = 1;
    h.biBitCount = WORD(s.BitsPerPixel());
    h.biCompression = BI_RGB;
    h.biSizeImage = DWORD(s.ByteSize());
    h.biClrUsed = s.BitsPerPixel() <= 8 ? DWORD(s.Palette().size()) : 0;
    std::memcpy(out, &ds, sizeof ds);
    return sizeof ds;
  }
  if (!out) return sizeof(BITMAP);
  const int n = std::min<int>(size, sizeof bm);
  std::memcpy(out, &bm, std::size_t(n));
  return n;
}

HBITMAP NewBitmap(int width, int height, int bitsPerPixel, bool dibSection, bool topDown,
                  std::vector<RGBQUAD> palette) {
  std::unique_ptr<PixelSurface> surface =
      PixelSurface::Create(width, height, bitsPerPixel, topDown, std::move(palette));
  if (!surface) return nullptr;
  return AddObject<HBITMAP>(std::make_unique<BitmapObject>(std::move(surface), dibSection));
}

HBITMAP StockBitmap() {
  static HBITMAP stock = [] {
    HBITMAP h = NewBitmap(1, 1, 1, false, true);
    HandleTable::Instance().Find(h)->MarkStock();
    return h;
  }();
  return stock;
}

}  // namespace gdi
