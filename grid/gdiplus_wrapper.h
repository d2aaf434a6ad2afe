// The grid library's wrapper of the few GDI+ calls it needs (unit ZazIZIZ): a graphics object on a
// device context, an image loaded from a COM stream, and GDI+ started for the program by the
// unit's initialisation.  Statuses are kept in the objects (the last one that was not Ok), never
// reported: a picture GDI+ cannot load draws nothing.
#pragma once

#include <cstddef>

#include "platform/core/units.h"
#include "platform/shims/gdiplus.h"

// Instances live in GDI+'s own heap (GdipAlloc / GdipFree).
class TGdiplusBase {
 public:
  static void* operator new(std::size_t size);
  static void operator delete(void* pointer);

 protected:
  TGdiplusBase() = default;
  ~TGdiplusBase() = default;
};

class TGPImage;

class TGPGraphics : public TGdiplusBase {
 public:
  explicit TGPGraphics(HDC DC);
  ~TGPGraphics();
  TGPGraphics(const TGPGraphics&) = delete;
  TGPGraphics& operator=(const TGPGraphics&) = delete;

  // Stretched into (X, Y, Width, Height).
  GpStatus DrawImage(TGPImage* Image, Integer X, Integer Y, Integer Width, Integer Height);
  GpStatus LastStatus() const { return lastStatus_; }

 private:
  GpStatus Keep(GpStatus status);

  GpGraphics* native_ = nullptr;
  GpStatus lastStatus_ = GpStatus::Ok;
};

// What GetFormat answers, from the image's raw format.
enum class TImageFormatKind : Integer {
  Undefined = 0, MemoryBMP = 1, BMP = 2, EMF = 3, WMF = 4, JPEG = 5, PNG = 6, GIF = 7, TIFF = 8, EXIF = 9, Icon = 10,
};

class TGPImage : public TGdiplusBase {
 public:
  // The stream is read during the load only.
  TGPImage(IStream* Stream, bool UseEmbeddedColorManagement);
  ~TGPImage();
  TGPImage(const TGPImage&) = delete;
  TGPImage& operator=(const TGPImage&) = delete;

  TImageFormatKind GetFormat();
  UINT GetWidth();
  UINT GetHeight();
  GpStatus LastStatus() const { return lastStatus_; }
  GpImage* Native() const { return native_; }

 private:
  GpStatus Keep(GpStatus status);

  GpImage* native_ = nullptr;
  GpStatus lastStatus_ = GpStatus::Ok;
};

namespace ZazIZIZ {

// GdiplusStartup (version 1, the background thread suppressed, external codecs allowed) and its
// shutdown with the kept token.
void StartGdiplus();
void StopGdiplus();

extern const Unit GdiplusUnit;

}  // namespace ZazIZIZ
