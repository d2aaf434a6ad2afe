// The whole tool against the engine alone, like for like, alternating in one run.  Each iteration:
//   tool    payroll-import (this build's) plays a script headless in a fresh program folder: chooses
//           a new company, loads a generated file of 10,000 employees and imports it; the whole
//           process is timed (start-up, the company's files created, the file loaded into the grid,
//           a key search and an add with five keys per row, write-back and close);
//   engine  the same 10,000 records, read back from the tool's PRFILE01, are added to a fresh
//           PRFILE01 with the engine in network mode 2: per record the file block is locked, the
//           record and its five keys (BuildEmployeeKey) added, the lock released.
// Neither side flushes on its own (the tool's FlushAfterChange is off); both write into the page
// cache.  Counters: tool_s and engine_s (each side's median over the iterations, in seconds) and
// ratio = tool_s / engine_s; tool_cpu_s, engine_cpu_s and cpu_ratio the same for the processor
// time (user and system: the tool's whole process with its threads, the engine's adding thread),
// which a loaded machine disturbs less than the wall time.
//
// PR_IMPORT_BENCH_BEFORE may name another build of payroll-import (a copy kept from before a
// change): each iteration then also runs it on the same work, just before this build's tool, and
// before_s (its median), before_ratio (before_s / engine_s), before_cpu_s and before_cpu_ratio
// compare the two in one run.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/employee_keys.h"
#include "platform/core/cp874.h"
#include "suite/isam/isam_engine.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kEmployees = 10000;
constexpr Integer kRecordLength = 2567;
constexpr KeyTableEntry kEmployeeKeys[] = {{9, 0}, {11, 0}, {26, 1}, {40, 1}, {20, 1}};

const fs::path kSystemTemp = fs::temp_directory_path();

// The middle value of an odd number of iterations (the benchmark runs three).
double Middle(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

std::string Thai(const char8_t* text) { return Utf8ToCp874(reinterpret_cast<const char*>(text)); }

// 26 columns: the titles, then one row per employee with every kind of column filled.
void WriteImportFile(const fs::path& path) {
  std::ofstream out(path, std::ios::binary);
  out << Thai(u8"รหัสพนักงาน") << ",name,a2,a3,a4," << Thai(u8"ชื่อภาษาอังกฤษ") << ",c6,c7,"
      << Thai(u8"ตำแหน่ง") << ",c9,c10,c11,c12,c13,c14,c15,c16,c17,c18,c19,c20,c21,c22,c23,c24,c25\r\n";
  const std::string names[] = {Thai(u8"สมชาย ใจดี"), Thai(u8"สมหญิง รักงาน"), Thai(u8"ประเสริฐ มั่นคง")};
  for (int i = 1; i <= kEmployees; ++i) {
    char code[16];
    std::snprintf(code, sizeof code, "E%05d", i);
    out << code << "," << names[i % 3] << " " << i << ",101 Road,District,Bangkok 10110,Employee " << i << ","
        << 1 + i % 2 << "," << 1 + i % 60 << ",Position " << i % 17 << ",1,0,1,1,1,0,ID" << i << ",BANK" << i
        << ",CARD" << i << ",SSO" << i << ",15/03/25,01/06/55,,,Y," << 15000 + i << ".50,0\r\n";
  }
}

double Seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Times {
  double wall = -1;   // -1: the run failed
  double cpu = 0;
};

// One run of the tool in a fresh program folder; its wall and processor times in seconds.
Times RunTool(const fs::path& root, const fs::path& importFile, const char* tool) {
  const fs::path program = root / "program", company = root / "company";
  for (const fs::path& dir : {program, company, root / "config", root / "tmp"}) fs::create_directories(dir);
  std::ofstream(company / "PRINFO.DAT", std::ios::binary);
  std::ofstream(program / "USERDRV.INI", std::ios::binary) << "Bench;" << company.string() << "\r\n";
  std::ofstream(program / "import.script") << "select Grid1 1\nclick Btn_Select\nkey Ctrl+Enter\nfile "
                                           << importFile.string() << "\nclick kxButton1\nanswer OK\n";
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(program.c_str()) != 0) _exit(126);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    setenv("TMPDIR", (root / "tmp").c_str(), 1);
    setenv("PR_UI_SCRIPT", (program / "import.script").c_str(), 1);
    setenv("PR_UI_TRANSCRIPT", (program / "transcript.txt").c_str(), 1);
    setenv("PR_UI_SCRIPT_TIMEOUT", "600", 1);
    execl(tool, tool, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  return {seconds, Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
}

// The records of a record file, in reference order.
std::vector<std::string> ReadRecords(const fs::path& name) {
  IsamInit(2, 500);
  IsamFileBlock* fb = nullptr;
  IsamOpenFileBlock(fb, name.string(), false, false, false, true);
  std::vector<std::string> records;
  std::string record(kRecordLength, '\0');
  for (Integer ref = 1; IsamLastOK; ++ref) {
    IsamReadRecord(fb, ref, record.data(), false);
    if (IsamLastOK) records.push_back(record);
  }
  IsamCloseFileBlock(fb);
  IsamExit();
  return records;
}

// The records added to a fresh file by the engine in network mode, the file block locked per add;
// the wall and processor times in seconds.
Times AddWithEngine(const fs::path& name, const std::vector<std::string>& records) {
  IsamInit(2, 500);
  IsamCreateFileBlock(name.string(), kRecordLength, 5, kEmployeeKeys);
  IsamFileBlock* fb = nullptr;
  IsamOpenFileBlock(fb, name.string(), false, false, false, true);
  const auto start = Clock::now();
  const double cpuStart = ThreadCpuSeconds();
  for (const std::string& record : records) {
    IsamLockFileBlock(fb);
    Integer ref = 0;
    IsamAddRecord(fb, ref, record.data());
    for (SmallInt key = 1; key <= 5; ++key) IsamInsertKey(fb, key, ref, BuildEmployeeKey(record.data(), key));
    IsamUnlockFileBlock(fb);
  }
  const Times times{std::chrono::duration<double>(Clock::now() - start).count(), ThreadCpuSeconds() - cpuStart};
  const bool ok = IsamLastOK;
  IsamCloseFileBlock(fb);
  IsamExit();
  return ok ? times : Times{};
}

void BM_ImportTenThousandEmployees(benchmark::State& state) {
  std::string pattern = (kSystemTemp / "pr-import-bench-XXXXXX").string();
  const fs::path root = mkdtemp(pattern.data());
  const fs::path importFile = root / "employees.csv";
  WriteImportFile(importFile);
  const char* before = std::getenv("PR_IMPORT_BENCH_BEFORE");
  std::vector<double> beforeTimes, toolTimes, engineTimes, toolCpu, engineCpu, beforeCpu;
  int run = 0;
  for (auto _ : state) {
    const fs::path folder = root / ("run" + std::to_string(run++));
    if (before != nullptr) {
      state.PauseTiming();
      const Times beforeRun = RunTool(folder / "before", importFile, before);
      beforeTimes.push_back(beforeRun.wall);
      beforeCpu.push_back(beforeRun.cpu);
      state.ResumeTiming();
    }
    const Times toolRun = RunTool(folder, importFile, PAYROLL_IMPORT_TOOL);
    const double tool = toolRun.wall;
    state.PauseTiming();
    const std::vector<std::string> records = ReadRecords(folder / "company/PRFILE01");
    state.ResumeTiming();
    fs::create_directories(folder / "engine");
    const Times engineRun = AddWithEngine(folder / "engine/PRFILE01", records);
    const double engine = engineRun.wall;
    const bool beforeFailed = !beforeTimes.empty() && beforeTimes.back() < 0;
    if (tool < 0 || engine < 0 || beforeFailed || records.size() != std::size_t(kEmployees)) {
      const std::string why = std::string(beforeFailed ? "the earlier build failed; " : "") + "a run failed: tool " +
                              std::to_string(tool) + " s, engine " + std::to_string(engine) +
                              " s, " + std::to_string(records.size()) + " records read back";
      state.SkipWithError(why.c_str());
      std::ifstream transcript(folder / "program/transcript.txt");
      std::string line;
      while (std::getline(transcript, line)) std::fprintf(stderr, "%s\n", line.c_str());
      break;
    }
    toolTimes.push_back(tool);
    engineTimes.push_back(engine);
    toolCpu.push_back(toolRun.cpu);
    engineCpu.push_back(engineRun.cpu);
    state.SetIterationTime(tool + engine);
    fs::remove_all(folder);
  }
  if (!engineTimes.empty()) {
    const double tool = Middle(toolTimes), engine = Middle(engineTimes);
    state.counters["tool_s"] = tool;
    state.counters["engine_s"] = engine;
    state.counters["ratio"] = tool / engine;
    state.counters["tool_cpu_s"] = Middle(toolCpu);
    state.counters["engine_cpu_s"] = Middle(engineCpu);
    state.counters["cpu_ratio"] = Middle(toolCpu) / Middle(engineCpu);
    if (!beforeTimes.empty()) {
      state.counters["before_s"] = Middle(beforeTimes);
      state.counters["before_ratio"] = Middle(beforeTimes) / engine;
      state.counters["before_cpu_s"] = Middle(beforeCpu);
      state.counters["before_cpu_ratio"] = Middle(beforeCpu) / Middle(engineCpu);
    }
  }
  fs::remove_all(root);
}
BENCHMARK(BM_ImportTenThousandEmployees)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

}  // namespace
