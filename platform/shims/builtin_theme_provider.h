// The built-in theme provider: this platform's own visual style, served as the visual-style
// library when the setting PR_THEME_PROVIDER is "builtin" (theme_provider.h), so that the themed
// branches of the system's drawing run on this platform too.
//
// The theme is active for every application; its file is "Builtin.msstyles" with the colour
// variant "NormalColor" and the size "NormalSize".  It opens the window classes it draws,
// "Button", "Header", "ListView", "ScrollBar" and "Window" (ignoring case); a class list
// ("Edit;Window") opens its first known class, one theme handle per class; every other class does
// not open, so its callers take their classic look.  It exports OpenThemeData, CloseThemeData,
// IsThemeActive, IsAppThemed and GetCurrentThemeName; DrawThemeParentBackground, which has a child
// window's parent erase and paint its client area (WM_ERASEBKGND, then WM_PRINTCLIENT with
// PRF_CLIENT) into the child's context under the rectangle (all of it for null), shifted to the
// child's place, and answers E_FAIL for a window that is not a child; and DrawThemeBackground,
// DrawThemeText, GetThemeBackgroundContentRect, GetThemePartSize,
// IsThemeBackgroundPartiallyTransparent and GetThemeColor over the parts of
// builtin_theme_parts.h.  The other functions bind null, which callers treat as missing.
#pragma once

#include "platform/shims/theme_provider.h"

TThemeProvider& BuiltInThemeProvider();
