// The control library's bitmaps: TkxCustomBitmap, a class-library bitmap with a TkxCanvas over its
// own canvas, batched change notification and turns and mirrors; and TkxBitmap, always 32 bits per
// pixel, whose pixels are read, changed by per-pixel operations and written back as a whole.
//
// Transparency of a TkxBitmap: a pixel equal to the key pixel (all 32 bits), or whose colour part
// is in the key-colour list, is a key pixel.  The pixel operations leave key pixels alone unless
// they say otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_pixels.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/bitmap.h"

class TkxCustomBitmap : public TBitmap {
  PR_CLASS(TkxCustomBitmap, TBitmap)

 public:
  // 0 x 0, 24 bits.
  TkxCustomBitmap() : TkxCustomBitmap(0, 0, pf24bit) {}
  TkxCustomBitmap(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat);
  ~TkxCustomBitmap() override;
  // 24 bits per pixel.
  static std::unique_ptr<TkxCustomBitmap> CreateSize(Integer AWidth, Integer AHeight);
  static std::unique_ptr<TkxCustomBitmap> CreateFromRect(const TRect& R);

  TkxCanvas* KxCanvas() const { return kxCanvas_.get(); }
  TRect GetImageRect() const { return {0, 0, Width(), Height()}; }
  // While locked, changes are only noted; unlocking reports one when forced or when any was noted.
  void LockChanges() { ++lockCount_; }
  void UnlockChanges(bool Force = false);
  bool IsLocked() const { return lockCount_ > 0; }
  void SetSize(Integer AWidth, Integer AHeight) override;
  // Turn 0 none, 1 a quarter counter-clockwise, 2 a quarter clockwise, 3 a half; Mirror mirrors
  // as well (turn 0: upside down, 1: transposed, 3: left to right).
  void RotateFlip(Integer Turn, bool Mirror);

 protected:
  void Changed(TObject* Sender) override;
  // After every reported change.
  virtual void AfterChange() {}

 private:
  std::unique_ptr<TkxCanvas> kxCanvas_;
  Integer lockCount_ = 0;
  bool changedWhileLocked_ = false;
};

// The per-pixel operations, by their stored numbers.
enum class TkxPixelOperation : Byte {
  Lighten = 0,       // R, G, B and A each grow by MulDiv(255 - value, 3, 10)
  Disable = 1,       // grey, then clBtnShadow with alpha 0xC0 blended over it at 238
  AverageGrey = 2,   // (R + G + B) div 3
  Opaque = 3,        // A = 255, key pixels included
  Mask = 4,          // key pixels white (0xFFFFFFFF), all others 0
  Grey = 5,          // 0.299 R + 0.587 G + 0.114 B, rounded
  WeightedGrey = 6,  // 0.0729 R + 0.7146 G + 0.2125 B, rounded
  SetAlpha = 7,      // A = 255 where A is 0
  Fill = 9,          // every pixel the key pixel
};

class TkxBitmap : public TkxCustomBitmap {
  PR_CLASS(TkxBitmap, TkxCustomBitmap)

 public:
  TkxBitmap() : TkxBitmap(0, 0) {}
  TkxBitmap(Integer AWidth, Integer AHeight);
  ~TkxBitmap() override;
  static std::unique_ptr<TkxBitmap> CreateWithKey(Integer AWidth, Integer AHeight, std::uint32_t AKeyPixel);

  // Every pixel the key pixel when its alpha is set, else black with alpha 0.
  void Clear();
  TRGBColors ReadPixels();
  void WritePixels(const TRGBColors& Pixels);
  // The source's pixels from (0, 0) over the whole bitmap.
  void CopyFrom(TBitmap* Source, DWORD Rop = SRCCOPY);
  void CopyRectFrom(TBitmap* Source, const TRect& R, DWORD Rop, TPoint SourcePoint);
  // Pixels under a white mask pixel become 0 (destination AND NOT source).
  void MaskWith(TBitmap* Mask);

  std::uint32_t KeyPixel() const { return keyPixel_; }
  void SetKeyPixel(std::uint32_t Value) { keyPixel_ = Value; }
  bool IsKeyPixel(std::uint32_t Pixel) const;
  // The key-colour list holds only this colour, and the key pixel becomes its pixel with alpha 0;
  // then every other pixel with alpha 0 is made opaque.
  void SetKeyColor(TColor Color);
  void AddKeyColor(TColor Color);
  void ClearKeyColors() { keyColors_.clear(); }
  // Some pixel has a non-zero alpha.
  bool HasAlphaChannel();
  void ApplyPixelOperation(TkxPixelOperation Operation);
  void SetSize(Integer AWidth, Integer AHeight) override;

 protected:
  void AfterChange() override;

 private:
  std::uint32_t OperatedPixel(TkxPixelOperation Operation, std::uint32_t Pixel) const;

  BITMAPINFO header_{};
  HDC dc_;
  std::uint32_t keyPixel_ = 0;
  std::vector<std::uint32_t> keyColors_;   // pixels with alpha 0
};
