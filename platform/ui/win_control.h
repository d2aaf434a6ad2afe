// TWinControl: a control with a window of its own, which can hold other controls, take the focus
// and receive keys.
//
// The window is made on demand (Handle) from CreateParams: a window class named after the
// control's class, registered once, whose procedure binds the new window to the control; a
// control that wraps a standard window class (CreateSubClass) keeps that class's procedure as
// DefWndProc, where unhandled messages go.  RecreateWnd destroys and recreates the window with
// the current properties.  Children: windowed children are child windows; graphic children are
// painted by this control into its own window (PaintControls) and get their mouse messages from it.
//
// Keyboard: the application offers every key message first to the control as CN_KEYDOWN /
// CN_CHAR (the dialog keys: Tab, arrows, Enter and Escape go to the form as CM_DIALOGKEY unless
// the control wants them), then the window gets WM_KEYDOWN / WM_CHAR, which run KeyDown /
// KeyPress (the form first when its KeyPreview is set).  Reflection: WM_COMMAND, WM_NOTIFY,
// WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*, WM_HSCROLL and WM_VSCROLL that a child window sends
// its parent go back to the child's control as CN_ + the message.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/control.h"

class TBrush;

struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  Integer X = 0;
  Integer Y = 0;
  Integer Width = 0;
  Integer Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSEXA WindowClass{};
  std::string WinClassName;
};

using TBorderWidth = Integer;

class TWinControl : public TControl {
  PR_CLASS(TWinControl, TControl)

 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The window.
  HWND Handle();
  HWND WindowHandle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND Value);
  WNDPROC DefWndProc() const { return defWndProc_; }
  void SetDefWndProc(WNDPROC Value) { defWndProc_ = Value; }
  bool Showing() const { return showing_; }
  void DestroyHandle();
  void RecreateWnd();
  void UpdateControlState();

  // Children.
  Integer ControlCount() const { return Integer(controls_.size() + winControls_.size()); }
  TControl* Controls(Integer Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(const TControl* Control) const;
  TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false);
  TControl* FindChildControl(std::string_view ControlName) const;
  void Broadcast(TMessage& Message);
  void NotifyControls(UINT Msg);

  // Focus and tab order.
  virtual bool CanFocus();
  virtual bool Focused() const;
  virtual void SetFocus();
  Integer TabOrder() const;
  void SetTabOrder(Integer Value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool Value);
  void SelectFirst();
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  // The windowed descendants in tab order, depth first.
  virtual void GetTabOrderList(std::vector<TWinControl*>& List);

  // Alignment.
  void AlignControl(TControl* AControl);
  void DisableAlign();
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return alignLevel_ != 0; }
  TBorderWidth BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(TBorderWidth Value);

  // Painting.
  TBrush* Brush() const { return brush_.get(); }
  // Whether the control shows its parent's background behind what it paints (csParentBackground
  // in ControlStyle); a change repaints the control.
  bool ParentBackground() const { return ControlStyle().Contains(csParentBackground); }
  void SetParentBackground(bool Value);
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool Value) { doubleBuffered_ = Value; }
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return parentCtl3D_; }
  bool IsCtl3DStored() const { return !parentCtl3D_; }
  void SetParentCtl3D(bool Value);
  void PaintTo(HDC DC, Integer X, Integer Y);
  // The window's border as PaintTo draws it around (0, 0, Width, Height) of DC (WS_EX_CLIENTEDGE:
  // the sunken edge; WS_BORDER: the outer edge in one colour; else nothing), then DC's drawing
  // moved to the corner inside the border and clipped to what the border leaves.
  void PaintBorderTo(HDC DC);
  void PaintControls(HDC DC, TControl* First);
  void Invalidate() override;
  void Repaint() override;
  void Update() override;

  TRect ClientRect() override;
  void SetParent(TWinControl* AParent) override;
  TPoint ClientOrigin() const override;
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, Integer Order) override;

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void DefaultHandler(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  // The window procedure bound to this control's window: WindowProc with exceptions handed to
  // the application.
  void MainWndProc(TMessage& Message);

  // Key processing steps, public for the form's key preview and the application.
  bool DoKeyDown(TMessage& Message);
  bool DoKeyPress(TMessage& Message);
  bool DoKeyUp(TMessage& Message);

 protected:
  virtual void CreateParams(TCreateParams& Params);
  // Makes Params.WindowClass wrap an existing window class (its procedure becomes DefWndProc).
  void CreateSubClass(TCreateParams& Params, const char* ControlClassName);
  virtual void CreateHandle();
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  virtual void UpdateShowing();
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect);
  virtual void PaintWindow(HDC DC);
  void PaintHandler(TMessage& Message);
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  virtual void KeyUp(Word& Key, TShiftState Shift);
  virtual void DoEnter();
  virtual void DoExit();
  virtual bool IsMenuKey(TMessage& Message);
  bool CanAutoSize(Integer& NewWidth, Integer& NewHeight) override;
  void AdjustSize() override;
  void ReadState(TReader* Reader) override;
  void Loaded() override;
  void RemoveFocus(bool Removing);
  void UpdateBounds();
  // Where a window asks for its rectangle (SetWindowPos) after SetBounds.
  void SetWindowToBounds();
  // Recreates the window when its styles cannot change in place.
  void RecreateWndIfAllocated() {
    if (HandleAllocated()) RecreateWnd();
  }
  void InvalidateFrame();
  TWinControl* DoFindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);

  // Message handlers of this class.
  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMPrintClient(TMessage& Message);
  void WMReflect(TMessage& Message);
  bool IsControlMouseMsg(TMessage& Message);
  void WMKeyDown(TMessage& Message);
  void WMKeyUp(TMessage& Message);
  void WMChar(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMMove(TMessage& Message);
  void WMWindowPosChanging(TMessage& Message);
  void WMWindowPosChanged(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMNCDestroy(TMessage& Message);
  void WMNCCalcSize(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMSysCommand(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  void CNChar(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMShowingChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMCtl3DChanged(TMessage& Message);
  void CMParentCtl3DChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CMShowHintChanged(TMessage& Message);
  void CMBiDiModeChanged(TMessage& Message);
  void CMCursorChanged(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void CMFocusChanged(TMessage& Message);
  void CMInvalidate(TMessage& Message);
  void CMRecreateWnd(TMessage& Message);

 private:
  friend LRESULT InitWndProc(HWND, UINT, WPARAM, LPARAM);
  friend class TControl;
  void Insert(TControl* AControl);
  void Remove(TControl* AControl);
  void DoAlignControls(TControl* AControl);
  void BindHandle(HWND Handle);
  std::vector<TControl*>& ListOf(TControl* Control);
  HWND PrecedingWindow(TWinControl* Control) const;
  void FixupTabList();
  void PositionAligned(TControl* Control, TAlign Align, TRect& Rect);

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  WNDPROC objectInstance_ = nullptr;
  std::vector<TControl*> controls_;      // graphic children, bottom first
  std::vector<TWinControl*> winControls_;   // windowed children, bottom first
  std::vector<TWinControl*> tabList_;    // windowed children in tab order
  std::unique_ptr<TBrush> brush_;
  TBorderWidth borderWidth_ = 0;
  Integer alignLevel_ = 0;
  bool showing_ = false;
  bool tabStop_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  bool doubleBuffered_ = false;
  bool inAlign_ = false;
  Integer readingTabOrder_ = -1;   // a streamed TabOrder waits for Loaded
};
