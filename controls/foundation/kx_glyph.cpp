#include "controls/foundation/kx_glyph.h"

#include "controls/foundation/kx_alpha_blend.h"
#include "controls/foundation/kx_bitmap.h"
#include "controls/foundation/kx_graphics_routines.h"
#include "controls/foundation/kx_image_list.h"
#include "controls/foundation/kx_screen_canvas.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/custom_image_list.h"

namespace {

constexpr DWORD kDestAndBrushAndNotSource = 0x00200F09;

struct ScratchBitmaps {
  std::unique_ptr<TkxBitmap> composition, image, mask;
};

ScratchBitmaps& Scratch() {
  static ScratchBitmaps scratch;
  return scratch;
}

// The scratch bitmap made or resized to the size, cleared, with no key colours.
TkxBitmap* EnsureScratchBitmap(std::unique_ptr<TkxBitmap>& Bitmap, Integer Width, Integer Height) {
  if (Bitmap == nullptr) Bitmap = std::make_unique<TkxBitmap>();
  Bitmap->SetSize(Width, Height);
  Bitmap->Clear();
  Bitmap->ClearKeyColors();
  return Bitmap.get();
}

bool IsDeviceFormatWithAlpha(TBitmap* Glyph) {
  const HDC screen = GetSharedScreenCanvas()->GetHandle();
  return Glyph->PixelFormat() == pfDevice && GetDeviceCaps(screen, BITSPIXEL) >= 32;
}

// The glyph or list image copied into I; answers whether it carries alpha.  Without alpha I is
// made opaque.
bool LoadGlyphImage(TkxBitmap* I, TBitmap* Glyph, TCustomImageList* Images, Integer ImageIndex) {
  bool alpha;
  if (Glyph != nullptr) {
    I->CopyFrom(Glyph);
    alpha = Glyph->PixelFormat() == pf32bit || IsDeviceFormatWithAlpha(Glyph);
  } else {
    TkxImageList::GetImageInfo(Images->Handle(), ImageIndex, nullptr, I);
    alpha = TkxImageList::GetImageBitsPerPixel(Images->Handle()) >= 32;
  }
  alpha = alpha && I->HasAlphaChannel();
  if (!alpha) I->ApplyPixelOperation(TkxPixelOperation::Opaque);
  return alpha;
}

// M: white where I is transparent.
void BuildGlyphMask(TkxBitmap* M, TkxBitmap* I, bool Alpha, TBitmap* Glyph, TCustomImageList* Images,
                    Integer ImageIndex, TColor TransparentColor, bool UseGlyphTransparentColor) {
  M->CopyFrom(I);
  if (!Alpha) {
    if (Glyph == nullptr) {
      TkxBitmap listMask;
      TkxImageList::GetImageInfo(Images->Handle(), ImageIndex, &listMask, nullptr);
      if (!listMask.Empty()) {
        listMask.ApplyPixelOperation(TkxPixelOperation::SetAlpha);
        M->MaskWith(&listMask);
      }
    }
    if (TransparentColor != clNone) M->AddKeyColor(TransparentColor);
    if (UseGlyphTransparentColor && Glyph != nullptr) M->AddKeyColor(Glyph->TransparentColor());
  }
  M->ApplyPixelOperation(TkxPixelOperation::Mask);
}

// The draw mode's changes to I (and the glyph rectangle); answers the alpha I is blended with.
Byte ApplyDrawMode(TGlyphDrawMode Mode, bool Alpha, TkxBitmap* I, TkxBitmap* M, TRect& GlyphRect) {
  switch (Mode) {
    case gdmDisabled:
      if (Alpha) {
        I->ApplyPixelOperation(TkxPixelOperation::WeightedGrey);
        return 151;
      }
      I->ApplyPixelOperation(TkxPixelOperation::Disable);
      AddColorSilhouette(I, M, 1, false, clBtnHighlight);
      return 255;
    case gdmFaded:
      I->ApplyPixelOperation(TkxPixelOperation::Grey);
      return 64;
    case gdmGrayed: I->ApplyPixelOperation(TkxPixelOperation::AverageGrey); return 255;
    case gdmLightened: I->ApplyPixelOperation(TkxPixelOperation::Lighten); return 255;
    case gdmShadowed:
      AddColorSilhouette(I, M, 2, true, clBtnShadow);
      GlyphRect = {GlyphRect.Left - 1, GlyphRect.Top - 1, GlyphRect.Right + 1, GlyphRect.Bottom + 1};
      return 255;
    default: return 255;
  }
}

}  // namespace

void DrawGlyph(HDC DC, const TRect& GlyphRect, const TRect& AreaRect, TBitmap* Glyph, TCustomImageList* Images,
               Integer ImageIndex, TGlyphDrawMode Mode, bool Smooth, HBRUSH BackgroundBrush, TColor TransparentColor,
               bool UseGlyphTransparentColor) {
  if (!IsBitmapAssigned(Glyph)) {
    if (!IsImageIndexValid(Images, ImageIndex)) return;
    Glyph = nullptr;
  }
  ScratchBitmaps& scratch = Scratch();
  TkxBitmap* C = EnsureScratchBitmap(scratch.composition, AreaRect.Width(), AreaRect.Height());
  const TRect area{0, 0, AreaRect.Width(), AreaRect.Height()};
  if (BackgroundBrush != nullptr) FillRect(C->Canvas()->Handle(), &area, BackgroundBrush);
  else BitBltRect(C->Canvas()->Handle(), DC, area, SRCCOPY, {AreaRect.Left, AreaRect.Top});
  TRect glyphRect{GlyphRect.Left - AreaRect.Left, GlyphRect.Top - AreaRect.Top, GlyphRect.Right - AreaRect.Left,
                  GlyphRect.Bottom - AreaRect.Top};
  const Integer width = Glyph != nullptr ? Glyph->Width() : Images->Width();
  const Integer height = Glyph != nullptr ? Glyph->Height() : Images->Height();
  TkxBitmap* I = EnsureScratchBitmap(scratch.image, width, height);
  const bool alpha = LoadGlyphImage(I, Glyph, Images, ImageIndex);
  TkxBitmap* M = EnsureScratchBitmap(scratch.mask, width, height);
  BuildGlyphMask(M, I, alpha, Glyph, Images, ImageIndex, TransparentColor, UseGlyphTransparentColor);
  I->MaskWith(M);
  const Byte blendAlpha = ApplyDrawMode(Mode, alpha, I, M, glyphRect);
  AlphaBlendBitmapRect(C, I, glyphRect, blendAlpha, Smooth, I->GetImageRect());
  BitBltRect(DC, C->Canvas()->Handle(), AreaRect, SRCCOPY, {0, 0});
}

void MakeGlyphMask(TBitmap* Glyph, TBitmap* Mask) {
  const std::unique_ptr<TkxBitmap> copy = CopyAsTkxBitmap(Glyph);
  if (!copy->HasAlphaChannel()) copy->SetKeyColor(Glyph->TransparentColor());
  copy->ApplyPixelOperation(TkxPixelOperation::Mask);
  BitBltRect(Mask->Canvas()->Handle(), copy->Canvas()->Handle(), copy->GetImageRect(), SRCCOPY, {0, 0});
}

std::unique_ptr<TkxBitmap> CopyAsTkxBitmap(TBitmap* Bitmap) {
  auto copy = std::make_unique<TkxBitmap>(Bitmap->Width(), Bitmap->Height());
  copy->CopyFrom(Bitmap);
  return copy;
}

void AddColorSilhouette(TkxBitmap* B, TkxBitmap* Mask, Integer D, bool Grow, TColor Color) {
  const Integer w = B->Width(), h = B->Height();
  // T1: white, the mask inside at (D, D); then, drawn over itself D further on, the colour where
  // the mask is opaque D pixels back and transparent here.
  const std::unique_ptr<TkxBitmap> t1 = TkxBitmap::CreateWithKey(w + 2 * D, h + 2 * D, 0xFFFFFFFF);
  t1->CopyRectFrom(Mask, {D, D, D + w, D + h}, SRCCOPY, {0, 0});
  t1->Canvas()->Brush()->SetColor(Color);
  t1->Canvas()->RequiredState({csHandleValid, csBrushValid});
  t1->CopyRectFrom(t1.get(), {D, D, w + 3 * D, h + 3 * D}, kDestAndBrushAndNotSource, {0, 0});
  t1->SetKeyPixel(0);
  t1->ApplyPixelOperation(TkxPixelOperation::SetAlpha);
  // T2: B over black, the silhouette added.  32 bits, so that B's alpha survives the copy (at 24
  // bits every pixel would come back with alpha 0, and the blend would add the glyph to what is
  // under it).
  TkxBitmap t2(w + D, h + D);
  BitBltRect(t2.Canvas()->Handle(), B->Canvas()->Handle(), {0, 0, w, h}, SRCCOPY, {0, 0});
  BitBltRect(t2.Canvas()->Handle(), t1->Canvas()->Handle(), t2.GetImageRect(), SRCPAINT, {D, D});
  if (Grow) B->SetSize(w + D, h + D);
  B->CopyFrom(&t2);
}

void FreeScratchBitmaps() {
  ScratchBitmaps& scratch = Scratch();
  scratch.composition.reset();
  scratch.image.reset();
  scratch.mask.reset();
}
