// The modal menu loop behind TrackPopupMenu: a stack of open popups (the root menu and the
// sub-menus opened from it), the highlight in each, and the keyboard and mouse rules that move it,
// open and close sub-menus, choose a command or dismiss the menu.
//
// The loop takes every message itself: keyboard input goes to the innermost popup whatever window
// it was meant for, mouse input (captured by the root popup) to the popup under the pointer, the
// sub-menu delay timer opens the sub-menu under a resting pointer; everything else is dispatched.
// The owner's notifications and their order: docs/platform-user-menus.md.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/user/menu_window.h"

namespace user {

class MenuLoop {
 public:
  MenuLoop(HWND owner, UINT flags);
  ~MenuLoop();
  MenuLoop(const MenuLoop&) = delete;
  MenuLoop& operator=(const MenuLoop&) = delete;

  // Opens `menu` at the point (kept off `exclude`) and runs until a command is chosen (its id) or
  // the menu is dismissed (0).
  UINT Run(HMENU menu, TPoint point, const TRect& exclude);
  // Dismisses the menu: the loop ends at its next step.
  void End() { ended_ = true; }

  // The innermost loop running on this thread, or nullptr.
  static MenuLoop* Current();
  HWND InnermostWindow() const;
  // The screen rectangle of an item of an open popup showing `menu`.
  bool ItemRect(HMENU menu, UINT position, TRect* rect) const;

 private:
  struct Popup;
  struct Hit {
    std::size_t level;
    int index;   // -1: on the popup's frame
  };

  LRESULT Notify(UINT message, WPARAM wParam, LPARAM lParam) const;
  // Opens a popup for `menu`, placed by `place` from the popup's size.
  bool Open(HMENU menu, int parentPosition, const std::function<TRect(TSize)>& place);
  void CloseFrom(std::size_t level);
  void Step();
  void Idle();
  bool TakeInput(MSG& message);

  // Highlighting, sub-menus, choosing.
  const MenuItem* ItemOf(std::size_t level, int index) const;
  void Highlight(std::size_t level, int index, bool byMouse);
  bool OpenSubMenu(std::size_t level, bool byKeyboard);
  void Activate(std::size_t level, int index, bool byKeyboard);
  int NextSelectable(std::size_t level, int from, int step) const;
  // True when the popup above `level` is the sub-menu of its item `index`.
  bool SubMenuOpenFrom(std::size_t level, int index) const;

  // Input.
  void OnKey(int vk, MSG& message);
  void OnChar(unsigned char ch);
  void OnMouse(const MSG& message);
  void OnMouseMove(const Hit& hit);
  void OnButtonDown(const std::optional<Hit>& hit);
  void OnButtonUp(const Hit& hit);
  void OnShowTimer();
  std::optional<Hit> HitTest(TPoint screen) const;
  std::size_t Top() const { return popups_.size() - 1; }

  HWND owner_;
  UINT flags_;
  MenuFonts fonts_;
  std::vector<std::unique_ptr<Popup>> popups_;
  bool ended_ = false;
  bool idleSent_ = false;
  UINT chosen_ = 0;
  std::optional<Hit> pendingSubMenu_;   // waits for the sub-menu delay
  MenuLoop* previous_;
};

}  // namespace user
