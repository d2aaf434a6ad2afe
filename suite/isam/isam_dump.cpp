// The isam tool's dump: data header, key headers, every index page, the dialog file's size.
#include "suite/isam/isam_dump.h"

#include <algorithm>
#include <vector>

#include "platform/core/cp874.h"
#include "suite/isam/isam_format.h"
#include "suite/isam/isam_page.h"
#include "suite/isam/offline_file.h"

namespace {
struct KeyLayout {
  KeyHeader header;
  Integer maxKeyLength = 0;
  Integer areaOffset = 0;
};

// The stored count, then the entries as the engine reads them (at most E, texts cut at L).
void DumpPage(std::ostream& out, const Byte* stored, const KeyLayout& key) {
  IsamPage page;
  page.Load(stored, key.maxKeyLength, key.header.entriesPerPage);
  out << " n=" << IsamPage::StoredCount(stored) << " left=" << page.LeftChild() << "\n";
  for (int i = 1; i <= page.Count(); ++i) {
    const Byte* text = page.Text(i);
    const std::string chars(reinterpret_cast<const char*>(text + 1), text[0]);
    out << "    [" << i << "] \"" << Cp874ToUtf8(chars) << "\" ref=" << page.Ref(i) << " right=" << page.Child(i)
        << "\n";
  }
}

// The key headers in slot 0, up to the first that fails its check: the areas of the keys after it
// cannot be located.  False when every header passed.
bool DumpKeyHeaders(OfflineFile& ix, Integer keyCount, std::vector<KeyLayout>& keys, std::ostream& out) {
  Integer offset = 0;
  for (Integer k = 1; k <= keyCount; ++k) {
    Byte bytes[isam_format::KeyHeaderSize];
    if (!ix.Read(offset, bytes, sizeof bytes)) {
      out << "key " << k << " at " << offset << ": beyond the end of the index file\n";
      return false;
    }
    KeyLayout key{KeyHeader::Decode(bytes), 0, offset};
    const KeyHeader& h = key.header;
    const Integer check = CheckKeyHeader(h, key.maxKeyLength);
    out << "key " << k << " at " << offset << ": free head " << h.freeHead << ", free " << h.freeCount << ", pages "
        << h.allocated << ", page size " << h.pageSize << " (L " << key.maxKeyLength << "), root " << h.root
        << ", duplicates " << h.duplicates << ", entries " << h.entries << ", per page " << h.entriesPerPage << "\n";
    if (check != 0) {
      out << "key " << k << ": header fails its check (" << check << "); the pages cannot be located\n";
      return false;
    }
    keys.push_back(key);
    offset += h.pageSize;
  }
  return true;
}

// Pages 1 .. the header's count of every key, as far as the file holds whole slots.
void DumpPages(OfflineFile& ix, const std::vector<KeyLayout>& keys, std::ostream& out) {
  Integer slotSize = 0;
  for (const KeyLayout& key : keys) slotSize += key.header.pageSize;
  const Int64 slots = ix.Size() / slotSize - 1;
  std::vector<Byte> page;
  for (size_t k = 0; k < keys.size(); ++k) {
    const KeyLayout& key = keys[k];
    if (key.header.allocated > slots)
      out << "key " << k + 1 << ": " << key.header.allocated << " pages counted, the index file holds " << slots
          << "\n";
    const Int64 last = std::min<Int64>(key.header.allocated, slots);
    page.resize(static_cast<size_t>(key.header.pageSize));
    for (Integer p = 1; p <= last; ++p) {
      if (!ix.Read(isam_format::PageOffset(p, slotSize, key.areaOffset), page.data(), static_cast<DWORD>(page.size())))
        break;
      out << "  key " << k + 1 << " page " << p;
      DumpPage(out, page.data(), key);
    }
  }
}
}  // namespace

bool DumpRecordFile(const std::string& name, std::ostream& out) {
  const IsamFileNames names = MakeIsamFileNames(name);
  OfflineFile dat(names.data);
  Byte header[isam_format::DataHeaderSize];
  if (!dat.Read(0, header, sizeof header)) return false;
  const DataHeader d = DataHeader::Decode(header);
  out << names.data << ": " << dat.Size() << " bytes; free head " << d.freeHead << ", free " << d.freeCount
      << ", allocated " << d.allocated << ", record length " << d.recordLength << ", keys " << int(d.keyCount)
      << ", OpenFlag " << int(d.openFlag) << "\n";
  const OfflineFile dia(names.dialog);
  if (dia.IsOpen()) out << names.dialog << ": " << dia.Size() << " bytes\n";
  if (d.keyCount == 0) return true;
  OfflineFile ix(names.index);
  if (!ix.IsOpen()) return false;
  out << names.index << ": " << ix.Size() << " bytes\n";
  std::vector<KeyLayout> keys;
  if (DumpKeyHeaders(ix, std::min<Integer>(d.keyCount, isam_format::MaxKeys), keys, out)) DumpPages(ix, keys, out);
  return true;
}
