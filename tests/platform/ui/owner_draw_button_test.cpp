// Owner-drawn buttons: the BUTTON window class asks the parent to draw a BS_OWNERDRAW button in
// each state a press, a key, the focus and disabling give it, and clicks it as a push button.
#include <string>
#include <vector>

#include "platform/ui/button.h"
#include "platform/window_classes/button_window.h"
#include "platform/user/owner_draw.h"
#include "platform/user/input_events.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

// A push button drawn by its owner, noting the state of each WM_DRAWITEM it hears; like the
// library buttons drawn by their owner it keeps its style when it becomes the default.
class OwnerDrawnButton : public TButton {
 public:
  using TButton::TButton;
  std::vector<UINT> states;   // ODS_ bits of each drawing
  UINT type = 0;
  TRect rect{};

 protected:
  void CreateParams(TCreateParams& Params) override {
    TButton::CreateParams(Params);
    Params.Style = (Params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
  }
  void SetButtonStyle(bool) override {}
  void Dispatch(TMessage& Message) override {
    if (Message.Msg != CN_DRAWITEM) return TButton::Dispatch(Message);
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
    states.push_back(draw->itemState);
    type = draw->CtlType;
    rect = draw->rcItem;
    Message.Result = 1;
  }
};

class OwnerDrawButtonTest : public UiTest {
 protected:
  void MouseButton(OwnerDrawnButton* button, bool down) {
    TPoint p{button->Width() / 2, button->Height() / 2};
    p = button->ClientToScreen(p);
    user::InjectMouseMove(p.X, p.Y);
    user::InjectMouseButton(user::MouseButton::Left, down);
    driver_->Settle();
  }
};

TEST_F(OwnerDrawButtonTest, TheParentDrawsEveryStateAndClicksStayThePlatforms) {
  TForm* form = NewForm("Form1");
  auto* other = new TButton(form);
  other->SetParent(form);
  auto* button = new OwnerDrawnButton(form);
  button->SetParent(form);
  button->SetBounds(10, 40, 80, 25);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  other->SetFocus();
  driver_->Settle();
  ASSERT_FALSE(button->states.empty());
  EXPECT_EQ(button->type, ODT_BUTTON);
  EXPECT_EQ(button->rect, (TRect{0, 0, 80, 25}));

  enum Action { Focus, Press, Release, SpaceDown, SpaceUp, Disable };
  const struct {
    Action action;
    UINT state;   // of the last drawing
    int clicks;
  } steps[] = {
      {Focus, ODS_FOCUS, 0},
      {Press, ODS_SELECTED | ODS_FOCUS, 0},
      {Release, ODS_FOCUS, 1},
      {SpaceDown, ODS_SELECTED | ODS_FOCUS, 1},
      {SpaceUp, ODS_FOCUS, 2},
      {Disable, ODS_DISABLED, 2},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(int(step.action));
    button->states.clear();
    switch (step.action) {
      case Focus: button->SetFocus(); break;
      case Press: MouseButton(button, true); break;
      case Release: MouseButton(button, false); break;
      case SpaceDown: user::InjectKey(VK_SPACE, true); break;
      case SpaceUp: user::InjectKey(VK_SPACE, false); break;
      case Disable: button->SetEnabled(false); break;
    }
    driver_->Settle();
    ASSERT_FALSE(button->states.empty());
    EXPECT_EQ(button->states.back(), step.state);
    EXPECT_EQ(clicks, step.clicks);
  }
}

}  // namespace
}  // namespace uitest
