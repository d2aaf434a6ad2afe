// TScrollStyle: which window scroll bars a scrolling control shows (grids, memos).
#pragma once

#include "platform/classes/type_info.h"

PR_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
