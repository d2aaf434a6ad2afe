// Opening, flushing and closing a Fileblock.
#include <algorithm>

#include "suite/isam/engine_state.h"
#include "suite/isam/isam_engine.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/le_bytes.h"
#include "suite/isam/net_access.h"
#include "suite/isam/page_pool.h"
#include "suite/isam/save_journal.h"
#include "suite/isam/section_io.h"

namespace {
enum class DialogState { Absent, Clean, Valid, NeedsRepair };

struct OpenRequest {
  bool readOnly, stationLess, saveMode, network, netMode, dialogNeeded;
};

// Opens the dialog file, creating it with one byte when it is missing and needed.  Stations that
// race to create it create it once: the others find it existing and open it.
bool OpenDialog(IsamFileBlock& fb, const std::string& name, const OpenRequest& rq, bool& created) {
  created = false;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (fb.dialog.OpenExisting(name, rq.readOnly, rq.netMode)) return true;
    if (IsamErrorCode != isam_error::FileNotFound) return false;
    IsamClearStatus();
    if (!rq.dialogNeeded) return true;
    if (rq.readOnly) return IsamFail(isam_error::DialogUnusable);
    bool existed = false;
    if (!fb.dialog.CreateNew(name, existed)) return false;
    if (existed) continue;
    const Byte zero = 0;
    if (!fb.dialog.WriteAt(0, &zero, 1) || !fb.dialog.Close()) return false;
    created = true;
    return fb.dialog.OpenExisting(name, false, rq.netMode);
  }
  return IsamFail(isam_error::SystemFailure);
}

bool OpenDataAndIndex(IsamFileBlock& fb, const IsamFileNames& names, const OpenRequest& rq) {
  if (!fb.data.OpenExisting(names.data, rq.readOnly, rq.netMode)) return false;
  DataHeader dh;
  Int64 dataSize = 0;
  if (!ReadDataHeader(fb, dh) || !fb.data.Size(dataSize)) return false;
  if (const Integer check = CheckDataHeader(dh, dataSize); check != 0) return IsamFail(check);
  fb.keyCount = dh.keyCount;
  fb.sections.assign(static_cast<size_t>(dh.keyCount) + 1, FileSectionInfo{});
  LoadDataSection(fb.Data(), dh);
  if (dh.keyCount >= 1) {
    // No station locks a range of the index file, so its pages may be read and written through a
    // mapping of the file rather than a system call per page.
    if (!fb.index.OpenExisting(names.index, rq.readOnly, rq.netMode, true)) {
      if (IsamErrorCode != isam_error::TooManyOpenFiles && IsamErrorCode != isam_error::IndexOpenFailed)
        IsamForceError(isam_error::RebuildNeeded);
      return false;
    }
    Integer offset = 0;
    for (Integer k = 1; k <= dh.keyCount; ++k) {
      FileSectionInfo& s = fb.Key(k);
      s.areaOffset = offset;
      KeyHeader kh;
      if (!ReadKeyHeader(fb, k, kh)) return false;
      const Integer check = CheckKeyHeader(kh, s.maxKeyLength);
      if (check != 0) return IsamFail(check);
      if (CheckKeyCounts(kh) != 0) return IsamFail(isam_error::RebuildNeeded);
      LoadKeySection(s, kh);
      offset += kh.pageSize;
      fb.slotsInUse = std::max(fb.slotsInUse, kh.allocated);
    }
    fb.slotSize = offset;
    Int64 indexSize = 0;
    if (!fb.index.Size(indexSize)) return false;
    if (!IndexHoldsPages(fb.slotsInUse, fb.slotSize, indexSize)) return IsamFail(isam_error::RebuildNeeded);
  }
  return dh.openFlag != 1 || IsamFail(isam_error::RebuildNeeded);
}

DialogState JudgeDialog(IsamFileBlock& fb, bool created, const OpenRequest& rq, Int64& size) {
  size = 0;
  if (!fb.dialog.IsOpen()) return DialogState::Absent;
  if (created) return DialogState::Clean;
  if (!fb.dialog.Size(size)) return DialogState::NeedsRepair;
  if (size == 1) return DialogState::Clean;
  Byte head[3];
  if (size < 3 || !fb.dialog.ReadAt(0, head, 3)) {
    IsamClearStatus();
    return DialogState::NeedsRepair;
  }
  const Int64 m = StationSlotSize(fb.keyCount);
  const Int64 j = (size - 3) / m;
  const bool shape = (size - 3) % m == 0 && (rq.netMode ? j > 1 : j == 1);
  return GetWordLE(head + 1) == NetInfo::ValidWord && shape ? DialogState::Valid : DialogState::NeedsRepair;
}

bool Open(IsamFileBlock& fb, const std::string& name, const OpenRequest& rq, bool& createdDialog,
          bool& openingLock) {
  const IsamFileNames names = MakeIsamFileNames(name);
  if (!OpenDialog(fb, names.dialog, rq, createdDialog)) return false;
  if (rq.netMode && !rq.stationLess) {
    if (!NetTakeOpeningLock(fb)) return false;
    openingLock = true;
  }
  if (!OpenDataAndIndex(fb, names, rq)) return false;
  fb.readOnly = rq.readOnly;
  fb.saveMode = rq.saveMode;
  if (rq.saveMode) fb.journal = std::make_unique<SaveJournal>(fb);
  Int64 size = 0;
  const DialogState state = JudgeDialog(fb, createdDialog, rq, size);
  const bool fresh = state == DialogState::Clean || state == DialogState::NeedsRepair;
  if (rq.readOnly && fresh && (rq.dialogNeeded || size > 1)) return IsamFail(isam_error::DialogUnusable);
  if (fresh && rq.netMode && !rq.stationLess && !NetExclusive(fb)) return IsamFail(isam_error::RepairWhileShared);
  if (rq.network) {
    fb.net = std::make_unique<NetInfo>();
    NetInfo& net = *fb.net;
    net.stationLess = rq.stationLess;
    net.slotSize = StationSlotSize(fb.keyCount);
    net.stationCount = static_cast<Word>(IsamEngine().stationCount);
    net.areaLength = net.slotSize * (net.stationCount + 1);
    if (rq.netMode && !rq.stationLess && !NetDrawStation(fb)) return false;
  }
  if (state == DialogState::NeedsRepair) {
    SaveJournal journal(fb);
    if (!journal.Undo()) return false;
  }
  if (rq.network && fresh && fb.dialog.IsOpen() && !rq.readOnly) {
    if (!NetWriteFreshArea(fb)) return false;
    if (rq.saveMode && !IsamNetworkMode() && !fb.dialog.Commit(false)) return false;
  }
  if (openingLock) {
    openingLock = false;
    if (!NetReleaseOpeningLock(fb)) return false;
  }
  if (!rq.dialogNeeded && fb.dialog.IsOpen()) {
    fb.dialog.Close();
    if (!rq.readOnly) IsamCurrentEnv().Delete(names.dialog);
  }
  return true;
}

bool Listed(IsamFileBlock* fb) {
  auto& open = IsamEngine().open;
  return fb && std::find(open.begin(), open.end(), fb) != open.end();
}
}  // namespace

void IsamOpenFileBlock(IsamFileBlock*& fb, const std::string& name, bool readOnly, bool stationLess,
                       bool saveMode, bool network) {
  fb = nullptr;
  if (!IsamEnter(nullptr, 0, true)) return;
  OpenRequest rq{};
  rq.stationLess = stationLess;
  rq.readOnly = readOnly || stationLess;
  rq.saveMode = saveMode && !rq.readOnly;
  rq.network = network;
  rq.netMode = network && IsamNetworkMode();
  rq.dialogNeeded = network ? !stationLess : rq.saveMode;
  auto block = std::make_unique<IsamFileBlock>();
  bool createdDialog = false, openingLock = false;
  if (Open(*block, name, rq, createdDialog, openingLock)) {
    block->validity = IsamFileBlock::ValidMark;
    fb = block.release();
    IsamEngine().open.push_back(fb);
    return;
  }
  if (block->net) IsamReplaceError(isam_error::SystemFailure, isam_error::OpeningLockFailed);
  const std::string dialogName = block->dialog.Name();
  IsamPagePool().DropAll(block.get());
  block->dialog.Close();   // closing releases the opening lock and the presence byte
  block->index.Close();
  block->data.Close();
  if (createdDialog) IsamCurrentEnv().Delete(dialogName);
}

void IsamFlushFileBlock(IsamFileBlock* fb) {
  if (!IsamEnter(fb, 0)) return;
  if (fb->saveMode || fb->readOnly) return;
  const bool network = fb->net && IsamNetworkMode();
  if (network) {
    if (!fb->net->fileBlockLocked) return;
    if (fb->modified && !NetPublish(*fb)) return;
    if (!fb->data.Commit(true)) return;
    if (fb->modified && !fb->dialog.Commit(true)) return;
  } else {
    if (fb->modified && !WriteDirtyPagesAndKeyHeaders(*fb, false)) return;
    if (!WriteDataHeader(*fb, 0) || !fb->data.Commit(false)) return;
  }
  if (fb->keyCount > 0 && fb->modified && !fb->index.Commit(network)) return;
  fb->modified = false;
}

void IsamCloseFileBlock(IsamFileBlock*& fb) {
  IsamClearStatus();
  if (!IsamEngine().started) {
    IsamFail(isam_error::NotStarted);
    return;
  }
  if (!Listed(fb)) {
    IsamFail(isam_error::NotOpen);
    return;
  }
  // The first failure decides the number: unreleased locks keep theirs, anything else is 10160.
  bool anyFailure = false;
  auto failed = [&anyFailure](Integer code) {
    if (!anyFailure) IsamForceError(code);
    anyFailure = true;
  };
  const bool network = fb->net && IsamNetworkMode();
  if (network) {
    if (!NetUnlockAllRecords(*fb)) failed(isam_error::CloseRecordLocked);
    if (!NetUnlockFileBlock(*fb)) failed(isam_error::CloseFileBlockLocked);
  } else if (!fb->saveMode && !fb->readOnly) {
    if (fb->net && !NetUnlockFileBlock(*fb)) failed(isam_error::CloseFailed);
    if (!WriteDirtyPagesAndKeyHeaders(*fb, true) || !WriteDataHeader(*fb, 0)) failed(isam_error::CloseFailed);
  }
  if (fb->net && !NetReleaseStation(*fb)) failed(isam_error::CloseFailed);
  IsamPagePool().DropAll(fb);
  const bool closed = fb->dialog.Close() & fb->index.Close() & fb->data.Close();
  if (!closed) failed(isam_error::CloseFailed);
  auto& open = IsamEngine().open;
  open.erase(std::find(open.begin(), open.end(), fb));
  fb->validity = 0;
  delete fb;
  fb = nullptr;
}
