// The BUTTON window class alone: BM_SETCHECK per style, the automatic styles' clicks and the
// automatic radio group bounded by WS_GROUP.
#include "platform/user/send_message.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/button_window.h"
#include "window_class_fixture.h"

namespace wctest {
namespace {

class ButtonWindowTest : public WindowClassTest {
 protected:
  HWND Make(DWORD style, int y) {
    RegisterButtonClass();
    HWND w = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE | style, 0, y, 80, 17, parent_, nullptr,
                             nullptr, nullptr);
    // Groups follow the sibling order: each new window goes after the ones made before it.
    SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return w;
  }
  HWND parent_ = NewParent(200, 200);
};

TEST_F(ButtonWindowTest, BmSetCheckAndAutomaticClicksFollowTheStyle) {
  const struct {
    DWORD style;
    LRESULT set;
    LRESULT afterSet;
    LRESULT afterClick;
  } cases[] = {{BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED, BST_UNCHECKED},
               {BS_CHECKBOX, BST_INDETERMINATE, BST_CHECKED, BST_CHECKED},
               {BS_AUTOCHECKBOX, BST_CHECKED, BST_CHECKED, BST_UNCHECKED},
               {BS_AUTOCHECKBOX, BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED},
               {BS_3STATE, BST_INDETERMINATE, BST_INDETERMINATE, BST_INDETERMINATE},
               {BS_AUTO3STATE, BST_CHECKED, BST_CHECKED, BST_INDETERMINATE},
               {BS_AUTO3STATE, BST_INDETERMINATE, BST_INDETERMINATE, BST_UNCHECKED},
               {BS_RADIOBUTTON, BST_CHECKED, BST_CHECKED, BST_CHECKED},
               {BS_AUTORADIOBUTTON, BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " set " << c.set);
    HWND w = Make(c.style, 0);
    SendMessageA(w, BM_SETCHECK, WPARAM(c.set), 0);
    EXPECT_EQ(SendMessageA(w, BM_GETCHECK, 0, 0), c.afterSet);
    SendMessageA(w, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(w, BM_GETCHECK, 0, 0), c.afterClick);
    DestroyWindow(w);
  }
}

TEST_F(ButtonWindowTest, AnAutomaticRadioButtonUnchecksTheAutomaticRadiosOfItsGroup) {
  HWND first = Make(BS_AUTORADIOBUTTON | WS_GROUP, 0);
  HWND plain = Make(BS_RADIOBUTTON, 20);          // not automatic: left alone
  HWND box = Make(BS_AUTOCHECKBOX, 40);           // not a radio: left alone
  HWND last = Make(BS_AUTORADIOBUTTON, 60);
  HWND nextGroup = Make(BS_AUTORADIOBUTTON | WS_GROUP, 80);
  for (HWND w : {first, plain, box, nextGroup}) SendMessageA(w, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(last, BM_CLICK, 0, 0);
  const struct {
    HWND window;
    LRESULT check;
  } expected[] = {{first, BST_UNCHECKED}, {plain, BST_CHECKED}, {box, BST_CHECKED}, {last, BST_CHECKED},
                  {nextGroup, BST_CHECKED}};
  for (const auto& e : expected) EXPECT_EQ(SendMessageA(e.window, BM_GETCHECK, 0, 0), e.check);
  EXPECT_EQ(SendMessageA(last, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_RADIOBUTTON);
  EXPECT_EQ(SendMessageA(box, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
}

}  // namespace
}  // namespace wctest
