// TControlScrollBar: one of the two standard scroll bars of a scrolling control
// (TScrollingWinControl), in the control's own units.
//
// Range is the extent of the scrolled area along the bar, Position the part of it scrolled out of
// view (0 .. Range - the client extent, or 0), Increment the step of a line; a page is the client
// extent.  The window's bar shows while Visible and Range exceeds the client extent; its values
// are range 0 .. Range - 1, page = the client extent, position = Position.  Moving Position moves
// the control's non-aligned children by the difference.  Setting Range switches the control's
// AutoScroll off.  Thumb tracking moves the children only with Tracking; the thumb's release does.
#pragma once

#include "platform/classes/persistent.h"
#include "platform/ui/message.h"
#include "platform/ui/scroll_bar.h"

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
  PR_CLASS(TControlScrollBar, TPersistent)

 public:
  TControlScrollBar(TScrollingWinControl* Control, TScrollBarKind Kind) : control_(Control), kind_(Kind) {}

  TScrollBarKind Kind() const { return kind_; }
  Integer Range() const { return range_; }
  void SetRange(Integer Value);
  Integer Position() const { return position_; }
  void SetPosition(Integer Value);
  Integer Increment() const { return increment_; }
  void SetIncrement(Integer Value) { increment_ = Value; }
  Integer Margin() const { return margin_; }
  void SetMargin(Integer Value) { margin_ = Value; }
  bool Tracking() const { return tracking_; }
  void SetTracking(bool Value) { tracking_ = Value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  bool IsScrollBarVisible();
  void Assign(TPersistent* Source) override;

  // WM_HSCROLL / WM_VSCROLL of the control's own bar.
  void ScrollMessage(TMessage& Message);

 private:
  friend class TScrollingWinControl;
  Integer ClientExtent();
  Integer MaxPosition();
  void DoSetRange(Integer Value);
  void Update();   // the window's bar, and Position kept in bounds

  TScrollingWinControl* control_;
  TScrollBarKind kind_;
  Integer range_ = 0;
  Integer position_ = 0;
  Integer increment_ = 8;
  Integer margin_ = 0;
  bool tracking_ = false;
  bool visible_ = true;
};
