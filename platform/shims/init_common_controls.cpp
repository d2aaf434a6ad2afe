#include "platform/shims/init_common_controls.h"

void InitCommonControls() {}
