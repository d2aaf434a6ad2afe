// The SCROLLBAR window class alone: a drag ends quietly when the parent destroys the bar while it
// is told of the scroll.
#include "platform/user/def_window_proc.h"
#include "platform/user/input_events.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_class.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/scroll_bar_window.h"
#include "window_class_fixture.h"

namespace wctest {
namespace {

class ScrollBarWindowTest : public WindowClassTest {};

// The parent may destroy the control while it is told of the scroll; the drag then ends quietly.
UINT destroyOn = 0;
LRESULT DestroyingParentProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_VSCROLL && LOWORD(wParam) == destroyOn) DestroyWindow(reinterpret_cast<HWND>(lParam));
  return DefWindowProcA(w, message, wParam, lParam);
}

TEST_F(ScrollBarWindowTest, AControlDestroyedByItsParentDuringADragEndsIt) {
  RegisterScrollBarClass();
  user::EnsureClassRegistered(user::ClassRecord("DestroyingParent", &DestroyingParentProc));
  for (const UINT code : {UINT(SB_THUMBPOSITION), UINT(SB_ENDSCROLL)}) {
    SCOPED_TRACE(code);
    destroyOn = code;
    HWND parent = CreateWindowExA(0, "DestroyingParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 300, nullptr,
                                  nullptr, nullptr, nullptr);
    HWND bar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 16, 200, parent, nullptr,
                               nullptr, nullptr);
    SetScrollRange(bar, SB_CTL, 0, 100, FALSE);
    Settle();
    TPoint from{8, 25}, to{8, 120};
    ClientToScreen(bar, &from);
    ClientToScreen(bar, &to);
    user::InjectMouseMove(from.X, from.Y);
    user::InjectMouseButton(user::MouseButton::Left, true);
    user::InjectMouseMove(to.X, to.Y);
    user::InjectMouseButton(user::MouseButton::Left, false);
    Settle();
    EXPECT_FALSE(IsWindow(bar));
    DestroyWindow(parent);
  }
}

}  // namespace
}  // namespace wctest
