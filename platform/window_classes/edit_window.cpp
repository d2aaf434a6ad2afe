#include "platform/window_classes/edit_window.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/gdi/geometry.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/edit_context_menu.h"
#include "platform/window_classes/edit_control.h"

namespace {

using edit::EditControl;

// Window extra bytes: the EditControl, made at WM_NCCREATE and freed at WM_NCDESTROY.
constexpr int kControlIndex = 0;

EditControl* ControlOf(HWND w) { return reinterpret_cast<EditControl*>(GetWindowLongPtrA(w, kControlIndex)); }

TPoint PointOf(LPARAM lParam) { return TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

LRESULT GetText(const EditControl& edit, WPARAM size, char* buffer) {
  if (size == 0 || buffer == nullptr) return 0;
  const std::string& text = edit.Buffer().Text();
  const std::size_t count = std::min(text.size(), std::size_t(size) - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return LRESULT(count);
}

// EM_GETLINE: the buffer's first word gives its size; the line is copied without a terminator.
LRESULT GetLine(const EditControl& edit, WPARAM line, char* buffer) {
  if (buffer == nullptr) return 0;
  WORD size = 0;
  std::memcpy(&size, buffer, sizeof size);
  const std::string_view text = edit.LineText(int(line));
  const std::size_t count = std::min(text.size(), std::size_t(size));
  std::memcpy(buffer, text.data(), count);
  return LRESULT(count);
}

LRESULT Paint(HWND w, EditControl& edit, WPARAM dc) {
  user::PaintClient(w, dc, [&edit](HDC paintDc) { edit.Paint(paintDc); });
  return 0;
}

LRESULT Mouse(HWND w, EditControl& edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN: edit.MouseDown(PointOf(lParam), (wParam & MK_SHIFT) != 0, false); return 0;
    case WM_LBUTTONDBLCLK: edit.MouseDown(PointOf(lParam), false, true); return 0;
    case WM_MOUSEMOVE: edit.MouseMove(PointOf(lParam)); return 0;
    case WM_LBUTTONUP: edit.MouseUp(); return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}

LRESULT Geometry(EditControl& edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case EM_GETRECT: *reinterpret_cast<TRect*>(lParam) = edit.FormatRect(); return 0;
    case EM_SETRECT:
    case EM_SETRECTNP:
      edit.SetFormatRect(reinterpret_cast<const TRect*>(lParam), message == EM_SETRECT);
      return 0;
    case EM_SETMARGINS: edit.SetMargins(wParam, LOWORD(lParam), HIWORD(lParam)); return 0;
    case EM_GETMARGINS: return MAKELONG(edit.Margins().first, edit.Margins().second);
    case EM_POSFROMCHAR: {
      if (int(wParam) > edit.Buffer().Size()) return -1;
      const TPoint p = edit.PosFromChar(int(wParam));
      return MAKELONG(WORD(p.X), WORD(p.Y));
    }
    case EM_CHARFROMPOS: {
      const std::pair<int, int> at = edit.CharFromPos(PointOf(lParam));
      return MAKELONG(WORD(at.first), WORD(at.second));
    }
  }
  return 0;
}

LRESULT Lines(EditControl& edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case EM_GETLINECOUNT: return edit.LineCount();
    case EM_LINEINDEX: return edit.LineIndex(int(wParam));
    case EM_LINEFROMCHAR: return edit.LineFromChar(int(wParam));
    case EM_LINELENGTH: return edit.LineLength(int(wParam));
    case EM_GETLINE: return GetLine(edit, wParam, reinterpret_cast<char*>(lParam));
    case EM_GETFIRSTVISIBLELINE: return edit.FirstVisibleLine();
    case EM_LINESCROLL: edit.LineScroll(int(wParam), int(lParam)); return TRUE;
    case EM_SCROLLCARET: edit.ScrollCaret(); return TRUE;
  }
  return 0;
}

LRESULT Selection(EditControl& edit, UINT message, WPARAM wParam, LPARAM lParam) {
  const edit::EditBuffer& buffer = edit.Buffer();
  switch (message) {
    case EM_GETSEL:
      if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = DWORD(buffer.SelStart());
      if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = DWORD(buffer.SelEnd());
      return MAKELONG(WORD(std::min(buffer.SelStart(), 0xFFFF)), WORD(std::min(buffer.SelEnd(), 0xFFFF)));
    case EM_SETSEL: edit.SetSel(int(wParam), int(lParam)); return 0;
    case EM_REPLACESEL: edit.ReplaceSel(reinterpret_cast<const char*>(lParam), wParam != 0); return 0;
    case EM_GETMODIFY: return buffer.Modified();
    case EM_SETMODIFY: edit.SetModified(wParam != 0); return 0;
    case EM_CANUNDO: return buffer.CanUndo();
    case EM_UNDO:
    case WM_UNDO: return edit.Undo();
    case EM_EMPTYUNDOBUFFER: edit.EmptyUndo(); return 0;
    case EM_LIMITTEXT: edit.SetLimit(int(wParam)); return 0;
    case EM_GETLIMITTEXT: return buffer.Limit();
    case EM_SETPASSWORDCHAR: edit.SetPasswordChar(char(wParam)); return 0;
    case EM_GETPASSWORDCHAR: return static_cast<unsigned char>(edit.PasswordChar());
    case EM_SETREADONLY: edit.SetReadOnly(wParam != 0); return TRUE;
  }
  return 0;
}

LRESULT Text(HWND w, EditControl& edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETTEXT: return GetText(edit, wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH: return edit.Buffer().Size();
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      edit.SetText(text != nullptr ? text : "");
      return TRUE;
    }
    case WM_CUT: edit.Cut(); return 0;
    case WM_COPY: edit.Copy(); return 0;
    case WM_PASTE: edit.Paste(); return 0;
    case WM_CLEAR: edit.Clear(); return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}

LRESULT Create(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
  auto edit = std::make_unique<EditControl>(w, cs != nullptr ? cs->lpszName : nullptr);
  SetWindowLongPtrA(w, kControlIndex, reinterpret_cast<LONG_PTR>(edit.release()));
  return DefWindowProcA(w, message, wParam, lParam);
}

LRESULT Destroy(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  std::unique_ptr<EditControl> edit(ControlOf(w));
  SetWindowLongPtrA(w, kControlIndex, 0);
  return DefWindowProcA(w, message, wParam, lParam);
}

LRESULT DialogCode(HWND w) {
  const DWORD style = DWORD(GetWindowLongPtrA(w, GWL_STYLE));
  LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  if ((style & ES_MULTILINE) != 0) code |= DLGC_WANTALLKEYS;
  return code;
}

}  // namespace

void RegisterEditClass() {
  WNDCLASSEXA wc = user::ClassRecord("EDIT", &EditWindowProc, CS_DBLCLKS | CS_PARENTDC, int(sizeof(LONG_PTR)));
  wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
  user::EnsureClassRegistered(wc);
}

LRESULT EditWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return Create(w, message, wParam, lParam);
  EditControl* edit = ControlOf(w);
  if (edit == nullptr) return DefWindowProcA(w, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY: return Destroy(w, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return Paint(w, *edit, wParam);
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: return Mouse(w, *edit, message, wParam, lParam);
    case WM_CAPTURECHANGED: edit->CaptureLost(); return 0;
    case WM_CONTEXTMENU: ShowEditContextMenu(w, lParam); return 0;
    case WM_KEYDOWN: edit->KeyDown(wParam); return 0;
    case WM_CHAR: edit->Char(char(wParam)); return 0;
    case WM_SETFOCUS: edit->FocusGained(); return 0;
    case WM_KILLFOCUS: edit->FocusLost(); return 0;
    case WM_GETDLGCODE: return DialogCode(w);
    case WM_ENABLE: InvalidateRect(w, nullptr, TRUE); return 0;
    case WM_SIZE:
    case WM_STYLECHANGED: edit->SetFormatRect(nullptr, true); return 0;
    case WM_SETFONT: edit->SetFont(reinterpret_cast<HFONT>(wParam), lParam != 0); return 0;
    case WM_GETFONT: return LRESULT(edit->Font());
    case WM_VSCROLL: edit->OnScrollBar(SB_VERT, LOWORD(wParam), short(HIWORD(wParam))); return 0;
    case WM_HSCROLL: edit->OnScrollBar(SB_HORZ, LOWORD(wParam), short(HIWORD(wParam))); return 0;
    case WM_MOUSEWHEEL: edit->OnWheel(short(HIWORD(wParam))); return 0;
    case EM_GETRECT:
    case EM_SETRECT:
    case EM_SETRECTNP:
    case EM_SETMARGINS:
    case EM_GETMARGINS:
    case EM_POSFROMCHAR:
    case EM_CHARFROMPOS: return Geometry(*edit, message, wParam, lParam);
    case EM_GETLINECOUNT:
    case EM_LINEINDEX:
    case EM_LINEFROMCHAR:
    case EM_LINELENGTH:
    case EM_GETLINE:
    case EM_GETFIRSTVISIBLELINE:
    case EM_LINESCROLL:
    case EM_SCROLLCARET: return Lines(*edit, message, wParam, lParam);
    case EM_GETSEL:
    case EM_SETSEL:
    case EM_REPLACESEL:
    case EM_GETMODIFY:
    case EM_SETMODIFY:
    case EM_CANUNDO:
    case EM_UNDO:
    case WM_UNDO:
    case EM_EMPTYUNDOBUFFER:
    case EM_LIMITTEXT:
    case EM_GETLIMITTEXT:
    case EM_SETPASSWORDCHAR:
    case EM_GETPASSWORDCHAR:
    case EM_SETREADONLY: return Selection(*edit, message, wParam, lParam);
  }
  return Text(w, *edit, message, wParam, lParam);
}
