#include "grid/html_hint_window.h"

#include "grid/draw_markup.h"
#include "grid/windows_version.h"
#include "platform/classes/publisher.h"
#include "platform/os/os_version.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/screen.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"

PR_IMPLEMENT_CLASS(THTMLHintWindow)

namespace {

// The widest hint ActivateHint lays out.
constexpr Integer kMaxHintWidth = 1008;
constexpr Integer kMarginWidth = 16;
constexpr Integer kMarginHeight = 4;
constexpr Integer kMonitorGap = 2;

}  // namespace

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void THTMLHintWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style &= ~WS_BORDER;
  const OSVERSIONINFO version = GetVersionEx();
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT && IsWindowsXPOrLater(version))
    Params.WindowClass.style |= CS_DROPSHADOW;
}

TSize THTMLHintWindow::Measure(const TRect& Rect, const std::string& AHint) {
  Canvas()->Font()->Assign(Font());
  TDrawMarkupInput in;
  in.Canvas = Canvas();
  in.Text = AHint;
  in.DrawRect = Rect;
  in.MeasureOnly = true;
  TDrawMarkupOutput out;
  DrawMarkup(in, out);
  return {out.MarkupWidth, out.MarkupHeight};
}

TRect THTMLHintWindow::CalcHintRect(Integer MaxWidth, const std::string& AHint) {
  const TSize size = Measure({0, 0, MaxWidth, 0}, AHint);
  return {0, 0, size.cx, size.cy};
}

void THTMLHintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  SetCaption(AHint);
  const TSize size = Measure({Rect.Left, Rect.Top, Rect.Left + kMaxHintWidth, Rect.Top}, AHint);
  textWidth_ = size.cx;
  textHeight_ = size.cy;
  Rect.Right = Rect.Left + textWidth_ + kMarginWidth;
  Rect.Bottom = Rect.Top + textHeight_ + kMarginHeight;
  if (const TMonitor* monitor = Screen->MonitorFromPoint({Rect.Left, Rect.Top})) {
    const TRect bounds = monitor->BoundsRect();
    if (Rect.Right > bounds.Right) {
      Rect.Left = bounds.Left + bounds.Width() - Rect.Width() - kMonitorGap;
      Rect.Right = Rect.Left + textWidth_ + kMarginWidth;
    }
    if (Rect.Bottom > bounds.Bottom) {
      Rect.Bottom = bounds.Bottom - kMonitorGap;
      Rect.Top = Rect.Bottom - textHeight_ - kMarginHeight;
    }
  }
  SetBoundsRect(Rect);
  SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  Invalidate();
}

void THTMLHintWindow::Paint() {
  const TRect client = ClientRect();
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  const TPoint light[] = {{client.Left, client.Bottom - 2}, {client.Left, client.Top}, {client.Right - 1, client.Top}};
  const TPoint dark[] = {
      {client.Left, client.Bottom - 1}, {client.Right - 1, client.Bottom - 1}, {client.Right - 1, client.Top - 1}};
  canvas->Pen()->SetColor(cl3DLight);
  canvas->Polyline(light, 3);
  canvas->Pen()->SetColor(cl3DDkShadow);
  canvas->Polyline(dark, 3);

  const Integer top = client.Top + (client.Height() - textHeight_) / 2;
  canvas->Font()->Assign(Font());
  TDrawMarkupInput in;
  in.Canvas = canvas;
  in.Text = Caption();
  in.DrawRect = {client.Left + 4, top, client.Right - 4, top + textHeight_ + 8};
  in.ShadowColor = clGray;
  in.HoverColor = clNone;
  in.HoverFontColor = clNone;
  in.URLColor = clBlue;
  TDrawMarkupOutput out;
  DrawMarkup(in, out);
}

void THTMLHintWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_TEXTCHANGED) return Invalidate();
  inherited::Dispatch(Message);
}
