#include "platform/window_classes/text_and_font_messages.h"

#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/painting.h"
#include "platform/user/window_data.h"

bool HandleTextAndFontMessage(HWND w, UINT message, WPARAM wParam, LPARAM lParam, int FontIndex, LRESULT& Result) {
  switch (message) {
    case WM_SETTEXT:
      Result = DefWindowProcA(w, message, wParam, lParam);
      InvalidateRect(w, nullptr, FALSE);
      return true;
    case WM_SETFONT:
      SetWindowLongPtrA(w, FontIndex, LONG_PTR(wParam));
      if (lParam != 0) InvalidateRect(w, nullptr, FALSE);
      Result = 0;
      return true;
    case WM_GETFONT: Result = LRESULT(GetWindowLongPtrA(w, FontIndex)); return true;
    default: return false;
  }
}
