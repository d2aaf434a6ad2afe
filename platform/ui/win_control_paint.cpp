// TWinControl: painting the window, its graphic children and the frames of framed children;
// invalidation and updates; painting into another context (PaintTo, WM_PRINTCLIENT).
#include "platform/ui/win_control.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/brush.h"
#include "platform/user/painting.h"
#include "platform/user/window_data.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_styles.h"

namespace {

bool PaintedVisible(const TControl* c) {
  return c->Visible() || (c->ComponentState().Contains(csDesigning) && !c->ControlStyle().Contains(csNoDesignVisible));
}

void MoveWindowOrg(HDC dc, Integer dx, Integer dy) {
  TPoint org{};
  GetWindowOrgEx(dc, &org);
  SetWindowOrgEx(dc, org.X - dx, org.Y - dy, nullptr);
}

}  // namespace

void TWinControl::WMPaint(TMessage& Message) {
  if (!doubleBuffered_ || Message.WParam != 0) {
    if (!ControlState().Contains(csCustomPaint) && ControlCount() == 0)
      inherited::Dispatch(Message);
    else
      PaintHandler(Message);
    return;
  }
  // Double buffered: erase and paint into a bitmap, then copy it to the window at once.
  const TRect client = ClientRect();
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.Right, client.Bottom);
  ReleaseDC(nullptr, screen);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(handle_, &ps);
  Perform(WM_ERASEBKGND, WPARAM(memory), LPARAM(memory));
  Message.WParam = WPARAM(memory);
  WMPaint(Message);
  Message.WParam = 0;
  BitBlt(dc, 0, 0, client.Right, client.Bottom, memory, 0, 0, SRCCOPY);
  EndPaint(handle_, &ps);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

void TWinControl::PaintHandler(TMessage& Message) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  PAINTSTRUCT ps{};
  if (dc == nullptr) dc = BeginPaint(handle_, &ps);
  if (controls_.empty()) {
    PaintWindow(dc);
  } else {
    // Opaque graphic children paint their whole rectangle: the window paints around them.
    const int saved = SaveDC(dc);
    int clip = SIMPLEREGION;
    for (TControl* c : controls_) {
      if (!PaintedVisible(c) || !c->ControlStyle().Contains(csOpaque)) continue;
      clip = ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
      if (clip == NULLREGION) break;
    }
    if (clip != NULLREGION) PaintWindow(dc);
    RestoreDC(dc, saved);
  }
  PaintControls(dc, nullptr);
  if (Message.WParam == 0) EndPaint(handle_, &ps);
}

void TWinControl::PaintWindow(HDC DC) {
  TMessage message{WM_PAINT, WPARAM(DC), 0, 0};
  DefaultHandler(message);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  auto start = std::find(controls_.begin(), controls_.end(), First);
  if (start == controls_.end()) start = controls_.begin();
  for (auto it = start; it != controls_.end(); ++it) {
    TControl* c = *it;
    const TRect bounds = c->BoundsRect();
    if (!PaintedVisible(c) || !RectVisible(DC, &bounds)) continue;
    const bool copy = ControlState().Contains(csPaintCopy);
    if (copy) c->SetControlState(c->ControlState() + TControlState{csPaintCopy});
    const int saved = SaveDC(DC);
    MoveWindowOrg(DC, c->Left(), c->Top());
    IntersectClipRect(DC, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, WPARAM(DC), 0);
    RestoreDC(DC, saved);
    c->SetControlState(c->ControlState() - TControlState{csPaintCopy});
  }
  // Framed windowed children get the one-pixel 3-D frame drawn around them on this window.
  for (TWinControl* w : winControls_) {
    if (!w->ctl3D_ || !w->ControlStyle().Contains(csFramed) || !PaintedVisible(w)) continue;
    const int saved = SaveDC(DC);
    HBRUSH shadow = CreateSolidBrush(ColorToRGB(clBtnShadow));
    const TRect outer{w->Left() - 1, w->Top() - 1, w->Left() + w->Width(), w->Top() + w->Height()};
    FrameRect(DC, &outer, shadow);
    DeleteObject(shadow);
    HBRUSH highlight = CreateSolidBrush(ColorToRGB(clBtnHighlight));
    const TRect inner{w->Left(), w->Top(), w->Left() + w->Width() + 1, w->Top() + w->Height() + 1};
    FrameRect(DC, &inner, highlight);
    DeleteObject(highlight);
    RestoreDC(DC, saved);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  // A double-buffered control erases only into its buffer (WParam == LParam marks that call).
  if (!doubleBuffered_ || Message.WParam == WPARAM(Message.LParam)) {
    const TRect client = ClientRect();
    FillRect(reinterpret_cast<HDC>(Message.WParam), &client, brush_->Handle());
  }
  Message.Result = 1;
}

void TWinControl::WMPrintClient(TMessage& Message) {
  if (Message.Result == 1 || ((Message.LParam & PRF_CHECKVISIBLE) != 0 && !Visible())) {
    inherited::Dispatch(Message);
    return;
  }
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  const int saved = SaveDC(dc);
  TMessage paint{WM_PAINT, Message.WParam, 0, 0};
  PaintHandler(paint);
  RestoreDC(dc, saved);
}

void TWinControl::PaintTo(HDC DC, Integer X, Integer Y) {
  SetControlState(ControlState() + TControlState{csPaintCopy});
  const int saved = SaveDC(DC);
  MoveWindowOrg(DC, X, Y);
  IntersectClipRect(DC, 0, 0, Width(), Height());
  PaintBorderTo(DC);
  Perform(WM_ERASEBKGND, WPARAM(DC), 0);
  Perform(WM_PAINT, WPARAM(DC), 0);
  for (TWinControl* w : winControls_)
    if (w->Visible()) w->PaintTo(DC, w->Left(), w->Top());
  RestoreDC(DC, saved);
  SetControlState(ControlState() - TControlState{csPaintCopy});
}

void TWinControl::PaintBorderTo(HDC DC) {
  UINT edge = 0, flags = 0;
  if ((GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0) {
    edge = EDGE_SUNKEN;
    flags = BF_RECT | BF_ADJUST;
  } else if ((GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_BORDER) != 0) {
    edge = BDR_OUTER;
    flags = BF_RECT | BF_ADJUST | BF_MONO;
  }
  if (flags == 0) return;
  TRect r{0, 0, Width(), Height()};
  DrawEdge(DC, &r, edge, flags);
  MoveWindowOrg(DC, r.Left, r.Top);
  IntersectClipRect(DC, 0, 0, r.Right - r.Left, r.Bottom - r.Top);
}

void TWinControl::Invalidate() { Perform(CM_INVALIDATE, 0, 0); }

void TWinControl::CMInvalidate(TMessage& Message) {
  if (handle_ == nullptr) return;
  if (Parent() != nullptr) Parent()->Perform(CM_INVALIDATE, 1, 0);
  if (Message.WParam == 0) InvalidateRect(handle_, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::Update() {
  if (handle_ != nullptr) UpdateWindow(handle_);
}

void TWinControl::InvalidateFrame() {
  if (Parent() == nullptr || !Parent()->HandleAllocated()) return;
  TRect r = BoundsRect();
  InflateRect(&r, 1, 1);
  InvalidateRect(Parent()->Handle(), &r, TRUE);
}

void TWinControl::SetParentBackground(bool Value) {
  if (ParentBackground() == Value) return;
  TControlStyle style = ControlStyle();
  if (Value) style.Include(csParentBackground);
  else style.Exclude(csParentBackground);
  SetControlStyle(style);
  Invalidate();
}
