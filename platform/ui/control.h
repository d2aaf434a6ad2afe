// TControl: the base of every visual control: bounds, alignment and anchors, size constraints,
// visibility, enabling, font, colour, text, hints, cursor, mouse events, dragging, and the
// message handling every control shares.
//
// Messages: Perform(msg) calls WindowProc, which is WndProc unless someone replaced it; WndProc
// filters mouse and key messages and calls Dispatch, which each class overrides with a switch over
// the messages it handles, passing the rest to its parent class's Dispatch (a handler's
// "inherited" is the parent class's Dispatch with the same message).  What nobody handles reaches
// DefaultHandler.  The notifications and who gets them follow the class library: a Font or Color
// change sends CM_FONTCHANGED / CM_COLORCHANGED to the control, and a windowed control passes
// CM_PARENTFONTCHANGED / CM_PARENTCOLORCHANGED to each of its children; a child whose ParentFont
// (ParentColor) is set takes the parent's value and passes the notification on to its own
// children.  Enabled, Visible and Caption notify the control alone (CM_ENABLEDCHANGED,
// CM_VISIBLECHANGED, CM_TEXTCHANGED).
//
// Geometry: Left, Top, Width and Height are in the parent's client coordinates.  Invariant: a
// control is in its parent's control list exactly while Parent() is that parent.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/component.h"
#include "platform/ui/colors.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/control_types.h"
#include "platform/ui/message.h"

class TWinControl;
class TCustomForm;
class TFont;
class TSizeConstraints;
class TDragImageList;
class TBasicAction;
class TControlActionLink;

using TWndMethod = Event<void(TMessage& Message)>;

class TControl : public TComponent {
  PR_CLASS(TControl, TComponent)

 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // Messages.
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
  virtual void WndProc(TMessage& Message);
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);
  TWndMethod WindowProc;

  // Parent and bounds.
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* AParent);
  Integer Left() const { return left_; }
  void SetLeft(Integer Value) { SetBounds(Value, top_, width_, height_); }
  Integer Top() const { return top_; }
  void SetTop(Integer Value) { SetBounds(left_, Value, width_, height_); }
  Integer Width() const { return width_; }
  void SetWidth(Integer Value) { SetBounds(left_, top_, Value, height_); }
  Integer Height() const { return height_; }
  void SetHeight(Integer Value) { SetBounds(left_, top_, width_, Value); }
  virtual void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
  TRect BoundsRect() const { return TRect{left_, top_, left_ + width_, top_ + height_}; }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }
  virtual TRect ClientRect();
  Integer ClientWidth() { return ClientRect().Right; }
  void SetClientWidth(Integer Value);
  Integer ClientHeight() { return ClientRect().Bottom; }
  void SetClientHeight(Integer Value);
  void SetClientSize(TPoint Size);
  // Screen position of client (0, 0).
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint Point) const;
  TPoint ScreenToClient(TPoint Point) const;
  TPoint ClientToParent(TPoint Point, TWinControl* AParent = nullptr) const;
  TPoint ParentToClient(TPoint Point, TWinControl* AParent = nullptr) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* Constraints() const { return constraints_.get(); }
  void SetConstraints(TSizeConstraints* Value);
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool Value);

  // Appearance.
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  void Show();
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool Value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool Value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool Value);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode Value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool Value);
  bool IsRightToLeft() const;
  bool UseRightToLeftAlignment() const;
  bool UseRightToLeftReading() const;
  bool UseRightToLeftScrollBar() const;
  // DT_RIGHT / DT_RTLREADING adjustments of DrawText flags for this control's reading order.
  Integer DrawTextBiDiModeFlags(Integer Flags) const;
  Integer DrawTextBiDiModeFlagsReadingOnly() const;

  // Text: WM_GETTEXT / WM_SETTEXT for windows, the control's own text otherwise.
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& Value) { SetText(Value); }
  std::string Text() const { return GetText(); }
  void SetText(const std::string& Value);
  Integer GetTextLen() const;
  Integer GetTextBuf(char* Buffer, Integer BufSize) const;
  void SetTextBuf(const char* Buffer);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool Value);
  // The popup menu shown on a right click (a TPopupMenu of the menus module).
  TComponent* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TComponent* Value);
  // The menu WM_CONTEXTMENU pops up: PopupMenu here; a control may answer another one.
  virtual TComponent* GetPopupMenu() { return popupMenu_; }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor Value);
  Integer HelpContext() const { return helpContext_; }
  void SetHelpContext(Integer Value) { helpContext_ = Value; }

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState Value) { controlState_ = Value; }
  bool MouseCapture() const;
  void SetMouseCapture(bool Value);

  // Painting.
  virtual void Invalidate();
  virtual void Repaint();
  virtual void Update();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();
  virtual void SetZOrder(bool TopMost);
  // Moves the control to Position among its parent's controls of its kind (0: bottom).
  virtual void SetZOrderPosition(Integer Position);

  // Dragging.
  TDragMode DragMode() const { return dragMode_; }
  // Virtual so that a control hosting another (a container) can repeat the mode on it.
  virtual void SetDragMode(TDragMode Value) { dragMode_ = Value; }
  TCursor DragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor Value) { dragCursor_ = Value; }
  TDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TDragKind Value) { dragKind_ = Value; }
  void BeginDrag(bool Immediate, Integer Threshold = -1);
  // The drag a left press starts on a dmAutomatic control: BeginDrag(false, Mouse.DragThreshold).
  virtual void BeginAutoDrag();
  // Called on the source of a drag that ends without a drop (cancelled, refused or dropped
  // nowhere), before its OnEndDrag.
  virtual void DragCanceled() {}
  void EndDrag(bool Drop);
  bool Dragging() const;
  virtual void DragDrop(TObject* Source, Integer X, Integer Y);
  // The images that follow a drag of this control (none by default); the control keeps them.
  virtual TDragImageList* GetDragImages() { return nullptr; }

  // Streaming.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void SetName(const std::string& NewName) override;

  // Events.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TMouseWheelEvent OnMouseWheel;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  TCanResizeEvent OnCanResize;
  TConstrainedResizeEvent OnConstrainedResize;
  TContextPopupEvent OnContextPopup;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDrag;

  // Runs the action when one is linked (OnClick when it is a handler of its own), else OnClick.
  virtual void Click();
  virtual void DblClick();

  // Actions (control_action.cpp): the link to the action whose state the control shows.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);
  TControlActionLink* ActionLink() const { return actionLink_.get(); }
  // Lets the linked action update itself (the application calls it when idle).
  virtual void InitiateAction();

  // Whether the component writer stores these (not when they come from the parent).
  bool IsFontStored() const { return !parentFont_; }
  bool IsColorStored() const { return !parentColor_; }
  bool IsShowHintStored() const { return !parentShowHint_; }
  bool IsBiDiModeStored() const { return !parentBiDiMode_; }
  // Properties the linked action supplies are not stored.
  bool IsCaptionStored() const;
  bool IsEnabledStored() const;
  bool IsHelpContextStored() const;
  bool IsHintStored() const;
  bool IsVisibleStored() const;
  bool IsOnClickStored() const;

  // Called by the parent's alignment and by resizing: applies OnCanResize, the constraints and
  // AutoSize; false when the size must not change.
  bool CheckNewSize(Integer& NewWidth, Integer& NewHeight);

 protected:
  friend class TWinControl;

  std::string GetText() const;
  virtual bool CanAutoSize(Integer& NewWidth, Integer& NewHeight);
  virtual bool CanResize(Integer& NewWidth, Integer& NewHeight);
  virtual void ConstrainedResize(Integer& MinWidth, Integer& MinHeight, Integer& MaxWidth, Integer& MaxHeight);
  virtual void AdjustSize();
  virtual void Resize();
  virtual void RequestAlign();
  virtual void VisibleChanging() {}
  virtual void DoContextPopup(TPoint MousePos, bool& Handled);
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  virtual void MouseMove(TShiftState Shift, Integer X, Integer Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  // OnMouseWheel first; a turn it leaves unhandled goes to DoMouseWheelDown (negative delta) or
  // DoMouseWheelUp.  Each answers whether the turn was handled (the base ones: false).
  virtual bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState /*Shift*/, TPoint /*MousePos*/) { return false; }
  virtual bool DoMouseWheelUp(TShiftState /*Shift*/, TPoint /*MousePos*/) { return false; }
  virtual void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept);
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DoEndDrag(TObject* Target, Integer X, Integer Y);
  friend void EndDragOf(TControl* Control, TObject* Target, Integer X, Integer Y);
  virtual void FontChanged(TObject* Sender);
  virtual void ConstraintsChanged(TObject* Sender);
  void InvalidateControl(bool IsVisible, bool IsOpaque);
  void SendCancelMode(TControl* Sender);
  void Loaded() override;
  void ReadState(TReader* Reader) override;
  // The class of link SetAction makes (a TControlActionLink descendant).
  virtual TClass GetActionLinkClass() const;
  // Takes the action's state; with CheckDefaults only into properties still at their defaults.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void UpdateAnchorRules();
  void SetAnchorMove(bool Value) { anchorMove_ = Value; }
  // Bounds as they are, without asking anyone (the parent's alignment uses it).
  void UpdateBoundsRect(const TRect& R);

  // Message handlers of this class.
  void WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double);
  void WMMouseMove(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  void WMCancelMode(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentShowHintChanged(TMessage& Message);
  void CMParentBiDiModeChanged(TMessage& Message);
  void CMMouseEnterLeave(TMessage& Message, bool Enter);
  void CMDrag(TMessage& Message);

 private:
  void SetParentField(TWinControl* Value) { parent_ = Value; }
  void ApplyAnchorRules(TPoint ParentSize);
  bool DoCanAutoSize(Integer& NewWidth, Integer& NewHeight);
  bool DoCanResize(Integer& NewWidth, Integer& NewHeight);

  TWinControl* parent_ = nullptr;
  Integer left_ = 0;
  Integer top_ = 0;
  Integer width_ = 0;
  Integer height_ = 0;
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  TPoint anchorRules_;          // per axis: the distance kept or the centre, by the anchors
  TPoint originalParentSize_;   // the parent's client size the rules were taken at
  bool anchorMove_ = false;
  std::unique_ptr<TSizeConstraints> constraints_;
  bool autoSize_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  std::unique_ptr<TFont> font_;
  TColor color_ = clWindow;
  bool parentFont_ = true;
  bool parentColor_ = true;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  std::string text_;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TComponent* popupMenu_ = nullptr;
  TCursor cursor_ = 0;   // crDefault
  Integer helpContext_ = 0;
  TControlStyle controlStyle_;
  TControlState controlState_;
  TDragMode dragMode_ = dmManual;
  TCursor dragCursor_ = -12;   // crDrag
  TDragKind dragKind_ = dkDrag;
  std::unique_ptr<TControlActionLink> actionLink_;
};

// The form a control sits on (the nearest TCustomForm among it and its parents), or nullptr.
TCustomForm* GetParentForm(const TControl* Control);
// The control bound to a window (nullptr when the window is not a control's).
TWinControl* FindControl(HWND Handle);
// The control under a screen point: the windowed control there and, when AllowDisabled or it is
// enabled, the graphic child under the point.
TControl* FindDragTarget(TPoint Pos, bool AllowDisabled);
TWinControl* FindVCLWindow(TPoint Pos);
// The control that has the mouse captured (windowed or graphic), or nullptr.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
