// What the data-file wrapper adds to the engine: adding a record with five keys through
// AddDataRecord (file-block lock, add, five inserts, unlock) against the same engine calls made
// directly, and an exact search through FindDataKey against IsamFindKey.  Network mode, no flush
// after each change (as the payroll tool runs), files in the page cache.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "suite/data_file.h"
#include "suite/isam/isam_engine.h"

namespace {

namespace fs = std::filesystem;

constexpr Integer kLength = 200;
constexpr KeyTableEntry kKeys[] = {{9, 0}, {11, 0}, {26, 1}, {40, 1}, {20, 1}};
constexpr Integer kKeyCount = 5;
using Record = std::array<Byte, kLength>;

// Key k of record n: a text unique per record for the two unique keys, shared by ten for the rest.
std::string KeyOf(Integer n, Integer k) {
  char text[48];
  std::snprintf(text, sizeof text, k <= 2 ? "%d%08d" : "%d-group-%06d", k, k <= 2 ? n : n / 10);
  return text;
}

Record MakeRecord(Integer n) {
  Record r{};
  r[4] = static_cast<Byte>(n & 0xFF);
  r[5] = static_cast<Byte>((n >> 8) & 0xFF);
  r[6] = static_cast<Byte>((n >> 16) & 0xFF);
  return r;
}

Integer NumberOf(const void* record) {
  const auto* r = static_cast<const Byte*>(record);
  return r[4] | r[5] << 8 | r[6] << 16;
}

std::string BuildKey(const void* record, SmallInt keyNo) { return KeyOf(NumberOf(record), keyNo); }

struct Engine {
  fs::path folder;
  IsamFileBlock* fb = nullptr;

  Engine() {
    std::string pattern = (fs::temp_directory_path() / "pr-bench-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    SaveModeSwitch = false;
    FlushAfterChange = false;
    IsamInit(2, 500);
    const std::string name = (folder / "BENCH").string();
    IsamCreateFileBlock(name, kLength, kKeyCount, kKeys);
    IsamOpenFileBlock(fb, name, false, false, false, true);
  }
  ~Engine() {
    IsamCloseFileBlock(fb);
    IsamExit();
    fs::remove_all(folder);
  }
};

void BM_AddThroughWrapper(benchmark::State& state) {
  Engine engine;
  Integer n = 0;
  for (auto _ : state) {
    const Record r = MakeRecord(n++);
    Integer ref = 0;
    AddDataRecord(engine.fb, BuildKey, kKeyCount, ref, r.data());
    if (!DataFileCallOK) state.SkipWithError("add failed");
  }
}
BENCHMARK(BM_AddThroughWrapper)->Iterations(20000);

void BM_AddDirectly(benchmark::State& state) {
  Engine engine;
  Integer n = 0;
  for (auto _ : state) {
    const Record r = MakeRecord(n++);
    Integer ref = 0;
    IsamLockFileBlock(engine.fb);
    IsamAddRecord(engine.fb, ref, r.data());
    for (Integer k = 1; k <= kKeyCount; ++k) IsamInsertKey(engine.fb, k, ref, BuildKey(r.data(), static_cast<SmallInt>(k)));
    IsamUnlockFileBlock(engine.fb);
  }
}
BENCHMARK(BM_AddDirectly)->Iterations(20000);

void Fill(Engine& engine, Integer count) {
  for (Integer n = 0; n < count; ++n) {
    const Record r = MakeRecord(n);
    Integer ref = 0;
    AddDataRecord(engine.fb, BuildKey, kKeyCount, ref, r.data());
  }
}

void BM_FindThroughWrapper(benchmark::State& state) {
  Engine engine;
  Fill(engine, 20000);
  Integer n = 0;
  for (auto _ : state) {
    Integer ref = 0;
    FindDataKey(engine.fb, 1, ref, KeyOf(n++ % 20000, 1));
    benchmark::DoNotOptimize(ref);
  }
}
BENCHMARK(BM_FindThroughWrapper);

void BM_FindDirectly(benchmark::State& state) {
  Engine engine;
  Fill(engine, 20000);
  Integer n = 0;
  for (auto _ : state) {
    Integer ref = 0;
    IsamFindKey(engine.fb, 1, ref, KeyOf(n++ % 20000, 1));
    benchmark::DoNotOptimize(ref);
  }
}
BENCHMARK(BM_FindDirectly);

}  // namespace
