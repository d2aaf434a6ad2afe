// Applies ternary raster operations to rows of 32-bit pixel values, bit by bit over all 32 bits
// (so the alpha byte takes part like the colour bytes, as on the platform's 32-bit surfaces).
// The common operations have their own loops; every other code of the 256 goes through the
// generic evaluation of its truth table.
#pragma once

#include <cstdint>

#include "platform/gdi/pixel_surface.h"

namespace gdi {

// One pixel: the truth table `rop` (bit index (P << 2) | (S << 1) | D) applied bitwise.
inline Pixel Rop3Pixel(std::uint8_t rop, Pixel p, Pixel s, Pixel d) {
  Pixel r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((rop >> i) & 1)) continue;
    r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return r;
}

// d[i] = rop(p[i], s[i], d[i]) for i < n.  s may be nullptr when the operation ignores the source;
// p == nullptr means every pattern value is `solid`; mask (when given) limits the change to the
// pixels whose mask byte is nonzero.
void ApplyRop3(std::uint8_t rop, Pixel* d, const Pixel* s, const Pixel* p, Pixel solid,
               const std::uint8_t* mask, int n);

}  // namespace gdi
