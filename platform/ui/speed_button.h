// TSpeedButton: a button without a window of its own, drawn on its parent, with a glyph, and
// optionally held down as one of a group.
//
// State (TButtonState): bsUp; bsDown while the left button is held on it (bsUp again when the
// mouse is dragged off, bsDown when it comes back); bsExclusive while Down; bsDisabled while not
// Enabled.  The click comes when the left button is released over the button.
// Groups: GroupIndex 0 never stays down.  With GroupIndex > 0 a click toggles Down (a down button
// goes up only when AllowAllUp); a button going down sends CM_BUTTONPRESSED (WParam the group, LParam
// the button) to its parent's controls, and every other button of the group goes up and takes
// the sender's AllowAllUp.
// Look: a classic push-button frame (pressed when down); Flat: nothing but the face (filled with
// Color unless Transparent, the default) until the mouse is over it (a raised inner edge) or it
// is pressed (a sunken outer edge).  A held-down button's face, unless a flat one under the mouse,
// is a checkerboard of clBtnFace and clBtnHighlight.  Glyph and caption (button_glyph.h) move one pixel right and down while
// pressed.
#pragma once

#include <memory>

#include "platform/ui/button_glyph.h"
#include "platform/ui/graphic_control.h"

class TBitmap;

class TSpeedButton : public TGraphicControl {
  PR_CLASS(TSpeedButton, TGraphicControl)

 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool Value);
  Integer GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(Integer Value);
  bool Down() const { return down_; }
  void SetDown(bool Value);
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  TBitmap* Glyph() const { return glyph_->Glyph(); }
  void SetGlyph(TBitmap* Value) { glyph_->SetGlyph(Value); }
  Integer NumGlyphs() const { return glyph_->NumGlyphs(); }
  void SetNumGlyphs(Integer Value) { glyph_->SetNumGlyphs(Value); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout Value);
  Integer Margin() const { return margin_; }
  void SetMargin(Integer Value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer Value);

  TButtonState State() const { return state_; }
  // True while the mouse is over a flat, enabled button.
  bool MouseInControl() const { return mouseInControl_; }

  void Dispatch(TMessage& Message) override;

 protected:
  TClass GetActionLinkClass() const override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  // The state an enabled button rests in: held down or up.
  TButtonState RestState() const { return down_ ? bsExclusive : bsUp; }

 private:
  bool Inside(Integer X, Integer Y) const { return X >= 0 && Y >= 0 && X < Width() && Y < Height(); }
  void SetState(TButtonState Value);
  void UpdateExclusive();
  void PaintFace(TRect& Rect, bool Pressed);
  void CMButtonPressed(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);

  std::unique_ptr<TButtonGlyph> glyph_;
  Integer groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
  bool flat_ = false;
  bool transparent_ = true;
  bool dragging_ = false;
  bool mouseInControl_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  Integer margin_ = -1;
  Integer spacing_ = 4;
  TButtonState state_ = bsUp;
};
