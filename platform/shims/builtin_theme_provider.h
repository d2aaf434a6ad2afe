// The built-in theme provider: this platform's own visual style, served as the visual-style
// library when the setting PR_THEME_PROVIDER is "builtin" (theme_provider.h), so that the themed
// branches of the system's drawing run on this platform too.
//
// The theme is active for every application; its file is "Builtin.msstyles" with the colour
// variant "NormalColor" and the size "NormalSize".  It opens the window classes it draws,
// "Button", "Header", "ListView", "ScrollBar", "Window", "Progress" and "ComboBox" (ignoring case);
// a class list ("Edit;Window") opens its first known class, one theme handle per class; every
// other class does not open, so its callers take their classic look.  It exports every function
// of kThemeFunctionNames but DrawThemeTextEx, GetThemePropertyOrigin and the buffered painting:
// - the theme: OpenThemeData (remembered as the window's theme, GetWindowTheme), CloseThemeData,
//   IsThemeActive, IsAppThemed, GetCurrentThemeName, EnableTheming (off: inactive, nothing opens),
//   SetWindowTheme (two empty texts switch one window's theming off, two nulls back on),
//   Get/SetThemeAppProperties, EnableThemeDialogTexture and IsThemeDialogTextureEnabled;
// - the parts of builtin_theme_parts.h: DrawThemeBackground, DrawThemeText, DrawThemeEdge (the
//   classic edge), DrawThemeIcon (the image list's image), GetThemeBackgroundContentRect,
//   GetThemeBackgroundExtent, GetThemeMargins (content margins 3602 only), GetThemePartSize,
//   GetThemeBackgroundRegion (the rectangle), HitTestThemeBackground, IsThemePartDefined,
//   IsThemeBackgroundPartiallyTransparent, GetThemeColor, GetThemeTextExtent, GetThemeTextMetrics;
// - the system's own values: GetThemeSysColor, GetThemeSysColorBrush, GetThemeSysSize,
//   GetThemeSysFont (the non-client fonts 801 .. 805), GetThemeSysBool (false);
// - DrawThemeParentBackground, which has a child window's parent erase and paint its client area
//   (WM_ERASEBKGND, then WM_PRINTCLIENT with PRF_CLIENT) into the child's context under the
//   rectangle (all of it for null), shifted to the child's place, and answers E_FAIL for a window
//   that is not a child.
// The style defines no other properties: GetThemeMetric, GetThemeString, GetThemeBool,
// GetThemeInt, GetThemeEnumValue, GetThemePosition, GetThemeFont, GetThemeRect, GetThemeIntList,
// GetThemeFilename, GetThemeSysString, GetThemeSysInt and GetThemeDocumentationProperty answer
// "not found" (0x80070490).
#pragma once

#include "platform/shims/theme_provider.h"

TThemeProvider& BuiltInThemeProvider();
