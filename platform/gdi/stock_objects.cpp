// Stock objects; see stock_objects.h.
#include "platform/gdi/stock_objects.h"

#include <array>
#include <memory>

#include "platform/gdi/brush_object.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/palette_object.h"
#include "platform/gdi/pen_object.h"
#include "platform/gdi/pixel_surface.h"
#include "platform/gdi/stock_fonts.h"

namespace gdi {
namespace {

template <class T>
T* Register(std::unique_ptr<T> object) {
  object->MarkStock();
  T* raw = object.get();
  HandleTable::Instance().Add(std::move(object));
  return raw;
}

struct StockSet {
  std::array<BrushObject*, 6> brushes{};
  std::array<PenObject*, 3> pens{};
  BrushObject* dcBrush = nullptr;
  PenObject* dcPen = nullptr;
  PaletteObject* palette = nullptr;

  StockSet() {
    const COLORREF greys[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
    for (int i = 0; i < 5; ++i) brushes[size_t(i)] = Register(std::make_unique<BrushObject>(BS_SOLID, greys[i], 0));
    brushes[5] = Register(std::make_unique<BrushObject>(BS_NULL, 0, 0));
    pens[0] = Register(std::make_unique<PenObject>(PS_SOLID, 0, 0xFFFFFF, false));
    pens[1] = Register(std::make_unique<PenObject>(PS_SOLID, 0, 0x000000, false));
    pens[2] = Register(std::make_unique<PenObject>(PS_NULL, 0, 0x000000, false));
    // The DC pen and brush paint in the colours SetDCPenColor / SetDCBrushColor gave the context.
    dcBrush = Register(std::make_unique<BrushObject>(BS_SOLID, 0xFFFFFF, 0));
    dcPen = Register(std::make_unique<PenObject>(PS_SOLID, 0, 0x000000, false));
    std::vector<PALETTEENTRY> entries;
    for (const RGBQUAD& q : Vga16Palette()) entries.push_back({q.rgbRed, q.rgbGreen, q.rgbBlue, 0});
    palette = Register(std::make_unique<PaletteObject>(std::move(entries)));
  }
};

StockSet& Stock() {
  static StockSet* set = new StockSet;   // never freed: handles must stay valid to the very end
  return *set;
}

}  // namespace

PenObject* StockPen(int index) {
  switch (index) {
    case WHITE_PEN: return Stock().pens[0];
    case BLACK_PEN: return Stock().pens[1];
    case NULL_PEN: return Stock().pens[2];
    case DC_PEN: return Stock().dcPen;
    default: return nullptr;
  }
}

BrushObject* StockBrush(int index) {
  if (index >= WHITE_BRUSH && index <= NULL_BRUSH) return Stock().brushes[size_t(index)];
  return index == DC_BRUSH ? Stock().dcBrush : nullptr;
}

PaletteObject* StockPalette() { return Stock().palette; }

GdiObject* StockFontObject() { return HandleTable::Instance().Find(StockFont(SYSTEM_FONT)); }

}  // namespace gdi

HGDIOBJ GetStockObject(int index) {
  using namespace gdi;
  GdiObject* object = nullptr;
  if (index == DEFAULT_PALETTE) object = StockPalette();
  else if (PenObject* pen = StockPen(index)) object = pen;
  else if (BrushObject* brush = StockBrush(index)) object = brush;
  return object ? HandleTable::HandleOf(object) : StockFont(index);
}
