#include "platform/window_classes/button_paint.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/focus_rect.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/user/window_pos.h"
#include "platform/window_classes/button_window.h"

namespace {

// Selects the look's font for the lifetime of the object.
class FontSelection {
 public:
  FontSelection(HDC dc, HGDIOBJ font) : dc_(dc), old_(font != nullptr ? SelectObject(dc, font) : nullptr) {}
  ~FontSelection() {
    if (old_ != nullptr) SelectObject(dc_, old_);
  }
  FontSelection(const FontSelection&) = delete;
  FontSelection& operator=(const FontSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

void DrawCaption(HDC dc, const TButtonLook& look, TRect rect, UINT format) {
  const std::string& text = look.Text;
  SetBkMode(dc, TRANSPARENT);
  if (look.Enabled) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, text.data(), int(text.size()), &rect, format);
    return;
  }
  TRect shifted = rect;
  OffsetRect(&shifted, 1, 1);
  SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawTextA(dc, text.data(), int(text.size()), &shifted, format);
  SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawTextA(dc, text.data(), int(text.size()), &rect, format);
}

void DrawFocus(HDC dc, TRect rect) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  DrawFocusRect(dc, &rect);
}

UINT CheckFrameState(const TButtonLook& look) {
  const DWORD type = look.Style & BS_TYPEMASK;
  UINT state = (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
  if ((look.State & BST_CHECKED) != 0) state |= DFCS_CHECKED;
  if ((look.State & BST_INDETERMINATE) != 0) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
  if ((look.State & BST_PUSHED) != 0) state |= DFCS_PUSHED;
  if (!look.Enabled) state |= DFCS_INACTIVE;
  return state;
}

}  // namespace

TRect PaintPushFrame(HDC DC, TRect Rect, bool Default, bool Pressed) {
  if (Default) {
    FrameRect(DC, &Rect, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&Rect, -1, -1);
  }
  if (Pressed) {
    FrameRect(DC, &Rect, GetSysColorBrush(COLOR_BTNSHADOW));
    TRect face = Rect;
    InflateRect(&face, -1, -1);
    FillRect(DC, &face, GetSysColorBrush(COLOR_BTNFACE));
  } else {
    TRect frame = Rect;
    DrawFrameControl(DC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH);
  }
  InflateRect(&Rect, -2, -2);
  if (Pressed) OffsetRect(&Rect, 1, 1);
  return Rect;
}

void PaintPushFocus(HDC DC, TRect Client) {
  InflateRect(&Client, -4, -4);
  DrawFocus(DC, Client);
}

void PaintPushButton(HWND Window, HDC DC, const TButtonLook& Look) {
  TRect client{};
  GetClientRect(Window, &client);
  const TRect text = PaintPushFrame(DC, client, (Look.Style & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
                                    (Look.State & BST_PUSHED) != 0);
  {
    FontSelection font(DC, Look.Font);
    DrawCaption(DC, Look, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  if ((Look.State & BST_FOCUS) != 0) PaintPushFocus(DC, client);
}

void PaintCheckButton(HWND Window, HDC DC, const TButtonLook& Look) {
  TRect client{};
  GetClientRect(Window, &client);
  FillRect(DC, &client, Look.Background != nullptr ? Look.Background : GetSysColorBrush(COLOR_BTNFACE));
  const bool leftText = (Look.Style & BS_LEFTTEXT) != 0;
  const int boxTop = client.Top + (client.Bottom - client.Top - kCheckBoxSize) / 2;
  const int boxLeft = leftText ? client.Right - kCheckBoxSize : client.Left;
  TRect box{boxLeft, boxTop, boxLeft + kCheckBoxSize, boxTop + kCheckBoxSize};
  DrawFrameControl(DC, &box, DFC_BUTTON, CheckFrameState(Look));
  TRect text = client;
  if (leftText)
    text.Right -= kCheckBoxSize + kCheckTextGap;
  else
    text.Left += kCheckBoxSize + kCheckTextGap;
  const UINT format = DT_LEFT | DT_VCENTER | ((Look.Style & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE);
  FontSelection font(DC, Look.Font);
  DrawCaption(DC, Look, text, format);
  if ((Look.State & BST_FOCUS) == 0 || Look.Text.empty()) return;
  TRect extent = text;
  DrawTextA(DC, Look.Text.data(), int(Look.Text.size()), &extent, format | DT_CALCRECT);
  const int height = extent.Bottom - extent.Top;
  extent.Top = text.Top + (text.Bottom - text.Top - height) / 2;
  extent.Bottom = extent.Top + height;
  InflateRect(&extent, 1, 1);
  IntersectRect(&extent, &extent, &client);
  DrawFocus(DC, extent);
}
