// The write-ahead rules of save mode, as seen by the code that changes pages, headers and records.
// Outside save mode (or outside a changing operation) every call succeeds at once and does nothing.
#pragma once

#include "suite/isam/file_block.h"
#include "suite/isam/page_pool.h"

// Journals the before-image of a page about to change (once per operation).
bool WriteAheadJournalPage(IsamFileBlock& fb, const PageBuffer& buffer);
// Journals the header of `section` about to change (once per operation); `chainValue` is the free
// chain's head after the operation took from it, -2 when it took nothing.
bool WriteAheadJournalHeader(IsamFileBlock& fb, Integer section, Integer chainValue = -2);
// Whether a page may be taken from the key's free chain: in save mode one operation takes at most
// one, recorded by the header's chain value (later allocations append new pages, which undo
// releases by restoring the allocated count).
bool WriteAheadMayTakeFromChain(IsamFileBlock& fb, Integer key);
// Must precede every write to the data or index file.
bool WriteAheadBeforeWrite(IsamFileBlock& fb);

// The frame of one changing operation in save mode (no-ops otherwise).
void SaveOperationBegin(IsamFileBlock& fb);
// Success: writes the dirty pages and headers, commits the data and index files, ends the journal.
bool SaveOperationCommit(IsamFileBlock& fb);
// Failure: rolls the operation back and reports `undoneCode` (10180 when the undo fails itself).
void SaveOperationUndo(IsamFileBlock& fb, Integer undoneCode);
