// The optional link to the general-ledger file GLFILE01 (records of 1,248 bytes, keys (10, no)
// (11, no) (21, no)) in the ledger folder that PRINFO.DAT names.  The link is made only when the
// folder holds GLINFO.DAT, GLPCK.DAT and GLFILE01.DAT and all three open for reading; otherwise it
// stays off without a message.  The tool opens and closes the file and never reads its records.
#pragma once

#include <string>

#include "suite/isam/isam_engine.h"

inline constexpr Integer kLedgerRecordSize = 1248;

extern IsamFileBlock* LedgerFile;
// Whether GLFILE01 was opened.
extern bool LedgerOpen;

// Makes the link for `folder` (at most 80 characters are used; an empty folder gives false).  When
// the files are there but GLFILE01 cannot be opened, the wrapper has reported it and the program is
// to end; the result is then false.
bool OpenLedgerLink(const std::string& folder);
// Opens GLFILE01 under `workingName` (folder + "\GLFILE01").
bool OpenLedgerFile(const std::string& workingName);
void CloseLedgerFile();
