#include "platform/ui/jpeg_image.h"

#include <algorithm>

#include "platform/classes/memory_stream.h"
#include "platform/classes/publisher.h"
#include "platform/classes/stream.h"
#include "platform/gdi/decoded_image.h"
#include "platform/gdi/jpeg_codec.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphic_streams.h"
#include "platform/ui/graphics_errors.h"

PR_IMPLEMENT_CLASS(TJPEGImage)

TJPEGImage::TJPEGImage() = default;

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::DIBNeeded() const {
  if (bitmap_ != nullptr || data_.empty()) return;
  const auto decoded = gdi::DecodeJpeg(data_);
  if (!decoded) throw EInvalidGraphic("JPEG error: " + decoded.message);
  gdi::DecodedImage image = decoded.value;
  image.sourceBitsPerPixel = 24;
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromImage(image);
  bitmap_ = std::move(bitmap);
}

void TJPEGImage::Compress() {
  if (!data_.empty() || bitmap_ == nullptr || bitmap_->Empty()) return;
  gdi::JpegOptions options;
  options.quality = quality_;
  options.grayscale = grayscale_;
  const auto encoded = gdi::EncodeJpeg(bitmap_->ToImage(), options);
  if (!encoded) throw EInvalidGraphic("JPEG error: " + encoded.message);
  data_ = encoded.value;
}

Integer TJPEGImage::Width() const {
  DIBNeeded();
  return bitmap_ != nullptr ? bitmap_->Width() : 0;
}

Integer TJPEGImage::Height() const {
  DIBNeeded();
  return bitmap_ != nullptr ? bitmap_->Height() : 0;
}

void TJPEGImage::SetWidth(Integer Value) {
  if (Value != Width()) throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(Integer Value) {
  if (Value != Height()) throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetCompressionQuality(Integer Value) { quality_ = std::clamp(Value, 1, 100); }

void TJPEGImage::SetGrayscale(bool Value) {
  if (grayscale_ == Value) return;
  grayscale_ = Value;
  Changed(this);
}

void TJPEGImage::Assign(TPersistent* Source) {
  if (auto* jpeg = dynamic_cast<TJPEGImage*>(Source)) {
    data_ = jpeg->data_;
    bitmap_.reset();
    if (data_.empty() && jpeg->bitmap_ != nullptr) {
      bitmap_ = std::make_unique<TBitmap>();
      bitmap_->Assign(jpeg->bitmap_.get());
    }
    quality_ = jpeg->quality_;
    grayscale_ = jpeg->grayscale_;
    Changed(this);
    return;
  }
  if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
    data_.clear();
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->Assign(bitmap);
    Changed(this);
    return;
  }
  inherited::Assign(Source);
}

void TJPEGImage::AssignTo(TPersistent* Dest) {
  if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
    DIBNeeded();
    bitmap->Assign(bitmap_.get());
    return;
  }
  inherited::AssignTo(Dest);
}

void TJPEGImage::LoadBytes(std::vector<Byte> Bytes) {
  if (!Bytes.empty() && !gdi::IsJpegSignature(Bytes)) throw EInvalidGraphic("JPEG error: not a JPEG file");
  data_ = std::move(Bytes);
  bitmap_.reset();
  Changed(this);
}

void TJPEGImage::LoadFromStream(TStream* Stream) { LoadBytes(ReadRest(Stream)); }

void TJPEGImage::SaveToStream(TStream* Stream) {
  Compress();
  if (!data_.empty()) Stream->WriteBuffer(data_.data(), Integer(data_.size()));
}

void TJPEGImage::ReadData(TStream* Stream) { LoadBytes(ReadSized(Stream)); }

void TJPEGImage::WriteData(TStream* Stream) {
  TMemoryStream bytes;
  SaveToStream(&bytes);
  WriteSized(Stream, bytes);
}

void TJPEGImage::Draw(TCanvas* ACanvas, const TRect& Rect) {
  DIBNeeded();
  if (bitmap_ != nullptr) ACanvas->StretchDraw(Rect, bitmap_.get());
}
