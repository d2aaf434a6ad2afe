// ProGrid, the string grid's unit: its start-up registers TProStringGrid with the class registry,
// so that form images can name it, registers the window message "GridEditDone" and reads whether
// the date and time picker editors exist; its finalisation takes the class out again.
#pragma once

#include "platform/core/units.h"
#include "platform/user/user_types.h"

extern const Unit ProGridUnit;

// The registered window message "GridEditDone" that ends an edit (registered on first use).
UINT GridEditDoneMessage();
// The common-controls library reports version 4.70 or later; read at the unit's start-up.  That
// library carries no version here (docs/platform-ui-common-controls.md), so it stays false.
extern bool DatePickerAvailable;
