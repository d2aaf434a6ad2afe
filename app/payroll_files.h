// Opening everything the payroll tool works with at start-up, and writing back and closing at the
// end, in the company folder (the current folder).
//
// Start-up order: PRINFO.DAT, PRDEPT.DAT, PRACCNO.DAT, MESSAGE.BOX, PRFILE01, PRFILE03, PRFILE02,
// the default tax record and its upgrade, the bank list, TITLE.COD, then the general-ledger link.
// Start-up stops at the first step that fails or after which the program is to end
// (program_end.h): nothing further is opened, created or written.
// Closing writes back PRINFO.DAT, PRDEPT.DAT and PRACCNO.DAT from their current contents with this
// run's own changes, each only when that changes it, after the period check (a changed period stops
// fatally before anything is written); then the record files are closed.
#pragma once

// True when every step succeeded.
bool OpenPayrollFiles();
void ClosePayrollFiles();
