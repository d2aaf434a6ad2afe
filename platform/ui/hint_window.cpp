#include "platform/ui/hint_window.h"

#include "platform/classes/publisher.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/canvas.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"

PR_IMPLEMENT_CLASS(THintWindow)

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.WindowClass.style |= CS_SAVEBITS;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WndParent = nullptr;
}

void THintWindow::Paint() {
  TRect rect = ClientRect();
  rect.Left += 2;
  rect.Top += 2;
  Canvas()->Font()->Assign(Font());
  Canvas()->Brush()->SetStyle(bsClear);
  const std::string text = Caption();
  DrawTextA(Canvas()->Handle(), text.c_str(), -1, &rect,
            DT_LEFT | DT_NOPREFIX | DT_WORDBREAK | UINT(DrawTextBiDiModeFlagsReadingOnly()));
}

TRect THintWindow::CalcHintRect(Integer MaxWidth, const std::string& AHint) {
  TRect rect{0, 0, MaxWidth, 0};
  Canvas()->Font()->Assign(Font());
  DrawTextA(Canvas()->Handle(), AHint.c_str(), -1, &rect,
            DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | UINT(DrawTextBiDiModeFlagsReadingOnly()));
  rect.Right += 6;
  rect.Bottom += 2;
  return rect;
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  SetCaption(AHint);
  // The border lies outside the text rectangle.
  Rect.Right += 2;
  Rect.Bottom += 2;
  UpdateBoundsRect(Rect);
  SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

bool THintWindow::IsHintMsg(const MSG& Msg) const {
  switch (Msg.message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_ACTIVATE: case WM_ACTIVATEAPP: case WM_CANCELMODE:
      return true;
    default:
      return false;
  }
}
