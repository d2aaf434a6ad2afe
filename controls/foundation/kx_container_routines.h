// The container unit's types, free routines and switches (unit kxContainer): rectangle and border
// arithmetic, the 3-pixel shadow, window-shape regions and inner-control clips, window tests,
// the process-wide disabling of windows for modal work, the activation-message lock, removal of
// queued messages, the scroll-bar emulation switch and the unit's default style controller.
// All run on the interface thread (docs/controls-foundation.md, "Container").
#pragma once

#include <string>

#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kx_canvas.h"
#include "platform/classes/enum_set.h"
#include "platform/core/units.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/control_types.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/user_types.h"

class TControl;
class TFont;
class TWinControl;
class TkxContainer;
class TkxStyleController;

PR_ENUM(TkxContainerBorderStyle, cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11)
// cstNormal 1, cstFocused 2, cstDisabled 4, cstHot 8 as bits of the set.
PR_ENUM(TkxContainerState, cstNormal, cstFocused, cstDisabled, cstHot)
using TkxContainerStateFlags = TSet<TkxContainerState>;

inline constexpr TColor kxContainerShadowColor = clBtnShadow;
inline constexpr Integer kxContainerShadowSize = 3;
// The scroll-bar kinds of the emulation: 0 horizontal (SB_HORZ, OBJID_HSCROLL), 1 vertical.
inline constexpr Integer kxScrollBarHorizontal = 0, kxScrollBarVertical = 1;

// Implemented by every control a container hosts (inner list box, inner edit, ...); asked for by
// dynamic_cast.
class IkxContainerInnerControl {
 public:
  virtual TWinControl* GetInnerControlOwnControl() = 0;
  virtual TkxContainer* GetInnerControlContainer() = 0;

 protected:
  ~IkxContainerInnerControl() = default;
};

// The clip last applied to an inner control by a window region: Empty means no region.
struct TkxInnerControlClip {
  bool Empty = true;
  TRect Rect;
  friend bool operator==(const TkxInnerControlClip&, const TkxInnerControlClip&) = default;
};

// --- Geometry and drawing ---

// cbsNone 0, cbsSingle 1, cbsThick 2, cbsFlat 2, cbs3D 2, cbsUltraFlat 1, cbsOffice11 1.
Integer GetContainerBorderWidth(TkxContainerBorderStyle BorderStyle);
// How far a border reaches in on each side: 2 all round for a transparent border (and for a
// native one that has a border), nothing without a border, else BorderWidth on each side in Edges;
// a shadow adds kxContainerShadowSize on the right and at the bottom.
struct TkxBorderExtentInput {
  bool TransparentBorder = false;
  bool NoBorder = false;
  bool Native = false;
  Integer BorderWidth = 0;
  TkxBorders Edges;
  bool Shadow = false;
};
TRect ContainerBorderExtent(const TkxBorderExtentInput& Input);
// Each side in Edges moves outward by W.
TRect GrowRectOnEdges(const TRect& R, Integer W, TkxBorders Edges);
// Each side not in Edges moves inward by W.
TRect ShrinkRectOnMissingEdges(const TRect& R, Integer W, TkxBorders Edges);
// (0, 0, Width, Height).
TRect GetControlLocalRect(const TControl* Control);
// Fills (R.Left + 3, R.Bottom, R.Right, R.Bottom + 3) and then (R.Right, R.Top + 3, R.Right + 3,
// R.Bottom + 3) in clBtnShadow, excluding each from the clip region once filled.
void PaintContainerShadow(TkxCanvas& Canvas, const TRect& R);
// The frame between Outer and Inner as four strips; all of Outer when Inner is empty; nothing when
// Outer is empty or equals Inner.
void FillRectFrame(TkxCanvas& Canvas, const TRect& Outer, const TRect& Inner, TColor Color);
// InvalidateRect of the same four strips, or of Outer when Inner is empty.
void InvalidateRectExceptInner(HWND Wnd, const TRect& Outer, const TRect& Inner, bool Erase);
// InvalidateRect on the control's window when it has one.
void InvalidateControlRect(TWinControl* Control, const TRect& R, bool Erase);
void AssignFont(TFont* Dest, TFont* Source);
// mbLeft 1, mbRight 2, mbMiddle 3 (0 stands for no button).
Integer MouseButtonToContainerButton(TMouseButton Button);
TShiftState GetCurrentShiftState();
TPoint ReadCursorScreenPos();
// Case-sensitive: CompareStringA under the user's locale answers CSTR_EQUAL; otherwise both texts
// upper-cased (code page 874 rules) and compared byte for byte.
bool AreStringsEqual(const std::string& S1, const std::string& S2, bool CaseSensitive);

// --- Regions ---

// Null when NoRegion; else R, with Shadow united with R moved by (3, 3), less a non-empty Exclude.
HRGN CreateContainerShapeRegion(const TRect& R, bool NoRegion, bool Shadow, const TRect& Exclude);
// Sets that region on the window (redrawing) only when it differs from the window's current one.
void UpdateWindowShapeRegion(HWND Wnd, const TRect& R, bool NoRegion, const TRect& Exclude, bool Shadow);
// The control's window region: none for an empty clip, else the clip rectangle; redraws.
void ApplyWindowClip(TWinControl* Control, const TkxInnerControlClip& Clip);

// --- Windows and focus ---

// The control itself when it is a container, else the container of an inner control, else null.
TkxContainer* GetContainerOfControl(TControl* Control);
bool ControlOwnsWindow(TWinControl* Control, HWND Wnd, bool IncludeDescendants);
bool IsControlWindow(TWinControl* Control, HWND Wnd);
// A child window of the control, or the window or a descendant of any windowed child control, or
// of a listed popup opened from the control (for a popup also of a listed popup whose owner sits
// on it).
bool IsDescendantWindowOfControl(TWinControl* Control, HWND Wnd);
// The control's form owns Wnd or one of its descendants; for a form without a parent control also
// the top window its window is embedded in, and that window's children.
bool IsWindowOfControlForm(TWinControl* Control, HWND Wnd);
// The first window from Wnd up whose style lacks WS_CHILD; null when none.
HWND FindTopLevelAncestorWindow(HWND Wnd);
// The window of the owner control of the first popup window from Wnd up; Wnd itself when there is
// none or while no popup windows are listed.
HWND ResolvePopupOwnerWindow(HWND Wnd);
bool IsControlWindowShown(TWinControl* Control);
// GetScrollBarInfo with cbSize 60.
bool QueryScrollBarInfo(HWND Wnd, LONG ObjectId, SCROLLBARINFO& Info);
// The size-grip corner between the container's own bars, relative to the inner control's window
// rectangle, when both bars show; else empty.
TRect GetInnerSizeGripRect(TWinControl* Inner);
bool CanUseNativeTheme(bool NativeStyle, ThemedObjectType Type);
bool IsScrollBarEmulationEnabled();
void EnableScrollBarEmulation();

// --- Process-wide window disabling (modal work outside the platform's modal loop) ---

// Nests; the outermost call with NeedDisable disables every enabled top-level window of this
// process and lists it.
void DisableProcessWindows(bool NeedDisable);
// The outermost call enables every listed window that still exists; with no list (the outermost
// disabling asked for none) it enables nothing.
void ReenableProcessWindows();
bool IsTogglingProcessWindows();

// --- Activation lock and queued messages ---

void LockActivationMessages(bool Lock);
bool AreActivationMessagesLocked();
// Removes one queued message of the range for Wnd (every one with All); a WM_QUIT met on the way is
// posted again with its exit code and ends the removal.  True when a message other than WM_QUIT was
// removed.
bool RemovePendingMessages(HWND Wnd, UINT MsgMin, UINT MsgMax, bool All);

// --- Default style controller ---

// Null until the editor framework installs one.
TkxStyleController* GetUnitDefaultStyleController();
void SetUnitDefaultStyleController(TkxStyleController* Controller);

// Start-up: scroll-bar emulation on, TkxStyleController registered for streaming, the visible-popup
// list made and the popup hooks installed for the calling thread.  Shut-down: the hooks removed
// (in the reverse order) and the list freed, the class unregistered and the switch off.
extern const Unit kxContainerUnit;
