// The tests' independent record-file reader.
#include "record_file_reader.h"

#include <fstream>
#include <iterator>
#include <set>

namespace {
using Bytes = std::string;

Integer I32(const Bytes& b, size_t at) {
  if (at + 4 > b.size()) return 0;
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
  return static_cast<Integer>(v);
}

Word W16(const Bytes& b, size_t at) {
  if (at + 2 > b.size()) return 0;
  return static_cast<Word>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

Bytes Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ReadData(const Bytes& dat, RecordFileImage& img) {
  img.freeHead = I32(dat, 0);
  img.freeCount = I32(dat, 4);
  img.allocated = I32(dat, 8);
  img.recordLength = I32(dat, 12);
  img.keyCount = dat.size() > 16 ? static_cast<Byte>(dat[16]) : 0;
  img.openFlag = dat.size() > 20 ? static_cast<Byte>(dat[20]) : 0;
  const size_t r = static_cast<size_t>(img.recordLength);
  if (r < 21 || dat.size() < (static_cast<size_t>(img.allocated) + 1) * r) {
    img.faults.push_back("data file size does not hold the allocated records");
    return;
  }
  std::set<Integer> free;
  for (Integer n = img.freeHead; n != -1;) {
    if (n < 1 || n > img.allocated || free.count(n)) {
      img.faults.push_back("bad free chain at " + std::to_string(n));
      break;
    }
    free.insert(n);
    img.freeRecords.push_back(n);
    n = I32(dat, static_cast<size_t>(n) * r);
  }
  if (static_cast<Integer>(free.size()) != img.freeCount) img.faults.push_back("free count mismatch");
  for (Integer n = 1; n <= img.allocated; ++n)
    if (!free.count(n)) img.records[n] = dat.substr(static_cast<size_t>(n) * r, r);
}

struct TreeWalk {
  const Bytes& ix;
  const RecordFileImage& img;
  ReaderKey& key;
  std::vector<std::string>& faults;
  std::set<Integer> seen;

  size_t PageAt(Integer p) const {
    return static_cast<size_t>(p) * static_cast<size_t>(img.slotSize) + static_cast<size_t>(key.areaOffset);
  }

  void Walk(Integer p, size_t level) {
    if (p < 1 || p > key.pages || seen.count(p) || PageAt(p) + 6 > ix.size() || level > 9) {
      faults.push_back("bad page reference " + std::to_string(p));
      return;
    }
    seen.insert(p);
    const size_t at = PageAt(p);
    const Integer n = W16(ix, at);
    const Integer e = key.entriesPerPage ? key.entriesPerPage : 62;
    if (n < 1 || n > e) faults.push_back("page " + std::to_string(p) + " count " + std::to_string(n));
    if (key.levelCounts.size() <= level) key.levelCounts.resize(level + 1);
    key.levelCounts[level].push_back(n);
    const size_t es = static_cast<size_t>(key.maxLength) + 9;
    const Integer left = I32(ix, at + 2);
    if (left) Walk(left, level + 1);
    for (Integer i = 0; i < n && i < e; ++i) {
      const size_t en = at + 6 + static_cast<size_t>(i) * es;
      const size_t len = static_cast<unsigned char>(ix[en + 8]);
      key.ordered.emplace_back(ix.substr(en + 9, std::min<size_t>(len, static_cast<size_t>(key.maxLength))), I32(ix, en));
      if (const Integer right = I32(ix, en + 4)) Walk(right, level + 1);
    }
  }
};

void ReadKeys(const Bytes& ix, RecordFileImage& img) {
  Integer area = 0;
  for (int k = 0; k < img.keyCount; ++k) {
    ReaderKey key;
    const size_t h = static_cast<size_t>(area);
    key.freeHead = I32(ix, h);
    key.freeCount = I32(ix, h + 4);
    key.pages = I32(ix, h + 8);
    key.pageSize = I32(ix, h + 12);
    key.root = I32(ix, h + 16);
    key.duplicates = h + 20 < ix.size() && ix[h + 20] != 0;
    key.reserved = h + 21 < ix.size() ? static_cast<Byte>(ix[h + 21]) : 0;
    key.entries = I32(ix, h + 22);
    key.entriesPerPage = W16(ix, h + 26);
    const Integer e = key.entriesPerPage ? key.entriesPerPage : 62;
    key.maxLength = (key.pageSize - 6) / e - 9;
    key.areaOffset = area;
    area += key.pageSize;
    img.keys.push_back(key);
  }
  img.slotSize = area;
  for (auto& key : img.keys) {
    TreeWalk walk{ix, img, key, img.faults, {}};
    if (key.root) walk.Walk(key.root, 0);
    if (static_cast<Integer>(key.ordered.size()) != key.entries) img.faults.push_back("entry count mismatch");
    for (Integer p = key.freeHead; p != -1;) {
      if (p < 1 || p > key.pages || walk.seen.count(p)) {
        img.faults.push_back("bad free page " + std::to_string(p));
        break;
      }
      walk.seen.insert(p);
      key.freePages.push_back(p);
      p = I32(ix, walk.PageAt(p));
    }
    if (static_cast<Integer>(walk.seen.size()) != key.pages) img.faults.push_back("pages neither used nor free");
  }
}
}  // namespace

RecordFileImage ReadRecordFile(const std::string& base) {
  RecordFileImage img;
  const Bytes dat = Slurp(base + ".DAT");
  if (dat.size() < 21) {
    img.faults.push_back("no data file");
    return img;
  }
  ReadData(dat, img);
  if (img.keyCount > 0) ReadKeys(Slurp(base + ".IX"), img);
  return img;
}
