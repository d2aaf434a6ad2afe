// TWinControl: bounds: moving and sizing the window, the bounds read back from it, the client area,
// the size limits kept however the window is sized, and the border of BorderWidth pixels outside
// the client area.
#include "platform/ui/win_control.h"

#include "platform/gdi/clip.h"
#include "platform/gdi/draw.h"
#include "platform/ui/brush.h"
#include "platform/user/window_data.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

void TWinControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height()) return;
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (handle_ != nullptr && !IsIconic(handle_)) {
    SetWindowPos(handle_, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    UpdateBoundsRect(TRect{ALeft, ATop, ALeft + AWidth, ATop + AHeight});
  }
  UpdateAnchorRules();
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  TRect rect;
  GetWindowRect(handle_, &rect);
  if ((GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD) != 0) {
    if (HWND parent = GetParent(handle_)) MapWindowPoints(nullptr, parent, reinterpret_cast<TPoint*>(&rect), 2);
  }
  UpdateBoundsRect(rect);
  UpdateAnchorRules();
}

TRect TWinControl::ClientRect() {
  TRect rect{};
  GetClientRect(Handle(), &rect);
  return rect;
}

TPoint TWinControl::ClientOrigin() const {
  TPoint origin{0, 0};
  ::ClientToScreen(const_cast<TWinControl*>(this)->Handle(), &origin);
  return origin;
}

void TWinControl::WMSize(TMessage& Message) {
  UpdateBounds();
  DefaultHandler(Message);
  Realign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMMove(TMessage& Message) {
  DefaultHandler(Message);
  UpdateBounds();
}

// Size constraints and AutoSize hold however the window is sized (SetWindowPos, the frame, a
// maximise): a size they refuse is dropped, a size they change is changed.
void TWinControl::WMWindowPosChanging(TMessage& Message) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
  const bool busy = ComponentState().Contains(csReading) || ComponentState().Contains(csDestroying);
  if (pos != nullptr && !busy && (pos->flags & SWP_NOSIZE) == 0 && !CheckNewSize(pos->cx, pos->cy))
    pos->flags |= SWP_NOSIZE;
  DefaultHandler(Message);
}

void TWinControl::WMWindowPosChanged(TMessage& Message) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
  const bool framed = ctl3D_ && ControlStyle().Contains(csFramed) && Parent() != nullptr && pos != nullptr &&
                      (pos->flags & SWP_NOREDRAW) == 0;
  const bool visible = IsWindowVisible(handle_) != 0;
  const bool movedOrSized = pos != nullptr && visible && (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
  if (framed && movedOrSized) InvalidateFrame();
  if (!ControlState().Contains(csDestroyingHandle) && handle_ != nullptr) UpdateBounds();
  DefaultHandler(Message);
  if (framed && (movedOrSized || (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0)) InvalidateFrame();
}

void TWinControl::SetBorderWidth(TBorderWidth Value) {
  if (borderWidth_ == Value) return;
  borderWidth_ = Value;
  if (handle_ != nullptr) SetWindowPos(handle_, nullptr, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
  Realign();
}

void TWinControl::WMNCCalcSize(TMessage& Message) {
  inherited::Dispatch(Message);
  if (borderWidth_ <= 0) return;
  auto* rect = Message.WParam != 0 ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                   : reinterpret_cast<TRect*>(Message.LParam);
  InflateRect(rect, -borderWidth_, -borderWidth_);
}

void TWinControl::WMNCPaint(TMessage& Message) {
  inherited::Dispatch(Message);
  if (borderWidth_ <= 0) return;
  HDC dc = GetWindowDC(handle_);
  TRect window{};
  GetWindowRect(handle_, &window);
  TRect client{};
  GetClientRect(handle_, &client);
  TPoint origin{0, 0};
  ::ClientToScreen(handle_, &origin);
  // The ring between the frame the window layer drew and the client area.
  const Integer left = origin.X - window.Left, top = origin.Y - window.Top;
  TRect outer{left - borderWidth_, top - borderWidth_, left + client.Right + borderWidth_,
              top + client.Bottom + borderWidth_};
  ExcludeClipRect(dc, left, top, left + client.Right, top + client.Bottom);
  FillRect(dc, &outer, brush_->Handle());
  ReleaseDC(handle_, dc);
}
