// Drawing-layer throughput: fills, blits through the generic and the fast raster-operation paths,
// alpha blending, stretching, shapes, classic-look controls and region algebra, on a full-HD
// 32-bit surface.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/region.h"

namespace {

struct Surface {
  Surface(int w, int h) : dc(CreateCompatibleDC(nullptr)), bitmap(CreateBitmap(w, h, 1, 32, nullptr)) {
    old = SelectObject(dc, bitmap);
  }
  ~Surface() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

void FillRectFullScreen(benchmark::State& state) {
  Surface s(1920, 1080);
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  const TRect r{0, 0, 1920, 1080};
  for (auto _ : state) FillRect(s.dc, &r, brush);
  state.SetItemsProcessed(state.iterations() * 1920 * 1080);
  DeleteObject(brush);
}
BENCHMARK(FillRectFullScreen);

void BitBltFullScreen(benchmark::State& state) {
  Surface a(1920, 1080), b(1920, 1080);
  const DWORD rop = DWORD(state.range(0));
  for (auto _ : state) BitBlt(a.dc, 0, 0, 1920, 1080, b.dc, 0, 0, rop);
  state.SetItemsProcessed(state.iterations() * 1920 * 1080);
}
BENCHMARK(BitBltFullScreen)->Arg(SRCCOPY)->Arg(SRCAND)->Arg(0xB8074A)->Arg(0x1900AC);

void AlphaBlend256(benchmark::State& state) {
  Surface a(256, 256), b(256, 256);
  for (auto _ : state) AlphaBlend(a.dc, 0, 0, 256, 256, b.dc, 0, 0, 256, 256, {AC_SRC_OVER, 0, 200, AC_SRC_ALPHA});
  state.SetItemsProcessed(state.iterations() * 256 * 256);
}
BENCHMARK(AlphaBlend256);

void StretchHalftone(benchmark::State& state) {
  Surface a(256, 256), b(512, 512);
  SetStretchBltMode(a.dc, int(state.range(0)));
  for (auto _ : state) StretchBlt(a.dc, 0, 0, 256, 256, b.dc, 0, 0, 512, 512, SRCCOPY);
  state.SetItemsProcessed(state.iterations() * 256 * 256);
}
BENCHMARK(StretchHalftone)->Arg(COLORONCOLOR)->Arg(HALFTONE);

void Shapes(benchmark::State& state) {
  Surface s(400, 400);
  SelectObject(s.dc, GetStockObject(BLACK_PEN));
  for (auto _ : state) {
    Ellipse(s.dc, 10, 10, 110, 110);
    RoundRect(s.dc, 120, 10, 220, 110, 12, 12);
    MoveToEx(s.dc, 0, 0, nullptr);
    LineTo(s.dc, 399, 237);
    Rectangle(s.dc, 230, 10, 330, 110);
  }
}
BENCHMARK(Shapes);

void WidePenPolyline(benchmark::State& state) {
  Surface s(400, 400);
  HPEN pen = CreatePen(PS_SOLID, 3, 0);
  SelectObject(s.dc, pen);
  std::vector<TPoint> points;
  for (int i = 0; i < 20; ++i) points.push_back({i * 20, (i % 2) * 300 + 50});
  for (auto _ : state) Polyline(s.dc, points.data(), int(points.size()));
  SelectObject(s.dc, GetStockObject(BLACK_PEN));
  DeleteObject(pen);
}
BENCHMARK(WidePenPolyline);

void ClassicControls(benchmark::State& state) {
  Surface s(100, 100);
  for (auto _ : state) {
    TRect r{0, 0, 75, 23};
    DrawEdge(s.dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
    TRect check{0, 30, 13, 43}, radio{20, 30, 33, 43}, arrow{40, 30, 56, 46};
    DrawFrameControl(s.dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    DrawFrameControl(s.dc, &radio, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    DrawFrameControl(s.dc, &arrow, DFC_SCROLL, DFCS_SCROLLDOWN);
  }
}
BENCHMARK(ClassicControls);

void RegionCombine(benchmark::State& state) {
  // A 20 x 20 checkerboard of cells united one by one, then intersected with an ellipse.
  for (auto _ : state) {
    HRGN all = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < 20; ++y)
      for (int x = (y % 2); x < 20; x += 2) {
        HRGN cell = CreateRectRgn(x * 10, y * 10, x * 10 + 10, y * 10 + 10);
        CombineRgn(all, all, cell, RGN_OR);
        DeleteObject(cell);
      }
    HRGN ellipse = CreateEllipticRgn(0, 0, 200, 200);
    CombineRgn(all, all, ellipse, RGN_AND);
    DeleteObject(ellipse);
    DeleteObject(all);
  }
}
BENCHMARK(RegionCombine);

}  // namespace
