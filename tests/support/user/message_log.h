// A window class that records every message its windows get, in order, as readable lines such as
// "top WM_ACTIVATE WA_ACTIVE other=0", so tests compare whole message sequences against tables.
// Windows are named by their title at WM_NCCREATE; handles unknown to the log print as "?".  Noise the tests do
// not look at (WM_GETTEXT, WM_GETICON, WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_GETMINMAXINFO,
// WM_NCCALCSIZE, WM_SETCURSOR unless asked, WM_NCHITTEST unless asked) can be filtered out.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/user/user_types.h"

namespace usertest {

class MessageLog {
 public:
  static MessageLog& Instance();

  void Clear() { lines_.clear(); }
  const std::vector<std::string>& Lines() const { return lines_; }
  // The lines recorded since the last Clear, then clears.
  std::vector<std::string> Take();
  void Name(HWND hwnd, std::string name);
  std::string NameOf(HWND hwnd) const;
  // Messages that are not recorded.
  void Ignore(std::set<UINT> messages) { ignored_ = std::move(messages); }
  void Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Called for each message before DefWindowProc; returning true stops there with `result`.
  std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)> handler;

 private:
  std::vector<std::string> lines_;
  std::vector<std::pair<HWND, std::string>> names_;
  std::set<UINT> ignored_;
};

// The recording window procedure and its class name ("LogWindow", CS_DBLCLKS, white background).
LRESULT LogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
const char* RegisterLogClass();
// Creates a recording window; its title is its name in the log.
HWND CreateLogWindow(const std::string& name, DWORD style, int x, int y, int width, int height, HWND parent,
                     DWORD exStyle = 0, int id = 0);
// The readable name of a message number.
std::string MessageName(UINT message);

}  // namespace usertest
