// TJPEGImage: a JPEG picture, kept as its compressed bytes and decoded into a bitmap when it is
// drawn or measured.
//
// Assigning a bitmap keeps the bitmap and compresses it (at CompressionQuality, greyscale when
// Grayscale) when the bytes are needed; assigning the image to a bitmap decodes it.  Bad JPEG data
// raises EInvalidGraphic when it is decoded.  In a component stream "Data" holds a 4-byte length
// and the JPEG file.
#pragma once

#include <memory>
#include <vector>

#include "platform/classes/type_info.h"
#include "platform/ui/graphic.h"

class TBitmap;

PR_ENUM(TJPEGPixelFormat, jf24Bit, jf8Bit)

class TJPEGImage : public TGraphic {
  PR_CLASS(TJPEGImage, TGraphic)

 public:
  TJPEGImage();
  ~TJPEGImage() override;
  void Assign(TPersistent* Source) override;

  bool Empty() const override { return data_.empty() && bitmap_ == nullptr; }
  Integer Width() const override;
  void SetWidth(Integer Value) override;
  Integer Height() const override;
  void SetHeight(Integer Value) override;

  Integer CompressionQuality() const { return quality_; }
  void SetCompressionQuality(Integer Value);
  bool Grayscale() const { return grayscale_; }
  void SetGrayscale(bool Value);
  TJPEGPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TJPEGPixelFormat Value) { pixelFormat_ = Value; }
  // Makes the compressed bytes from the bitmap now.
  void Compress();
  // Decodes the bytes into the bitmap now.
  void DIBNeeded() const;

  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;

 protected:
  void AssignTo(TPersistent* Dest) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;

 private:
  void LoadBytes(std::vector<Byte> Bytes);

  std::vector<Byte> data_;                  // the JPEG file, empty until compressed
  mutable std::unique_ptr<TBitmap> bitmap_;   // the decoded picture, made on demand
  Integer quality_ = 90;
  bool grayscale_ = false;
  TJPEGPixelFormat pixelFormat_ = jf24Bit;
};
