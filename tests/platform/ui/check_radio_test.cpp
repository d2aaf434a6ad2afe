// Check boxes and radio buttons: state tables for click, Space, BM_CLICK, BM_SETCHECK and disabled
// boxes; the radio group among sibling controls and among automatic radio windows; the look.
#include "platform/gdi/sys_colors.h"
#include "platform/ui/button_paint.h"
#include "platform/ui/button_window.h"
#include "platform/ui/check_box.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "ui_test_fixture.h"

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

// The window class alone: BM_SETCHECK per style, the automatic styles' clicks and the automatic
// radio group bounded by WS_GROUP.
class ButtonWindowTest : public UiTest {
 protected:
  HWND Make(DWORD style, int y) {
    RegisterButtonClass();
    HWND w = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE | style, 0, y, 80, 17, form_->Handle(),
                             nullptr, nullptr, nullptr);
    // Groups follow the sibling order: each new window goes after the ones made before it.
    SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return w;
  }
  TForm* form_ = NewForm("Form1");
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
