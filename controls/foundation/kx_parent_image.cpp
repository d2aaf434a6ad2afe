#include "controls/foundation/kx_parent_image.h"

#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_canvas.h"
#include "platform/gdi/clip.h"
#include "platform/ui/win_control.h"
#include "platform/user/message_ids.h"

namespace {

// Keeps a control marked csPaintCopy and the canvas's context saved for its painting; both are
// undone when the painting ends, however it ends.
class PaintCopyScope {
 public:
  PaintCopyScope(TWinControl* Control, TkxCanvas* Canvas) : control_(Control), canvas_(Canvas) {
    canvas_->PushSavedDC();
  }
  ~PaintCopyScope() {
    if (marked_) control_->SetControlState(control_->ControlState() - TControlState{csPaintCopy});
    canvas_->PopSavedDC();
  }
  PaintCopyScope(const PaintCopyScope&) = delete;
  PaintCopyScope& operator=(const PaintCopyScope&) = delete;

  void Mark() {
    control_->SetControlState(control_->ControlState() + TControlState{csPaintCopy});
    marked_ = true;
  }

 private:
  TWinControl* control_;
  TkxCanvas* canvas_;
  bool marked_ = false;
};

void ShiftDrawing(TkxCanvas* Canvas, Integer DX, Integer DY) {
  const TPoint origin = Canvas->GetWindowOrg();
  Canvas->SetWindowOrg({origin.X - DX, origin.Y - DY});
}

// Paints Control so that what it draws at (x, y) lands at (x + DX, y + DY), then (with windowed
// siblings) its visible windowed children below PaintedOver.
void PaintControlImage(TWinControl* Control, Integer DX, Integer DY, const TRect& R, TControl* PaintedOver,
                       bool WithWindowedSiblings, TkxCanvas* Canvas) {
  PaintCopyScope scope(Control, Canvas);
  ShiftDrawing(Canvas, DX, DY);
  const HDC dc = Canvas->GetHandle();
  if (!RectVisible(dc, &R)) return;
  scope.Mark();
  if (Control != PaintedOver->Parent()) Control->PaintBorderTo(dc);
  {
    const TCanvasLockGuard lock(Canvas->Canvas());
    Control->Perform(WM_ERASEBKGND, WPARAM(dc), LPARAM(dc));
    Control->Perform(WM_PAINT, WPARAM(dc), 0);
  }
  if (!WithWindowedSiblings) return;
  for (Integer i = 0; i < Control->ControlCount(); ++i) {
    TControl* child = Control->Controls(i);
    if (child == PaintedOver) break;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (windowed != nullptr && windowed->Visible())
      PaintControlImage(windowed, windowed->Left(), windowed->Top(), TRect{0, 0, windowed->Width(), windowed->Height()},
                        PaintedOver, WithWindowedSiblings, Canvas);
  }
}

}  // namespace

void PaintParentBackground(TWinControl* Control, TkxCanvas* Canvas, const TRect& R) {
  TWinControl* parent = Control->Parent();
  if ((parent != nullptr && parent->DoubleBuffered()) || !kdUxTheme::IsVisualStyleLibraryBound())
    DrawParentImage(Control, Canvas, R, false);
  else
    kdUxTheme::DrawThemeParentBackground(Control->Handle(), Canvas->GetHandle(), &R);
}

void DrawParentImage(TControl* Control, TkxCanvas* Canvas, const TRect& R, bool WithWindowedSiblings) {
  TWinControl* parent = Control->Parent();
  if (parent == nullptr) return;
  const TRect r{R.Left + Control->Left(), R.Top + Control->Top(), R.Right + Control->Left(),
                R.Bottom + Control->Top()};
  PaintControlImage(parent, -r.Left, -r.Top, r, Control, WithWindowedSiblings, Canvas);
}
