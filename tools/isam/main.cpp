// isam: a command-line tool over the record-file engine, for tests and people.  Its whole usage is
// kUsage below, which --help prints (exit 0) and wrong usage prints to the standard error (exit 2).
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/os/random.h"
#include "suite/isam/isam_check.h"
#include "suite/isam/isam_dump.h"
#include "suite/isam/isam_engine.h"
#include "suite/isam/isam_error_text.h"
#include "suite/lock_retry.h"
#include "tools/isam/record_texts.h"

namespace {
struct Options {
  bool net = false;
  bool save = false;
};

constexpr const char* kUsage =
    "usage: isam [--net] [--save] create FILE RECLEN LEN:DUP...\n"
    "       isam [--net] [--save] add FILE KEY1 [KEY2 ...]      prints the new record number\n"
    "       isam [--net] [--save] find FILE KEYNO TEXT          prints the record number\n"
    "       isam [--net] [--save] list FILE KEYNO               prints \"text<TAB>ref\" in key order\n"
    "       isam [--net] [--save] delete FILE REF               frees a record and its keys\n"
    "       isam dump FILE | isam check FILE | isam --help\n"
    "\n"
    "Arguments are UTF-8 and become code page 874 texts.  --net starts the engine in network mode 2\n"
    "and retries lock conflicts (error class 2) as the suite's wrapper does: silently for a bounded\n"
    "time, pausing between attempts, then giving up; --save opens in save mode.  Exit 0 on success;\n"
    "otherwise the engine's error number and text go to the standard error and the exit code is 1\n"
    "(2 for wrong usage).\n";

int Usage() {
  std::cerr << kUsage;
  return 2;
}

int Failed(const std::string& what) {
  std::cerr << "isam: " << what << ": error " << IsamErrorCode << ": " << IsamErrorText(IsamErrorCode) << "\n";
  return 1;
}

// Repeats `op` while it meets another station's lock, for as long as the wrapper retries silently
// (network mode only).
void WithRetry(const Options& o, const std::function<void()>& op) {
  do op();
  while (o.net && LockRetryQuestion(false));
}

class Session {
 public:
  Session(const Options& o, const std::string& name) : o_(o) {
    IsamInit(o.net ? 2 : 0, 500);
    if (!IsamLastOK) return;
    WithRetry(o, [&] { IsamOpenFileBlock(fb_, name, false, false, o.save, o.net); });
  }
  ~Session() {
    if (fb_) IsamCloseFileBlock(fb_);
    IsamExit();
  }
  bool Ok() const { return fb_ != nullptr; }
  IsamFileBlock* fb() const { return fb_; }
  const Options& options() const { return o_; }

 private:
  Options o_;
  IsamFileBlock* fb_ = nullptr;
};

int Create(const std::vector<std::string>& a) {
  if (a.size() < 2) return Usage();
  std::vector<KeyTableEntry> keys;
  for (size_t i = 2; i < a.size(); ++i) {
    const auto colon = a[i].find(':');
    if (colon == std::string::npos) return Usage();
    keys.push_back({static_cast<Byte>(std::atoi(a[i].c_str())), static_cast<Byte>(std::atoi(a[i].c_str() + colon + 1))});
  }
  IsamInit(0, 8);
  IsamCreateFileBlock(a[0], std::atoi(a[1].c_str()), static_cast<Word>(keys.size()), keys.data());
  const bool ok = IsamLastOK;
  const Integer code = IsamErrorCode;
  IsamExit();
  if (ok) return 0;
  IsamForceError(code);
  return Failed("create");
}

// Removes keys 1..texts.size() of record `ref`; a key that is not there is skipped.
bool RemoveKeys(IsamFileBlock* fb, Integer ref, const std::vector<std::string>& texts) {
  for (size_t k = 0; k < texts.size(); ++k) {
    IsamRemoveKey(fb, static_cast<Integer>(k + 1), ref, texts[k]);
    if (!IsamLastOK && IsamErrorCode != 10220) return false;
  }
  IsamClearStatus();
  return true;
}

int Add(Session& s, const std::vector<std::string>& texts) {
  IsamFileBlock* fb = s.fb();
  if (static_cast<Integer>(texts.size()) > IsamKeyCount(fb)) {
    std::cerr << "isam: add: " << texts.size() << " key texts for a file with " << IsamKeyCount(fb) << " keys\n";
    return 2;
  }
  std::string record;
  if (!BuildRecord(texts, IsamRecordLength(fb), record)) {
    std::cerr << "isam: add: the key texts do not fit in a record of " << IsamRecordLength(fb) << " bytes\n";
    return 1;
  }
  WithRetry(s.options(), [&] { IsamLockFileBlock(fb); });
  if (!IsamLastOK) return Failed("add: lock");
  Integer ref = 0;
  IsamAddRecord(fb, ref, record.data());
  if (!IsamLastOK) {
    const int rc = Failed("add");
    IsamUnlockFileBlock(fb);
    return rc;
  }
  for (size_t k = 0; k < texts.size(); ++k) {
    IsamInsertKey(fb, static_cast<Integer>(k + 1), ref, texts[k]);
    if (IsamLastOK) continue;
    const int rc = Failed("add: key " + std::to_string(k + 1));
    const Integer code = IsamErrorCode;
    RemoveKeys(fb, ref, std::vector<std::string>(texts.begin(), texts.begin() + static_cast<long>(k)));
    IsamFreeRecord(fb, ref);
    IsamUnlockFileBlock(fb);
    IsamForceError(code);
    return rc;
  }
  IsamUnlockFileBlock(fb);
  if (!IsamLastOK) return Failed("add: unlock");
  std::cout << ref << "\n";
  return 0;
}

int Find(Session& s, const std::vector<std::string>& a) {
  Integer ref = 0;
  WithRetry(s.options(), [&] { IsamFindKey(s.fb(), std::atoi(a[0].c_str()), ref, a[1]); });
  if (!IsamLastOK) return Failed("find");
  std::cout << ref << "\n";
  return 0;
}

int List(Session& s, Integer keyNo) {
  IsamClearKey(s.fb(), keyNo);
  if (!IsamLastOK) return Failed("list");
  Integer ref = 0;
  std::string text;
  for (;;) {
    WithRetry(s.options(), [&] { IsamNextKey(s.fb(), keyNo, ref, text); });
    if (!IsamLastOK) break;
    std::cout << Cp874ToUtf8(text) << "\t" << ref << "\n";
  }
  if (IsamErrorCode == 10250) return 0;
  return Failed("list");
}

int Delete(Session& s, Integer ref) {
  IsamFileBlock* fb = s.fb();
  std::string record(static_cast<size_t>(IsamRecordLength(fb)), '\0');
  WithRetry(s.options(), [&] { IsamLockFileBlock(fb); });
  if (!IsamLastOK) return Failed("delete: lock");
  IsamReadRecord(fb, ref, record.data(), true);
  if (IsamLastOK && (ref < 1 || record.compare(0, 4, std::string(4, '\0')) != 0)) {
    IsamUnlockFileBlock(fb);
    std::cerr << "isam: delete: record " << ref << " is not in use\n";
    return 1;
  }
  if (IsamLastOK) RemoveKeys(fb, ref, RecordTexts(record, IsamKeyCount(fb)));
  if (IsamLastOK) IsamFreeRecord(fb, ref);
  if (!IsamLastOK) {
    const int rc = Failed("delete");
    IsamUnlockFileBlock(fb);
    return rc;
  }
  IsamUnlockFileBlock(fb);
  return IsamLastOK ? 0 : Failed("delete: unlock");
}

int Check(const std::string& name) {
  const IsamCheckReport report = IsamCheckFile(name);
  for (const auto& n : report.notes) std::cout << "note: " << n << "\n";
  for (const auto& p : report.problems) std::cout << "problem: " << p << "\n";
  std::cout << (report.Ok() ? "ok" : std::to_string(report.problems.size()) + " problem(s)") << "\n";
  return report.Ok() ? 0 : 1;
}

int Run(const Options& o, const std::string& cmd, const std::vector<std::string>& a) {
  if (cmd == "create") return Create(a);
  if (cmd == "dump") return DumpRecordFile(a[0], std::cout) ? 0 : (std::cerr << "isam: dump: cannot read " << a[0] << "\n", 1);
  if (cmd == "check") return Check(a[0]);
  const std::vector<std::string> rest(a.begin() + 1, a.end());
  if ((cmd == "find" && rest.size() != 2) || ((cmd == "list" || cmd == "delete") && rest.size() != 1) ||
      (cmd == "add" && rest.empty()))
    return Usage();
  if (cmd != "add" && cmd != "find" && cmd != "list" && cmd != "delete") return Usage();
  Session s(o, a[0]);
  if (!s.Ok()) return Failed("open " + a[0]);
  if (cmd == "add") return Add(s, rest);
  if (cmd == "find") return Find(s, rest);
  if (cmd == "list") return List(s, std::atoi(rest[0].c_str()));
  return Delete(s, std::atoi(rest[0].c_str()));
}
}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--help") {
    std::cout << kUsage;
    return 0;
  }
  Options o;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--net") o.net = true;
    else if (arg == "--save") o.save = true;
    else break;
  }
  if (argc - i < 2) return Usage();
  Randomize();
  const std::string cmd = argv[i];
  std::vector<std::string> args;
  for (int j = i + 1; j < argc; ++j) args.push_back(Utf8ToCp874(argv[j]));
  return Run(o, cmd, args);
}
