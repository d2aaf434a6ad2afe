// The edit's own context menu: opened by Shift+F10 (at the caret) or a right click, its entries
// enabled by the edit's state, and each chosen entry acting on the edit; a control with a
// PopupMenu shows that menu instead.
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "platform/os/thread.h"
#include "platform/ui/edit.h"
#include "platform/ui/menu_hooks.h"
#include "platform/user/caret.h"
#include "platform/user/clipboard.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/focus.h"
#include "platform/user/hooks.h"
#include "platform/user/input_events.h"
#include "platform/user/menu.h"
#include "platform/user/send_message.h"
#include "platform/user/track_popup_menu.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_input.h"
#include "platform/user/window_pos.h"
#include "platform/window_classes/edit_window.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

// What the open menu showed: one letter per entry, upper case when enabled ("U-TCPD-A"), and
// where it opened.
struct SeenMenu {
  std::string entries;
  TRect window{};
};
SeenMenu seen;

LRESULT RecordOpenMenu(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = user::OpenMenuWindow();
  if (code == MSGF_MENU && window != nullptr && seen.entries.empty()) {
    auto menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[32] = {};
      GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
      const std::string label(text);
      const std::size_t amp = label.find('&');
      const char letter = amp == std::string::npos ? '-' : label[amp + 1];
      const bool grayed = (GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_GRAYED) != 0;
      seen.entries += char(grayed ? std::tolower(letter) : std::toupper(letter));
    }
    GetWindowRect(window, &seen.window);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Typing-like replacement that the edit can undo (SelText cannot be undone).
void ReplaceUndoably(TEdit& edit, const char* text) {
  SendMessageA(edit.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

class EditContextMenuTest : public UiTest {
 protected:
  EditContextMenuTest() {
    seen = SeenMenu{};
    hook_ = SetWindowsHookExA(WH_MSGFILTER, &RecordOpenMenu, nullptr, GetCurrentThreadId());
    form_ = NewForm("Form1");
    edit_ = new TEdit(form_);
    edit_->SetParent(form_);
    edit_->SetBounds(10, 10, 200, 21);
    edit_->SetText("hello");
    edit_->SetFocus();
    driver_->Settle();
  }
  ~EditContextMenuTest() override { UnhookWindowsHookEx(hook_); }

  // Asks for the menu with Shift+F10, then presses `keys` inside it.
  void ByKeyboard(std::vector<int> keys) {
    user::InjectKey(VK_SHIFT, true);
    user::InjectKey(VK_F10, true);
    user::InjectKey(VK_F10, false);
    user::InjectKey(VK_SHIFT, false);
    for (int vk : keys) user::PressKey(vk);
    driver_->Settle();
  }

  // Asks for the menu with a right click in the edit, then presses `keys` inside it.
  void ByMouse(std::vector<int> keys) {
    user::Click(edit_->Handle(), 30, 5, user::MouseButton::Right);
    for (int vk : keys) user::PressKey(vk);
    driver_->Settle();
  }

  HHOOK hook_ = nullptr;
  TForm* form_ = nullptr;
  TEdit* edit_ = nullptr;
};

struct StateCase {
  const char* name;
  std::function<void(TEdit&)> setup;
  const char* entries;
};

TEST_F(EditContextMenuTest, EntriesAreEnabledByTheEditsState) {
  const StateCase cases[] = {
      {"text, nothing selected, empty clipboard", [](TEdit&) {}, "u-tcpd-A"},
      {"a selection", [](TEdit& e) { e.SetSelStart(1), e.SetSelLength(2); }, "u-TCpD-A"},
      {"text on the clipboard", [](TEdit&) { SetClipboardText(nullptr, "xy"); }, "u-tcPd-A"},
      {"something to undo", [](TEdit& e) { ReplaceUndoably(e, "abc"); }, "U-tcpd-A"},
      {"read-only with a selection and clipboard text",
       [](TEdit& e) { e.SetReadOnly(true), e.SelectAll(), SetClipboardText(nullptr, "xy"); }, "u-tCpd-A"},
      {"password with a selection", [](TEdit& e) { e.SetPasswordChar('*'), e.SelectAll(); }, "u-tcpD-A"},
      {"no text", [](TEdit& e) { e.SetText(""); }, "u-tcpd-a"},
  };
  for (const StateCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    edit_->SetReadOnly(false);
    edit_->SetPasswordChar(0);
    edit_->SetText("hello");
    edit_->SetSelStart(0);
    SendMessageA(edit_->Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
    c.setup(*edit_);
    seen = SeenMenu{};
    ByKeyboard({VK_ESCAPE});
    EXPECT_EQ(seen.entries, c.entries);
  }
}

struct ActionCase {
  const char* name;
  std::function<void(TEdit&)> setup;
  int key;
  std::string text;
  int selStart, selLength;
  std::string clipboard;
};

TEST_F(EditContextMenuTest, ChosenEntriesActOnTheEdit) {
  const ActionCase cases[] = {
      {"select all", [](TEdit&) {}, 'A', "hello", 0, 5, ""},
      {"copy", [](TEdit& e) { e.SetSelStart(1), e.SetSelLength(2); }, 'C', "hello", 1, 2, "el"},
      {"cut", [](TEdit& e) { e.SetSelStart(1), e.SetSelLength(2); }, 'T', "hlo", 1, 0, "el"},
      {"delete", [](TEdit& e) { e.SetSelStart(1), e.SetSelLength(2); }, 'D', "hlo", 1, 0, ""},
      {"paste", [](TEdit& e) { SetClipboardText(nullptr, "xy"), e.SetSelStart(5); }, 'P', "helloxy", 7, 0, "xy"},
      {"undo", [](TEdit& e) { e.SetSelStart(5), ReplaceUndoably(e, "!"); }, 'U', "hello", 5, 0, ""},
      {"a grayed entry does nothing", [](TEdit&) {}, 'T', "hello", 0, 0, ""},
  };
  for (const ActionCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    edit_->SetText("hello");
    SendMessageA(edit_->Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
    edit_->SetSelStart(0);
    c.setup(*edit_);
    ByMouse({c.key});
    EXPECT_EQ(edit_->Text(), c.text);
    EXPECT_EQ(edit_->SelStart(), c.selStart);
    EXPECT_EQ(edit_->SelLength(), c.selLength);
    EXPECT_EQ(ClipboardText(nullptr), c.clipboard);
  }
}

TEST_F(EditContextMenuTest, TheKeyboardOpensItAtTheCaretAndTheMouseAtThePointer) {
  edit_->SetSelStart(3);
  ByKeyboard({VK_ESCAPE});
  TPoint caret{};
  GetCaretPos(&caret);
  ClientToScreen(edit_->Handle(), &caret);
  EXPECT_EQ(seen.window.Left, caret.X);
  EXPECT_EQ(seen.window.Top, caret.Y);

  seen = SeenMenu{};
  ByMouse({VK_ESCAPE});
  TPoint click{30, 5};
  ClientToScreen(edit_->Handle(), &click);
  EXPECT_EQ(seen.window.Left, click.X);
  EXPECT_EQ(seen.window.Top, click.Y);
  EXPECT_EQ(GetFocus(), edit_->Handle());
}

TEST_F(EditContextMenuTest, AControlsPopupMenuReplacesTheEditsOwn) {
  const TMenuHooks saved = MenuHooks();
  int shown = 0;
  static int* shownCount = nullptr;
  shownCount = &shown;
  TMenuHooks hooks = saved;
  hooks.Popup = [](TComponent*, TControl*, TPoint) {
    ++*shownCount;
    return true;
  };
  SetMenuHooks(hooks);
  auto* popup = new TComponent(form_);
  edit_->SetPopupMenu(popup);
  ByMouse({'A'});
  SetMenuHooks(saved);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(seen.entries, "");   // the edit's own menu never opened
  EXPECT_EQ(edit_->SelLength(), 0);
}

}  // namespace
}  // namespace uitest
