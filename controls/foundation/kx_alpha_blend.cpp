#include "controls/foundation/kx_alpha_blend.h"

#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_graphics_routines.h"
#include "controls/foundation/kx_pixels.h"
#include "controls/foundation/kx_resample.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/raster_ops.h"
#include "platform/shims/image_blending.h"
#include "platform/ui/bitmap.h"

namespace {

HMODULE imageBlendingLibrary = nullptr;
AlphaBlendProc alphaBlend = nullptr;

// Every pixel of Source blended over Dest's (both of one size) by BlendPixel.
void BlendBitmapPixels(TBitmap* Dest, TBitmap* Source, Byte Alpha) {
  TRGBColors dest = ReadBitmapPixels(Dest, false);
  const TRGBColors source = ReadBitmapPixels(Source, false);
  for (std::size_t i = 0; i < dest.size(); ++i) BlendPixel(source[i], dest[i], Alpha);
  WriteBitmapPixels(Dest, dest, false);
}

}  // namespace

void BindAlphaBlend() {
  imageBlendingLibrary = LoadLibraryA("msimg32.dll");
  if (imageBlendingLibrary != nullptr)
    alphaBlend = reinterpret_cast<AlphaBlendProc>(GetProcAddress(imageBlendingLibrary, "AlphaBlend"));
}

void FreeAlphaBlend() {
  if (imageBlendingLibrary != nullptr) FreeLibrary(imageBlendingLibrary);
  imageBlendingLibrary = nullptr;
  alphaBlend = nullptr;
}

bool IsAlphaBlendBound() { return alphaBlend != nullptr; }

bool AlphaBlendDC(HDC Dest, const TRect& DestRect, HDC Source, const TRect& SourceRect, Byte Alpha) {
  if (alphaBlend == nullptr) return false;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, Alpha, AC_SRC_ALPHA};
  return alphaBlend(Dest, DestRect.Left, DestRect.Top, DestRect.Width(), DestRect.Height(), Source, SourceRect.Left,
                    SourceRect.Top, SourceRect.Width(), SourceRect.Height(), blend) != 0;
}

void AlphaBlendDCRect(HDC Dest, HDC Source, const TRect& DestRect, Byte Alpha, bool Smooth, const TRect& SourceRect) {
  const bool smooth = Smooth && !SameRectSize(DestRect, SourceRect);
  if (!IsWin9xFamily() && alphaBlend != nullptr && !smooth) {
    AlphaBlendDC(Dest, DestRect, Source, SourceRect, Alpha);
    return;
  }
  const std::unique_ptr<TBitmap> dest = CopyDCToBitmap(Dest, DestRect);
  const std::unique_ptr<TBitmap> source = CopyDCToBitmap(Source, SourceRect);
  const std::unique_ptr<TBitmap> scaled = NewBitmapOfSize(DestRect.Width(), DestRect.Height(), pf32bit);
  if (smooth) ResampleBitmap(source.get(), scaled.get(), true);
  else StretchCopyBitmap(scaled.get(), source.get());
  const TRect whole{0, 0, DestRect.Width(), DestRect.Height()};
  if (!AlphaBlendDC(dest->Canvas()->Handle(), whole, scaled->Canvas()->Handle(), whole, Alpha))
    BlendBitmapPixels(dest.get(), scaled.get(), Alpha);
  BitBltRect(Dest, dest->Canvas()->Handle(), DestRect, SRCCOPY, {0, 0});
}

void AlphaBlendBitmapRect(TBitmap* Dest, TBitmap* Source, const TRect& DestRect, Byte Alpha, bool Smooth,
                          const TRect& SourceRect) {
  AlphaBlendDCRect(Dest->Canvas()->Handle(), Source->Canvas()->Handle(), DestRect, Alpha, Smooth, SourceRect);
}
