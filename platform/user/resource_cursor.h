// Cursors made of pictures: the program's own cursor resources and CreateCursor.
//
// A cursor resource is a whole cursor file embedded as type RT_CURSOR ("CURSOR",
// platform/os/embedded_resources.h) under its name ("KX_DRAGCOPYCURSOR"); an integer name n
// (MAKEINTRESOURCE) is looked up as "#n".  LoadCursorA with a module handle loads the image that
// best fits SM_CXCURSOR x SM_CYCURSOR into a drawing-layer cursor (an icon object with fIcon FALSE
// and the file's hot spot; 32-bit colour with alpha, 0 where the file's mask is set, and the mask).
// Loaded cursors are shared: the same name gives the same handle for the life of the process and
// DestroyCursor leaves them alone.  CreateCursor makes an unshared monochrome cursor from AND and
// XOR planes (rows padded to 16 bits) that DestroyCursor frees.
#pragma once

#include <string_view>

#include "platform/user/user_types.h"

HCURSOR CreateCursor(HINSTANCE instance, int xHotSpot, int yHotSpot, int width, int height, const void* andPlane,
                     const void* xorPlane);
BOOL DestroyCursor(HCURSOR cursor);

namespace user {

// The resource cursor of that name (an integer name as "#n"); nullptr, with
// ERROR_RESOURCE_NAME_NOT_FOUND when there is no such resource and ERROR_RESOURCE_DATA_NOT_FOUND
// when its bytes are not a cursor file.
HCURSOR LoadResourceCursor(const char* name);

}  // namespace user
