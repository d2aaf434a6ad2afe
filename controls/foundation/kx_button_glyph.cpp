#include "controls/foundation/kx_button_glyph.h"

#include <algorithm>

#include "controls/foundation/kx_bitmap.h"
#include "controls/foundation/kx_glyph.h"
#include "controls/foundation/kx_graphics_routines.h"
#include "controls/foundation/kx_text_flags.h"
#include "platform/classes/publisher.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/font.h"

PR_IMPLEMENT_CLASS(TkxGlyphList)

namespace {

std::unique_ptr<TkxGlyphCache> glyphCache;

TkxGlyphCache* GlyphCache() {
  if (glyphCache == nullptr) glyphCache = std::make_unique<TkxGlyphCache>();
  return glyphCache.get();
}

enum GlyphKind : Integer { kUp = 0, kDisabled = 1, kDown = 2 };

}  // namespace

TkxGlyphCache* ExistingGlyphCache() { return glyphCache.get(); }

// --- TkxGlyphList ---

Integer TkxGlyphList::AllocateIndex(TBitmap* Image, TBitmap* Mask) {
  const auto free = std::find(used_.begin(), used_.end(), false);
  if (free != used_.end()) return Integer(free - used_.begin());
  const Integer index = AddImage(Image, Mask);
  if (index >= Integer(used_.size())) used_.resize(std::size_t(index) + 1, false);
  return index;
}

Integer TkxGlyphList::AddGlyph(TBitmap* Image, TBitmap* Mask) {
  const Integer index = AllocateIndex(Image, Mask);
  ReplaceImageListImage(this, index, Image, Mask);
  used_[std::size_t(index)] = true;
  ++usedCount_;
  return index;
}

void TkxGlyphList::ReleaseIndex(Integer Index) {
  if (Index < 0 || Index >= Integer(used_.size()) || !used_[std::size_t(Index)]) return;
  used_[std::size_t(Index)] = false;
  --usedCount_;
}

// --- TkxGlyphCache ---

TkxGlyphCache::~TkxGlyphCache() = default;

TkxGlyphList* TkxGlyphCache::GetList(Integer AWidth, Integer AHeight) {
  for (auto it = lists_.rbegin(); it != lists_.rend(); ++it)
    if ((*it)->Width() == AWidth && (*it)->Height() == AHeight) return it->get();
  auto list = std::make_unique<TkxGlyphList>(nullptr);
  list->SetSize(AWidth, AHeight);
  lists_.push_back(std::move(list));
  return lists_.back().get();
}

void TkxGlyphCache::ReleaseList(TkxGlyphList* List) {
  if (List == nullptr || List->UsedCount() != 0) return;
  std::erase_if(lists_, [List](const std::unique_ptr<TkxGlyphList>& l) { return l.get() == List; });
}

// --- TkxImageInfo ---

TkxImageInfo::TkxImageInfo(TkxButtonGlyph* AGlyph) : owner_(AGlyph), glyph_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = [this](TObject*) { owner_->GlyphChanged(); };
}

TkxImageInfo::~TkxImageInfo() = default;

bool TkxImageInfo::HasGlyph() const { return !glyph_->Empty(); }

bool TkxImageInfo::HasImage() const {
  return HasGlyph() || (images_ != nullptr && imageIndex_ >= 0 && imageIndex_ < images_->Count());
}

void TkxImageInfo::SetImages(TCustomImageList* Value) {
  if (images_ == Value) return;
  images_ = Value;
  if (imageIndex_ != -1) ImageListPartChanged();
}

void TkxImageInfo::SetImageIndex(Integer Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  if (images_ != nullptr) ImageListPartChanged();
}

void TkxImageInfo::ImageListPartChanged() {
  if (!HasGlyph()) owner_->GlyphChanged();
}

// --- TkxButtonGlyph ---

TkxButtonGlyph::TkxButtonGlyph() : imageInfo_(std::make_unique<TkxImageInfo>(this)) { GlyphCache(); }

TkxButtonGlyph::~TkxButtonGlyph() {
  ReleaseCachedImages();
  imageInfo_.reset();
  if (glyphCache != nullptr && glyphCache->ListCount() == 0) glyphCache.reset();
}

void TkxButtonGlyph::SetGlyph(TBitmap* Value) {
  imageInfo_->Glyph()->Assign(Value);
  const Integer w = Glyph()->Width(), h = Glyph()->Height();
  SetNumGlyphs(h > 0 && w % h == 0 && w / h < 5 ? w / h : 1);
}

void TkxButtonGlyph::SetNumGlyphs(Integer Value) {
  const Integer count = Value < 2 ? 1 : Value > 3 ? 4 : Value;
  if (count == numGlyphs_) return;
  numGlyphs_ = count;
  GlyphChanged();
}

TSize TkxButtonGlyph::GetGlyphSize() const {
  if (imageInfo_->HasGlyph()) return {Glyph()->Width() / numGlyphs_, Glyph()->Height()};
  if (imageInfo_->HasImage()) return {imageInfo_->Images()->Width(), imageInfo_->Images()->Height()};
  return {0, 0};
}

TRect TkxButtonGlyph::GetTextMargins(TButtonLayout) const {
  return imageInfo_->HasImage() ? TRect{0, 0, 0, 0} : TRect{1, 0, 2, 0};
}

void TkxButtonGlyph::GlyphChanged() {
  if (rendering_) return;
  ReleaseCachedImages();
  OnChange(nullptr);
}

void TkxButtonGlyph::ReleaseCachedImages() {
  if (list_ == nullptr) return;
  for (Integer& index : indices_) {
    if (index != -1) list_->ReleaseIndex(index);
    index = -1;
  }
  if (glyphCache != nullptr) glyphCache->ReleaseList(list_);
  list_ = nullptr;
}

Integer TkxButtonGlyph::GlyphKindOf(TkxButtonState State, Integer NumGlyphs) {
  switch (State) {
    case kxbsDisabled: return kDisabled;
    case kxbsPressed: return NumGlyphs < 3 ? kUp : kDown;
    default: return kUp;
  }
}

Integer TkxButtonGlyph::GetStateImageIndex(TkxButtonState State) {
  const Integer kind = GlyphKindOf(State, numGlyphs_);
  if (indices_[std::size_t(kind)] == -1 && imageInfo_->HasImage()) RenderImage(kind);
  return indices_[std::size_t(kind)];
}

// The kind's image and its mask (white where transparent) go to the cache's list of the size.
void TkxButtonGlyph::RenderImage(Integer Kind) {
  rendering_ = true;
  const struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{rendering_};
  const TSize size = GetGlyphSize();
  const TRect r{0, 0, size.cx, size.cy};
  const std::unique_ptr<TkxCustomBitmap> image = TkxCustomBitmap::CreateSize(size.cx, size.cy);
  TBitmap mask;
  mask.SetMonochrome(true);
  mask.SetSize(size.cx, size.cy);
  TkxImageInfo& info = *imageInfo_;
  if (info.HasGlyph()) {
    TBitmap* glyph = info.Glyph();
    const TColor transparent = glyph->TransparentColor();
    if (Kind == kDisabled && numGlyphs_ == 1) {
      image->Canvas()->Brush()->SetColor(transparent);
      image->Canvas()->FillRect(r);
      DrawGlyph(image->Canvas()->Handle(), r, r, glyph, nullptr, -1, gdmDisabled, false, nullptr, transparent, false);
    } else {
      const Integer column = Kind < numGlyphs_ ? Kind : 0;
      image->Canvas()->CopyRect(r, glyph->Canvas(), {column * size.cx, 0, (column + 1) * size.cx, size.cy});
    }
    image->SetTransparentColor(transparent);
    MakeGlyphMask(image.get(), &mask);
    glyph->Dormant();
  } else if (Kind == kDisabled) {
    image->Canvas()->Brush()->SetColor(clFuchsia);
    image->Canvas()->FillRect(r);
    DrawGlyph(image->Canvas()->Handle(), r, r, nullptr, info.Images(), info.ImageIndex(), gdmDisabled, false, nullptr,
              clNone, false);
    image->SetTransparentColor(clFuchsia);
    MakeGlyphMask(image.get(), &mask);
  } else {
    TkxImageList::GetImageInfo(info.Images()->Handle(), info.ImageIndex(), &mask, image.get());
  }
  if (list_ == nullptr) list_ = GlyphCache()->GetList(size.cx, size.cy);
  indices_[std::size_t(Kind)] = list_->AddGlyph(image.get(), &mask);
}

TkxGlyphLayout TkxButtonGlyph::LayoutGlyphAndText(TCanvas* Canvas, const TRect& Client, TPoint Offset,
                                                  const std::string& Caption, TButtonLayout Layout, Integer Margin,
                                                  Integer Spacing, UINT BiDiFlags, bool WordWrap) const {
  if ((BiDiFlags & DT_RIGHT) != 0) {
    if (Layout == blGlyphLeft) {
      Layout = blGlyphRight;
    } else if (Layout == blGlyphRight) {
      Layout = blGlyphLeft;
    }
  }
  TkxGlyphLayout result{};
  TPoint text{0, 0};
  if (!Caption.empty()) {
    const TRect margins = GetTextMargins(Layout);
    result.TextRect = {0, 0, Client.Width(), 0};
    ShrinkRectBySides(result.TextRect, margins);
    UINT flags = DT_CALCRECT | BiDiFlags;
    if (UsesWordBreak(WordWrap)) flags |= DT_WORDBREAK;
    DrawTextString(Canvas->Handle(), Caption, result.TextRect, -1, flags);
    text = {result.TextRect.Width() + margins.Left + margins.Right,
            result.TextRect.Height() + margins.Top + margins.Bottom};
  }
  const TPoint client{Client.Width(), Client.Height()};
  const TSize glyphSize = GetGlyphSize();
  const TPoint glyph{glyphSize.cx, glyphSize.cy};
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  TPoint glyphPos{}, textPos{};
  if (horizontal) {
    glyphPos.Y = (client.Y - glyph.Y) / 2;
    textPos.Y = (client.Y - text.Y - 1) / 2;
  } else {
    glyphPos.X = (client.X - glyph.X) / 2;
    textPos.X = (client.X - text.X) / 2;
  }
  if (text.X == 0 || glyph.X == 0) Spacing = 0;
  // Along the layout's axis.
  const Integer room = horizontal ? client.X : client.Y;
  const Integer glyphLength = horizontal ? glyph.X : glyph.Y;
  const Integer textLength = horizontal ? text.X : text.Y;
  Integer total = glyphLength + textLength;
  if (Spacing != -1) total += Spacing;
  if (Margin == -1 && Spacing == -1) {
    Margin = (room - total) / 3;
    Spacing = Margin;
  } else if (Margin == -1) {
    Margin = (room - total) / 2;
  } else if (Spacing == -1) {
    Spacing = ((room - (Margin + glyphLength)) - textLength) / 2;
  }
  switch (Layout) {
    case blGlyphLeft:
      glyphPos.X = Margin;
      textPos.X = Margin + glyph.X + Spacing;
      break;
    case blGlyphRight:
      glyphPos.X = client.X - Margin - glyph.X;
      textPos.X = glyphPos.X - Spacing - text.X;
      break;
    case blGlyphTop:
      glyphPos.Y = Margin;
      textPos.Y = Margin + glyph.Y + Spacing;
      break;
    case blGlyphBottom:
      glyphPos.Y = client.Y - Margin - glyph.Y;
      textPos.Y = glyphPos.Y - Spacing - text.Y;
      break;
  }
  result.GlyphPos = {glyphPos.X + Client.Left + Offset.X, glyphPos.Y + Client.Top + Offset.Y};
  OffsetRect(&result.TextRect, Client.Left + textPos.X + Offset.X, Client.Top + textPos.Y + Offset.Y);
  return result;
}

void TkxButtonGlyph::Draw(TCanvas* Canvas, const TRect& Client, TPoint Offset, const std::string& Caption,
                          TButtonLayout Layout, Integer Margin, Integer Spacing, TkxButtonState State, UINT BiDiFlags,
                          bool WordWrap) {
  const TkxGlyphLayout layout =
      LayoutGlyphAndText(Canvas, Client, Offset, Caption, Layout, Margin, Spacing, BiDiFlags, WordWrap);
  if (imageInfo_->HasImage()) {
    const Integer index = GetStateImageIndex(State);
    if (list_ != nullptr && index >= 0) list_->Draw(Canvas, layout.GlyphPos.X, layout.GlyphPos.Y, index, true);
  }
  UINT flags = BiDiFlags | DT_CENTER | DT_VCENTER;
  if (UsesWordBreak(WordWrap)) flags |= DT_WORDBREAK;
  PaintCaption(Canvas, Caption, layout.TextRect, State, flags);
}

void TkxButtonGlyph::PaintCaption(TCanvas* Canvas, const std::string& Caption, TRect R, TkxButtonState State,
                                  UINT Flags) {
  if (Caption.empty()) return;
  const TBrushStyle brushStyle = Canvas->Brush()->Style();
  Canvas->Brush()->SetStyle(bsClear);
  if (State == kxbsDisabled) {
    const TColor color = Canvas->Font()->Color();
    TRect shadow = R;
    OffsetRect(&shadow, 1, 1);
    Canvas->Font()->SetColor(clBtnHighlight);
    DrawTextString(Canvas->Handle(), Caption, shadow, -1, Flags);
    Canvas->Font()->SetColor(color);
  }
  DrawTextString(Canvas->Handle(), Caption, R, -1, Flags);
  Canvas->Brush()->SetStyle(brushStyle);
}
