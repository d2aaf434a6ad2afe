// Binding windows to controls: the window classes controls register, the procedure that binds a
// new window to the control being created, and finding a window's control.
//
// A control's window class is registered under the control's class name (or the name its
// CreateParams gives) with InitWndProc as its procedure; re-registered when it was registered
// with another procedure.  The first message of a new window (WM_NCCREATE or earlier) reaches
// InitWndProc, which binds the window to the control CreationControl names and installs the
// control's own window procedure, so that every later message goes to the control.  A bound
// window carries the control in its "ControlOfs" property until WM_NCDESTROY.
#pragma once

#include <string>

#include "platform/user/user_types.h"

class TWinControl;

void RegisterControlClass(const std::string& ClassName, WNDCLASSEXA WindowClass);
// The control whose window CreateWnd is creating (interface thread only).
TWinControl*& CreationControl();
LRESULT InitWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

void BindControl(HWND Window, TWinControl* Control);
void UnbindControl(HWND Window);
// The child window of Parent whose GWLP_ID is Id, or nullptr.
HWND ChildWithId(HWND Parent, UINT Id);
