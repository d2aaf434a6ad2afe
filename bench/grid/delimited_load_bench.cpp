// Loading a delimited file into the string grid against splitting it plainly, in one run with the
// two sides alternating: a 100,000-row, 30-column code page 874 file (Thai and Latin, some quoted
// fields holding commas), loaded with Clear and LoadCSVFile, and split by reading the whole file
// into memory, cutting lines at LF and fields at the comma, each field copied into a string.
// Counters: grid rows/s and MB/s, the split's, and the ratio of their times.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "grid/pro_string_grid.h"
#include "platform/core/cp874.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 30;

std::string FileName() {
  const char* tmp = std::getenv("TMPDIR");
  return std::string(tmp != nullptr ? tmp : "/tmp") + "/delimited_load_bench.csv";
}

// Writes the file once per run; its size in bytes.
std::size_t WriteFile(const std::string& Path) {
  const std::string thai[] = {std::string("สมชาย ใจดี"_cp874), std::string("ฝ่ายบัญชี"_cp874),
                              std::string("กรุงเทพมหานคร"_cp874)};
  std::string text;
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kCols; ++col) {
      if (col > 0) text += ',';
      switch (col % 6) {
        case 0:
          text += "E" + std::to_string(100000 + row);
          break;
        case 1:
          text += thai[(row + col) % 3];
          break;
        case 2:
          text += std::to_string((row * 37 + col) % 100000) + ".25";
          break;
        case 3:
          text += row % 4 == 0 ? "\"Bangkok, Thailand\"" : "Chiang Mai";
          break;
        case 4:
          text += thai[row % 3] + " " + std::to_string(col);
          break;
        default:
          text += "note " + std::to_string(row % 97);
          break;
      }
    }
    text += "\r\n";
  }
  std::ofstream(Path, std::ios::binary) << text;
  return text.size();
}

// The plain split: the whole file in memory, lines at LF, fields at the comma.
std::size_t SplitPlainly(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  std::vector<std::string> fields;
  std::size_t count = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t field = start;
    for (std::size_t i = start; i <= end; ++i) {
      if (i < end && text[i] != ',') continue;
      fields.emplace_back(text, field, i - field);
      field = i + 1;
    }
    count += fields.size();
    fields.clear();
    start = end + 1;
  }
  return count;
}

void BM_LoadCSVFileAgainstPlainSplit(benchmark::State& state) {
  const std::string path = FileName();
  const std::size_t bytes = WriteFile(path);
  TProStringGrid grid(nullptr);
  double gridSeconds = 0;
  double splitSeconds = 0;
  using Clock = std::chrono::steady_clock;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    grid.Clear();
    grid.LoadCSVFile(path, -1);
    const auto t1 = Clock::now();
    benchmark::DoNotOptimize(SplitPlainly(path));
    const auto t2 = Clock::now();
    gridSeconds += std::chrono::duration<double>(t1 - t0).count();
    splitSeconds += std::chrono::duration<double>(t2 - t1).count();
    if (grid.RowCount() != kRows || grid.ColCount() != kCols) state.SkipWithError("the grid did not load the file");
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["grid_rows_per_s"] = kRows * n / gridSeconds;
  state.counters["grid_MB_per_s"] = bytes * n / gridSeconds / 1e6;
  state.counters["split_rows_per_s"] = kRows * n / splitSeconds;
  state.counters["split_MB_per_s"] = bytes * n / splitSeconds / 1e6;
  state.counters["ratio"] = gridSeconds / splitSeconds;
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadCSVFileAgainstPlainSplit)->Unit(benchmark::kMillisecond)->Iterations(5);

}   // namespace
