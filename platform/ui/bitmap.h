// TBitmap: a raster picture with a canvas, kept as a drawing-layer bitmap.
//
// Pixel formats: pf1bit .. pf32bit are DIB sections (bottom-up rows, ScanLine gives row pointers)
// of that depth; pfDevice is a device bitmap of the display's format (32 bits).  HandleType bmDIB /
// bmDDB follows.  Changing Width, Height or PixelFormat makes a new bitmap and copies what fits of
// the old picture into it.  Transparent drawing leaves out the pixels of TransparentColor (the
// bottom-left pixel's colour in tmAuto mode).  Files: BMP, read and written through the image
// codecs; in a component stream the "Data" property holds a 4-byte length and the BMP file.
#pragma once

#include <memory>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphic.h"

namespace gdi {
struct DecodedImage;
}

PR_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom)
PR_ENUM(TBitmapHandleType, bmDIB, bmDDB)
PR_ENUM(TTransparentMode, tmAuto, tmFixed)

class TBitmap;

// The canvas of a bitmap: a memory context with the bitmap selected, made on first use.
class TBitmapCanvas : public TCanvas {
  PR_CLASS(TBitmapCanvas, TCanvas)

 public:
  explicit TBitmapCanvas(TBitmap* Bitmap = nullptr) : bitmap_(Bitmap) {}
  ~TBitmapCanvas() override;
  // Gives back the memory context (the bitmap is deselected).
  void FreeContext();

 protected:
  void CreateHandle() override;

 private:
  TBitmap* bitmap_;
  HDC dc_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
};

class TBitmap : public TGraphic {
  PR_CLASS(TBitmap, TGraphic)

 public:
  TBitmap();
  ~TBitmap() override;
  void Assign(TPersistent* Source) override;

  bool Empty() const override { return width_ == 0 || height_ == 0; }
  Integer Width() const override { return width_; }
  void SetWidth(Integer Value) override { SetSize(Value, height_); }
  Integer Height() const override { return height_; }
  void SetHeight(Integer Value) override { SetSize(width_, Value); }
  // Width and Height come here too, so a descendant sees every change of size.
  virtual void SetSize(Integer AWidth, Integer AHeight);

  HBITMAP Handle();
  void SetHandle(HBITMAP Value);
  // A monochrome bitmap: white where the picture shows TransparentColor, black elsewhere.
  HBITMAP MaskHandle();
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat Value);
  TBitmapHandleType HandleType() const { return pixelFormat_ == pfDevice ? bmDDB : bmDIB; }
  void SetHandleType(TBitmapHandleType Value);
  bool Monochrome() const { return pixelFormat_ == pf1bit; }
  void SetMonochrome(bool Value) { SetPixelFormat(Value ? pf1bit : pfDevice); }
  TCanvas* Canvas();
  // Row Row (0 = top) of a DIB bitmap's pixels.
  void* ScanLine(Integer Row);

  TColor TransparentColor();
  void SetTransparentColor(TColor Value);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode Value);
  // Turns the picture into its mask for Color: black where it shows Color, white elsewhere.
  void Mask(TColor TransparentColor);
  // The bitmap is handed over to the caller (and this bitmap becomes empty).
  HBITMAP ReleaseHandle();
  void Dormant() {}
  void FreeImage() {}

  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // The picture as 32-bit pixels, and back.
  gdi::DecodedImage ToImage();
  void LoadFromImage(const gdi::DecodedImage& Image);

 protected:
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  void Changed(TObject* Sender) override;

 private:
  friend class TBitmapCanvas;
  HBITMAP MakeBitmap(Integer AWidth, Integer AHeight, TPixelFormat Format) const;
  HBITMAP CopyInto(Integer AWidth, Integer AHeight, TPixelFormat Format);
  void Adopt(HBITMAP Bitmap, Integer AWidth, Integer AHeight, TPixelFormat Format);
  void LoadFromBmpBytes(const std::vector<Byte>& Bytes);

  HBITMAP handle_ = nullptr;
  HBITMAP mask_ = nullptr;
  Integer width_ = 0;
  Integer height_ = 0;
  TPixelFormat pixelFormat_ = pfDevice;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
  std::unique_ptr<TBitmapCanvas> canvas_;
};
