// TkxControl: the base of every windowed control of the control library.  Over the platform's
// TCustomControl it adds a TkxCanvas over the control's canvas, an own look-and-feel, focus on
// click, dialog-key answers, mouse enter and leave events, a context popup menu whose shortcuts
// a focused child control claims, an internal drag-and-drop operation run by a
// TkxDragAndDropObject, the platform's standard drag with an automatic start after a modal
// detection loop, and the hooks the library's descendants override (docs/controls-foundation.md).
//
// Every message runs under a weak object link to the control: an event handler may free the
// control, and no step after the handler touches the freed object.  Coordinates are client
// coordinates unless a name says screen.
#pragma once

#include <memory>

#include "controls/foundation/kx_classes.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "platform/ui/custom_control.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/scroll_style.h"

class TkxCanvas;
class TkxControlScrollBar;
class TkxSizeGrip;
class TkxDragAndDropObject;
class TkxDragImageList;
class TkxLookAndFeel;
class TkxControlChildComponent;
class TCustomImageList;
class TDragControlObject;

PR_ENUM(TkxDragAndDropState, ddsNone, ddsStarting, ddsInProcess)
// The keys a control wants from the dialog manager (WM_GETDLGCODE).
PR_ENUM(TkxDialogKey, dkAll, dkArrows, dkChars, dkTab)
using TkxDialogKeys = TSet<TkxDialogKey>;

class TkxControl;
using TkxMouseEnterLeaveEvent = Event<void(TkxControl* Sender, TControl* AControl)>;
using TkxDragAndDropObjectClass = TkxDragAndDropObject* (*)(TkxControl* Control);
using TkxDragControlObjectClass = TDragControlObject* (*)(TkxControl* Control);

class TkxControl : public TCustomControl {
  PR_CLASS(TkxControl, TCustomControl)

 public:
  explicit TkxControl(TComponent* AOwner);
  ~TkxControl() override;

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  TkxCanvas* KxCanvas() const { return kxCanvas_.get(); }
  TkxLookAndFeel* LookAndFeel() const { return lookAndFeel_.get(); }
  // Assigns into the own look-and-feel (the object is never replaced).
  void SetLookAndFeel(TkxLookAndFeel* Value);
  // Only a TPopupMenu is kept (in the platform's PopupMenu); anything else is taken as none.
  void SetPopupMenu(TComponent* Value);
  TComponent* GetPopupMenu() override;
  TkxDialogKeys DialogKeys() const { return dialogKeys_; }
  void SetDialogKeys(TkxDialogKeys Value) { dialogKeys_ = Value; }
  bool FocusOnClick() const { return focusOnClick_; }
  void SetFocusOnClick(bool Value) { focusOnClick_ = Value; }
  TCursor DefaultCursor() const { return defaultCursor_; }
  void InvalidateRect(const TRect& R, bool Erase);

  // Own scroll bars (present from the window's creation on, while NeedsScrollBars holds).
  TkxControlScrollBar* HScrollBar() const { return hScrollBar_; }
  TkxControlScrollBar* VScrollBar() const { return vScrollBar_; }
  TkxSizeGrip* SizeGrip() const { return sizeGrip_; }
  // During a parameter calculation the calculated visibility, else the bar's.
  bool IsHScrollBarVisible();
  bool IsVScrollBarVisible();
  // For CalculateScrollBarParams: records the bar's parameters; an unusable range (Min > Max,
  // PageSize >= Max - Min + 1, Position < Min, or Max < PageSize) hides the bar when HideAllowed,
  // else shows it disabled, keeping the values recorded before.
  void SetScrollBarParams(TScrollBarKind Kind, Integer Min, Integer Max, Integer SmallChange, Integer PageSize,
                          Integer Position, bool ShowAllowed, bool HideAllowed);
  // Scrolls one line toward Direction through ScrollContent.
  void ScrollByDirection(TkxDirection Direction);
  // The middle-button panning loop.
  void StartPanning();
  bool IsPanning() const { return panning_; }

  // Drag and drop.
  TkxDragAndDropState DragAndDropState() const { return dragAndDropState_; }
  void SetDragAndDropState(TkxDragAndDropState Value);
  void SetDragAndDropObjectClass(TkxDragAndDropObjectClass Value) { dragAndDropObjectClass_ = Value; }
  TkxDragAndDropObject* GetDragAndDropObject();
  void FinishDragAndDrop(bool Accepted);
  // The modal drag detection on Window: 1 drag, 0 button released, 2 cancelled.
  Integer DetectDragStart(HWND Window);
  TDragImageList* GetDragImages() override;

  TNotifyEvent OnFocusChanged;
  // They name the control entered or left (the platform's events of the same name, which take
  // only the sender, are hidden here).
  TkxMouseEnterLeaveEvent OnMouseEnter;
  TkxMouseEnterLeaveEvent OnMouseLeave;

  // The hooks descendants override; the base behaviour is each one's comment.
  virtual bool DoShowPopupMenu(TComponent* Menu, Integer X, Integer Y);  // ShowPopupMenuAt
  virtual void ParentBackgroundChanged() {}
  virtual void BeginMouseDownAction(TMouseButton Button, Integer X, Integer Y);
  virtual bool AllowsDesignDrag(Integer, Integer, TShiftState) { return true; }
  virtual void BeforeMouseDown(TMouseButton, TShiftState, Integer, Integer) {}
  virtual void AfterMouseUp() { FinishDragAndDrop(true); }
  virtual bool CanFocusOnClick();
  virtual bool CanFocusOnClickAt(Integer, Integer) { return CanFocusOnClick(); }
  virtual bool CanFocusOnScrollBarClick(TkxControlScrollBar*) { return CanFocusOnClick(); }
  virtual void BringScrollBarsToFront();
  // 0 none, 1 horizontal, 2 vertical: the bar the wheel scrolls.
  virtual Integer GetWheelScrollKind();
  virtual void AttachScrollBars() { UpdateOwnScrollBarsParent(); }
  virtual bool IsOwnScrollControl(TControl* AControl);
  virtual bool AllowsWheelScrollWithoutBars(TkxDirection) { return false; }
  virtual TRect GetHScrollBarBounds();
  virtual TRect GetSizeGripBounds();
  virtual TRect GetVScrollBarBounds();
  // Descendants call SetScrollBarParams here for each bar.
  virtual void CalculateScrollBarParams() {}
  virtual bool CanHideBothScrollBars(TScrollBarKind) { return false; }
  virtual bool NeedsScrollBars() { return true; }
  virtual bool ShouldBringScrollBarsToFront() { return !IsDesigning(); }
  virtual void ScrollContent(TScrollBarKind, TScrollCode, Integer&) {}
  virtual void PlaceScrollBars();
  virtual void UpdateScrollBarControlStates();
  virtual void RecalcScrollBars();
  virtual void BoundsChanged() { RecalcScrollBars(); }
  virtual Integer GetBorderWidth() { return 0; }
  virtual TRect GetControlBounds();
  virtual TRect GetContentBounds();
  virtual TCursor GetCursor(Integer, Integer) { return defaultCursor_; }
  virtual bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
  virtual bool IsFocused() const { return Focused(); }
  virtual bool ErasesBackground() { return false; }
  virtual TkxLookAndFeel* GetLookAndFeel() { return lookAndFeel_.get(); }
  virtual TkxLookAndFeelPainterClass GetPainter();
  virtual void HandleLookAndFeelChange(TkxLookAndFeel*, TkxLookAndFeelValues) {}
  virtual TkxDragAndDropObject* CreateDragAndDropObject();
  virtual void DrawDragImage(TkxCanvas&, const TRect&) {}
  virtual TSize GetDragImageSize() { return TSize{0, 0}; }
  virtual bool IsDragCopy();
  virtual bool ShowsDragImages() { return false; }
  virtual void FillDragImageList(TCustomImageList* List);
  virtual bool CanFocusWithForm();
  virtual bool CanStartMouseAction(Integer X, Integer Y);
  virtual void HandleColorChange() {}
  virtual void HandleVisibleChange() {}
  virtual void AttachChildComponent(TkxControlChildComponent* Child);
  virtual void DetachChildComponent(TkxControlChildComponent* Child);
  virtual bool AllowsMouseDownWithoutFocus() { return false; }
  virtual bool CanBeginDrag(Integer, Integer) { return dragAndDropState_ == ddsNone; }
  virtual void HandleCursorChange() { defaultCursor_ = Cursor(); }
  virtual void CancelMouseOperations() { buttonPressed_ = false; }
  virtual void DoFocusChanged() { OnFocusChanged(this); }
  virtual void NotifyFontChanged() { Invalidate(); }
  virtual bool GetDesignHitTest(Integer X, Integer Y, TShiftState Shift);
  virtual TDragControlObject* CreateDragControlObject();
  virtual bool MayFocus() { return true; }
  virtual void DoMouseEnter(TControl* AControl) { OnMouseEnter(this, AControl); }
  virtual void DoMouseLeave(TControl* AControl) { OnMouseLeave(this, AControl); }
  virtual void DoTextChanged() {}
  virtual void DragAndDrop(TPoint P, bool& Accepted);
  virtual void EndDragAndDrop(bool Accepted);
  virtual bool StartDragAndDrop(TPoint) { return false; }
  virtual bool AllowsStandardDrag(TDragObject*) { return true; }
  virtual void BeginDragAndDrop();

  // The popup-menu shortcut test: the first TkxControl from Control up through its parents whose
  // popup menu takes the key message as its shortcut (never at design time).
  static bool IsPopupMenuShortCutOf(TControl* Control, TMessage& Message);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Resize() override;
  void Paint() override;
  bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
  void DestroyWindowHandle() override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void DoStartDrag(TDragObject*& DragObject) override;
  void DoEndDrag(TObject* Target, Integer X, Integer Y) override;
  void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) override;

 private:
  // The step that runs after the inherited window procedure, while the control exists.
  void AfterWndProc(TMessage& Message);
  // The left-button bypass of the window procedure; true when it handled the message.
  bool BypassLeftButton(TMessage& Message);
  TPoint MessageMousePos(const TMessage& Message);
  void StartDragAndDropAt(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);

  void WMContextMenu(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void ScrollBarMetricsChanged();

  void CreateScrollBars();
  void DestroyScrollBars();
  void UpdateScrollBarsPresence();
  void UpdateOwnScrollBarsParent();
  void ScrollBarScrolled(TObject* Sender, TScrollCode Code, Integer& Position);
  TkxControlScrollBar* BarOf(TScrollBarKind Kind) const;
  bool IsBarVisible(TkxControlScrollBar* Bar);
  void CalculateParameters();
  void HideBothWhenTheyOnlyNeedEachOther();
  void ApplyOrFreezeBars(bool Nested);
  void FinishPlacement();
  // The panning loop's steps (kx_control_mouse_loops.cpp).
  struct PanningState;
  void PanningMouseMove(PanningState& State, TPoint ScreenPoint);
  void CNKeyDown(TMessage& Message);

  std::unique_ptr<TkxCanvas> kxCanvas_;
  TCursor defaultCursor_ = 0;
  std::unique_ptr<TkxDragAndDropObject> dragAndDropObject_;
  TkxDragAndDropObjectClass dragAndDropObjectClass_ = nullptr;
  TCursor savedScreenCursor_ = 0;
  TkxDragAndDropState dragAndDropState_ = ddsNone;
  std::unique_ptr<TkxDragImageList> dragImages_;
  bool finishing_ = false;
  bool focusOnClick_ = true;
  TkxDialogKeys dialogKeys_;
  std::unique_ptr<TkxLookAndFeel> lookAndFeel_;
  bool buttonPressed_ = false;
  TPoint mouseDownPos_;
  bool lastParentBackground_ = true;
  // Own scroll bars: owned here, parented to the control.
  TkxControlScrollBar* hScrollBar_ = nullptr;
  TkxControlScrollBar* vScrollBar_ = nullptr;
  TkxSizeGrip* sizeGrip_ = nullptr;
  TScrollStyle scrollStyle_ = ssBoth;
  bool calculatingParams_ = false;
  bool updatingScrollBars_ = false;
  bool initialHVisible_ = false;
  bool initialVVisible_ = false;
  bool oscillating_ = false;
  Integer recalcDepth_ = 0;
  bool panning_ = false;
};
