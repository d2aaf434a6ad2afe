// HInstance: the handle of the program's one module.  Resource calls given it (LoadCursorA,
// LoadBitmapA) look in the program's own resources; the value is the program's usual base address,
// above 32 like every module handle.
#pragma once

#include <cstdint>

#include "platform/user/user_types.h"

inline HINSTANCE const HInstance = reinterpret_cast<HINSTANCE>(std::uintptr_t{0x400000});
