#include "controls/foundation/kx_container.h"

#include <algorithm>

#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_control_scroll_bar.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_object_link.h"
#include "controls/foundation/kx_parent_image.h"
#include "controls/foundation/kx_scoped_value.h"
#include "platform/classes/publisher.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/ui/cursors.h"
#include "platform/ui/form.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_from_point.h"
#include "platform/user/window_region.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

PR_PUBLISH(TkxContainer) {
  p.Property("DragKind", &TkxContainer::DragKind, &TkxContainer::ApplyDragKind).Default(dkDrag);
  p.Property("FakeStyleController", &TkxContainer::FakeStyleController, &TkxContainer::SetFakeStyleController)
      .Stored(false);
}

namespace {

constexpr int kFillColorProperty = 3802;

}  // namespace

// --- Life cycle ---

TkxContainer::TkxContainer(TComponent* AOwner) : TkxControl(AOwner) {
  styles_.reset(GetContainerStylesClass()(this, GetContainerStyleClass()));
  styles_->SetChangeHandler([this](TObject* Sender) { ContainerStyleChanged(Sender); });
  activeStyle_ = GetStyle();
  viewInfo_.reset(GetViewInfoClass()());
  LookAndFeel()->SetMaster(GetStyle()->LookAndFeel());
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  style.Include(csSetCaption);
  SetControlStyle(style);
  SetTabStop(true);
  SetInternally([this] {
    SetParentColor(UsesParentColorByDefault() && !IsInPlaceMode() && !GetStyle()->IsValueAssigned(csvColor));
    if (!ParentColor()) SetColor(clWindow);
  });
  ResetInnerControlBounds();
  creating_ = false;
}

void TkxContainer::RecreateStylesAndViewInfo() {
  LookAndFeel()->SetMaster(nullptr);
  styles_->SetChangeHandler(nullptr);
  styles_.reset(GetContainerStylesClass()(this, GetContainerStyleClass()));
  styles_->SetChangeHandler([this](TObject* Sender) { ContainerStyleChanged(Sender); });
  activeStyle_ = GetStyle();
  activeStyleState_ = TkxContainerStateFlags{cstNormal};
  viewInfo_.reset(GetViewInfoClass()());
  LookAndFeel()->SetMaster(GetStyle()->LookAndFeel());
}

TkxContainer::~TkxContainer() {
  StopMouseLeaveTracking(this);
  destroying_ = true;
  if (innerControl_ != nullptr) innerControl_->RemoveFreeNotification(this);
  innerControl_ = nullptr;
  viewInfo_.reset();
  styles_->SetChangeHandler(nullptr);
  LookAndFeel()->SetMaster(nullptr);
  styles_.reset();
}

bool TkxContainer::IsDestroying() const { return destroying_ || ComponentState().Contains(csDestroying); }

void TkxContainer::SetInnerControl(TWinControl* AControl) {
  if (AControl == innerControl_) return;
  if (innerControl_ != nullptr) innerControl_->RemoveFreeNotification(this);
  innerControl_ = AControl;
  if (innerControl_ != nullptr) innerControl_->FreeNotification(this);
}

void TkxContainer::Notification(TComponent* AComponent, TOperation Operation) {
  TkxControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == innerControl_) SetInnerControl(nullptr);
}

void TkxContainer::LockChildAlignment(bool Lock) {
  if (Lock) ++childAlignmentLock_;
  else if (childAlignmentLock_ > 0) --childAlignmentLock_;
}

void TkxContainer::SetInternally(const std::function<void()>& Setter) {
  const TkxScopedValue<bool> internal(internalSetting_, true);
  Setter();
}

void TkxContainer::CreateHandle() {
  TkxControl::CreateHandle();
  PostMessageA(WindowHandle(), KXM_CONTAINERREFRESH, 0, 0);
}

void TkxContainer::CreateParams(TCreateParams& Params) {
  TkxControl::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_VREDRAW | CS_HREDRAW);
}

void TkxContainer::CreateWindowHandle(const TCreateParams& Params) {
  TCreateParams params = Params;
  params.Caption.clear();
  TkxControl::CreateWindowHandle(params);
  if (WindowHandle() != nullptr)
    DefWindowProcA(WindowHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Params.Caption.c_str()));
}

void TkxContainer::Loaded() {
  TkxControl::Loaded();
  ContainerStyleChanged(GetStyle());
}

void TkxContainer::Resize() {
  TkxControl::Resize();
  if (creating_) return;
  cursorRefreshGuard_ = false;
  RefreshStateFromCursor(false);
}

// --- Styles and state ---

TkxContainerStyle* TkxContainer::SelectStyleForState() {
  const TkxContainerStateFlags state = viewInfo_->ContainerState;
  if (state.Contains(cstDisabled)) return GetStyleDisabled();
  if (state.Contains(cstFocused)) return GetStyleFocused();
  if (GetStyle()->HotTrack() && state.Contains(cstHot)) return GetStyleHot();
  return GetStyle();
}

TkxContainerStyle* TkxContainer::GetActiveStyle() {
  if (viewInfo_->ContainerState != activeStyleState_) {
    activeStyleState_ = viewInfo_->ContainerState;
    activeStyle_ = SelectStyleForState();
  }
  return activeStyle_;
}

void TkxContainer::ContainerStyleChanged(TObject*) {
  if (creating_ || ComponentState().Contains(csLoading)) return;
  RefreshStateFromCursor(false);
  TkxContainerStyle* normal = GetStyle();
  SetInternally([&] {
    if (!ParentColor() || normal->IsValueAssigned(csvColor)) SetColor(normal->GetBackgroundColor());
    SetFont(normal->Font());
  });
  if (normal->IsValueAssigned(csvFont)) SetParentFont(false);
}

bool TkxContainer::IsStylePropertySupported(const std::string& Name, bool CheckPublished) {
  if (CheckPublished && !GetStyle()->IsStateStylePropertyPublished(Name)) return false;
  const Integer index = GetStyle()->FindStyleValue(Name);
  return index < 0 || (GetUnsupportedStyleValues() & StyleValueBit(index)) == 0;
}

bool TkxContainer::IsNativeStyle() {
  return CanUseNativeTheme(GetStyle()->LookAndFeel()->NativeStyle(), GetNativeThemeObjectType());
}

bool TkxContainer::HasShadow() { return GetActiveStyle()->Shadow() && !IsNativeStyle(); }

bool TkxContainer::NeedsWindowRegion() { return !(viewInfo_->NativeStyle && viewInfo_->BorderStyle != cbsNone); }

Integer TkxContainer::GetNativeState() {
  if (!Enabled()) return 4;
  if (IsReadOnlyState()) return 6;
  if (Focused()) return 5;
  return viewInfo_->ContainerState.Contains(cstHot) ? 2 : 1;
}

// --- The view info ---

void TkxContainer::ComputeStateAndBorderStyle(TPoint P, bool AllowHot) {
  TkxContainerStateFlags state;
  if (!Enabled()) state = {cstDisabled};
  else if (IsDesigning()) state = {cstNormal};
  else {
    state = Focused() ? TkxContainerStateFlags{cstFocused} : TkxContainerStateFlags{cstNormal};
    const TRect hot = GetHotTrackBounds();
    if (AllowHot && PtInRect(&hot, P)) state.Include(cstHot);
  }
  viewInfo_->ContainerState = state;
  TkxContainerBorderStyle border = viewInfo_->NativeStyle ? GetStyle()->BorderStyle() : GetActiveStyle()->BorderStyle();
  if (border == cbsUltraFlat || border == cbsOffice11) border = cbsSingle;
  viewInfo_->BorderStyle = border;
}

bool TkxContainer::IsBorderHighlighted(TkxContainerStyle* Active) {
  const TkxContainerStateFlags state = viewInfo_->ContainerState;
  return state.Contains(cstFocused) || (state.Contains(cstHot) && Active->HotTrack()) ||
         (IsDesigning() && Enabled());
}

void TkxContainer::ComputeColors() {
  TkxContainerStyle* active = GetActiveStyle();
  if (viewInfo_->SkinPainter != nullptr) {
    viewInfo_->BorderColor = viewInfo_->SkinPainter->GetSkinContainerBorderColor();
  } else {
    const TkxContainerBorderStyle style = active->BorderStyle();
    if (style != cbsUltraFlat && style != cbsOffice11) viewInfo_->BorderColor = active->BorderColor();
    else viewInfo_->BorderColor = IsBorderHighlighted(active) ? clHighlight : clBtnShadow;
  }
  viewInfo_->BackgroundColor = active->GetColor();
  if (viewInfo_->NativeStyle && !Enabled() && !GetStyleDisabled()->IsValueAssigned(csvColor)) {
    COLORREF fill = 0;
    if (kdUxTheme::GetThemeColor(OpenThemeOfType(viewInfo_->ThemedType), viewInfo_->NativePart,
                                 viewInfo_->NativeState, kFillColorProperty, fill) == S_OK)
      viewInfo_->BackgroundColor = TColor(fill);
  }
}

void TkxContainer::CalculateViewInfo(TPoint P, bool AllowHot) {
  TkxContainerViewInfo& info = *viewInfo_;
  info.NativeStyle = IsNativeStyle();
  info.SkinPainter = GetStyle()->LookAndFeel()->SkinPainter();
  const Integer previousWidth = GetContainerBorderWidth(info.BorderStyle);
  ComputeStateAndBorderStyle(P, AllowHot);
  if (!info.NativeStyle && GetContainerBorderWidth(info.BorderStyle) < previousWidth)
    ComputeStateAndBorderStyle(P, AllowHot);   // the hot-track bounds depend on the border
  if (info.NativeStyle) {
    info.ThemedType = GetNativeThemeObjectType();
    info.NativePart = GetNativePart();
    info.NativeState = GetNativeState();
  }
  info.Bounds = GetControlLocalRect(this);
  const TRect extent = GetBorderExtent();
  info.BorderRect = TRect{info.Bounds.Left + extent.Left, info.Bounds.Top + extent.Top,
                          info.Bounds.Right - extent.Right, info.Bounds.Bottom - extent.Bottom};
  info.ClientRect = info.BorderRect;
  info.BorderWidth = info.SkinPainter != nullptr ? 1 : GetContainerBorderWidth(info.BorderStyle);
  info.Edges = GetActiveStyle()->Edges();
  info.Shadow = HasShadow();
  ComputeColors();
}

TRect TkxContainer::GetBorderExtent() {
  TkxContainerStyle* active = GetActiveStyle();
  const bool native = IsNativeStyle();
  return ContainerBorderExtent({
      .TransparentBorder = active->TransparentBorder() && GetStyle()->LookAndFeel()->SkinPainter() == nullptr,
      .NoBorder = !active->HasBorder() || (native && GetStyle()->BorderStyle() == cbsNone),
      .Native = native,
      .BorderWidth = GetContainerBorderWidth(viewInfo_->BorderStyle),
      .Edges = active->Edges(),
      .Shadow = HasShadow(),
  });
}

// The painted border: the border rectangle grown by the border width on the sides in Edges.  The
// 3-pixel shadow joins it in the window region (UpdateWindowRegion).
TRect TkxContainer::GetVisibleBounds() {
  return GrowRectOnEdges(viewInfo_->BorderRect, GetContainerBorderWidth(viewInfo_->BorderStyle),
                         GetActiveStyle()->Edges());
}

TRect TkxContainer::GetHotTrackBounds() {
  TRect r = GetControlLocalRect(this);
  if (IsInPlaceMode()) return r;
  if (viewInfo_->Shadow) {
    r.Right -= kxContainerShadowSize;
    r.Bottom -= kxContainerShadowSize;
  }
  TkxContainerStyle* normal = GetStyle();
  if (normal->HasBorder()) {
    if (viewInfo_->NativeStyle) {
      if (normal->TransparentBorder() && normal->BorderStyle() == cbsNone) InflateRect(&r, -2, -2);
    } else if (normal->TransparentBorder()) {
      const Integer w = GetContainerBorderWidth(viewInfo_->BorderStyle);
      InflateRect(&r, w - 2, w - 2);
      r = ShrinkRectOnMissingEdges(r, w, viewInfo_->Edges);
    }
  } else if (normal->TransparentBorder()) {
    InflateRect(&r, -2, -2);
  }
  if (r.Bottom < r.Top) r = TRect{r.Left, 0, r.Right, 0};
  return r;
}

// --- Refreshing ---

bool TkxContainer::RefreshContainer(TPoint P, Integer, TShiftState Shift, bool) {
  if (refreshLocked_ || IsDestroying()) return true;
  viewInfoCalculated_ = true;
  CalculateViewInfo(P, Shift.Empty() && GetActiveStyle()->HotTrack());
  AdjustInnerControlBounds();
  SyncInnerControlAppearance();
  UpdateWindowRegion();
  if (HandleAllocated()) {
    const TRect local = GetControlLocalRect(this);
    InvalidateRectExceptInner(WindowHandle(), local, innerControl_ != nullptr ? viewInfo_->BorderRect : TRect{},
                              false);
  }
  if (viewInfo_->ContainerState.Contains(cstHot)) StartHotTracking();
  return true;
}

bool TkxContainer::RefreshStateFromCursor(bool IsMouseEvent) {
  if (!HandleAllocated() || IsDestroying() || cursorRefreshGuard_) return false;
  const TkxScopedValue<bool> guard(cursorRefreshGuard_, true);
  const TPoint screen = ReadCursorScreenPos();
  HWND under = WindowFromPoint(screen);
  TPoint p{-1, -1};
  if (under == WindowHandle() || IsChild(WindowHandle(), under)) p = ScreenToClient(screen);
  return RefreshContainer(p, 0, GetCurrentShiftState(), IsMouseEvent);
}

void TkxContainer::StartHotTracking() { StartMouseLeaveTracking(this, GetHotTrackBounds(), this); }

void TkxContainer::HandleMouseLeave() {
  DoMouseLeave(nullptr);
  StopMouseLeaveTracking(this);
}

void TkxContainer::AdjustInnerControlBounds() {
  if (innerControl_ == nullptr) return;
  const TRect client = viewInfo_->ClientRect;
  if (innerControl_->BoundsRect() == client) return;
  const TkxScopedValue<bool> locked(refreshLocked_, true);
  innerControl_->SetBounds(client.Left, client.Top, client.Width(), client.Height());
}

void TkxContainer::SyncInnerControlAppearance() {
  if (innerControl_ == nullptr) return;
  innerControl_->SetColor(viewInfo_->BackgroundColor);
  innerControl_->SetFont(GetActiveStyle()->GetEffectiveFont());
}

void TkxContainer::UpdateWindowRegion() {
  if (HandleAllocated())
    UpdateWindowShapeRegion(WindowHandle(), GetVisibleBounds(), !NeedsWindowRegion(), TRect{}, viewInfo_->Shadow);
}

void TkxContainer::ClipCanvasToShape() {
  HRGN region = CreateContainerShapeRegion(GetVisibleBounds(), !NeedsWindowRegion(), viewInfo_->Shadow, TRect{});
  if (region != nullptr) KxCanvas()->SetClipRegion(std::make_unique<TkxRegion>(region), roIntersect);
}

void TkxContainer::Paint() {
  TkxCanvas& canvas = *KxCanvas();
  const TRect local = GetControlLocalRect(this);
  if (!RectVisible(canvas.GetHandle(), &local)) return;
  if (ControlState().Contains(csPaintCopy)) ClipCanvasToShape();
  if (!viewInfoCalculated_) RefreshStateFromCursor(false);
  if (viewInfo_->SkinPainter != nullptr) {
    canvas.PushClipRegion();
    canvas.ExcludeClipRect(viewInfo_->BorderRect);
    DrawParentImage(this, &canvas, viewInfo_->Bounds);
    canvas.PopClipRegion();
  }
  viewInfo_->PaintTo(canvas);
}

// --- Inner control clipping ---

TkxInnerControlClip TkxContainer::CalcInnerControlBounds(const TRect& R, TControl* AControl) {
  const TRect local = GetControlLocalRect(AControl);
  const TRect b = AControl->BoundsRect();
  TRect clip = local;
  if (b.Left < R.Left) clip.Left = R.Left - b.Left;
  if (b.Top < R.Top) clip.Top = R.Top - b.Top;
  if (b.Right > R.Right) clip.Right -= b.Right - R.Right;
  if (b.Bottom > R.Bottom) clip.Bottom -= b.Bottom - R.Bottom;
  return clip == local ? TkxInnerControlClip{} : TkxInnerControlClip{false, clip};
}

void TkxContainer::AlignControls(TControl* AControl, TRect& Rect) {
  if (UsesStandardAlignment()) return TkxControl::AlignControls(AControl, Rect);
  if (childAlignmentLock_ > 0 || (AControl != nullptr && IsOwnScrollControl(AControl))) return;
  if (AControl == nullptr) return TkxControl::AlignControls(nullptr, Rect);
  auto* windowed = dynamic_cast<TWinControl*>(AControl);
  if (creating_ || windowed == nullptr || !windowed->HandleAllocated()) return;
  const TkxInnerControlClip clip = CalcInnerControlBounds(Rect, AControl);
  if (AControl != innerControl_) return ApplyWindowClip(windowed, clip);
  // Only the inner control's own clip is remembered: another child's would stand in for it.
  if (clip == lastInnerClip_) return;
  ApplyWindowClip(windowed, clip);
  lastInnerClip_ = clip;
}

// --- Scroll-bar emulation ---

TRect TkxContainer::ScrollBarRectToClient(const TRect& ScreenRect) {
  const TPoint p = ScreenToClient(TPoint{ScreenRect.Left, ScreenRect.Top});
  if (p.X < 0 || p.Y < 0 || ScreenRect.Width() > Width() || ScreenRect.Height() > Height()) return TRect{};
  return TRect{p.X, p.Y, ScreenRect.Width(), ScreenRect.Height()};
}

bool TkxContainer::GetScrollBarEnabled(TkxControlScrollBar* ScrollBar, const SCROLLBARINFO& Info) {
  return ScrollBar->Parent() != nullptr && ScrollBar->Parent()->Enabled() &&
         (Info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

bool TkxContainer::GetInnerScrollBarInfo(Integer Kind, SCROLLBARINFO& Info) {
  if (IsDestroying() || Parent() == nullptr || !HandleAllocated() || innerControl_ == nullptr ||
      !innerControl_->HandleAllocated())
    return false;
  return QueryScrollBarInfo(innerControl_->WindowHandle(), Kind == kxScrollBarHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL,
                            Info);
}

bool TkxContainer::IsInnerScrollBarVisible(const SCROLLBARINFO& Info) {
  return (Info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
}

void TkxContainer::SetScrollBarVisible(TkxControlScrollBar* ScrollBar, bool Visible) {
  ScrollBar->SetVisible(Visible);
  if (!Visible) return;
  ScrollBar->SetCtl3D(false);
  ScrollBar->BringToFront();
}

void TkxContainer::UpdateScrollBarFromInner(TkxControlScrollBar* ScrollBar) {
  SCROLLBARINFO info{};
  const Integer kind = ScrollBar == HScrollBar() ? kxScrollBarHorizontal : kxScrollBarVertical;
  if (!GetInnerScrollBarInfo(kind, info) || !IsInnerScrollBarVisible(info)) return SetScrollBarVisible(ScrollBar, false);
  ScrollBar->SetEnabled(GetScrollBarEnabled(ScrollBar, info));
  const TRect r = ScrollBarRectToClient(info.rcScrollBar);
  ScrollBar->SetBounds(r.Left, r.Top, r.Right, r.Bottom);
  SetScrollBarVisible(ScrollBar, r.Right > 0 && r.Bottom > 0);
}

void TkxContainer::UpdateScrollBars(bool KeepBars) {
  if (innerControl_ == nullptr || !NeedsScrollBars() || IsDestroying() || !IsScrollBarEmulationEnabled() ||
      HScrollBar() == nullptr)
    return;
  const TkxScopedValue<bool> calculating(scrollBarsCalculating_, true);
  for (TkxControlScrollBar* bar : {HScrollBar(), VScrollBar()}) {
    if (!KeepBars) UpdateScrollBarFromInner(bar);
    if (!bar->Visible() || !innerControl_->HandleAllocated()) continue;
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(innerControl_->WindowHandle(), bar == HScrollBar() ? SB_HORZ : SB_VERT, &si);
    if (si.nMax < Integer(si.nPage)) si.nPage = UINT(std::max(si.nMax, 0));
    bar->SetScrollParams(si.nMin, si.nMax, si.nPos, Integer(si.nPage), true);
  }
  const bool gripVisible = HScrollBar()->Visible() && VScrollBar()->Visible() && innerControl_->HandleAllocated() &&
                           dynamic_cast<IkxContainerInnerControl*>(innerControl_) != nullptr;
  const TRect grip = gripVisible ? GetInnerSizeGripRect(innerControl_) : TRect{};
  if (gripVisible && (!sizeGripVisible_ || grip != sizeGripRect_)) {
    HRGN region = CreateRectRgn(grip.Left, grip.Top, grip.Right, grip.Bottom);
    SendMessageA(innerControl_->WindowHandle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
    DeleteObject(region);
  }
  sizeGripVisible_ = gripVisible;
  sizeGripRect_ = grip;
}

void TkxContainer::PostUpdateScrollBars() {
  if (!IsDestroying() && HandleAllocated() && innerControl_ != nullptr)
    PostMessageA(WindowHandle(), KXM_CONTAINERUPDATESCROLLBARS, 0, 0);
}

// --- Focus ---

bool TkxContainer::Focused() const {
  if (IsDesigning() || ControlState().Contains(csDestroyingHandle)) return false;
  if (TkxControl::Focused()) return true;
  return innerControl_ != nullptr && innerControl_->Focused();
}

void TkxContainer::SetFocus() {
  if (IsDesigning() || IsContainerFocused()) return;
  TkxControl::SetFocus();
  if (innerControl_ == nullptr || !innerControl_->HandleAllocated() || GetFocus() != WindowHandle()) return;
  FocusInnerControl();
  if (TCustomForm* form = GetParentForm(this)) form->FocusControl(innerControl_);
}

void TkxContainer::FocusInnerControl() {
  if (innerControl_ != nullptr) innerControl_->SetFocus();
}

void TkxContainer::GetTabOrderList(std::vector<TWinControl*>& List) {
  TkxControl::GetTabOrderList(List);
  if (UsesStandardAlignment() || innerControl_ == nullptr || !CanFocus()) return;
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr || form->ActiveControl() == this || form->ActiveControl() != innerControl_) return;
  List.erase(std::remove(List.begin(), List.end(), innerControl_), List.end());
  std::replace(List.begin(), List.end(), static_cast<TWinControl*>(this), innerControl_);
}

bool TkxContainer::MayFocus() { return !(innerControl_ != nullptr && innerControl_->Focused()); }

bool TkxContainer::CanFocusOnClick() {
  return TkxControl::CanFocusOnClick() &&
         !(innerControl_ != nullptr && innerControl_->HandleAllocated() && innerControl_->Focused()) &&
         !innerMouseDown_;
}

void TkxContainer::DoFocusChanged() {
  TkxControl::DoFocusChanged();
  RefreshStateFromCursor(false);
}

void TkxContainer::KeyDown(Word& Key, TShiftState Shift) {
  const TkxScopedObjectLink link(this);
  TkxControl::KeyDown(Key, Shift);
  if (link.Alive()) HandleTabKey(Key, Shift);
}

void TkxContainer::HandleTabKey(Word& Key, TShiftState Shift) {
  if (Key != VK_TAB || Shift.Contains(ssCtrl) || Shift.Contains(ssAlt) || !Focused() || !TabKeyMovesFocus()) return;
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr) return;
  Key = 0;
  form->SelectNext(form->ActiveControl(), !Shift.Contains(ssShift), true);
  if (HandleAllocated() && GetFocus() == WindowHandle()) FocusInnerControl();
}

// --- What the inner control repeats ---

void TkxContainer::SetDragMode(TDragMode Value) {
  TkxControl::SetDragMode(Value);
  if (innerControl_ != nullptr) innerControl_->SetDragMode(Value);
}

void TkxContainer::DragCanceled() {
  TkxControl::DragCanceled();
  if (innerControl_ != nullptr) innerControl_->DragCanceled();
}

void TkxContainer::Invalidate() {
  TkxControl::Invalidate();
  if (innerControl_ != nullptr) innerControl_->Invalidate();
}

void TkxContainer::Update() {
  TkxControl::Update();
  if (innerControl_ != nullptr) innerControl_->Update();
}

void TkxContainer::ApplyDragKind(TDragKind Value) {
  SetDragKind(Value);
  if (innerControl_ != nullptr) innerControl_->SetDragKind(Value);
}

TDragImageList* TkxContainer::GetDragImages() {
  return innerControl_ != nullptr ? innerControl_->GetDragImages() : TkxControl::GetDragImages();
}

void TkxContainer::HandleCursorChange() {
  TkxControl::HandleCursorChange();
  if (innerControl_ != nullptr) innerControl_->SetCursor(Cursor());
}

void TkxContainer::HandleColorChange() {
  if (internalSetting_) {
    TkxControl::HandleColorChange();
    RefreshStateFromCursor(false);
    return;
  }
  GetStyle()->SetColor(Color());
}

TkxLookAndFeel* TkxContainer::GetLookAndFeel() { return GetStyle()->LookAndFeel(); }

TRect TkxContainer::GetContentBounds() { return viewInfo_->ClientRect; }

void TkxContainer::AdjustClientRect(TRect& Rect) {
  if (!IsDestroying()) Rect = viewInfo_->ClientRect;
}

void TkxContainer::HandleEnabledChange() {
  for (Integer i = 0; i < ControlCount(); ++i)
    if (auto* bar = dynamic_cast<TkxScrollBar*>(Controls(i))) bar->SetEnabled(Enabled());
  RefreshStateFromCursor(false);
}

void TkxContainer::CallInnerControlDefaultWndProc(TMessage& Message) {
  if (InnerDefaultWndProc) InnerDefaultWndProc(Message);
}

bool TkxContainer::HandleInnerControlMessage(TMessage& Message) {
  if (Message.Msg != WM_CONTEXTMENU) return false;
  Message.Result = Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
  return Message.Result != 0;
}

bool TkxContainer::HandleInnerControlKeyMessage(TMessage& Message) {
  if (Message.Msg != CN_KEYDOWN && Message.Msg != CN_SYSKEYDOWN) return false;
  if (!IsPopupMenuShortCutOf(this, Message)) return false;
  Message.Result = 1;
  return true;
}

// --- Mouse ---

void TkxContainer::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  const TkxScopedObjectLink link(this);
  TkxControl::MouseDown(Button, Shift, X, Y);
  if (link.Alive()) RefreshContainer(TPoint{X, Y}, MouseButtonToContainerButton(Button), Shift, true);
}

void TkxContainer::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  const TkxScopedObjectLink link(this);
  TkxControl::MouseUp(Button, Shift, X, Y);
  if (link.Alive()) RefreshContainer(TPoint{X, Y}, MouseButtonToContainerButton(Button), Shift, true);
}

void TkxContainer::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  const TkxScopedObjectLink link(this);
  TkxControl::MouseMove(Shift, X, Y);
  if (!link.Alive()) return;
  RefreshContainer(TPoint{X, Y}, 0, Shift, true);
  StartHotTracking();
}

void TkxContainer::DoMouseEnter(TControl* AControl) {
  TkxControl::DoMouseEnter(AControl);
  RefreshStateFromCursor(true);
  StartHotTracking();
}

void TkxContainer::DoMouseLeave(TControl* AControl) {
  TkxControl::DoMouseLeave(AControl);
  RefreshStateFromCursor(true);
  StopMouseLeaveTracking(this);
}

void TkxContainer::DoContextPopup(TPoint MousePos, bool& Handled) {
  if ((MousePos.X == -1 && MousePos.Y == -1) || AllowsContextPopupAt(MousePos))
    TkxControl::DoContextPopup(MousePos, Handled);
  else
    Handled = true;
}

// --- Messages ---

void TkxContainer::PassKeyToInner(TMessage& Message) {
  Message.Result = innerControl_->Perform(Message.Msg, Message.WParam, Message.LParam);
}

void TkxContainer::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      if (!Visible()) return;
      break;
    case WM_KEYDOWN: case WM_KEYUP: case WM_CHAR: case CN_KEYDOWN: case CN_KEYUP: case CN_CHAR:
      if (innerControl_ != nullptr) return PassKeyToInner(Message);
      break;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
      if (DragMode() == dmAutomatic && !IsDesigning()) return BeginAutoDrag();
      break;
    default: break;
  }
  TkxControl::WndProc(Message);
}

void TkxContainer::WMSetFocus(TMessage& Message) {
  const bool windows = HandleAllocated() && innerControl_ != nullptr && innerControl_->HandleAllocated();
  if (IsDestroying() || !windows) return TkxControl::Dispatch(Message);
  if (reinterpret_cast<HWND>(Message.WParam) == innerControl_->WindowHandle()) {
    Message.Result = 0;   // focus handed back by the inner control
    return;
  }
  const TkxScopedObjectLink link(this);
  TkxControl::Dispatch(Message);
  if (link.Alive() && innerControl_ != nullptr && innerControl_->CanFocus()) innerControl_->SetFocus();
}

void TkxContainer::WMKillFocus(TMessage& Message) {
  if (innerControl_ != nullptr && innerControl_->HandleAllocated() &&
      reinterpret_cast<HWND>(Message.WParam) == innerControl_->WindowHandle()) {
    Message.Result = 0;   // focus passing on to the inner control
    return;
  }
  TkxControl::Dispatch(Message);
}

void TkxContainer::WMSetCursor(TMessage& Message) {
  if (innerControl_ != nullptr && reinterpret_cast<HWND>(Message.WParam) == WindowHandle() &&
      LOWORD(Message.LParam) == HTCLIENT) {
    const TPoint p = ScreenToClient(ReadCursorScreenPos());
    if (!PtInRect(&viewInfo_->ClientRect, p)) {
      ::SetCursor(Screen->Cursors(crArrow));
      Message.Result = 1;
      return;
    }
  }
  TkxControl::Dispatch(Message);
}

void TkxContainer::WMWindowPosChanging(TMessage& Message) {
  if (IsDestroying()) {
    Message.Result = 0;
    return;
  }
  TkxControl::Dispatch(Message);
  if (HandleAllocated() && GetFocus() == WindowHandle() && innerControl_ != nullptr &&
      innerControl_->HandleAllocated() && innerControl_->CanFocus())
    if (TCustomForm* form = GetParentForm(this)) form->FocusControl(innerControl_);
}

void TkxContainer::CMFontChanged(TMessage& Message) {
  if (internalSetting_) {
    TkxControl::Dispatch(Message);
    AdjustInnerControlBounds();
    UpdateScrollBars(false);
    RefreshStateFromCursor(false);
    return;
  }
  TkxContainerStyle* normal = GetStyle();
  const bool wasAssigned = (normal->AssignedValues() & StyleValueBit(csvFont)) != 0;
  normal->SetFont(Font());
  if (!wasAssigned) normal->ExcludeAssignedValue(csvFont);
  TkxControl::Dispatch(Message);
}

void TkxContainer::CMParentColorChanged(TMessage& Message) {
  TkxContainerStyle* normal = GetStyle();
  const bool wasAssigned = (normal->AssignedValues() & StyleValueBit(csvColor)) != 0;
  TkxControl::Dispatch(Message);
  if (!wasAssigned || ParentColor()) normal->ExcludeAssignedValue(csvColor);
  if (normal->GetColor() != Color()) ContainerStyleChanged(normal);
  if (ShowsParentBackground() && !ParentColor()) Invalidate();
}

void TkxContainer::CMParentFontChanged(TMessage& Message) {
  TkxContainerStyle* normal = GetStyle();
  const bool wasAssigned = (normal->AssignedValues() & StyleValueBit(csvFont)) != 0;
  TkxControl::Dispatch(Message);
  if (!ParentFont()) normal->ReloadFont();
  if (!wasAssigned || ParentFont()) normal->ExcludeAssignedValue(csvFont);
}

void TkxContainer::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: return WMSetFocus(Message);
    case WM_KILLFOCUS: return WMKillFocus(Message);
    case WM_NCPAINT: Message.Result = 0; return;
    case WM_SETCURSOR: return WMSetCursor(Message);
    case WM_WINDOWPOSCHANGING: return WMWindowPosChanging(Message);
    case WM_WINDOWPOSCHANGED:
      TkxControl::Dispatch(Message);
      if (!IsDestroying() && ShowsParentBackground()) RefreshStateFromCursor(false);
      return;
    case CM_CTL3DCHANGED:
    case CM_SYSCOLORCHANGE:
      TkxControl::Dispatch(Message);
      RefreshStateFromCursor(false);
      return;
    case CM_ENABLEDCHANGED:
      TkxControl::Dispatch(Message);
      HandleEnabledChange();
      return;
    case CM_FONTCHANGED: return CMFontChanged(Message);
    case CM_PARENTCOLORCHANGED: return CMParentColorChanged(Message);
    case CM_PARENTFONTCHANGED: return CMParentFontChanged(Message);
    case KXM_CONTAINERREFRESH: RefreshStateFromCursor(false); return;
    case KXM_CONTAINERUPDATESCROLLBARS: UpdateScrollBars(false); return;
    default: return TkxControl::Dispatch(Message);
  }
}
