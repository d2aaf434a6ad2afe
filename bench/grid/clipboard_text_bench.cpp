// Copying 100,000 x 10 cells to the clipboard as text and pasting them into a second, empty grid,
// against building and splitting the same tab-separated text plainly, in one run with the two
// sides alternating.  The pasting grid starts with one row and grows one row per line; it must end
// with exactly one row per copied row.  Counters: cells/s of each side and the ratio of their times.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "grid/pro_string_grid.h"
#include "platform/core/cp874.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

std::string CellText(int Row, int Col) {
  static const std::string thai[] = {std::string("สมชาย ใจดี"_cp874), std::string("ฝ่ายบัญชี"_cp874)};
  switch (Col % 4) {
    case 0:
      return "E" + std::to_string(100000 + Row);
    case 1:
      return thai[(Row + Col) % 2];
    case 2:
      return std::to_string((Row * 37 + Col) % 100000) + ".25";
    default:
      return "note " + std::to_string(Row % 97);
  }
}

// The plain side: the cells joined as the grid joins them, then split at CR LF and TAB, each field
// copied into a string.
std::size_t BuildAndSplit(const std::vector<std::string>& Cells) {
  std::string text;
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kCols; ++col) {
      if (col > 0) text += '\t';
      text += Cells[row * kCols + col];
    }
    text += "\r\n";
  }
  std::vector<std::string> fields;
  fields.reserve(Cells.size());
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\r', start);
    if (end == std::string::npos) end = text.size();
    std::size_t field = start;
    for (std::size_t i = start; i <= end; ++i) {
      if (i < end && text[i] != '\t') continue;
      fields.emplace_back(text, field, i - field);
      field = i + 1;
    }
    start = end + 2;
  }
  return fields.size();
}

void BM_ClipboardCopyPasteAgainstPlainSplit(benchmark::State& state) {
  std::vector<std::string> cells;
  cells.reserve(kRows * kCols);
  TProStringGrid source(nullptr);
  source.SetFixedRows(0);
  source.SetFixedCols(0);
  source.SetColCount(kCols);
  source.SetRowCount(kRows);
  for (int row = 0; row < kRows; ++row)
    for (int col = 0; col < kCols; ++col) {
      cells.push_back(CellText(row, col));
      source.SetCellText(col, row, cells.back());
    }
  // The whole grid as the copied range (a selection needs a window, which this grid has not).
  const TGridRect all{0, 0, kCols - 1, kRows - 1};

  double gridSeconds = 0;
  double splitSeconds = 0;
  using Clock = std::chrono::steady_clock;
  for (auto _ : state) {
    TProStringGrid target(nullptr);
    target.SetFixedRows(0);
    target.SetFixedCols(0);
    target.SetColCount(kCols);
    target.SetRowCount(1);
    target.SetOptions(target.Options() + TGridOptions{goEditing});
    const auto t0 = Clock::now();
    source.CopyRangeToClipboard(all, false);
    const Integer fields = target.PasteClipboardAt(0, 0);
    const auto t1 = Clock::now();
    benchmark::DoNotOptimize(BuildAndSplit(cells));
    const auto t2 = Clock::now();
    gridSeconds += std::chrono::duration<double>(t1 - t0).count();
    splitSeconds += std::chrono::duration<double>(t2 - t1).count();
    if (target.RowCount() != kRows || fields != kRows * kCols + 1 ||
        target.GetCellText(kCols - 1, kRows - 1) != cells.back())
      state.SkipWithError("the pasted grid does not hold the copied cells");
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["grid_cells_per_s"] = kRows * kCols * n / gridSeconds;
  state.counters["split_cells_per_s"] = kRows * kCols * n / splitSeconds;
  state.counters["ratio"] = gridSeconds / splitSeconds;
}
BENCHMARK(BM_ClipboardCopyPasteAgainstPlainSplit)->Unit(benchmark::kMillisecond)->Iterations(5);

}   // namespace
