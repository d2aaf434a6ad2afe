// Sorting the string grid against std::sort of the same keys, in one run with the two sides
// alternating: 100,000 rows x 10 columns, sorted by a text column (ssAlphabetic, byte-wise) and by
// a number column (ssNumeric; std::sort reads each text as a number at every comparison, the grid,
// without display hooks, once per row).
// Before each round the grid is refilled with the same shuffled rows and the vector with the
// column's texts (neither timed); one untimed sort before the rounds lets the grid's store grow
// once for the scratch rows.  Counters: each side's milliseconds per sort and their ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "grid/pro_string_grid.h"
#include "grid/sort_settings.h"
#include "platform/core/float_text.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;
constexpr Integer kTextCol = 1;
constexpr Integer kNumberCol = 2;

std::vector<std::vector<std::string>> MakeRows() {
  std::mt19937 random(42);
  std::vector<std::vector<std::string>> rows(kRows, std::vector<std::string>(kCols));
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kCols; ++col) rows[row][col] = "c" + std::to_string(col) + "-" + std::to_string(row % 1000);
    rows[row][kTextCol] = "name " + std::to_string(random() % 50000) + " " + std::to_string(random() % 100);
    rows[row][kNumberCol] =
        std::to_string(static_cast<int>(random() % 2000000) - 1000000) + "." + std::to_string(random() % 100);
  }
  return rows;
}

void FillGrid(TProStringGrid& Grid, const std::vector<std::vector<std::string>>& Rows) {
  Grid.SetRowCount(kRows + 1);
  for (int row = 0; row < kRows; ++row)
    for (int col = 0; col < kCols; ++col) Grid.SetRawCellText(col, row + 1, Rows[row][col]);
}

double ReadNumber(const std::string& Text) {
  double value = 0;
  Integer code = 0;
  Val(Text, value, code);
  return code == 0 ? value : 0;
}

struct Sides {
  double grid = 0;
  double plain = 0;
};

void RunSorts(benchmark::State& state, Integer Column, bool Numeric) {
  const auto rows = MakeRows();
  TProStringGrid grid(nullptr);
  grid.SetColCount(kCols);
  grid.SortSettings()->SetColumn(Column);
  grid.SortSettings()->SetAutoFormat(false);
  grid.SortSettings()->SetFull(false);
  if (Numeric)
    grid.OnGetFormat = [](TObject*, Integer, TSortStyle& style, std::string&, std::string&) { style = ssNumeric; };
  std::vector<std::string> keys(kRows);
  // One untimed sort first: the store grows once for the scratch rows and keeps that room.
  FillGrid(grid, rows);
  grid.SortByColumn();
  Sides seconds;
  using Clock = std::chrono::steady_clock;
  for (auto _ : state) {
    FillGrid(grid, rows);
    for (int row = 0; row < kRows; ++row) keys[row] = rows[row][Column];
    const auto t0 = Clock::now();
    grid.SortByColumn();
    const auto t1 = Clock::now();
    if (Numeric)
      std::sort(keys.begin(), keys.end(),
                [](const std::string& a, const std::string& b) { return ReadNumber(a) < ReadNumber(b); });
    else
      std::sort(keys.begin(), keys.end(), [](const std::string& a, const std::string& b) { return a.compare(b) < 0; });
    const auto t2 = Clock::now();
    seconds.grid += std::chrono::duration<double>(t1 - t0).count();
    seconds.plain += std::chrono::duration<double>(t2 - t1).count();
    if (grid.GetCellText(Column, 1) != keys.front() && !Numeric) state.SkipWithError("the grid's first key differs");
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["grid_ms"] = seconds.grid * 1000 / n;
  state.counters["std_sort_ms"] = seconds.plain * 1000 / n;
  state.counters["ratio"] = seconds.grid / seconds.plain;
}

void BM_SortTextColumn(benchmark::State& state) { RunSorts(state, kTextCol, false); }
void BM_SortNumberColumn(benchmark::State& state) { RunSorts(state, kNumberCol, true); }

BENCHMARK(BM_SortTextColumn)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortNumberColumn)->Unit(benchmark::kMillisecond)->Iterations(3);

}   // namespace
