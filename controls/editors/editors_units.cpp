#include "controls/editors/editors_units.h"

#include <vector>

#include "controls/editors/kx_custom_edit.h"
#include "controls/editors/kx_edit_styles.h"
#include "controls/editors/kx_edit_utils.h"
#include "controls/editors/kx_formats.h"
#include "controls/editors/kx_value_types_unit.h"
#include "controls/foundation/foundation_units.h"
#include "controls/foundation/kx_solid_brush_cache.h"

std::span<const Unit> EditorFrameworkUnits() {
  static const std::vector<Unit> units = [] {
    std::vector<Unit> all(ControlFoundationUnits().begin(), ControlFoundationUnits().end());
    all.insert(all.end(), {kxValueTypesUnit, kxEditPaintUtilsUnit, kxFormatsUnit, kxEditUtilsUnit, kxEditStylesUnit, kxEditUnit});
    return all;
  }();
  return units;
}
