#include "controls/foundation/kx_interfaced_persistent.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxInterfacedPersistent)
