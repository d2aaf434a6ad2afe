// TkxCustomPopupWindow and the container unit's popup hooks: showing and closing with their
// events, the focus choice, the z-order, the private messages, the modal loop, the get-message,
// mouse and call-window-procedure hooks, deactivation, and popups freed or kept listed by their
// own handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_custom_popup_window.h"
#include "controls/foundation/kx_popup_hooks.h"
#include "controls/foundation/kx_popup_list.h"
#include "foundation_test_support.h"
#include "platform/ui/application.h"
#include "platform/ui/edit.h"
#include "platform/ui/panel.h"
#include "platform/ui/screen.h"
#include "platform/user/focus.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using foundationtest::ScopedUnits;
using Lines = std::vector<std::string>;

// A control or form that notes the messages a test watches for, as "Name MESSAGE".
template <class Base>
class Logged : public Base {
 public:
  template <class... Args>
  explicit Logged(Lines& log, Args&&... args) : Base(std::forward<Args>(args)...), log_(log) {}
  void WndProc(TMessage& Message) override {
    static const struct {
      UINT msg;
      const char* name;
    } kWatched[] = {{WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
                    {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_NCACTIVATE, "WM_NCACTIVATE"}};
    for (const auto& w : kWatched)
      if (Message.Msg == w.msg) log_.push_back(this->Name() + " " + w.name + " " + std::to_string(Message.WParam));
    Base::WndProc(Message);
  }

 private:
  Lines& log_;
};

// A posted request to set ModalResult to mrOk.
constexpr UINT kSetModalResult = WM_APP + 1;

// Gives up keeping itself listed after this many closes: a hook that restarts its scan at a popup
// still listed would otherwise never return.
constexpr int kKeepListedLimit = 50;

class TestPopup : public TkxCustomPopupWindow {
 public:
  TestPopup(TWinControl* Owner, Lines& Log) : TkxCustomPopupWindow(Owner), log_(Log) {}
  void ClosePopup() override {
    ++closeCalls;
    if (keepListed && closeCalls < kKeepListedLimit) return;
    TkxCustomPopupWindow::ClosePopup();
  }
  bool SwallowsOutsideClick(HWND, UINT, TPoint, TShiftState) override { return swallowsClicks; }
  void CloseByModalResult() override {
    log_.push_back(Name() + " CloseByModalResult");
    TkxCustomPopupWindow::CloseByModalResult();
  }
  bool CloseQuery() override {
    log_.push_back(Name() + " CloseQuery");
    return closeQueryAnswers.empty() ? true : Take(closeQueryAnswers);
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_SYSKEYDOWN) log_.push_back(Name() + " WM_SYSKEYDOWN " + std::to_string(Message.WParam));
    if (Message.Msg == kSetModalResult) {
      log_.push_back(Name() + " ModalResult was " + std::to_string(ModalResult()));
      SetModalResult(mrOk);
    }
    TkxCustomPopupWindow::WndProc(Message);
  }

  int closeCalls = 0;
  bool keepListed = false;
  bool swallowsClicks = false;
  std::vector<bool> closeQueryAnswers;

 private:
  static bool Take(std::vector<bool>& answers) {
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  Lines& log_;
};

class CustomPopupTest : public uitest::UiTest {
 protected:
  CustomPopupTest() {
    user::SetWorkArea(TRect{0, 0, 1024, 768});
    form_ = NewObject<Logged<TForm>>(log_, Application, TCustomForm::CreateNewTag{});
    form_->SetName("Host");
    form_->SetBounds(100, 100, 400, 300);
    owner_ = AddPanel(form_, "Owner", 10);
    other_ = AddPanel(form_, "Other", 150);
    form_->Show();
    driver_->Settle();
    log_.clear();
  }
  // The forms and popups go while the log they write to exists.
  ~CustomPopupTest() override {
    while (Screen->CustomFormCount() > 0) delete Screen->CustomForms(0);
    user::ResetSystemMetrics();
  }

  Logged<TPanel>* AddPanel(TWinControl* parent, const char* name, Integer top) {
    auto* panel = new Logged<TPanel>(log_, parent);
    panel->SetName(name);
    panel->SetBounds(10, top, 100, 24);
    panel->SetParent(parent);
    return panel;
  }
  // A popup below its owner control that notes its events; no modal loop unless asked.
  TestPopup* NewPopup(TWinControl* owner, const std::string& name, bool capture) {
    auto* popup = NewObject<TestPopup>(owner, log_);
    popup->SetName(name);
    popup->SetFocusCapture(capture);
    popup->RunsModalLoop = false;
    popup->OwnerHost = owner;
    popup->OwnerRect = TRect{0, 0, owner->Width(), owner->Height()};
    popup->SetBounds(0, 0, 150, 80);
    const auto note = [this, popup](const char* event) {
      return uitest::NotifyEvent([this, popup, event](TObject*) {
        log_.push_back(popup->Name() + " " + event + (IsWindowVisible(popup->Handle()) ? " shown" : " hidden"));
      });
    };
    popup->OnBeforeShow = note("BeforeShow");
    popup->OnAfterShow = note("AfterShow");
    popup->OnBeforeClose = note("BeforeClose");
    popup->OnAfterClose = note("AfterClose");
    return popup;
  }
  Lines Take() { return std::exchange(log_, {}); }
  // The log without the lines of one kind of message.
  Lines TakeEvents() {
    Lines events;
    for (const std::string& line : Take())
      if (line.find(" WM_") == std::string::npos) events.push_back(line);
    return events;
  }

  ScopedUnits units_{kxControlsUnit, kxContainerUnit};
  Lines log_;
  Logged<TForm>* form_ = nullptr;
  Logged<TPanel>* owner_ = nullptr;
  Logged<TPanel>* other_ = nullptr;
};

// --- Showing and closing ---

TEST_F(CustomPopupTest, ShowingAndClosingFireTheirEventsAroundTheWindowChange) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->ShowPopup(owner_);
  EXPECT_TRUE(IsVisiblePopupWindow(popup));
  // Below the owner control: its screen bounds start at the form's client origin + (10, 10).
  const TPoint ownerCorner = owner_->ClientToScreen(TPoint{0, 0});
  EXPECT_EQ(popup->Left(), ownerCorner.X);
  EXPECT_EQ(popup->Top(), ownerCorner.Y + 24);
  popup->ClosePopup();
  EXPECT_FALSE(IsVisiblePopupWindow(popup));
  EXPECT_EQ(TakeEvents(), (Lines{"P BeforeShow hidden", "P AfterShow shown", "P BeforeClose shown",
                                 "P AfterClose hidden"}));
}

TEST_F(CustomPopupTest, ShowingAShownPopupOrWithTheOwnerHiddenAndClosingAnUnlistedOneDoNothing) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->ClosePopup();
  EXPECT_EQ(TakeEvents(), Lines{});
  popup->ShowPopup(owner_);
  const TRect shownAt = popup->BoundsRect();
  Take();
  owner_->SetLeft(200);
  popup->ShowPopup(owner_);
  EXPECT_EQ(TakeEvents(), Lines{});
  EXPECT_EQ(popup->BoundsRect(), shownAt);
  popup->ClosePopup();
  Take();
  owner_->Hide();
  popup->ShowPopup(owner_);
  EXPECT_FALSE(IsVisiblePopupWindow(popup));
  EXPECT_EQ(TakeEvents(), Lines{});
}

TEST_F(CustomPopupTest, TheFocusGoesWhereTheFocusControlAndTabStopsSay) {
  TestPopup* popup = NewPopup(owner_, "P", true);
  auto* plain = new TPanel(popup);
  plain->SetParent(popup);
  auto* edit = new TEdit(popup);
  edit->SetParent(popup);
  edit->SetTop(30);
  enum Given { None, Edit, Plain, PlainNoTabStops };
  struct Case {
    bool capture;
    Given given;
    TWinControl* expected;
  } cases[] = {
      {true, None, popup}, {true, Edit, edit}, {true, Plain, edit}, {true, PlainNoTabStops, popup},
      {false, Plain, plain},
  };
  for (const Case& c : cases) {
    popup->SetFocusCapture(c.capture);
    edit->SetTabStop(c.given != PlainNoTabStops);
    TWinControl* given = c.given == None ? nullptr : c.given == Edit ? static_cast<TWinControl*>(edit) : plain;
    popup->ShowPopup(given);
    EXPECT_EQ(popup->PopupFocusControl(), c.expected) << c.capture << " " << int(c.given);
    popup->ClosePopup();
  }
}

TEST_F(CustomPopupTest, AFocusCapturingPopupGoesOnTopOfItsFormAndTheOthersOnTopOfEverything) {
  struct Case {
    bool capture, formOnTop, topmost;
  } cases[] = {{true, false, false}, {false, false, true}, {true, true, true}};
  for (const Case& c : cases) {
    form_->SetFormStyle(c.formOnTop ? fsStayOnTop : fsNormal);
    driver_->Settle();
    TestPopup* popup = NewPopup(owner_, "P", c.capture);
    popup->ShowPopup(nullptr);
    EXPECT_EQ((GetWindowLongA(popup->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, c.topmost)
        << c.capture << c.formOnTop;
    delete popup;
  }
}

TEST_F(CustomPopupTest, APopupWithoutFocusCaptureNeverBecomesActive) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->ShowPopup(owner_);
  driver_->Settle();
  EXPECT_EQ(GetActiveWindow(), form_->Handle());
  driver_->Click(popup);
  EXPECT_EQ(GetActiveWindow(), form_->Handle());
  EXPECT_TRUE(IsVisiblePopupWindow(popup));
  EXPECT_FALSE(popup->Focused());
}

TEST_F(CustomPopupTest, DestroyingAShownPopupUnlistsIt) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->ShowPopup(owner_);
  delete popup;
  EXPECT_TRUE(IsVisiblePopupListEmpty());
}

TEST_F(CustomPopupTest, ThePrivateMessagesCloseWithTheFocusToTheOwnerAndShowAgain) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->ShowPopup(owner_);
  Take();
  PostPopupCloseMessage(popup);
  driver_->Settle();
  EXPECT_FALSE(IsVisiblePopupWindow(popup));
  EXPECT_FALSE(popup->IsDeactivationLocked());
  const Lines afterClose = Take();
  EXPECT_NE(std::find(afterClose.begin(), afterClose.end(), "Owner WM_SETFOCUS 0"), afterClose.end());
  PostMessageA(popup->Handle(), KXM_SHOWPOPUP, 0, 0);
  driver_->Settle();
  EXPECT_TRUE(IsVisiblePopupWindow(popup));
  EXPECT_EQ(popup->PopupFocusControl(), owner_);
}

TEST_F(CustomPopupTest, ChangingFocusCaptureOfAShownPopupClosesAndShowsItAgain) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->ShowPopup(owner_);
  Take();
  popup->SetFocusCapture(true);
  EXPECT_TRUE(IsVisiblePopupWindow(popup));
  EXPECT_EQ(TakeEvents(), (Lines{"P BeforeClose shown", "P AfterClose hidden", "P BeforeShow hidden",
                                 "P AfterShow shown"}));
  EXPECT_EQ(GetWindowLongA(popup->Handle(), GWL_STYLE) & WS_CHILD, 0);
}

// --- The modal loop and the get-message hook ---

TEST_F(CustomPopupTest, TheModalLoopDropsQueuedAltKeysAndClosesOnAnAcceptedModalResult) {
  TestPopup* popup = NewPopup(owner_, "P", true);
  popup->RunsModalLoop = true;
  popup->HandleNeeded();
  for (WPARAM key : {WPARAM(VK_MENU), WPARAM(VK_RETURN), WPARAM(VK_SPACE), WPARAM('F')})
    PostMessageA(popup->Handle(), WM_SYSKEYDOWN, key, 0x20000001);
  // The first modal result is refused by CloseQuery and reset; the second is accepted.
  popup->closeQueryAnswers = {false, true};
  popup->OnAfterShow = [popup](TObject*) { popup->SetModalResult(mrOk); };
  PostMessageA(popup->Handle(), kSetModalResult, 0, 0);
  popup->ShowPopup(nullptr);
  EXPECT_FALSE(IsVisiblePopupWindow(popup));
  Lines loop;
  for (const std::string& line : Take())
    if (line.find("SYSKEY") != std::string::npos || line.find("Modal") != std::string::npos ||
        line.find("Query") != std::string::npos)
      loop.push_back(line);
  EXPECT_EQ(loop, (Lines{"P CloseQuery", "P WM_SYSKEYDOWN 70", "P ModalResult was 0", "P CloseQuery",
                         "P CloseByModalResult"}));
}

TEST_F(CustomPopupTest, WithoutAModalLoopSystemKeysButNavigationKeysBecomeNull) {
  struct Case {
    bool capture, modal;
    WPARAM key;
    UINT expected;
  } cases[] = {
      {false, false, 'F', WM_NULL}, {false, false, VK_DOWN, WM_SYSKEYDOWN}, {false, false, VK_F4, WM_SYSKEYDOWN},
      {true, false, 'F', WM_NULL},  {true, true, 'F', WM_SYSKEYDOWN},
  };
  for (const Case& c : cases) {
    TestPopup* popup = NewPopup(owner_, "P", c.capture);
    popup->ShowPopup(owner_);
    popup->RunsModalLoop = c.modal;
    PostMessageA(owner_->Handle(), WM_SYSKEYDOWN, c.key, 0x20000001);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, owner_->Handle(), 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, c.expected) << c.capture << c.modal << " " << c.key;
    delete popup;
  }
}

// --- The mouse hook ---

TEST_F(CustomPopupTest, ClicksInsideThePopupOrAPopupOpenedFromItLeaveItOpen) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->AutoFitToControls = false;
  auto* child = new TPanel(popup);
  child->SetName("Child");
  child->SetBounds(0, 0, 20, 10);
  child->SetParent(popup);
  popup->ShowPopup(owner_);
  TestPopup* inner = NewPopup(child, "Inner", false);
  inner->ShowPopup(child);
  driver_->Click(inner);
  driver_->Click(popup);
  EXPECT_TRUE(IsVisiblePopupWindow(inner));
  EXPECT_TRUE(IsVisiblePopupWindow(popup));
  // A click on the inner popup's owner closes only the inner popup.
  driver_->Click(child);
  EXPECT_FALSE(IsVisiblePopupWindow(inner));
  EXPECT_TRUE(IsVisiblePopupWindow(popup));
}

TEST_F(CustomPopupTest, ClicksOnTheOwnersFormCloseThePopupAndReachTheirWindowUnlessSwallowed) {
  struct Case {
    const char* name;
    TMouseButton button;
    bool onOwner, swallows, hideOwnerOnClose, reaches;
  } cases[] = {
      {"left on the owner", mbLeft, true, true, false, true},  // never asked: inside the owner
      {"left on the owner that closing hid", mbLeft, true, false, true, false},
      {"right on the owner", mbRight, true, false, false, true},
      {"right on the owner, swallowed", mbRight, true, true, false, false},
      {"left elsewhere on the form", mbLeft, false, false, false, true},
      {"left elsewhere, swallowed", mbLeft, false, true, false, false},
  };
  for (const Case& c : cases) {
    owner_->Show();
    driver_->Settle();
    TestPopup* popup = NewPopup(owner_, "P", false);
    popup->swallowsClicks = c.swallows;
    if (c.hideOwnerOnClose) popup->OnAfterClose = [this](TObject*) { owner_->Hide(); };
    popup->ShowPopup(owner_);
    Take();
    TPanel* target = c.onOwner ? owner_ : other_;
    driver_->Click(target, c.button);
    EXPECT_FALSE(IsVisiblePopupWindow(popup)) << c.name;
    const Lines log = Take();
    const std::string press = target->Name() + (c.button == mbLeft ? " WM_LBUTTONDOWN" : " WM_RBUTTONDOWN");
    const bool reached =
        std::any_of(log.begin(), log.end(), [&](const std::string& line) { return line.starts_with(press); });
    EXPECT_EQ(reached, c.reaches) << c.name;
    delete popup;
  }
}

TEST_F(CustomPopupTest, AClickOnAnotherFormLeavesANonCapturingPopupOpen) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->ShowPopup(owner_);
  TForm* another = NewForm("Another");
  another->SetBounds(600, 100, 200, 200);
  driver_->Settle();
  driver_->Click(another);
  EXPECT_TRUE(IsVisiblePopupWindow(popup));
}

// --- The call-window-procedure hook and deactivation ---

TEST_F(CustomPopupTest, TheOwnersFormKeepsItsActiveCaptionWhileAPopupIsOpen) {
  const COLORREF activeCaption = user::WindowPixel(form_->Handle(), 150, 10);
  TestPopup* popup = NewPopup(owner_, "P", true);
  popup->ShowPopup(nullptr);
  driver_->Settle();
  ASSERT_EQ(GetActiveWindow(), popup->Handle());
  EXPECT_EQ(popup->PreviousActiveWindow, form_->Handle());
  EXPECT_EQ(user::WindowPixel(form_->Handle(), 150, 10), activeCaption);
  Take();
  EXPECT_EQ(SendMessageA(form_->Handle(), WM_NCACTIVATE, FALSE, 0), 1);
  EXPECT_EQ(Take(), Lines{}) << "never reached the form";
  EXPECT_EQ(user::WindowPixel(form_->Handle(), 150, 10), activeCaption);
  // With no popup open the form is drawn inactive again.
  popup->ClosePopup();
  driver_->Settle();
  Take();
  SendMessageA(form_->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(Take(), Lines{"Host WM_NCACTIVATE 0"});
  EXPECT_NE(user::WindowPixel(form_->Handle(), 150, 10), activeCaption);
}

TEST_F(CustomPopupTest, HidingTheOwnerClosesItsPopupAndEveryPopupShownAfterIt) {
  Logged<TPanel>* third = AddPanel(form_, "Third", 200);
  driver_->Settle();
  TestPopup* first = NewPopup(owner_, "First", false);
  TestPopup* second = NewPopup(other_, "Second", false);
  TestPopup* last = NewPopup(third, "Last", false);
  for (TestPopup* popup : {first, second, last}) popup->ShowPopup(popup->AttachedControl());
  Take();
  ShowWindow(other_->Handle(), SW_HIDE);
  EXPECT_TRUE(IsVisiblePopupWindow(first));
  EXPECT_EQ(TakeEvents(), (Lines{"Last BeforeClose shown", "Last AfterClose hidden", "Second BeforeClose shown",
                                 "Second AfterClose hidden"}));
}

TEST_F(CustomPopupTest, CloseMessagesAskCloseQueryAndTheApplicationsDeactivationClosesNonCapturingPopups) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->ShowPopup(owner_);
  popup->closeQueryAnswers = {false};
  SendMessageA(popup->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsVisiblePopupWindow(popup)) << "refused";
  SendMessageA(popup->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsVisiblePopupWindow(popup));
  popup->ShowPopup(owner_);
  user::SetApplicationActive(false);
  driver_->Settle();
  EXPECT_FALSE(IsVisiblePopupWindow(popup));
}

TEST_F(CustomPopupTest, ActivationMessagesAreSwallowedOnlyWhileLocked) {
  int activations = 0;
  form_->OnActivate = [&activations](TObject*) { ++activations; };
  LockActivationMessages(true);
  EXPECT_EQ(SendMessageA(form_->Handle(), CM_ACTIVATE, 0, 0), 1);
  SendMessageA(form_->Handle(), CM_DEACTIVATE, 0, 0);
  EXPECT_EQ(activations, 0);
  LockActivationMessages(false);
  SendMessageA(form_->Handle(), CM_ACTIVATE, 0, 0);
  EXPECT_EQ(activations, 1);
}

TEST_F(CustomPopupTest, ActivatingAnotherFormClosesThePopupsLastFirstUnlessLockedOrOpenedFromThem) {
  TestPopup* first = NewPopup(owner_, "First", true);
  first->ShowPopup(nullptr);
  auto* inside = new TPanel(first);
  inside->SetParent(first);
  TestPopup* second = NewPopup(inside, "Second", true);
  second->ShowPopup(nullptr);
  driver_->Settle();
  EXPECT_TRUE(IsVisiblePopupWindow(first)) << "a popup shown from it is active";
  TForm* another = NewForm("Another", false);
  another->SetBounds(600, 100, 200, 200);
  Take();
  first->LockDeactivation(true);
  another->Show();
  driver_->Settle();
  // The second popup's deactivation closes it, then the first, which is held by its lock.
  EXPECT_FALSE(IsVisiblePopupWindow(second));
  EXPECT_TRUE(IsVisiblePopupWindow(first));
  first->LockDeactivation(false);
  first->ShowPopup(nullptr);  // listed already: nothing
  SetActiveWindow(first->Handle());
  second->ShowPopup(nullptr);
  driver_->Settle();
  Take();
  SetActiveWindow(another->Handle());
  driver_->Settle();
  EXPECT_EQ(TakeEvents(), (Lines{"Second BeforeClose shown", "Second AfterClose hidden", "First BeforeClose shown",
                                 "First AfterClose hidden"}));
}

// --- Handlers that keep a popup listed or free it ---

TEST_F(CustomPopupTest, APopupThatStaysListedWhenClosedLetsEveryHookReturn) {
  TestPopup* popup = NewPopup(owner_, "P", false);
  popup->keepListed = true;
  popup->ShowPopup(owner_);
  driver_->Click(other_);
  EXPECT_EQ(popup->closeCalls, 1) << "mouse hook";
  popup->closeCalls = 0;
  SetWindowPos(owner_->Handle(), nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(popup->closeCalls, 1) << "owner moved out of sight";
  popup->closeCalls = 0;
  user::SetApplicationActive(false);
  driver_->Settle();
  EXPECT_GT(popup->closeCalls, 0);
  EXPECT_LT(popup->closeCalls, kKeepListedLimit) << "application deactivated";
  EXPECT_TRUE(IsVisiblePopupWindow(popup));
}

TEST_F(CustomPopupTest, APopupFreedByItsOwnAfterCloseHandlerIsNotTouchedAgain) {
  enum Trigger { OutsideClick, CloseMessage };
  for (Trigger trigger : {OutsideClick, CloseMessage}) {
    TestPopup* popup = NewPopup(owner_, "P", false);
    popup->OnAfterClose = [popup](TObject*) { delete popup; };
    popup->ShowPopup(owner_);
    if (trigger == OutsideClick) {
      driver_->Click(other_);
    } else {
      PostPopupCloseMessage(popup);
      driver_->Settle();
    }
    EXPECT_TRUE(IsVisiblePopupListEmpty()) << int(trigger);
  }
}

TEST_F(CustomPopupTest, TheModalLoopReturnsWhenTheOwnersFormIsReleasedWithThePopup) {
  TForm* dialog = NewForm("Dialog");
  Logged<TPanel>* field = AddPanel(dialog, "Field", 10);
  driver_->Settle();
  TestPopup* popup = NewPopup(field, "P", true);
  popup->RunsModalLoop = true;
  dialog->OnDestroy = [popup](TObject*) { delete popup; };
  dialog->Release();
  popup->ShowPopup(nullptr);
  EXPECT_TRUE(IsVisiblePopupListEmpty());
  EXPECT_FALSE(IsPopupShowing());
}

// --- The unit ---

TEST_F(CustomPopupTest, TheUnitInstallsTheHooksInOrderAndRemovesThem) {
  const TkxPopupHookHandles installed = GetPopupHookHandles();
  ASSERT_NE(installed.CallWndProc, nullptr);
  EXPECT_LT(reinterpret_cast<std::uintptr_t>(installed.CallWndProc),
            reinterpret_cast<std::uintptr_t>(installed.GetMessage));
  EXPECT_LT(reinterpret_cast<std::uintptr_t>(installed.GetMessage),
            reinterpret_cast<std::uintptr_t>(installed.Mouse));
  kxContainerUnit.finalize();
  const TkxPopupHookHandles removed = GetPopupHookHandles();
  EXPECT_EQ(removed.CallWndProc, nullptr);
  EXPECT_EQ(removed.Mouse, nullptr);
  for (int kind : {WH_CALLWNDPROC, WH_GETMESSAGE, WH_MOUSE}) EXPECT_FALSE(user::HasHooks(kind)) << kind;
  EXPECT_EQ(GetVisiblePopupList(), nullptr);
  kxContainerUnit.initialize();
}

}  // namespace
