// Packing and expanding index pages.
#include "suite/isam/isam_page.h"

#include <algorithm>

#include "suite/isam/le_bytes.h"

void IsamPage::Pack(Byte* out, Integer maxKeyLength) const {
  PutWordLE(out, count);
  PutInt32LE(out + 2, leftChild);
  Byte* p = out + isam_format::PageHeadSize;
  const size_t textBytes = static_cast<size_t>(maxKeyLength) + 1;
  for (int i = 1; i <= count; ++i, p += isam_format::EntrySize(maxKeyLength)) {
    PutInt32LE(p, entries[i].ref);
    PutInt32LE(p + 4, entries[i].child);
    const size_t used = std::min<size_t>(entries[i].text[0] + 1u, textBytes);
    std::memcpy(p + 8, entries[i].text, used);
    std::memset(p + 8 + used, 0, textBytes - used);
  }
}

Word IsamPage::StoredCount(const Byte* in) { return GetWordLE(in); }

bool IsamPage::Expand(const Byte* in, Integer maxKeyLength, Integer entriesPerPage) {
  bool intact = true;
  count = StoredCount(in);
  if (count > entriesPerPage) {
    count = static_cast<Word>(entriesPerPage);
    intact = false;
  }
  leftChild = GetInt32LE(in + 2);
  const Byte* p = in + isam_format::PageHeadSize;
  for (int i = 1; i <= count; ++i, p += isam_format::EntrySize(maxKeyLength)) {
    IsamEntry& e = entries[i];
    e.ref = GetInt32LE(p);
    e.child = GetInt32LE(p + 4);
    Byte len = p[8];
    if (len > maxKeyLength) {
      len = static_cast<Byte>(maxKeyLength);
      intact = false;
    }
    e.text[0] = len;
    std::memcpy(e.text + 1, p + 9, len);
    std::memset(e.text + 1 + len, 0, sizeof e.text - 1 - len);
  }
  return intact;
}

void SetEntryText(IsamEntry& entry, const Byte* text) {
  const size_t len = std::min<size_t>(text[0], isam_format::MaxKeyLength);
  entry.text[0] = static_cast<Byte>(len);
  std::memcpy(entry.text + 1, text + 1, len);
  std::memset(entry.text + 1 + len, 0, sizeof entry.text - 1 - len);
}
