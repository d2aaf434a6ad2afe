// The mouse over controls: which cursor shows (the control's own, or the screen's while it is set),
// the enter and leave notifications as the mouse moves between controls, and where a wheel turn goes.
#include "platform/ui/cursors.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class MouseTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = NewForm("Host");
    form_->SetClientWidth(200);
    form_->SetClientHeight(100);
    panel_ = new TPanel(form_);
    panel_->SetName("Panel");
    panel_->SetBounds(10, 10, 80, 80);
    panel_->SetCursor(crHandPoint);
    panel_->SetParent(form_);
    label_ = new TLabel(form_);
    label_->SetName("Label");
    label_->SetBounds(110, 10, 60, 20);
    label_->SetCursor(crIBeam);
    label_->SetParent(form_);
    driver_->Settle();
  }
  ~MouseTest() override { Screen->SetCursor(crDefault); }

  TForm* form_ = nullptr;
  TPanel* panel_ = nullptr;
  TLabel* label_ = nullptr;
};

TEST_F(MouseTest, TheScreenCursorOverridesEveryControlsOwnWhileItIsSet) {
  driver_->MoveMouseTo(panel_, TPoint{5, 5});
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHandPoint));
  driver_->MoveMouseTo(label_, TPoint{5, 5});   // a graphic control's cursor shows over its parent
  EXPECT_EQ(GetCursor(), Screen->Cursors(crIBeam));
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHourGlass));
  driver_->MoveMouseTo(panel_, TPoint{6, 6});
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHourGlass));
  EXPECT_NE(Screen->Cursors(crHourGlass), nullptr);
  Screen->SetCursor(crDefault);
  driver_->MoveMouseTo(panel_, TPoint{7, 7});
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHandPoint));
}

TEST_F(MouseTest, EnterAndLeaveFollowTheMouseFromControlToControl) {
  NotificationLog log;
  for (TControl* c : std::initializer_list<TControl*>{form_, panel_, label_}) log.Watch(c);
  driver_->MoveMouseTo(form_, TPoint{190, 90});
  log.Take();
  driver_->MoveMouseTo(panel_, TPoint{5, 5});
  driver_->MoveMouseTo(label_, TPoint{5, 5});
  driver_->MoveMouseTo(form_, TPoint{190, 90});
  // A control entered or left tells its parent too (LParam: the control).
  const std::vector<std::string> expected = {
      "Host:CM_MOUSELEAVE",  "Panel:CM_MOUSEENTER", "Host:CM_MOUSEENTER",
      "Panel:CM_MOUSELEAVE", "Host:CM_MOUSELEAVE", "Label:CM_MOUSEENTER", "Host:CM_MOUSEENTER",
      "Label:CM_MOUSELEAVE", "Host:CM_MOUSELEAVE", "Host:CM_MOUSEENTER"};
  EXPECT_EQ(log.Take(), expected);
}

// A panel that logs the wheel turns that reach its DoMouseWheelDown and DoMouseWheelUp.
class TWheelPanel : public TPanel {
 public:
  using TPanel::TPanel;
  std::vector<std::string> turns;

 protected:
  bool DoMouseWheelDown(TShiftState, TPoint) override {
    turns.push_back("down");
    return true;
  }
  bool DoMouseWheelUp(TShiftState, TPoint) override {
    turns.push_back("up");
    return true;
  }
};

TEST_F(MouseTest, AWheelTurnOnMouseWheelLeavesGoesDownOrUpByItsSign) {
  auto* panel = new TWheelPanel(form_);
  panel->SetParent(form_);
  bool handle = false;
  panel->OnMouseWheel = [&](TObject*, TShiftState, Integer, TPoint, bool& handled) { handled = handle; };
  for (const Integer delta : {-120, 120, -240}) panel->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(5, 5));
  handle = true;
  EXPECT_EQ(panel->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(5, 5)), 1);
  EXPECT_EQ(panel->turns, (std::vector<std::string>{"down", "up", "down"}));
}

}  // namespace
}  // namespace uitest
