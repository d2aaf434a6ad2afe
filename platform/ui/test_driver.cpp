#include "platform/ui/test_driver.h"

#include <algorithm>

#include "platform/classes/classes_errors.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/message_box_form.h"
#include "platform/ui/object_instance.h"
#include "platform/ui/screen.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/input_events.h"
#include "platform/user/painting.h"
#include "platform/user/post_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_input.h"

namespace {

constexpr UINT kRunScript = WM_USER + 1;
// Settling stops after this many rounds even if something keeps posting (a test bug, not a hang).
constexpr int kMaxSettleRounds = 1000;

TControl* FindIn(TCustomForm* form, std::string_view name) {
  if (form == nullptr) return nullptr;
  if (SameText(form->Name(), name)) return form;
  return dynamic_cast<TControl*>(form->FindComponent(name));
}

// Where a control is clicked: its window and a point there (its centre).
HWND WindowAndPoint(TControl* control, TPoint local, TPoint& point) {
  if (auto* window = dynamic_cast<TWinControl*>(control)) {
    point = local;
    return window->Handle();
  }
  point = TPoint{control->Left() + local.X, control->Top() + local.Y};
  return control->Parent()->Handle();
}

void InjectModifiers(TShiftState shift, bool down) {
  if (shift.Contains(ssCtrl)) user::InjectKey(VK_CONTROL, down);
  if (shift.Contains(ssShift)) user::InjectKey(VK_SHIFT, down);
  if (shift.Contains(ssAlt)) user::InjectKey(VK_MENU, down);
}

}  // namespace

TTestDriver::TTestDriver() {
  TWndMethod method;
  method = [this](TMessage& m) { DriverWndProc(m); };
  window_ = AllocateHWnd(method);
  Application->AddModalObserver(this);
}

TTestDriver::~TTestDriver() {
  Application->RemoveModalObserver(this);
  DeallocateHWnd(window_);
}

// --- finding ---

TControl* TTestDriver::Find(std::string_view Name) const {
  const std::size_t dot = Name.find('.');
  for (Integer i = 0; i < Screen->CustomFormCount(); ++i) {
    TCustomForm* form = Screen->CustomForms(i);
    if (dot == std::string_view::npos) {
      if (TControl* control = FindIn(form, Name)) return control;
    } else if (SameText(form->Name(), Name.substr(0, dot))) {
      return FindIn(form, Name.substr(dot + 1));
    }
  }
  return nullptr;
}

TControl* TTestDriver::Get(std::string_view Name) const {
  TControl* control = Find(Name);
  if (control == nullptr) throw EComponentError("No control named " + std::string(Name) + " is on a form");
  return control;
}

void TTestDriver::ThrowWrongClass(std::string_view Name) {
  throw EComponentError("The control named " + std::string(Name) + " is not of the class asked for");
}

// --- input ---

void TTestDriver::Click(TControl* Control, TMouseButton Button) {
  TPoint point;
  HWND window = WindowAndPoint(Control, TPoint{Control->Width() / 2, Control->Height() / 2}, point);
  static constexpr user::MouseButton kButtons[] = {user::MouseButton::Left, user::MouseButton::Right,
                                                   user::MouseButton::Middle};
  user::Click(window, point.X, point.Y, kButtons[Button]);
  AfterInput();
}

void TTestDriver::ChooseFromPopupMenu(TControl* Control, std::initializer_list<Word> Keys) {
  TPoint point;
  HWND window = WindowAndPoint(Control, TPoint{Control->Width() / 2, Control->Height() / 2}, point);
  user::Click(window, point.X, point.Y, user::MouseButton::Right);
  for (Word key : Keys) {
    user::InjectKey(key, true);
    user::InjectKey(key, false);
  }
  AfterInput();
}

void TTestDriver::ClickAt(TControl* Control, TPoint Point, TShiftState Shift) {
  TPoint point;
  HWND window = WindowAndPoint(Control, Point, point);
  InjectModifiers(Shift, true);
  user::Click(window, point.X, point.Y);
  InjectModifiers(Shift, false);
  AfterInput();
}

void TTestDriver::DoubleClick(TControl* Control) {
  TPoint point;
  HWND window = WindowAndPoint(Control, TPoint{Control->Width() / 2, Control->Height() / 2}, point);
  user::DoubleClick(window, point.X, point.Y);
  AfterInput();
}

void TTestDriver::MoveMouseTo(TControl* Control, TPoint Point) {
  TPoint point;
  HWND window = WindowAndPoint(Control, Point, point);
  user::MoveMouseTo(window, point.X, point.Y);
  AfterInput();
}

void TTestDriver::PressMouse(TControl* Control, TPoint Point) {
  MoveMouseTo(Control, Point);
  user::InjectMouseButton(user::MouseButton::Left, true);
  AfterInput();
}

void TTestDriver::ReleaseMouse() {
  user::InjectMouseButton(user::MouseButton::Left, false);
  AfterInput();
}

void TTestDriver::PressKey(Word Key, TShiftState Shift) {
  InjectModifiers(Shift, true);
  user::InjectKey(Key, true);
  user::InjectKey(Key, false);
  InjectModifiers(Shift, false);
  AfterInput();
}

void TTestDriver::Type(std::string_view Text) {
  user::TypeText(Cp874ToUtf16(Text));
  AfterInput();
}

void TTestDriver::AfterInput() {
  if (!queuedInput_) Settle();
}

void TTestDriver::Settle() {
  for (int round = 0; round < kMaxSettleRounds; ++round) {
    bool handled = false;
    while (Application->ProcessMessage()) handled = true;
    Application->Idle();
    if (!handled) return;
  }
  problems_.push_back("Settling did not end: something keeps posting messages");
}

// --- reading ---

std::string TTestDriver::TextOf(std::string_view Name) const { return Get(Name)->Text(); }

TWinControl* TTestDriver::FocusedControl() const { return FindControl(GetFocus()); }

COLORREF TTestDriver::Pixel(TControl* Control, Integer X, Integer Y) const {
  TPoint point;
  HWND window = WindowAndPoint(Control, TPoint{X, Y}, point);
  return user::ClientPixel(window, point.X, point.Y);
}

bool TTestDriver::SavePng(TWinControl* Control, const std::string& Path) {
  UpdateWindow(Control->Handle());
  Settle();
  return user::SaveWindowPng(Control->Handle(), Path);
}

// --- modal scripts ---

void TTestDriver::OnNextModal(TModalScript Script) { scripts_.push_back(std::move(Script)); }

void TTestDriver::AnswerNextMessageBox(int ID) {
  OnNextModal([ID](TCustomForm& form, TTestDriver& driver) {
    auto* box = dynamic_cast<TMessageFormBase*>(&form);
    TButton* button = box != nullptr ? box->ButtonOf(ID) : nullptr;
    if (button == nullptr) {
      driver.problems_.push_back("The modal form \"" + form.Caption() + "\" has no answer " + std::to_string(ID));
      return;
    }
    driver.Click(button);
  });
}

void TTestDriver::ChooseFileInNextDialog(const std::string& Name) {
  OnNextModal([Name](TCustomForm& form, TTestDriver& driver) {
    if (!driver.EnterFileName(form, Name))
      driver.problems_.push_back("The modal form \"" + form.Caption() + "\" has no file-name box");
  });
}

bool TTestDriver::EnterFileName(TCustomForm& Form, const std::string& Name) {
  auto* edit = dynamic_cast<TCustomEdit*>(Form.FindComponent("FileNameEdit"));
  if (edit == nullptr) return false;
  edit->SetFocus();
  edit->SelectAll();
  Type(Name);
  PressKey(VK_RETURN);
  return true;
}

void TTestDriver::ModalStarted(TCustomForm* Form) {
  modalForms_.push_back(Form);
  if (auto* box = dynamic_cast<TMessageFormBase*>(Form)) {
    openBoxes_.push_back(transcript_.size());
    auto* platformBox = dynamic_cast<TMessageBoxForm*>(box);
    transcript_.push_back({box->Caption(), box->Text(), platformBox != nullptr ? platformBox->Type() : 0, 0,
                           box->ButtonCaptions()});
  }
  if (!queuedInput_ || !scripts_.empty()) PostMessageA(window_, kRunScript, 0, LPARAM(Form));
}

void TTestDriver::ModalFinished(TCustomForm* Form) {
  if (auto* box = dynamic_cast<TMessageFormBase*>(Form); box != nullptr && !openBoxes_.empty()) {
    transcript_[openBoxes_.back()].Answer = box->Answer(box->ModalResult());
    openBoxes_.pop_back();
  }
  std::erase(modalForms_, Form);
}

void TTestDriver::DriverWndProc(TMessage& Message) {
  if (Message.Msg != kRunScript) {
    Message.Result = DefWindowProcA(window_, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  auto* form = reinterpret_cast<TCustomForm*>(Message.LParam);
  if (std::find(modalForms_.begin(), modalForms_.end(), form) != modalForms_.end()) RunScript(form);
}

void TTestDriver::RunScript(TCustomForm* Form) {
  if (scripts_.empty()) {
    problems_.push_back("No script answered the modal form \"" + Form->Caption() + "\"; it was cancelled");
    Form->SetModalResult(mrCancel);
    return;
  }
  TModalScript script = std::move(scripts_.front());
  scripts_.pop_front();
  script(*Form, *this);
  // A loop the script left open would wait for input that never comes.
  const bool open = std::find(modalForms_.begin(), modalForms_.end(), Form) != modalForms_.end();
  if (open && Form->ModalResult() == mrNone) {
    problems_.push_back("The modal form \"" + Form->Caption() + "\" was left open; it was cancelled");
    Form->SetModalResult(mrCancel);
  }
}
