// TCustomLabel and TLabel: a caption drawn on the parent, optionally sizing itself to its text.
//
// Paint: unless Transparent, the bounds are filled with Color; the caption is drawn with DrawText
// (DT_EXPANDTABS, DT_WORDBREAK when WordWrap, the alignment, DT_NOPREFIX unless ShowAccelChar),
// vertically by Layout; disabled, it is embossed (clBtnHighlight one pixel right and down, then
// clBtnShadow).  AutoSize fits the bounds to the text as measured with DT_CALCRECT (an empty
// caption measures as one blank); a right-aligned label keeps its right edge.  The caption's
// accelerator character, typed as a dialog character, focuses FocusControl.
#pragma once

#include "platform/ui/canvas.h"
#include "platform/ui/graphic_control.h"


class TCustomLabel : public TGraphicControl {
  PR_CLASS(TCustomLabel, TGraphicControl)

 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout Value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool Value);
  bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
  void SetTransparent(bool Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);
  void SetAutoSize(bool Value) override;

  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual std::string GetLabelText() const { return Caption(); }
  virtual void DoDrawText(TRect& Rect, UINT Flags);
  virtual void AdjustBounds();

 private:
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
  PR_CLASS(TLabel, TCustomLabel)

 public:
  using TCustomLabel::TCustomLabel;
};
