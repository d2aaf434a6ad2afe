// A logical palette.  The display has 32 bits per pixel, so palettes never change how anything is
// drawn; they are kept for the programs that create, select and realize them, and PALETTEINDEX
// colours read their entries.
#pragma once

#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_types.h"

namespace gdi {

class PaletteObject : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Palette;
  explicit PaletteObject(std::vector<PALETTEENTRY> entries) : entries_(std::move(entries)) {}
  ObjectKind Kind() const override { return kKind; }
  // GetObject of a palette gives its entry count as a WORD.
  int GetObjectData(int size, void* out, bool wide) const override;
  std::vector<PALETTEENTRY>& Entries() { return entries_; }
  const std::vector<PALETTEENTRY>& Entries() const { return entries_; }

 private:
  std::vector<PALETTEENTRY> entries_;
};

}  // namespace gdi
