#include "controls/editors/kx_edit_buttons.h"

#include <algorithm>

#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_control_routines.h"
#include "platform/classes/publisher.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/bitmap.h"
#include "platform/user/painting.h"
#include "platform/ui/win_control.h"

PR_PUBLISH(TkxEditButton) {
  using B = TkxEditButton;
  p.Property("Caption", &B::Caption, &B::SetCaption);
  p.Property("ContentAlignment", &B::ContentAlignment, &B::SetContentAlignment).Default(taCenter);
  p.Property("Default", &B::Default, &B::SetDefault).Default(false);
  p.Property("Enabled", &B::Enabled, &B::SetEnabled).Default(true);
  p.Property("Glyph", &B::Glyph, &B::SetGlyph).Stored(&B::GlyphStored);
  p.Property("Kind", &B::Kind, &B::SetKind).Default(bkDown);
  p.Property("LeftAlignment", &B::LeftAlignment, &B::SetLeftAlignment).Default(false);
  p.Property("Stretchable", &B::Stretchable, &B::SetStretchable).Default(true);
  p.Property("Tag", &B::Tag, &B::SetTag).NoDefault().Stored(&B::TagStored);
  p.Property("Visible", &B::Visible, &B::SetVisible).Default(true);
  p.Property("Width", &B::Width, &B::SetWidth).Default(0);
}

PR_IMPLEMENT_CLASS(TkxEditButtons)
PR_IMPLEMENT_CLASS(TkxEditButtonViewInfo)

// --- TkxEditButton ---

TkxEditButton::TkxEditButton(TCollection* Collection) : TCollectionItem(Collection) {}

TkxEditButton::~TkxEditButton() = default;

template <class T>
void TkxEditButton::StoreAndChange(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  Changed(false);
}

void TkxEditButton::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  visibleCaption_ = StripHotKeyPrefixes(Value);
  Changed(false);
}

void TkxEditButton::SetContentAlignment(TAlignment Value) { StoreAndChange(contentAlignment_, Value); }
void TkxEditButton::SetEnabled(bool Value) { StoreAndChange(enabled_, Value); }
void TkxEditButton::SetKind(TkxEditButtonKind Value) { StoreAndChange(kind_, Value); }
void TkxEditButton::SetLeftAlignment(bool Value) { StoreAndChange(leftAlignment_, Value); }
void TkxEditButton::SetStretchable(bool Value) { StoreAndChange(stretchable_, Value); }
void TkxEditButton::SetTextColor(TColor Value) { StoreAndChange(textColor_, Value); }
void TkxEditButton::SetVisible(bool Value) { StoreAndChange(visible_, Value); }
void TkxEditButton::SetWidth(Integer Value) { StoreAndChange(width_, std::max<Integer>(Value, 0)); }

void TkxEditButton::SetDefault(bool Value) {
  if (default_ == Value) return;
  if (Value && dynamic_cast<TkxEditButtons*>(Collection()) != nullptr)
    for (Integer i = 0; i < Collection()->Count(); ++i)
      static_cast<TkxEditButton*>(Collection()->Items(i))->default_ = false;
  default_ = Value;
  Changed(true);
}

TBitmap* TkxEditButton::Glyph() const {
  // Reading creates the picture: a reader that sees an empty one may draw into it.
  auto* self = const_cast<TkxEditButton*>(this);
  if (glyph_ == nullptr) self->glyph_ = std::make_unique<TBitmap>();
  glyph_->OnChange.Bind(self, &TkxEditButton::GlyphChanged);
  return glyph_.get();
}

void TkxEditButton::SetGlyph(TBitmap* Value) {
  if (Value == nullptr) {
    glyph_.reset();
  } else {
    if (glyph_ == nullptr) glyph_ = std::make_unique<TBitmap>();
    glyph_->OnChange = nullptr;
    glyph_->Assign(Value);
  }
  Changed(false);
}

bool TkxEditButton::GlyphEmpty() const { return glyph_ == nullptr || glyph_->Empty(); }

void TkxEditButton::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxEditButton*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  if (Collection() != nullptr) Collection()->BeginUpdate();
  SetCaption(source->Caption());
  visibleCaption_ = source->VisibleCaption();
  SetContentAlignment(source->ContentAlignment());
  SetDefault(source->Default());
  SetEnabled(source->Enabled());
  SetGlyph(source->Glyph());
  SetKind(source->Kind());
  SetLeftAlignment(source->LeftAlignment());
  SetStretchable(source->Stretchable());
  tag_ = source->Tag();
  SetTextColor(source->TextColor());
  SetVisible(source->Visible());
  SetWidth(source->Width());
  if (Collection() != nullptr) Collection()->EndUpdate();
}

// --- TkxEditButtons ---

TkxEditButtons::TkxEditButtons(TPersistent* AOwner, TkxEditButtonClass AButtonClass)
    : TOwnedCollection(AOwner, AButtonClass) {}

TkxEditButton* TkxEditButtons::Add() {
  BeginUpdate();
  TCollectionItem* item = nullptr;
  try {
    item = TCollection::Add();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return static_cast<TkxEditButton*>(item);
}

Integer TkxEditButtons::CountVisible() const {
  Integer count = 0;
  for (Integer i = 0; i < Count(); ++i)
    if (Items(i)->Visible()) ++count;
  return count;
}

void TkxEditButtons::Update(TCollectionItem*) {
  if (OnChange) OnChange(this);
}

// --- TkxEditButtonViewInfo ---

void TkxEditButtonViewInfo::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxEditButtonViewInfo*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  Data.NativeState = source->Data.NativeState;
  Data.BackgroundColor = source->Data.BackgroundColor;
  Bounds = source->Bounds;
  Data.Style = source->Data.Style;
  Data.State = source->Data.State;
}

bool TkxEditButtonViewInfo::LooksDifferentFrom(const TkxEditButtonViewInfo& Previous) const {
  return Data.Style != Previous.Data.Style || Data.State != Previous.Data.State ||
         Data.BackgroundColor != Previous.Data.BackgroundColor || Data.NativeState != Previous.Data.NativeState;
}

std::unique_ptr<TkxRegion> TkxEditButtonViewInfo::GetButtonRepaintRegion(const TkxEditButtonViewInfo& Previous) const {
  return LooksDifferentFrom(Previous) ? TkxRegion::CreateFromRect(Bounds) : TkxRegion::CreateEmpty();
}

bool TkxEditButtonViewInfo::Repaint(TWinControl* AControl, const TkxEditButtonViewInfo& Previous,
                                    TPoint AOffset) const {
  if (!LooksDifferentFrom(Previous)) return false;
  if (!AControl->HandleAllocated()) return true;
  TRect r = Bounds;
  OffsetRect(&r, AOffset.X, AOffset.Y);
  InvalidateRect(AControl->WindowHandle(), &r, HasBackground ? TRUE : FALSE);
  return true;
}

// --- Unit routines ---

TkxLookAndFeelKind ButtonStyleLookAndFeelKind(TkxEditButtonStyle Style) {
  switch (Style) {
    case btsFlat:
    case btsSimple:
    case btsHotFlat:
      return lfFlat;
    case btsUltraFlat:
      return lfUltraFlat;
    case btsOffice11:
      return lfOffice11;
    case btsDefault:
    case bts3D:
      break;
  }
  return lfStandard;
}

void DrawTwoColorButtonFrame(TkxCanvas* Canvas, TRect& R, TColor LeftTopColor, TColor RightBottomColor) {
  Canvas->DrawTwoColorFrame(R, LeftTopColor, RightBottomColor);
  InflateRect(&R, -1, -1);
}

void DrawButtonFrame(TkxCanvas* Canvas, TRect& R, TColor Color) {
  Canvas->FrameRect(R, Color);
  InflateRect(&R, -1, -1);
}
