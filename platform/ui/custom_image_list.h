// TCustomImageList: a row of equally sized pictures kept in a drawing-layer image
// list, drawn by index; and TChangeLink, through which the controls that show a list's images hear
// of its changes.
//
// The handle is made on first use with the list's Width x Height (default 16 x 16), masked unless
// Masked is false, in device colours, growing by AllocBy.  Changing Width, Height or Masked clears
// the list.  BkColor (clNone: transparent) and BlendColor (clNone) go to ImageList_DrawEx;
// DrawingStyle dsFocus / dsSelected blend 25% / 50% of BlendColor into the image, dsTransparent
// draws over the destination whatever BkColor says.  ImageType itMask draws the mask alone.
// Draw with Enabled false draws the image as the classic look draws a disabled one: its shape (the
// mask) embossed in clBtnHighlight one pixel right and down, then in clBtnShadow.
//
// Every change (adding, replacing, deleting, moving, clearing, the size, the colours, a new handle)
// fires OnChange and the OnChange of every registered link, once per change, or once at EndUpdate
// for changes made between BeginUpdate and EndUpdate.  A link unregisters itself when it is freed
// and a list clears the Sender of its links when it is freed.
//
// Form images keep the images as the binary property "Bitmap" (written when the list has images,
// or differs from its ancestor's) in the drawing layer's image-list stream form
// (platform/gdi/image_list_stream.h).  Reading it replaces the list's images and takes the
// stream's image size, mask and background colour; data that is not an image list's stream
// raises EReadError "Failed to read ImageList data from stream".
#pragma once

#include <vector>

#include "platform/classes/component.h"
#include "platform/classes/event.h"
#include "platform/classes/type_info.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TIcon;
class TStream;

PR_ENUM(TDrawingStyle, dsFocus, dsSelected, dsNormal, dsTransparent)
PR_ENUM(TImageType, itImage, itMask)

class TChangeLink {
 public:
  TChangeLink() = default;
  ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;

  TCustomImageList* Sender() const { return sender_; }
  void SetSender(TCustomImageList* Value) { sender_ = Value; }
  void Change();

  TNotifyEvent OnChange;

 private:
  TCustomImageList* sender_ = nullptr;
};

// A client's reference to an image list through Link: SetLinkedImageList points Field at Value,
// Link hearing Value's changes and Client its freeing (false when Field was Value already);
// LinkedImageListRemoved, from the client's Notification, lets go of a removed list.
bool SetLinkedImageList(TComponent& Client, TChangeLink& Link, TCustomImageList*& Field, TCustomImageList* Value);
void LinkedImageListRemoved(TChangeLink& Link, TCustomImageList*& Field, const TComponent* Removed);

class TCustomImageList : public TComponent {
  PR_CLASS(TCustomImageList, TComponent)

 public:
  explicit TCustomImageList(TComponent* AOwner);
  TCustomImageList(TComponent* AOwner, Integer AWidth, Integer AHeight);   // CreateSize
  ~TCustomImageList() override;

  // Adding answers the index of the first image added, -1 when nothing was.  A bitmap adds as many
  // images as it is wide (a partial last image is dropped).
  Integer Add(TBitmap* Image, TBitmap* Mask);
  Integer AddMasked(TBitmap* Image, TColor MaskColor);
  Integer AddIcon(TIcon* Image);
  void AddImages(TCustomImageList* Value);
  void Insert(Integer Index, TBitmap* Image, TBitmap* Mask);
  void InsertMasked(Integer Index, TBitmap* Image, TColor MaskColor);
  void Replace(Integer Index, TBitmap* Image, TBitmap* Mask);
  void ReplaceMasked(Integer Index, TBitmap* NewImage, TColor MaskColor);
  void Delete(Integer Index);
  void Move(Integer CurIndex, Integer NewIndex);
  void Clear();

  void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled = true);
  void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, TDrawingStyle Style, TImageType Type,
            bool Enabled = true);
  // The image (or its mask) as a bitmap of the list's size; false for a bad index.
  bool GetBitmap(Integer Index, TBitmap* Image);
  bool GetMask(Integer Index, TBitmap* Mask);
  // The image without its mask, and the mask (white where the image is transparent).
  bool GetImages(Integer Index, TBitmap* Image, TBitmap* Mask);
  void GetIcon(Integer Index, TIcon* Image);

  Integer Count();
  HIMAGELIST Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  Integer Width() const { return width_; }
  void SetWidth(Integer Value) { SetSize(Value, height_); }
  Integer Height() const { return height_; }
  void SetHeight(Integer Value) { SetSize(width_, Value); }
  void SetSize(Integer AWidth, Integer AHeight);
  bool Masked() const { return masked_; }
  void SetMasked(bool Value);
  Integer AllocBy() const { return allocBy_; }
  void SetAllocBy(Integer Value) { allocBy_ = Value; }
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor Value);
  TColor BlendColor() const { return blendColor_; }
  void SetBlendColor(TColor Value);
  TDrawingStyle DrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(TDrawingStyle Value);
  TImageType ImageType() const { return imageType_; }
  void SetImageType(TImageType Value);

  void RegisterChanges(TChangeLink* Value);
  void UnRegisterChanges(TChangeLink* Value);
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  void DefineProperties(TFiler* Filer) override;
  // The ILC_ flags the handle is made with: ILC_COLORDDB, with ILC_MASK when Masked.
  virtual UINT CreationFlags() const;
  // Draws an image that exists; Style holds the ILD_ flags of the drawing style and image type.
  // Enabled, it is the list's own drawing; disabled, the embossed shape.
  virtual void DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled);

 private:
  void FreeHandle();
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);
  bool SameImages(TCustomImageList* Other);
  void Recreate();
  void CheckIndex(Integer Index);
  HBITMAP MaskOf(TBitmap* Mask);
  void DrawImage(HDC DC, Integer X, Integer Y, Integer Index, UINT Style);
  void DrawDisabled(HDC DC, Integer X, Integer Y, Integer Index);

  HIMAGELIST handle_ = nullptr;
  Integer width_ = 16;
  Integer height_ = 16;
  bool masked_ = true;
  Integer allocBy_ = 4;
  TColor bkColor_ = clNone;
  TColor blendColor_ = clNone;
  TDrawingStyle drawingStyle_ = dsNormal;
  TImageType imageType_ = itImage;
  std::vector<TChangeLink*> links_;
  Integer updateCount_ = 0;
  bool changed_ = false;   // a change waits for EndUpdate
};
