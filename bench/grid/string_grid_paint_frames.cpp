// Full repaints of a string grid of 1,000,000 rows x 12 columns scrolled to its middle, on a
// headless display with a 1,920 x 1,080 client: one fixed row and column, bands, grid lines and a
// focused current cell; the cells hold Thai and Latin texts of 5 to 30 characters made from a fixed
// seed.  After a warm-up of 10 frames, 100 frames are timed; milliseconds per frame are reported as
// the mean and the 95th percentile.  (A plain program: percentiles are not what Google Benchmark
// reports.)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "grid/bands.h"
#include "grid/pro_string_grid.h"
#include "platform/core/cp874.h"
#include "platform/core/units.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr Integer kRows = 1000000;
constexpr Integer kCols = 12;
constexpr int kWarmUp = 10;

// A text of 5 to 30 characters: Thai words for even columns, Latin ones for odd ones.
std::string CellText(std::mt19937& Random, bool Thai) {
  static const std::string thaiWords[] = {std::string("สมชาย"_cp874), std::string("ฝ่ายบัญชี"_cp874),
                                          std::string("กรุงเทพ"_cp874), std::string("เงินเดือน"_cp874)};
  static const std::string latinWords[] = {"salary", "Bangkok", "account", "E100234", "12,500.00"};
  const std::size_t length = std::uniform_int_distribution<std::size_t>(5, 30)(Random);
  std::string text;
  while (text.size() < length) {
    if (!text.empty()) text += ' ';
    text += Thai ? thaiWords[Random() % 4] : latinWords[Random() % 5];
  }
  text.resize(length);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::atoi(argv[1]) : 100;
  InitializeUnits({FormsUnit});
  auto* form = NewObject<TForm>(Application, TCustomForm::CreateNewTag{});
  form->SetClientWidth(1920);
  form->SetClientHeight(1080);
  auto* grid = new TProStringGrid(form);
  grid->SetParent(form);
  grid->SetAlign(alClient);
  grid->SetColCount(kCols);
  grid->SetRowCount(kRows);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->Bands()->SetActive(true);
  std::mt19937 random(20261211);
  for (Integer row = 1; row < kRows; ++row)
    for (Integer col = 1; col < kCols; ++col) grid->SetCellText(col, row, CellText(random, col % 2 == 0));
  form->Show();
  grid->SetFocus();
  grid->SetTopRow(kRows / 2);
  grid->SetRow(kRows / 2 + 3);
  grid->SetCol(3);

  std::vector<double> milliseconds;
  for (int frame = 0; frame < kWarmUp + frames; ++frame) {
    const auto start = Clock::now();
    static_cast<TWinControl*>(grid)->Repaint();   // the control's, not the grid's event handler
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (frame >= kWarmUp) milliseconds.push_back(ms);
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  const double mean = std::accumulate(milliseconds.begin(), milliseconds.end(), 0.0) / milliseconds.size();
  const double p95 = milliseconds[static_cast<std::size_t>(0.95 * (milliseconds.size() - 1))];
  std::printf("%d x %d cells, client 1920 x 1080, %d visible rows, top row %d, focused %s\n", kRows, kCols,
              grid->VisibleRowCount(), grid->TopRow(), grid->Focused() ? "yes" : "no");
  std::printf("full repaint: mean %.2f ms, 95th percentile %.2f ms over %zu frames\n", mean, p95,
              milliseconds.size());
  delete form;
  FinalizeUnits();
  return 0;
}
