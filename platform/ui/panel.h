// TCustomPanel and TPanel: a container with raised or lowered bevels and a centred caption.
//
// Paint (Frame3D rings from the outside in): BevelOuter (raised: clBtnHighlight top-left,
// clBtnShadow bottom-right; lowered: the reverse), BorderWidth rings of Color, BevelInner, then
// the inside filled with Color and the caption drawn on one line, vertically centred on the
// height of "W", aligned by Alignment.  Children are aligned inside the bevels and the border.
// BorderStyle bsSingle gives the window a sunken client edge (Ctl3D) or a plain border.
#pragma once

#include "platform/ui/custom_control.h"

PR_ENUM(TPanelBevel, bvNone, bvLowered, bvRaised, bvSpace)

class TCustomPanel : public TCustomControl {
  PR_CLASS(TCustomPanel, TCustomControl)

 public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel Value);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel Value);
  Integer BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(Integer Value);
  Integer PanelBorderWidth() const { return borderWidth_; }
  void SetPanelBorderWidth(Integer Value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool Value) { fullRepaint_ = Value; }
  bool Locked() const { return locked_; }
  void SetLocked(bool Value) { locked_ = Value; }

  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;

 private:
  void Changed();

  TAlignment alignment_ = taCenter;
  TPanelBevel bevelInner_ = bvNone;
  TPanelBevel bevelOuter_ = bvRaised;
  Integer bevelWidth_ = 1;
  Integer borderWidth_ = 0;
  TBorderStyle borderStyle_ = bsNone;
  bool fullRepaint_ = true;
  bool locked_ = false;
};

class TPanel : public TCustomPanel {
  PR_CLASS(TPanel, TCustomPanel)

 public:
  using TCustomPanel::TCustomPanel;
};
