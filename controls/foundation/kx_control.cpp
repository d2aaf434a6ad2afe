#include "controls/foundation/kx_control.h"

#include <utility>

#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_control_child_component.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_drag_and_drop.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_object_link.h"
#include "controls/foundation/kx_scoped_value.h"
#include "platform/classes/publisher.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/menu.h"
#include "platform/ui/screen.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/focus.h"
#include "platform/user/key_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/painting.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_styles.h"

PR_IMPLEMENT_CLASS(TkxControl)

TkxControl::TkxControl(TComponent* AOwner) : TCustomControl(AOwner) {
  kxCanvas_ = std::make_unique<TkxCanvas>(Canvas());
  defaultCursor_ = Cursor();
  lookAndFeel_ = std::make_unique<TkxLookAndFeel>(this);
  lookAndFeel_->OnChanged = [this](TkxLookAndFeel* Sender, TkxLookAndFeelValues Values) {
    HandleLookAndFeelChange(Sender, Values);
  };
  SetTabStop(MayFocus());
  SetParentBackground(true);
}

TkxControl::~TkxControl() {
  EndDrag(false);
  DestroyScrollBars();
  dragAndDropObject_.reset();
  kxCanvas_.reset();
  lookAndFeel_.reset();
  ClearObjectLinksTo(this);
}

// --- Properties ---

void TkxControl::SetLookAndFeel(TkxLookAndFeel* Value) { lookAndFeel_->Assign(Value); }

void TkxControl::SetPopupMenu(TComponent* Value) {
  TComponent* menu = dynamic_cast<TPopupMenu*>(Value);
  TComponent* old = PopupMenu();
  if (menu == old) return;
  if (old != nullptr) old->RemoveFreeNotification(this);
  TControl::SetPopupMenu(menu);
}

TComponent* TkxControl::GetPopupMenu() { return dynamic_cast<TPopupMenu*>(PopupMenu()); }

void TkxControl::InvalidateRect(const TRect& R, bool Erase) {
  if (HandleAllocated()) ::InvalidateRect(WindowHandle(), &R, Erase ? TRUE : FALSE);
}

TkxLookAndFeelPainterClass TkxControl::GetPainter() { return GetLookAndFeel()->GetPainterClass(); }

// --- Answers of the base ---

bool TkxControl::DoShowPopupMenu(TComponent* Menu, Integer X, Integer Y) { return ShowPopupMenuAt(this, Menu, X, Y); }

bool TkxControl::CanFocusOnClick() { return !IsDesigning() && focusOnClick_ && MayFocus() && CanFocus(); }

TRect TkxControl::GetControlBounds() {
  if (HandleAllocated()) return ClientRect();
  return TRect{0, 0, Width(), Height()};
}

bool TkxControl::IsDragCopy() { return IsCtrlKeyDown(); }

bool TkxControl::CanFocusWithForm() {
  if (!CanFocus()) return false;
  TCustomForm* form = GetParentForm(this);
  return form == nullptr || (form->CanFocus() && form->Enabled() && form->Visible());
}

bool TkxControl::CanStartMouseAction(Integer X, Integer Y) {
  return DragMode() == dmManual || IsPointInDragThreshold(mouseDownPos_, X, Y);
}

void TkxControl::AttachChildComponent(TkxControlChildComponent* Child) { Child->SetControl(this); }

void TkxControl::DetachChildComponent(TkxControlChildComponent* Child) { Child->SetControl(nullptr); }

bool TkxControl::GetDesignHitTest(Integer, Integer, TShiftState) {
  return dragAndDropState_ != ddsNone || buttonPressed_;
}

TDragControlObject* TkxControl::CreateDragControlObject() { return new TkxDragControlObject(this); }

TkxDragAndDropObject* TkxControl::CreateDragAndDropObject() {
  if (dragAndDropObjectClass_ != nullptr) return dragAndDropObjectClass_(this);
  return new TkxDragAndDropObject(this);
}

// --- Window procedure ---

void TkxControl::WndProc(TMessage& Message) {
  const TkxScopedObjectLink link(this);
  const bool leftPress = Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK;
  if (!(leftPress && !Dragging() && BypassLeftButton(Message))) TCustomControl::WndProc(Message);
  if (link.Alive()) AfterWndProc(Message);
}

// A control that drags automatically (or a designer's hit) takes the left press itself: the
// platform would otherwise begin the standard drag at once, before the detection loop.
bool TkxControl::BypassLeftButton(TMessage& Message) {
  const TPoint p = MessagePos(Message);
  const bool bypass = IsDesigning() ? GetDesignHitTest(p.X, p.Y, TShiftState{ssLeft}) : DragMode() == dmAutomatic;
  if (!bypass) return false;
  if (IsControlMouseMsg(Message)) return true;
  const TkxScopedObjectLink link(this);
  TControlState state = ControlState();
  state.Include(csLButtonDown);
  SetControlState(state);
  Dispatch(Message);
  if (!link.Alive()) return true;
  state = ControlState();
  state.Exclude(csLButtonDown);
  SetControlState(state);
  return true;
}

TPoint TkxControl::MessageMousePos(const TMessage& Message) {
  if (HandleAllocated() && (Width() > 32768 || Height() > 32768)) return ScreenToClient(GetCursorPosSafe());
  return MessagePos(Message);
}

void TkxControl::AfterWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: DoFocusChanged(); break;
    case WM_PAINT:
      if (ParentBackground() != lastParentBackground_) {
        lastParentBackground_ = ParentBackground();
        ParentBackgroundChanged();
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      static constexpr TMouseButton kButtons[] = {mbLeft, mbRight, mbMiddle};
      const TPoint p = MessageMousePos(Message);
      BeginMouseDownAction(kButtons[(Message.Msg - WM_LBUTTONDOWN) / 3], p.X, p.Y);
      break;
    }
    default: break;
  }
}

void TkxControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CANCELMODE: {
      const TkxScopedObjectLink link(this);
      TCustomControl::Dispatch(Message);
      if (!link.Alive()) return;
      FinishDragAndDrop(false);
      CancelMouseOperations();
      return;
    }
    case WM_CONTEXTMENU: return WMContextMenu(Message);
    case WM_ERASEBKGND:
      if (ErasesBackground()) return TCustomControl::Dispatch(Message);
      Message.Result = 1;
      return;
    case WM_GETDLGCODE: return WMGetDlgCode(Message);
    case WM_NCCALCSIZE:
      TCustomControl::Dispatch(Message);
      PostMessageA(WindowHandle(), KXM_SCROLLBARMETRICSCHANGED, 0, 0);
      return;
    case WM_SETCURSOR: return WMSetCursor(Message);
    case KXM_SCROLLBARMETRICSCHANGED: return ScrollBarMetricsChanged();
    case CM_COLORCHANGED: HandleColorChange(); return TCustomControl::Dispatch(Message);
    case CM_CURSORCHANGED: HandleCursorChange(); return TCustomControl::Dispatch(Message);
    case CM_DESIGNHITTEST:
      TCustomControl::Dispatch(Message);
      if (Message.Result == 0) {
        const TPoint p = MessagePos(Message);
        Message.Result = GetDesignHitTest(p.X, p.Y, KeysToShiftState(MessageKeys(Message))) ? 1 : 0;
      }
      return;
    case CM_FONTCHANGED:
      TCustomControl::Dispatch(Message);
      NotifyFontChanged();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      TCustomControl::Dispatch(Message);
      auto* control = Message.LParam != 0 ? reinterpret_cast<TControl*>(Message.LParam) : this;
      if (Message.Msg == CM_MOUSEENTER) DoMouseEnter(control);
      else DoMouseLeave(control);
      return;
    }
    case CM_TEXTCHANGED:
      TCustomControl::Dispatch(Message);
      DoTextChanged();
      return;
    case CM_VISIBLECHANGED:
      TCustomControl::Dispatch(Message);
      HandleVisibleChange();
      return;
    case CN_KEYDOWN: return CNKeyDown(Message);
    case CN_SYSKEYDOWN:
      if (IsPopupMenuShortCutOf(this, Message)) {
        Message.Result = 1;
        return;
      }
      return TCustomControl::Dispatch(Message);
    case WM_PAINT: {
      TDragObject* dragObject = GetCurrentDragObject();
      if (dragObject != nullptr) dragObject->HideDragImage();
      TCustomControl::Dispatch(Message);
      if (dragObject != nullptr && GetCurrentDragObject() == dragObject) dragObject->ShowDragImage();
      return;
    }
    default: return TCustomControl::Dispatch(Message);
  }
}

void TkxControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  if (IsDesigning()) return TCustomControl::Dispatch(Message);
  TPoint p = MessagePos(Message);
  if (p.X != -1 || p.Y != -1) {
    p = ScreenToClient(p);
    const TRect client = ClientRect();
    if (!PtInRect(&client, p)) return DefaultHandler(Message);
  }
  bool handled = false;
  DoContextPopup(p, handled);
  Message.Result = handled ? 1 : 0;
  if (!handled) DefaultHandler(Message);
}

void TkxControl::WMGetDlgCode(TMessage& Message) {
  LRESULT code = 0;
  if (dialogKeys_.Contains(dkAll)) code |= DLGC_WANTALLKEYS;
  if (dialogKeys_.Contains(dkArrows)) code |= DLGC_WANTARROWS;
  if (dialogKeys_.Contains(dkChars)) code |= DLGC_WANTCHARS;
  if (dialogKeys_.Contains(dkTab) && GetAsyncKeyState(VK_CONTROL) >= 0) code |= DLGC_WANTTAB;
  Message.Result = code;
}

void TkxControl::WMSetCursor(TMessage& Message) {
  const TPoint p = ScreenToClient(GetCursorPosSafe());
  if (IsDesigning() && dragAndDropState_ == ddsNone && GetDesignHitTest(p.X, p.Y, TShiftState{ssLeft})) {
    ::SetCursor(Screen->Cursors(GetCursor(p.X, p.Y)));
    Message.Result = 1;
    return;
  }
  TCustomControl::Dispatch(Message);
}

void TkxControl::CNKeyDown(TMessage& Message) {
  if (IsPopupMenuShortCutOf(this, Message)) {
    Message.Result = 1;
    return;
  }
  if (dragAndDropState_ == ddsNone) return TCustomControl::Dispatch(Message);
  if (Message.WParam == VK_ESCAPE) SendMessageA(WindowHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
  Message.Result = 1;
}

bool TkxControl::IsPopupMenuShortCutOf(TControl* Control, TMessage& Message) {
  if (Control->ComponentState().Contains(csDesigning)) return false;
  for (TControl* c = Control; c != nullptr; c = c->Parent()) {
    auto* kx = dynamic_cast<TkxControl*>(c);
    if (kx != nullptr && IsPopupMenuShortCut(kx->GetPopupMenu(), Message)) return true;
  }
  return false;
}

// --- Other overrides ---

void TkxControl::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  if (ShowsDragImages()) {
    // Asked here rather than in the constructor, where a descendant's answer is not reachable.
    TControlStyle style = ControlStyle();
    style.Include(csDisplayDragImage);
    SetControlStyle(style);
  }
}

void TkxControl::DestroyWindowHandle() {
  TCustomControl::DestroyWindowHandle();
  TControlState state = ControlState();
  state.Exclude(csClicked);
  SetControlState(state);
}

void TkxControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  TCustomControl::DoContextPopup(MousePos, Handled);
  if (Handled) return;
  if (MousePos.X == -1 && MousePos.Y == -1) MousePos = TPoint{0, 0};
  const TPoint screen = ClientToScreen(MousePos);
  Handled = DoShowPopupMenu(GetPopupMenu(), screen.X, screen.Y);
}

void TkxControl::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE) FinishDragAndDrop(false);
  TCustomControl::KeyDown(Key, Shift);
}

void TkxControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  mouseDownPos_ = TPoint{X, Y};
  const TkxScopedObjectLink link(this);
  [&] {
    if (CanFocusOnClickAt(X, Y) && !Shift.Contains(ssDouble)) {
      const TRect before = BoundsRect();
      SetFocus();
      if (!link.Alive()) return;
      TCustomForm* form = GetParentForm(this);
      if (form != nullptr && form->ActiveControl() == this && !IsFocused()) ::SetFocus(Handle());
      if (!IsFocused() && !AllowsMouseDownWithoutFocus()) {
        ReleaseCapture();
        return;
      }
      X += before.Left - Left();
      Y += before.Top - Top();
    }
    StartDragAndDropAt(Button, Shift, X, Y);
    if (!link.Alive()) return;
    BeforeMouseDown(Button, Shift, X, Y);
    if (!link.Alive()) return;
    TCustomControl::MouseDown(Button, Shift, X, Y);
  }();
  if (link.Alive() && HandleAllocated() && GetCapture() == WindowHandle()) buttonPressed_ = true;
}

void TkxControl::StartDragAndDropAt(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Button == mbLeft && !Shift.Contains(ssDouble) && StartDragAndDrop(TPoint{X, Y})) {
    if (GetDragAndDropObject()->GetImmediateStart()) BeginDragAndDrop();
    else SetDragAndDropState(ddsStarting);
    return;
  }
  FinishDragAndDrop(false);
}

void TkxControl::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  const TCursor keep = defaultCursor_;
  SetCursor(GetCursor(X, Y));
  defaultCursor_ = keep;
  const TkxScopedObjectLink link(this);
  TCustomControl::MouseMove(Shift, X, Y);
  if (!link.Alive()) return;
  if (dragAndDropState_ == ddsStarting && !IsPointInDragThreshold(mouseDownPos_, X, Y)) BeginDragAndDrop();
  if (dragAndDropState_ == ddsInProcess) {
    bool accepted = false;
    DragAndDrop(TPoint{X, Y}, accepted);
  }
}

void TkxControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  buttonPressed_ = false;
  const TkxScopedObjectLink link(this);
  AfterMouseUp();
  if (link.Alive()) TCustomControl::MouseUp(Button, Shift, X, Y);
}

// --- Drag and drop ---

TkxDragAndDropObject* TkxControl::GetDragAndDropObject() {
  if (dragAndDropObject_ == nullptr) dragAndDropObject_.reset(CreateDragAndDropObject());
  return dragAndDropObject_.get();
}

void TkxControl::SetDragAndDropState(TkxDragAndDropState Value) {
  if (dragAndDropState_ == Value) return;
  dragAndDropState_ = Value;
  if (Value == ddsNone && !finishing_) CancelMouseOperations();
}

void TkxControl::BeginDragAndDrop() {
  GetDragAndDropObject()->Init();
  SetMouseCapture(true);
  savedScreenCursor_ = Screen->Cursor();
  SetDragAndDropState(ddsInProcess);
}

void TkxControl::DragAndDrop(TPoint P, bool& Accepted) { GetDragAndDropObject()->DoDragAndDrop(P, Accepted); }

void TkxControl::EndDragAndDrop(bool Accepted) {
  SetDragAndDropState(ddsNone);
  Screen->SetCursor(savedScreenCursor_);
  SetMouseCapture(false);
  GetDragAndDropObject()->DoEndDragAndDrop(Accepted);
}

void TkxControl::FinishDragAndDrop(bool Accepted) {
  if (finishing_) return;
  const TkxScopedValue<bool> finishing(finishing_, true);
  if (dragAndDropState_ == ddsInProcess) EndDragAndDrop(Accepted);
  else SetDragAndDropState(ddsNone);
  dragAndDropObject_.reset();
}

// --- Standard drag ---

void TkxControl::BeginMouseDownAction(TMouseButton Button, Integer X, Integer Y) {
  if (DragMode() == dmAutomatic && Button == mbLeft && HandleAllocated() && GetCapture() == WindowHandle() &&
      (!IsDesigning() || AllowsDesignDrag(X, Y, TShiftState{})) && CanBeginDrag(X, Y)) {
    const TkxScopedObjectLink link(this);
    const Integer detected = DetectDragStart(WindowHandle());
    if (link.Alive() && detected == 1) BeginDrag(true, -1);
  }
  if (Button == mbMiddle) StartPanning();
}

void TkxControl::DoStartDrag(TDragObject*& DragObject) {
  Update();
  TCustomControl::DoStartDrag(DragObject);
  if (DragObject == nullptr) DragObject = CreateDragControlObject();
  if (!AllowsStandardDrag(DragObject)) {
    delete std::exchange(DragObject, nullptr);
    CancelDrag();
  }
}

void TkxControl::DoEndDrag(TObject* Target, Integer X, Integer Y) {
  TCustomControl::DoEndDrag(Target, X, Y);
  dragImages_.reset();
}

void TkxControl::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  if (auto* object = dynamic_cast<TDragObject*>(Source)) SetCurrentDragObject(State == dsDragLeave ? nullptr : object);
  TCustomControl::DragOver(Source, X, Y, State, Accept);
}

TDragImageList* TkxControl::GetDragImages() {
  if (!ShowsDragImages()) return nullptr;
  if (dragImages_ == nullptr) {
    dragImages_ = std::make_unique<TkxDragImageList>(nullptr);
    FillDragImageList(dragImages_.get());
  }
  return dragImages_->Count() > 0 ? dragImages_.get() : nullptr;
}

void TkxControl::FillDragImageList(TCustomImageList* List) {
  const TSize size = GetDragImageSize();
  List->SetSize(size.cx, size.cy);
  if (size.cx == 0 || size.cy == 0) return;
  TBitmap bitmap;
  bitmap.SetWidth(size.cx);
  bitmap.SetHeight(size.cy);
  TkxCanvas canvas(bitmap.Canvas());
  DrawDragImage(canvas, TRect{0, 0, size.cx, size.cy});
  List->AddMasked(&bitmap, bitmap.TransparentColor());
}
