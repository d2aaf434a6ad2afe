// Using a possibly damaged record file in every mode.
#include "damaged_file_use.h"

#include <unistd.h>

#include <set>
#include <sstream>

#include "isam_test_support.h"
#include "suite/isam/isam_check.h"
#include "suite/isam/isam_dump.h"

namespace {
struct Mode {
  Byte engine;   // 0 single station, 2 network
  bool save;
  bool network;
};
constexpr Mode kModes[] = {{0, false, false}, {0, true, false}, {2, false, true}};

class Use {
 public:
  explicit Use(std::vector<Integer>& codes) : codes_(codes) {}

  void Run(const std::string& base, const Mode& mode) {
    EngineScope engine(mode.engine, 8);
    IsamOpenFileBlock(fb_, base, false, false, mode.save, mode.network);
    if (!Note()) return;
    IsamLockFileBlock(fb_);
    if (Note()) {
      ReadRecords();
      for (Integer k = 1; k <= IsamKeyCount(fb_); ++k) WalkKey(k);
      AddRecord();
      RemoveFirst();
      IsamUnlockFileBlock(fb_);
      Note();
    }
    IsamFlushFileBlock(fb_);
    Note();
    IsamCloseFileBlock(fb_);
    Note();
  }

 private:
  bool Note() {
    if (!IsamLastOK) codes_.push_back(IsamErrorCode);
    return IsamLastOK;
  }

  void ReadRecords() {
    std::string record(static_cast<size_t>(IsamRecordLength(fb_)), '\0');
    for (Integer ref = 0; ref <= 12; ++ref) {
      IsamReadRecord(fb_, ref, record.data(), true);
      Note();
    }
  }

  // Steps through the first entries of key k and searches for the first one found.
  void WalkKey(Integer k) {
    IsamClearKey(fb_, k);
    Note();
    Integer ref = 0;
    std::string text;
    for (int i = 0; i < 100; ++i) {
      IsamNextKey(fb_, k, ref, text);
      if (!Note()) break;
      if (i == 0) first_.push_back({k, ref, text});
    }
    if (first_.empty() || first_.back().key != k) return;
    IsamFindKey(fb_, k, ref, first_.back().text);
    Note();
  }

  void AddRecord() {
    Integer ref = 0;
    IsamAddRecord(fb_, ref, MakeRecord(IsamRecordLength(fb_), "added").data());
    if (!Note()) return;
    for (Integer k = 1; k <= IsamKeyCount(fb_); ++k)
      for (char c = '0'; c < '4'; ++c) {
        IsamInsertKey(fb_, k, ref, c + std::string(static_cast<size_t>(IsamKeyLength(fb_, k) - 1), 'N'));
        Note();
      }
  }

  void RemoveFirst() {
    for (const Entry& e : first_) {
      IsamRemoveKey(fb_, e.key, e.ref, e.text);
      Note();
    }
    if (first_.empty()) return;
    IsamFreeRecord(fb_, first_.front().ref);
    Note();
  }

  struct Entry {
    Integer key, ref;
    std::string text;
  };
  std::vector<Integer>& codes_;
  IsamFileBlock* fb_ = nullptr;
  std::vector<Entry> first_;
};

void CheckAndDump(const std::string& base) {
  IsamCheckFile(base);
  std::ostringstream out;
  DumpRecordFile(base, out);
}
}  // namespace

void WriteRecordFile(const std::string& base, const RecordFileBytes& files) {
  const std::pair<const char*, const std::string*> parts[] = {
      {".DAT", &files.dat}, {".IX", &files.ix}, {".DIA", &files.dia}};
  for (const auto& [ext, bytes] : parts) {
    if (bytes->empty()) unlink((base + ext).c_str());
    else WriteRawFile(base + ext, *bytes);
  }
}

RecordFileBytes ReadRecordFileBytes(const std::string& base) {
  return {ReadRawFile(base + ".DAT"), ReadRawFile(base + ".IX"), ReadRawFile(base + ".DIA")};
}

std::vector<Integer> UseRecordFile(const std::string& base, const RecordFileBytes& files) {
  FaultEnv env;   // no faults: only the commits skip the disk, which nothing here needs
  std::vector<Integer> codes;
  WriteRecordFile(base, files);
  CheckAndDump(base);
  for (const Mode& mode : kModes) {
    WriteRecordFile(base, files);
    Use(codes).Run(base, mode);
    CheckAndDump(base);
  }
  return codes;
}

bool ExpectedForDamage(Integer code) {
  static const std::set<Integer> expected = {
      9903,                         // a data file cut to nothing is no file
      10001, 10002, 10003, 10004,   // a save-mode operation failed (on damage) and was undone
      10010, 10020, 10060, 10070, 10075, 10120, 10121, 10122, 10170, 10180,
      10135, 10200, 10220, 10230, 10250,   // refusals and misses of the calls themselves
  };
  return expected.count(code) != 0;
}
