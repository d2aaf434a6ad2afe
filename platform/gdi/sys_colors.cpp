// The system colour table; see sys_colors.h.
#include "platform/gdi/sys_colors.h"

#include <array>
#include <atomic>
#include <memory>

#include "platform/gdi/brush_object.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"

namespace gdi {
namespace {

constexpr std::array<COLORREF, kSysColorCount> kClassic = {
    RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(10, 36, 106),
    RGB(212, 208, 200)};

struct Table {
  std::array<std::atomic<COLORREF>, kSysColorCount> colors;
  std::array<BrushObject*, kSysColorCount> brushes{};
  Table() {
    for (int i = 0; i < kSysColorCount; ++i) {
      colors[std::size_t(i)].store(kClassic[std::size_t(i)]);
      auto brush = std::make_unique<BrushObject>(BS_SOLID, kClassic[std::size_t(i)], 0);
      brush->MarkStock();
      brushes[std::size_t(i)] = brush.get();
      HandleTable::Instance().Add(std::move(brush));
    }
  }
};

Table& SysTable() {
  static Table* table = new Table;   // brushes must outlive every static destructor
  return *table;
}

bool InRange(int index) { return index >= 0 && index < kSysColorCount; }

}  // namespace

void ChangeSysColors(int count, const int* indexes, const COLORREF* values) {
  Table& t = SysTable();
  for (int i = 0; i < count; ++i) {
    const int k = indexes[i];
    if (!InRange(k)) continue;
    t.colors[std::size_t(k)].store(values[i] & 0x00FFFFFF);
    t.brushes[std::size_t(k)]->SetColor(values[i] & 0x00FFFFFF);
  }
}

void ResetSysColors() {
  int indexes[kSysColorCount];
  for (int i = 0; i < kSysColorCount; ++i) indexes[i] = i;
  ChangeSysColors(kSysColorCount, indexes, kClassic.data());
}

BrushObject* BrushOrSysColor(HBRUSH brush) {
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value >= 1 && value <= std::uintptr_t(kSysColorCount)) return SysTable().brushes[value - 1];
  return FindObject<BrushObject>(brush);
}

}  // namespace gdi

DWORD GetSysColor(int index) {
  return gdi::InRange(index) ? gdi::SysTable().colors[std::size_t(index)].load() : 0;
}

HBRUSH GetSysColorBrush(int index) {
  return gdi::InRange(index) ? static_cast<HBRUSH>(gdi::HandleTable::HandleOf(gdi::SysTable().brushes[std::size_t(index)]))
                             : nullptr;
}
