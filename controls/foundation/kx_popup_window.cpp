#include "controls/foundation/kx_popup_window.h"

#include <algorithm>

#include "controls/foundation/kx_controls_unit.h"
#include "platform/classes/publisher.h"
#include "platform/ui/control_messages.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"

PR_IMPLEMENT_CLASS(TkxPopupWindow)

namespace {

// The opening rule of one axis: Lo/Hi are the owner's edges on that axis, Size the popup's extent.
// Beside: 0 places before Lo (the far edge at Lo), 2 after Hi; aligned: 0 starts at Lo, 2 ends at Hi.
struct AxisPlace {
  Integer Pos;
  Integer Anchor;
};

AxisPlace PlaceOnAxis(Byte Side, bool Opening, Integer Lo, Integer Hi, Integer Size) {
  if (Side == 1) {
    const Integer pos = (Lo + Hi - Size) / 2;
    return {pos, pos};
  }
  if (Opening) return Side == 0 ? AxisPlace{Lo - Size, Lo} : AxisPlace{Hi, Hi};
  return Side == 0 ? AxisPlace{Lo, Lo} : AxisPlace{Hi - Size, Hi};
}

// Flips the opening side when the popup runs past the work area there and the other side has
// more room (before: the space before the owner, after: the space after it).
Byte FlipOpeningSide(Byte Side, Integer Pos, Integer Size, Integer AreaLo, Integer AreaHi, Integer Lo, Integer Hi) {
  const Integer after = AreaHi - Hi, before = Lo - AreaLo;
  if (Side == 2 && Pos + Size > AreaHi && after < before) return 0;
  if (Side == 0 && Pos < AreaLo && after >= before) return 2;
  return Side;
}

Integer ClampToArea(Integer Pos, Integer Size, Integer AreaLo, Integer AreaHi) {
  if (Pos + Size > AreaHi) Pos = AreaHi - Size;
  return Pos < AreaLo ? AreaLo : Pos;
}

}  // namespace

TkxPopupWindow::TkxPopupWindow(TComponent* AOwner)
    : TForm(AOwner, CreateNewTag{}), paintCanvas_(std::make_unique<TkxCanvas>(Canvas())) {
  SetBorderStyle(bsNone);
  SetFormStyle(fsStayOnTop);
}

TkxPopupWindow::~TkxPopupWindow() = default;

TPoint TkxPopupWindow::ComputePopupPosition() {
  const TRect o = GetOwnerScreenBounds();
  const Integer w = Width(), h = Height();
  Byte hp = HorzPlacement, vp = VertPlacement;
  const bool beside = PlacementAxis == 0;
  AxisPlace x = PlaceOnAxis(hp, beside, o.Left, o.Right, w);
  AxisPlace y = PlaceOnAxis(vp, !beside, o.Top, o.Bottom, h);
  const TRect wa = GetWorkAreaAtPoint(TPoint{x.Anchor, y.Anchor});
  if (beside && hp != 1) {
    hp = FlipOpeningSide(hp, x.Pos, w, wa.Left, wa.Right, o.Left, o.Right);
    x = PlaceOnAxis(hp, true, o.Left, o.Right, w);
  } else if (!beside && vp != 1) {
    vp = FlipOpeningSide(vp, y.Pos, h, wa.Top, wa.Bottom, o.Top, o.Bottom);
    y = PlaceOnAxis(vp, true, o.Top, o.Bottom, h);
  }
  if (!beside || hp == 1) x.Pos = ClampToArea(x.Pos, w, wa.Left, wa.Right);
  if (beside || vp == 1) y.Pos = ClampToArea(y.Pos, h, wa.Top, wa.Bottom);
  return TPoint{x.Pos, y.Pos};
}

void TkxPopupWindow::FitSizeToControls() {
  if (!AutoFitToControls) return;
  Integer maxRight = 0, maxBottom = 0;
  const Integer dx = GetSideSpace(0), dy = GetSideSpace(1);
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    TRect r = child->BoundsRect();
    maxRight = std::max(maxRight, r.Right);
    maxBottom = std::max(maxBottom, r.Bottom);
    OffsetRect(&r, dx, dy);
    child->SetBoundsRect(r);
  }
  if (ControlCount() == 0) return;
  SetWidth(dx + maxRight + GetSideSpace(2));
  SetHeight(dy + maxBottom + GetSideSpace(3));
}

Integer TkxPopupWindow::GetSideSpace(Integer Side) { return GetFrameWidth(Side) + ContentMargin; }

TRect TkxPopupWindow::GetInnerBounds() {
  TRect r = ClientRect();
  return TRect{r.Left + GetSideSpace(0), r.Top + GetSideSpace(1), r.Right - GetSideSpace(2),
               r.Bottom - GetSideSpace(3)};
}

Integer TkxPopupWindow::GetFrameWidth(Integer) {
  switch (popupBorderStyle_) {
    case 1:
    case 2: return 1;
    case 3: return 2;
    default: return 0;
  }
}

TRect TkxPopupWindow::GetOwnerScreenBounds() {
  if (OwnerHost == nullptr) return OwnerRect;
  const TPoint topLeft = OwnerHost->ClientToScreen(TPoint{OwnerRect.Left, OwnerRect.Top});
  const TPoint bottomRight = OwnerHost->ClientToScreen(TPoint{OwnerRect.Right, OwnerRect.Bottom});
  return TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

void TkxPopupWindow::TakeOwnerFont() {
  if (OwnerHost != nullptr) SetFont(OwnerHost->Font());
}

void TkxPopupWindow::PaintFrame() {
  TRect r{0, 0, Width(), Height()};
  switch (popupBorderStyle_) {
    case 1: paintCanvas_->FrameRect(r, BorderLineColor, 1, kxBordersAll, false); break;
    case 2: paintCanvas_->Draw3DEdge(r, false, false); break;
    case 3:
      paintCanvas_->Draw3DEdge(r, false, true);
      InflateRect(&r, -1, -1);
      paintCanvas_->Draw3DEdge(r, false, false);
      break;
    default: break;
  }
}

void TkxPopupWindow::ClosePopup() { Hide(); }

void TkxPopupWindow::OpenPopup() {
  TakeOwnerFont();
  FitSizeToControls();
  const TPoint p = ComputePopupPosition();
  SetLeft(p.X);
  SetTop(p.Y);
  Show();
}

void TkxPopupWindow::SetPopupBorderStyle(Byte Value) {
  const Integer dx = GetSideSpace(0), dy = GetSideSpace(1);
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    TRect r = child->BoundsRect();
    OffsetRect(&r, -dx, -dy);
    child->SetBoundsRect(r);
  }
  popupBorderStyle_ = Value;
}

void TkxPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE: return WMActivate(Message);
    case WM_ACTIVATEAPP: return WMActivateApp(Message);
    case CM_VISIBLECHANGED:
      inherited::Dispatch(Message);
      VisibilityChanged();
      return;
    default: return inherited::Dispatch(Message);
  }
}

// The window that lost the activation to the popup keeps its caption drawn active.
void TkxPopupWindow::WMActivate(TMessage& Message) {
  inherited::Dispatch(Message);
  if (LOWORD(Message.WParam) == WA_INACTIVE) return;
  PreviousActiveWindow = reinterpret_cast<HWND>(Message.LParam);
  SendMessageA(PreviousActiveWindow, WM_NCACTIVATE, 1, 0);
}

void TkxPopupWindow::WMActivateApp(TMessage& Message) {
  inherited::Dispatch(Message);
  if (Message.WParam != 0) return;
  SendMessageA(PreviousActiveWindow, WM_NCACTIVATE, 0, 0);
  ClosePopup();
}

void TkxPopupWindow::Deactivate() {
  inherited::Deactivate();
  ClosePopup();
}

void TkxPopupWindow::Paint() {
  inherited::Paint();
  PaintFrame();
}
