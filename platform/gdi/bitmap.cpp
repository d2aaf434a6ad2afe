// Bitmap creation and DIB transfers; see bitmap.h.
#include "platform/gdi/bitmap.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/blt_engine.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/palette_object.h"
#include "platform/gdi/raster_ops.h"

using namespace gdi;

namespace {

std::vector<RGBQUAD> PaletteColors(const DeviceContext* c) {
  std::vector<RGBQUAD> out;
  if (c && c->State().palette)
    for (const PALETTEENTRY& e : c->State().palette->Entries()) out.push_back({e.peBlue, e.peGreen, e.peRed, 0});
  return out;
}

std::optional<DibFormat> ParseWith(HDC dc, const BITMAPINFO* info, UINT usage) {
  const std::vector<RGBQUAD> palette = PaletteColors(FindDC(dc));
  return DibFormat::Parse(info, usage, &palette);
}

// The image row (from the top) of a scan line as the platform numbers them: from the bottom for
// bottom-up DIBs.  Band buffers hold scan lines start, start + 1, ... in that order.
int ImageRowOfScanLine(const DibFormat& f, UINT scanLine) {
  return f.TopDown() ? int(scanLine) : f.Height() - 1 - int(scanLine);
}

int TopRowOf(const DibFormat& f, UINT start, UINT lines) {
  return f.TopDown() ? int(start) : f.Height() - int(start) - int(lines);
}

}  // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (planes != 1 || width < 0 || height < 0) return nullptr;
  if (width == 0 || height == 0) return StockBitmap();
  const int depth = bitsPerPixel == 1 ? 1 : 32;
  HBITMAP h = NewBitmap(width, height, depth, false, true);
  if (!h || !bits) return h;
  if (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32) return h;
  SetBitmapBits(h, DWORD(((width * int(bitsPerPixel) + 15) / 16) * 2 * height), bits);
  if (bitsPerPixel == 24) {
    // 24-bit rows padded to 2 bytes, converted into the 32-bit bitmap.
    PixelSurface& s = FindObject<BitmapObject>(h)->Surface();
    const int stride = ((width * 24 + 15) / 16) * 2;
    for (int y = 0; y < height; ++y) {
      const auto* row = static_cast<const std::uint8_t*>(bits) + std::size_t(y) * std::size_t(stride);
      for (int x = 0; x < width; ++x)
        s.Row32(y)[x] = Pixel(row[3 * x]) | Pixel(row[3 * x + 1]) << 8 | Pixel(row[3 * x + 2]) << 16;
    }
  }
  return h;
}

HBITMAP CreateBitmapIndirect(const BITMAP* bm) {
  return bm ? CreateBitmap(bm->bmWidth, bm->bmHeight, bm->bmPlanes, bm->bmBitsPixel, bm->bmBits) : nullptr;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  const DeviceContext* c = FindDC(dc);
  if (!c || width < 0 || height < 0) return nullptr;
  if (width == 0 || height == 0) return StockBitmap();
  const BitmapObject* target = c->Target();
  const bool mono = target && target->BitsPerPixel() == 1;
  return NewBitmap(width, height, mono ? 1 : 32, false, true);
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD) {
  if (bits) *bits = nullptr;
  if (section) return nullptr;   // file-mapping sections do not exist here
  const std::optional<DibFormat> f = ParseWith(dc, info, usage);
  if (!f || f->BitsPerPixel() == 16) return nullptr;
  HBITMAP h = NewBitmap(f->Width(), f->Height(), f->BitsPerPixel(), true, f->TopDown(), f->Table());
  if (h && bits) *bits = FindObject<BitmapObject>(h)->Surface().Bits();
  return h;
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage) {
  if (!header) return nullptr;
  const int height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  const bool mono = header->biBitCount == 1 && !dc;
  HBITMAP h = mono ? CreateBitmap(header->biWidth, height, 1, 1, nullptr)
                   : (dc ? CreateCompatibleBitmap(dc, header->biWidth, height) : CreateBitmap(header->biWidth, height, 1, 32, nullptr));
  if (h && (init & CBM_INIT) && bits && info) SetDIBits(dc, h, 0, UINT(height), bits, info, usage);
  return h;
}

int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
  BitmapObject* bm = FindObject<BitmapObject>(bitmap);
  if (!bm || !info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) return 0;
  BITMAPINFOHEADER& h = info->bmiHeader;
  const PixelSurface& s = bm->Surface();
  if (h.biBitCount == 0) {
    // Only the header is asked for: describe the bitmap itself.
    h.biWidth = s.Width();
    h.biHeight = s.Height();
    h.biPlanes = 1;
    h.biBitCount = WORD(s.BitsPerPixel());
    h.biCompression = BI_RGB;
    h.biSizeImage = DWORD(PixelSurface::StrideFor(s.Width(), s.BitsPerPixel()) * s.Height());
    h.biClrUsed = 0;
    return 1;
  }
  if (h.biWidth <= 0 || h.biHeight == 0) h.biWidth = s.Width(), h.biHeight = s.Height();
  if (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS) return 0;
  // The colour table of the result.
  if (h.biBitCount <= 8) {
    const std::vector<RGBQUAD>& table =
        bm->IsDibSection() && s.BitsPerPixel() == h.biBitCount ? s.Palette() : DefaultPaletteFor(h.biBitCount);
    if (table.empty()) return 0;
    if (usage == DIB_RGB_COLORS) std::copy(table.begin(), table.end(), info->bmiColors);
    else for (std::size_t i = 0; i < table.size(); ++i) reinterpret_cast<WORD*>(info->bmiColors)[i] = WORD(i);
    h.biClrUsed = 0;
  } else if (h.biCompression == BI_BITFIELDS) {
    DWORD* masks = reinterpret_cast<DWORD*>(info->bmiColors);
    if (h.biBitCount == 16) masks[0] = 0xF800, masks[1] = 0x07E0, masks[2] = 0x001F;
    else masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
  }
  const std::optional<DibFormat> f = ParseWith(dc, info, DIB_RGB_COLORS);
  if (!f) return 0;
  h.biSizeImage = DWORD(f->ImageSize());
  if (!bits) return 1;
  if (start >= UINT(f->Height())) return 0;
  lines = std::min<UINT>(lines, UINT(f->Height()) - start);
  std::vector<Pixel> row(std::size_t(f->Width()));
  const int w = std::min(f->Width(), s.Width());
  for (UINT k = 0; k < lines; ++k) {
    const int y = ImageRowOfScanLine(*f, start + k);
    if (y >= s.Height()) continue;
    s.ReadSpan(y, 0, w, row.data());
    f->WritePixels(static_cast<std::uint8_t*>(bits) + std::size_t(k) * std::size_t(f->Stride()), 0, w, row.data());
  }
  return int(lines);
}

int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
  BitmapObject* bm = FindObject<BitmapObject>(bitmap);
  const std::optional<DibFormat> f = ParseWith(dc, info, usage);
  if (!bm || !bits || !f || start >= UINT(f->Height())) return 0;
  lines = std::min<UINT>(lines, UINT(f->Height()) - start);
  PixelSurface& surface = bm->Surface();
  std::vector<Pixel> row(std::size_t(f->Width()));
  const int w = std::min(f->Width(), surface.Width());
  for (UINT k = 0; k < lines; ++k) {
    const int y = ImageRowOfScanLine(*f, start + k);
    if (y >= surface.Height()) continue;
    f->ReadPixels(static_cast<const std::uint8_t*>(bits) + std::size_t(k) * std::size_t(f->Stride()), 0, w, row.data());
    surface.WriteSpan(y, 0, w, row.data());
  }
  return int(lines);
}

int StretchDIBits(HDC dc, int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth, int srcHeight,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
  DeviceContext* c = FindDC(dc);
  const std::optional<DibFormat> f = ParseWith(dc, info, usage);
  if (!c || !f || !bits) return 0;
  const BltSource source = SourceFromDib(*f, bits);
  const TPoint p = c->ToSurface(TPoint{x, y});
  Blit(*c, p.X, p.Y, width, height, &source, xSrc, ySrc, srcWidth, srcHeight, Rop3Index(rop), c->State().stretchMode);
  return f->Height();
}

int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int xSrc, int ySrc, UINT start, UINT lines,
                      const void* bits, const BITMAPINFO* info, UINT usage) {
  DeviceContext* c = FindDC(dc);
  const std::optional<DibFormat> f = ParseWith(dc, info, usage);
  if (!c || !f || !bits || start >= UINT(f->Height())) return 0;
  lines = std::min<UINT>(lines, UINT(f->Height()) - start);
  // ySrc counts from the bottom of the image for bottom-up DIBs, as the platform does; `bits`
  // holds only the rows start .. start + lines - 1.
  const int imageTop = f->TopDown() ? ySrc : f->Height() - ySrc - int(height);
  const int bandTop = TopRowOf(*f, start, lines);
  BltSource source = SourceFromDib(*f, bits);
  const DibFormat band = *f;
  source.read = [band, bits, bandTop, lines](int row, int col, int n, Pixel* out) {
    const int inBand = row - bandTop;
    if (inBand < 0 || inBand >= int(lines)) {
      std::fill(out, out + n, 0);
      return;
    }
    const auto* base = static_cast<const std::uint8_t*>(bits);
    const std::uint8_t* r = base + std::size_t(band.TopDown() ? inBand : int(lines) - 1 - inBand) * std::size_t(band.Stride());
    band.ReadPixels(r, col, n, out);
  };
  const TPoint p = c->ToSurface(TPoint{x, y});
  const int top = std::max(imageTop, bandTop), bottom = std::min(imageTop + int(height), bandTop + int(lines));
  if (bottom <= top) return int(lines);
  Blit(*c, p.X, p.Y + (top - imageTop), int(width), bottom - top, &source, xSrc, top, int(width), bottom - top,
       Rop3Index(SRCCOPY), COLORONCOLOR);
  return int(lines);
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits) {
  const BitmapObject* bm = FindObject<BitmapObject>(bitmap);
  if (!bm) return 0;
  const PixelSurface& s = bm->Surface();
  const int stride = ((s.Width() * s.BitsPerPixel() + 15) / 16) * 2;
  const LONG total = LONG(stride) * s.Height();
  if (!bits) return total;
  const LONG n = std::min(size, total);
  auto* out = static_cast<std::uint8_t*>(bits);
  for (LONG done = 0, y = 0; done < n; ++y) {
    const LONG chunk = std::min<LONG>(stride, n - done);
    std::memcpy(out + done, s.Row(int(y)), std::size_t(chunk));
    done += chunk;
  }
  return n;
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits) {
  BitmapObject* bm = FindObject<BitmapObject>(bitmap);
  if (!bm || !bits) return 0;
  PixelSurface& s = bm->Surface();
  const int stride = ((s.Width() * s.BitsPerPixel() + 15) / 16) * 2;
  const LONG total = std::min<LONG>(LONG(size), LONG(stride) * s.Height());
  const auto* in = static_cast<const std::uint8_t*>(bits);
  for (LONG done = 0, y = 0; done < total; ++y) {
    const LONG chunk = std::min<LONG>(stride, total - done);
    std::memcpy(s.Row(int(y)), in + done, std::size_t(chunk));
    done += chunk;
  }
  return total;
}

BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, TSize* old) {
  BitmapObject* bm = FindObject<BitmapObject>(bitmap);
  if (!bm) return 0;
  if (old) *old = bm->Dimension();
  bm->SetDimension({width, height});
  return 1;
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, TSize* size) {
  const BitmapObject* bm = FindObject<BitmapObject>(bitmap);
  if (!bm || !size) return 0;
  *size = bm->Dimension();
  return 1;
}

UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors) {
  const DeviceContext* c = FindDC(dc);
  const BitmapObject* bm = c ? c->Target() : nullptr;
  if (!bm || !bm->IsDibSection() || !colors) return 0;
  const std::vector<RGBQUAD>& table = bm->Surface().Palette();
  if (start >= table.size()) return 0;
  const UINT n = std::min<UINT>(count, UINT(table.size()) - start);
  std::copy_n(table.begin() + start, n, colors);
  return n;
}

UINT SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colors) {
  DeviceContext* c = FindDC(dc);
  BitmapObject* bm = c ? c->Target() : nullptr;
  if (!bm || !bm->IsDibSection() || !colors) return 0;
  std::vector<RGBQUAD> table = bm->Surface().Palette();
  if (start >= table.size()) return 0;
  const UINT n = std::min<UINT>(count, UINT(table.size()) - start);
  std::copy_n(colors, n, table.begin() + start);
  bm->Surface().SetPalette(std::move(table));
  return n;
}
