// A form's window: the styles its border style and icons make, stay-on-top, centring, closing
// with each close action, and the events and screen state of showing and activating forms.
#include <string>
#include <vector>

#include "platform/ui/edit.h"
#include "platform/ui/screen.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class FormWindowTest : public UiTest {};

TEST_F(FormWindowTest, BorderStyleAndIconsMakeTheWindowStyles) {
  const LONG_PTR kAll = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP;
  const struct {
    TFormBorderStyle border;
    TBorderIcons icons;
    LONG_PTR style;   // of the bits in kAll
    LONG_PTR exStyle;   // of WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW
  } cases[] = {
      {bsSizeable, {biSystemMenu, biMinimize, biMaximize}, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0},
      {bsSizeable, {biSystemMenu, biMinimize}, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX, 0},
      {bsSingle, {biSystemMenu, biMaximize}, WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX, 0},
      // Without a system menu the boxes keep their styles (the frame shows none).
      {bsSingle, {biMinimize, biMaximize}, WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0},
      {bsDialog, {biSystemMenu, biMinimize, biMaximize}, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME},
      {bsToolWindow, {biSystemMenu, biMinimize}, WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW},
      {bsNone, {biSystemMenu, biMinimize, biMaximize}, WS_POPUP, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    TForm* form = NewForm("F", false);
    form->SetBorderStyle(c.border);
    form->SetBorderIcons(c.icons);
    const LONG_PTR style = GetWindowLongPtrA(form->Handle(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE);
    EXPECT_EQ(style & kAll, c.style);
    EXPECT_EQ(exStyle & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW), c.exStyle);
    delete form;
  }
}

TEST_F(FormWindowTest, StayOnTopAndCentringApplyToTheWindow) {
  TForm* form = NewForm("F", false);
  form->SetBounds(0, 0, 300, 200);
  form->SetPosition(poScreenCenter);
  form->SetFormStyle(fsStayOnTop);
  form->Show();
  driver_->Settle();
  EXPECT_NE(GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(form->Left(), (Screen->Width() - 300) / 2);
  EXPECT_EQ(form->Top(), (Screen->Height() - 200) / 2);
  // Centring happens once: a moved form stays where it was put.
  form->Hide();
  form->SetLeft(10);
  form->Show();
  EXPECT_EQ(form->Left(), 10);
  form->SetFormStyle(fsNormal);
  EXPECT_EQ(GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(FormWindowTest, CloseDoesWhatTheCloseActionSays) {
  const struct {
    bool canClose;
    TCloseAction action;
    bool visible, exists, minimized;
    const char* events;
  } cases[] = {
      {true, caHide, false, true, false, "QC"},  {true, caFree, false, false, false, "QCD"},
      {true, caNone, true, true, false, "QC"},   {true, caMinimize, true, true, true, "QC"},
      {false, caHide, true, true, false, "Q"},
  };
  for (const auto& c : cases) {
    TForm* form = NewForm("F");
    std::string events;
    bool destroyed = false;
    form->OnCloseQuery = [&](TObject*, bool& canClose) {
      events += "Q";
      canClose = c.canClose;
    };
    form->OnClose = [&](TObject*, TCloseAction& action) {
      events += "C";
      EXPECT_EQ(action, caHide);   // what a plain form offers
      action = c.action;
    };
    form->OnDestroy = [&](TObject*) {
      events += "D";
      destroyed = true;
    };
    form->Close();
    driver_->Settle();
    EXPECT_EQ(events, c.events) << int(c.action);
    EXPECT_EQ(!destroyed, c.exists) << int(c.action);
    if (!destroyed) {
      EXPECT_EQ(form->Visible(), c.visible) << int(c.action);
      EXPECT_EQ(IsIconic(form->Handle()) != 0, c.minimized) << int(c.action);
      delete form;
    }
  }
}

// Showing, activating and sizing forms run their events in the order the class library runs
// them, and the screen follows the active form and its focused control.
TEST_F(FormWindowTest, ShowActivateAndResizeEventsAndTheScreensActiveForm) {
  std::string log;
  const auto watch = [&log](TForm* form, TEdit*& edit) {
    const std::string name = form->Name();
    form->OnShow = [&log, name](TObject*) { log += name + ".Show "; };
    form->OnActivate = [&log, name](TObject*) { log += name + ".Activate "; };
    form->OnDeactivate = [&log, name](TObject*) { log += name + ".Deactivate "; };
    form->OnHide = [&log, name](TObject*) { log += name + ".Hide "; };
    form->OnResize = [&log, name](TObject*) { log += name + ".Resize "; };
    edit = new TEdit(form);
    edit->SetParent(form);
    form->SetActiveControl(edit);
  };
  TForm* a = NewForm("A", false);
  TForm* b = NewForm("B", false);
  TEdit *editA = nullptr, *editB = nullptr;
  watch(a, editA);
  watch(b, editB);
  std::string formChanges;
  Screen->OnActiveFormChange = [&](TObject*) {
    formChanges += (Screen->ActiveForm() != nullptr ? Screen->ActiveForm()->Name() : "-") + " ";
  };

  a->Show();
  driver_->Settle();
  EXPECT_EQ(Screen->ActiveForm(), a);
  EXPECT_EQ(Screen->ActiveControl(), editA);
  b->Show();
  driver_->Settle();
  EXPECT_EQ(Screen->ActiveForm(), b);
  EXPECT_EQ(Screen->ActiveControl(), editB);
  b->SetBounds(b->Left(), b->Top(), b->Width() + 10, b->Height());
  b->Hide();
  driver_->Settle();
  EXPECT_EQ(Screen->ActiveForm(), a);
  // A window's first WM_SIZE, when it is made, runs OnResize too.
  EXPECT_EQ(log,
            "A.Resize A.Show A.Activate B.Resize B.Show A.Deactivate B.Activate B.Resize B.Hide B.Deactivate "
            "A.Activate ");
  EXPECT_EQ(formChanges, "A B A ");
  Screen->OnActiveFormChange = nullptr;
  delete b;
  delete a;
}

// A form that wraps every focus move of its controls (as a popup form does, to lock activation
// messages around it) sees each one through its own SetFocusedControl, and its answer counts.
class FocusWatchingForm : public TForm {
 public:
  FocusWatchingForm() : TForm(nullptr, CreateNewTag{}) {}
  bool SetFocusedControl(TWinControl* Control) override {
    seen.push_back(Control->Name());
    return refuse ? false : TForm::SetFocusedControl(Control);
  }
  std::vector<std::string> seen;
  bool refuse = false;
};

TEST_F(FormWindowTest, SetFocusedControlIsTheFormsToOverride) {
  auto* form = NewObject<FocusWatchingForm>();
  auto* first = new TEdit(form);
  auto* second = new TEdit(form);
  first->SetName("First");
  second->SetName("Second");
  first->SetParent(form);
  second->SetParent(form);
  second->SetTop(40);
  form->SetActiveControl(first);
  form->Show();
  driver_->Settle();
  second->SetFocus();
  EXPECT_EQ(form->seen, (std::vector<std::string>{"First", "Second"}));
  EXPECT_EQ(Screen->ActiveControl(), second);
  // Refused: the control's own focus handling stops there (it never hears CM_ENTER).
  form->refuse = true;
  bool entered = false;
  first->OnEnter = [&entered](TObject*) { entered = true; };
  first->SetFocus();
  EXPECT_FALSE(entered);
  delete form;
}

}  // namespace
}  // namespace uitest
