// The isam tool's dump: data header, key headers, every index page, the dialog file's size.
#include "tools/isam/isam_dump.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/os/path.h"
#include "suite/isam/isam_format.h"
#include "suite/isam/isam_page.h"

namespace {
using Bytes = std::vector<Byte>;

bool Slurp(const std::string& name, Bytes& out) {
  std::ifstream in(ResolvePath(name), std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// The stored count, then the entries as the engine reads them (at most E, texts cut at L).
void DumpPage(std::ostream& out, const Byte* stored, Integer l, Integer e) {
  IsamPage page;
  page.Expand(stored, l, e);
  out << " n=" << IsamPage::StoredCount(stored) << " left=" << page.leftChild << "\n";
  for (int i = 1; i <= page.count; ++i) {
    const IsamEntry& entry = page.Entry(i);
    out << "    [" << i << "] \"" << Cp874ToUtf8(std::string(reinterpret_cast<const char*>(entry.text + 1), entry.text[0]))
        << "\" ref=" << entry.ref << " right=" << entry.child << "\n";
  }
}
}  // namespace

bool DumpRecordFile(const std::string& name, std::ostream& out) {
  const IsamFileNames names = MakeIsamFileNames(name);
  Bytes dat, ix, dia;
  if (!Slurp(names.data, dat) || dat.size() < isam_format::DataHeaderSize) return false;
  const DataHeader d = DataHeader::Decode(dat.data());
  out << names.data << ": " << dat.size() << " bytes; free head " << d.freeHead << ", free " << d.freeCount
      << ", allocated " << d.allocated << ", record length " << d.recordLength << ", keys " << int(d.keyCount)
      << ", OpenFlag " << int(d.openFlag) << "\n";
  if (Slurp(names.dialog, dia)) out << names.dialog << ": " << dia.size() << " bytes\n";
  if (d.keyCount == 0) return true;
  if (!Slurp(names.index, ix)) return false;
  out << names.index << ": " << ix.size() << " bytes\n";
  std::vector<KeyHeader> keys;
  std::vector<Integer> areas, lengths;
  Integer slot = 0;
  for (int k = 0; k < d.keyCount && static_cast<size_t>(slot) + isam_format::KeyHeaderSize <= ix.size(); ++k) {
    const KeyHeader h = KeyHeader::Decode(&ix[static_cast<size_t>(slot)]);
    Integer l = 0;
    CheckKeyHeader(h, l);
    out << "key " << k + 1 << " at " << slot << ": free head " << h.freeHead << ", free " << h.freeCount
        << ", pages " << h.allocated << ", page size " << h.pageSize << " (L " << l << "), root " << h.root
        << ", duplicates " << h.duplicates << ", entries " << h.entries << ", per page " << h.entriesPerPage << "\n";
    keys.push_back(h);
    areas.push_back(slot);
    lengths.push_back(l);
    slot += h.pageSize;
  }
  for (size_t k = 0; k < keys.size(); ++k) {
    if (lengths[k] == 0) continue;
    for (Integer p = 1; p <= keys[k].allocated; ++p) {
      const auto at = static_cast<size_t>(isam_format::PageOffset(p, slot, areas[k]));
      if (at + static_cast<size_t>(keys[k].pageSize) > ix.size()) break;
      out << "  key " << k + 1 << " page " << p;
      DumpPage(out, &ix[at], lengths[k], keys[k].entriesPerPage);
    }
  }
  return true;
}
