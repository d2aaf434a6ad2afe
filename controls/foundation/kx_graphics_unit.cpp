#include "controls/foundation/kx_graphics_unit.h"

#include "controls/foundation/kx_alpha_blend.h"
#include "controls/foundation/kx_glyph.h"
#include "controls/foundation/kx_screen_canvas.h"

namespace {

void FinalizeGraphics() {
  FreeAlphaBlend();
  FreeSharedScreenCanvas();
  FreeScratchBitmaps();
}

}  // namespace

const Unit kxGraphicsUnit = {"kxGraphics", BindAlphaBlend, FinalizeGraphics};
