// The built-in theme provider: this platform's own visual style, served as the visual-style
// library when the setting PR_THEME_PROVIDER is "builtin" (theme_provider.h), so that the themed
// branches of the system's drawing run on this platform too.
//
// The theme is active for every application; its file is "Builtin.msstyles" with the colour
// variant "NormalColor" and the size "NormalSize".  It knows the window classes "Button",
// "Clock", "ComboBox", "Edit", "ExplorerBar", "Header", "ListBox", "ListView", "Menu", "Page",
// "Progress", "Rebar", "ScrollBar", "Spin", "StartPanel", "Status", "Tab", "TaskBand", "TaskBar",
// "ToolBar", "ToolTip", "TrackBar", "TrayNotify", "TreeView" and "Window" (ignoring case); a class
// list ("Edit;Window") opens its first known class, one theme handle per class.  It exports the
// functions that answer these facts: OpenThemeData, CloseThemeData, IsThemeActive, IsAppThemed
// and GetCurrentThemeName, and DrawThemeParentBackground, which has a child window's parent
// erase and paint its client area (WM_ERASEBKGND, then WM_PRINTCLIENT with PRF_CLIENT) into the
// child's context under the rectangle (all of it for null), shifted to the child's place, and
// answers E_FAIL for a window that is not a child.  The other drawing functions join as the
// painters that draw through them are built; until then they bind null, which callers treat as a
// missing function.
#pragma once

#include "platform/shims/theme_provider.h"

TThemeProvider& BuiltInThemeProvider();
