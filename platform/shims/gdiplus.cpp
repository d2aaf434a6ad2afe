// The GDI+ flat calls over the drawing layer; see gdiplus.h.
#include "platform/shims/gdiplus.h"

#include <cmath>
#include <cstdlib>
#include <mutex>
#include <set>
#include <span>
#include <vector>

#include "platform/gdi/decoded_image_draw.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/image_format.h"

struct GpGraphics {
  HDC dc;
};

struct GpImage {
  GUID format;
  gdi::DecodedImage pixels;   // empty for the formats without a decoder
};

namespace {

struct StartUps {
  std::mutex mutex;
  std::set<ULONG_PTR> tokens;
  ULONG_PTR next = 1;
};

StartUps& Started() {
  static StartUps s;
  return s;
}

bool Running() {
  std::lock_guard lock(Started().mutex);
  return !Started().tokens.empty();
}

GpStatus NoHook(ULONG_PTR* token) {
  if (token) *token = 0;
  return GpStatus::Ok;
}
void NoUnhook(ULONG_PTR) {}

std::uint32_t Le32(std::span<const std::uint8_t> d, std::size_t at) {
  return std::uint32_t(d[at]) | std::uint32_t(d[at + 1]) << 8 | std::uint32_t(d[at + 2]) << 16 |
         std::uint32_t(d[at + 3]) << 24;
}

// The formats recognised without a decoder: TIFF (either byte order), EMF (its header record and
// " EMF" signature), WMF (placeable, or a memory or disk metafile header of 9 words).
const GUID* UndecodedFormat(std::span<const std::uint8_t> d) {
  if (d.size() >= 4 && ((d[0] == 'I' && d[1] == 'I' && d[2] == 42 && d[3] == 0) ||
                        (d[0] == 'M' && d[1] == 'M' && d[2] == 0 && d[3] == 42)))
    return &ImageFormatTIFF;
  if (d.size() >= 44 && Le32(d, 0) == 1 && Le32(d, 40) == 0x464D4520) return &ImageFormatEMF;
  if (d.size() >= 4 && Le32(d, 0) == 0x9AC6CDD7) return &ImageFormatWMF;
  if (d.size() >= 18 && (d[0] == 1 || d[0] == 2) && d[1] == 0 && d[2] == 9 && d[3] == 0) return &ImageFormatWMF;
  return nullptr;
}

const GUID* DecodedFormat(gdi::ImageFormat format) {
  switch (format) {
    case gdi::ImageFormat::Bmp: return &ImageFormatBMP;
    case gdi::ImageFormat::Icon: return &ImageFormatIcon;
    case gdi::ImageFormat::Png: return &ImageFormatPNG;
    case gdi::ImageFormat::Jpeg: return &ImageFormatJPEG;
    case gdi::ImageFormat::Gif: return &ImageFormatGIF;
    default: return nullptr;   // cursors are no GDI+ images
  }
}

bool ReadWhole(IStream* stream, std::vector<std::uint8_t>& bytes) {
  std::uint64_t size = 0;
  if (FAILED(stream->Size(&size)) || size > 0x7FFFFFFF || FAILED(stream->Seek(0, STREAM_SEEK_SET, nullptr)))
    return false;
  bytes.resize(std::size_t(size));
  ULONG read = 0;
  return SUCCEEDED(stream->Read(bytes.data(), ULONG(size), &read)) && read == size;
}

GpStatus LoadImage(IStream* stream, GpImage** image) {
  if (!image) return GpStatus::InvalidParameter;
  *image = nullptr;
  if (!stream) return GpStatus::InvalidParameter;
  if (!Running()) return GpStatus::GdiplusNotInitialized;
  std::vector<std::uint8_t> bytes;
  if (!ReadWhole(stream, bytes)) return GpStatus::Win32Error;
  if (const GUID* format = UndecodedFormat(bytes)) {
    *image = new GpImage{*format, {}};
    return GpStatus::Ok;
  }
  const GUID* format = DecodedFormat(gdi::DetectImageFormat(bytes));
  if (!format) return GpStatus::UnknownImageFormat;
  auto decoded = gdi::DecodeImage(bytes);
  if (!decoded) return GpStatus::GenericError;
  *image = new GpImage{*format, std::move(decoded.value)};
  return GpStatus::Ok;
}

GpStatus ImageSize(GpImage* image, UINT* value, int gdi::DecodedImage::*side) {
  if (!image || !value) return GpStatus::InvalidParameter;
  if (!Running()) return GpStatus::GdiplusNotInitialized;
  *value = UINT(image->pixels.*side);
  return GpStatus::Ok;
}

}  // namespace

GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output) {
  if (!token || !input || (input->SuppressBackgroundThread && !output)) return GpStatus::InvalidParameter;
  if (input->GdiplusVersion != 1) return GpStatus::UnsupportedGdiplusVersion;
  if (input->SuppressBackgroundThread) *output = {NoHook, NoUnhook};
  std::lock_guard lock(Started().mutex);
  *token = Started().next++;
  Started().tokens.insert(*token);
  return GpStatus::Ok;
}

void GdiplusShutdown(ULONG_PTR token) {
  std::lock_guard lock(Started().mutex);
  Started().tokens.erase(token);
}

void* GdipAlloc(std::size_t size) { return std::malloc(size); }
void GdipFree(void* pointer) { std::free(pointer); }

GpStatus GdipCreateFromHDC(HDC dc, GpGraphics** graphics) {
  if (!graphics) return GpStatus::InvalidParameter;
  *graphics = nullptr;
  if (!Running()) return GpStatus::GdiplusNotInitialized;
  if (!gdi::FindDC(dc)) return GpStatus::InvalidParameter;
  *graphics = new GpGraphics{dc};
  return GpStatus::Ok;
}

GpStatus GdipDeleteGraphics(GpGraphics* graphics) {
  if (!graphics) return GpStatus::InvalidParameter;
  delete graphics;
  return GpStatus::Ok;
}

GpStatus GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height) {
  if (!graphics || !image) return GpStatus::InvalidParameter;
  if (!Running()) return GpStatus::GdiplusNotInitialized;
  if (image->pixels.width == 0) return GpStatus::NotImplemented;
  const TRect rect{LONG(std::lround(x)), LONG(std::lround(y)), LONG(std::lround(x + width)),
                   LONG(std::lround(y + height))};
  gdi::DrawDecodedImage(graphics->dc, rect, image->pixels, gdi::ImageScaling::Smooth);
  return GpStatus::Ok;
}

GpStatus GdipLoadImageFromStream(IStream* stream, GpImage** image) { return LoadImage(stream, image); }
GpStatus GdipLoadImageFromStreamICM(IStream* stream, GpImage** image) { return LoadImage(stream, image); }

GpStatus GdipGetImageRawFormat(GpImage* image, GUID* format) {
  if (!image || !format) return GpStatus::InvalidParameter;
  if (!Running()) return GpStatus::GdiplusNotInitialized;
  *format = image->format;
  return GpStatus::Ok;
}

GpStatus GdipGetImageWidth(GpImage* image, UINT* width) { return ImageSize(image, width, &gdi::DecodedImage::width); }
GpStatus GdipGetImageHeight(GpImage* image, UINT* height) {
  return ImageSize(image, height, &gdi::DecodedImage::height);
}

GpStatus GdipDisposeImage(GpImage* image) {
  if (!image) return GpStatus::InvalidParameter;
  delete image;
  return GpStatus::Ok;
}
