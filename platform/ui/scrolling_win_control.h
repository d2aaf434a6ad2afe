// TScrollingWinControl and TScrollBox: controls whose children scroll under two standard scroll
// bars (HorzScrollBar, VertScrollBar: TControlScrollBar).
//
// With AutoScroll (the default) the ranges follow the children: the right-most and bottom-most
// edges of the visible non-aligned children (children aligned left or right count across, top or
// bottom down), plus the bar's Margin, measured from the scrolled area's origin.  ScrollInView
// scrolls just far enough for a child to show whole (its left or top edge wins when it cannot);
// AutoScrollInView does it for a child that takes the focus, while AutoScroll is on.  Scrolling
// moves the non-aligned children; aligned children stay in the client area.
#pragma once

#include <memory>

#include "platform/ui/control_scroll_bar.h"
#include "platform/ui/win_control.h"

class TScrollingWinControl : public TWinControl {
  PR_CLASS(TScrollingWinControl, TWinControl)

 public:
  explicit TScrollingWinControl(TComponent* AOwner);
  ~TScrollingWinControl() override;

  TControlScrollBar* HorzScrollBar() const { return horz_.get(); }
  void SetHorzScrollBar(TControlScrollBar* Value) { horz_->Assign(Value); }
  TControlScrollBar* VertScrollBar() const { return vert_.get(); }
  void SetVertScrollBar(TControlScrollBar* Value) { vert_->Assign(Value); }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool Value);
  void ScrollInView(TControl* AControl);
  // Moves the non-aligned children by DeltaX, DeltaY pixels.
  void ScrollBy(Integer DeltaX, Integer DeltaY);
  void UpdateScrollBars();

  void Dispatch(TMessage& Message) override;

 protected:
  virtual void AutoScrollInView(TControl* AControl);
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void CreateWnd() override;

 private:
  friend class TControlScrollBar;
  void CalcAutoRange();

  std::unique_ptr<TControlScrollBar> horz_;
  std::unique_ptr<TControlScrollBar> vert_;
  bool autoScroll_ = true;
  bool updating_ = false;    // the bars are being brought up to date
  bool scrolling_ = false;   // children are moving: their places say nothing of the range
};

class TScrollBox : public TScrollingWinControl {
  PR_CLASS(TScrollBox, TScrollingWinControl)

 public:
  explicit TScrollBox(TComponent* AOwner);

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  TBorderStyle borderStyle_ = bsSingle;
};
