// ProGrid, the string grid's unit.  Its start-up, in this order: sets OLE up for the thread (a
// result other than S_OK or S_FALSE fails an assertion), registers TProStringGrid with the class
// registry so that form images can name it, reads whether the date and time picker editors exist,
// and registers the clipboard format "TProStringGrid Cells" and the window message "GridEditDone".
// Its finalisation takes the class out again and matches the OLE set-up with its shut-down.
#pragma once

#include "platform/core/units.h"
#include "platform/shims/ole_types.h"
#include "platform/user/user_types.h"

extern const Unit ProGridUnit;

// The registered window message "GridEditDone" that ends an edit (registered on first use).
UINT GridEditDoneMessage();
// The registered private clipboard format "TProStringGrid Cells" (registered on first use).
UINT GridCellsClipboardFormat();
// The common-controls library reports version 4.70 or later; read at the unit's start-up.  That
// library carries no version here (docs/platform-ui-common-controls.md), so it stays false.
extern bool DatePickerAvailable;

// Stops the start-up unless OLE answered S_OK or S_FALSE: EAssertionFailed "OleInitialize failed
// ($<result in hexadecimal>)".
void CheckOleStarted(HRESULT result);
