// TArrowWindow: a green arrow that paints and is hit only inside its outline.
#include <gtest/gtest.h>

#include "grid/arrow_window.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/form.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_from_point.h"
#include "platform/user/window_pos.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

class ArrowWindowTest : public uitest::UiTest {};

TEST_F(ArrowWindowTest, EachArrowIsGreenInsideItsOutlineAndAbsentOutsideIt) {
  const struct {
    Byte direction;
    TPoint inside;     // a pixel inside the outline
    TPoint outside;    // a pixel of the window rectangle outside the outline
  } cases[] = {{0, {5, 3}, {1, 8}}, {1, {5, 6}, {1, 1}}, {2, {6, 5}, {1, 1}}, {3, {2, 5}, {1, 1}}};
  TForm* form = NewForm("ArrowForm", true);
  form->SetBounds(0, 0, 300, 200);
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.direction));
    auto* arrow = new TArrowWindow(form, c.direction);
    EXPECT_FALSE(arrow->Visible()) << "created hidden";
    EXPECT_EQ(arrow->Color(), 65280);
    arrow->SetBounds(100 + 20 * c.direction, 100, 11, 11);
    arrow->SetVisible(true);
    driver_->Settle();
    HWND window = arrow->WindowHandle();
    EXPECT_EQ(user::WindowPixel(window, c.inside.X, c.inside.Y), RGB(0, 255, 0));
    EXPECT_NE(user::WindowPixel(window, c.outside.X, c.outside.Y), RGB(0, 255, 0));
    TRect bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(WindowFromPoint(TPoint{bounds.Left + c.inside.X, bounds.Top + c.inside.Y}), window);
    EXPECT_NE(WindowFromPoint(TPoint{bounds.Left + c.outside.X, bounds.Top + c.outside.Y}), window);
  }
}

}  // namespace
