#include "controls/interim/kx_button.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxButton)
