// The classic look of the BUTTON window class (docs/platform-ui.md, docs/platform-ui-buttons.md).
//
// Push buttons: a default button has a one-pixel COLOR_WINDOWFRAME frame and is drawn inside it;
// up is DrawFrameControl(DFC_BUTTON, DFCS_BUTTONPUSH); pressed is a one-pixel COLOR_BTNSHADOW frame
// around COLOR_BTNFACE with the caption one pixel right and down; the caption is centred on one
// line; the focus frame is 4 pixels inside the client area.
//
// Check boxes and radio buttons: the background is the brush the parent answers to
// WM_CTLCOLORBTN; a 13-pixel box (DFCS_BUTTONCHECK, DFCS_BUTTONRADIO; an indeterminate check adds
// DFCS_BUTTON3STATE) is centred vertically at the left (at the right with BS_LEFTTEXT), pushed
// while held; the caption starts 4 pixels past the box; the focus frame is one pixel around the
// caption's text.
//
// Disabled captions are embossed: COLOR_BTNHIGHLIGHT one pixel right and down, then
// COLOR_GRAYTEXT.
#pragma once

#include <string>

#include "platform/gdi/geometry.h"
#include "platform/user/user_types.h"

struct TButtonLook {
  std::string Text;
  HGDIOBJ Font = nullptr;        // selected while the caption is drawn, when set
  HBRUSH Background = nullptr;   // check styles only; COLOR_BTNFACE when null
  DWORD Style = 0;
  LRESULT State = 0;             // BST_ check bits, BST_PUSHED, BST_FOCUS
  bool Enabled = true;
};

inline constexpr int kCheckBoxSize = 13;   // pixels, the side of a check box or radio circle
inline constexpr int kCheckTextGap = 4;    // pixels between the box and the caption

void PaintPushButton(HWND Window, HDC DC, const TButtonLook& Look);
// The push button's frame in Rect (its client area), default and pressed as asked; returns the
// area left for the content, moved one pixel right and down when pressed.
TRect PaintPushFrame(HDC DC, TRect Rect, bool Default, bool Pressed);
// The push button's focus frame, 4 pixels inside its client area.
void PaintPushFocus(HDC DC, TRect Client);
void PaintCheckButton(HWND Window, HDC DC, const TButtonLook& Look);
