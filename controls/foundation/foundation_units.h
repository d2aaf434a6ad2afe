// The control foundation's units in their start-up order; programs start them (after the class
// library's FormsUnit) with InitializeUnits(ControlFoundationUnits()), and FinalizeUnits stops
// them in the reverse order.  Later units of the foundation join this list in their places:
// kdUxTheme, kdThemeManager, kdOffice11, kxClasses, kxLookAndFeels, kxGeometry, kxControls,
// kxGraphics, the painters, kxDWMApi, kxContainer.  (kxClasses starts nothing: the design-time
// class groups it would set up steer a form designer, which this system lacks.)
#pragma once

#include <span>

#include "platform/core/units.h"

std::span<const Unit> ControlFoundationUnits();
