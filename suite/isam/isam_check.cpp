// The offline consistency check.
#include "suite/isam/isam_check.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "suite/isam/isam_format.h"
#include "suite/isam/isam_page.h"
#include "suite/isam/le_bytes.h"
#include "suite/isam/net_access.h"
#include "suite/isam/offline_file.h"

namespace {
using Bytes = std::vector<Byte>;

bool ReadWhole(const std::string& name, Bytes& out, DWORD& error) {
  OfflineFile file(name);
  error = file.Error();
  return file.ReadAll(out);
}

struct Checker {
  IsamCheckReport& report;
  Bytes dat, ix;
  DataHeader data;
  std::vector<bool> inUse;   // by record number
  std::vector<KeyHeader> keys;
  std::vector<Integer> lengths, areas;
  Integer slotSize = 0;

  void Problem(const std::string& s) { report.problems.push_back(s); }

  bool CheckData() {
    if (dat.size() < isam_format::DataHeaderSize) return Problem("data file shorter than its header"), false;
    data = DataHeader::Decode(dat.data());
    const Integer r = data.recordLength;
    if (r < isam_format::MinRecordLength) return Problem("record length " + std::to_string(r) + " below 21"), false;
    if (data.keyCount > isam_format::MaxKeys) return Problem("more than 100 keys"), false;
    if (data.openFlag == 1) Problem("OpenFlag is 1: the file was not closed properly");
    if (data.allocated < 0 || static_cast<Int64>(dat.size()) < (static_cast<Int64>(data.allocated) + 1) * r)
      return Problem("data file shorter than its " + std::to_string(data.allocated) + " allocated records"), false;
    inUse.assign(static_cast<size_t>(data.allocated) + 1, true);
    inUse[0] = false;
    Integer count = 0;
    for (Integer link = data.freeHead; link != -1; ++count) {
      if (link < 1 || link > data.allocated) return Problem("free chain link " + std::to_string(link) + " out of range"), false;
      if (!inUse[static_cast<size_t>(link)]) return Problem("free chain loops at record " + std::to_string(link)), false;
      inUse[static_cast<size_t>(link)] = false;
      link = GetInt32LE(&dat[static_cast<size_t>(link) * static_cast<size_t>(r)]);
    }
    if (count != data.freeCount)
      Problem("free chain holds " + std::to_string(count) + " records, header says " + std::to_string(data.freeCount));
    for (Integer n = 1; n <= data.allocated; ++n)
      if (inUse[static_cast<size_t>(n)] && GetInt32LE(&dat[static_cast<size_t>(n) * static_cast<size_t>(r)]) != 0)
        Problem("record " + std::to_string(n) + " is not on the free chain but its status word is not 0");
    return true;
  }

  bool LoadKeys() {
    Integer offset = 0;
    for (Integer k = 1; k <= data.keyCount; ++k) {
      if (ix.size() < static_cast<size_t>(offset) + isam_format::KeyHeaderSize)
        return Problem("index file too short for key " + std::to_string(k)), false;
      KeyHeader h = KeyHeader::Decode(&ix[static_cast<size_t>(offset)]);
      Integer l = 0;
      if (const Integer e = CheckKeyHeader(h, l); e != 0)
        return Problem("key " + std::to_string(k) + " header fails its check (" + std::to_string(e) + ")"), false;
      keys.push_back(h);
      lengths.push_back(l);
      areas.push_back(offset);
      offset += h.pageSize;
    }
    slotSize = offset;
    return true;
  }

  // The pages of key k that the index file can hold: its header's count, or fewer when the file
  // ends before (a problem then).
  Integer PagesHeld(size_t k) {
    const Integer counted = std::max(keys[k].allocated, 0);
    const Int64 slots = static_cast<Int64>(ix.size()) / slotSize - 1;
    if (counted <= slots) return counted;
    Problem("key " + std::to_string(k + 1) + ": " + std::to_string(counted) + " pages counted, the index file holds " +
            std::to_string(slots));
    return static_cast<Integer>(std::max<Int64>(slots, 0));
  }

  // Page p of key k as stored, or nullptr when it lies outside the index file.
  const Byte* Page(size_t k, Integer p) {
    const Int64 at = isam_format::PageOffset(p, slotSize, areas[k]);
    if (p < 1 || at + keys[k].pageSize > static_cast<Int64>(ix.size())) return nullptr;
    return &ix[static_cast<size_t>(at)];
  }

  // One key: tree shape, order, counts, references; free-page chain; page accounting.
  void CheckKey(size_t k) {
    const std::string key = "key " + std::to_string(k + 1) + ": ";
    const KeyHeader& h = keys[k];
    const Integer l = lengths[k], e = h.entriesPerPage;
    const Integer pages = PagesHeld(k);
    std::vector<Byte> seen(static_cast<size_t>(pages) + 1, 0);
    std::vector<std::pair<Bytes, Integer>> entries;
    int leafDepth = -1;
    bool damaged = false;
    // Iterative depth-first walk, producing entries in order.
    struct Frame {
      int next;
      int depth;
      IsamPage page;
    };
    std::vector<Frame> stack;
    auto push = [&](Integer p, int depth) {
      if (p < 1 || p > pages) return Problem(key + "page " + std::to_string(p) + " out of range"), damaged = true, false;
      if (seen[static_cast<size_t>(p)]) return Problem(key + "page " + std::to_string(p) + " reached twice"), damaged = true, false;
      if (depth >= isam_format::MaxPathLevels) return Problem(key + "tree deeper than 9 levels"), damaged = true, false;
      seen[static_cast<size_t>(p)] = 1;
      const Word n = IsamPage::StoredCount(Page(k, p));
      if (n > e || n == 0) return Problem(key + "page " + std::to_string(p) + " holds " + std::to_string(n) + " entries"), damaged = true, false;
      if (p != h.root && n < e / 2) Problem(key + "page " + std::to_string(p) + " holds only " + std::to_string(n) + " entries");
      stack.push_back({0, depth, {}});
      if (!stack.back().page.Load(Page(k, p), l, e))
        Problem(key + "page " + std::to_string(p) + " holds a key text longer than " + std::to_string(l));
      return true;
    };
    if (h.root != 0) push(h.root, 0);
    while (!stack.empty() && !damaged) {
      Frame& f = stack.back();
      const Integer child = f.page.Child(f.next);
      if (f.next > 0) {
        const Byte* text = f.page.Text(f.next);
        entries.emplace_back(Bytes(text, text + text[0] + 1), f.page.Ref(f.next));
      }
      const int depth = f.depth;
      const bool last = f.next == f.page.Count();
      ++f.next;
      if (last) stack.pop_back();
      if (child == 0) {
        if (leafDepth == -1) leafDepth = depth;
        if (leafDepth != depth) Problem(key + "leaves at different depths"), damaged = true;
      } else {
        push(child, depth + 1);
      }
    }
    if (damaged) return;
    if (static_cast<Integer>(entries.size()) != h.entries)
      Problem(key + "tree holds " + std::to_string(entries.size()) + " entries, header says " + std::to_string(h.entries));
    for (size_t i = 0; i < entries.size(); ++i) {
      const Integer ref = entries[i].second;
      if (ref < 1 || ref > data.allocated || !inUse[static_cast<size_t>(ref)])
        Problem(key + "entry " + std::to_string(i + 1) + " names record " + std::to_string(ref) + ", which is not in use");
      if (i == 0) continue;
      int c = CompareKeyTexts(entries[i - 1].first.data(), entries[i].first.data());
      if (c == 0 && h.duplicates) c = entries[i - 1].second < entries[i].second ? -1 : (entries[i - 1].second > entries[i].second);
      if (c >= 0) Problem(key + "entries " + std::to_string(i) + " and " + std::to_string(i + 1) + " out of order");
    }
    Integer freeCount = 0;
    for (Integer p = h.freeHead; p != -1; ++freeCount) {
      if (p < 1 || p > pages) return Problem(key + "free-page link " + std::to_string(p) + " out of range");
      if (seen[static_cast<size_t>(p)]) return Problem(key + "page " + std::to_string(p) + " both free and in use, or the free chain loops");
      seen[static_cast<size_t>(p)] = 2;
      p = GetInt32LE(Page(k, p));   // a free page's first four bytes: the next free page
    }
    if (freeCount != h.freeCount)
      Problem(key + "free-page chain holds " + std::to_string(freeCount) + " pages, header says " + std::to_string(h.freeCount));
    for (Integer p = 1; p <= pages; ++p)
      if (!seen[static_cast<size_t>(p)]) Problem(key + "page " + std::to_string(p) + " is neither in the tree nor free");
    std::vector<bool> listed(inUse.size(), false);
    for (const auto& en : entries)
      if (en.second >= 1 && en.second <= data.allocated) listed[static_cast<size_t>(en.second)] = true;
    Integer unlisted = 0;
    for (size_t n = 1; n < inUse.size(); ++n) unlisted += inUse[n] && !listed[n];
    if (unlisted) report.notes.push_back(key + std::to_string(unlisted) + " records in use are not listed");
  }

  // The dialog file's size and first word tell a station area from a journal: nothing else is read.
  void CheckDialog(const std::string& name) {
    OfflineFile dia(name);
    const Int64 size = dia.Size();
    if (!dia.IsOpen() || size <= 1) return;
    const Int64 m = StationSlotSize(data.keyCount);
    Byte head[3];
    if (dia.Read(0, head, 3) && GetWordLE(head + 1) == NetInfo::ValidWord && (size - 3) % m == 0) {
      report.notes.push_back("station area of " + std::to_string((size - 3) / m) + " slots");
      return;
    }
    Problem("dialog file holds an unfinished save-mode operation (" + std::to_string(size) + " bytes)");
  }
};
}  // namespace

IsamCheckReport IsamCheckFile(const std::string& name) {
  IsamCheckReport report;
  const IsamFileNames names = MakeIsamFileNames(name);
  Checker c{report, {}, {}, {}, {}, {}, {}, {}, 0};
  DWORD error = 0;
  if (!ReadWhole(names.data, c.dat, error)) {
    report.problems.push_back("cannot read " + names.data + " (system error " + std::to_string(error) + ")");
    return report;
  }
  if (!c.CheckData()) return report;
  if (c.data.keyCount > 0) {
    if (!ReadWhole(names.index, c.ix, error)) {
      report.problems.push_back("cannot read " + names.index + " (system error " + std::to_string(error) + ")");
      return report;
    }
    if (!c.LoadKeys()) return report;
    for (size_t k = 0; k < c.keys.size(); ++k) c.CheckKey(k);
  }
  c.CheckDialog(names.dialog);
  return report;
}
