#include "tests/support/user/message_log.h"

#include <cstdio>
#include <map>

#include "platform/gdi/sys_colors.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/window_class.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace usertest {

namespace {

std::string Hex(std::uintptr_t v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(v));
  return buf;
}

std::string Point(LPARAM lp) { return std::to_string(GET_X_LPARAM(lp)) + "," + std::to_string(GET_Y_LPARAM(lp)); }

const std::map<UINT, const char*>& Names() {
  static const std::map<UINT, const char*> names = {
      {WM_NULL, "WM_NULL"}, {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"},
      {WM_SIZE, "WM_SIZE"}, {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"},
      {WM_KILLFOCUS, "WM_KILLFOCUS"}, {WM_ENABLE, "WM_ENABLE"}, {WM_SETREDRAW, "WM_SETREDRAW"},
      {WM_SETTEXT, "WM_SETTEXT"}, {WM_GETTEXT, "WM_GETTEXT"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"},
      {WM_ERASEBKGND, "WM_ERASEBKGND"}, {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
      {WM_CANCELMODE, "WM_CANCELMODE"}, {WM_SETCURSOR, "WM_SETCURSOR"}, {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
      {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"}, {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
      {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"}, {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
      {WM_NCCREATE, "WM_NCCREATE"}, {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
      {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_NCPAINT, "WM_NCPAINT"}, {WM_NCACTIVATE, "WM_NCACTIVATE"},
      {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"}, {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
      {WM_SYSKEYUP, "WM_SYSKEYUP"}, {WM_SYSCHAR, "WM_SYSCHAR"}, {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
      {WM_TIMER, "WM_TIMER"}, {WM_HSCROLL, "WM_HSCROLL"}, {WM_VSCROLL, "WM_VSCROLL"},
      {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"},
      {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"},
      {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"}, {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
      {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"}, {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
      {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"}, {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
      {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"}, {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
      {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"}, {WM_MOVING, "WM_MOVING"}, {WM_SIZING, "WM_SIZING"},
      {WM_STYLECHANGING, "WM_STYLECHANGING"}, {WM_STYLECHANGED, "WM_STYLECHANGED"},
      {WM_SYSCOLORCHANGE, "WM_SYSCOLORCHANGE"}, {WM_SETTINGCHANGE, "WM_SETTINGCHANGE"},
      {WM_THEMECHANGED, "WM_THEMECHANGED"}, {WM_DISPLAYCHANGE, "WM_DISPLAYCHANGE"},
      {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_PRINT, "WM_PRINT"}, {WM_PRINTCLIENT, "WM_PRINTCLIENT"},
      {WM_COMMAND, "WM_COMMAND"}, {WM_INITMENU, "WM_INITMENU"}, {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
      {WM_MENUSELECT, "WM_MENUSELECT"}, {WM_MENUCHAR, "WM_MENUCHAR"}, {WM_ENTERIDLE, "WM_ENTERIDLE"},
      {WM_UNINITMENUPOPUP, "WM_UNINITMENUPOPUP"}, {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
      {WM_EXITMENULOOP, "WM_EXITMENULOOP"}, {WM_MEASUREITEM, "WM_MEASUREITEM"}, {WM_DRAWITEM, "WM_DRAWITEM"}};
  return names;
}

std::string Details(const MessageLog& log, UINT m, WPARAM wp, LPARAM lp) {
  const auto name = [&](WPARAM h) { return log.NameOf(reinterpret_cast<HWND>(h)); };
  switch (m) {
    case WM_ACTIVATE:
      return std::string(LOWORD(wp) == WA_INACTIVE ? " WA_INACTIVE" : LOWORD(wp) == WA_ACTIVE ? " WA_ACTIVE" : " WA_CLICKACTIVE") +
             " other=" + name(WPARAM(lp));
    case WM_NCACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_SHOWWINDOW:
    case WM_ENABLE:
    case WM_SETREDRAW: return " " + std::to_string(wp);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return " other=" + name(wp);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: return " " + Hex(wp) + " " + Hex(std::uint32_t(lp));
    case WM_CHAR:
    case WM_SYSCHAR: return " " + Hex(wp);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return " " + Point(lp) + " keys=" + Hex(wp);
    case WM_NCHITTEST: return " " + Point(lp);
    case WM_SETCURSOR: return " hit=" + std::to_string(std::int16_t(LOWORD(lp))) + " " + MessageName(HIWORD(lp));
    case WM_MOUSEACTIVATE:
      return " top=" + name(wp) + " hit=" + std::to_string(std::int16_t(LOWORD(lp))) + " " + MessageName(HIWORD(lp));
    case WM_CONTEXTMENU: return " hwnd=" + name(wp) + " " + Point(lp);
    case WM_SYSCOMMAND: return " " + Hex(wp & 0xFFF0) + " " + Hex(std::uint32_t(lp));
    case WM_PARENTNOTIFY: return " " + MessageName(LOWORD(wp));
    case WM_SIZE:
    case WM_MOVE: return " " + Point(lp);
    case WM_CAPTURECHANGED: return " new=" + name(WPARAM(lp));
    case WM_TIMER: return " id=" + std::to_string(wp);
    case WM_COMMAND: return " id=" + std::to_string(LOWORD(wp)) + " code=" + std::to_string(HIWORD(wp)) + " ctl=" + name(WPARAM(lp));
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: return " popup=" + std::to_string(wp);
    case WM_INITMENUPOPUP: return " pos=" + std::to_string(LOWORD(lp)) + " sys=" + std::to_string(HIWORD(lp));
    case WM_MENUSELECT:
      if (HIWORD(wp) == 0xFFFF && lp == 0) return " closed";
      return " item=" + std::to_string(LOWORD(wp)) + " flags=" + Hex(HIWORD(wp));
    case WM_MENUCHAR: return " " + Hex(LOWORD(wp));
    case WM_HSCROLL:
    case WM_VSCROLL: return " code=" + std::to_string(LOWORD(wp)) + " pos=" + std::to_string(std::int16_t(HIWORD(wp)));
    default: return "";
  }
}

}  // namespace

std::string MessageName(UINT message) {
  auto it = Names().find(message);
  return it != Names().end() ? it->second : Hex(message);
}

MessageLog& MessageLog::Instance() {
  static MessageLog log;
  return log;
}

std::vector<std::string> MessageLog::Take() {
  std::vector<std::string> taken = std::move(lines_);
  lines_.clear();
  return taken;
}

void MessageLog::Name(HWND hwnd, std::string name) { names_.emplace_back(hwnd, std::move(name)); }

std::string MessageLog::NameOf(HWND hwnd) const {
  if (hwnd == nullptr) return "0";
  for (auto it = names_.rbegin(); it != names_.rend(); ++it)
    if (it->first == hwnd) return it->second;
  return "?";
}

void MessageLog::Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ignored_.count(message)) return;
  lines_.push_back(NameOf(hwnd) + " " + MessageName(message) + Details(*this, message, wParam, lParam));
}

LRESULT LogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageLog& log = MessageLog::Instance();
  // A window is known by its title from its first message on.
  if (message == WM_NCCREATE) log.Name(hwnd, reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName);
  log.Record(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  if (log.handler && log.handler(hwnd, message, wParam, lParam, result)) return result;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

const char* RegisterLogClass() {
  static const char* name = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = LogProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1));
    wc.lpszClassName = "LogWindow";
    RegisterClassExA(&wc);
    return "LogWindow";
  }();
  return name;
}

HWND CreateLogWindow(const std::string& name, DWORD style, int x, int y, int width, int height, HWND parent,
                     DWORD exStyle, int id) {
  return CreateWindowExA(exStyle, RegisterLogClass(), name.c_str(), style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(std::intptr_t(id)), nullptr, nullptr);
}

}  // namespace usertest
