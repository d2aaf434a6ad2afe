#include "grid/html_picture.h"

#include <algorithm>

#include "grid/gif_frames.h"
#include "platform/classes/publisher.h"
#include "platform/classes/resource_stream.h"
#include "platform/classes/stream.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/exceptions.h"
#include "platform/core/mul_div.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/decoded_image_draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/image_format.h"
#include "platform/os/embedded_resources.h"
#include "platform/os/regular_file.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphic_streams.h"

PR_PUBLISH(THTMLPicture) {
  p.Property("Stretch", &THTMLPicture::Stretch, &THTMLPicture::SetStretch).Default(false);
  p.Property("Frame", &THTMLPicture::Frame, &THTMLPicture::SetFrame).Default(1);
  p.Property("OnFrameChange", &THTMLPicture::OnFrameChange);
}

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr int kPicturePixelsPerInch = 96;

bool DecodableFormat(gdi::ImageFormat format) {
  return format == gdi::ImageFormat::Bmp || format == gdi::ImageFormat::Icon || format == gdi::ImageFormat::Jpeg ||
         format == gdi::ImageFormat::Gif;
}

bool HasScheme(const std::string& url, std::string_view scheme) {
  return SameText(std::string_view(url).substr(0, scheme.size()), scheme);
}

// The frame's own rectangle of a decoded animation screen (the whole screen when the rectangle
// leaves nothing of it).
gdi::DecodedImage FrameArea(gdi::DecodedImage screen, const TGIFFrameCut& cut) {
  const int left = std::min<int>(cut.left, screen.width), top = std::min<int>(cut.top, screen.height);
  const int width = std::min<int>(cut.width, screen.width - left), height = std::min<int>(cut.height, screen.height - top);
  if (width <= 0 || height <= 0 || (width == screen.width && height == screen.height)) return screen;
  gdi::DecodedImage area;
  area.width = width;
  area.height = height;
  area.pixels.reserve(std::size_t(width) * std::size_t(height));
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) area.pixels.push_back(screen.Pixel(x, y));
  return area;
}

}  // namespace

THTMLPicture::THTMLPicture() = default;

THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::Clear() {
  image_ = {};
  himetricWidth_ = himetricHeight_ = 0;
  frameLeft_ = frameTop_ = screenWidth_ = screenHeight_ = 0;
}

void THTMLPicture::Decode() {
  Clear();
  const TGIFFrameCut cut = CutGIFFrames(data_, frame_);
  frameLeft_ = cut.left;
  frameTop_ = cut.top;
  screenWidth_ = cut.screenWidth;
  screenHeight_ = cut.screenHeight;
  const auto decoded = DecodableFormat(gdi::DetectImageFormat(cut.data)) ? gdi::DecodeImage(cut.data)
                                                                         : gdi::CodecResult<gdi::DecodedImage>{};
  if (!decoded || decoded.value.width == 0) throw Exception("Could not load image. Invalid format");
  image_ = cut.width > 0 ? FrameArea(decoded.value, cut) : decoded.value;
  himetricWidth_ = MulDiv(image_.width, kHimetricPerInch, kPicturePixelsPerInch);
  himetricHeight_ = MulDiv(image_.height, kHimetricPerInch, kPicturePixelsPerInch);
}

void THTMLPicture::TakeData(std::vector<Byte> Data) {
  data_ = std::move(Data);
  frameCount_.reset();
  empty_ = false;
  Decode();
}

void THTMLPicture::MakeEmpty() {
  Clear();
  data_.clear();
  frameCount_.reset();
  empty_ = true;
}

void THTMLPicture::Assign(TPersistent* Source) {
  MakeEmpty();
  frame_ = 1;
  auto* picture = dynamic_cast<THTMLPicture*>(Source);
  if (picture == nullptr) return;
  TakeData(picture->data_);
  Changed(this);
}

Integer THTMLPicture::Width() const { return MulDiv(himetricWidth_, kPicturePixelsPerInch, kHimetricPerInch); }

Integer THTMLPicture::Height() const { return MulDiv(himetricHeight_, kPicturePixelsPerInch, kHimetricPerInch); }

void THTMLPicture::LoadFromStream(TStream* Stream) {
  if (Stream == nullptr) return;
  TakeData(ReadRest(Stream));
  Changed(this);
}

void THTMLPicture::ReadData(TStream* Stream) {
  if (Stream != nullptr) TakeData(ReadRest(Stream));
}

void THTMLPicture::SaveToStream(TStream* Stream) {
  if (Stream != nullptr && !data_.empty()) Stream->WriteBuffer(data_.data(), Integer(data_.size()));
}

void THTMLPicture::WriteData(TStream* Stream) { SaveToStream(Stream); }

void THTMLPicture::LoadFile(const std::string& FileName, std::int64_t MaxSize) {
  std::vector<Byte> bytes;
  try {
    if (ReadRegularFile(FileName, MaxSize, bytes) == 0) {
      TakeData(std::move(bytes));
      Changed(this);
      return;
    }
  } catch (const Exception&) {
  }
  MakeEmpty();
}

void THTMLPicture::LoadFromFile(const std::string& FileName) { LoadFile(FileName, kAnyFileSize); }

void THTMLPicture::LoadFromResourceName(const std::string& ResName) {
  if (!ResourceExists(ResName, RT_RCDATA)) return;
  TResourceStream stream(ResName, RT_RCDATA);
  LoadFromStream(&stream);
}

void THTMLPicture::LoadFromURL(const std::string& URL) {
  if (HasScheme(URL, "RES://")) {
    id_ = URL;
    LoadFromResourceName(URL.substr(6));
  } else if (HasScheme(URL, "FILE://")) {
    id_ = URL;
    LoadFile(URL.substr(7), kMaxMarkupPictureFileSize);
  } else {
    url_ = URL;
    id_ = URL;
  }
}

void THTMLPicture::SetFrame(Integer Value) {
  frame_ = Value;
  if (!data_.empty()) Decode();
  OnFrameChange(this);
}

Integer THTMLPicture::FrameCount() {
  if (!IsGIFFile()) return -1;
  if (!frameCount_) frameCount_ = CountGIFFrames(data_);
  return *frameCount_;
}

bool THTMLPicture::IsGIFFile() const { return IsGIFData(data_); }

Integer THTMLPicture::MaxWidth() const { return screenWidth_ != 0 ? screenWidth_ : Width(); }

Integer THTMLPicture::MaxHeight() const { return screenHeight_ != 0 ? screenHeight_ : Height(); }

void THTMLPicture::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (empty_ || image_.width == 0) return;
  ACanvas->RequiredState({csHandleValid});
  TRect target = Rect;
  if (!stretch_) {
    target.Right = Rect.Left + MulDiv(himetricWidth_, GetDeviceCaps(ACanvas->Handle(), LOGPIXELSX), kHimetricPerInch);
    target.Bottom = Rect.Top + MulDiv(himetricHeight_, GetDeviceCaps(ACanvas->Handle(), LOGPIXELSY), kHimetricPerInch);
  }
  gdi::DrawDecodedImage(ACanvas->Handle(), target, image_, gdi::ImageScaling::Nearest);
}
