// TkxScrollBar (unit kxScrollBar): a scroll bar drawn by the look-and-feel painters.  It keeps the
// platform scroll bar's model (Kind, Min, Max, PageSize, Position, SmallChange, LargeChange,
// OnScroll with TScrollCode values) and does its own geometry (TkxScrollBarViewInfo), hit testing,
// thumb dragging inside a tracking zone and auto-repeat of arrows and page areas on a TkxTimer.
//
// Invariants: Min <= Max, PageSize <= Max and Min <= Position <= Max; a setter that would break
// the first two raises EInvalidOperation "Scrollbar property out of range" and changes nothing.
// All arithmetic on the values is done in 64 bits and clamped into [Min, Max], so values near the
// Integer limits neither wrap nor jump to the other end.  The pressed part is set by a left-button
// press and cleared by EndScrolling; the timer runs only while an arrow or page part is pressed.
// A thumb drag stores Position without OnChange until it ends.
#pragma once

#include <memory>

#include "controls/foundation/kx_painter.h"
#include "platform/ui/custom_control.h"
#include "platform/ui/scroll_bar.h"

class TBitmap;
class TkdThemeChangedNotificator;
class TkxLookAndFeel;
class TkxScrollBar;
class TkxTimer;

// (SM_CXVSCROLL, SM_CYHSCROLL): the width of a vertical bar and the height of a horizontal one.
TSize GetSystemScrollBarSize();

class TkxScrollBarViewInfo : public TObject {
  PR_CLASS(TkxScrollBarViewInfo, TObject)

 public:
  explicit TkxScrollBarViewInfo(TkxScrollBar* AScrollBar) : scrollBar_(AScrollBar) {}

  // The arrows along the bar's axis (each at most half of its length), then the thumb.
  virtual void CalcLayout();
  void Recalculate() { CalcLayout(); }
  // The thumb and the page areas from the bar's values; no thumb when disabled, when the track is
  // shorter than the thumb or when Max = Min with a page.
  void CalcThumb();
  // Page-before and page-after beside the thumb; both empty without a thumb.
  void CalcPageRects();
  // The thumb's left-top moves to P (the thumb keeps its size).
  void MoveThumbTo(TPoint P);
  // The painter's shortest thumb for the bar's kind.
  void UpdateMinThumbLength();

  const TRect& StartArrowRect() const { return startArrow_; }
  const TRect& EndArrowRect() const { return endArrow_; }
  const TRect& PageBeforeRect() const { return pageBefore_; }
  const TRect& PageAfterRect() const { return pageAfter_; }
  const TRect& ThumbRect() const { return thumb_; }
  bool HasThumb() const;
  Integer MinThumbLength() const { return minThumbLength_; }

 private:
  TkxScrollBar* scrollBar_;
  TRect startArrow_{}, endArrow_{}, pageBefore_{}, pageAfter_{}, thumb_{};
  Integer minThumbLength_ = 0;
};

class TkxScrollBar : public TCustomControl {
  PR_CLASS(TkxScrollBar, TCustomControl)

 public:
  explicit TkxScrollBar(TComponent* AOwner);
  ~TkxScrollBar() override;

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind Value);
  Integer Min() const { return min_; }
  void SetMin(Integer Value) { SetScrollParams(Value, max_, position_, pageSize_, true); }
  Integer Max() const { return max_; }
  void SetMax(Integer Value) { SetScrollParams(min_, Value, position_, pageSize_, true); }
  Integer PageSize() const { return pageSize_; }
  void SetPageSize(Integer Value) { SetScrollParams(min_, max_, position_, Value, true); }
  Integer Position() const { return position_; }
  void SetPosition(Integer Value) { SetScrollParams(min_, max_, Value, pageSize_, true); }
  SmallInt SmallChange() const { return smallChange_; }
  void SetSmallChange(SmallInt Value) { smallChange_ = Value; }
  SmallInt LargeChange() const { return largeChange_; }
  void SetLargeChange(SmallInt Value) { largeChange_ = Value; }
  bool UnlimitedTracking() const { return unlimitedTracking_; }
  void SetUnlimitedTracking(bool Value) { unlimitedTracking_ = Value; }
  TkxLookAndFeel* LookAndFeel() const { return lookAndFeel_.get(); }
  void SetLookAndFeel(TkxLookAndFeel* Value);

  // Raises EInvalidOperation when AMax < AMin or AMax < APageSize; the position is clamped.
  void SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw);
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

  TkxLookAndFeelPainterClass GetPainter() const;
  TkxScrollBarViewInfo* ViewInfo() const { return viewInfo_.get(); }
  TkxScrollBarElement HitTestPart(TPoint P);
  TkxButtonState GetPartState(TkxScrollBarElement Part) const;
  TkxScrollBarElement PressedPart() const { return pressedPart_; }
  TkxScrollBarElement HotPart() const { return hotPart_; }
  // The position the thumb's place stands for; the position at mouse-down when the thumb fills the
  // track.
  Integer CalcPositionFromThumb() const;
  // Applies a scroll code as the platform bar does (CN_HSCROLL / CN_VSCROLL come here too).
  void ApplyScrollCode(TScrollCode Code);
  void EndScrolling();

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

  void Dispatch(TMessage& Message) override;

 protected:
  virtual void DoChange();
  virtual void PaintBar(TkxCanvas& ACanvas);
  virtual void PaintBarPart(TkxCanvas& ACanvas, const TRect& R, TkxScrollBarElement Part, TkxButtonState State);
  virtual void DoScroll(TScrollCode Code, Integer& ScrollPos);
  virtual void HandleMouseEnter(TControl* AControl);
  virtual void HandleMouseLeave(TControl* AControl);
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  bool Horizontal() const { return kind_ == sbHorizontal; }
  bool IsArrowOrPage(TkxScrollBarElement Part) const { return Part != sbeNone && Part != sbeThumb; }
  void ScrollForPart(TkxScrollBarElement Part);
  void AutoRepeatTick(TObject* Sender);
  bool IsPressedPartUnderCursor();
  void DragThumb(TPoint P);
  void DragThumbBy(Integer Delta);
  void HandleLookAndFeelChange();
  void HandleThemeChange();

  std::unique_ptr<TBitmap> bitmap_;
  std::unique_ptr<TkxCanvas> bitmapCanvas_;
  TPoint downMousePos_{};
  TScrollBarKind kind_ = sbHorizontal;
  SmallInt largeChange_ = 1;
  std::unique_ptr<TkxLookAndFeel> lookAndFeel_;
  Integer max_ = 100;
  Integer min_ = 0;
  Integer pageSize_ = 0;
  Integer position_ = 0;
  Integer downPosition_ = 0;
  TPoint downThumbPos_{};
  SmallInt smallChange_ = 1;
  std::unique_ptr<TkdThemeChangedNotificator> themeNotificator_;
  std::unique_ptr<TkxTimer> timer_;
  bool unlimitedTracking_ = false;
  TkxScrollBarElement pressedPart_ = sbeNone;
  TkxScrollBarElement hotPart_ = sbeNone;
  std::unique_ptr<TkxScrollBarViewInfo> viewInfo_;
};
