#include "platform/ui/bit_btn.h"

#include "platform/gdi/dc.h"
#include "platform/ui/bit_btn_glyphs.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/form.h"
#include "platform/user/owner_draw.h"
#include "platform/window_classes/button_paint.h"
#include "platform/window_classes/button_window.h"

namespace {

struct KindPreset {
  const char* Caption;
  TModalResult Result;
};

// Indexed by TBitBtnKind.
constexpr KindPreset kPresets[] = {
    {"", mrNone},       {"OK", mrOk},        {"Cancel", mrCancel}, {"&Help", mrNone},
    {"&Yes", mrYes},    {"&No", mrNo},       {"&Close", mrNone},   {"Abort", mrAbort},
    {"&Retry", mrRetry}, {"&Ignore", mrIgnore}, {"&All", mrAll},
};

bool PresetDefault(TBitBtnKind Kind) { return Kind == bkOK || Kind == bkYes; }
bool PresetCancel(TBitBtnKind Kind) { return Kind == bkCancel || Kind == bkNo; }

}  // namespace

PR_PUBLISH(TBitBtn) {
  PublishAction(p);
  PublishAnchors(p);
  PublishBiDiMode(p);
  p.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Stored(&TBitBtn::IsCustom).Default(false);
  p.Property("Caption", &TControl::Caption, &TControl::SetCaption).Stored(&TBitBtn::IsCustomCaption);
  PublishConstraints(p);
  p.Property("Default", &TButton::Default, &TButton::SetDefault).Stored(&TBitBtn::IsCustom).Default(false);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph).Stored(&TBitBtn::IsCustom);
  p.Property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
  p.Property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft);
  p.Property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
  p.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Stored(&TBitBtn::IsCustom).Default(0);
  p.Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Stored(&TBitBtn::IsCustom).Default(1);
  PublishParentBiDiMode(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
}

TBitBtn::TBitBtn(TComponent* AOwner)
    : TButton(AOwner), glyph_(std::make_unique<TButtonGlyph>()), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
  glyph_->OnChange = [this](TObject*) { Changed(); };
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::Changed() {
  if (HandleAllocated()) Invalidate();
}

TBitBtnKind TBitBtn::Kind() const {
  if (kind_ == bkCustom) return bkCustom;
  const bool matches = PresetDefault(kind_) == Default() && PresetCancel(kind_) == Cancel() &&
                       ModalResult() == kPresets[kind_].Result && !modifiedGlyph_;
  return matches ? kind_ : bkCustom;
}

void TBitBtn::SetKind(TBitBtnKind Value) {
  if (Value == Kind()) return;
  if (Value != bkCustom) {
    SetDefault(PresetDefault(Value));
    SetCancel(PresetCancel(Value));
    // A form image read before Kind keeps its own caption.
    if (!ComponentState().Contains(csLoading) || Caption().empty()) SetCaption(kPresets[Value].Caption);
    SetModalResult(kPresets[Value].Result);
    TBitmap picture;
    LoadBitBtnGlyph(Value, &picture);
    glyph_->SetGlyph(&picture);
    glyph_->SetNumGlyphs(1);
    modifiedGlyph_ = false;
  }
  kind_ = Value;
  Changed();
}

bool TBitBtn::IsCustomCaption() const { return Caption() != kPresets[kind_].Caption; }

void TBitBtn::SetGlyph(TBitmap* Value) {
  glyph_->SetGlyph(Value);
  modifiedGlyph_ = true;
}

void TBitBtn::SetLayout(TButtonLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Changed();
}

void TBitBtn::SetMargin(Integer Value) {
  if (margin_ == Value || Value < -1) return;
  margin_ = Value;
  Changed();
}

void TBitBtn::SetSpacing(Integer Value) {
  if (spacing_ == Value) return;
  spacing_ = Value;
  Changed();
}

// A Close button closes its form instead of clicking (a button on no form clicks).
void TBitBtn::Click() {
  TCustomForm* form = Kind() == bkClose ? GetParentForm(this) : nullptr;
  if (form != nullptr) return form->Close();
  inherited::Click();
}

void TBitBtn::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = (Params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

// The window stays owner-drawn: the default frame is this control's own drawing.
void TBitBtn::SetButtonStyle(bool) { Changed(); }

void TBitBtn::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_DRAWITEM) return DrawItem(Message);
  inherited::Dispatch(Message);
}

void TBitBtn::DrawItem(TMessage& Message) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const TRect content = PaintPushFrame(item.hDC, item.rcItem, Active(), pressed);
  const TButtonState state = disabled ? bsDisabled : pressed ? bsDown : bsUp;
  canvas_->PaintOn(item.hDC, [&] {
    canvas_->SetFont(Font());
    glyph_->Draw(canvas_.get(), content, TPoint{}, Caption(), layout_, margin_, spacing_, state,
                 UINT(DrawTextBiDiModeFlags(0)));
  });
  if ((item.itemState & ODS_FOCUS) != 0) PaintPushFocus(item.hDC, item.rcItem);
  Message.Result = 1;
}
