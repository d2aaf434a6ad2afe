// Making a drawing-layer font from a TFont's values.
//
// LOGFONT from TFontData: lfHeight = Height, lfWidth 0, lfEscapement = lfOrientation =
// Orientation, FW_BOLD or FW_NORMAL, italic, underline and strike-out from Style, lfCharSet =
// Charset, default precisions and quality, pitch from Pitch; the face name "Default" means the
// system's default face.  FontDataOf reads a LOGFONT back the same way (a weight from FW_SEMIBOLD up
// is bold; an empty face name is "Default").
#pragma once

#include "platform/gdi/gdi_types.h"
#include "platform/ui/font.h"

struct LOGFONTA;

HFONT CreateFontHandle(const TFontData& Data);
TFontData FontDataOf(const LOGFONTA& Font);
