// The string grid's hot paths, headless: painting a full 800 x 600 grid of filled cells, setting
// the text of 100,000 cells (each repaint request included), and scrolling a row at a time with the
// repaint that follows each step.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/core/units.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/string_grid.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/scroll_bar.h"

namespace {

constexpr Integer kCols = 100;
constexpr Integer kRows = 1000;   // 100,000 cells

void Drain() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

// A shown form holding an 800 x 600 string grid of kCols x kRows cells, every cell filled.
class GridFixture {
 public:
  GridFixture() {
    static const bool initialized = [] {
      InitializeUnits({FormsUnit});
      return true;
    }();
    (void)initialized;
    form_ = NewObject<TForm>(Application, TCustomForm::CreateNewTag{});
    form_->SetBounds(0, 0, 820, 640);
    grid_ = new TStringGrid(form_);
    grid_->SetParent(form_);
    grid_->SetBounds(0, 0, 800, 600);
    grid_->SetColCount(kCols);
    grid_->SetRowCount(kRows);
    for (Integer row = 0; row < kRows; ++row)
      for (Integer col = 0; col < kCols; ++col) grid_->SetCells(col, row, "R" + std::to_string(row) + "C" + std::to_string(col));
    form_->Show();
    grid_->Update();
    Drain();
  }
  ~GridFixture() {
    delete form_;
    Drain();
  }
  TStringGrid* grid() const { return grid_; }

 private:
  TForm* form_ = nullptr;
  TStringGrid* grid_ = nullptr;
};

void BM_GridPaintFull(benchmark::State& state) {
  GridFixture fixture;
  TStringGrid* grid = fixture.grid();
  for (auto _ : state) {
    grid->Invalidate();
    grid->Update();
  }
  state.SetItemsProcessed(state.iterations() * Integer(grid->VisibleColCount() + 1) * (grid->VisibleRowCount() + 1));
}
BENCHMARK(BM_GridPaintFull)->Unit(benchmark::kMicrosecond);

void BM_GridSetCells(benchmark::State& state) {
  GridFixture fixture;
  TStringGrid* grid = fixture.grid();
  const std::string texts[2] = {"first", "second"};
  Integer pass = 0;
  for (auto _ : state) {
    const std::string& text = texts[++pass % 2];
    for (Integer row = 0; row < kRows; ++row)
      for (Integer col = 0; col < kCols; ++col) grid->SetCells(col, row, text);
  }
  state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(BM_GridSetCells)->Unit(benchmark::kMillisecond);

void BM_GridScrollLine(benchmark::State& state) {
  GridFixture fixture;
  TStringGrid* grid = fixture.grid();
  for (auto _ : state) {
    if (grid->TopRow() >= kRows - grid->VisibleRowCount()) grid->SetTopRow(grid->FixedRows());
    grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    grid->Update();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GridScrollLine)->Unit(benchmark::kMicrosecond);

}  // namespace
