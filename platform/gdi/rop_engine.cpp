// Row loops for raster operations; see rop_engine.h.
#include "platform/gdi/rop_engine.h"

#include <algorithm>
#include <cstring>

namespace gdi {
namespace {

template <class F>
void Loop(Pixel* d, const Pixel* s, const Pixel* p, Pixel solid, const std::uint8_t* mask, int n, F f) {
  for (int i = 0; i < n; ++i) {
    if (mask && !mask[i]) continue;
    d[i] = f(p ? p[i] : solid, s ? s[i] : 0, d[i]);
  }
}

}  // namespace

void ApplyRop3(std::uint8_t rop, Pixel* d, const Pixel* s, const Pixel* p, Pixel solid,
               const std::uint8_t* mask, int n) {
  if (n <= 0) return;
  if (!mask) {
    if (rop == 0xCC && s) {   // SRCCOPY
      std::memmove(d, s, std::size_t(n) * sizeof(Pixel));
      return;
    }
    if (rop == 0xF0 && !p) {   // PATCOPY with a solid colour
      std::fill(d, d + n, solid);
      return;
    }
    if (rop == 0xAA) return;   // the destination itself
  }
  switch (rop) {
    case 0x00: Loop(d, s, p, solid, mask, n, [](Pixel, Pixel, Pixel) { return Pixel(0); }); break;
    case 0xFF: Loop(d, s, p, solid, mask, n, [](Pixel, Pixel, Pixel) { return ~Pixel(0); }); break;
    case 0xCC: Loop(d, s, p, solid, mask, n, [](Pixel, Pixel sv, Pixel) { return sv; }); break;
    case 0xF0: Loop(d, s, p, solid, mask, n, [](Pixel pv, Pixel, Pixel) { return pv; }); break;
    case 0x55: Loop(d, s, p, solid, mask, n, [](Pixel, Pixel, Pixel dv) { return ~dv; }); break;
    case 0x5A: Loop(d, s, p, solid, mask, n, [](Pixel pv, Pixel, Pixel dv) { return pv ^ dv; }); break;
    case 0x66: Loop(d, s, p, solid, mask, n, [](Pixel, Pixel sv, Pixel dv) { return sv ^ dv; }); break;
    case 0x88: Loop(d, s, p, solid, mask, n, [](Pixel, Pixel sv, Pixel dv) { return sv & dv; }); break;
    case 0xEE: Loop(d, s, p, solid, mask, n, [](Pixel, Pixel sv, Pixel dv) { return sv | dv; }); break;
    case 0x22: Loop(d, s, p, solid, mask, n, [](Pixel, Pixel sv, Pixel dv) { return dv & ~sv; }); break;
    case 0xB8:   // pattern where the source is 0, destination where it is 1
      Loop(d, s, p, solid, mask, n, [](Pixel pv, Pixel sv, Pixel dv) { return (pv & ~sv) | (dv & sv); });
      break;
    case 0xE2:   // pattern where the source is 1, destination where it is 0
      Loop(d, s, p, solid, mask, n, [](Pixel pv, Pixel sv, Pixel dv) { return (pv & sv) | (dv & ~sv); });
      break;
    default:
      Loop(d, s, p, solid, mask, n, [rop](Pixel pv, Pixel sv, Pixel dv) { return Rop3Pixel(rop, pv, sv, dv); });
  }
}

}  // namespace gdi
