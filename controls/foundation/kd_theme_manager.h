// The theme manager (unit kdThemeManager): one cached theme handle for each of 25 themed control
// classes, opened on first use without a window (so one handle serves every control), whether
// visual styles are usable now (ThemesActive, the last answer of IsThemeActive), and the
// notification of a change of the system's visual style.
//
// A hidden utility window receives WM_THEMECHANGED: it closes every handle (each type keeps the
// class list it was opened with, so the next open uses it again), asks IsThemeActive again and
// calls every TkdThemeChangedNotificator's OnThemeChanged.  A handler may free notificators: each
// one still listed is called once, none that has left.
//
// Themed object types: 0 "Button", 1 "Clock", 2 "ComboBox", 3 "Edit", 4 "ExplorerBar", 5 "Header",
// 6 "ListBox", 7 "ListView", 8 "Menu", 9 "Page", 10 "Progress", 11 "Rebar", 12 "ScrollBar",
// 13 "Spin", 14 "StartPanel", 15 "Status", 16 "Tab", 17 "TaskBand", 18 "TaskBar", 19 "ToolBar",
// 20 "ToolTip", 21 "TrackBar", 22 "TrayNotify", 23 "TreeView", 24 "Window".  A set of types has
// bit n for type n.
#pragma once

#include <string>

#include "platform/classes/event.h"
#include "platform/core/units.h"
#include "platform/shims/theme_provider.h"

using ThemedObjectType = Integer;     // 0 .. 24
using ThemedObjectTypes = Cardinal;   // bit n: type n
inline constexpr Integer kThemedObjectTypeCount = 25;

struct TkdThemeData {
  HTHEME Theme = nullptr;     // null: not open
  std::u16string ClassList;   // the list the handle was opened with; empty when none
};

bool ThemesActive();
// False unless ThemesActive and the library is bound; then every type of the set must open.
bool AreVisualStylesAvailable(ThemedObjectTypes Types);
bool IsThemeTypeAvailable(ThemedObjectType Type);
// The type's cached handle, opened on demand with ClassList (null: the type's own list, else its
// class name); a different list closes the old handle first.  Null when visual styles are not
// usable, the type is not one of the 25 or the open fails.
HTHEME OpenThemeOfType(ThemedObjectType Type, const WideChar* ClassList = nullptr);
// 1 when visual styles are not usable, 0 when the type has no open handle, else the answer of
// CloseThemeData (the handle and the type's list are cleared).
HRESULT CloseThemeOfType(ThemedObjectType Type);
// Closes every open handle; the types keep their lists.
void CloseAllThemeHandles();
// The cache record of a type (tests and diagnostics); the record of type 0 for one out of range.
const TkdThemeData& ThemeDataOfType(ThemedObjectType Type);

// Joins the manager's list when the library is bound (its owner sets OnThemeChanged); leaves it
// when destroyed.
class TkdThemeChangedNotificator {
 public:
  TkdThemeChangedNotificator();
  ~TkdThemeChangedNotificator();
  TkdThemeChangedNotificator(const TkdThemeChangedNotificator&) = delete;
  TkdThemeChangedNotificator& operator=(const TkdThemeChangedNotificator&) = delete;

  Event<void()> OnThemeChanged;
};

// Start-up: when the visual-style library is bound, ThemesActive from IsThemeActive, the
// receiver window and the notificator list.  Shut-down: the receiver (ThemesActive off), every
// handle closed, the list; then the cache's lists.
extern const Unit kdThemeManagerUnit;
