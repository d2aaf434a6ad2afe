#include "controls/interim/kx_check_box.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxCheckBox)
