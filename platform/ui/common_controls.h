// The version of the common-controls library as the class library reports it.  The platform has
// no such library and answers 0 ("no version information"), so code that needs 4.70 or later
// (ComCtlVersionIE4), such as the date and time picker, takes its defined path for an older
// system (docs/platform-ui-common-controls.md).
#pragma once

#include "platform/user/user_types.h"

inline constexpr DWORD ComCtlVersionIE3 = 0x00040000, ComCtlVersionIE4 = 0x00040046,
                       ComCtlVersionIE401 = 0x00040047, ComCtlVersionIE5 = 0x00050050;

// Major version in the high word, minor in the low word; 0 when there is no library.
DWORD GetComCtlVersion();
