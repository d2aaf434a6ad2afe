// Making a drawing-layer font from a TFont's values.
//
// LOGFONT from TFontData: lfHeight = Height, lfWidth 0, lfEscapement = lfOrientation =
// Orientation, FW_BOLD or FW_NORMAL, italic, underline and strike-out from Style, lfCharSet =
// Charset, default precisions and quality, pitch from Pitch; the face name "Default" means the
// system's default face.
#pragma once

#include "platform/gdi/gdi_types.h"
#include "platform/ui/font.h"

HFONT CreateFontHandle(const TFontData& Data);
