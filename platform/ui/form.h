// TCustomForm and TForm: top-level windows built from their form images, with activation, the
// focused control, modal showing, closing and key preview.
//
// Creation: TForm descendants are built from the form image registered for their class (and for
// each ancestor class between them and TForm, ancestor first); OnCreate runs when the image is
// read.  CreateNew makes an empty form without an image.
//
// Focus: the form remembers its ActiveControl; when the form is activated its ActiveControl (or
// the first control in tab order) takes the focus, and every change of the focused control sends
// CM_EXIT to the controls it leaves and CM_ENTER to those it enters (outermost first), then
// CM_FOCUSCHANGED to the form, which passes it to every control.  CM_ACTIVATE / CM_DEACTIVATE go to
// a form that gains or loses the application's focus.
//
// Dialog keys: Tab and Shift+Tab move through the tab order, arrows move among siblings; Enter and
// Escape go to the controls as CM_DIALOGKEY (the default and cancel buttons answer them).
//
// ShowModal runs the application's message loop until ModalResult is set (a button with a
// ModalResult sets it when clicked; Close sets mrCancel), then hides the form and answers
// ModalResult.  Close asks CloseQuery (OnCloseQuery), then OnClose with the close action: caHide
// hides, caFree frees the form after the current message (CM_RELEASE), caMinimize minimises,
// caNone does nothing.
#pragma once

#include <memory>

#include "platform/ui/win_control.h"

class TCanvas;
class TControlCanvas;
class TIcon;

PR_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
PR_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
PR_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
        poMainFormCenter, poOwnerFormCenter)
PR_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
PR_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
PR_ENUM(TFormStateItem, fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated)
using TFormState = TSet<TFormStateItem>;

inline constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                              mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

using TCloseEvent = Event<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = Event<void(TObject* Sender, bool& CanClose)>;
using TShortCutEvent = Event<void(TMessage& Msg, bool& Handled)>;

class TCustomForm : public TWinControl {
  PR_CLASS(TCustomForm, TWinControl)

 public:
  // Builds the form from its class's form image (EResNotFound when a TForm descendant has none).
  explicit TCustomForm(TComponent* AOwner);
  // An empty form: no form image is read.
  struct CreateNewTag {};
  TCustomForm(TComponent* AOwner, CreateNewTag);
  ~TCustomForm() override;

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* Control);
  bool Active() const { return active_; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons Value);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle Value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition Value);
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState Value);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool Value) { keyPreview_ = Value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  TFormState FormState() const { return formState_; }
  TCanvas* Canvas() const;
  TIcon* Icon() const { return icon_.get(); }
  void SetIcon(TIcon* Value);
  Integer PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(Integer Value) { pixelsPerInch_ = Value; }
  bool Scaled() const { return scaled_; }
  void SetScaled(bool Value) { scaled_ = Value; }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool Value) { autoScroll_ = Value; }
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool Value) { oldCreateOrder_ = Value; }
  // The main menu (a TMainMenu of the menus module).
  TComponent* Menu() const { return menu_; }
  void SetMenu(TComponent* Value);
  // Client size as the form image gives it (applied when the form has a window).
  void SetClientWidthValue(Integer Value);
  void SetClientHeightValue(Integer Value);
  Integer ClientWidthValue() const { return const_cast<TCustomForm*>(this)->ClientWidth(); }
  Integer ClientHeightValue() const { return const_cast<TCustomForm*>(this)->ClientHeight(); }
  Integer TextHeight() const { return textHeight_; }
  void SetTextHeight(Integer Value) { textHeight_ = Value; }

  void Show();
  void Hide();
  virtual TModalResult ShowModal();
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages now waiting are handled.
  void Release();
  void FocusControl(TWinControl* Control);
  void DefocusControl(TWinControl* Control, bool Removing);
  virtual bool SetFocusedControl(TWinControl* Control);
  void SetFocus() override;
  void SendCancelMode(TControl* Sender);
  // OnShortCut, then the main menu's shortcuts, then those of the action lists the form owns.
  virtual bool IsShortCut(TMessage& Message);
  bool CanFocus() override;
  // Lets the actions of the form, the top items of the menus it owns and its visible controls
  // update themselves (form_actions.cpp); nothing while the form is hidden or designed.
  void UpdateActions();

  TNotifyEvent OnActivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TNotifyEvent OnShow;
  TShortCutEvent OnShortCut;

  void Dispatch(TMessage& Message) override;
  // Reads the form images into the finished object and runs OnCreate.
  void AfterConstruction() override;
  // Hides the form and runs OnDestroy while the object is whole; the destructor calls it when
  // nobody did (a form deleted directly).
  void BeforeDestruction() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void ReadState(TReader* Reader) override;
  void Loaded() override;
  // The form's image lists its controls, then the components it owns that no parent lists (menus,
  // action lists, timers, dialogs).
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void PaintWindow(HDC DC) override;
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoClose(TCloseAction& Action);
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  virtual void Paint();
  virtual void CloseModal();
  void SetWindowFocus();
  void SetActive(bool Value);
  void VisibleChanging() override;
  // The text form image of this class is read into the form (ancestors' images first).
  void LoadFormImages();

 private:
  void WMActivate(TMessage& Message);
  void WMClose(TMessage& Message);
  void WMSysCommand(TMessage& Message);
  void WMPaint(TMessage& Message);
  void CMShowingChanged(TMessage& Message);
  void CMActivate(TMessage& Message);
  void CMDeactivate(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMAppSysCommand(TMessage& Message);
  void PlaceAtPosition();
  void ShowWindowNow();
  void HideWindowNow();
  bool SendFocusMessage(HWND Window, UINT Msg);
  bool MoveFocusTo(TWinControl* Control);

  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  TModalResult modalResult_ = mrNone;
  TFormState formState_;
  std::unique_ptr<TControlCanvas> canvas_;
  std::unique_ptr<TIcon> icon_;
  TComponent* menu_ = nullptr;
  Integer pixelsPerInch_ = 96;
  Integer textHeight_ = 0;
  Integer clientWidth_ = 0;    // read from the form image, applied in ReadState
  Integer clientHeight_ = 0;
  bool keyPreview_ = false;
  bool active_ = false;
  bool scaled_ = true;
  bool autoScroll_ = true;
  bool oldCreateOrder_ = false;
  bool loadImage_ = false;          // made by the image-reading constructor
  bool destroyingStarted_ = false;  // BeforeDestruction has run
};

class TForm : public TCustomForm {
  PR_CLASS(TForm, TCustomForm)

 public:
  using TCustomForm::TCustomForm;
};

// The control's form (GetParentForm); EInvalidOperation "Control '%s' has no parent window" when
// there is none.
TCustomForm* ValidParentForm(TControl* Control);
