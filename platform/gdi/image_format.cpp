#include "platform/gdi/image_format.h"

#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/gif_codec.h"
#include "platform/gdi/ico_codec.h"
#include "platform/gdi/jpeg_codec.h"
#include "platform/gdi/png_codec.h"

namespace gdi {

ImageFormat DetectImageFormat(std::span<const std::uint8_t> data) {
  if (IsPngSignature(data)) return ImageFormat::Png;
  if (IsJpegSignature(data)) return ImageFormat::Jpeg;
  if (IsGifSignature(data)) return ImageFormat::Gif;
  if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return ImageFormat::Bmp;
  // An icon directory: reserved word 0, type 1 or 2, at least one entry.
  if (data.size() >= 6 && data[0] == 0 && data[1] == 0 && (data[2] == 1 || data[2] == 2) && data[3] == 0 &&
      (data[4] | data[5]) != 0)
    return data[2] == 1 ? ImageFormat::Icon : ImageFormat::Cursor;
  return ImageFormat::Unknown;
}

CodecResult<DecodedImage> DecodeImage(std::span<const std::uint8_t> data, const DecodeLimits& limits) {
  constexpr int kAnySize = 0, kDeepest = 32;
  switch (DetectImageFormat(data)) {
    case ImageFormat::Png:
      return DecodePng(data, limits);
    case ImageFormat::Jpeg:
      return DecodeJpeg(data, limits);
    case ImageFormat::Gif:
      return DecodeGif(data, limits);
    case ImageFormat::Bmp:
      return DecodeBmp(data, limits);
    case ImageFormat::Icon:
    case ImageFormat::Cursor:
      return DecodeIcon(data, kAnySize, kAnySize, kDeepest, limits);
    case ImageFormat::Unknown:
      break;
  }
  return CodecResult<DecodedImage>::Failure(CodecStatus::NotRecognised, "not an image file this layer reads");
}

}  // namespace gdi
