// Window and class styles, SetWindowPos / ShowWindow / RedrawWindow / GetDCEx flags, the special
// handles and the indexes of GetWindowLong, GetClassLong and GetWindow, with the platform's values.
#pragma once

#include "platform/user/user_types.h"

inline constexpr DWORD WS_OVERLAPPED = 0x00000000, WS_POPUP = 0x80000000, WS_CHILD = 0x40000000,
                       WS_MINIMIZE = 0x20000000, WS_VISIBLE = 0x10000000, WS_DISABLED = 0x08000000,
                       WS_CLIPSIBLINGS = 0x04000000, WS_CLIPCHILDREN = 0x02000000, WS_MAXIMIZE = 0x01000000,
                       WS_BORDER = 0x00800000, WS_DLGFRAME = 0x00400000, WS_CAPTION = 0x00C00000,
                       WS_VSCROLL = 0x00200000, WS_HSCROLL = 0x00100000, WS_SYSMENU = 0x00080000,
                       WS_THICKFRAME = 0x00040000, WS_SIZEBOX = 0x00040000, WS_GROUP = 0x00020000,
                       WS_TABSTOP = 0x00010000, WS_MINIMIZEBOX = 0x00020000, WS_MAXIMIZEBOX = 0x00010000,
                       WS_OVERLAPPEDWINDOW = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                             WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                       WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU, WS_CHILDWINDOW = WS_CHILD;

inline constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001, WS_EX_NOPARENTNOTIFY = 0x00000004,
                       WS_EX_TOPMOST = 0x00000008, WS_EX_ACCEPTFILES = 0x00000010,
                       WS_EX_TRANSPARENT = 0x00000020, WS_EX_MDICHILD = 0x00000040,
                       WS_EX_TOOLWINDOW = 0x00000080, WS_EX_WINDOWEDGE = 0x00000100,
                       WS_EX_CLIENTEDGE = 0x00000200, WS_EX_CONTEXTHELP = 0x00000400,
                       WS_EX_RIGHT = 0x00001000, WS_EX_RTLREADING = 0x00002000,
                       WS_EX_LEFTSCROLLBAR = 0x00004000, WS_EX_CONTROLPARENT = 0x00010000,
                       WS_EX_STATICEDGE = 0x00020000, WS_EX_APPWINDOW = 0x00040000,
                       WS_EX_LAYERED = 0x00080000, WS_EX_NOINHERITLAYOUT = 0x00100000,
                       WS_EX_LAYOUTRTL = 0x00400000, WS_EX_COMPOSITED = 0x02000000,
                       WS_EX_NOACTIVATE = 0x08000000,
                       WS_EX_OVERLAPPEDWINDOW = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE,
                       WS_EX_PALETTEWINDOW = WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

// Class styles.  CS_SAVEBITS and CS_DROPSHADOW are accepted and kept; every top-level window owns a
// whole surface, so nothing behind a popup needs saving, and popups are drawn without a shadow.
inline constexpr UINT CS_VREDRAW = 0x0001, CS_HREDRAW = 0x0002, CS_DBLCLKS = 0x0008, CS_OWNDC = 0x0020,
                      CS_CLASSDC = 0x0040, CS_PARENTDC = 0x0080, CS_NOCLOSE = 0x0200, CS_SAVEBITS = 0x0800,
                      CS_BYTEALIGNCLIENT = 0x1000, CS_BYTEALIGNWINDOW = 0x2000, CS_GLOBALCLASS = 0x4000,
                      CS_DROPSHADOW = 0x00020000;

inline constexpr int CW_USEDEFAULT = int(0x80000000);

inline constexpr UINT SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004,
                      SWP_NOREDRAW = 0x0008, SWP_NOACTIVATE = 0x0010, SWP_FRAMECHANGED = 0x0020,
                      SWP_DRAWFRAME = 0x0020, SWP_SHOWWINDOW = 0x0040, SWP_HIDEWINDOW = 0x0080,
                      SWP_NOCOPYBITS = 0x0100, SWP_NOOWNERZORDER = 0x0200, SWP_NOREPOSITION = 0x0200,
                      SWP_NOSENDCHANGING = 0x0400, SWP_DEFERERASE = 0x2000, SWP_ASYNCWINDOWPOS = 0x4000;

inline const HWND HWND_TOP = reinterpret_cast<HWND>(0);
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(1);
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(-1);
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(-2);
inline const HWND HWND_MESSAGE = reinterpret_cast<HWND>(-3);
inline const HWND HWND_BROADCAST = reinterpret_cast<HWND>(0xFFFF);

inline constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_NORMAL = 1, SW_SHOWMINIMIZED = 2,
                     SW_SHOWMAXIMIZED = 3, SW_MAXIMIZE = 3, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5,
                     SW_MINIMIZE = 6, SW_SHOWMINNOACTIVE = 7, SW_SHOWNA = 8, SW_RESTORE = 9,
                     SW_SHOWDEFAULT = 10, SW_FORCEMINIMIZE = 11;

inline constexpr UINT GW_HWNDFIRST = 0, GW_HWNDLAST = 1, GW_HWNDNEXT = 2, GW_HWNDPREV = 3, GW_OWNER = 4,
                      GW_CHILD = 5, GW_ENABLEDPOPUP = 6;
inline constexpr UINT GA_PARENT = 1, GA_ROOT = 2, GA_ROOTOWNER = 3;

inline constexpr int GWL_WNDPROC = -4, GWL_HINSTANCE = -6, GWL_HWNDPARENT = -8, GWL_ID = -12,
                     GWL_STYLE = -16, GWL_EXSTYLE = -20, GWL_USERDATA = -21;
inline constexpr int GWLP_WNDPROC = -4, GWLP_HINSTANCE = -6, GWLP_HWNDPARENT = -8, GWLP_ID = -12,
                     GWLP_USERDATA = -21;
inline constexpr int GCL_MENUNAME = -8, GCL_HBRBACKGROUND = -10, GCL_HCURSOR = -12, GCL_HICON = -14,
                     GCL_HMODULE = -16, GCL_CBWNDEXTRA = -18, GCL_CBCLSEXTRA = -20, GCL_WNDPROC = -24,
                     GCL_STYLE = -26, GCW_ATOM = -32, GCL_HICONSM = -34;
inline constexpr int GCLP_MENUNAME = -8, GCLP_HBRBACKGROUND = -10, GCLP_HCURSOR = -12, GCLP_HICON = -14,
                     GCLP_HMODULE = -16, GCLP_WNDPROC = -24, GCLP_HICONSM = -34;

inline constexpr UINT CWP_ALL = 0x0000, CWP_SKIPINVISIBLE = 0x0001, CWP_SKIPDISABLED = 0x0002,
                      CWP_SKIPTRANSPARENT = 0x0004;

inline constexpr UINT RDW_INVALIDATE = 0x0001, RDW_INTERNALPAINT = 0x0002, RDW_ERASE = 0x0004,
                      RDW_VALIDATE = 0x0008, RDW_NOINTERNALPAINT = 0x0010, RDW_NOERASE = 0x0020,
                      RDW_NOCHILDREN = 0x0040, RDW_ALLCHILDREN = 0x0080, RDW_UPDATENOW = 0x0100,
                      RDW_ERASENOW = 0x0200, RDW_FRAME = 0x0400, RDW_NOFRAME = 0x0800;

inline constexpr DWORD DCX_WINDOW = 0x00000001, DCX_CACHE = 0x00000002, DCX_NORESETATTRS = 0x00000004,
                       DCX_CLIPCHILDREN = 0x00000008, DCX_CLIPSIBLINGS = 0x00000010,
                       DCX_PARENTCLIP = 0x00000020, DCX_EXCLUDERGN = 0x00000040,
                       DCX_INTERSECTRGN = 0x00000080, DCX_EXCLUDEUPDATE = 0x00000100,
                       DCX_INTERSECTUPDATE = 0x00000200, DCX_LOCKWINDOWUPDATE = 0x00000400,
                       DCX_VALIDATE = 0x00200000;
