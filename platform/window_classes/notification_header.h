// The record every WM_NOTIFY starts with: the window that sends it, its identifier and the
// notification code.  Controls extend it with their own fields after it.
#pragma once

#include "platform/user/user_types.h"

struct NMHDR {
  HWND hwndFrom;
  UINT_PTR idFrom;
  UINT code;
};
