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
// and GetCurrentThemeName.  The drawing functions join as the painters that draw through them
// are built; until then they bind null, which callers treat as a missing function.
#pragma once

#include "platform/shims/theme_provider.h"

TThemeProvider& BuiltInThemeProvider();
