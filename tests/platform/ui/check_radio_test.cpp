// Check boxes and radio buttons: state tables for click, Space, BM_CLICK, BM_SETCHECK and disabled
// boxes; the radio group among sibling controls; the look.
#include "platform/gdi/sys_colors.h"
#include "platform/ui/check_box.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/button_paint.h"
#include "platform/window_classes/button_window.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

template <class T>
T* Add(TForm* form, TWinControl* parent, const char* name, Integer y) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(10, y, 120, 17);
  return control;
}

LRESULT WindowCheck(TWinControl* control) { return SendMessageA(control->Handle(), BM_GETCHECK, 0, 0); }

enum class Action { Click, Space, BmClick };

void Do(TTestDriver& driver, TWinControl* control, Action action) {
  switch (action) {
    case Action::Click: driver.Click(control); break;
    case Action::Space:
      control->SetFocus();
      driver.PressKey(VK_SPACE);
      break;
    case Action::BmClick:
      SendMessageA(control->Handle(), BM_CLICK, 0, 0);
      driver.Settle();
      break;
  }
}

class CheckRadioTest : public UiTest {};

TEST_F(CheckRadioTest, ACheckBoxTogglesThroughItsStatesOnClickSpaceAndBmClick) {
  const struct {
    bool allowGrayed;
    TCheckBoxState from;
    TCheckBoxState to;
  } states[] = {{false, cbUnchecked, cbChecked}, {false, cbChecked, cbUnchecked}, {true, cbUnchecked, cbGrayed},
                {true, cbGrayed, cbChecked},     {true, cbChecked, cbUnchecked}, {false, cbGrayed, cbChecked}};
  TForm* form = NewForm("Form1");
  auto* box = Add<TCheckBox>(form, form, "Box", 10);
  Integer clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  for (Action action : {Action::Click, Action::Space, Action::BmClick}) {
    for (const auto& s : states) {
      SCOPED_TRACE(testing::Message() << "action " << int(action) << " from " << int(s.from));
      box->SetAllowGrayed(s.allowGrayed);
      box->SetState(s.from);
      clicks = 0;
      Do(*driver_, box, action);
      EXPECT_EQ(box->State(), s.to);
      EXPECT_EQ(WindowCheck(box), LRESULT(s.to));
      EXPECT_EQ(box->Checked(), s.to == cbChecked);
      EXPECT_EQ(clicks, 1);
    }
  }
}

TEST_F(CheckRadioTest, ADisabledCheckBoxIgnoresTheMouseAndSettingStateStillClicks) {
  TForm* form = NewForm("Form1");
  auto* box = Add<TCheckBox>(form, form, "Box", 10);
  Integer clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  box->SetEnabled(false);
  driver_->Click(box);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(clicks, 0);
  box->SetChecked(true);   // a change made by the program runs OnClick like a user's
  box->SetChecked(true);   // no change, no click
  EXPECT_EQ(WindowCheck(box), BST_CHECKED);
  EXPECT_EQ(clicks, 1);
}

TEST_F(CheckRadioTest, TheCaptionsAcceleratorFocusesAndTogglesTheBox) {
  TForm* form = NewForm("Form1");
  auto* other = Add<TCheckBox>(form, form, "Other", 10);
  auto* box = Add<TCheckBox>(form, form, "Box", 40);
  box->SetCaption("&Keep");
  other->SetFocus();
  driver_->PressKey('K', {ssAlt});
  EXPECT_EQ(driver_->FocusedControl(), box);
  EXPECT_TRUE(box->Checked());
  EXPECT_FALSE(other->Checked());
}

TEST_F(CheckRadioTest, CheckingARadioButtonUnchecksItsSiblingsOnly) {
  TForm* form = NewForm("Form1");
  auto* a = Add<TRadioButton>(form, form, "A", 10);
  auto* b = Add<TRadioButton>(form, form, "B", 30);
  auto* c = Add<TRadioButton>(form, form, "C", 50);
  auto* panel = Add<TPanel>(form, form, "Panel", 80);
  panel->SetBounds(10, 80, 200, 60);
  auto* inner = Add<TRadioButton>(form, panel, "Inner", 10);
  inner->SetChecked(true);
  a->SetChecked(true);
  std::string clicked;
  for (TRadioButton* r : {a, b, c, inner}) r->OnClick = [&clicked, r](TObject*) { clicked += r->Name(); };
  const struct {
    Action action;
    TRadioButton* target;
  } steps[] = {{Action::Click, b}, {Action::BmClick, c}, {Action::Space, a}, {Action::Click, a}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.target->Name());
    clicked.clear();
    const bool wasChecked = step.target->Checked();
    Do(*driver_, step.target, step.action);
    for (TRadioButton* r : {a, b, c}) {
      EXPECT_EQ(r->Checked(), r == step.target) << r->Name();
      EXPECT_EQ(WindowCheck(r), r == step.target ? BST_CHECKED : BST_UNCHECKED) << r->Name();
      EXPECT_EQ(r->TabStop(), r == step.target) << r->Name();
    }
    EXPECT_TRUE(inner->Checked());
    EXPECT_EQ(clicked, wasChecked ? "" : step.target->Name());   // only the newly checked one clicks
  }
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  b->SetChecked(false);   // unchecking leaves the group with none checked
  EXPECT_FALSE(a->Checked() || b->Checked() || c->Checked());
}

// Pixels in the middle of the 13-pixel box that are not the box's white face: the mark.
int MarkPixels(TTestDriver& driver, TControl* control, int boxLeft) {
  const int top = (control->Height() - kCheckBoxSize) / 2;
  int marked = 0;
  for (int y = top + 4; y < top + kCheckBoxSize - 4; ++y)
    for (int x = boxLeft + 4; x < boxLeft + kCheckBoxSize - 4; ++x)
      marked += driver.Pixel(control, x, y) != GetSysColor(COLOR_WINDOW) ? 1 : 0;
  return marked;
}

TEST_F(CheckRadioTest, TheBoxShowsTheMarkOnTheSideTheAlignmentSays) {
  TForm* form = NewForm("Form1");
  auto* box = Add<TCheckBox>(form, form, "Box", 10);
  auto* radio = Add<TRadioButton>(form, form, "Radio", 40);
  for (TAlignment alignment : {taRightJustify, taLeftJustify}) {
    box->SetAlignment(alignment);
    radio->SetAlignment(alignment);
    const int boxLeft = alignment == taLeftJustify ? box->Width() - kCheckBoxSize : 0;
    box->SetChecked(false);
    radio->SetChecked(false);
    box->Repaint();
    radio->Repaint();
    EXPECT_EQ(MarkPixels(*driver_, box, boxLeft), 0);
    EXPECT_EQ(MarkPixels(*driver_, radio, boxLeft), 0);
    box->SetChecked(true);
    radio->SetChecked(true);
    box->Repaint();
    radio->Repaint();
    EXPECT_GT(MarkPixels(*driver_, box, boxLeft), 4);
    EXPECT_GT(MarkPixels(*driver_, radio, boxLeft), 4);
  }
}

}  // namespace
}  // namespace uitest
