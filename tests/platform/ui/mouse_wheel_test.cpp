// The wheel over a focused control that does not take it itself: the window's own procedure
// scrolls by the system's wheel lines (three a notch), after the control's and its parents'
// OnMouseWheel had their say.
#include <string>

#include "platform/ui/list_box.h"
#include "platform/ui/memo.h"
#include "platform/ui/mouse.h"
#include "platform/window_classes/edit_window.h"
#include "platform/user/input_events.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/system_parameters.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class MouseWheelTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = NewForm("WheelForm");
    memo_ = new TMemo(form_);
    memo_->SetParent(form_);
    memo_->SetBounds(8, 8, 150, 80);
    list_ = new TListBox(form_);
    list_->SetParent(form_);
    list_->SetBounds(170, 8, 150, 80);
    for (int i = 0; i < 30; ++i) {
      memo_->Lines()->Add("line " + std::to_string(i));
      list_->Items()->Add("item " + std::to_string(i));
    }
    driver_->Settle();
    SendMessageA(memo_->Handle(), EM_LINESCROLL, 0, -100);   // adding lines scrolled to the last
    ASSERT_EQ(FirstMemoLine(), 0);
  }
  void TearDown() override { user::ResetSystemParameters(); }

  void Wheel(TWinControl* control, int delta) {
    control->SetFocus();
    const TPoint middle = control->ClientToScreen(TPoint{20, 20});
    user::InjectMouseMove(middle.X, middle.Y);
    user::InjectMouseWheel(delta);
    driver_->Settle();
  }
  int FirstMemoLine() { return int(SendMessageA(memo_->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

  TForm* form_ = nullptr;
  TMemo* memo_ = nullptr;
  TListBox* list_ = nullptr;
};

TEST_F(MouseWheelTest, AFocusedMemoAndListBoxScrollByTheWheelLines) {
  Wheel(memo_, -WHEEL_DELTA);
  EXPECT_EQ(FirstMemoLine(), 3);
  Wheel(list_, -2 * WHEEL_DELTA);
  EXPECT_EQ(list_->TopIndex(), 6);
  Wheel(list_, WHEEL_DELTA);
  EXPECT_EQ(list_->TopIndex(), 3);

  UINT lines = 1;
  SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
  Wheel(memo_, -WHEEL_DELTA);
  EXPECT_EQ(FirstMemoLine(), 4);
}

TEST_F(MouseWheelTest, AParentsOnMouseWheelThatTakesTheWheelStopsTheScroll) {
  int seen = 0;
  form_->OnMouseWheel = [&](TObject*, TShiftState, Integer delta, TPoint, bool& handled) {
    ++seen;
    handled = delta > 0;
  };
  Wheel(list_, -WHEEL_DELTA);
  EXPECT_EQ(list_->TopIndex(), 3);
  Wheel(list_, WHEEL_DELTA);   // taken by the form
  EXPECT_EQ(list_->TopIndex(), 3);
  EXPECT_EQ(seen, 2);
}

TEST_F(MouseWheelTest, MouseWheelScrollLinesReadsTheSystemSettingEachTime) {
  EXPECT_EQ(Mouse.WheelScrollLines(), 3);
  SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 7, nullptr, 0);
  EXPECT_EQ(Mouse.WheelScrollLines(), 7);
}

}  // namespace
}  // namespace uitest
