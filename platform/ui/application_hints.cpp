// TApplication: hints.  Moving onto a control whose ShowHint is set starts the hint timer on the
// application window (HintPause, or HintShortPause while a hint is already up); when it fires
// the control is asked through CM_HINTSHOW (and OnShowHint) and the hint window shows the short
// hint below the cursor, hidden again after HideTimeout (HintHidePause).  Leaving the control's
// hint rectangle, a key or a click ends the hint.  Timers run on the injectable clock.
#include "platform/ui/application.h"

#include "platform/ui/hint_window.h"
#include "platform/ui/hints.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/timers.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"

namespace {

constexpr UINT_PTR kHintTimer = 1;
constexpr Integer kTimerShow = 1, kTimerHide = 2;
// The hint sits this far below the cursor's hot spot (the height of the arrow cursor).
constexpr Integer kCursorHeightMargin = 20;

TControl* HintControlOf(TControl* control) {
  while (control != nullptr && !control->ShowHint()) control = control->Parent();
  if (control != nullptr && control->ComponentState().Contains(csDesigning)) return nullptr;
  return control;
}

}  // namespace

void TApplication::SetShowHint(bool Value) {
  if (showHint_ == Value) return;
  showHint_ = Value;
  if (!Value) {
    CancelHint();
    delete hintWindow_;
    hintWindow_ = nullptr;
  }
}

void TApplication::SetHint(const std::string& Value) {
  if (hint_ == Value) return;
  hint_ = Value;
  OnHint(this);
}

void TApplication::StartHintTimer(UINT Milliseconds, Integer Mode) {
  StopHintTimer();
  hintTimerMode_ = Mode;
  SetTimer(handle_, kHintTimer, Milliseconds, nullptr);
}

void TApplication::StopHintTimer() {
  if (hintTimerMode_ == 0) return;
  KillTimer(handle_, kHintTimer);
  hintTimerMode_ = 0;
}

void TApplication::HintTimerExpired() {
  const Integer mode = hintTimerMode_;
  StopHintTimer();
  if (mode == kTimerHide) {
    HideHint();
  } else if (mode == kTimerShow) {
    TPoint p{};
    GetCursorPos(&p);
    ActivateHint(p);
  }
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message) {
  if (!showHint_) return;
  const TPoint screen = Control->ClientToScreen(MessagePos(Message));
  TControl* control = HintControlOf(FindDragTarget(screen, true));
  if (control == nullptr || !control->ShowHint()) {
    CancelHint();
    return;
  }
  if (control == hintControl_ && PtInRect(&hintCursorRect_, screen)) return;
  Integer pause = hintActive_ ? hintShortPause_ : hintPause_;
  control->Perform(CM_HINTSHOWPAUSE, hintActive_ ? 1 : 0, LPARAM(&pause));
  hintControl_ = control;
  StartHintTimer(UINT(pause), kTimerShow);
}

void TApplication::ActivateHint(TPoint CursorPos) {
  if (hintControl_ == nullptr) return;
  THintInfo info;
  info.HintControl = hintControl_;
  info.HintPos = TPoint{CursorPos.X, CursorPos.Y + kCursorHeightMargin};
  info.HintMaxWidth = Screen != nullptr ? Screen->Width() : 1024;
  info.HintColor = hintColor_;
  info.CursorRect = hintControl_->BoundsRect();
  OffsetRect(&info.CursorRect, -hintControl_->Left(), -hintControl_->Top());
  info.CursorPos = hintControl_->ScreenToClient(CursorPos);
  info.HintStr = GetShortHint(GetHint(hintControl_));
  info.HideTimeout = hintHidePause_;
  bool canShow = hintControl_->Perform(CM_HINTSHOW, 0, LPARAM(&info)) == 0;
  if (canShow) OnShowHint(info.HintStr, canShow, info);
  hintActive_ = canShow;
  if (hintActive_ && !info.HintStr.empty()) {
    if (hintWindow_ == nullptr) hintWindow_ = new THintWindow(nullptr);
    TRect rect = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr);
    OffsetRect(&rect, info.HintPos.X, info.HintPos.Y);
    const TPoint topLeft = hintControl_->ClientToScreen(TPoint{info.CursorRect.Left, info.CursorRect.Top});
    const TPoint bottomRight = hintControl_->ClientToScreen(TPoint{info.CursorRect.Right, info.CursorRect.Bottom});
    hintCursorRect_ = TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
    hintWindow_->SetColor(info.HintColor);
    hintWindow_->ActivateHint(rect, info.HintStr);
    StartHintTimer(UINT(info.ReshowTimeout > 0 ? info.ReshowTimeout : info.HideTimeout),
                   info.ReshowTimeout > 0 ? kTimerShow : kTimerHide);
    return;
  }
  if (info.ReshowTimeout > 0) StartHintTimer(UINT(info.ReshowTimeout), kTimerShow);
  else HideHint();
}

void TApplication::HideHint() {
  if (hintWindow_ != nullptr && hintWindow_->HandleAllocated() && IsWindowVisible(hintWindow_->Handle()))
    ShowWindow(hintWindow_->Handle(), SW_HIDE);
}

void TApplication::CancelHint() {
  if (hintControl_ == nullptr) return;
  HideHint();
  hintControl_ = nullptr;
  hintActive_ = false;
  StopHintTimer();
}

bool TApplication::IsHintMsg(const MSG& Msg) {
  if (hintWindow_ != nullptr && hintWindow_->IsHintMsg(Msg)) CancelHint();
  return false;
}
