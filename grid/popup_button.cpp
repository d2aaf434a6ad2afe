// TPopupButton; see popup_button.h.
#include "grid/popup_button.h"

#include "grid/cell_drawing.h"
#include "grid/draw_markup.h"
#include "platform/classes/publisher.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/canvas.h"
#include "platform/ui/frame3d.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"

PR_PUBLISH(TPopupButton) {
  p.Property("Caption", &TPopupButton::Caption, &TPopupButton::SetCaption);
  p.Property("Flat", &TPopupButton::Flat, &TPopupButton::SetFlat).Default(false);
  p.Property("GradFrom", &TPopupButton::GradFrom, &TPopupButton::SetGradFrom).Type(ColorTypeInfo()).Default(clNone);
  p.Property("GradTo", &TPopupButton::GradTo, &TPopupButton::SetGradTo).Type(ColorTypeInfo()).Default(clNone);
}

namespace {

constexpr Integer kGradientSteps = 64;

}  // namespace

TPopupButton::TPopupButton(TComponent* AOwner) : TCustomControl(AOwner) { SetColor(clBtnFace); }

void TPopupButton::SetCaption(const std::string& Value) {
  caption_ = Value;
  Invalidate();
}

void TPopupButton::SetFlat(bool Value) {
  flat_ = Value;
  Invalidate();
}

void TPopupButton::SetGradFrom(TColor Value) {
  gradFrom_ = Value;
  Invalidate();
}

void TPopupButton::SetGradTo(TColor Value) {
  gradTo_ = Value;
  Invalidate();
}

void TPopupButton::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
  Params.WindowClass.style |= CS_SAVEBITS;
}

void TPopupButton::CreateWnd() {
  inherited::CreateWnd();
  SetWindowPos(WindowHandle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TPopupButton::Paint() {
  TCanvas* canvas = Canvas();
  TRect r{0, 0, ClientWidth(), ClientHeight()};
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  if (!flat_) Frame3D(canvas, r, clWhite, RGB(128, 128, 128), 1);
  if (gradFrom_ != clNone) DrawGradient(canvas, gradFrom_, gradTo_, kGradientSteps, r, false);
  SetBkMode(canvas->Handle(), TRANSPARENT);
  canvas->Font()->Assign(Font());
  const TRect client{0, 0, ClientWidth(), ClientHeight()};
  if (caption_.find("</") != std::string::npos) {
    TDrawMarkupInput in;
    in.Canvas = canvas;
    in.Text = caption_;
    in.DrawRect = client;
    in.Images = images_;
    in.MouseX = 2;
    in.MouseY = 2;
    in.ShadowOffset = 2;
    in.URLColor = 0xFF0000;
    in.ShadowColor = RGB(128, 128, 128);
    TDrawMarkupOutput out;
    DrawMarkup(in, out);
    return;
  }
  TRect text = client;
  DrawTextA(canvas->Handle(), caption_.c_str(), static_cast<int>(caption_.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}
