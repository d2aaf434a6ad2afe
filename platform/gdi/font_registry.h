// Which face names the font configuration knows: the families of the installed font files and
// the names it maps onto them ("Tahoma" -> Loma).  Names compare ignoring case and blanks, as
// fontconfig and the platform compare face names.  With the font system locked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gdi {

// The installed families, sorted without case.
const std::vector<std::u16string>& InstalledFamilies();
// The installed family a name resolves to: the name itself when installed, the family the
// configuration maps it to, or "" when the configuration knows neither.
std::u16string ResolvedFamily(std::u16string_view face);
inline bool IsKnownFace(std::u16string_view face) { return !ResolvedFamily(face).empty(); }

}  // namespace gdi
