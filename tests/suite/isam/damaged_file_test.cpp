// Damaged record files and journals: engine-written files broken on purpose (bit flips, truncation,
// zeroed pages, counts at 0, -1 and 2^31 - 1, chains and trees that loop, the root on the free-page
// chain, journal images that break the header rules), each opened, read, added to in every mode,
// checked and dumped under the sanitizers (damaged_file_use.h).  Each ends with engine errors or a
// clean success, never a sanitizer report, a crash or a hang; some must end with a given error.
// A bounded run of the fuzz target breaks the seeds at random.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <limits>
#include <set>

#include "damaged_files.h"
#include "isam_test_support.h"
#include "platform/os/random.h"

namespace {
using seed_layout::KeyHeader;
using seed_layout::Page;
constexpr Integer kMax = std::numeric_limits<Integer>::max();

struct Variant {
  std::string what;
  Seed seed;
  std::function<void(RecordFileBytes&)> breakIt;
  std::set<Integer> mustSee;   // numbers some call must report
};

Integer Root(const RecordFileBytes& f, int key) { return Get32(f.ix, KeyHeader(key) + 16); }
Integer LeftChild(const RecordFileBytes& f, int key, Integer page) { return Get32(f.ix, Page(key, page) + 2); }

// The offset of the first journal record of the dialog file with the given tag (1000 a header
// record, else a page record).
size_t JournalRecord(const std::string& dia, bool header) {
  for (size_t at = 1; at + 6 <= dia.size();) {
    const Word tag = static_cast<Word>(Get32(dia, at) & 0xFFFF);
    if ((tag == 1000) == header) return at;
    const Word key = static_cast<Word>(Get32(dia, at + 2) & 0xFFFF);
    at += tag == 1000 ? 36 : tag * static_cast<size_t>(key == 1 ? 21 : 15) + 14;
  }
  return 0;
}

std::vector<Variant> Variants() {
  std::vector<Variant> v;
  v.push_back({"intact tree", Seed::Tree, [](RecordFileBytes&) {}, {}});
  v.push_back({"intact full root", Seed::FullRoot, [](RecordFileBytes&) {}, {}});
  v.push_back({"intact journal", Seed::JournalKey, [](RecordFileBytes&) {}, {}});
  // Bit flips in the data header (the sign bit of every count, the key count, OpenFlag) and in the
  // first key header.
  for (size_t byte : {3u, 7u, 11u, 15u, 16u, 20u})
    v.push_back({"data header byte " + std::to_string(byte) + " flipped", Seed::Tree,
                 [byte](RecordFileBytes& f) { f.dat[byte] = static_cast<char>(f.dat[byte] ^ 0x80); }, {}});
  for (size_t byte : {3u, 7u, 11u, 13u, 19u, 25u, 27u})
    v.push_back({"key header byte " + std::to_string(byte) + " flipped", Seed::Tree,
                 [byte](RecordFileBytes& f) { f.ix[byte] = static_cast<char>(f.ix[byte] ^ 0x80); }, {}});
  // Counts at 0, -1 and 2^31 - 1.
  const std::pair<const char*, size_t> dataFields[] = {{"free head", 0}, {"free count", 4}, {"allocated", 8}};
  const std::pair<const char*, size_t> keyFields[] = {{"free head", 0}, {"free count", 4}, {"pages", 8},
                                                      {"root", 16}, {"entries", 22}};
  for (Integer value : {0, -1, kMax}) {
    for (const auto& [name, at] : dataFields)
      v.push_back({std::string("data ") + name + " " + std::to_string(value), Seed::Tree,
                   [at, value](RecordFileBytes& f) { Put32(f.dat, at, value); }, {}});
    for (const auto& [name, at] : keyFields)
      for (int key : {1, 2})
        v.push_back({"key " + std::to_string(key) + " " + name + " " + std::to_string(value), Seed::Tree,
                     [at, key, value](RecordFileBytes& f) { Put32(f.ix, KeyHeader(key) + at, value); }, {}});
    v.push_back({"record length " + std::to_string(value), Seed::Tree,
                 [value](RecordFileBytes& f) { Put32(f.dat, 12, value); }, {value == kMax ? 10010 : 10020}});
    v.push_back({"key 1 page size " + std::to_string(value), Seed::Tree,
                 [value](RecordFileBytes& f) { Put32(f.ix, 12, value); }, {10120}});
  }
  for (Word e : {1, 2, 3, 61, 63, 126, 2110, 65535})
    v.push_back({"key 1 entries per page " + std::to_string(e), Seed::Tree,
                 [e](RecordFileBytes& f) { Put16(f.ix, 26, e); },
                 e > 62 ? std::set<Integer>{10122} : std::set<Integer>{}});
  // Truncation.
  const struct {
    const char* what;
    bool data;
    size_t (*size)(const std::string&);
    Integer code;
  } cuts[] = {
      {"data file cut to 10 bytes", true, [](const std::string&) { return size_t{10}; }, 10070},
      {"data file cut inside its records", true, [](const std::string& s) { return s.size() / 2; }, 10010},
      {"index file cut inside a key header", false, [](const std::string&) { return size_t{1320}; }, 10070},
      {"index file cut to slot 0", false, [](const std::string&) { return size_t{seed_layout::SlotSize}; }, 10010},
      {"index file cut inside its pages", false, [](const std::string& s) { return s.size() / 2; }, 10010},
      {"index file missing", false, [](const std::string&) { return size_t{0}; }, 10010},
  };
  for (const auto& cut : cuts)
    v.push_back({cut.what, Seed::Tree, [cut](RecordFileBytes& f) {
                   std::string& file = cut.data ? f.dat : f.ix;
                   file.resize(cut.size(file));
                 }, {cut.code}});
  // Zeroed pages.
  v.push_back({"key 1 root page zeroed", Seed::Tree, [](RecordFileBytes& f) {
                 std::fill_n(f.ix.begin() + static_cast<long>(Page(1, Root(f, 1))), seed_layout::PageSize[0], '\0');
               }, {}});
  v.push_back({"key 1 leaf below the root zeroed (0 entries)", Seed::Tree, [](RecordFileBytes& f) {
                 std::fill_n(f.ix.begin() + static_cast<long>(Page(1, LeftChild(f, 1, Root(f, 1)))), 6, '\0');
               }, {10010}});
  v.push_back({"key 1 inner root with 0 entries", Seed::Tree,
               [](RecordFileBytes& f) { Put16(f.ix, Page(1, Root(f, 1)), 0); }, {}});
  // Chains and trees that loop.
  v.push_back({"data free chain loops on its head", Seed::Tree, [](RecordFileBytes& f) {
                 const Integer head = Get32(f.dat, 0);
                 Put32(f.dat, static_cast<size_t>(head) * seed_layout::RecordLength, head);
               }, {10170}});
  v.push_back({"key 1 free-page chain loops on its head", Seed::FullRoot, [](RecordFileBytes& f) {
                 const Integer head = Get32(f.ix, KeyHeader(1));
                 Put32(f.ix, Page(1, head), head);
               }, {}});
  v.push_back({"key 1 root is its own leftmost child", Seed::Tree,
               [](RecordFileBytes& f) { Put32(f.ix, Page(1, Root(f, 1)) + 2, Root(f, 1)); }, {10010}});
  v.push_back({"key 2 root is the child of its first entry", Seed::Tree,
               [](RecordFileBytes& f) { Put32(f.ix, Page(2, Root(f, 2)) + 10, Root(f, 2)); }, {}});
  v.push_back({"key 1 leaf linked twice", Seed::Tree, [](RecordFileBytes& f) {
                 Put32(f.ix, Page(1, Root(f, 1)) + 10, LeftChild(f, 1, Root(f, 1)));
               }, {}});
  v.push_back({"key 1 root on its free-page chain", Seed::FullRoot, [](RecordFileBytes& f) {
                 Put32(f.ix, KeyHeader(1), Root(f, 1));
               }, {10170}});
  // Journal images.
  for (Word e : {126, 2110, 65535})
    v.push_back({"journal key header image with " + std::to_string(e) + " entries per page", Seed::JournalKey,
                 [e](RecordFileBytes& f) { Put16(f.dia, JournalRecord(f.dia, true) + 4 + 26, e); }, {10180}});
  v.push_back({"journal key header image with pages 2^31 - 1", Seed::JournalKey,
               [](RecordFileBytes& f) { Put32(f.dia, JournalRecord(f.dia, true) + 4 + 8, kMax); }, {10180}});
  v.push_back({"journal data header image with another record length", Seed::JournalRecord,
               [](RecordFileBytes& f) { Put32(f.dia, JournalRecord(f.dia, true) + 4 + 12, 64); }, {10180}});
  v.push_back({"journal chain value out of range", Seed::JournalRecord,
               [](RecordFileBytes& f) { Put32(f.dia, JournalRecord(f.dia, true) + 32, kMax); }, {10180}});
  v.push_back({"journal page image of page 2^31 - 1", Seed::JournalKey, [](RecordFileBytes& f) {
                 const size_t at = JournalRecord(f.dia, false);
                 Put32(f.dia, at + Get32(f.dia, at) % 65536 * 21 + 6, kMax);
               }, {10180}});
  v.push_back({"journal page image of 62 entries cut short", Seed::JournalKey,
               [](RecordFileBytes& f) { Put16(f.dia, JournalRecord(f.dia, false), 62); }, {}});
  v.push_back({"journal of 40 records", Seed::JournalKey, [](RecordFileBytes& f) {
                 const size_t at = JournalRecord(f.dia, true);
                 const std::string header = f.dia.substr(at, 36);
                 for (int i = 0; i < 40; ++i) f.dia.insert(at, header);
               }, {10180}});
  return v;
}

TEST(DamagedFiles, EndWithAnEngineErrorOrCleanly) {
  TempFolder dir;
  for (const Variant& variant : Variants()) {
    SCOPED_TRACE(variant.what);
    RecordFileBytes files = SeedFile(variant.seed);
    variant.breakIt(files);
    const std::vector<Integer> codes = UseRecordFile(dir / "F", files);
    for (Integer code : codes) EXPECT_TRUE(ExpectedForDamage(code)) << code;
    for (Integer code : variant.mustSee)
      EXPECT_NE(std::find(codes.begin(), codes.end(), code), codes.end()) << "no call reported " << code;
  }
}

// A journal whose images break the header rules is not undone: the open reports 10180, writes
// nothing, and the file stays refused until it is repaired.
TEST(DamagedFiles, BadJournalChangesNothing) {
  TempFolder dir;
  const RecordFileBytes seed = SeedFile(Seed::JournalKey);
  EngineScope engine(0, 8);
  for (Word e : {126, 2110, 65535}) {
    SCOPED_TRACE(e);
    RecordFileBytes files = seed;
    Put16(files.dia, JournalRecord(files.dia, true) + 4 + 26, e);
    WriteRecordFile(dir / "J", files);
    for (int attempt = 0; attempt < 2; ++attempt) {
      EXPECT_EQ(OpenFile(dir / "J", true), nullptr);
      EXPECT_EQ(IsamErrorCode, 10180);
      const RecordFileBytes after = ReadRecordFileBytes(dir / "J");
      EXPECT_TRUE(after.dat == files.dat && after.ix == files.ix && after.dia == files.dia);
    }
  }
}

// The fuzz target on inputs drawn from a fixed seed: 300 inputs of one to four edits, each edit
// aimed at a header or a page head half of the time.
TEST(DamagedFiles, BoundedFuzzRun) {
  RandomSource rnd(20240611);
  const auto start = std::chrono::steady_clock::now();
  for (int run = 0; run < 300 && !HasFailure(); ++run) {
    std::string input(1, static_cast<char>(rnd.Random(256)));
    for (int e = 1 + rnd.Random(4); e > 0; --e) {
      const Integer file = rnd.Random(3);
      Integer offset = rnd.Random(1 << 24);
      if (rnd.Random(2) == 0)
        offset = file == 1 ? static_cast<Integer>(Page(1 + rnd.Random(2), rnd.Random(8))) + rnd.Random(32)
                           : rnd.Random(file == 0 ? 24 : 80);
      const Byte edit[8] = {static_cast<Byte>(file), static_cast<Byte>(rnd.Random(6)), static_cast<Byte>(offset),
                            static_cast<Byte>(offset >> 8), static_cast<Byte>(offset >> 16),
                            static_cast<Byte>(rnd.Random(256)), static_cast<Byte>(rnd.Random(256)),
                            static_cast<Byte>(rnd.Random(256))};
      input.append(reinterpret_cast<const char*>(edit), 8);
    }
    SCOPED_TRACE(run);
    for (Integer code : FuzzRecordFile(reinterpret_cast<const std::uint8_t*>(input.data()), input.size()))
      EXPECT_TRUE(ExpectedForDamage(code)) << code;
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  RecordProperty("seconds", std::to_string(seconds));
}
}  // namespace
