// Classic-look glyph grids; see classic_glyphs.h.
#include "platform/gdi/classic_glyphs.h"

#include <algorithm>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/ellipse_shape.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"

namespace gdi {
namespace {

// The 7 x 7 classic check mark, a stroke three pixels tall.
constexpr const char* kCheck[7] = {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."};

// The help symbol, 6 x 9.
constexpr const char* kHelp[9] = {".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..",
                                  "..##.."};

GlyphGrid FromRows(const char* const* rows, int w, int h) {
  GlyphGrid g(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) g.Set(x, y, rows[y][x] == '#' ? 1 : 0);
  return g;
}

GlyphGrid FromRegion(const RegionData& r, int w, int h, std::uint8_t value) {
  GlyphGrid g(w, h);
  for (const TRect& rect : r.Rects()) g.FillRect(rect.Left, rect.Top, rect.Right, rect.Bottom, value);
  return g;
}

// A frame of the box with a top border `top` pixels thick and 1-pixel sides.
void Frame(GlyphGrid& g, int x0, int y0, int x1, int y1, int top) {
  g.FillRect(x0, y0, x1, y0 + top, 1);
  g.FillRect(x0, y1 - 1, x1, y1, 1);
  g.FillRect(x0, y0, x0 + 1, y1, 1);
  g.FillRect(x1 - 1, y0, x1, y1, 1);
}

}  // namespace

GlyphGrid CheckMark(int size) {
  const GlyphGrid base = FromRows(kCheck, 7, 7);
  if (size == 7) return base;
  GlyphGrid g(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) g.Set(x, y, base.At(x * 7 / size, y * 7 / size));
  return g;
}

GlyphGrid RadioCircle(int n, bool checked) {
  if (n <= 0) return {};
  const TRect box{0, 0, n, n}, limit{0, 0, n, n};
  const RegionData disc = EllipsePixels(box, limit);
  const RegionData outer = disc.Boundary();
  const RegionData rest = disc.Subtract(outer);
  const RegionData inner = rest.Boundary();
  GlyphGrid g = FromRegion(rest.Subtract(inner), n, n, kInterior);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const bool upperLeft = x + y <= n - 1;
      if (outer.Contains(x, y)) g.Set(x, y, upperLeft ? kOuterUpperLeft : kOuterLowerRight);
      else if (inner.Contains(x, y)) g.Set(x, y, upperLeft ? kInnerUpperLeft : kInnerLowerRight);
    }
  if (checked) {
    const int d = std::max(1, n / 3), o = (n - d) / 2;
    const RegionData dot = EllipsePixels({o, o, o + d, o + d}, limit);
    for (const TRect& r : dot.Rects()) g.FillRect(r.Left, r.Top, r.Right, r.Bottom, kDot);
  }
  return g;
}

GlyphGrid Arrow(ArrowDirection direction, int depth) {
  depth = std::max(1, depth);
  const int base = 2 * depth - 1;
  const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
  GlyphGrid g(vertical ? base : depth, vertical ? depth : base);
  for (int k = 0; k < depth; ++k) {
    // Row (or column) k from the tip is 2k + 1 pixels long, centred.
    const int along = direction == ArrowDirection::Up || direction == ArrowDirection::Left ? k : depth - 1 - k;
    for (int i = depth - 1 - k; i <= depth - 1 + k; ++i) vertical ? g.Set(i, along, 1) : g.Set(along, i, 1);
  }
  return g;
}

GlyphGrid CaptionGlyph(CaptionSymbol symbol, int size) {
  const int k = std::max(4, size);
  GlyphGrid g(k, k - 1);
  switch (symbol) {
    case CaptionSymbol::Close:
      // Two diagonals two pixels thick: row j has pixels j, j + 1 and k - 2 - j, k - 1 - j.
      for (int j = 0; j < k - 1; ++j) {
        g.Set(j, j, 1), g.Set(j + 1, j, 1);
        g.Set(k - 2 - j, j, 1), g.Set(k - 1 - j, j, 1);
      }
      break;
    case CaptionSymbol::Minimize: g.FillRect(0, k - 3, k - 2, k - 1, 1); break;
    case CaptionSymbol::Maximize: Frame(g, 0, 0, k, k - 1, 2); break;
    case CaptionSymbol::Restore:
      Frame(g, 2, 0, k, k - 3, 2);
      g.FillRect(0, 2, k - 2, k - 1, 0);   // the front window hides the back one
      Frame(g, 0, 2, k - 2, k - 1, 2);
      break;
    case CaptionSymbol::Help: return FromRows(kHelp, 6, 9);
  }
  return g;
}

GlyphGrid Bullet(int diameter) {
  diameter = std::max(1, diameter);
  const TRect box{0, 0, diameter, diameter};
  return FromRegion(EllipsePixels(box, box), diameter, diameter, 1);
}

HBRUSH CreateCheckerboardBrush() {
  static const WORD rows[8] = {0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555};
  HBITMAP pattern = CreateBitmap(8, 8, 1, 1, rows);
  HBRUSH brush = CreatePatternBrush(pattern);
  DeleteObject(pattern);   // the brush keeps its own copy
  return brush;
}

void FillCheckerboard(HDC dc, const TRect& r, COLORREF even, COLORREF odd) {
  HBRUSH brush = CreateCheckerboardBrush();
  const COLORREF text = SetTextColor(dc, odd);
  const COLORREF back = SetBkColor(dc, even);
  FillRect(dc, &r, brush);
  SetTextColor(dc, text);
  SetBkColor(dc, back);
  DeleteObject(brush);
}

void PaintGlyph(HDC dc, int x, int y, const GlyphGrid& grid, const COLORREF* colors, int count) {
  std::vector<HBRUSH> brushes(std::size_t(count), nullptr);
  for (int r = 1; r < count; ++r)
    if (colors[r] != CLR_INVALID) brushes[std::size_t(r)] = CreateSolidBrush(colors[r]);
  for (int row = 0; row < grid.height; ++row) {
    for (int col = 0; col < grid.width;) {
      const std::uint8_t role = grid.At(col, row);
      int end = col + 1;
      while (end < grid.width && grid.At(end, row) == role) ++end;
      if (role > 0 && role < count && brushes[role]) {
        const TRect run{x + col, y + row, x + end, y + row + 1};
        ::FillRect(dc, &run, brushes[role]);
      }
      col = end;
    }
  }
  for (HBRUSH b : brushes)
    if (b) DeleteObject(b);
}

}  // namespace gdi
