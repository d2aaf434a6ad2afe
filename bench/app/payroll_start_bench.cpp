// How long the payroll tool's start and close take for one company folder: a new company (every
// record file created, the settings files written, the default tax record added) and a company
// whose files exist (everything opened, read, re-read at close; nothing written on a second run
// the same day).  The engine runs in network mode as in the tool; files live in the page cache.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/payroll_start.h"
#include "platform/os/drive_map.h"
#include "suite/program_end.h"
#include "suite/suite_folders.h"
#include "suite/user_interface.h"

namespace {

namespace fs = std::filesystem;

class QuietInterface final : public SuiteUserInterface {
 public:
  void ShowMessageKind(Integer, const std::string&) override {}
  bool AskYesNo(Integer, const std::string&) override { return false; }
  void ShowWait() override {}
  void CloseWait() override {}
  void ShowProgressText(const std::string&) override {}
  bool AskRestoreCopy(const std::string&, const std::string&, const std::string&) override { return false; }
  void Beep() override {}
  void ShowPlainMessage(const std::string&) override {}
};

// The system's temporary folder, before the benchmark points TMPDIR into its own folders.
const fs::path kSystemTemp = fs::temp_directory_path();

struct Folders {
  fs::path root;
  QuietInterface ui;

  Folders() {
    std::string pattern = (kSystemTemp / "pr-bench-XXXXXX").string();
    root = mkdtemp(pattern.data());
    for (const char* dir : {"program", "config", "temp", "drive_c"}) fs::create_directory(root / dir);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    setenv("TMPDIR", (root / "temp").c_str(), 1);
    fs::current_path(root / "program");
    InitSuiteFolders();
    SetDriveMapping('C', (root / "drive_c").string());
    SetSuiteUserInterface(&ui);
  }
  ~Folders() {
    SetSuiteUserInterface(nullptr);
    fs::current_path(kSystemTemp);
    fs::remove_all(root);
  }
  // A company folder holding an empty PRINFO.DAT.
  fs::path NewCompany(const std::string& name) const {
    const fs::path company = root / name;
    fs::remove_all(company);
    fs::create_directory(company);
    std::ofstream(company / "PRINFO.DAT", std::ios::binary);
    return company;
  }
};

void RunOnce(benchmark::State& state, const fs::path& company) {
  ResetProgramEnd();
  if (!StartPayrollCompany(company.string())) state.SkipWithError("start failed");
  ClosePayrollCompany();
}

void BM_StartAndCloseNewCompany(benchmark::State& state) {
  Folders folders;
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path company = folders.NewCompany("company" + std::to_string(n++ % 4));
    state.ResumeTiming();
    RunOnce(state, company);
  }
}
BENCHMARK(BM_StartAndCloseNewCompany)->Unit(benchmark::kMillisecond);

void BM_StartAndCloseExistingCompany(benchmark::State& state) {
  Folders folders;
  const fs::path company = folders.NewCompany("company");
  RunOnce(state, company);
  for (auto _ : state) RunOnce(state, company);
}
BENCHMARK(BM_StartAndCloseExistingCompany)->Unit(benchmark::kMillisecond);

}  // namespace
