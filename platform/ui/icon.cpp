#include "platform/ui/icon.h"

#include <span>

#include "platform/classes/publisher.h"
#include "platform/classes/stream.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/decoded_image.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/ico_codec.h"
#include "platform/gdi/icon.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphic_streams.h"
#include "platform/ui/graphics_errors.h"
#include "platform/user/system_metrics.h"

PR_IMPLEMENT_CLASS(TIcon)

HICON CreateIconFromPixels(const std::vector<std::uint32_t>& Pixels, Integer Width, Integer Height, bool IsIcon,
                           Integer HotX, Integer HotY) {
  // The colour image keeps its alpha; the mask marks the fully transparent pixels.
  HBITMAP color = CreateBitmap(Width, Height, 1, 32, Pixels.data());
  const std::size_t maskStride = ((std::size_t(Width) + 15) / 16) * 2;
  std::vector<Byte> maskBits(maskStride * std::size_t(Height), 0);
  for (Integer y = 0; y < Height; ++y)
    for (Integer x = 0; x < Width; ++x)
      if ((Pixels[std::size_t(y) * std::size_t(Width) + std::size_t(x)] >> 24) == 0)
        maskBits[std::size_t(y) * maskStride + std::size_t(x) / 8] |= Byte(0x80 >> (x % 8));
  HBITMAP mask = CreateBitmap(Width, Height, 1, 1, maskBits.data());
  const ICONINFO info{IsIcon ? TRUE : FALSE, DWORD(HotX), DWORD(HotY), mask, color};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(color);
  DeleteObject(mask);
  return icon;
}

TIcon::~TIcon() { FreeHandle(); }

void TIcon::FreeHandle() {
  if (handle_ != nullptr) DestroyIcon(handle_);
  handle_ = nullptr;
}

void TIcon::SetWidth(Integer Value) {
  if (Value != width_) throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(Integer Value) {
  if (Value != height_) throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

HICON TIcon::Handle() {
  if (handle_ == nullptr && !data_.empty()) {
    const int size = GetSystemMetrics(SM_CXICON);
    const auto decoded = gdi::DecodeIcon(data_, size, size, 32);
    if (!decoded) throw EInvalidGraphic("Icon image is not valid");
    handle_ = CreateIconFromPixels(decoded.value.pixels, decoded.value.width, decoded.value.height);
  }
  return handle_;
}

void TIcon::SetHandle(HICON Value) {
  FreeHandle();
  data_.clear();
  handle_ = Value;
  width_ = height_ = 0;
  ICONINFO info{};
  if (Value != nullptr && GetIconInfo(Value, &info)) {
    BITMAP bm{};
    GetObjectA(info.hbmMask, sizeof bm, &bm);
    width_ = bm.bmWidth;
    height_ = info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2;
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  }
  Changed(this);
}

HICON TIcon::ReleaseHandle() {
  HICON result = Handle();
  handle_ = nullptr;
  data_.clear();
  width_ = height_ = 0;
  return result;
}

void TIcon::Assign(TPersistent* Source) {
  auto* icon = dynamic_cast<TIcon*>(Source);
  if (icon == nullptr && Source != nullptr) return inherited::Assign(Source);
  FreeHandle();
  data_.clear();
  width_ = height_ = 0;
  if (icon != nullptr && !icon->data_.empty()) {
    LoadBytes(icon->data_);
    return;
  }
  if (icon != nullptr && icon->handle_ != nullptr) {
    SetHandle(CopyIcon(icon->handle_));
    return;
  }
  Changed(this);
}

void TIcon::LoadBytes(std::vector<Byte> Bytes) {
  const int size = GetSystemMetrics(SM_CXICON);
  const auto directory = gdi::ReadIconDirectory(Bytes);
  if (!directory || directory.value.type != gdi::IconFileType::Icon) throw EInvalidGraphic("Icon image is not valid");
  const auto& entry = directory.value.entries[gdi::ChooseIconEntry(directory.value, size, size, 32)];
  FreeHandle();
  data_ = std::move(Bytes);
  width_ = entry.width;
  height_ = entry.height;
  Changed(this);
}

void TIcon::LoadFromStream(TStream* Stream) { LoadBytes(ReadRest(Stream)); }

void TIcon::SaveToStream(TStream* Stream) {
  if (data_.empty() && handle_ != nullptr) {
    // An icon given as a handle: write its picture as a one-entry file.
    TBitmap picture;
    picture.SetPixelFormat(pf32bit);
    picture.SetSize(width_, height_);
    DrawIconEx(picture.Canvas()->Handle(), 0, 0, handle_, width_, height_, 0, nullptr, DI_NORMAL);
    const gdi::DecodedImage image = picture.ToImage();
    const auto encoded = gdi::EncodeIcon(std::span<const gdi::DecodedImage>(&image, 1), gdi::IconFileType::Icon);
    if (!encoded) throw EInvalidGraphic("Icon image is not valid");
    data_ = encoded.value;
  }
  if (!data_.empty()) Stream->WriteBuffer(data_.data(), Integer(data_.size()));
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  DrawIconEx(ACanvas->Handle(), Rect.Left, Rect.Top, Handle(), Rect.Width(), Rect.Height(), 0, nullptr, DI_NORMAL);
}
