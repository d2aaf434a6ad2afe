// TTestDriver: drives the program's forms headless, as a person would, for tests.
//
// It finds controls by name among the screen's forms ("Button1", or "Form1.Button1"), clicks
// them and presses keys through the window layer's injected input (so every message a real click
// or key makes is sent), types text, reads texts and pixels, and settles the application (handles
// every waiting message, then the idle step).
//
// Modal dialogs, message boxes and message dialogs: scripts queued with OnNextModal /
// AnswerNextMessageBox run, in order, inside the next modal loops that start (each as a posted message handled by the loop,
// like real input).  A modal form still open when its script returns, or a modal form that starts
// with no script queued, is closed with mrCancel and noted in Problems(), so a test never waits
// for input that will not come.  Every message box and message dialog shown is kept in the
// transcript with its answer.
//
// Queued input (SetQueuedInput): the input steps only inject their input and return, so that the
// program's own message loops handle it as they handle a person's, and a modal form that starts
// without a queued script is left open for the caller to answer (a script player drives the
// program this way, one step each time a loop is about to wait).
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control_types.h"
#include "platform/ui/modal_observer.h"
#include "platform/user/user_types.h"

class TControl;
class TCustomForm;
class TWinControl;
struct TMessage;

// A message box (MessageBoxA) or message dialog (MessageDlg) as it was shown and answered.
struct TMessageBoxRecord {
  std::string Caption;
  std::string Text;
  UINT Type = 0;  // the MB_ flags of a message box; 0 for a message dialog
  int Answer = 0;  // the box's ID or the dialog's modal result
  std::vector<std::string> Buttons;  // captions, left to right
};

class TTestDriver : public TModalObserver {
 public:
  using TModalScript = std::function<void(TCustomForm& Form, TTestDriver& Driver)>;

  TTestDriver();
  ~TTestDriver() override;
  TTestDriver(const TTestDriver&) = delete;
  TTestDriver& operator=(const TTestDriver&) = delete;

  // Finding: by name among the screen's forms, most recently active first; "Form.Control"
  // looks only in that form.  Find answers nullptr, Get throws EComponentError.
  TControl* Find(std::string_view Name) const;
  TControl* Get(std::string_view Name) const;
  template <class T>
  T* GetAs(std::string_view Name) const {
    T* control = dynamic_cast<T*>(Get(Name));
    if (control == nullptr) ThrowWrongClass(Name);
    return control;
  }

  // Input, each followed by Settle.
  void Click(TControl* Control, TMouseButton Button = mbLeft);
  void Click(std::string_view Name) { Click(Get(Name)); }
  // A left click at Point of the control's client area with the modifier keys of Shift held.
  void ClickAt(TControl* Control, TPoint Point, TShiftState Shift = {});
  void DoubleClick(TControl* Control);
  void MoveMouseTo(TControl* Control, TPoint Point);
  // The left button pressed at Point of the control's client area, and released where the mouse
  // is: with MoveMouseTo between them, a drag.
  void PressMouse(TControl* Control, TPoint Point);
  void ReleaseMouse();
  // A right click on the control, then each of Keys pressed and released: the keys reach the
  // popup menu the click opens, as when a person chooses from it with the keyboard.
  void ChooseFromPopupMenu(TControl* Control, std::initializer_list<Word> Keys);
  // A key pressed and released with the modifier keys of Shift held around it.
  void PressKey(Word Key, TShiftState Shift = {});
  // Code page 874 text as the keyboard types it into the focused window.
  void Type(std::string_view Text);
  // Handles every waiting message, then the application's idle step.
  void Settle();

  // Reading.
  std::string TextOf(std::string_view Name) const;
  TWinControl* FocusedControl() const;
  // The colour of a pixel at client coordinates of a control (its parent's window for graphic
  // controls), as the window's surface holds it.
  COLORREF Pixel(TControl* Control, Integer X, Integer Y) const;
  // Paints what is pending, then saves the window of the control (frame included) as a PNG.
  bool SavePng(TWinControl* Control, const std::string& Path);

  // Modal scripts.
  void OnNextModal(TModalScript Script);
  // Presses the button answering ID (a message dialog answers its modal result: mrYes = IDYES ...).
  void AnswerNextMessageBox(int ID);
  // Types Name into the next file dialog's file-name box over what it holds and presses Enter.
  void ChooseFileInNextDialog(const std::string& Name);
  // The same in an open file dialog (false when Form has no file-name box).
  bool EnterFileName(TCustomForm& Form, const std::string& Name);
  void SetQueuedInput(bool Value) { queuedInput_ = Value; }
  bool QueuedInput() const { return queuedInput_; }
  const std::vector<TMessageBoxRecord>& Transcript() const { return transcript_; }
  const std::vector<std::string>& Problems() const { return problems_; }

  void ModalStarted(TCustomForm* Form) override;
  void ModalFinished(TCustomForm* Form) override;

 private:
  void DriverWndProc(TMessage& Message);
  void RunScript(TCustomForm* Form);
  // Lets the program handle the input just injected, unless input is queued.
  void AfterInput();
  [[noreturn]] static void ThrowWrongClass(std::string_view Name);

  HWND window_ = nullptr;
  std::deque<TModalScript> scripts_;
  std::vector<TCustomForm*> modalForms_;                 // open modal loops, innermost last
  std::vector<std::size_t> openBoxes_;                   // transcript entries of open boxes, innermost last
  std::vector<TMessageBoxRecord> transcript_;
  std::vector<std::string> problems_;
  bool queuedInput_ = false;
};
