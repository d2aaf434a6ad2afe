#include "platform/ui/png_image.h"

#include <algorithm>

#include "platform/classes/publisher.h"
#include "platform/classes/stream.h"
#include "platform/gdi/decoded_image.h"
#include "platform/gdi/decoded_image_draw.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphic_streams.h"
#include "platform/ui/graphics_errors.h"

PR_IMPLEMENT_CLASS(TPngImage)

TPngImage::TPngImage() : bitmap_(std::make_unique<TBitmap>()) { bitmap_->SetPixelFormat(pf32bit); }

TPngImage::~TPngImage() = default;

bool TPngImage::Empty() const { return bitmap_->Empty(); }

Integer TPngImage::Width() const { return bitmap_->Width(); }

Integer TPngImage::Height() const { return bitmap_->Height(); }

void TPngImage::SetWidth(Integer Value) {
  bitmap_->SetWidth(Value);
  Changed(this);
}

void TPngImage::SetHeight(Integer Value) {
  bitmap_->SetHeight(Value);
  Changed(this);
}

void TPngImage::Assign(TPersistent* Source) {
  if (auto* png = dynamic_cast<TPngImage*>(Source)) {
    bitmap_->Assign(png->bitmap_.get());
    hasAlpha_ = png->hasAlpha_;
    Changed(this);
    return;
  }
  if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
    gdi::DecodedImage image = bitmap->ToImage();
    for (auto& p : image.pixels) p |= gdi::kOpaqueBlack;
    image.sourceBitsPerPixel = 32;
    image.palette.clear();
    image.indices.clear();
    bitmap_->LoadFromImage(image);
    hasAlpha_ = false;
    Changed(this);
    return;
  }
  inherited::Assign(Source);
}

void TPngImage::AssignTo(TPersistent* Dest) {
  if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) return bitmap->Assign(bitmap_.get());
  inherited::AssignTo(Dest);
}

void TPngImage::LoadFromStream(TStream* Stream) {
  const std::vector<Byte> bytes = ReadRest(Stream);
  const auto decoded = gdi::DecodePng(bytes);
  if (!decoded) throw EInvalidGraphic("PNG image is not valid: " + decoded.message);
  gdi::DecodedImage image = decoded.value;
  image.sourceBitsPerPixel = 32;
  hasAlpha_ = std::any_of(image.pixels.begin(), image.pixels.end(), [](std::uint32_t p) { return (p >> 24) != 0xFF; });
  bitmap_->LoadFromImage(image);
  Changed(this);
}

void TPngImage::SaveToStream(TStream* Stream) {
  if (Empty()) return;
  gdi::DecodedImage image = bitmap_->ToImage();
  if (!hasAlpha_)
    for (auto& p : image.pixels) p |= gdi::kOpaqueBlack;
  const auto encoded = gdi::EncodePng(image);
  if (!encoded) throw EInvalidGraphic("PNG image is not valid: " + encoded.message);
  Stream->WriteBuffer(encoded.value.data(), Integer(encoded.value.size()));
}

void TPngImage::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  if (!hasAlpha_) return ACanvas->StretchDraw(Rect, bitmap_.get());
  ACanvas->RequiredState({csHandleValid});
  gdi::DrawDecodedImage(ACanvas->Handle(), Rect, bitmap_->ToImage(), gdi::ImageScaling::Nearest);
}
