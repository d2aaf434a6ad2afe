#include "platform/user/menu_loop.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/gdi/prefix_text.h"
#include "platform/user/backend.h"
#include "platform/user/capture.h"
#include "platform/user/hooks.h"
#include "platform/user/menu.h"
#include "platform/user/message_beep.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/painting.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/system_parameters.h"
#include "platform/user/timers.h"
#include "platform/user/track_popup_menu.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_tree.h"

namespace user {

struct MenuLoop::Popup {
  PopupMenuView view;
  int parentPosition = 0;   // the item of the parent popup that opened it (0 for the root)
  HWND window = nullptr;
  TRect rect{};             // the window's screen rectangle
};

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr WORD kMenuClosed = 0xFFFF;

thread_local MenuLoop* current = nullptr;

// The mnemonic after the first single "&" ("&&" is a plain ampersand), folded to upper case.
std::optional<unsigned char> Mnemonic(std::string_view text) {
  const std::optional<char> key = gdi::AcceleratorOf(text);
  if (!key) return std::nullopt;
  return static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(*key)));
}

bool Selectable(const MenuItem& item) { return !(item.type & MFT_SEPARATOR); }
bool Enabled(const MenuItem& item) { return !(item.state & MFS_GRAYED); }

bool IsMouseMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

bool IsButtonDown(UINT m) {
  return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN || m == WM_LBUTTONDBLCLK ||
         m == WM_RBUTTONDBLCLK || m == WM_NCLBUTTONDOWN || m == WM_NCRBUTTONDOWN || m == WM_NCMBUTTONDOWN;
}

// The mouse message's point on the screen (client messages carry client coordinates).
TPoint ScreenPoint(const MSG& m) {
  TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
  if (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) ClientToScreen(m.hwnd, &point);
  return point;
}

UINT ShowDelay() {
  int delay = 400;
  SystemParametersInfoA(SPI_GETMENUSHOWDELAY, 0, &delay, 0);
  return UINT(std::max(delay, 0));
}

}  // namespace

MenuLoop::MenuLoop(HWND owner, UINT flags) : owner_(owner), flags_(flags), previous_(current) { current = this; }

MenuLoop::~MenuLoop() {
  CloseFrom(0);
  current = previous_;
}

MenuLoop* MenuLoop::Current() { return current; }

HWND MenuLoop::InnermostWindow() const { return popups_.empty() ? nullptr : popups_.back()->window; }

bool MenuLoop::ItemRect(HMENU menu, UINT position, TRect* rect) const {
  for (const auto& popup : popups_) {
    if (popup->view.menu != menu || position >= popup->view.layout.items.size()) continue;
    const TRect& item = popup->view.layout.items[position];
    *rect = TRect{item.Left + popup->rect.Left, item.Top + popup->rect.Top, item.Right + popup->rect.Left,
                  item.Bottom + popup->rect.Top};
    return true;
  }
  return false;
}

LRESULT MenuLoop::Notify(UINT message, WPARAM wParam, LPARAM lParam) const {
  if ((flags_ & TPM_NONOTIFY) || !IsWindow(owner_)) return 0;
  return SendMessageA(owner_, message, wParam, lParam);
}

UINT MenuLoop::Run(HMENU menu, TPoint point, const TRect& exclude) {
  Notify(WM_ENTERMENULOOP, TRUE, 0);
  Notify(WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  if (Open(menu, 0, [&](TSize size) { return PopupMenuPlacement(point, size, flags_, exclude); })) {
    SetCapture(popups_.front()->window);
    while (!ended_) Step();
    if (GetCapture() == popups_.front()->window) ReleaseCapture();
  }
  CloseFrom(0);
  Notify(WM_MENUSELECT, MAKEWPARAM(0, kMenuClosed), 0);
  Notify(WM_EXITMENULOOP, TRUE, 0);
  return chosen_;
}

bool MenuLoop::Open(HMENU menu, int parentPosition, const std::function<TRect(TSize)>& place) {
  Notify(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(parentPosition, FALSE));
  const Menu* record = MenuTable::Instance().Find(menu);
  if (record == nullptr || record->items.empty()) return false;
  auto popup = std::make_unique<Popup>();
  popup->view = PopupMenuView{menu, owner_, &fonts_, LayoutPopupMenu(*record, owner_, fonts_), -1};
  popup->parentPosition = parentPosition;
  popup->rect = place(popup->view.layout.size);
  popup->window = CreateMenuWindow(popup->view, popup->rect);
  if (popup->window == nullptr) return false;
  popups_.push_back(std::move(popup));
  return true;
}

void MenuLoop::CloseFrom(std::size_t level) {
  if (pendingSubMenu_ && pendingSubMenu_->level >= level) pendingSubMenu_.reset();
  while (popups_.size() > level) {
    const std::unique_ptr<Popup>& popup = popups_.back();
    KillTimer(popup->window, kShowTimer);
    DestroyWindow(popup->window);
    Notify(WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(popup->view.menu), 0);
    popups_.pop_back();
  }
}

// --- the loop ---

void MenuLoop::Step() {
  if (!IsWindow(owner_)) return End();
  MSG message{};
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return Idle();
  idleSent_ = false;
  if (message.message == WM_QUIT) {   // left for the loop outside
    PostQuitMessage(int(message.wParam));
    return End();
  }
  if (CallMsgFilterA(&message, MSGF_MENU)) return;
  if (!TakeInput(message)) DispatchMessageA(&message);
}

// Once per idle spell the owner hears WM_ENTERIDLE; after that the loop waits, unless nothing can
// ever arrive (no display delivers input and no sub-menu delay runs), when it ends dismissed.
void MenuLoop::Idle() {
  if (!idleSent_) {
    idleSent_ = true;
    Notify(WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(InnermostWindow()));
    return;
  }
  if (!CurrentBackend().HasEventSource() && !pendingSubMenu_) return End();
  WaitMessage();
}

bool MenuLoop::TakeInput(MSG& message) {
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: OnKey(int(message.wParam), message); return true;
    case WM_CHAR:
    case WM_SYSCHAR: OnChar(static_cast<unsigned char>(message.wParam)); return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR: return true;
    case WM_TIMER:
      if (message.wParam != kShowTimer || !pendingSubMenu_ || message.hwnd != popups_[pendingSubMenu_->level]->window)
        return false;
      OnShowTimer();
      return true;
    default:
      if (!IsMouseMessage(message.message)) return false;
      OnMouse(message);
      return true;
  }
}

// --- highlight, sub-menus, choosing ---

// The item at `index` of popup `level`, or nullptr when the owner has since destroyed the menu or
// removed the item.
const MenuItem* MenuLoop::ItemOf(std::size_t level, int index) const {
  const Menu* menu = MenuTable::Instance().Find(popups_[level]->view.menu);
  if (menu == nullptr || index < 0 || std::size_t(index) >= menu->items.size()) return nullptr;
  return &menu->items[std::size_t(index)];
}

void MenuLoop::Highlight(std::size_t level, int index, bool byMouse) {
  Popup& popup = *popups_[level];
  if (popup.view.highlighted == index) return;
  popup.view.highlighted = index;
  InvalidateRect(popup.window, nullptr, FALSE);
  const MenuItem* found = ItemOf(level, index);
  if (found == nullptr) return;
  const MenuItem& item = *found;
  const bool opensMenu = item.subMenu != nullptr;
  UINT flags = ((item.type | item.state) & 0xFFFF & ~MFT_RADIOCHECK) | MF_HILITE;
  if (opensMenu) flags |= MF_POPUP;
  if (byMouse) flags |= MF_MOUSESELECT;
  Notify(WM_MENUSELECT, MAKEWPARAM(opensMenu ? index : int(item.id), flags), reinterpret_cast<LPARAM>(popup.view.menu));
}

// Opens the sub-menu of the highlighted item of popup `level` beside it.
bool MenuLoop::OpenSubMenu(std::size_t level, bool byKeyboard) {
  pendingSubMenu_.reset();
  const Popup& popup = *popups_[level];
  const int index = popup.view.highlighted;
  const MenuItem* found = ItemOf(level, index);
  if (found == nullptr) return false;
  const HMENU subMenu = found->subMenu;
  if (subMenu == nullptr || !Enabled(*found) || !IsMenu(subMenu)) return false;
  CloseFrom(level + 1);
  TRect item{};
  ItemRect(popup.view.menu, UINT(index), &item);
  const TRect parent = popup.rect;
  if (!Open(subMenu, index, [&](TSize size) { return SubMenuPlacement(parent, item, size); })) return false;
  if (byKeyboard) Highlight(Top(), NextSelectable(Top(), -1, 1), false);
  return true;
}

// Return, a mnemonic or a click on an item: opens its sub-menu or chooses its command.
void MenuLoop::Activate(std::size_t level, int index, bool byKeyboard) {
  const MenuItem* item = ItemOf(level, index);
  if (item == nullptr) return;
  if (item->subMenu != nullptr) {
    if (!SubMenuOpenFrom(level, index)) OpenSubMenu(level, byKeyboard);
    return;
  }
  if (!Selectable(*item) || !Enabled(*item)) return;
  chosen_ = item->id;
  End();
}

bool MenuLoop::SubMenuOpenFrom(std::size_t level, int index) const {
  return level < Top() && popups_[level + 1]->parentPosition == index;
}

// The next item after `from` in direction `step` (wrapping) that is not a separator; -1 if none.
int MenuLoop::NextSelectable(std::size_t level, int from, int step) const {
  const Menu* menu = MenuTable::Instance().Find(popups_[level]->view.menu);
  if (menu == nullptr || menu->items.empty()) return -1;
  const int count = int(menu->items.size());
  int index = from < 0 ? (step > 0 ? -1 : count) : from;
  for (int n = 0; n < count; ++n) {
    index = (index + step + count) % count;
    if (Selectable(menu->items[std::size_t(index)])) return index;
  }
  return -1;
}

// --- keyboard ---

void MenuLoop::OnKey(int vk, MSG& message) {
  const std::size_t top = Top();
  const int current = popups_[top]->view.highlighted;
  switch (vk) {
    case VK_DOWN: return Highlight(top, NextSelectable(top, current, 1), false);
    case VK_UP: return Highlight(top, NextSelectable(top, current, -1), false);
    case VK_RIGHT: OpenSubMenu(top, true); return;
    case VK_LEFT:
      if (top > 0) CloseFrom(top);
      return;
    case VK_ESCAPE:
      if (top > 0) return CloseFrom(top);
      return End();
    case VK_RETURN: return Activate(top, current, true);
    case VK_MENU:
    case VK_F10: return End();
    default: TranslateMessage(&message);   // the character, if any, picks an item by its mnemonic
  }
}

void MenuLoop::OnChar(unsigned char ch) {
  if (ch < 0x20) return;
  const std::size_t top = Top();
  const Popup& popup = *popups_[top];
  const Menu* menu = MenuTable::Instance().Find(popup.view.menu);
  if (menu == nullptr) return;
  const unsigned char key = static_cast<unsigned char>(std::toupper(ch));
  std::vector<int> matches;
  for (std::size_t i = 0; i < menu->items.size(); ++i)
    if (Mnemonic(menu->items[i].text) == key) matches.push_back(int(i));
  if (matches.size() == 1) {
    Highlight(top, matches.front(), false);
    return Activate(top, matches.front(), true);
  }
  if (!matches.empty()) {   // several share the letter: each press moves to the next of them
    auto next = std::upper_bound(matches.begin(), matches.end(), popup.view.highlighted);
    return Highlight(top, next != matches.end() ? *next : matches.front(), false);
  }
  const LRESULT answer = Notify(WM_MENUCHAR, MAKEWPARAM(ch, MF_POPUP), reinterpret_cast<LPARAM>(popup.view.menu));
  const int index = LOWORD(std::uintptr_t(answer));
  const bool inRange = index < int(menu->items.size());
  switch (HIWORD(std::uintptr_t(answer))) {
    case MNC_EXECUTE:
      if (inRange) {
        Highlight(top, index, false);
        Activate(top, index, true);
      }
      return;
    case MNC_SELECT:
      if (inRange) Highlight(top, index, false);
      return;
    case MNC_CLOSE: return End();
    default: MessageBeep(0);
  }
}

// --- mouse ---

std::optional<MenuLoop::Hit> MenuLoop::HitTest(TPoint screen) const {
  for (std::size_t level = popups_.size(); level-- > 0;) {
    const Popup& popup = *popups_[level];
    if (!PtInRect(&popup.rect, screen)) continue;
    const TPoint local{screen.X - popup.rect.Left, screen.Y - popup.rect.Top};
    const std::vector<TRect>& items = popup.view.layout.items;
    for (std::size_t i = 0; i < items.size(); ++i)
      if (PtInRect(&items[i], local)) return Hit{level, int(i)};
    return Hit{level, -1};
  }
  return std::nullopt;
}

void MenuLoop::OnMouse(const MSG& message) {
  const std::optional<Hit> hit = HitTest(ScreenPoint(message));
  const UINT m = message.message;
  if (IsButtonDown(m)) return OnButtonDown(hit);
  if (!hit) return;
  if (m == WM_MOUSEMOVE || m == WM_NCMOUSEMOVE) return OnMouseMove(*hit);
  const bool rightChooses = (flags_ & TPM_RIGHTBUTTON) != 0;
  if (m == WM_LBUTTONUP || m == WM_NCLBUTTONUP || (rightChooses && (m == WM_RBUTTONUP || m == WM_NCRBUTTONUP)))
    OnButtonUp(*hit);
}

void MenuLoop::OnMouseMove(const Hit& hit) {
  if (hit.index < 0 || SubMenuOpenFrom(hit.level, hit.index)) return;
  Popup& popup = *popups_[hit.level];
  if (popup.view.highlighted == hit.index && hit.level == Top()) return;
  CloseFrom(hit.level + 1);
  pendingSubMenu_.reset();
  Highlight(hit.level, hit.index, true);
  const MenuItem* item = ItemOf(hit.level, hit.index);
  if (item == nullptr || item->subMenu == nullptr) return;
  pendingSubMenu_ = hit;
  SetTimer(popup.window, kShowTimer, ShowDelay(), nullptr);
}

void MenuLoop::OnButtonDown(const std::optional<Hit>& hit) {
  if (!hit) return End();   // a click outside every popup dismisses the menu
  if (hit->index < 0 || SubMenuOpenFrom(hit->level, hit->index)) return;
  CloseFrom(hit->level + 1);
  Highlight(hit->level, hit->index, true);
  OpenSubMenu(hit->level, false);
}

void MenuLoop::OnButtonUp(const Hit& hit) {
  if (hit.index < 0) return;
  Highlight(hit.level, hit.index, true);
  Activate(hit.level, hit.index, false);
}

void MenuLoop::OnShowTimer() {
  if (!pendingSubMenu_) return;
  const Hit hit = *pendingSubMenu_;
  KillTimer(popups_[hit.level]->window, kShowTimer);
  pendingSubMenu_.reset();
  if (popups_[hit.level]->view.highlighted == hit.index) OpenSubMenu(hit.level, false);
}

}  // namespace user
