#include "grid/gdip_picture.h"

#include <memory>

#include "grid/gdiplus_wrapper.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"
#include "platform/os/regular_file.h"
#include "platform/shims/global_stream.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphic_streams.h"
#include "platform/user/global_memory.h"

PR_PUBLISH(TGDIPPicture) { p.Property("OnClear", &TGDIPPicture::OnClear); }

TGDIPPicture::TGDIPPicture() = default;

void TGDIPPicture::MakeEmpty() {
  data_.clear();
  empty_ = true;
}

void TGDIPPicture::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    MakeEmpty();
    Changed(this);
    OnClear(this);
    return;
  }
  auto* picture = dynamic_cast<TGDIPPicture*>(Source);
  if (picture == nullptr) return MakeEmpty();
  data_ = picture->data_;
  empty_ = false;
  Changed(this);
}

void TGDIPPicture::LoadFromFile(const std::string& FileName) {
  std::vector<Byte> bytes;
  if (ReadRegularFile(FileName, kAnyFileSize, bytes) != 0) return MakeEmpty();
  data_ = std::move(bytes);
  empty_ = false;
  OnClear(this);
  Changed(this);
}

void TGDIPPicture::LoadFromStream(TStream* Stream) {
  if (Stream == nullptr) return;
  ReadData(Stream);
  Changed(this);
}

void TGDIPPicture::ReadData(TStream* Stream) {
  if (Stream == nullptr) return;
  data_ = ReadRest(Stream);
  empty_ = false;
}

void TGDIPPicture::SaveToStream(TStream* Stream) {
  if (Stream != nullptr && !data_.empty()) Stream->WriteBuffer(data_.data(), Integer(data_.size()));
}

void TGDIPPicture::WriteData(TStream* Stream) { SaveToStream(Stream); }

void TGDIPPicture::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (empty_ || data_.empty()) return;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, data_.size());
  if (block == nullptr) throw Exception("Could not allocate memory for image");
  TInterfacePtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, stream))) {
    GlobalFree(block);
    throw Exception("Could not allocate memory for image");
  }
  stream->Write(data_.data(), ULONG(data_.size()), nullptr);
  ACanvas->RequiredState({csHandleValid});
  const auto graphics = std::make_unique<TGPGraphics>(ACanvas->Handle());
  const auto image = std::make_unique<TGPImage>(stream.get(), false);
  if (image->GetFormat() == TImageFormatKind::BMP) return DrawBitmap(ACanvas, Rect);
  width_ = Integer(image->GetWidth());
  height_ = Integer(image->GetHeight());
  graphics->DrawImage(image.get(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
}

void TGDIPPicture::DrawBitmap(TCanvas* ACanvas, const TRect& Rect) {
  TBitmap bitmap;
  TMemoryStream bytes;
  bytes.WriteBuffer(data_.data(), Integer(data_.size()));
  bytes.SetPosition(0);
  bitmap.LoadFromStream(&bytes);
  bitmap.SetTransparentMode(tmAuto);
  bitmap.SetTransparent(true);
  ACanvas->Draw(Rect.Left, Rect.Top, &bitmap);
}
