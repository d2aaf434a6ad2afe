#include "platform/gdi/image_list_stream.h"

#include <algorithm>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/byte_reader.h"
#include "platform/gdi/byte_writer.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/image_list.h"
#include "platform/gdi/image_list_object.h"

namespace gdi {

namespace {

constexpr std::uint16_t kMagic = 0x4C49, kVersion = 0x0101;
constexpr int kGridColumns = 4;
constexpr int kStreamOverlays = 4;
constexpr std::uint32_t kMaskOpaque = 0xFF000000u, kMaskTransparent = 0xFFFFFFFFu;

struct Header {
  int count = 0;
  int capacity = 0;
  int grow = 0;
  int cx = 0;
  int cy = 0;
  COLORREF background = CLR_NONE;
  UINT flags = 0;
  int overlays[kStreamOverlays] = {-1, -1, -1, -1};
};

// A bitmap's pixels as 32-bit values, rows top-down, with its size.
DecodedImage PixelsOf(HBITMAP bitmap) {
  DecodedImage image;
  BITMAP bm{};
  if (GetObject(bitmap, sizeof bm, &bm) == 0) return image;
  image.width = bm.bmWidth;
  image.height = bm.bmHeight;
  image.pixels.resize(std::size_t(image.width) * std::size_t(image.height));
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, bitmap, 0, UINT(image.height), image.pixels.data(), &info, DIB_RGB_COLORS);
  DeleteDC(dc);
  return image;
}

// Copies `cells` images of cx x cy from one arrangement of cells to another (cell i at column
// i % columns, row i / columns); false when the source is too small to hold them.
bool CopyCells(const DecodedImage& from, DecodedImage& to, int cells, int cx, int cy) {
  const int fromColumns = from.width / cx, toColumns = to.width / cx;
  if (fromColumns == 0 || (from.height / cy) * fromColumns < cells) return false;
  for (int i = 0; i < cells; ++i) {
    const int fx = i % fromColumns * cx, fy = i / fromColumns * cy;
    const int tx = i % toColumns * cx, ty = i / toColumns * cy;
    for (int y = 0; y < cy; ++y)
      std::copy_n(&from.pixels[std::size_t(fy + y) * std::size_t(from.width) + std::size_t(fx)], cx,
                  &to.pixels[std::size_t(ty + y) * std::size_t(to.width) + std::size_t(tx)]);
  }
  return true;
}

DecodedImage Blank(int width, int height, std::uint32_t pixel) {
  DecodedImage image;
  image.width = width;
  image.height = height;
  image.pixels.assign(std::size_t(width) * std::size_t(height), pixel);
  return image;
}

void WriteHeader(ByteWriter& out, const Header& h) {
  for (int v : {int(kMagic), int(kVersion), h.count, h.capacity, h.grow, h.cx, h.cy}) out.U16(std::uint16_t(v));
  out.U32(h.background);
  out.U16(std::uint16_t(h.flags));
  for (int overlay : h.overlays) out.U16(std::uint16_t(std::int16_t(overlay)));
}

bool AppendBmp(ByteWriter& out, const DecodedImage& image, int bitsPerPixel) {
  const EncodedBytes bmp = EncodeBmp(image, bitsPerPixel);
  if (!bmp) return false;
  out.Bytes(bmp.value);
  return true;
}

// The masks as a two-colour image (index 1: transparent).
DecodedImage MaskImage(DecodedImage grid) {
  grid.palette = {kMaskOpaque, kMaskTransparent};
  grid.indices.resize(grid.pixels.size());
  for (std::size_t i = 0; i < grid.pixels.size(); ++i) {
    const bool transparent = (grid.pixels[i] & 0xFFFFFFu) != 0;
    grid.indices[i] = transparent ? 1 : 0;
    grid.pixels[i] = transparent ? kMaskTransparent : kMaskOpaque;
  }
  return grid;
}

bool ReadHeader(ByteReader& in, Header& h) {
  const std::uint16_t magic = in.U16(), version = in.U16();
  h.count = in.U16();
  h.capacity = in.U16();
  h.grow = in.U16();
  h.cx = in.U16();
  h.cy = in.U16();
  h.background = in.U32();
  h.flags = in.U16();
  for (int& overlay : h.overlays) overlay = std::int16_t(in.U16());
  return in.Ok() && magic == kMagic && version == kVersion && h.cx != 0 && h.cy != 0 && h.count <= h.capacity;
}

// The BMP file at the reader's position (its extent taken from its headers), decoded; the reader
// moves past it.  `alphaAllZero` tells whether a 32-bit file's alpha bytes were all 0.
CodecResult<DecodedImage> ReadBmp(ByteReader& in, bool& alphaAllZero) {
  const std::size_t start = in.Offset();
  ByteReader head(in.Data().subspan(start));
  const std::uint16_t type = head.U16();
  head.Skip(8);
  const std::uint32_t offBits = head.U32(), infoSize = head.U32();
  const std::int32_t width = head.I32(), height = head.I32();
  head.Skip(2);
  const std::uint16_t bits = head.U16();
  const std::uint32_t compression = head.U32();
  head.Skip(12);
  const std::uint32_t colorsUsed = head.U32();
  CodecResult<DecodedImage> result;
  if (!head.Ok() || type != 0x4D42 || infoSize < 40 || width <= 0 || height == 0 || bits == 0 || bits > 32 ||
      compression != BI_RGB) {
    result.status = CodecStatus::Corrupt;
    return result;
  }
  const std::uint64_t palette = bits <= 8 ? (colorsUsed != 0 ? colorsUsed : 1u << bits) : colorsUsed;
  const std::uint64_t rowsAt = offBits != 0 ? offBits : 14 + infoSize + 4 * palette;
  const std::uint64_t stride = (std::uint64_t(width) * bits + 31) / 32 * 4;
  const std::uint64_t rows = stride * std::uint64_t(height < 0 ? -std::int64_t(height) : height);
  if (rowsAt + rows > in.Remaining()) {
    result.status = CodecStatus::Truncated;
    return result;
  }
  const auto file = in.Bytes(std::size_t(rowsAt + rows));
  alphaAllZero = bits == 32;
  for (std::size_t i = std::size_t(rowsAt) + 3; alphaAllZero && i < file.size(); i += 4) alphaAllZero = file[i] == 0;
  return DecodeBmp(file);
}

// The first `count` cells of a grid as one strip, as the list's adding takes them.
bool Strip(const DecodedImage& grid, DecodedImage& strip, int count, int cx, int cy) {
  strip = Blank(count * cx, cy, 0);
  return CopyCells(grid, strip, count, cx, cy);
}

HBITMAP MaskBitmap(const DecodedImage& strip) {
  const std::size_t rowBytes = std::size_t((strip.width + 15) / 16 * 2);   // rows padded to 2 bytes
  std::vector<std::uint8_t> rows(rowBytes * std::size_t(strip.height), 0);
  for (int y = 0; y < strip.height; ++y)
    for (int x = 0; x < strip.width; ++x)
      if ((strip.Pixel(x, y) & 0xFFFFFFu) != 0) rows[std::size_t(y) * rowBytes + std::size_t(x / 8)] |= 0x80 >> (x % 8);
  return CreateBitmap(strip.width, strip.height, 1, 1, rows.data());
}

}  // namespace

std::vector<std::uint8_t> WriteImageList(HIMAGELIST list) {
  const ImageListObject* object = FindObject<ImageListObject>(list);
  if (object == nullptr) return {};
  Header h;
  h.count = object->Count();
  h.capacity = std::max(kGridColumns, (h.count + kGridColumns - 1) / kGridColumns * kGridColumns);
  h.grow = object->Grow();
  h.cx = object->Cx();
  h.cy = object->Cy();
  h.background = object->Background();
  h.flags = object->Flags();
  for (int n = 1; n <= kStreamOverlays; ++n) h.overlays[n - 1] = object->Overlay(n);

  const int gridWidth = kGridColumns * h.cx, gridHeight = h.capacity / kGridColumns * h.cy;
  DecodedImage images = Blank(gridWidth, gridHeight, 0);
  CopyCells(PixelsOf(object->ImageHandle()), images, h.count, h.cx, h.cy);
  ByteWriter out;
  WriteHeader(out, h);
  const bool color32 = (h.flags & 0xFE) == ILC_COLOR32;
  if (!AppendBmp(out, images, color32 ? 32 : 24)) return {};
  if (object->HasMask()) {
    DecodedImage masks = Blank(gridWidth, gridHeight, kMaskTransparent);
    CopyCells(PixelsOf(object->MaskHandle()), masks, h.count, h.cx, h.cy);
    if (!AppendBmp(out, MaskImage(std::move(masks)), 1)) return {};
  }
  return out.Take();
}

HIMAGELIST ReadImageList(std::span<const std::uint8_t> bytes, std::size_t* consumed) {
  ByteReader in(bytes);
  Header h;
  if (!ReadHeader(in, h)) return nullptr;
  bool alphaAllZero = false, unused = false;
  CodecResult<DecodedImage> images = ReadBmp(in, alphaAllZero);
  DecodedImage imageStrip, maskStrip;
  if (!images || !Strip(images.value, imageStrip, h.count, h.cx, h.cy)) return nullptr;
  // Only a 32-bit file with some alpha byte set has alpha; the decoder makes every other opaque.
  if (alphaAllZero || images.value.sourceBitsPerPixel != 32)
    for (std::uint32_t& p : imageStrip.pixels) p &= 0xFFFFFFu;
  const bool masked = (h.flags & ILC_MASK) != 0;
  if (masked) {
    CodecResult<DecodedImage> masks = ReadBmp(in, unused);
    if (!masks || !Strip(masks.value, maskStrip, h.count, h.cx, h.cy)) return nullptr;
  }
  HIMAGELIST list = ImageList_Create(h.cx, h.cy, h.flags, h.count, h.grow);
  if (list == nullptr) return nullptr;
  if (h.count > 0) {
    HBITMAP image = CreateBitmap(imageStrip.width, imageStrip.height, 1, 32, imageStrip.pixels.data());
    HBITMAP mask = masked ? MaskBitmap(maskStrip) : nullptr;
    const int added = ImageList_Add(list, image, mask);
    DeleteObject(image);
    if (mask != nullptr) DeleteObject(mask);
    if (added < 0) {
      ImageList_Destroy(list);
      return nullptr;
    }
  }
  ImageList_SetBkColor(list, h.background);
  for (int n = 1; n <= kStreamOverlays; ++n)
    if (h.overlays[n - 1] >= 0 && h.overlays[n - 1] < h.count) ImageList_SetOverlayImage(list, h.overlays[n - 1], n);
  if (consumed != nullptr) *consumed = in.Offset();
  return list;
}

}  // namespace gdi
