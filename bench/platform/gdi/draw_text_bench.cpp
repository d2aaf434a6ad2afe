// What a grid costs to paint as text: DrawText of 10,000 short single-line cell texts (Thai and
// Latin, code page 874 bytes) into a full-HD 32-bit surface, with the glyph and advance caches
// warm.  Each iteration draws all 10,000 cells once; the reported time per item is one DrawText
// call.  A second benchmark measures DT_CALCRECT alone, the cost of sizing a cell.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text_constants.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080, kCells = 10000;
constexpr int kColumns = 20, kCellWidth = kWidth / kColumns, kCellHeight = 16;

// Cell texts as a payroll grid shows them: names, numbers, amounts, dates, short Thai words.
std::vector<std::string> CellTexts() {
  const std::string samples[] = {
      Utf8ToCp874("นายสมชาย ใจดี"), "12,345.67", Utf8ToCp874("ฝ่ายบัญชี"), "EMP-00421",
      Utf8ToCp874("เงินเดือน"),     "31/12/2567", "Somchai Jaidee",          Utf8ToCp874("ภาษีหัก ณ ที่จ่าย"),
      "1,250.00",                   Utf8ToCp874("ผู้จัดการ"),
  };
  std::vector<std::string> texts;
  for (int i = 0; i < kCells; ++i) texts.push_back(samples[i % std::size(samples)] + std::to_string(i % 97));
  return texts;
}

class Screen {
 public:
  Screen() : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(kWidth, kHeight, 1, 32, nullptr)) {
    oldBitmap_ = SelectObject(dc_, bitmap_);
    font_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, THAI_CHARSET, 0, 0, 0, 0, "Tahoma");
    oldFont_ = SelectObject(dc_, font_);
    SetBkMode(dc_, TRANSPARENT);
  }
  ~Screen() {
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldBitmap_);
    DeleteObject(font_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HFONT font_;
  HGDIOBJ oldBitmap_, oldFont_;
};

TRect CellRect(int i) {
  const int column = i % kColumns, row = (i / kColumns) % (kHeight / kCellHeight);
  return {column * kCellWidth, row * kCellHeight, (column + 1) * kCellWidth, (row + 1) * kCellHeight};
}

void RunCells(benchmark::State& state, UINT format) {
  Screen screen;
  const std::vector<std::string> texts = CellTexts();
  auto drawAll = [&] {
    for (int i = 0; i < kCells; ++i) {
      TRect rect = CellRect(i);
      benchmark::DoNotOptimize(DrawTextA(screen.dc(), texts[i].data(), int(texts[i].size()), &rect, format));
    }
  };
  drawAll();   // warms the glyph and advance caches
  for (auto _ : state) drawAll();
  state.SetItemsProcessed(state.iterations() * kCells);
}

void DrawTextCells(benchmark::State& state) {
  RunCells(state, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | UINT(state.range(0)));
}
BENCHMARK(DrawTextCells)->Arg(DT_LEFT)->Arg(DT_RIGHT)->Unit(benchmark::kMillisecond);

void CalcRectCells(benchmark::State& state) { RunCells(state, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT); }
BENCHMARK(CalcRectCells)->Unit(benchmark::kMillisecond);

}  // namespace
