#include "grid/gdiplus_wrapper.h"

#include <new>

namespace {

ULONG_PTR gdiplusToken = 0;

struct TKnownFormat {
  const GUID* format;
  TImageFormatKind kind;
};

constexpr TKnownFormat kFormats[] = {
    {&ImageFormatMemoryBMP, TImageFormatKind::MemoryBMP}, {&ImageFormatBMP, TImageFormatKind::BMP},
    {&ImageFormatEMF, TImageFormatKind::EMF},             {&ImageFormatWMF, TImageFormatKind::WMF},
    {&ImageFormatJPEG, TImageFormatKind::JPEG},           {&ImageFormatPNG, TImageFormatKind::PNG},
    {&ImageFormatGIF, TImageFormatKind::GIF},             {&ImageFormatTIFF, TImageFormatKind::TIFF},
    {&ImageFormatEXIF, TImageFormatKind::EXIF},           {&ImageFormatIcon, TImageFormatKind::Icon},
};

}  // namespace

void* TGdiplusBase::operator new(std::size_t size) {
  if (void* memory = GdipAlloc(size)) return memory;
  throw std::bad_alloc();
}

void TGdiplusBase::operator delete(void* pointer) { GdipFree(pointer); }

TGPGraphics::TGPGraphics(HDC DC) { Keep(GdipCreateFromHDC(DC, &native_)); }

TGPGraphics::~TGPGraphics() {
  if (native_ != nullptr) GdipDeleteGraphics(native_);
}

GpStatus TGPGraphics::Keep(GpStatus status) {
  if (status != GpStatus::Ok) lastStatus_ = status;
  return status;
}

GpStatus TGPGraphics::DrawImage(TGPImage* Image, Integer X, Integer Y, Integer Width, Integer Height) {
  return Keep(GdipDrawImageRect(native_, Image != nullptr ? Image->Native() : nullptr, REAL(X), REAL(Y), REAL(Width),
                                REAL(Height)));
}

TGPImage::TGPImage(IStream* Stream, bool UseEmbeddedColorManagement) {
  Keep(UseEmbeddedColorManagement ? GdipLoadImageFromStreamICM(Stream, &native_)
                                  : GdipLoadImageFromStream(Stream, &native_));
}

TGPImage::~TGPImage() {
  if (native_ != nullptr) GdipDisposeImage(native_);
}

GpStatus TGPImage::Keep(GpStatus status) {
  if (status != GpStatus::Ok) lastStatus_ = status;
  return status;
}

TImageFormatKind TGPImage::GetFormat() {
  GUID format{};
  if (Keep(GdipGetImageRawFormat(native_, &format)) != GpStatus::Ok) return TImageFormatKind::Undefined;
  for (const TKnownFormat& known : kFormats)
    if (*known.format == format) return known.kind;
  return TImageFormatKind::Undefined;
}

UINT TGPImage::GetWidth() {
  UINT width = 0;
  Keep(GdipGetImageWidth(native_, &width));
  return width;
}

UINT TGPImage::GetHeight() {
  UINT height = 0;
  Keep(GdipGetImageHeight(native_, &height));
  return height;
}

namespace ZazIZIZ {

void StartGdiplus() {
  GdiplusStartupInput input;
  input.GdiplusVersion = 1;
  input.SuppressBackgroundThread = TRUE;
  input.SuppressExternalCodecs = FALSE;
  GdiplusStartupOutput output{};
  GdiplusStartup(&gdiplusToken, &input, &output);
}

void StopGdiplus() {
  GdiplusShutdown(gdiplusToken);
  gdiplusToken = 0;
}

const Unit GdiplusUnit{"ZazIZIZ", StartGdiplus, StopGdiplus};

}  // namespace ZazIZIZ
