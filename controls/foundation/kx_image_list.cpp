#include "controls/foundation/kx_image_list.h"

#include <algorithm>

#include "controls/foundation/kx_glyph.h"
#include "controls/foundation/kx_graphics_routines.h"
#include "platform/classes/publisher.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/copy_image.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/image_list.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

PR_IMPLEMENT_CLASS(TkxImageList)

namespace {

// Target takes the rectangle of the list's bitmap (a copy of it is read, never the list's own).
void CopyImageRect(HBITMAP ListBitmap, const TRect& R, TBitmap* Target) {
  TBitmap copy;
  copy.SetHandle(CopyBitmapHandle(ListBitmap));
  Target->SetSize(R.Width(), R.Height());
  Target->Canvas()->CopyRect({0, 0, R.Width(), R.Height()}, copy.Canvas(), R);
}

}  // namespace

void TkxImageList::UnlockChanges(bool Change) {
  if (lockCount_ > 0) --lockCount_;
  if (Change) this->Change();
}

void TkxImageList::Change() {
  if (lockCount_ == 0) TDragImageList::Change();
}

UINT TkxImageList::CreationFlags() const { return ILC_COLOR32 | ILC_MASK; }

Integer TkxImageList::AddImage(TBitmap* Image, TBitmap* Mask) {
  const HBITMAP opaque = Mask == nullptr ? CreateBitmap(Width(), Height(), 1, 1, nullptr) : nullptr;
  const Integer index = ImageList_Add(Handle(), Image->Handle(), Mask != nullptr ? Mask->Handle() : opaque);
  if (opaque != nullptr) DeleteObject(opaque);
  Change();
  return index;
}

void TkxImageList::CopyImages(TCustomImageList* Source, Integer First, Integer Last) {
  LockChanges();
  TBitmap image, mask;
  image.SetPixelFormat(pf32bit);
  image.SetSize(Width(), Height());
  mask.SetPixelFormat(pf1bit);
  mask.SetSize(Width(), Height());
  const Integer last = Last < 0 ? Source->Count() - 1 : std::min(Last, Source->Count() - 1);
  for (Integer i = std::max<Integer>(First, 0); i <= last; ++i) {
    GetImageInfo(Source->Handle(), i, &mask, &image);
    AddImage(&image, &mask);
  }
  UnlockChanges(true);
}

void TkxImageList::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCustomImageList*>(Source);
  if (source == nullptr || source == this) return;
  LockChanges();
  SetSize(source->Width(), source->Height());
  SetAllocBy(source->AllocBy());
  SetBkColor(source->BkColor());
  SetBlendColor(source->BlendColor());
  SetDrawingStyle(source->DrawingStyle());
  SetImageType(source->ImageType());
  Clear();
  CopyImages(source, 0, -1);
  UnlockChanges(true);
}

void TkxImageList::GetImageInfo(HIMAGELIST List, Integer Index, TBitmap* Mask, TBitmap* Image) {
  IMAGEINFO info{};
  if (!ImageList_GetImageInfo(List, Index == -1 ? 0 : Index, &info)) return;
  const std::pair<TBitmap*, HBITMAP> targets[] = {{Mask, info.hbmMask}, {Image, info.hbmImage}};
  for (const auto& [target, listBitmap] : targets) {
    if (target == nullptr || listBitmap == nullptr) continue;
    if (Index == -1) target->SetHandle(CopyBitmapHandle(listBitmap));
    else CopyImageRect(listBitmap, info.rcImage, target);
  }
}

Integer TkxImageList::GetImageBitsPerPixel(HIMAGELIST List) {
  IMAGEINFO info{};
  BITMAP bitmap{};
  if (!ImageList_GetImageInfo(List, 0, &info) || !ReadBitmapInfo(info.hbmImage, bitmap)) return 0;
  return bitmap.bmBitsPixel;
}

void TkxImageList::DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT, bool Enabled) {
  const TRect r{X, Y, X + Width(), Y + Height()};
  DrawGlyph(Canvas->Handle(), r, r, nullptr, this, Index, Enabled ? gdmNormal : gdmDisabled, false, nullptr, clNone,
            true);
}

bool ReplaceImageListImage(TkxImageList* List, Integer Index, TBitmap* Image, TBitmap* Mask) {
  const bool replaced =
      ImageList_Replace(List->Handle(), Index, Image->Handle(), Mask != nullptr ? Mask->Handle() : nullptr) != 0;
  List->Change();
  return replaced;
}

HBITMAP CopyBitmapHandle(HBITMAP Bitmap) {
  return static_cast<HBITMAP>(CopyImage(Bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
