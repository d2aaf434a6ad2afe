// Small types shared by the string lists and the thread list.
#pragma once

#include "platform/classes/type_info.h"

PR_ENUM(TDuplicates, dupIgnore, dupAccept, dupError)
