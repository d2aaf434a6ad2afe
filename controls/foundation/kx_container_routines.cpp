#include "controls/foundation/kx_container_routines.h"

#include <memory>
#include <vector>

#include "controls/foundation/kx_container.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_control_scroll_bar.h"
#include "controls/foundation/kx_custom_popup_window.h"
#include "controls/foundation/kx_popup_hooks.h"
#include "controls/foundation/kx_popup_list.h"
#include "controls/foundation/kx_scoped_value.h"
#include "controls/foundation/kx_container_style.h"
#include "platform/classes/class_registry.h"
#include "platform/core/ansi_strings.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/os/collation.h"
#include "platform/os/locale_constants.h"
#include "platform/os/thread.h"
#include "platform/ui/cursors.h"
#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui/win_control.h"
#include "platform/user/cursor.h"
#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/painting.h"
#include "platform/user/post_message.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_region.h"
#include "platform/user/window_tree.h"

namespace {

struct ContainerUnitState {
  TkxStyleController* defaultStyleController = nullptr;
  bool scrollBarEmulation = false;
  Integer activationLocks = 0;
  std::unique_ptr<std::vector<HWND>> disabledWindows;
  Integer disableNesting = 0;
  bool toggling = false;
};

ContainerUnitState& State() {
  static ContainerUnitState state;
  return state;
}

// The strips of the frame between Outer and Inner: left and right full height, top and bottom
// between them.
void ForEachFrameStrip(const TRect& Outer, const TRect& Inner, auto&& Strip) {
  Strip(TRect{Outer.Left, Outer.Top, Inner.Left, Outer.Bottom});
  Strip(TRect{Inner.Left, Outer.Top, Inner.Right, Inner.Top});
  Strip(TRect{Inner.Right, Outer.Top, Outer.Right, Outer.Bottom});
  Strip(TRect{Inner.Left, Inner.Bottom, Inner.Right, Outer.Bottom});
}

// Listed popups count as part of the control they were opened from: every listed popup whose
// owner is the control, and for a popup every other listed popup whose owner sits on it.
bool IsWindowOfPopupOpenedFrom(TWinControl* Control, HWND Wnd) {
  const auto* list = GetVisiblePopupList();
  if (list == nullptr) return false;
  auto* self = dynamic_cast<TkxCustomPopupWindow*>(Control);
  for (TkxCustomPopupWindow* popup : *list) {
    if (popup == Control || popup->AttachedControl() == nullptr) continue;
    const bool openedFrom =
        popup->AttachedControl() == Control || (self != nullptr && GetParentForm(popup->AttachedControl()) == self);
    if (openedFrom && ControlOwnsWindow(popup, Wnd, true)) return true;
  }
  return false;
}

BOOL CollectProcessWindow(HWND Wnd, LPARAM Param) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(Param);
  DWORD process = 0;
  GetWindowThreadProcessId(Wnd, &process);
  if (process == GetCurrentProcessId() && IsWindowEnabled(Wnd)) list->push_back(Wnd);
  return TRUE;
}

}  // namespace

// --- Geometry and drawing ---

Integer GetContainerBorderWidth(TkxContainerBorderStyle BorderStyle) {
  static constexpr Integer kWidths[] = {0, 1, 2, 2, 2, 1, 1};
  return kWidths[BorderStyle];
}

TRect ContainerBorderExtent(const TkxBorderExtentInput& Input) {
  TRect extent{};
  if (Input.TransparentBorder || (!Input.NoBorder && Input.Native)) {
    extent = TRect{2, 2, 2, 2};
  } else if (!Input.NoBorder) {
    const Integer w = Input.BorderWidth;
    const TkxBorders edges = Input.Edges;
    extent = TRect{edges.Contains(bLeft) ? w : 0, edges.Contains(bTop) ? w : 0, edges.Contains(bRight) ? w : 0,
                   edges.Contains(bBottom) ? w : 0};
  }
  if (Input.Shadow) {
    extent.Right += kxContainerShadowSize;
    extent.Bottom += kxContainerShadowSize;
  }
  return extent;
}

TRect GrowRectOnEdges(const TRect& R, Integer W, TkxBorders Edges) {
  TRect result = R;
  if (Edges.Contains(bLeft)) result.Left -= W;
  if (Edges.Contains(bTop)) result.Top -= W;
  if (Edges.Contains(bRight)) result.Right += W;
  if (Edges.Contains(bBottom)) result.Bottom += W;
  return result;
}

TRect ShrinkRectOnMissingEdges(const TRect& R, Integer W, TkxBorders Edges) {
  TRect result = R;
  if (!Edges.Contains(bLeft)) result.Left += W;
  if (!Edges.Contains(bTop)) result.Top += W;
  if (!Edges.Contains(bRight)) result.Right -= W;
  if (!Edges.Contains(bBottom)) result.Bottom -= W;
  return result;
}

TRect GetControlLocalRect(const TControl* Control) { return TRect{0, 0, Control->Width(), Control->Height()}; }

void PaintContainerShadow(TkxCanvas& Canvas, const TRect& R) {
  constexpr Integer S = kxContainerShadowSize;
  const TRect below{R.Left + S, R.Bottom, R.Right, R.Bottom + S};
  Canvas.FillSolidRect(below, kxContainerShadowColor);
  Canvas.ExcludeClipRect(below);
  const TRect right{R.Right, R.Top + S, R.Right + S, R.Bottom + S};
  Canvas.FillSolidRect(right, kxContainerShadowColor);
  Canvas.ExcludeClipRect(right);
}

void FillRectFrame(TkxCanvas& Canvas, const TRect& Outer, const TRect& Inner, TColor Color) {
  if (IsRectEmpty(&Outer) || Outer == Inner) return;
  if (IsRectEmpty(&Inner)) return Canvas.FillSolidRect(Outer, Color);
  ForEachFrameStrip(Outer, Inner, [&](const TRect& strip) { Canvas.FillSolidRect(strip, Color); });
}

void InvalidateRectExceptInner(HWND Wnd, const TRect& Outer, const TRect& Inner, bool Erase) {
  if (IsRectEmpty(&Inner)) {
    InvalidateRect(Wnd, &Outer, Erase ? TRUE : FALSE);
    return;
  }
  ForEachFrameStrip(Outer, Inner, [&](const TRect& strip) { InvalidateRect(Wnd, &strip, Erase ? TRUE : FALSE); });
}

void InvalidateControlRect(TWinControl* Control, const TRect& R, bool Erase) {
  if (Control->HandleAllocated()) InvalidateRect(Control->WindowHandle(), &R, Erase ? TRUE : FALSE);
}

void AssignFont(TFont* Dest, TFont* Source) { Dest->Assign(Source); }

Integer MouseButtonToContainerButton(TMouseButton Button) {
  switch (Button) {
    case mbLeft: return 1;
    case mbRight: return 2;
    case mbMiddle: return 3;
  }
  return 0;
}

TShiftState GetCurrentShiftState() { return CurrentShiftState(); }

TPoint ReadCursorScreenPos() {
  TPoint p{};
  GetCursorPos(&p);
  return p;
}

bool AreStringsEqual(const std::string& S1, const std::string& S2, bool CaseSensitive) {
  if (CaseSensitive)
    return CompareStringA(LOCALE_USER_DEFAULT, 0, S1.data(), Integer(S1.size()), S2.data(), Integer(S2.size())) ==
           CSTR_EQUAL;
  return AnsiUpperCase(S1) == AnsiUpperCase(S2);
}

// --- Regions ---

HRGN CreateContainerShapeRegion(const TRect& R, bool NoRegion, bool Shadow, const TRect& Exclude) {
  if (NoRegion) return nullptr;
  HRGN region = CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom);
  if (Shadow) {
    HRGN shadow = CreateRectRgn(R.Left + kxContainerShadowSize, R.Top + kxContainerShadowSize,
                                R.Right + kxContainerShadowSize, R.Bottom + kxContainerShadowSize);
    CombineRgn(region, region, shadow, RGN_OR);
    DeleteObject(shadow);
  }
  if (!IsRectEmpty(&Exclude)) {
    HRGN excluded = CreateRectRgn(Exclude.Left, Exclude.Top, Exclude.Right, Exclude.Bottom);
    CombineRgn(region, region, excluded, RGN_DIFF);
    DeleteObject(excluded);
  }
  return region;
}

void UpdateWindowShapeRegion(HWND Wnd, const TRect& R, bool NoRegion, const TRect& Exclude, bool Shadow) {
  HRGN region = CreateContainerShapeRegion(R, NoRegion, Shadow, Exclude);
  HRGN current = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(Wnd, current);
  const bool hasCurrent = kind != ERROR && kind != NULLREGION;
  bool set = false;
  if (region != nullptr || hasCurrent) {
    const bool differ = region == nullptr || !hasCurrent || !EqualRgn(region, current);
    if (differ) {
      SetWindowRgn(Wnd, region, TRUE);
      set = true;
    }
  }
  if (!set && region != nullptr) DeleteObject(region);
  DeleteObject(current);
}

void ApplyWindowClip(TWinControl* Control, const TkxInnerControlClip& Clip) {
  HRGN region = Clip.Empty ? nullptr : CreateRectRgn(Clip.Rect.Left, Clip.Rect.Top, Clip.Rect.Right, Clip.Rect.Bottom);
  SetWindowRgn(Control->Handle(), region, TRUE);
}

// --- Windows and focus ---

TkxContainer* GetContainerOfControl(TControl* Control) {
  if (auto* container = dynamic_cast<TkxContainer*>(Control)) return container;
  if (auto* inner = dynamic_cast<IkxContainerInnerControl*>(Control)) return inner->GetInnerControlContainer();
  return nullptr;
}

bool ControlOwnsWindow(TWinControl* Control, HWND Wnd, bool IncludeDescendants) {
  if (Control == nullptr) return false;
  if (Control->HandleAllocated() && Control->WindowHandle() == Wnd) return true;
  return IncludeDescendants && IsDescendantWindowOfControl(Control, Wnd);
}

bool IsControlWindow(TWinControl* Control, HWND Wnd) { return ControlOwnsWindow(Control, Wnd, false); }

bool IsDescendantWindowOfControl(TWinControl* Control, HWND Wnd) {
  if (Control == nullptr || Wnd == nullptr || !Control->HandleAllocated() || Control->WindowHandle() == Wnd)
    return false;
  if (IsChild(Control->WindowHandle(), Wnd)) return true;
  for (Integer i = 0; i < Control->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(Control->Controls(i));
    if (child != nullptr && ControlOwnsWindow(child, Wnd, true)) return true;
  }
  return IsWindowOfPopupOpenedFrom(Control, Wnd);
}

bool IsWindowOfControlForm(TWinControl* Control, HWND Wnd) {
  if (Control == nullptr) return false;
  TCustomForm* form = GetParentForm(Control);
  if (form == nullptr) return false;
  if (ControlOwnsWindow(form, Wnd, true)) return true;
  if (form->Parent() != nullptr || !form->HandleAllocated()) return false;
  HWND top = form->WindowHandle();
  for (HWND parent = GetParent(top); parent != nullptr && IsChild(parent, top); parent = GetParent(parent))
    top = parent;
  return top != form->WindowHandle() && (Wnd == top || IsChild(top, Wnd));
}

HWND FindTopLevelAncestorWindow(HWND Wnd) {
  for (HWND w = Wnd; w != nullptr; w = GetParent(w))
    if (!HasChildWindowStyle(w)) return w;
  return nullptr;
}

HWND ResolvePopupOwnerWindow(HWND Wnd) {
  if (IsVisiblePopupListEmpty()) return Wnd;
  for (HWND window = Wnd; window != nullptr; window = GetParent(window))
    if (auto* popup = dynamic_cast<TkxCustomPopupWindow*>(FindControl(window))) {
      TWinControl* owner = popup->AttachedControl();
      return owner != nullptr && owner->HandleAllocated() ? owner->WindowHandle() : Wnd;
    }
  return Wnd;
}

bool IsControlWindowShown(TWinControl* Control) {
  return Control->HandleAllocated() && IsWindowVisible(Control->WindowHandle());
}

bool QueryScrollBarInfo(HWND Wnd, LONG ObjectId, SCROLLBARINFO& Info) {
  Info = SCROLLBARINFO{};
  Info.cbSize = sizeof(SCROLLBARINFO);
  return GetScrollBarInfo(Wnd, ObjectId, &Info) != FALSE;
}

TRect GetInnerSizeGripRect(TWinControl* Inner) {
  auto* protocol = dynamic_cast<IkxContainerInnerControl*>(Inner);
  TkxContainer* container = protocol != nullptr ? protocol->GetInnerControlContainer() : nullptr;
  if (container == nullptr || container->HScrollBar() == nullptr || container->VScrollBar() == nullptr ||
      !container->HScrollBar()->Visible() || !container->VScrollBar()->Visible() || !Inner->HandleAllocated())
    return TRect{};
  TkxControlScrollBar* h = container->HScrollBar();
  TkxControlScrollBar* v = container->VScrollBar();
  const TPoint corner = container->ClientToScreen(TPoint{v->Left(), h->Top()});
  TRect window{};
  GetWindowRect(Inner->WindowHandle(), &window);
  const TPoint at{corner.X - window.Left, corner.Y - window.Top};
  return Bounds(at.X, at.Y, v->Width(), h->Height());
}

bool CanUseNativeTheme(bool NativeStyle, ThemedObjectType Type) {
  return NativeStyle && OpenThemeOfType(Type) != nullptr;
}

bool IsScrollBarEmulationEnabled() { return State().scrollBarEmulation; }

void EnableScrollBarEmulation() { State().scrollBarEmulation = true; }

// --- Process-wide window disabling ---

void DisableProcessWindows(bool NeedDisable) {
  ContainerUnitState& state = State();
  if (state.disableNesting++ != 0 || !NeedDisable) return;
  const TkxScopedValue<bool> toggling(state.toggling, true);
  state.disabledWindows = std::make_unique<std::vector<HWND>>();
  EnumWindows(&CollectProcessWindow, reinterpret_cast<LPARAM>(state.disabledWindows.get()));
  for (HWND window : *state.disabledWindows) EnableWindow(window, FALSE);
}

void ReenableProcessWindows() {
  ContainerUnitState& state = State();
  if (state.disableNesting == 0 || --state.disableNesting != 0) return;
  std::unique_ptr<std::vector<HWND>> list = std::move(state.disabledWindows);
  if (list == nullptr) return;
  const TkxScopedValue<bool> toggling(state.toggling, true);
  for (HWND window : *list)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

bool IsTogglingProcessWindows() { return State().toggling; }

// --- Activation lock and queued messages ---

void LockActivationMessages(bool Lock) { State().activationLocks += Lock ? 1 : -1; }

bool AreActivationMessagesLocked() { return State().activationLocks != 0; }

bool RemovePendingMessages(HWND Wnd, UINT MsgMin, UINT MsgMax, bool All) {
  bool removed = false;
  MSG message{};
  while (PeekMessageA(&message, Wnd, MsgMin, MsgMax, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(int(message.wParam));
      break;
    }
    removed = true;
    if (!All) break;
  }
  return removed;
}

// --- Default style controller and the unit ---

TkxStyleController* GetUnitDefaultStyleController() { return State().defaultStyleController; }

void SetUnitDefaultStyleController(TkxStyleController* Controller) { State().defaultStyleController = Controller; }

namespace {

void InitializeContainerUnit() {
  EnableScrollBarEmulation();
  RegisterClass(TkxStyleController::StaticClass());
  CreateVisiblePopupList();
  InstallPopupHooks();
}

void FinalizeContainerUnit() {
  RemovePopupHooks();
  FreeVisiblePopupList();
  UnRegisterClass(TkxStyleController::StaticClass());
  State().scrollBarEmulation = false;
}

}  // namespace

const Unit kxContainerUnit = {"kxContainer", InitializeContainerUnit, FinalizeContainerUnit};
