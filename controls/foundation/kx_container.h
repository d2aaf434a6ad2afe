// TkxContainer: the control that hosts one platform windowed control (its inner control) and draws
// everything around it: border, shadow, background and emulated scroll bars, in four states
// (normal, focused, disabled, hot).  Every editor of the library derives from it.
//
// The container keeps the inner control on the client rectangle its view info computes from the
// active style, passes focus, keys, the cursor, drag settings and invalidation on to it, and
// follows the mouse for hot tracking through mouse-leave tracking.  The inner control follows the
// protocol of IkxContainerInnerControl (docs/controls-foundation.md, "Container"): it offers its
// messages to HandleInnerControlMessage and HandleInnerControlKeyMessage first and passes its mouse
// events on shifted by its own Left and Top with InnerMouseDown set around the press.
//
// The private messages KXM_CONTAINERREFRESH (posted once the window exists: the first refresh)
// and KXM_CONTAINERUPDATESCROLLBARS (PostUpdateScrollBars) carry wParam and lParam 0.
#pragma once

#include <functional>
#include <memory>

#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_container_style.h"
#include "controls/foundation/kx_container_view_info.h"
#include "controls/foundation/kx_control.h"
#include "controls/foundation/kx_mouse_tracking.h"

class TkxControlScrollBar;

inline constexpr UINT KXM_CONTAINERREFRESH = 0x807F;
inline constexpr UINT KXM_CONTAINERUPDATESCROLLBARS = 0x8080;

using TkxContainerViewInfoClass = TkxContainerViewInfo* (*)();

class TkxContainer : public TkxControl, public IkxMouseTrackingCaller {
  PR_CLASS(TkxContainer, TkxControl)

 public:
  explicit TkxContainer(TComponent* AOwner);
  ~TkxContainer() override;

  // The hosted control; the container follows its destruction.
  TWinControl* InnerControl() const { return innerControl_; }
  void SetInnerControl(TWinControl* AControl);
  void LockChildAlignment(bool Lock);
  // Refreshes from where the cursor is; false when skipped (no window, destroying, re-entered).
  bool RefreshStateFromCursor(bool IsMouseEvent);
  void PostUpdateScrollBars();
  bool IsStylePropertySupported(const std::string& Name, bool CheckPublished);
  bool IsDestroying() const;
  bool InnerMouseDown() const { return innerMouseDown_; }
  void SetInnerMouseDown(bool Value) { innerMouseDown_ = Value; }
  // A message procedure a descendant keeps for its inner control.
  std::function<void(TMessage&)> InnerDefaultWndProc;
  TkxContainerViewInfo* ViewInfo() const { return viewInfo_.get(); }
  TkxContainerStyles* Styles() const { return styles_.get(); }
  const TkxInnerControlClip& LastInnerClip() const { return lastInnerClip_; }

  // The state styles: read the object, or Assign into it.
  TkxContainerStyle* GetStyle() const { return styles_->GetNormalStyle(); }
  void SetStyle(TkxContainerStyle* Value) { styles_->GetNormalStyle()->Assign(Value); }
  TkxContainerStyle* GetStyleDisabled() const { return styles_->GetDisabledStyle(); }
  void SetStyleDisabled(TkxContainerStyle* Value) { styles_->GetDisabledStyle()->Assign(Value); }
  TkxContainerStyle* GetStyleFocused() const { return styles_->GetFocusedStyle(); }
  void SetStyleFocused(TkxContainerStyle* Value) { styles_->GetFocusedStyle()->Assign(Value); }
  TkxContainerStyle* GetStyleHot() const { return styles_->GetHotStyle(); }
  void SetStyleHot(TkxContainerStyle* Value) { styles_->GetHotStyle()->Assign(Value); }
  // Reads the normal style's own controller (null for the default); writing does nothing.
  TkxStyleController* FakeStyleController() const { return GetStyle()->StyleController(); }
  void SetFakeStyleController(TkxStyleController*) {}
  void ApplyDragKind(TDragKind Value);

  // IkxMouseTrackingCaller (uncounted).
  Integer _AddRef() override { return -1; }
  Integer _Release() override { return -1; }
  void MouseLeave() override { HandleMouseLeave(); }

  // The container's own operations; the base behaviour is each one's comment or its definition.
  virtual bool IsContainerFocused() { return Focused(); }
  // The inner control takes the background colour and the active style's effective font.
  virtual void SyncInnerControlAppearance();
  virtual void CalculateViewInfo(TPoint P, bool AllowHot);
  virtual bool TabKeyMovesFocus() { return true; }
  // False for a native-styled view info with a border; else true.
  virtual bool NeedsWindowRegion();
  virtual bool AllowsContextPopupAt(TPoint) { return true; }
  virtual void ContainerStyleChanged(TObject* Sender);
  virtual void RefreshState() { RefreshStateFromCursor(false); }
  virtual bool UsesParentColorByDefault() { return false; }
  virtual void HandleMouseLeave();
  virtual TkxContainerStyle* GetActiveStyle();
  // The four border widths (Left, Top, Right, Bottom), shadow included.
  virtual TRect GetBorderExtent();
  virtual TkxInnerControlClip CalcInnerControlBounds(const TRect& R, TControl* AControl);
  virtual TRect GetVisibleBounds();
  virtual TkxContainerStyleClass GetContainerStyleClass() const { return &TkxContainerStyle::Create; }
  virtual TkxContainerStylesClass GetContainerStylesClass() const { return &TkxContainerStyles::Create; }
  virtual TkxContainerViewInfoClass GetViewInfoClass() const { return &TkxContainerViewInfo::Create; }
  virtual bool HasShadow();
  virtual void CallInnerControlDefaultWndProc(TMessage& Message);
  virtual TkxContainerStyle* SelectStyleForState();
  virtual TkxContainerStyleValues GetUnsupportedStyleValues() { return 0; }
  virtual bool UsesStandardAlignment() { return false; }
  virtual bool IsReadOnlyState() { return false; }
  virtual bool ShowsParentBackground() { return false; }
  // Button: 0 none, 1 left, 2 right, 3 middle.
  virtual bool RefreshContainer(TPoint P, Integer Button, TShiftState Shift, bool IsMouseEvent);
  virtual void UpdateWindowRegion();
  virtual void AdjustInnerControlBounds();
  virtual void ClipCanvasToShape();
  virtual void UpdateScrollBarFromInner(TkxControlScrollBar* ScrollBar);
  virtual ThemedObjectType GetNativeThemeObjectType() { return 3; }   // "Edit"
  virtual Integer GetNativePart() { return 1; }
  virtual Integer GetNativeState();
  // Left, Top, Width, Height of a screen rectangle in client coordinates; all 0 outside.
  virtual TRect ScrollBarRectToClient(const TRect& ScreenRect);
  virtual bool GetScrollBarEnabled(TkxControlScrollBar* ScrollBar, const SCROLLBARINFO& Info);
  virtual bool GetInnerScrollBarInfo(Integer Kind, SCROLLBARINFO& Info);
  virtual bool IsInnerScrollBarVisible(const SCROLLBARINFO& Info);
  virtual bool IsNativeStyle();
  virtual void FocusInnerControl();
  virtual void SetScrollBarVisible(TkxControlScrollBar* ScrollBar, bool Visible);
  virtual void ResetInnerControlBounds() { lastInnerClip_ = TkxInnerControlClip{}; }
  virtual TRect GetHotTrackBounds();
  virtual bool HasOpenPopup() { return false; }
  // WM_CONTEXTMENU of the inner control is performed on the container; handled when non-zero.
  virtual bool HandleInnerControlMessage(TMessage& Message);
  // CN_KEYDOWN / CN_SYSKEYDOWN claimed by a popup menu's shortcut: result 1, handled.
  virtual bool HandleInnerControlKeyMessage(TMessage& Message);
  virtual bool IsInPlaceMode() { return false; }
  virtual void UpdateScrollBars(bool KeepBars);
  virtual void HandleEnabledChange();
  // Makes the styles and the view info again from the class factories: a descendant whose factories
  // answer other classes calls it in its constructor (the base's constructor met the base's).
  void RecreateStylesAndViewInfo();

  // Overrides of the control and the platform.
  bool Focused() const override;
  void SetFocus() override;
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  void SetDragMode(TDragMode Value) override;
  void DragCanceled() override;
  void Invalidate() override;
  void Update() override;
  TDragImageList* GetDragImages() override;
  TkxLookAndFeel* GetLookAndFeel() override;
  TRect GetContentBounds() override;
  bool NeedsScrollBars() override { return false; }
  bool AllowsDesignDrag(Integer, Integer, TShiftState) override { return false; }
  bool CanFocusOnClick() override;
  bool MayFocus() override;
  void HandleColorChange() override;
  void HandleCursorChange() override;
  void DoFocusChanged() override;
  void DoMouseEnter(TControl* AControl) override;
  void DoMouseLeave(TControl* AControl) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

 protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  void AdjustClientRect(TRect& Rect) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void Resize() override;
  void CreateHandle() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  void Loaded() override;

 private:
  void ComputeStateAndBorderStyle(TPoint P, bool AllowHot);
  void ComputeColors();
  bool IsBorderHighlighted(TkxContainerStyle* Active);
  // Sets Color or Font while the change must not go back into the style.
  void SetInternally(const std::function<void()>& Setter);
  void StartHotTracking();
  // Tab (with neither Ctrl nor Alt) in a focused container whose TabKeyMovesFocus holds.
  void HandleTabKey(Word& Key, TShiftState Shift);
  void PassKeyToInner(TMessage& Message);

  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMWindowPosChanging(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);

  TkxContainerStateFlags activeStyleState_{cstNormal};
  TkxContainerStyle* activeStyle_ = nullptr;
  TWinControl* innerControl_ = nullptr;
  TkxInnerControlClip lastInnerClip_;
  bool innerMouseDown_ = false;
  bool destroying_ = false;
  bool refreshLocked_ = false;
  bool viewInfoCalculated_ = false;
  Integer childAlignmentLock_ = 0;
  bool cursorRefreshGuard_ = false;
  bool scrollBarsCalculating_ = false;
  TRect sizeGripRect_;
  bool sizeGripVisible_ = false;
  bool internalSetting_ = false;
  bool creating_ = true;
  std::unique_ptr<TkxContainerStyles> styles_;
  std::unique_ptr<TkxContainerViewInfo> viewInfo_;
};
