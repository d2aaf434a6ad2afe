// TkxCustomPopupWindow (unit kxContainer): the base of the editors' drop-down windows.  It is
// attached to an owner control, listed in the visible-popup list while shown (kx_popup_list.h), may
// take the focus and run its own message loop, and paints through a container style and view info.
// The unit's three thread hooks (kx_popup_hooks.h) close it when the user works elsewhere.
//
// ShowPopup lists and shows it (nothing when listed already or when the owner's window is missing
// or hidden); ClosePopup unlists and hides it (nothing when unlisted): OnBeforeClose fires before
// the hide, OnAfterClose after.  Handlers may free the popup: ShowPopup, ClosePopup, the modal loop
// and the close message then touch nothing more of it (docs/controls-foundation.md, "Popup
// windows").
#pragma once

#include "controls/foundation/kx_container.h"
#include "controls/foundation/kx_container_style.h"
#include "controls/foundation/kx_container_view_info.h"
#include "controls/foundation/kx_popup_list.h"
#include "controls/foundation/kx_popup_window.h"

class TkxCustomPopupWindow : public TkxPopupWindow {
  PR_CLASS(TkxCustomPopupWindow, TkxPopupWindow)

 public:
  explicit TkxCustomPopupWindow(TWinControl* AOwnerControl);
  ~TkxCustomPopupWindow() override;

  virtual bool CanAdjustToWorkArea() { return false; }
  virtual void DoClosed();
  virtual void DoClosing();
  virtual void DoShown();
  virtual void DoShowing();
  virtual bool ErasesBackground() { return false; }
  // VK_PRIOR to VK_DOWN and VK_F4.
  virtual bool IsNavigationKey(Word Key);
  // The modal loop's close once ModalResult is set and CloseQuery allows: ClosePopup.
  virtual void CloseByModalResult();
  // True makes the mouse hook eat a click that closes the popup.
  virtual bool SwallowsOutsideClick(HWND Wnd, UINT Msg, TPoint ScreenPoint, TShiftState Shift);
  virtual void StyleChanged() {}
  // Only with CanAdjustToWorkArea: P and the size are cut to the work area at P.
  virtual void AdjustToWorkArea(TPoint& P);
  virtual TkxContainerStyleClass GetContainerStyleClass() { return &TkxContainerStyle::Create; }
  virtual TkxContainerViewInfoClass GetViewInfoClass() { return &TkxContainerViewInfo::Create; }
  virtual void ShowPopup(TWinControl* AFocusControl);
  void ClosePopup() override;
  TRect GetOwnerScreenBounds() override;
  void TakeOwnerFont() override {}

  bool FocusCapture() const { return focusCapture_; }
  void SetFocusCapture(bool Value);
  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool Value);
  bool IsOwnerWindowVisible();
  void LockDeactivation(bool Lock) { deactivationLocks_ += Lock ? 1 : -1; }
  bool IsDeactivationLocked() const { return deactivationLocks_ != 0; }
  TWinControl* AttachedControl() const { return attachedControl_; }
  TWinControl* PopupFocusControl() const { return popupFocusControl_; }
  TkxContainerStyle* PopupStyle() const { return popupStyle_; }
  TkxContainerViewInfo* PopupViewInfo() const { return popupViewInfo_; }

  bool Focused() const override;
  bool CanFocus() override { return Visible(); }
  bool IsShortCut(TMessage& Message) override;
  bool SetFocusedControl(TWinControl* Control) override;
  void Dispatch(TMessage& Message) override;

  bool RunsModalLoop = true;
  TNotifyEvent OnAfterClose;
  TNotifyEvent OnBeforeClose;
  TNotifyEvent OnAfterShow;
  TNotifyEvent OnBeforeShow;

 protected:
  virtual void DoMouseEnter(TControl*) {}
  virtual void DoMouseLeave(TControl*) {}
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void Deactivate() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void CreateHandle() override;
  void VisibilityChanged() override;

 private:
  TWinControl* ChooseFocusControl(TWinControl* AFocusControl);
  HWND InsertAfterWindow();
  // Answers false when the popup was freed meanwhile.
  bool RunModalLoop();
  void CloseFromMessage();
  void ChangeWindowSetting(bool& Setting, bool Value);
  void OwnStyleChanged(TObject*) { StyleChanged(); }

  bool focusCapture_ = true;
  Integer deactivationLocks_ = 0;
  TWinControl* popupFocusControl_ = nullptr;
  bool stayOnTop_ = false;
  TWinControl* attachedControl_ = nullptr;
  TkxContainerStyle* popupStyle_ = nullptr;
  TkxContainerViewInfo* popupViewInfo_ = nullptr;
};
