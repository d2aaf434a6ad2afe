// The English texts of the engine's error numbers, as the suite shows them next to the number.
#pragma once

#include <string>

#include "platform/core/types.h"

// The text of error `n`; 9500..9899 are system errors ("DOS error code <n - 9500>"); numbers
// without a text (among them 10451) give "".
std::string IsamErrorText(Integer n);
