// Engine-written seed files, byte edits, and the damaged-file fuzz target.
#include "damaged_files.h"

#include <algorithm>
#include <array>
#include <limits>

#include "isam_test_support.h"

namespace {
std::string Code(int i) {
  std::string s = std::to_string(i);
  return "K" + std::string(4 - std::min<size_t>(4, s.size()), '0') + s;
}

// Adds record i with its two keys (key 2 repeats among seven texts).
void AddNumbered(IsamFileBlock* fb, int i) {
  Integer ref = 0;
  IsamAddRecord(fb, ref, MakeRecord(seed_layout::RecordLength, Code(i)).data());
  IsamInsertKey(fb, 1, ref, Code(i));
  IsamInsertKey(fb, 2, ref, "G" + std::to_string(i % 7));
}

void BuildTree(const std::string& base) {
  CreateFile(base, seed_layout::RecordLength, {{12, 0}, {6, 1}});
  IsamFileBlock* fb = OpenFile(base);
  for (int i = 0; i < 300; ++i) AddNumbered(fb, i * 7 % 300);
  for (int i = 0; i < 300; i += 3) {
    const int n = i * 7 % 300;
    IsamRemoveKey(fb, 1, i + 1, Code(n));
    IsamRemoveKey(fb, 2, i + 1, "G" + std::to_string(n % 7));
    IsamFreeRecord(fb, i + 1);
  }
  IsamCloseFileBlock(fb);
}

// 63 entries split the root into two leaves of 31; removing one merges them back into a root leaf
// of 62 and frees the other leaf and the old root.
void BuildFullRoot(const std::string& base) {
  CreateFile(base, seed_layout::RecordLength, {{12, 0}, {6, 1}});
  IsamFileBlock* fb = OpenFile(base);
  for (int i = 0; i < 63; ++i) AddNumbered(fb, i);
  IsamRemoveKey(fb, 1, 1, Code(0));
  IsamRemoveKey(fb, 2, 1, "G0");
  IsamFreeRecord(fb, 1);
  IsamCloseFileBlock(fb);
}

// The files as a station killed at the end of a save-mode operation leaves them: the change written,
// the journal not yet cut back.
RecordFileBytes CutShort(const std::string& base, const std::function<void(IsamFileBlock*)>& operation) {
  BuildTree(base);
  IsamFileBlock* fb = OpenFile(base, true);
  RecordFileBytes files;
  SetTestPointHook([&](IsamPoint point) {
    if (point == IsamPoint::CommitBeforeJournalEnd) files = ReadRecordFileBytes(base);
  });
  operation(fb);
  SetTestPointHook(nullptr);
  IsamCloseFileBlock(fb);
  return files;
}

std::array<RecordFileBytes, kSeedCount> BuildSeeds() {
  static TempFolder folder;
  EngineScope engine(0, 8);
  std::array<RecordFileBytes, kSeedCount> seeds;
  BuildTree(folder / "TREE");
  seeds[0] = ReadRecordFileBytes(folder / "TREE");
  BuildFullRoot(folder / "ROOT");
  seeds[1] = ReadRecordFileBytes(folder / "ROOT");
  seeds[2] = CutShort(folder / "JKEY", [](IsamFileBlock* fb) { IsamInsertKey(fb, 1, 2, "K9999"); });
  seeds[3] = CutShort(folder / "JREC", [](IsamFileBlock* fb) {
    Integer ref = 0;
    IsamAddRecord(fb, ref, MakeRecord(seed_layout::RecordLength, "new").data());
  });
  return seeds;
}

constexpr Integer kInteresting[] = {0, 1, -1, -2, 2, 31, 62, 63, 126, 1000, 2000, 2110, 65535,
                                    std::numeric_limits<Integer>::max(), std::numeric_limits<Integer>::min()};

// One 8-byte edit: file, kind, 24-bit offset, then the kind's arguments.
void Edit(RecordFileBytes& files, const std::uint8_t* e) {
  std::string& s = e[0] % 3 == 0 ? files.dat : e[0] % 3 == 1 ? files.ix : files.dia;
  const size_t offset = (e[2] | e[3] << 8 | static_cast<size_t>(e[4]) << 16) % (s.size() + 1);
  const size_t from = (e[6] | e[7] << 8) % (s.size() + 1);
  switch (e[1] % 6) {
    case 0: if (offset < s.size()) s[offset] = static_cast<char>(s[offset] ^ (1 << (e[5] % 8))); break;
    case 1: if (offset < s.size()) s[offset] = static_cast<char>(e[5]); break;
    case 2: Put32(s, offset, kInteresting[e[5] % std::size(kInteresting)]); break;
    case 3: s.resize(offset); break;
    case 4:
      std::fill_n(s.begin() + static_cast<long>(offset), std::min<size_t>(s.size() - offset, e[5] * 16u), 0);
      break;
    default: {
      const size_t n = std::min({size_t{64}, s.size() - offset, s.size() - from});
      std::copy_n(s.begin() + static_cast<long>(from), n, s.begin() + static_cast<long>(offset));
    }
  }
}
}  // namespace

const RecordFileBytes& SeedFile(Seed seed) {
  static const std::array<RecordFileBytes, kSeedCount> seeds = BuildSeeds();
  return seeds[static_cast<size_t>(seed)];
}

Integer Get32(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (size_t i = 0; i < 4 && at + i < bytes.size(); ++i)
    v |= static_cast<std::uint32_t>(static_cast<Byte>(bytes[at + i])) << (8 * i);
  return static_cast<Integer>(v);
}

void Put32(std::string& bytes, std::size_t at, Integer value) {
  for (size_t i = 0; i < 4 && at + i < bytes.size(); ++i)
    bytes[at + i] = static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
}

void Put16(std::string& bytes, std::size_t at, Word value) {
  for (size_t i = 0; i < 2 && at + i < bytes.size(); ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

std::vector<Integer> FuzzRecordFile(const std::uint8_t* data, std::size_t size) {
  static TempFolder folder;
  if (size == 0) return {};
  RecordFileBytes files = SeedFile(static_cast<Seed>(data[0] % kSeedCount));
  for (size_t at = 1; at + 8 <= size; at += 8) Edit(files, data + at);
  return UseRecordFile(folder / "F", files);
}
