#include "platform/window_classes/static_window.h"

#include <string>

#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text_constants.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/text_and_font_messages.h"

namespace {

// Window extra bytes: the font.
constexpr int kFontIndex = 0;

std::string TextOf(HWND w) {
  std::string text(size_t(GetWindowTextLengthA(w)) + 1, '\0');
  text.resize(size_t(GetWindowTextA(w, text.data(), int(text.size()))));
  return text;
}

// The parent's answer to WM_CTLCOLORSTATIC sets the DC's colours; a window without a parent
// (or a parent answering no brush) takes the default procedure's.
HBRUSH BackgroundBrush(HWND w, HDC dc) {
  const HWND parent = GetParent(w);
  LRESULT brush = 0;
  if (parent != nullptr) brush = SendMessageA(parent, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(w));
  if (brush == 0) brush = DefWindowProcA(w, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(w));
  return reinterpret_cast<HBRUSH>(brush);
}

void Paint(HWND w, HDC dc) {
  TRect client{};
  GetClientRect(w, &client);
  FillRect(dc, &client, BackgroundBrush(w, dc));
  const std::string text = TextOf(w);
  if (text.empty()) return;
  const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(GetWindowLongPtrA(w, kFontIndex));
  const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  UINT format = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
  if ((DWORD(GetWindowLongPtrA(w, GWL_STYLE)) & SS_NOPREFIX) != 0) format |= DT_NOPREFIX;
  DrawTextA(dc, text.data(), int(text.size()), &client, format);
  SetBkMode(dc, oldMode);
  if (previous != nullptr) SelectObject(dc, previous);
}

}  // namespace

void RegisterStaticClass() {
  constexpr UINT kStyle = CS_DBLCLKS | CS_PARENTDC;
  user::EnsureClassRegistered(user::ClassRecord("STATIC", &StaticWindowProc, kStyle, int(sizeof(LONG_PTR))));
}

LRESULT StaticWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT handled = 0; HandleTextAndFontMessage(w, message, wParam, lParam, kFontIndex, handled)) return handled;
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: user::PaintClient(w, wParam, [w](HDC dc) { Paint(w, dc); }); return 0;
    case WM_ERASEBKGND: return 1;  // the paint fills the background itself
    default: return DefWindowProcA(w, message, wParam, lParam);
  }
}
