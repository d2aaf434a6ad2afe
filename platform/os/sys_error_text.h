// SysErrorMessage: the system's English text for a Windows error number, as the class library
// shows it in messages ("The system cannot find the file specified"): no trailing period or line
// break.  Unknown numbers give "System Error.  Code: <n>".
#pragma once

#include <string>

#include "platform/core/types.h"

std::string SysErrorMessage(DWORD errorCode);
