// TTrackBar: a thumb sliding over a range, over the platform's track-bar window class
// (track_bar_window.h).
//
// The control keeps Min (0), Max (10), Position, Frequency (1: a tick every step with tsAuto),
// LineSize (1), PageSize (2), Orientation (trHorizontal; changing it swaps Width and Height),
// TickMarks (tmBottomRight), TickStyle (tsAuto; tsManual shows the ends and the ticks given with
// SetTick, tsNone none), SelStart / SelEnd (the selected part of the channel), ThumbLength (20) and
// SliderVisible, and gives them to the window.  A Min above Max carries Max up with it, a Max
// below Min carries Min down, so both may be set in either order; Position is kept within them.
// OnChange runs whenever Position moves, by the user (the scroll codes reflected back as
// CN_HSCROLL / CN_VSCROLL) or by code.  Default size 150 x 45, a tab stop.
#pragma once

#include <vector>

#include "platform/ui/win_control.h"

PR_ENUM(TTrackBarOrientation, trHorizontal, trVertical)
PR_ENUM(TTickMark, tmBottomRight, tmTopLeft, tmBoth)
PR_ENUM(TTickStyle, tsNone, tsAuto, tsManual)

class TTrackBar : public TWinControl {
  PR_CLASS(TTrackBar, TWinControl)

 public:
  explicit TTrackBar(TComponent* AOwner);

  Integer Min() const { return min_; }
  void SetMin(Integer Value);
  Integer Max() const { return max_; }
  void SetMax(Integer Value);
  Integer Position() const { return position_; }
  void SetPosition(Integer Value);
  Integer Frequency() const { return frequency_; }
  void SetFrequency(Integer Value);
  Integer LineSize() const { return lineSize_; }
  void SetLineSize(Integer Value);
  Integer PageSize() const { return pageSize_; }
  void SetPageSize(Integer Value);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation Value);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark Value);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle Value);
  Integer SelStart() const { return selStart_; }
  void SetSelStart(Integer Value);
  Integer SelEnd() const { return selEnd_; }
  void SetSelEnd(Integer Value);
  Integer ThumbLength() const { return thumbLength_; }
  void SetThumbLength(Integer Value);
  bool SliderVisible() const { return sliderVisible_; }
  void SetSliderVisible(bool Value);
  // A tick at Value (shown with tsManual and tsAuto); kept when the window is made again.
  void SetTick(Integer Value);

  TNotifyEvent OnChange;

  void Dispatch(TMessage& Message) override;

 protected:
  virtual void Changed();
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  void SetRange(Integer AMin, Integer AMax);
  void Send(UINT Message, WPARAM WParam, LPARAM LParam);
  template <class T>
  void SetStyleOption(T& Field, T Value);
  void CNScroll(TMessage& Message);

  Integer min_ = 0;
  Integer max_ = 10;
  Integer position_ = 0;
  Integer frequency_ = 1;
  Integer lineSize_ = 1;
  Integer pageSize_ = 2;
  TTrackBarOrientation orientation_ = trHorizontal;
  TTickMark tickMarks_ = tmBottomRight;
  TTickStyle tickStyle_ = tsAuto;
  Integer selStart_ = 0;
  Integer selEnd_ = 0;
  Integer thumbLength_ = 20;
  bool sliderVisible_ = true;
  std::vector<Integer> ticks_;
};
