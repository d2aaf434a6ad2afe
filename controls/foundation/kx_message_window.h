// TkxMessageWindow: a hidden window (AllocateHWnd) whose messages go to the object's overridable
// WndProc (the base answers with DefWindowProc), and the control library's shared one, which
// child-style popups take as their parent window.
#pragma once

#include "platform/ui/message.h"
#include "platform/user/user_types.h"

class TkxMessageWindow {
 public:
  TkxMessageWindow();
  virtual ~TkxMessageWindow();
  TkxMessageWindow(const TkxMessageWindow&) = delete;
  TkxMessageWindow& operator=(const TkxMessageWindow&) = delete;

  HWND Handle() const { return handle_; }

 protected:
  virtual void WndProc(TMessage& Message);

 private:
  HWND handle_;
};

// Made on first call; none once the unit's shut-down has begun.
TkxMessageWindow* GetLibraryMessageWindow();
// The unit's shut-down.
void FreeLibraryMessageWindow();
