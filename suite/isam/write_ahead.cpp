// Save-mode write-ahead rules and the frame of a changing operation.
#include "suite/isam/write_ahead.h"

#include "suite/isam/engine_state.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"
#include "suite/isam/save_journal.h"
#include "suite/isam/section_io.h"
#include "suite/isam/test_point.h"

namespace {
SaveJournal* ActiveJournal(IsamFileBlock& fb) {
  return fb.saveMode && fb.journal && fb.journal->Active() ? fb.journal.get() : nullptr;
}
}  // namespace

bool WriteAheadJournalPage(IsamFileBlock& fb, const PageBuffer& buffer) {
  SaveJournal* j = ActiveJournal(fb);
  return !j || j->JournalPage(buffer);
}

bool WriteAheadJournalHeader(IsamFileBlock& fb, Integer section, Integer chainValue) {
  SaveJournal* j = ActiveJournal(fb);
  return !j || j->JournalHeader(section, chainValue);
}

bool WriteAheadMayTakeFromChain(IsamFileBlock& fb, Integer key) {
  SaveJournal* j = ActiveJournal(fb);
  return !j || !j->HeaderJournaled(key);
}

bool WriteAheadBeforeWrite(IsamFileBlock& fb) {
  SaveJournal* j = ActiveJournal(fb);
  return !j || j->Sync();
}

void SaveOperationBegin(IsamFileBlock& fb) {
  if (fb.saveMode && fb.journal) fb.journal->Begin();
}

bool SaveOperationCommit(IsamFileBlock& fb) {
  if (!ActiveJournal(fb)) return true;
  const bool network = fb.net && IsamNetworkMode();
  if (!WriteDirtyPagesAndKeyHeaders(fb, false)) return false;
  if (fb.Data().dirty && !WriteDataHeader(fb, 0)) return false;
  if (!fb.data.Commit(network)) return false;
  if (fb.keyCount > 0 && !fb.index.Commit(network)) return false;
  IsamTestPoint(IsamPoint::CommitBeforeJournalEnd);
  return fb.journal->End();
}

void SaveOperationUndo(IsamFileBlock& fb, Integer undoneCode) {
  if (!ActiveJournal(fb)) return;
  IsamForceError(fb.journal->Undo() ? undoneCode : isam_error::UndoFailed);
}
