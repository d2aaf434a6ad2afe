// The container unit's visible-popup list: every shown TkxCustomPopupWindow, in the order in which
// they were shown (being listed is what counts as shown), and the showing flag, set while a popup
// is positioned and shown and while the mouse hook closes one.  Both live from the unit's start-up
// to its shut-down and are touched only by the interface thread.
//
// Closing a popup runs handlers that may close, show or free other popups, so scans that close
// popups read the list afresh after each close (ScanVisiblePopups): never past its end, never at a
// popup that has left it, and a popup whose close left it listed is passed over for the rest of
// the scan, so a scan always ends.
#pragma once

#include <vector>

#include "platform/core/function_ref.h"
#include "platform/user/user_types.h"

class TControl;
class TkxCustomPopupWindow;

// The private messages of a popup: close it, and show it again for its PopupFocusControl.
inline constexpr UINT KXM_CLOSEPOPUP = 0x807D, KXM_SHOWPOPUP = 0x807E;

// Null before the unit's start-up and after its shut-down.
const std::vector<TkxCustomPopupWindow*>* GetVisiblePopupList();
void CreateVisiblePopupList();
void FreeVisiblePopupList();
bool IsVisiblePopupListEmpty();
// The list exists and holds AControl.
bool IsVisiblePopupWindow(const TControl* AControl);
// Appends (nothing when unlisted already or no list exists); answers whether it is listed now.
bool AddVisiblePopup(TkxCustomPopupWindow* APopup);
void RemoveVisiblePopup(TkxCustomPopupWindow* APopup);
// Posts the close message to the popup's window (asynchronous).
void PostPopupCloseMessage(TkxCustomPopupWindow* APopup);

bool IsPopupShowing();
void SetPopupShowing(bool Value);
// Sets the showing flag for one scope; it is cleared at the end, also when a handler throws.
class TkxPopupShowingScope {
 public:
  TkxPopupShowingScope() { SetPopupShowing(true); }
  ~TkxPopupShowingScope() { SetPopupShowing(false); }
  TkxPopupShowingScope(const TkxPopupShowingScope&) = delete;
  TkxPopupShowingScope& operator=(const TkxPopupShowingScope&) = delete;
};

// What a scan step did with the popup it visited.
enum class TkxPopupScanStep { Next, Stop, Closed };
// Visits the listed popups from the first.  After Closed the scan starts again from the first when
// the popup has left the list (or was freed), and goes on after it, passing it over from then on,
// when it is still listed.  Stop ends the scan.
void ScanVisiblePopups(TFunctionRef<TkxPopupScanStep(TkxCustomPopupWindow*)> Visit);
// Visits the listed popups from the last to the first, reading the list afresh at each step:
// after a popup left the list the walk goes on with the one now before the last visited place.
void ScanVisiblePopupsBackward(TFunctionRef<TkxPopupScanStep(TkxCustomPopupWindow*)> Visit);
