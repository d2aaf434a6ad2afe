#include "controls/foundation/kx_bitmap.h"

#include <algorithm>
#include <cmath>

#include "controls/foundation/kx_graphics_routines.h"
#include "platform/classes/publisher.h"
#include "platform/core/mul_div.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"

PR_IMPLEMENT_CLASS(TkxCustomBitmap)
PR_IMPLEMENT_CLASS(TkxBitmap)

namespace {

constexpr std::uint32_t kAlphaMask = 0xFF000000, kColorMask = 0x00FFFFFF;
constexpr DWORD kDestinationAndNotSource = 0x00220326;

// Single-precision weights; the sums are made in double, which holds them exactly.
constexpr float kGreyRed = 0.299f, kGreyGreen = 0.587f, kGreyBlue = 0.114f;
constexpr float kWeightedRed = 0.0729f, kWeightedGreen = 0.7146f, kWeightedBlue = 0.2125f;

Byte Channel(std::uint32_t Pixel, int Shift) { return Byte(Pixel >> Shift); }
Byte Red(std::uint32_t Pixel) { return Channel(Pixel, 16); }
Byte Green(std::uint32_t Pixel) { return Channel(Pixel, 8); }
Byte Blue(std::uint32_t Pixel) { return Channel(Pixel, 0); }
Byte Alpha(std::uint32_t Pixel) { return Channel(Pixel, 24); }

std::uint32_t WithGrey(std::uint32_t Pixel, Byte Grey) {
  return (Pixel & kAlphaMask) | std::uint32_t(Grey) << 16 | std::uint32_t(Grey) << 8 | Grey;
}

Byte WeightedSum(std::uint32_t Pixel, float RedWeight, float GreenWeight, float BlueWeight) {
  return RoundChannel(double(Red(Pixel)) * RedWeight + double(Green(Pixel)) * GreenWeight +
                      double(Blue(Pixel)) * BlueWeight);
}

std::uint32_t Lightened(std::uint32_t Pixel) {
  std::uint32_t result = 0;
  for (int shift : {0, 8, 16, 24}) {
    const Integer value = Channel(Pixel, shift);
    result |= std::uint32_t(value + MulDiv(255 - value, 3, 10)) << shift;
  }
  return result;
}

// Where the pixel at column x, row y of a W x H picture goes: its row and column in the result.
TPoint RearrangedPlace(Integer Turn, bool Mirror, Integer x, Integer y, Integer W, Integer H) {
  switch (Turn) {
    case 1: return Mirror ? TPoint{y, x} : TPoint{y, W - 1 - x};
    case 2: return Mirror ? TPoint{H - 1 - y, W - 1 - x} : TPoint{H - 1 - y, x};
    case 3: return Mirror ? TPoint{W - 1 - x, y} : TPoint{W - 1 - x, H - 1 - y};
    default: return Mirror ? TPoint{x, H - 1 - y} : TPoint{x, y};
  }
}

}  // namespace

// --- TkxCustomBitmap ---

TkxCustomBitmap::TkxCustomBitmap(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat)
    : kxCanvas_(std::make_unique<TkxCanvas>(Canvas())) {
  LockChanges();
  SetPixelFormat(APixelFormat);
  TBitmap::SetSize(AWidth, AHeight);
  UnlockChanges(true);
}

TkxCustomBitmap::~TkxCustomBitmap() = default;

std::unique_ptr<TkxCustomBitmap> TkxCustomBitmap::CreateSize(Integer AWidth, Integer AHeight) {
  return std::make_unique<TkxCustomBitmap>(AWidth, AHeight, pf24bit);
}

std::unique_ptr<TkxCustomBitmap> TkxCustomBitmap::CreateFromRect(const TRect& R) {
  return CreateSize(R.Width(), R.Height());
}

void TkxCustomBitmap::UnlockChanges(bool Force) {
  if (lockCount_ > 0) --lockCount_;
  if (lockCount_ == 0 && (Force || changedWhileLocked_)) Changed(this);
}

void TkxCustomBitmap::Changed(TObject* Sender) {
  if (IsLocked()) {
    changedWhileLocked_ = true;
    return;
  }
  TBitmap::Changed(Sender);
  AfterChange();
  changedWhileLocked_ = false;
}

void TkxCustomBitmap::SetSize(Integer AWidth, Integer AHeight) {
  LockChanges();
  TBitmap::SetSize(AWidth, AHeight);
  UnlockChanges();
}

void TkxCustomBitmap::RotateFlip(Integer Turn, bool Mirror) {
  const Integer w = Width(), h = Height();
  const TRGBColors source = ReadBitmapPixels(this, true);
  const bool swapped = Turn == 1 || Turn == 2;
  const Integer resultWidth = swapped ? h : w;
  TRGBColors result(source.size());
  for (Integer y = 0; y < h; ++y)
    for (Integer x = 0; x < w; ++x) {
      const TPoint place = RearrangedPlace(Turn, Mirror, x, y, w, h);   // X: column, Y: row
      result[std::size_t(place.Y * resultWidth + place.X)] = source[std::size_t(y * w + x)];
    }
  if (swapped) SetSize(h, w);
  WriteBitmapPixels(this, result, true);
  Changed(this);
}

// --- TkxBitmap ---

TkxBitmap::TkxBitmap(Integer AWidth, Integer AHeight)
    : TkxCustomBitmap(AWidth, AHeight, pf32bit), dc_(CreateCompatibleDC(nullptr)) {
  AfterChange();
  Clear();
}

TkxBitmap::~TkxBitmap() { DeleteDC(dc_); }

std::unique_ptr<TkxBitmap> TkxBitmap::CreateWithKey(Integer AWidth, Integer AHeight, std::uint32_t AKeyPixel) {
  auto bitmap = std::make_unique<TkxBitmap>(AWidth, AHeight);
  bitmap->keyPixel_ = AKeyPixel;
  bitmap->Clear();
  return bitmap;
}

void TkxBitmap::AfterChange() { header_ = InitDibHeader(Width(), Height(), false); }

void TkxBitmap::SetSize(Integer AWidth, Integer AHeight) {
  TkxCustomBitmap::SetSize(AWidth, AHeight);
  Clear();
}

void TkxBitmap::Clear() {
  if (Empty()) return;
  WritePixels(TRGBColors(std::size_t(Width()) * std::size_t(Height()), Alpha(keyPixel_) != 0 ? keyPixel_ : 0));
}

TRGBColors TkxBitmap::ReadPixels() {
  TRGBColors pixels(std::size_t(Width()) * std::size_t(Height()));
  GetDIBits(dc_, Handle(), 0, UINT(Height()), pixels.data(), &header_, DIB_RGB_COLORS);
  return pixels;
}

void TkxBitmap::WritePixels(const TRGBColors& Pixels) {
  SetDIBits(dc_, Handle(), 0, UINT(Height()), Pixels.data(), &header_, DIB_RGB_COLORS);
}

void TkxBitmap::CopyFrom(TBitmap* Source, DWORD Rop) { CopyRectFrom(Source, GetImageRect(), Rop, {0, 0}); }

void TkxBitmap::CopyRectFrom(TBitmap* Source, const TRect& R, DWORD Rop, TPoint SourcePoint) {
  BitBltRect(Canvas()->Handle(), Source->Canvas()->Handle(), R, Rop, SourcePoint);
}

void TkxBitmap::MaskWith(TBitmap* Mask) { CopyFrom(Mask, kDestinationAndNotSource); }

bool TkxBitmap::IsKeyPixel(std::uint32_t Pixel) const {
  return Pixel == keyPixel_ || std::find(keyColors_.begin(), keyColors_.end(), Pixel & kColorMask) != keyColors_.end();
}

void TkxBitmap::SetKeyColor(TColor Color) {
  keyColors_.assign(1, ColorToPixel(Color, 0));
  keyPixel_ = ColorToPixel(Color, 0);
  ApplyPixelOperation(TkxPixelOperation::SetAlpha);
}

void TkxBitmap::AddKeyColor(TColor Color) { keyColors_.push_back(ColorToPixel(Color, 0)); }

bool TkxBitmap::HasAlphaChannel() {
  const TRGBColors pixels = ReadPixels();
  return std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return Alpha(p) != 0; });
}

void TkxBitmap::ApplyPixelOperation(TkxPixelOperation Operation) {
  TRGBColors pixels = ReadPixels();
  for (std::uint32_t& pixel : pixels) pixel = OperatedPixel(Operation, pixel);
  WritePixels(pixels);
  Changed(this);
}

std::uint32_t TkxBitmap::OperatedPixel(TkxPixelOperation Operation, std::uint32_t Pixel) const {
  const bool key = IsKeyPixel(Pixel);
  switch (Operation) {
    case TkxPixelOperation::Opaque: return Pixel | kAlphaMask;
    case TkxPixelOperation::Mask: return key ? 0xFFFFFFFF : 0;
    case TkxPixelOperation::Fill: return keyPixel_;
    default: break;
  }
  if (key) return Pixel;
  switch (Operation) {
    case TkxPixelOperation::Lighten: return Lightened(Pixel);
    case TkxPixelOperation::Disable: {
      std::uint32_t grey = WithGrey(Pixel, WeightedSum(Pixel, kGreyRed, kGreyGreen, kGreyBlue));
      BlendPixel(ColorToPixel(clBtnShadow, 0xC0), grey, 238);
      return grey;
    }
    case TkxPixelOperation::AverageGrey:
      return WithGrey(Pixel, Byte((Integer(Red(Pixel)) + Green(Pixel) + Blue(Pixel)) / 3));
    case TkxPixelOperation::Grey: return WithGrey(Pixel, WeightedSum(Pixel, kGreyRed, kGreyGreen, kGreyBlue));
    case TkxPixelOperation::WeightedGrey:
      return WithGrey(Pixel, WeightedSum(Pixel, kWeightedRed, kWeightedGreen, kWeightedBlue));
    case TkxPixelOperation::SetAlpha: return Alpha(Pixel) == 0 ? Pixel | kAlphaMask : Pixel;
    default: return Pixel;
  }
}
