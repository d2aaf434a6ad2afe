// Which face names the font configuration knows: the families of the installed font files and
// the names it maps onto them ("Tahoma" -> Loma), and the styles each family is installed in.
// Names compare ignoring case and blanks, as fontconfig and the platform compare face names.
// With the font system locked.
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

// One installed style of a family: its name as the font files give it ("Bold Oblique"), its
// weight on the LOGFONT scale (100 .. 1000), whether it slants, and the scripts it covers.
struct FamilyStyle {
  std::u16string name;
  int weight = 400;
  bool italic = false;
  bool latin = false;
  bool thai = false;
};

// The styles of an installed family, each (weight, italic) once: upright before slanted, lighter
// before heavier.  Empty for a name that is not an installed family.
std::vector<FamilyStyle> FamilyStyles(std::u16string_view family);

}  // namespace gdi
