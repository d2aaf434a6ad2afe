// The control library's drawing unit kxGraphics: its start-up binds "AlphaBlend" of the image
// blending library; its shut-down lets the library go and frees the shared screen canvas and the
// glyph renderer's scratch bitmaps.
#pragma once

#include "platform/core/units.h"

extern const Unit kxGraphicsUnit;
