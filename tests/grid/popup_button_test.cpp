// TPopupButton: a disabled topmost popup whose caption goes to the markup renderer when it holds
// "</" and is drawn as one plain line otherwise.
#include <gtest/gtest.h>

#include "grid/popup_button.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/form.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

class PopupButtonTest : public uitest::UiTest {};

TEST_F(PopupButtonTest, ATopmostDisabledPopupThatHandsMarkupToTheRenderer) {
  const struct {
    const char* caption;
    bool red;   // the markup's colour shows only when the renderer draws it
  } cases[] = {{"<font color=\"clRed\">Name</font>", true}, {"<font color=\"clRed\">Name<", false}};
  TForm* form = NewForm("PopupForm", true);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    auto* button = new TPopupButton(form);
    button->SetParent(form);
    EXPECT_EQ(button->GradFrom(), clNone);
    button->SetCaption(c.caption);
    button->SetBounds(50, 50, 200, 24);
    button->SetVisible(true);
    driver_->Settle();
    HWND window = button->WindowHandle();
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "topmost";
    EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_DISABLED, 0) << "disabled";
    Integer red = 0;
    for (Integer y = 0; y < 24; ++y)
      for (Integer x = 0; x < 200; ++x) red += user::ClientPixel(window, x, y) == RGB(255, 0, 0);
    EXPECT_EQ(red > 0, c.red) << red;
    delete button;
  }
}

}  // namespace
