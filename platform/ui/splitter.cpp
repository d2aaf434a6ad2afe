#include "platform/ui/splitter.h"

#include "platform/gdi/blt.h"
#include "platform/gdi/classic_glyphs.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_styles.h"

PR_PUBLISH(TSplitter) {
  p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alLeft);
  p.Property("AutoSnap", &TSplitter::AutoSnap, &TSplitter::SetAutoSnap).Default(true);
  p.Property("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(false);
  PublishColor(p);
  PublishConstraints(p);
  p.Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
  PublishParentColor(p);
  p.Property("ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle).Default(rsPattern);
  PublishVisible(p);
  p.Property("OnCanResize", &TSplitter::OnCanResize);
  p.Property("OnMoved", &TSplitter::OnMoved);
  p.Property("OnPaint", &TSplitter::OnPaint);
}

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetAlign(alLeft);
  SetBounds(0, 0, 3, 100);
  SetCursor(crHSplit);
}

void TSplitter::SetBeveled(bool Value) {
  if (beveled_ == Value) return;
  beveled_ = Value;
  Invalidate();
}

void TSplitter::SetMinSize(Integer Value) {
  if (Value > 0) minSize_ = Value;
}

void TSplitter::RequestAlign() {
  inherited::RequestAlign();
  if (Cursor() != crHSplit && Cursor() != crVSplit) return;
  SetCursor(Align() == alTop || Align() == alBottom ? crVSplit : crHSplit);
}

void TSplitter::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  if (beveled_) {
    if (Vertical()) InflateRect(&r, -1, 2);
    else InflateRect(&r, 2, -1);
    OffsetRect(&r, 1, 1);
    canvas->Brush()->SetColor(clBtnHighlight);
    canvas->FrameRect(r);
    OffsetRect(&r, -2, -2);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(r);
  }
  OnPaint(this);
}

// --- finding and sizing the neighbour ---

TControl* TSplitter::FindControl() const {
  TPoint p{Left(), Top()};
  switch (Align()) {
    case alLeft: --p.X; break;
    case alRight: p.X += Width(); break;
    case alTop: --p.Y; break;
    case alBottom: p.Y += Height(); break;
    default: return nullptr;
  }
  const bool before = Align() == alLeft || Align() == alTop;
  for (Integer i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* control = Parent()->Controls(i);
    if (control == this || !control->Visible() || !control->Enabled()) continue;
    TRect r = control->BoundsRect();
    // A collapsed control still owns the line it was folded into.
    if (r.Width() == 0) (before ? r.Left : r.Right) += before ? -1 : 1;
    if (r.Height() == 0) (before ? r.Top : r.Bottom) += before ? -1 : 1;
    if (PtInRect(&r, p)) return control;
  }
  return nullptr;
}

Integer TSplitter::MaxSizeFor(TControl* Control) const {
  const bool vertical = Vertical();
  Integer size = (vertical ? Parent()->ClientWidth() : Parent()->ClientHeight()) - minSize_;
  for (Integer i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* c = Parent()->Controls(i);
    if (!c->Visible()) continue;
    const TAlign a = c->Align();
    if (vertical && (a == alLeft || a == alRight)) size -= c->Width();
    if (!vertical && (a == alTop || a == alBottom)) size -= c->Height();
  }
  return size + (vertical ? Control->Width() : Control->Height());
}

void TSplitter::CalcSplitSize(Integer X, Integer Y, Integer& NewSize, Integer& Split) const {
  Split = Vertical() ? X - downPos_.X : Y - downPos_.Y;
  Integer size = 0;
  switch (Align()) {
    case alLeft: size = control_->Width() + Split; break;
    case alRight: size = control_->Width() - Split; break;
    case alTop: size = control_->Height() + Split; break;
    case alBottom: size = control_->Height() - Split; break;
    default: break;
  }
  NewSize = size < minSize_ ? minSize_ : size > maxSize_ ? maxSize_ : size;
  // Limited: the bar stops where the limit puts it.
  const bool growsWithSplit = Align() == alLeft || Align() == alTop;
  Split += growsWithSplit ? NewSize - size : size - NewSize;
}

bool TSplitter::CanResize(Integer& NewSize) {
  bool accept = true;
  OnCanResize(this, NewSize, accept);
  return accept;
}

bool TSplitter::DoCanResize(Integer& NewSize) {
  const bool accepted = CanResize(NewSize);
  if (accepted && autoSnap_ && NewSize <= minSize_) NewSize = 0;
  return accepted;
}

void TSplitter::UpdateControlSize() {
  if (newSize_ == oldSize_) return;
  switch (Align()) {
    case alLeft: control_->SetWidth(newSize_); break;
    case alTop: control_->SetHeight(newSize_); break;
    case alRight:
      Parent()->DisableAlign();
      control_->SetBounds(control_->Left() + control_->Width() - newSize_, control_->Top(), newSize_,
                          control_->Height());
      Parent()->EnableAlign();
      break;
    case alBottom:
      Parent()->DisableAlign();
      control_->SetBounds(control_->Left(), control_->Top() + control_->Height() - newSize_, control_->Width(),
                          newSize_);
      Parent()->EnableAlign();
      break;
    default: break;
  }
  Update();
  oldSize_ = newSize_;
  OnMoved(this);
}

// The bar showing where the splitter would go, inverted on the parent's window (drawn twice it
// is gone).
void TSplitter::DrawLine() {
  lineVisible_ = !lineVisible_;
  TPoint p{Left(), Top()};
  if (Vertical()) p.X += split_;
  else p.Y += split_;
  HDC dc = GetDCEx(Parent()->Handle(), nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  HBRUSH brush = resizeStyle_ == rsPattern ? gdi::CreateCheckerboardBrush() : CreateSolidBrush(0);
  if (resizeStyle_ == rsPattern) {
    SetTextColor(dc, 0x000000);
    SetBkColor(dc, 0xFFFFFF);
  }
  HGDIOBJ old = SelectObject(dc, brush);
  PatBlt(dc, p.X, p.Y, Width(), Height(), PATINVERT);
  SelectObject(dc, old);
  DeleteObject(brush);
  ReleaseDC(Parent()->Handle(), dc);
}

void TSplitter::StopSizing() {
  if (control_ == nullptr) return;
  if (lineVisible_) DrawLine();
  control_ = nullptr;
}

// --- mouse ---

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || Parent() == nullptr) return;
  control_ = FindControl();
  downPos_ = TPoint{X, Y};
  if (control_ == nullptr) return;
  maxSize_ = MaxSizeFor(control_);
  oldSize_ = Vertical() ? control_->Width() : control_->Height();
  CalcSplitSize(X, Y, newSize_, split_);
  if (resizeStyle_ == rsLine || resizeStyle_ == rsPattern) DrawLine();
}

void TSplitter::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!Shift.Contains(ssLeft) || control_ == nullptr) return;
  Integer newSize = 0, split = 0;
  CalcSplitSize(X, Y, newSize, split);
  if (!DoCanResize(newSize)) return;
  const bool line = resizeStyle_ == rsLine || resizeStyle_ == rsPattern;
  if (line) DrawLine();
  newSize_ = newSize;
  split_ = split;
  if (resizeStyle_ == rsUpdate) UpdateControlSize();
  if (line) DrawLine();
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (control_ == nullptr) return;
  if (lineVisible_) DrawLine();
  UpdateControlSize();
  StopSizing();
}
