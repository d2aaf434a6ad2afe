#include "controls/interim/kx_radio_button.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxRadioButton)
