// The condition matcher: a condition full of "*" against a long cell (fifteen "*a" then "b"
// against 1,000 "a"), and one condition over 100,000 cells of a typical column, as the filter
// runs it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "grid/condition_matcher.h"

namespace {

void BM_ManyStarsAgainstALongCell(benchmark::State& state) {
  std::string condition;
  for (int i = 0; i < 15; ++i) condition += "*a";
  condition += 'b';
  const std::string value(1000, 'a');
  for (auto _ : state) benchmark::DoNotOptimize(MatchCondition(condition, value, false));
}
BENCHMARK(BM_ManyStarsAgainstALongCell)->Unit(benchmark::kMicrosecond);

// Cells like an employee-name column: "Somchai 00017", "Malee 00018", ...
std::vector<std::string> NameCells(int count) {
  const char* names[] = {"Somchai", "Malee", "Anan", "Kanya", "Prasert", "Suda", "Wichai", "Nok"};
  std::vector<std::string> cells;
  cells.reserve(count);
  for (int i = 0; i < count; ++i) cells.push_back(std::string(names[i % 8]) + ' ' + std::to_string(10000 + i));
  return cells;
}

void FilterColumn(benchmark::State& state, const std::string& condition) {
  const std::vector<std::string> cells = NameCells(100000);
  for (auto _ : state) {
    int matches = 0;
    for (const std::string& cell : cells) matches += MatchCondition(condition, cell, false);
    benchmark::DoNotOptimize(matches);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(cells.size()));
}

void BM_WildcardOver100000Cells(benchmark::State& state) { FilterColumn(state, "*a*1?3*"); }
BENCHMARK(BM_WildcardOver100000Cells)->Unit(benchmark::kMillisecond);

void BM_ComparisonOver100000Cells(benchmark::State& state) { FilterColumn(state, ">M&<S"); }
BENCHMARK(BM_ComparisonOver100000Cells)->Unit(benchmark::kMillisecond);

}  // namespace
