// TControlLook; see control_look.h.
#include "grid/control_look.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/ui/bitmap.h"

PR_PUBLISH(TControlLook) {
  p.Property("CheckAlwaysActive", &TControlLook::CheckAlwaysActive, &TControlLook::SetCheckAlwaysActive).Default(false);
  p.Property("CheckedGlyph", &TControlLook::CheckedGlyph, &TControlLook::SetCheckedGlyph);
  p.Property("CheckSize", &TControlLook::CheckSize, &TControlLook::SetCheckSize).Default(15);
  p.Property("Color", &TControlLook::Color, &TControlLook::SetColor).Type(ColorTypeInfo()).Default(clBlack);
  p.Property("CommentColor", &TControlLook::CommentColor, &TControlLook::SetCommentColor)
      .Type(ColorTypeInfo())
      .Default(clRed);
  p.Property("ControlStyle", &TControlLook::ControlStyle, &TControlLook::SetControlStyle).Default(ProGrid::csWinXP);
  p.Property("DropDownAlwaysVisible", &TControlLook::DropDownAlwaysVisible, &TControlLook::SetDropDownAlwaysVisible)
      .Default(false);
  p.Property("FixedGradientFrom", &TControlLook::FixedGradientFrom, &TControlLook::SetFixedGradientFrom)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("FixedGradientTo", &TControlLook::FixedGradientTo, &TControlLook::SetFixedGradientTo)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("FlatButton", &TControlLook::FlatButton, &TControlLook::SetFlatButton).Default(false);
  p.Property("NoDisabledButtonLook", &TControlLook::NoDisabledButtonLook, &TControlLook::SetNoDisabledButtonLook)
      .Default(false);
  p.Property("NoDisabledCheckRadioLook", &TControlLook::NoDisabledCheckRadioLook,
             &TControlLook::SetNoDisabledCheckRadioLook)
      .Default(false);
  p.Property("ProgressBorderColor", &TControlLook::ProgressBorderColor, &TControlLook::SetProgressBorderColor)
      .Type(ColorTypeInfo())
      .Default(clGray);
  p.Property("ProgressMarginX", &TControlLook::ProgressMarginX, &TControlLook::SetProgressMarginX).Default(2);
  p.Property("ProgressMarginY", &TControlLook::ProgressMarginY, &TControlLook::SetProgressMarginY).Default(2);
  p.Property("ProgressXP", &TControlLook::ProgressXP, &TControlLook::SetProgressXP).Default(false);
  p.Property("RadioAlwaysActive", &TControlLook::RadioAlwaysActive, &TControlLook::SetRadioAlwaysActive).Default(false);
  p.Property("RadioOffGlyph", &TControlLook::RadioOffGlyph, &TControlLook::SetRadioOffGlyph);
  p.Property("RadioOnGlyph", &TControlLook::RadioOnGlyph, &TControlLook::SetRadioOnGlyph);
  p.Property("RadioSize", &TControlLook::RadioSize, &TControlLook::SetRadioSize).Default(10);
  p.Property("UnCheckedGlyph", &TControlLook::UnCheckedGlyph, &TControlLook::SetUnCheckedGlyph);
}

TControlLook::TControlLook(TProStringGrid* AGrid)
    : grid_(AGrid),
      checkedGlyph_(std::make_unique<TBitmap>()),
      unCheckedGlyph_(std::make_unique<TBitmap>()),
      radioOnGlyph_(std::make_unique<TBitmap>()),
      radioOffGlyph_(std::make_unique<TBitmap>()) {}

TControlLook::~TControlLook() = default;

template <class T>
void TControlLook::Change(T& Field, T Value) {
  Field = Value;
  grid_->Invalidate();
}

void TControlLook::ChangeGlyph(TBitmap* Glyph, TBitmap* Value) {
  Glyph->Assign(Value);
  grid_->Invalidate();
}

void TControlLook::SetColor(TColor Value) { Change(color_, Value); }
void TControlLook::SetCommentColor(TColor Value) { Change(commentColor_, Value); }
void TControlLook::SetCheckedGlyph(TBitmap* Value) { ChangeGlyph(checkedGlyph_.get(), Value); }
void TControlLook::SetUnCheckedGlyph(TBitmap* Value) { ChangeGlyph(unCheckedGlyph_.get(), Value); }
void TControlLook::SetRadioOnGlyph(TBitmap* Value) { ChangeGlyph(radioOnGlyph_.get(), Value); }
void TControlLook::SetRadioOffGlyph(TBitmap* Value) { ChangeGlyph(radioOffGlyph_.get(), Value); }
void TControlLook::SetCheckSize(Integer Value) { Change(checkSize_, Value); }
void TControlLook::SetRadioSize(Integer Value) { Change(radioSize_, Value); }
void TControlLook::SetControlStyle(ProGrid::TControlStyle Value) { Change(controlStyle_, Value); }
void TControlLook::SetDropDownAlwaysVisible(bool Value) { Change(dropDownAlwaysVisible_, Value); }
void TControlLook::SetFlatButton(bool Value) { Change(flatButton_, Value); }
void TControlLook::SetNoDisabledCheckRadioLook(bool Value) { Change(noDisabledCheckRadioLook_, Value); }
void TControlLook::SetNoDisabledButtonLook(bool Value) { Change(noDisabledButtonLook_, Value); }
void TControlLook::SetProgressMarginX(Integer Value) { Change(progressMarginX_, Value); }
void TControlLook::SetProgressMarginY(Integer Value) { Change(progressMarginY_, Value); }
void TControlLook::SetProgressXP(bool Value) { Change(progressXP_, Value); }

void TControlLook::SetFixedGradientFrom(TColor Value) {
  fixedGradientFrom_ = Value;
  if (Value != clNone) grid_->SetFixedGradientFrom(Value);
}

void TControlLook::SetFixedGradientTo(TColor Value) {
  fixedGradientTo_ = Value;
  if (Value != clNone) grid_->SetFixedGradientTo(Value);
}

void TControlLook::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TControlLook*>(Source);
  if (source == nullptr) return;
  checkSize_ = source->checkSize_;
  radioSize_ = source->radioSize_;
  controlStyle_ = source->controlStyle_;
  checkedGlyph_->Assign(source->CheckedGlyph());
  unCheckedGlyph_->Assign(source->UnCheckedGlyph());
  radioOnGlyph_->Assign(source->RadioOnGlyph());
  radioOffGlyph_->Assign(source->RadioOffGlyph());
  progressMarginX_ = source->progressMarginX_;
  progressMarginY_ = source->progressMarginY_;
  commentColor_ = source->commentColor_;
  color_ = source->color_;
  ProgressBorderColor_ = source->ProgressBorderColor_;
  CheckAlwaysActive_ = source->CheckAlwaysActive_;
  RadioAlwaysActive_ = source->RadioAlwaysActive_;
}
