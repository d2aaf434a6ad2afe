// Realized fonts shared between equal requests.
//
// Programs create and free font handles all the time (a canvas makes a new one whenever its font
// changes), so realization, character widths and glyphs are cached per request rather than per
// handle.  Requests are equal when height, width, escapement, weight, italic, underline,
// strike-out, character set, pitch and family and the face name (ignoring case) are; precision,
// quality and orientation change nothing here.  A realized font lives while a handle uses it and
// among the most recently released ones after that.
#pragma once

#include <memory>

#include "platform/gdi/font_types.h"

namespace gdi {

class RealizedFont;

// With the font system locked.
std::shared_ptr<RealizedFont> AcquireRealizedFont(const LOGFONTW& request);

}  // namespace gdi
