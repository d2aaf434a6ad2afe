#include "platform/ui/bitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/classes/memory_stream.h"
#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/decoded_image.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/graphic_streams.h"
#include "platform/ui/graphics_errors.h"

PR_IMPLEMENT_CLASS(TBitmapCanvas)

PR_PUBLISH(TBitmap) {}

namespace {

Integer BitsOf(TPixelFormat format) {
  static constexpr Integer kBits[] = {32, 1, 4, 8, 16, 16, 24, 32, 32};
  return kBits[format];
}

TPixelFormat FormatOfBits(Integer bits) {
  switch (bits) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pf24bit;
  }
}

// A BITMAPINFO with room for a full colour table or the three bit-field masks.
struct DibInfo {
  BITMAPINFOHEADER header{};
  RGBQUAD colors[256]{};
  BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(this); }
};

DibInfo MakeDibInfo(Integer width, Integer height, TPixelFormat format, bool topDown) {
  DibInfo dib;
  dib.header.biSize = sizeof(BITMAPINFOHEADER);
  dib.header.biWidth = width;
  dib.header.biHeight = topDown ? -height : height;
  dib.header.biPlanes = 1;
  dib.header.biBitCount = WORD(BitsOf(format));
  dib.header.biCompression = BI_RGB;
  if (format == pf16bit) {
    // 5-6-5 bit fields.
    dib.header.biCompression = BI_BITFIELDS;
    const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(dib.colors, masks, sizeof masks);
  }
  return dib;
}

// The classic colour tables: black and white, the 16 colours, or the default 256.
void FillDefaultColors(DibInfo& dib) {
  const Integer bits = dib.header.biBitCount;
  if (bits > 8) return;
  HDC screen = CreateCompatibleDC(nullptr);
  HBITMAP probe = CreateBitmap(1, 1, 1, 32, nullptr);
  DibInfo query = dib;
  GetDIBits(screen, probe, 0, 0, nullptr, query.Info(), DIB_RGB_COLORS);
  std::memcpy(dib.colors, query.colors, sizeof(RGBQUAD) << bits);
  DeleteObject(probe);
  DeleteDC(screen);
}

std::uint32_t PackedIndex(const Byte* row, Integer x, Integer bits) {
  if (bits == 8) return row[x];
  if (bits == 4) return (row[x / 2] >> ((1 - x % 2) * 4)) & 0xF;
  return (row[x / 8] >> (7 - x % 8)) & 1;
}

}  // namespace

// --- the canvas ---

TBitmapCanvas::~TBitmapCanvas() { FreeContext(); }

void TBitmapCanvas::CreateHandle() {
  if (bitmap_ == nullptr) return;
  dc_ = CreateCompatibleDC(nullptr);
  if (HBITMAP handle = bitmap_->Handle()) oldBitmap_ = SelectObject(dc_, handle);
  SetHandle(dc_);
}

void TBitmapCanvas::FreeContext() {
  if (dc_ == nullptr) return;
  SetHandle(nullptr);
  if (oldBitmap_ != nullptr) SelectObject(dc_, oldBitmap_);
  DeleteDC(dc_);
  dc_ = nullptr;
  oldBitmap_ = nullptr;
}

// --- the bitmap ---

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  canvas_.reset();
  if (handle_ != nullptr) DeleteObject(handle_);
  if (mask_ != nullptr) DeleteObject(mask_);
}

TCanvas* TBitmap::Canvas() {
  if (canvas_ == nullptr) {
    canvas_ = std::make_unique<TBitmapCanvas>(this);
    canvas_->OnChange = [this](TObject*) { Changed(this); };
  }
  return canvas_.get();
}

HBITMAP TBitmap::Handle() { return handle_; }

HBITMAP TBitmap::MakeBitmap(Integer AWidth, Integer AHeight, TPixelFormat Format) const {
  if (AWidth <= 0 || AHeight <= 0) return nullptr;
  if (Format == pfDevice) return CreateBitmap(AWidth, AHeight, 1, 32, nullptr);
  DibInfo dib = MakeDibInfo(AWidth, AHeight, Format, false);
  FillDefaultColors(dib);
  void* bits = nullptr;
  return CreateDIBSection(nullptr, dib.Info(), DIB_RGB_COLORS, &bits, nullptr, 0);
}

// A new bitmap of the size and format holding what fits of the current picture, white elsewhere.
HBITMAP TBitmap::CopyInto(Integer AWidth, Integer AHeight, TPixelFormat Format) {
  HBITMAP bitmap = MakeBitmap(AWidth, AHeight, Format);
  if (bitmap == nullptr) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, AWidth, AHeight, WHITENESS);
  // The picture is read through the canvas's context: a bitmap is selected into one context at a
  // time, and the canvas may hold it already.
  if (handle_ != nullptr)
    BitBlt(dc, 0, 0, std::min(AWidth, width_), std::min(AHeight, height_), Canvas()->Handle(), 0, 0, SRCCOPY);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

// Makes Bitmap (owned from now on) the picture; the old one is freed.
void TBitmap::Adopt(HBITMAP Bitmap, Integer AWidth, Integer AHeight, TPixelFormat Format) {
  if (canvas_ != nullptr) canvas_->FreeContext();
  if (handle_ != nullptr && handle_ != Bitmap) DeleteObject(handle_);
  if (mask_ != nullptr) DeleteObject(mask_);
  mask_ = nullptr;
  handle_ = Bitmap;
  // A picture without pixels because one side is 0 keeps the other side, so that setting Width
  // and then Height of an empty bitmap makes a picture of both; a failed bitmap is 0 x 0.
  const bool keep = Bitmap != nullptr || AWidth <= 0 || AHeight <= 0;
  width_ = keep ? std::max(AWidth, 0) : 0;
  height_ = keep ? std::max(AHeight, 0) : 0;
  pixelFormat_ = Format;
}

void TBitmap::SetSize(Integer AWidth, Integer AHeight) {
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
  if (AWidth == width_ && AHeight == height_) return;
  Adopt(CopyInto(AWidth, AHeight, pixelFormat_), AWidth, AHeight, pixelFormat_);
  Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == pixelFormat_ || Value == pfCustom) return;
  Adopt(CopyInto(width_, height_, Value), width_, height_, Value);
  Changed(this);
}

void TBitmap::SetHandleType(TBitmapHandleType Value) {
  if (Value == HandleType()) return;
  SetPixelFormat(Value == bmDDB ? pfDevice : pf32bit);
}

void TBitmap::SetHandle(HBITMAP Value) {
  if (Value == handle_) return;
  BITMAP info{};
  if (Value != nullptr) GetObjectA(Value, sizeof info, &info);
  DIBSECTION dib{};
  const bool isDib = Value != nullptr && GetObjectA(Value, sizeof dib, &dib) == int(sizeof dib);
  const TPixelFormat format = isDib ? FormatOfBits(info.bmBitsPixel) : info.bmBitsPixel == 1 ? pf1bit : pfDevice;
  Adopt(Value, info.bmWidth, info.bmHeight, format);
  Changed(this);
}

HBITMAP TBitmap::ReleaseHandle() {
  if (canvas_ != nullptr) canvas_->FreeContext();
  HBITMAP result = handle_;
  handle_ = nullptr;
  width_ = height_ = 0;
  return result;
}

void* TBitmap::ScanLine(Integer Row) {
  DIBSECTION dib{};
  if (handle_ == nullptr || GetObjectA(handle_, sizeof dib, &dib) != int(sizeof dib))
    throw EInvalidGraphicOperation("Scan line index out of range");
  if (Row < 0 || Row >= height_) throw EInvalidGraphicOperation("Scan line index out of range");
  const bool bottomUp = dib.dsBmih.biHeight > 0;
  const Integer index = bottomUp ? height_ - 1 - Row : Row;
  return static_cast<Byte*>(dib.dsBm.bmBits) + std::size_t(index) * std::size_t(dib.dsBm.bmWidthBytes);
}

void TBitmap::Changed(TObject* Sender) {
  if (mask_ != nullptr) {
    DeleteObject(mask_);
    mask_ = nullptr;
  }
  inherited::Changed(Sender);
}

void TBitmap::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TBitmap*>(Source);
  if (source == nullptr && Source != nullptr) return inherited::Assign(Source);
  if (source == this) return;
  const Integer w = source != nullptr ? source->width_ : 0;
  const Integer h = source != nullptr ? source->height_ : 0;
  const TPixelFormat format = source != nullptr ? source->pixelFormat_ : pfDevice;
  HBITMAP copy = MakeBitmap(w, h, format);
  if (copy != nullptr) {
    HDC dst = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dst, copy);
    HDC src = source->Canvas()->Handle();   // the source's bitmap is selected there
    if (format != pfDevice) {
      // Keep the source's colour table, so indexed pictures keep their palette.
      DibInfo dib = MakeDibInfo(w, h, format, false);
      const UINT n = GetDIBColorTable(src, 0, 256, dib.colors);
      if (n > 0) SetDIBColorTable(dst, 0, n, dib.colors);
    }
    BitBlt(dst, 0, 0, w, h, src, 0, 0, SRCCOPY);
    SelectObject(dst, old);
    DeleteDC(dst);
  }
  Adopt(copy, w, h, format);
  if (source != nullptr) {
    transparentColor_ = source->transparentColor_;
    transparentMode_ = source->transparentMode_;
    SetTransparent(source->Transparent());
  }
  Changed(this);
}

// --- transparency ---

TColor TBitmap::TransparentColor() {
  if (transparentColor_ != clDefault) return TColor(ColorToRGB(transparentColor_) | 0x02000000);
  if (Empty()) return clDefault;
  if (Monochrome()) return TColor(0x02FFFFFF);
  return TColor(COLORREF(Canvas()->Pixels(0, height_ - 1)) | 0x02000000);
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == transparentColor_) return;
  transparentColor_ = Value;
  transparentMode_ = Value == clDefault ? tmAuto : tmFixed;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == transparentMode_) return;
  if (Value == tmAuto) SetTransparentColor(clDefault);
  else SetTransparentColor(TColor(TransparentColor() & 0xFFFFFF));
}

HBITMAP TBitmap::MaskHandle() {
  if (mask_ != nullptr || Empty()) return mask_;
  mask_ = CreateBitmap(width_, height_, 1, 1, nullptr);
  HDC dst = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dst, mask_);
  HDC src = Canvas()->Handle();
  const COLORREF back = SetBkColor(src, COLORREF(TransparentColor()) & 0xFFFFFF);
  BitBlt(dst, 0, 0, width_, height_, src, 0, 0, SRCCOPY);
  SetBkColor(src, back);
  SelectObject(dst, old);
  DeleteDC(dst);
  return mask_;
}

void TBitmap::Mask(TColor TransparentColor) {
  HBITMAP mono = CreateBitmap(width_, height_, 1, 1, nullptr);
  HDC dst = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dst, mono);
  HDC src = Canvas()->Handle();
  const COLORREF back = SetBkColor(src, ColorToRGB(TransparentColor));
  BitBlt(dst, 0, 0, width_, height_, src, 0, 0, NOTSRCCOPY);
  SetBkColor(src, back);
  SelectObject(dst, old);
  DeleteDC(dst);
  Adopt(mono, width_, height_, pf1bit);
  Changed(this);
}

// --- drawing ---

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  ACanvas->RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
  HDC src = Canvas()->Handle();
  if (Transparent()) {
    TransparentBlt(ACanvas->Handle(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), src, 0, 0, width_, height_,
                   UINT(TransparentColor()) & 0xFFFFFF);
  } else {
    StretchBlt(ACanvas->Handle(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), src, 0, 0, width_, height_,
               DWORD(ACanvas->CopyMode()));
  }
}

// --- files ---

gdi::DecodedImage TBitmap::ToImage() {
  gdi::DecodedImage image;
  if (Empty()) return image;
  image.width = width_;
  image.height = height_;
  image.pixels.resize(std::size_t(width_) * std::size_t(height_));
  HDC dc = CreateCompatibleDC(nullptr);
  DibInfo rgb = MakeDibInfo(width_, height_, pf32bit, true);
  GetDIBits(dc, handle_, 0, UINT(height_), image.pixels.data(), rgb.Info(), DIB_RGB_COLORS);
  const Integer bits = BitsOf(pixelFormat_);
  image.sourceBitsPerPixel = pixelFormat_ == pfDevice ? 24 : bits;
  if (bits <= 8 && pixelFormat_ != pfDevice) {
    DibInfo indexed = MakeDibInfo(width_, height_, pixelFormat_, true);
    const std::size_t stride = ((std::size_t(width_) * std::size_t(bits) + 31) / 32) * 4;
    std::vector<Byte> rows(stride * std::size_t(height_));
    GetDIBits(dc, handle_, 0, UINT(height_), rows.data(), indexed.Info(), DIB_RGB_COLORS);
    for (Integer i = 0; i < (1 << bits); ++i) {
      const RGBQUAD& q = indexed.colors[i];
      image.palette.push_back(0xFF000000u | std::uint32_t(q.rgbRed) << 16 | std::uint32_t(q.rgbGreen) << 8 | q.rgbBlue);
    }
    image.indices.resize(image.pixels.size());
    for (Integer y = 0; y < height_; ++y)
      for (Integer x = 0; x < width_; ++x)
        image.indices[std::size_t(y) * std::size_t(width_) + std::size_t(x)] =
            Byte(PackedIndex(rows.data() + stride * std::size_t(y), x, bits));
  }
  if (bits != 32 || pixelFormat_ == pfDevice)
    for (auto& p : image.pixels) p |= gdi::kOpaqueBlack;
  DeleteDC(dc);
  return image;
}

void TBitmap::LoadFromImage(const gdi::DecodedImage& Image) {
  const TPixelFormat format = FormatOfBits(Image.sourceBitsPerPixel);
  DibInfo dib = MakeDibInfo(Image.width, Image.height, format, false);
  FillDefaultColors(dib);
  for (std::size_t i = 0; i < Image.palette.size() && i < 256; ++i) {
    const std::uint32_t c = Image.palette[i];
    dib.colors[i] = RGBQUAD{Byte(c), Byte(c >> 8), Byte(c >> 16), 0};
  }
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, dib.Info(), DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) throw EOutOfResources("Out of system resources");
  HDC dc = CreateCompatibleDC(nullptr);
  DibInfo rgb = MakeDibInfo(Image.width, Image.height, pf32bit, true);
  SetDIBits(dc, bitmap, 0, UINT(Image.height), Image.pixels.data(), rgb.Info(), DIB_RGB_COLORS);
  DeleteDC(dc);
  Adopt(bitmap, Image.width, Image.height, format);
  Changed(this);
}

void TBitmap::LoadFromStream(TStream* Stream) {
  const std::vector<Byte> bytes = ReadRest(Stream);
  LoadFromBmpBytes(bytes);
}

void TBitmap::SaveToStream(TStream* Stream) {
  if (Empty()) return;
  const gdi::DecodedImage image = ToImage();
  const auto encoded = gdi::EncodeBmp(image, image.sourceBitsPerPixel == 16 ? 24 : image.sourceBitsPerPixel);
  if (!encoded) throw EInvalidGraphic("Bitmap image is not valid");
  Stream->WriteBuffer(encoded.value.data(), Integer(encoded.value.size()));
}

void TBitmap::ReadData(TStream* Stream) { LoadFromBmpBytes(ReadSized(Stream)); }

void TBitmap::WriteData(TStream* Stream) {
  TMemoryStream bmp;
  SaveToStream(&bmp);
  WriteSized(Stream, bmp);
}

void TBitmap::LoadFromBmpBytes(const std::vector<Byte>& Bytes) {
  if (Bytes.empty()) {
    Adopt(nullptr, 0, 0, pixelFormat_);
    Changed(this);
    return;
  }
  const auto decoded = gdi::DecodeBmp(Bytes);
  if (!decoded) throw EInvalidGraphic("Bitmap image is not valid");
  LoadFromImage(decoded.value);
}
