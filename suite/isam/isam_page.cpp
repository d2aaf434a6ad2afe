// Index pages in their disk form: loading with clamping, entry access and in-place changes.
#include "suite/isam/isam_page.h"

#include <algorithm>

void IsamPage::Reset(Integer maxKeyLength) {
  maxKeyLength_ = maxKeyLength;
  entrySize_ = isam_format::EntrySize(maxKeyLength);
  SetCount(0);
  SetLeftChild(0);
  tailsClear_ = true;
}

bool IsamPage::Load(const Byte* in, Integer maxKeyLength, Integer entriesPerPage) {
  maxKeyLength_ = maxKeyLength;
  entrySize_ = isam_format::EntrySize(maxKeyLength);
  bool intact = true;
  Word count = StoredCount(in);
  if (count > entriesPerPage) {
    count = static_cast<Word>(entriesPerPage);
    intact = false;
  }
  if (in != bytes_) std::memcpy(bytes_, in, static_cast<size_t>(DiskSize(count, maxKeyLength)));
  SetCount(count);
  Byte* len = At(1) + 8;
  for (int i = 1; i <= count; ++i, len += entrySize_) {
    if (*len > maxKeyLength) {
      *len = static_cast<Byte>(maxKeyLength);
      intact = false;
    }
  }
  tailsClear_ = false;
  return intact;
}

void IsamPage::ClearTails() {
  if (tailsClear_) return;
  Byte* len = At(1) + 8;
  for (int i = 1; i <= Count(); ++i, len += entrySize_)
    std::memset(len + 1 + *len, 0, static_cast<size_t>(maxKeyLength_ - *len));
  tailsClear_ = true;
}

IsamEntry IsamPage::Entry(int i) const {
  IsamEntry e;
  const Byte* p = At(i);
  e.ref = GetInt32LE(p);
  e.child = GetInt32LE(p + 4);
  std::memcpy(e.text, p + 8, p[8] + 1u);
  return e;
}

void IsamPage::Put(Byte* p, const IsamEntry& entry) const {
  PutInt32LE(p, entry.ref);
  PutInt32LE(p + 4, entry.child);
  const size_t textBytes = static_cast<size_t>(maxKeyLength_) + 1;
  const size_t used = std::min<size_t>(entry.text[0] + 1u, textBytes);
  std::memcpy(p + 8, entry.text, used);
  std::memset(p + 8 + used, 0, textBytes - used);
}

void IsamPage::SetEntry(int i, const IsamEntry& entry) { Put(At(i), entry); }

void IsamPage::SetRefAndText(int i, Integer ref, const Byte* text) {
  IsamEntry e;
  e.ref = ref;
  e.child = Child(i);
  SetEntryText(e, text);
  Put(At(i), e);
}

void IsamPage::InsertAt(int after, const IsamEntry& entry) {
  const int count = Count();
  std::memmove(At(after + 2), At(after + 1), static_cast<size_t>((count - after) * entrySize_));
  Put(At(after + 1), entry);
  SetCount(count + 1);
}

void IsamPage::RemoveAt(int i) {
  const int count = Count();
  std::memmove(At(i), At(i + 1), static_cast<size_t>((count - i) * entrySize_));
  SetCount(count - 1);
}

void IsamPage::CopyEntries(int at, const IsamPage& from, int first, int count) {
  if (count > 0) std::memmove(At(at), from.At(first), static_cast<size_t>(count * entrySize_));
}

void SetEntryText(IsamEntry& entry, const Byte* text) {
  const size_t len = std::min<size_t>(text[0], isam_format::MaxKeyLength);
  entry.text[0] = static_cast<Byte>(len);
  std::memcpy(entry.text + 1, text + 1, len);
}
