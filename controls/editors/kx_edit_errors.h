// The editor framework's base exception: every error an editor or one of its engines raises on
// purpose derives from EkxEditError.
#pragma once

#include "platform/core/exceptions.h"

PR_DECLARE_EXCEPTION(EkxEditError, Exception);
