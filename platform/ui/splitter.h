// TSplitter: a bar between an aligned control and the rest of its parent; dragging it resizes that
// control.
//
// The control resized is the visible, enabled sibling touching the splitter's outer side: the one
// containing the point just left of (alLeft), right of (alRight), above (alTop) or below
// (alBottom) the splitter.  Its new size along the splitter's axis is its size plus (alLeft,
// alTop) or minus (alRight, alBottom) the distance dragged, limited to [MinSize, MaxSize], where
// MaxSize is the parent's client extent less MinSize and less the other controls aligned on the
// same axis (the resized control's own size counted back in).  OnCanResize may change the size or
// refuse it; with AutoSnap a size at or below MinSize collapses the control to 0.
// ResizeStyle: rsUpdate resizes while dragging; rsLine and rsPattern show where the splitter
// will go as an inverted bar on the parent (black, or the checkerboard) and resize on release;
// rsNone resizes on release only.  OnMoved follows every size change.
// Look: Color; Beveled adds a groove: clBtnHighlight one pixel right and down, then clBtnShadow.
#pragma once

#include "platform/ui/graphic_control.h"

PR_ENUM(TResizeStyle, rsNone, rsLine, rsUpdate, rsPattern)

// The splitter's own OnCanResize (one size, along its axis) hides the control's.
using TSplitterCanResizeEvent = Event<void(TObject* Sender, Integer& NewSize, bool& Accept)>;

class TSplitter : public TGraphicControl {
  PR_CLASS(TSplitter, TGraphicControl)

 public:
  explicit TSplitter(TComponent* AOwner);

  bool AutoSnap() const { return autoSnap_; }
  void SetAutoSnap(bool Value) { autoSnap_ = Value; }
  bool Beveled() const { return beveled_; }
  void SetBeveled(bool Value);
  Integer MinSize() const { return minSize_; }
  void SetMinSize(Integer Value);
  TResizeStyle ResizeStyle() const { return resizeStyle_; }
  void SetResizeStyle(TResizeStyle Value) { resizeStyle_ = Value; }

  TSplitterCanResizeEvent OnCanResize;
  TNotifyEvent OnMoved;
  TNotifyEvent OnPaint;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  virtual bool CanResize(Integer& NewSize);
  void RequestAlign() override;

 private:
  bool Vertical() const { return Align() == alLeft || Align() == alRight; }
  TControl* FindControl() const;
  Integer MaxSizeFor(TControl* Control) const;
  void CalcSplitSize(Integer X, Integer Y, Integer& NewSize, Integer& Split) const;
  bool DoCanResize(Integer& NewSize);
  void UpdateControlSize();
  void DrawLine();
  void StopSizing();

  bool autoSnap_ = true;
  bool beveled_ = false;
  Integer minSize_ = 30;
  TResizeStyle resizeStyle_ = rsPattern;
  // While dragging:
  TControl* control_ = nullptr;   // the control being resized
  TPoint downPos_{};
  Integer maxSize_ = 0;
  Integer newSize_ = 0;
  Integer oldSize_ = -1;
  Integer split_ = 0;
  bool lineVisible_ = false;
};
