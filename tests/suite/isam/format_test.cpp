// The record-file layout: what creation writes, how names and key texts are treated, and files built
// by hand from the layout that the engine must read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace std::string_literals;

#include "isam_test_support.h"
#include "record_file_reader.h"
#include "suite/isam/isam_format.h"

namespace {
std::string Le32(Integer v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[static_cast<size_t>(i)] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
  return s;
}
std::string Le16(Word v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }

TEST(RecordFileFormat, EmployeeFileIsCreatedByteForByte) {
  TempFolder dir;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "T", 2567, EmployeeKeys()));
  const std::string dat = ReadRawFile(dir / "T.DAT");
  ASSERT_EQ(dat.size(), 2567u);
  const std::string header = "\xff\xff\xff\xff" + std::string(8, '\0') + "\x07\x0a\x00\x00"s + "\x05" +
                             std::string(3, '\0') + std::string(1, '\0');
  EXPECT_EQ(dat.substr(0, 21), header);
  EXPECT_EQ(dat.find_first_not_of('\0', 21), std::string::npos);

  const std::string ix = ReadRawFile(dir / "T.IX");
  EXPECT_EQ(ix.size(), 9392u);
  const RecordFileImage img = ReadRecordFile(dir / "T");
  ASSERT_EQ(img.keys.size(), 5u);
  const Integer offsets[] = {0, 1122, 2368, 4544, 7588};
  const Integer lengths[] = {9, 11, 26, 40, 20};
  for (size_t k = 0; k < 5; ++k) {
    SCOPED_TRACE(k + 1);
    const ReaderKey& key = img.keys[k];
    EXPECT_EQ(key.areaOffset, offsets[k]);
    EXPECT_EQ(key.maxLength, lengths[k]);
    EXPECT_EQ(key.freeHead, -1);
    EXPECT_EQ(key.pages, 0);
    EXPECT_EQ(key.root, 0);
    EXPECT_EQ(key.entries, 0);
    EXPECT_EQ(key.entriesPerPage, 62);
    EXPECT_EQ(key.reserved, 0);
    EXPECT_EQ(key.duplicates, k >= 2);
    // The rest of the key's area in slot 0 is zero.
    const size_t end = k + 1 < 5 ? static_cast<size_t>(offsets[k + 1]) : ix.size();
    EXPECT_EQ(ix.substr(static_cast<size_t>(offsets[k]) + 28, end - static_cast<size_t>(offsets[k]) - 28),
              std::string(end - static_cast<size_t>(offsets[k]) - 28, '\0'));
  }
  EXPECT_EQ(FileSize(dir / "T.DIA"), -1);
}

TEST(RecordFileFormat, FileNamesTakeTheirExtensions) {
  struct Case {
    const char* name;
    const char* data;
    const char* index;
    const char* dialog;
  } cases[] = {
      {"PRFILE01", "PRFILE01.DAT", "PRFILE01.IX", "PRFILE01.DIA"},
      {"emp.old", "emp.DAT", "emp.IX", "emp.DIA"},
      {"C:\\pay.1\\emp", "C:\\pay.1\\emp.DAT", "C:\\pay.1\\emp.IX", "C:\\pay.1\\emp.DIA"},
      {"data;idx", "data.DAT", "idx.IX", "data.DIA"},
  };
  for (const Case& c : cases) {
    const IsamFileNames n = MakeIsamFileNames(c.name);
    EXPECT_EQ(n.data, c.data);
    EXPECT_EQ(n.index, c.index);
    EXPECT_EQ(n.dialog, c.dialog);
  }
}

// Key texts come back in the order of the format: unsigned bytes, a prefix first, then references.
TEST(RecordFileFormat, KeysFollowTheKeyOrder) {
  TempFolder dir;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "K", 40, {{9, 0}, {9, 1}}));
  IsamFileBlock* fb = OpenFile(dir / "K");
  ASSERT_NE(fb, nullptr);
  const std::vector<std::pair<std::string, Integer>> inserted = {
      {"abd", 1}, {"\xe0", 2}, {"abc", 3}, {"z", 4}, {"ab", 5}, {"", 6}, {"X", 12}, {"X", 7}};
  for (const auto& [text, ref] : inserted) {
    IsamInsertKey(fb, 1, ref, text);
    IsamInsertKey(fb, 2, ref, text);
    ASSERT_TRUE(IsamLastOK) << text;
  }
  IsamInsertKey(fb, 2, 7, "X");
  EXPECT_EQ(IsamErrorCode, 10230);
  IsamInsertKey(fb, 1, 99, "X");
  EXPECT_EQ(IsamErrorCode, 10230);
  IsamCloseFileBlock(fb);
  const RecordFileImage img = ReadRecordFile(dir / "K");
  ASSERT_TRUE(img.faults.empty());
  const std::vector<std::string> expectedTexts = {"", "X", "ab", "abc", "abd", "z", "\xe0"};
  std::vector<std::string> unique;
  for (const auto& e : img.keys[0].ordered) unique.push_back(e.first);
  EXPECT_EQ(unique, expectedTexts);
  std::vector<std::pair<std::string, Integer>> dups = img.keys[1].ordered;
  ASSERT_EQ(dups.size(), 8u);
  EXPECT_EQ(dups[1], std::make_pair(std::string("X"), 7));
  EXPECT_EQ(dups[2], std::make_pair(std::string("X"), 12));
}

// A file written by another program: E stored as 0, a two-level tree, junk after the key texts,
// R = 21.  The engine must find, list and extend it.
TEST(RecordFileFormat, HandBuiltFileIsRead) {
  TempFolder dir;
  const Integer r = 21, l = 9, es = l + 9, p = 62 * es + 6;
  std::string dat = Le32(-1) + Le32(0) + Le32(3) + Le32(r) + "\x01" + std::string(3, '\0') + std::string(1, '\0');
  for (int n = 1; n <= 3; ++n) dat += Le32(0) + std::string(static_cast<size_t>(r - 4), static_cast<char>('a' + n));
  auto entry = [&](Integer ref, Integer child, const std::string& text) {
    std::string e = Le32(ref) + Le32(child) + static_cast<char>(text.size()) + text;
    return e + std::string(static_cast<size_t>(es) - e.size(), '#');   // undefined bytes: junk
  };
  auto page = [&](Integer left, const std::vector<std::string>& entries) {
    std::string s = Le16(static_cast<Word>(entries.size())) + Le32(left);
    for (const auto& e : entries) s += e;
    return s + std::string(static_cast<size_t>(p) - s.size(), '\0');
  };
  std::string ix = Le32(-1) + Le32(0) + Le32(3) + Le32(p) + Le32(3) + "\x00\x5a"s + Le32(3) + Le16(0);
  ix.resize(static_cast<size_t>(p), '\0');
  ix += page(0, {entry(1, 0, "apple")});
  ix += page(0, {entry(3, 0, "pear")});
  ix += page(1, {entry(2, 2, "melon")});
  WriteRawFile(dir / "H.DAT", dat);
  WriteRawFile(dir / "H.IX", ix);

  EngineScope engine(0, 8);
  IsamFileBlock* fb = OpenFile(dir / "H");
  ASSERT_NE(fb, nullptr) << IsamErrorCode;
  for (const auto& [text, ref] : std::vector<std::pair<std::string, Integer>>{{"apple", 1}, {"melon", 2}, {"pear", 3}}) {
    Integer found = 0;
    IsamFindKey(fb, 1, found, text);
    EXPECT_EQ(found, ref) << text;
  }
  std::string rec(21, '\0');
  IsamReadRecord(fb, 2, rec.data(), false);
  EXPECT_EQ(rec, Le32(0) + std::string(17, 'c'));
  Integer ref = 0;
  IsamAddRecord(fb, ref, MakeRecord(r, "d").data());
  EXPECT_EQ(ref, 4);
  IsamInsertKey(fb, 1, ref, "kiwi");
  EXPECT_TRUE(IsamLastOK);
  IsamCloseFileBlock(fb);
  const RecordFileImage img = ReadRecordFile(dir / "H");
  EXPECT_TRUE(img.faults.empty());
  ASSERT_EQ(img.keys[0].ordered.size(), 4u);
  EXPECT_EQ(img.keys[0].ordered[2], std::make_pair(std::string("melon"), 2));
  EXPECT_EQ(ReadRawFile(dir / "H.DAT").substr(4 * 21, 5), MakeRecord(21, "d").substr(0, 5));
  // The leaf that took "kiwi" is written with zeros after both texts; the leaf only read keeps its
  // junk (the engine never writes a page it did not change).
  const std::string written = ReadRawFile(dir / "H.IX");
  const auto tail = [&](Integer page, int entry, size_t len) {
    return written.substr(static_cast<size_t>(page * p + 6 + entry * es + 9) + len, static_cast<size_t>(l) - len);
  };
  EXPECT_EQ(tail(1, 0, 5), std::string(4, '\0'));
  EXPECT_EQ(tail(1, 1, 4), std::string(5, '\0'));
  EXPECT_EQ(tail(2, 0, 4), std::string(5, '#'));
}

// Pages of key k lie at page * SlotSize + A(k): with keys of 9 and 40, S = 4,166 and page 3 of key 2
// starts at 3 * 4,166 + 1,122.
TEST(RecordFileFormat, PagesLieInTheirKeysArea) {
  TempFolder dir;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "S", 30, {{9, 0}, {40, 0}}));
  IsamFileBlock* fb = OpenFile(dir / "S");
  ASSERT_NE(fb, nullptr);
  for (int i = 0; i < 200 && IsamLastOK; ++i) IsamInsertKey(fb, 2, i + 1, "key" + std::to_string(1000 + i));
  IsamCloseFileBlock(fb);
  const std::string ix = ReadRawFile(dir / "S.IX");
  const RecordFileImage img = ReadRecordFile(dir / "S");
  ASSERT_GE(img.keys[1].pages, 3);
  EXPECT_EQ(img.slotSize, 4166);
  EXPECT_EQ(ix.size() % 4166, 0u);
  const size_t at = 3 * 4166 + 1122;
  const Word count = static_cast<Word>(static_cast<unsigned char>(ix[at]) | static_cast<unsigned char>(ix[at + 1]) << 8);
  // The first root split allocates the new leaf (page 2), then the new root (page 3).
  ASSERT_EQ(img.keys[1].root, 3);
  EXPECT_EQ(count, img.keys[1].levelCounts[0][0]);
  // The key bytes after a text's length are zeros in entries this engine wrote.
  const size_t firstEntry = at + 6;
  const size_t len = static_cast<unsigned char>(ix[firstEntry + 8]);
  EXPECT_EQ(ix.substr(firstEntry + 9 + len, 40 - len), std::string(40 - len, '\0'));
}

TEST(RecordFileFormat, ShortestRecordHoldsOnlyTheHeader) {
  TempFolder dir;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "R", 21, {}));
  IsamFileBlock* fb = OpenFile(dir / "R");
  ASSERT_NE(fb, nullptr);
  Integer ref = 0;
  IsamAddRecord(fb, ref, MakeRecord(21, "first").data());
  EXPECT_EQ(ref, 1);
  IsamCloseFileBlock(fb);
  EXPECT_EQ(FileSize(dir / "R.IX"), -1);
  EXPECT_EQ(ReadRawFile(dir / "R.DAT").substr(21), MakeRecord(21, "first"));
}
}  // namespace
