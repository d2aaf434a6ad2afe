// The editor framework's units in their start-up order, after the control foundation's:
// programs start them with InitializeUnits(EditorFrameworkUnits()), which lists the foundation's
// units first.  Later units join in their places: the value types, kxEditPaintUtils, kxFormats,
// the date utilities, the text drawing utilities, the editor painting routines, the edit styles, kxEdit,
// kxTextEdit, kxMaskEdit.
#pragma once

#include <span>

#include "platform/core/units.h"

std::span<const Unit> EditorFrameworkUnits();
