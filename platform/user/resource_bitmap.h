// Bitmaps from the program's resources (LoadBitmapA).
//
// A bitmap resource is a BMP file embedded as type RT_BITMAP ("BITMAP",
// platform/os/embedded_resources.h) under its name ("KDEXPANDBUTTON_PLUS"); an integer name n
// (MAKEINTRESOURCE) is looked up as "#n".  Each call makes a new display-format (32-bit) device
// bitmap of the picture, which the caller deletes with DeleteObject.  The module handle is not
// used: every resource belongs to the one program.
#pragma once

#include "platform/user/user_types.h"

// nullptr, with ERROR_RESOURCE_NAME_NOT_FOUND when there is no such resource and
// ERROR_RESOURCE_DATA_NOT_FOUND when its bytes are not a BMP file.
HBITMAP LoadBitmapA(HINSTANCE instance, const char* name);
