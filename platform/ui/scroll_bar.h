// TScrollBar: a scroll bar control over the SCROLLBAR window class.
//
// The control keeps Min, Max, Position and PageSize and tells the window; a press or a key comes
// back reflected as CN_HSCROLL / CN_VSCROLL and runs Scroll (OnScroll) with the position the code
// asks for (SmallChange per line, LargeChange per page, the thumb's position, Min or Max, kept
// within Min..Max), which OnScroll may change, then sets Position (OnChange when it moved).
// SetParams refuses Max below Min or below PageSize with EInvalidOperation
// "Scrollbar property out of range"; a position outside Min..Max is pulled inside.
#pragma once

#include "platform/ui/win_control.h"

PR_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
PR_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll)

using TScrollEvent = Event<void(TObject* Sender, TScrollCode ScrollCode, Integer& ScrollPos)>;

class TScrollBar : public TWinControl {
  PR_CLASS(TScrollBar, TWinControl)

 public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind Value);
  Integer Min() const { return min_; }
  void SetMin(Integer Value) { SetParams(position_, Value, max_); }
  Integer Max() const { return max_; }
  void SetMax(Integer Value) { SetParams(position_, min_, Value); }
  Integer Position() const { return position_; }
  void SetPosition(Integer Value) { SetParams(Value, min_, max_); }
  Integer PageSize() const { return pageSize_; }
  void SetPageSize(Integer Value);
  Integer SmallChange() const { return smallChange_; }
  void SetSmallChange(Integer Value) { smallChange_ = Value; }
  Integer LargeChange() const { return largeChange_; }
  void SetLargeChange(Integer Value) { largeChange_ = Value; }
  void SetParams(Integer APosition, Integer AMin, Integer AMax);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

  void Dispatch(TMessage& Message) override;

 protected:
  virtual void Change();
  virtual void Scroll(TScrollCode ScrollCode, Integer& ScrollPos);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  void DoScroll(TMessage& Message);
  void SendInfo(UINT Mask);

  TScrollBarKind kind_ = sbHorizontal;
  Integer min_ = 0;
  Integer max_ = 100;
  Integer position_ = 0;
  Integer pageSize_ = 0;
  Integer smallChange_ = 1;
  Integer largeChange_ = 1;
};
