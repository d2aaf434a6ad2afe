// TkxImageList: an image list of 32-bit images with masks, drawn through the glyph renderer
// (enabled: as it is; disabled: the renderer's disabled look), whose change reports can be held
// back while it is locked.
#pragma once

#include "platform/ui/drag_image_list.h"

class TBitmap;

class TkxImageList : public TDragImageList {
  PR_CLASS(TkxImageList, TDragImageList)

 public:
  using TDragImageList::TDragImageList;

  // Changes are not reported while locked; unlocking reports one when asked.
  void LockChanges() { ++lockCount_; }
  void UnlockChanges(bool Change = true);
  bool IsLocked() const { return lockCount_ > 0; }
  // Adds the image with its mask, or with an opaque mask when none is given; the new index.
  Integer AddImage(TBitmap* Image, TBitmap* Mask);
  // Copies the source's images First .. Last (Last -1 or past the end: to the last image; First
  // below 0: from the first) with their masks, then reports one change.
  void CopyImages(TCustomImageList* Source, Integer First = 0, Integer Last = -1);
  // From another image list: its size and colours, then its images as 32-bit images.  Other
  // sources are ignored.
  void Assign(TPersistent* Source) override;
  // The image (and mask) of the list's Index (-1: the whole strip) copied into the bitmaps given;
  // nothing when the list cannot tell.  The list's own bitmaps are left alone.
  static void GetImageInfo(HIMAGELIST List, Integer Index, TBitmap* Mask, TBitmap* Image);
  // The bits per pixel of the list's image bitmap; 0 when the list cannot tell.
  static Integer GetImageBitsPerPixel(HIMAGELIST List);

 protected:
  void Change() override;
  UINT CreationFlags() const override;
  void DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled) override;

 private:
  friend bool ReplaceImageListImage(TkxImageList* List, Integer Index, TBitmap* Image, TBitmap* Mask);
  Integer lockCount_ = 0;
};

// Replaces the image and mask at Index, then reports a change; true on success.
bool ReplaceImageListImage(TkxImageList* List, Integer Index, TBitmap* Image, TBitmap* Mask);
// A DIB-section copy of the bitmap (CopyImage with LR_CREATEDIBSECTION), null for none.
HBITMAP CopyBitmapHandle(HBITMAP Bitmap);
