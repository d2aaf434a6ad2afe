// The exceptions of the graphics objects, with the class library's names.
#pragma once

#include "platform/core/exceptions.h"

PR_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
PR_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception);
