// The printer's page orientation, shared by the class library's printing and the settings objects
// that keep one.
#pragma once

#include "platform/classes/type_info.h"

PR_ENUM(TPrinterOrientation, poPortrait, poLandscape)
