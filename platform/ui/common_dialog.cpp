#include "platform/ui/common_dialog.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TCommonDialog) { p.Property("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext).Default(0); }
