// The pictures of the classic look that are not edges: the check mark, the radio circle, arrows,
// caption-button symbols and the menu bullet, as grids of colour roles that DrawFrameControl and
// the system bitmaps paint pixel for pixel (docs/classic-look.md shows each one).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/gdi_types.h"

namespace gdi {

// width x height cells; 0 is "not painted", other values are roles the caller gives colours.
struct GlyphGrid {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> cells;

  GlyphGrid() = default;
  GlyphGrid(int w, int h) : width(w), height(h), cells(std::size_t(w > 0 && h > 0 ? w * h : 0), 0) {}
  std::uint8_t At(int x, int y) const { return cells[std::size_t(y * width + x)]; }
  void Set(int x, int y, std::uint8_t v) {
    if (x >= 0 && y >= 0 && x < width && y < height) cells[std::size_t(y * width + x)] = v;
  }
  void FillRect(int x0, int y0, int x1, int y1, std::uint8_t v) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) Set(x, y, v);
  }
};

// The classic 7 x 7 check mark (role 1), scaled to size x size by nearest pixel.
GlyphGrid CheckMark(int size);

// Radio button roles.
enum RadioRole : std::uint8_t { kOuterUpperLeft = 1, kOuterLowerRight, kInnerUpperLeft, kInnerLowerRight, kInterior, kDot };
// The radio circle in an n x n square: its outer ring, inner ring and interior (each ring split
// along the diagonal from the top-right to the bottom-left corner: cells with x + y <= n - 1 are
// upper-left), and, when checked, the dot: the ellipse of an (n / 3)-sized box in the middle.
GlyphGrid RadioCircle(int n, bool checked);

enum class ArrowDirection { Up, Down, Left, Right };
// A filled triangle (role 1) of `depth` rows: 1, 3, 5, ... pixels wide from the tip.
GlyphGrid Arrow(ArrowDirection direction, int depth);

enum class CaptionSymbol { Close, Minimize, Maximize, Restore, Help };
// A caption-button symbol (role 1) for a symbol box `size` pixels wide.
GlyphGrid CaptionGlyph(CaptionSymbol symbol, int size);

// A filled disc (role 1) of the given diameter.
GlyphGrid Bullet(int diameter);

// The 8 x 8 monochrome checkerboard pattern brush: bit 1 (the background colour) where x + y is
// even, bit 0 (the text colour) elsewhere, from the brush origin.  The caller deletes it.
HBRUSH CreateCheckerboardBrush();

// Fills r with that checkerboard: `even` where x + y is even from the brush origin, `odd` elsewhere.
void FillCheckerboard(HDC dc, const TRect& r, COLORREF even, COLORREF odd);

// Paints every cell with role r in colors[r] (roles beyond count, or CLR_INVALID, are skipped),
// with the grid's top-left at logical (x, y).
void PaintGlyph(HDC dc, int x, int y, const GlyphGrid& grid, const COLORREF* colors, int count);

}  // namespace gdi
