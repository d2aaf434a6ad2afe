// Creating a record file: the data file with its header and, with keys, the index file with slot 0.
#include <vector>

#include "suite/isam/engine_state.h"
#include "suite/isam/isam_engine.h"
#include "suite/isam/isam_errors.h"

namespace {
bool WriteDataFile(const IsamFileNames& names, Integer recordLength, Word keyCount) {
  IsamFile data;
  if (!data.Create(names.data)) return false;
  DataHeader h;
  h.recordLength = recordLength;
  h.keyCount = static_cast<Byte>(keyCount);
  std::vector<Byte> record0(static_cast<size_t>(recordLength), 0);
  h.Encode(record0.data());
  return data.WriteAt(0, record0.data(), static_cast<DWORD>(recordLength)) && data.Close();
}

bool WriteIndexFile(const IsamFileNames& names, Word keyCount, const KeyTableEntry* keys) {
  std::vector<Byte> slot0;
  for (Word k = 0; k < keyCount; ++k) {
    const Integer l = keys[k].KeyLength;
    if (l == 0 || l > isam_format::MaxKeyLength) return IsamFail(isam_error::BadKeyLengthCreate);
    KeyHeader h;
    h.pageSize = isam_format::PageSize(l);
    h.duplicates = keys[k].AllowDups != 0;
    const size_t at = slot0.size();
    slot0.resize(at + static_cast<size_t>(h.pageSize), 0);
    h.Encode(slot0.data() + at);
  }
  IsamFile index;
  return index.Create(names.index) && index.WriteAt(0, slot0.data(), static_cast<DWORD>(slot0.size())) &&
         index.Close();
}
}  // namespace

void IsamCreateFileBlock(const std::string& name, Integer recordLength, Word keyCount,
                         const KeyTableEntry* keys) {
  if (!IsamEnter(nullptr, 0, true)) return;
  if (recordLength < isam_format::MinRecordLength) IsamFail(isam_error::RecordTooShort);
  if (keyCount > isam_format::MaxKeys) IsamForceError(isam_error::TooManyKeysCreate);
  if (!IsamLastOK) return;
  const IsamFileNames names = MakeIsamFileNames(name);
  for (const std::string* f : {&names.index, &names.dialog, &names.data}) IsamCurrentEnv().Delete(*f);
  if (!WriteDataFile(names, recordLength, keyCount)) {
    IsamCurrentEnv().Delete(names.data);
    return;
  }
  if (keyCount > 0 && !WriteIndexFile(names, keyCount, keys)) {
    IsamCurrentEnv().Delete(names.index);
    IsamCurrentEnv().Delete(names.data);
  }
}
