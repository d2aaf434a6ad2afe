// Finding, inserting, removing and stepping through keys.
#include <algorithm>
#include <cstring>

#include "suite/isam/btree.h"
#include "suite/isam/engine_state.h"
#include "suite/isam/isam_engine.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/write_ahead.h"

namespace {
// A key text as the engine stores it: length byte and at most 100 characters.
struct KeyText {
  Byte bytes[isam_format::MaxKeyLength + 1];
  explicit KeyText(const std::string& s) {
    const size_t n = std::min<size_t>(s.size(), isam_format::MaxKeyLength);
    bytes[0] = static_cast<Byte>(n);
    std::memcpy(bytes + 1, s.data(), n);
  }
};

Integer KeyNeeds(Integer keyNo, Integer needs) {
  return needs | isam_need::KeyNumber | (keyNo >= 1 && keyNo <= 255 ? keyNo : 0);
}

// Runs a changing key operation in save mode's frame; `missingCode` reports a plain miss.
void ChangeKey(IsamFileBlock* fb, Integer keyNo, BTreeResult (BTree::*op)(const KeyArg&), const KeyArg& arg,
               Integer missingCode, Integer undoneCode) {
  if (!IsamMarkModified(*fb)) return;
  SaveOperationBegin(*fb);
  BTree tree(*fb, keyNo);
  const BTreeResult r = (tree.*op)(arg);
  if (r == BTreeResult::Failed) return SaveOperationUndo(*fb, undoneCode);
  if (!SaveOperationCommit(*fb)) return SaveOperationUndo(*fb, undoneCode);
  if (r == BTreeResult::Missing) IsamFail(missingCode);
}
}  // namespace

void IsamFindKey(IsamFileBlock* fb, Integer keyNo, Integer& ref, const std::string& key) {
  ref = 0;
  if (IsamEnter(fb, KeyNeeds(keyNo, isam_need::UpToDate))) {
    const KeyText text(key);
    BTree tree(*fb, keyNo);
    const KeyArg arg{text.bytes, 0};
    BTreeResult r = tree.Find(arg, ref);
    if (r == BTreeResult::Missing && fb->Key(keyNo).duplicates) {
      Byte found[isam_format::MaxKeyLength + 1];
      Integer foundRef = 0;
      r = tree.Next(arg, foundRef, found);
      if (r == BTreeResult::Done && CompareKeyTexts(found, text.bytes) == 0) ref = foundRef;
      else if (r != BTreeResult::Failed) r = BTreeResult::Missing;
    }
    if (r == BTreeResult::Missing || (!IsamLastOK && IsamErrorCode >= 10200 && IsamErrorCode <= 10299)) {
      ref = 0;
      IsamForceError(isam_error::KeyNotFound);
    }
  }
  IsamLeave(fb);
}

void IsamInsertKey(IsamFileBlock* fb, Integer keyNo, Integer ref, const std::string& key) {
  if (IsamEnter(fb, KeyNeeds(keyNo, isam_need::Write | isam_need::FileBlockLock))) {
    const KeyText text(key);
    if (text.bytes[0] > fb->Key(keyNo).maxKeyLength)
      IsamFail(isam_error::KeyTooLong);
    else
      ChangeKey(fb, keyNo, &BTree::Insert, KeyArg{text.bytes, ref}, isam_error::KeyExists,
                isam_error::SaveInsertFailed);
  }
  IsamLeave(fb);
}

void IsamRemoveKey(IsamFileBlock* fb, Integer keyNo, Integer ref, const std::string& key) {
  if (IsamEnter(fb, KeyNeeds(keyNo, isam_need::Write | isam_need::FileBlockLock))) {
    const KeyText text(key);
    ChangeKey(fb, keyNo, &BTree::Remove, KeyArg{text.bytes, ref}, isam_error::RemoveNotFound,
              isam_error::SaveRemoveFailed);
  }
  IsamLeave(fb);
}

void IsamNextKey(IsamFileBlock* fb, Integer keyNo, Integer& ref, std::string& key) {
  if (IsamEnter(fb, KeyNeeds(keyNo, isam_need::UpToDate))) {
    const KeyText text(key);
    Byte found[isam_format::MaxKeyLength + 1];
    Integer foundRef = 0;
    BTree tree(*fb, keyNo);
    if (tree.Next(KeyArg{text.bytes, ref}, foundRef, found) == BTreeResult::Done) {
      ref = foundRef;
      key.assign(reinterpret_cast<const char*>(found + 1), found[0]);
    }
  }
  IsamLeave(fb);
}

void IsamClearKey(IsamFileBlock* fb, Integer keyNo) {
  if (IsamEnter(fb, KeyNeeds(keyNo, 0))) {
    SearchPath& path = fb->Key(keyNo).path;
    path.depth = 0;
    path.valid = true;
  }
  IsamLeave(fb);
}
