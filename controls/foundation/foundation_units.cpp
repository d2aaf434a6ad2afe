#include "controls/foundation/foundation_units.h"

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_dwm_api.h"
#include "controls/foundation/kx_geometry.h"
#include "controls/foundation/kx_graphics_unit.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_painter_resources.h"

std::span<const Unit> ControlFoundationUnits() {
  static const Unit kUnits[] = {kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit,       kdOffice11Unit,
                                kxLookAndFeelsUnit,      kxGeometryUnit,           kxControlsUnit,
                                kxGraphicsUnit,          kxLookAndFeelPaintersUnit, kxDWMApiUnit,
                                kxContainerUnit};
  return kUnits;
}
