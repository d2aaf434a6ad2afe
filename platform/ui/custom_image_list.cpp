#include "platform/ui/custom_image_list.h"

#include <algorithm>

#include "platform/classes/classes_errors.h"
#include "platform/classes/filer.h"
#include "platform/classes/publisher.h"
#include "platform/classes/stream.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/image_list.h"
#include "platform/gdi/image_list_stream.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/icon.h"

PR_PUBLISH(TCustomImageList) {
  p.Property("AllocBy", &TCustomImageList::AllocBy, &TCustomImageList::SetAllocBy).Default(4);
  p.Property("BlendColor", &TCustomImageList::BlendColor, &TCustomImageList::SetBlendColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("DrawingStyle", &TCustomImageList::DrawingStyle, &TCustomImageList::SetDrawingStyle).Default(dsNormal);
  p.Property("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight).Default(16);
  p.Property("ImageType", &TCustomImageList::ImageType, &TCustomImageList::SetImageType).Default(itImage);
  p.Property("Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked).Default(true);
  p.Property("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth).Default(16);
  p.Property("OnChange", &TCustomImageList::OnChange);
}

namespace {

constexpr const char* kImageIndexError = "Invalid ImageList Index";
constexpr const char* kImageReadError = "Failed to read ImageList data from stream";
constexpr const char* kImageWriteError = "Failed to write ImageList data to stream";
// Paints the brush where a monochrome source is 1, keeps the destination where it is 0.
constexpr DWORD kBrushWhereSource = 0x00E20746;

// The colour the image list calls take: CLR_NONE for clNone, CLR_DEFAULT for clDefault.
COLORREF ListColor(TColor color) {
  if (color == clNone) return CLR_NONE;
  if (color == clDefault) return CLR_DEFAULT;
  return ColorToRGB(color);
}

UINT StyleFlags(TDrawingStyle style, TImageType type) {
  static constexpr UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  return kStyles[style] | (type == itMask ? ILD_MASK : 0);
}

}  // namespace

// --- change links ---

TChangeLink::~TChangeLink() {
  if (sender_ != nullptr) sender_->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (sender_ != nullptr) OnChange(sender_);
}

bool SetLinkedImageList(TComponent& Client, TChangeLink& Link, TCustomImageList*& Field, TCustomImageList* Value) {
  if (Field == Value) return false;
  if (Field != nullptr) {
    Field->UnRegisterChanges(&Link);
    Field->RemoveFreeNotification(&Client);
  }
  Field = Value;
  if (Value != nullptr) {
    Value->RegisterChanges(&Link);
    Value->FreeNotification(&Client);
  }
  return true;
}

void LinkedImageListRemoved(TChangeLink& Link, TCustomImageList*& Field, const TComponent* Removed) {
  if (Field == nullptr || Field != Removed) return;
  // A list being freed has let go of its links already.
  if (Link.Sender() == Field) Field->UnRegisterChanges(&Link);
  Field = nullptr;
}

// --- the list ---

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::TCustomImageList(TComponent* AOwner, Integer AWidth, Integer AHeight) : TComponent(AOwner) {
  SetSize(AWidth, AHeight);
}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : links_) link->SetSender(nullptr);
  FreeHandle();
}

HIMAGELIST TCustomImageList::Handle() {
  if (handle_ == nullptr) {
    handle_ = ImageList_Create(width_, height_, CreationFlags(), allocBy_, allocBy_);
    if (handle_ == nullptr) throw EOutOfResources("Cannot create an image list");
    ImageList_SetBkColor(handle_, ListColor(bkColor_));
  }
  return handle_;
}

UINT TCustomImageList::CreationFlags() const { return (masked_ ? ILC_MASK : 0) | ILC_COLORDDB; }

void TCustomImageList::FreeHandle() {
  if (handle_ != nullptr) ImageList_Destroy(handle_);
  handle_ = nullptr;
}

void TCustomImageList::Recreate() {
  FreeHandle();
  Change();
}

Integer TCustomImageList::Count() { return handle_ != nullptr ? ImageList_GetImageCount(handle_) : 0; }

void TCustomImageList::CheckIndex(Integer Index) {
  if (Index < 0 || Index >= Count()) throw EInvalidOperation(kImageIndexError);
}

HBITMAP TCustomImageList::MaskOf(TBitmap* Mask) { return Mask != nullptr && !Mask->Empty() ? Mask->Handle() : nullptr; }

Integer TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (Image == nullptr || Image->Empty()) return -1;
  const Integer index = ImageList_Add(Handle(), Image->Handle(), MaskOf(Mask));
  if (index >= 0) Change();
  return index;
}

Integer TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (Image == nullptr || Image->Empty()) return -1;
  const Integer index = masked_ ? ImageList_AddMasked(Handle(), Image->Handle(), ListColor(MaskColor))
                                : ImageList_Add(Handle(), Image->Handle(), nullptr);
  if (index >= 0) Change();
  return index;
}

Integer TCustomImageList::AddIcon(TIcon* Image) {
  if (Image == nullptr || Image->Empty()) return -1;
  const Integer index = ImageList_AddIcon(Handle(), Image->Handle());
  if (index >= 0) Change();
  return index;
}

void TCustomImageList::AddImages(TCustomImageList* Value) {
  if (Value == nullptr || Value == this) return;
  BeginUpdate();
  TBitmap image, mask;
  for (Integer i = 0; i < Value->Count(); ++i)
    if (Value->GetImages(i, &image, &mask)) Add(&image, Value->Masked() ? &mask : nullptr);
  EndUpdate();
}

bool TCustomImageList::GetImages(Integer Index, TBitmap* Image, TBitmap* Mask) {
  if (Index < 0 || Index >= Count()) return false;
  Image->SetSize(width_, height_);
  Image->Canvas()->RequiredState({csHandleValid});
  ImageList_Draw(handle_, Index, Image->Canvas()->Handle(), 0, 0, ILD_IMAGE);
  return GetMask(Index, Mask);
}

void TCustomImageList::Insert(Integer Index, TBitmap* Image, TBitmap* Mask) {
  if (Index < 0 || Index > Count()) throw EInvalidOperation(kImageIndexError);
  BeginUpdate();
  const Integer added = Add(Image, Mask);
  if (added >= 0) Move(added, Index);
  EndUpdate();
}

void TCustomImageList::InsertMasked(Integer Index, TBitmap* Image, TColor MaskColor) {
  if (Index < 0 || Index > Count()) throw EInvalidOperation(kImageIndexError);
  BeginUpdate();
  const Integer added = AddMasked(Image, MaskColor);
  if (added >= 0) Move(added, Index);
  EndUpdate();
}

void TCustomImageList::Replace(Integer Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index);
  if (Image == nullptr || Image->Empty()) return;
  if (!ImageList_Replace(Handle(), Index, Image->Handle(), MaskOf(Mask))) throw EInvalidOperation("Failed to replace image");
  Change();
}

void TCustomImageList::ReplaceMasked(Integer Index, TBitmap* NewImage, TColor MaskColor) {
  CheckIndex(Index);
  if (NewImage == nullptr || NewImage->Empty()) return;
  // Added at the end, copied over the old image, and the added one removed.
  BeginUpdate();
  const Integer added = AddMasked(NewImage, MaskColor);
  if (added >= 0) {
    ImageList_Copy(handle_, Index, handle_, added, ILCF_MOVE);
    ImageList_Remove(handle_, added);
  }
  EndUpdate();
}

void TCustomImageList::Delete(Integer Index) {
  CheckIndex(Index);
  ImageList_Remove(Handle(), Index);
  Change();
}

// Swaps neighbours one step at a time, so the images between the two places keep their order.
void TCustomImageList::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  const Integer step = NewIndex > CurIndex ? 1 : -1;
  for (Integer i = CurIndex; i != NewIndex; i += step) ImageList_Copy(Handle(), i + step, Handle(), i, ILCF_SWAP);
  Change();
}

void TCustomImageList::Clear() {
  if (handle_ == nullptr) return;
  ImageList_Remove(handle_, -1);
  Change();
}

// --- drawing ---

void TCustomImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled) {
  Draw(Canvas, X, Y, Index, drawingStyle_, imageType_, Enabled);
}

void TCustomImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, TDrawingStyle Style,
                            TImageType Type, bool Enabled) {
  if (handle_ == nullptr || Index < 0 || Index >= Count()) return;
  DoDraw(Index, Canvas, X, Y, StyleFlags(Style, Type), Enabled);
}

void TCustomImageList::DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled) {
  Canvas->RequiredState({csHandleValid});
  if (Enabled) {
    DrawImage(Canvas->Handle(), X, Y, Index, Style);
    return;
  }
  // Embossed: the shape in clBtnHighlight one pixel right and down, then in clBtnShadow.
  HBITMAP shape = CreateBitmap(width_, height_, 1, 1, nullptr);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, shape);
  PatBlt(memory, 0, 0, width_, height_, WHITENESS);
  ImageList_Draw(handle_, Index, memory, 0, 0, ILD_MASK);
  // The mask is 0 on the picture: inverted, it selects the picture's pixels.
  PatBlt(memory, 0, 0, width_, height_, DSTINVERT);
  for (const auto& [offset, color] : {std::pair{1, clBtnHighlight}, std::pair{0, clBtnShadow}}) {
    Canvas->Brush()->SetColor(color);
    Canvas->RequiredState({csHandleValid, csBrushValid});
    HDC dc = Canvas->Handle();
    const COLORREF text = ::SetTextColor(dc, 0x000000), back = ::SetBkColor(dc, 0xFFFFFF);
    BitBlt(dc, X + offset, Y + offset, width_, height_, memory, 0, 0, kBrushWhereSource);
    ::SetTextColor(dc, text);
    ::SetBkColor(dc, back);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(shape);
}

void TCustomImageList::DrawImage(HDC DC, Integer X, Integer Y, Integer Index, UINT Style) {
  ImageList_DrawEx(handle_, Index, DC, X, Y, 0, 0, ListColor(bkColor_), ListColor(blendColor_), Style);
}

bool TCustomImageList::GetBitmap(Integer Index, TBitmap* Image) {
  if (Image == nullptr || Index < 0 || Index >= Count()) return false;
  Image->SetSize(width_, height_);
  Draw(Image->Canvas(), 0, 0, Index, dsNormal, itImage);
  return true;
}

bool TCustomImageList::GetMask(Integer Index, TBitmap* Mask) {
  if (Mask == nullptr || Index < 0 || Index >= Count()) return false;
  Mask->SetMonochrome(true);
  Mask->SetSize(width_, height_);
  Draw(Mask->Canvas(), 0, 0, Index, dsNormal, itMask);
  return true;
}

void TCustomImageList::GetIcon(Integer Index, TIcon* Image) {
  CheckIndex(Index);
  Image->SetHandle(ImageList_GetIcon(handle_, Index, ILD_NORMAL));
}

// --- properties ---

void TCustomImageList::SetSize(Integer AWidth, Integer AHeight) {
  AWidth = std::max<Integer>(AWidth, 1);
  AHeight = std::max<Integer>(AHeight, 1);
  if (AWidth == width_ && AHeight == height_) return;
  width_ = AWidth;
  height_ = AHeight;
  Recreate();
}

void TCustomImageList::SetMasked(bool Value) {
  if (masked_ == Value) return;
  masked_ = Value;
  Recreate();
}

void TCustomImageList::SetBkColor(TColor Value) {
  if (bkColor_ == Value) return;
  bkColor_ = Value;
  if (handle_ != nullptr) ImageList_SetBkColor(handle_, ListColor(Value));
  Change();
}

void TCustomImageList::SetBlendColor(TColor Value) {
  if (blendColor_ == Value) return;
  blendColor_ = Value;
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle Value) {
  if (drawingStyle_ == Value) return;
  drawingStyle_ = Value;
  Change();
}

void TCustomImageList::SetImageType(TImageType Value) {
  if (imageType_ == Value) return;
  imageType_ = Value;
  Change();
}

// --- change notification ---

void TCustomImageList::RegisterChanges(TChangeLink* Value) {
  if (Value == nullptr || std::find(links_.begin(), links_.end(), Value) != links_.end()) return;
  if (Value->Sender() != nullptr) Value->Sender()->UnRegisterChanges(Value);
  Value->SetSender(this);
  links_.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value) {
  auto it = std::find(links_.begin(), links_.end(), Value);
  if (it == links_.end()) return;
  links_.erase(it);
  Value->SetSender(nullptr);
}

void TCustomImageList::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  if (updateCount_ == 0 && changed_) {
    changed_ = false;
    Change();
  }
}

void TCustomImageList::Change() {
  if (updateCount_ > 0) {
    changed_ = true;
    return;
  }
  OnChange(this);
  // A handler may unregister links: walk a copy.
  const std::vector<TChangeLink*> links = links_;
  for (TChangeLink* link : links)
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->Change();
}

// --- form images ---

void TCustomImageList::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  bool hasData = Count() > 0;
  if (Filer->Ancestor() != nullptr) {
    auto* ancestor = dynamic_cast<TCustomImageList*>(Filer->Ancestor());
    hasData = ancestor == nullptr || !SameImages(ancestor);
  }
  Filer->DefineBinaryProperty(
      "Bitmap", [this](TStream* Stream) { ReadData(Stream); }, [this](TStream* Stream) { WriteData(Stream); },
      hasData);
}

void TCustomImageList::ReadData(TStream* Stream) {
  std::vector<std::uint8_t> bytes(std::size_t(Stream->Size() - Stream->Position()));
  Stream->ReadBuffer(bytes.data(), Integer(bytes.size()));
  HIMAGELIST list = gdi::ReadImageList(bytes);
  if (list == nullptr) throw EReadError(kImageReadError);
  FreeHandle();
  handle_ = list;
  ImageList_GetIconSize(list, &width_, &height_);
  masked_ = (ImageList_GetFlags(list) & ILC_MASK) != 0;
  const COLORREF background = ImageList_GetBkColor(list);
  bkColor_ = background == CLR_NONE ? clNone : TColor(background);
  Change();
}

void TCustomImageList::WriteData(TStream* Stream) {
  const std::vector<std::uint8_t> bytes = gdi::WriteImageList(Handle());
  if (bytes.empty()) throw EWriteError(kImageWriteError);
  Stream->WriteBuffer(bytes.data(), Integer(bytes.size()));
}

bool TCustomImageList::SameImages(TCustomImageList* Other) {
  if (Count() != Other->Count()) return false;
  return Count() == 0 || gdi::WriteImageList(Handle()) == gdi::WriteImageList(Other->Handle());
}
