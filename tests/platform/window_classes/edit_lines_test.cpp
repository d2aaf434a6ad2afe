// The multi-line EDIT window: hard and wrapped lines, the line messages agreeing with one
// another and with the positions the text is drawn at, keys across lines, scrolling and its
// notifications.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_extent.h"
#include "platform/user/window_capture.h"
#include "platform/window_classes/edit_window.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_tree.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "window_class_fixture.h"

namespace wctest {
namespace {

std::vector<WORD>& Notifications() {
  static std::vector<WORD> codes;
  return codes;
}

LRESULT ParentProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) Notifications().push_back(HIWORD(wParam));
  return DefWindowProcA(w, message, wParam, lParam);
}

class EditLinesTest : public WindowClassTest {
 protected:
  EditLinesTest() {
    RegisterEditClass();
    user::EnsureClassRegistered(user::ClassRecord("EditLinesParent", &ParentProc));
    parent_ = CreateWindowExA(0, "EditLinesParent", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(parent_, SW_SHOW);
    Notifications().clear();
  }
  ~EditLinesTest() override { DestroyWindow(parent_); }

  HWND NewEdit(DWORD style, int width, int height, const char* text) {
    HWND edit = CreateWindowExA(0, "EDIT", text, WS_CHILD | WS_VISIBLE | ES_MULTILINE | style, 0, 0, width, height,
                                parent_, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    SetFocus(edit);
    Settle();
    Notifications().clear();
    return edit;
  }

  static std::string Line(HWND edit, int line) {
    std::string buffer(256, '\0');
    const WORD size = 256;
    std::memcpy(buffer.data(), &size, sizeof size);
    buffer.resize(std::size_t(SendMessageA(edit, EM_GETLINE, WPARAM(line), LPARAM(buffer.data()))));
    return buffer;
  }

  static int Width(HWND edit, const std::string& text) {
    HDC dc = GetDC(edit);
    TSize size{};
    GetTextExtentPoint32A(dc, text.data(), int(text.size()), &size);
    ReleaseDC(edit, dc);
    return size.cx;
  }

  HWND parent_ = nullptr;
};

TEST_F(EditLinesTest, HardLinesAnswerTheLineMessages) {
  HWND edit = NewEdit(ES_AUTOVSCROLL | ES_AUTOHSCROLL, 200, 100, "ab\r\ncde\r\n");
  EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 3);
  const int starts[] = {0, 4, 9};
  const int lengths[] = {2, 3, 0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, WPARAM(i), 0), starts[i]);
    EXPECT_EQ(SendMessageA(edit, EM_LINELENGTH, WPARAM(starts[i]), 0), lengths[i]);
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, WPARAM(starts[i]), 0), i);
  }
  EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, 3, 0), -1);
  EXPECT_EQ(Line(edit, 1), "cde");
  SendMessageA(edit, EM_SETSEL, 5, 5);
  EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, WPARAM(-1), 0), 4);   // the caret's line
}

TEST_F(EditLinesTest, WrappedLinesFillTheWidthAndPositionsRoundTrip) {
  const std::string text = "one two three four five six seven eight nine ten";
  HWND edit = NewEdit(ES_AUTOVSCROLL, 90, 200, text.c_str());
  TRect rect{};
  SendMessageA(edit, EM_GETRECT, 0, LPARAM(&rect));
  const int lines = int(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
  ASSERT_GT(lines, 2);
  std::string joined;
  for (int i = 0; i < lines; ++i) {
    const std::string line = Line(edit, i);
    joined += line;
    std::string shown = line;
    while (!shown.empty() && shown.back() == ' ') shown.pop_back();
    EXPECT_LE(Width(edit, shown), rect.Right - rect.Left) << line;
    if (i + 1 < lines) {   // the next line's first word would not have fitted
      const std::string next = Line(edit, i + 1);
      EXPECT_GT(Width(edit, line + next.substr(0, next.find(' '))), rect.Right - rect.Left) << line;
    }
  }
  EXPECT_EQ(joined, text);
  for (int p = 0; p <= int(text.size()); ++p) {
    const LRESULT at = SendMessageA(edit, EM_POSFROMCHAR, WPARAM(p), 0);
    const int x = short(LOWORD(at)), y = short(HIWORD(at));
    const int line = int(SendMessageA(edit, EM_LINEFROMCHAR, WPARAM(p), 0));
    const int start = int(SendMessageA(edit, EM_LINEINDEX, WPARAM(line), 0));
    EXPECT_EQ(x, rect.Left + Width(edit, text.substr(std::size_t(start), std::size_t(p - start)))) << p;
    const LRESULT back = SendMessageA(edit, EM_CHARFROMPOS, 0, MAKELPARAM(x, y + 2));
    EXPECT_EQ(LOWORD(back), p);
    EXPECT_EQ(HIWORD(back), line);
  }
  // What is drawn agrees: selecting line 1 highlights from its first position, on its rows only.
  const int start = int(SendMessageA(edit, EM_LINEINDEX, 1, 0));
  SendMessageA(edit, EM_SETSEL, WPARAM(start), LPARAM(start + SendMessageA(edit, EM_LINELENGTH, WPARAM(start), 0)));
  Settle();
  const LRESULT at = SendMessageA(edit, EM_POSFROMCHAR, WPARAM(start), 0);
  const int x = short(LOWORD(at)), y = short(HIWORD(at));
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_EQ(user::ClientPixel(edit, x, y), highlight);
  EXPECT_NE(user::ClientPixel(edit, x - 1, y), highlight);
  EXPECT_NE(user::ClientPixel(edit, x, y - 1), highlight);
}

TEST_F(EditLinesTest, ReturnUpDownAndEndWorkAcrossLines) {
  HWND edit = NewEdit(ES_AUTOVSCROLL | ES_AUTOHSCROLL, 200, 100, "");
  Type("abcd");
  PressKey(VK_RETURN);
  Type("x");
  EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), 7);
  EXPECT_EQ(Line(edit, 1), "x");
  PressKey(VK_UP);   // to line 0, at the position nearest the x of the caret after "x"
  DWORD nearest = 0;
  for (DWORD k = 1; k <= 4; ++k)
    if (std::abs(Width(edit, std::string("abcd", k)) - Width(edit, "x")) <
        std::abs(Width(edit, std::string("abcd", nearest)) - Width(edit, "x")))
      nearest = k;
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, nearest);
  PressKey(VK_END);
  SendMessageA(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, 4u);
  PressKey(VK_DOWN);
  SendMessageA(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, 7u);   // the end of the shorter line
  PressKey(VK_BACK);
  PressKey(VK_BACK);   // removes "\r\n" as one
  EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_EQ(Line(edit, 0), "abcd");
}

TEST_F(EditLinesTest, ScrollingFollowsTheCaretAndNotifies) {
  std::string text;
  for (int i = 0; i < 10; ++i) text += "line" + std::to_string(i) + (i < 9 ? "\r\n" : "");
  HWND edit = NewEdit(ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL, 200, 50, text.c_str());
  TRect rect{};
  SendMessageA(edit, EM_GETRECT, 0, LPARAM(&rect));
  const LRESULT second = SendMessageA(edit, EM_POSFROMCHAR, WPARAM(SendMessageA(edit, EM_LINEINDEX, 1, 0)), 0);
  const int lineHeight = short(HIWORD(second)) - rect.Top;
  const int visible = (rect.Bottom - rect.Top) / lineHeight;
  ASSERT_GT(visible, 0);
  ASSERT_LT(visible, 10);
  PressKey(VK_END, {VK_CONTROL});
  EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 10 - visible);
  SendMessageA(edit, EM_LINESCROLL, 0, -2);
  EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 8 - visible);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 10 - visible);
  SendMessageA(edit, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(Notifications(), std::vector<WORD>{EN_VSCROLL});
  // Line 0 is drawn at the top of the rectangle again.
  EXPECT_EQ(short(HIWORD(SendMessageA(edit, EM_POSFROMCHAR, 0, 0))), rect.Top);
}

// Keys move by the lines the text is wrapped into: End stops at the end of the wrapped line, Down
// goes into the next one; typing rewraps, notifying once a character.
TEST_F(EditLinesTest, KeysFollowWrappedLines) {
  const std::string text = "one two three four five six seven eight nine ten";
  HWND edit = NewEdit(ES_AUTOVSCROLL, 90, 200, text.c_str());
  const auto selection = [edit] {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return start;
  };
  const auto lineStart = [edit](int line) { return DWORD(SendMessageA(edit, EM_LINEINDEX, WPARAM(line), 0)); };
  ASSERT_GT(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 2);
  SendMessageA(edit, EM_SETSEL, 0, 0);
  PressKey(VK_DOWN);
  EXPECT_EQ(selection(), lineStart(1));
  PressKey(VK_HOME);
  EXPECT_EQ(selection(), lineStart(1));
  PressKey(VK_END);
  const DWORD end = selection();
  EXPECT_GT(end, lineStart(1));
  EXPECT_LE(end, lineStart(2));
  EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, WPARAM(end - 1), 0), 1);
  PressKey(VK_END, {VK_CONTROL});
  EXPECT_EQ(selection(), DWORD(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0)));
  Notifications().clear();
  PressKey(VK_HOME, {VK_CONTROL});
  Type("xxxxxxxx ");
  EXPECT_EQ(std::count(Notifications().begin(), Notifications().end(), WORD(EN_CHANGE)), 9);
  std::string joined;
  for (int i = 0; i < int(SendMessageA(edit, EM_GETLINECOUNT, 0, 0)); ++i) joined += Line(edit, i);
  EXPECT_EQ(joined, "xxxxxxxx " + text) << "the lines are wrapped anew";
}

// Margins narrow the formatting rectangle inside the client area; a rectangle of one's own
// replaces it, and the text is drawn from its corner.
TEST_F(EditLinesTest, MarginsAndAFormattingRectanglePlaceTheText) {
  HWND edit = NewEdit(ES_AUTOVSCROLL | ES_AUTOHSCROLL, 200, 100, "abc");
  TRect client{}, rect{};
  GetClientRect(edit, &client);
  SendMessageA(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(5, 7));
  EXPECT_EQ(SendMessageA(edit, EM_GETMARGINS, 0, 0), MAKELONG(5, 7));
  SendMessageA(edit, EM_GETRECT, 0, LPARAM(&rect));
  EXPECT_EQ(rect.Left, client.Left + 5);
  EXPECT_EQ(rect.Right, client.Right - 7);
  EXPECT_EQ(short(LOWORD(SendMessageA(edit, EM_POSFROMCHAR, 0, 0))), rect.Left);

  const TRect own{20, 10, 150, 80};
  SendMessageA(edit, EM_SETRECTNP, 0, LPARAM(&own));
  SendMessageA(edit, EM_GETRECT, 0, LPARAM(&rect));
  EXPECT_EQ(rect, own);
  const LRESULT first = SendMessageA(edit, EM_POSFROMCHAR, 0, 0);
  EXPECT_EQ(short(LOWORD(first)), own.Left);
  EXPECT_EQ(short(HIWORD(first)), own.Top);
}

struct LinesCase {
  const char* name;
  const char* initial;
  std::vector<Step> steps;   // played with the caret at 0
  const char* text;
  DWORD selStart, selEnd;
  int changes;   // EN_CHANGE notifications
};

// Key sequences across hard lines: the caret's moves, selections, edits that join and split lines,
// the clipboard and undo.
TEST_F(EditLinesTest, KeySequencesAcrossLinesGiveTextSelectionAndChanges) {
  const LinesCase cases[] = {
      {"ctrl end then type", "ab\r\ncd", {K(VK_END, {VK_CONTROL}), T("x")}, "ab\r\ncdx", 7, 7, 1},
      {"ctrl home after ctrl end", "ab\r\ncd", {K(VK_END, {VK_CONTROL}), K(VK_HOME, {VK_CONTROL}), T("x")}, "xab\r\ncd", 1, 1, 1},
      {"shift down keeps the column", "abc\r\nabc", {K(VK_RIGHT), K(VK_DOWN, {VK_SHIFT})}, "abc\r\nabc", 1, 6, 0},
      {"ctrl shift end selects to the end", "ab\r\ncd", {K(VK_RIGHT), K(VK_END, {VK_CONTROL, VK_SHIFT})}, "ab\r\ncd", 1, 6, 0},
      {"delete at a line's end joins the lines", "ab\r\ncd", {K(VK_END), K(VK_DELETE)}, "abcd", 2, 2, 1},
      {"backspace at a line's start joins the lines", "ab\r\ncd", {K(VK_DOWN), K(VK_HOME), K(VK_BACK)}, "abcd", 2, 2, 1},
      {"return splits a line", "abcd", {K(VK_RIGHT), K(VK_RIGHT), K(VK_RETURN)}, "ab\r\ncd", 4, 4, 1},
      {"copy lines and paste them", "ab\r\ncd",
       {K(VK_END, {VK_CONTROL, VK_SHIFT}), K('C', {VK_CONTROL}), K(VK_END, {VK_CONTROL}), K('V', {VK_CONTROL})}, "ab\r\ncdab\r\ncd", 12,
       12, 1},
      {"cut a line and undo", "ab\r\ncd", {K(VK_DOWN, {VK_SHIFT}), K('X', {VK_CONTROL}), K('Z', {VK_CONTROL})}, "ab\r\ncd", 0, 4,
       2},
      {"left at a line's start goes to the line before", "ab\r\ncd", {K(VK_DOWN), K(VK_HOME), K(VK_LEFT), T("x")},
       "abx\r\ncd", 3, 3, 1},
  };
  for (const LinesCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND edit = NewEdit(ES_AUTOVSCROLL | ES_AUTOHSCROLL, 200, 100, c.initial);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    Play(c.steps);
    std::string text(std::size_t(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0)), '\0');
    GetWindowTextA(edit, text.data(), int(text.size()) + 1);
    EXPECT_EQ(text, c.text);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(start, c.selStart);
    EXPECT_EQ(end, c.selEnd);
    EXPECT_EQ(std::count(Notifications().begin(), Notifications().end(), WORD(EN_CHANGE)), c.changes);
    DestroyWindow(edit);
  }
}

// A new text notifies nothing in a multi-line control.
TEST_F(EditLinesTest, TypingNotifiesUpdateThenChange) {
  HWND edit = NewEdit(ES_AUTOVSCROLL | ES_AUTOHSCROLL, 200, 100, "");
  Type("a");
  SetWindowTextA(edit, "b");
  SendMessageA(edit, EM_LIMITTEXT, 1, 0);
  Type("c");
  EXPECT_EQ(Notifications(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE, EN_MAXTEXT}));
  EXPECT_EQ(SendMessageA(edit, EM_CANUNDO, 0, 0), 0);   // WM_SETTEXT emptied the undo step
  EXPECT_EQ(SendMessageA(edit, EM_GETMODIFY, 0, 0), 0);
}

}  // namespace
}  // namespace wctest
