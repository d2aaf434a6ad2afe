#include "platform/ui/common_controls.h"

DWORD GetComCtlVersion() { return 0; }
