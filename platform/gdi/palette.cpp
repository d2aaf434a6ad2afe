// Logical palettes; see palette.h.
#include "platform/gdi/palette.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/gdi/device_context.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/palette_object.h"
#include "platform/gdi/pixel_surface.h"

namespace gdi {
int PaletteObject::GetObjectData(int size, void* out, bool) const {
  if (!out) return sizeof(WORD);
  if (size < int(sizeof(WORD))) return 0;
  const WORD count = WORD(entries_.size());
  std::memcpy(out, &count, sizeof count);
  return sizeof count;
}
}  // namespace gdi

using namespace gdi;

HPALETTE CreatePalette(const LOGPALETTE* palette) {
  if (!palette || palette->palVersion != 0x300 || palette->palNumEntries == 0) return nullptr;
  std::vector<PALETTEENTRY> entries(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
  return AddObject<HPALETTE>(std::make_unique<PaletteObject>(std::move(entries)));
}

HPALETTE CreateHalftonePalette(HDC) {
  std::vector<PALETTEENTRY> entries;
  for (const RGBQUAD& q : Default256Palette()) entries.push_back({q.rgbRed, q.rgbGreen, q.rgbBlue, 0});
  return AddObject<HPALETTE>(std::make_unique<PaletteObject>(std::move(entries)));
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL) {
  DeviceContext* c = FindDC(dc);
  PaletteObject* p = FindObject<PaletteObject>(palette);
  if (!c || !p) return nullptr;
  return static_cast<HPALETTE>(c->SelectPalette(p));
}

UINT RealizePalette(HDC dc) { return FindDC(dc) ? 0 : UINT(-1); }

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  const PaletteObject* p = FindObject<PaletteObject>(palette);
  if (!p) return 0;
  const UINT size = UINT(p->Entries().size());
  if (!entries) return size;
  if (start >= size) return 0;
  const UINT n = std::min(count, size - start);
  std::copy_n(p->Entries().begin() + start, n, entries);
  return n;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
  PaletteObject* p = FindObject<PaletteObject>(palette);
  if (!p || !entries || p->IsStock()) return 0;
  const UINT size = UINT(p->Entries().size());
  if (start >= size) return 0;
  const UINT n = std::min(count, size - start);
  std::copy_n(entries, n, p->Entries().begin() + start);
  return n;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color) {
  const PaletteObject* p = FindObject<PaletteObject>(palette);
  if (!p || p->Entries().empty()) return UINT(-1);
  UINT best = 0;
  int bestDistance = INT32_MAX;
  for (UINT i = 0; i < p->Entries().size(); ++i) {
    const PALETTEENTRY& e = p->Entries()[i];
    const int dr = e.peRed - GetRValue(color), dg = e.peGreen - GetGValue(color), db = e.peBlue - GetBValue(color);
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) best = i, bestDistance = d;
  }
  return best;
}

UINT GetSystemPaletteEntries(HDC, UINT, UINT, PALETTEENTRY*) { return 0; }   // no hardware palette
