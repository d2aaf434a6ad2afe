// TProStringGrid: the column widths kept in an ini file or the registry (ColumnSize).
#include <memory>
#include <string>

#include "grid/column_size.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/ini_file.h"
#include "platform/classes/registry_ini_file.h"

namespace {

std::string ColumnValueName(Integer ACol) { return "Col" + std::to_string(ACol); }

// The store ColumnSize names, or none when it names no key or section or the grid is designed.
std::unique_ptr<TCustomIniFile> OpenColumnStore(const TProStringGrid& Grid) {
  const TColumnSize* settings = Grid.ColumnSize();
  if (settings->Key().empty() || settings->Section().empty()) return nullptr;
  if (Grid.ComponentState().Contains(csDesigning)) return nullptr;
  if (settings->Location() == clIniFile) return std::make_unique<TIniFile>(settings->Key());
  return std::make_unique<TRegistryIniFile>(settings->Key());
}

}  // namespace

void TProStringGrid::SaveColumnSizes() {
  std::unique_ptr<TCustomIniFile> store = OpenColumnStore(*this);
  if (store == nullptr) return;
  const std::string& section = columnSize_->Section();
  for (Integer col = 0; col < ColCount(); ++col) store->WriteInteger(section, ColumnValueName(col), ColWidths(col));
}

void TProStringGrid::LoadColumnSizes() {
  std::unique_ptr<TCustomIniFile> store = OpenColumnStore(*this);
  if (store == nullptr) return;
  const std::string& section = columnSize_->Section();
  for (Integer col = 0; col < ColCount(); ++col) {
    const Integer width = store->ReadInteger(section, ColumnValueName(col), ColWidths(col));
    if (width != ColWidths(col)) SetColWidths(col, width);
  }
}
