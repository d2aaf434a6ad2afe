// Placing combining marks on their base character.
//
// A cluster is a character followed by the combining marks that belong to it (Thai: a consonant
// with its above or below vowel and tone mark).  When one face has every character of a cluster,
// the cluster is shaped with HarfBuzz, which puts marks where the font's own positioning (or
// HarfBuzz's Thai rules) says, stacked and shifted clear of tall consonants.  Glyph offsets are
// rounded to whole pixels; they are relative to the cluster's origin and never change its
// advance, which stays the sum of its characters' advances.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gdi {

class RealizedFont;
struct FontFace;

struct PlacedGlyph {
  int face;
  unsigned glyph;
  int dx;   // pixels along the baseline from the cluster's origin
  int dy;   // pixels downward from the baseline
};

// Shapes text with one face (index `face` in the font's list) at the given horizontal and vertical
// em sizes in pixels, offsets rounded as above.
std::vector<PlacedGlyph> ShapeWithFace(const FontFace& f, int face, double ppemX, double ppemY,
                                       std::u16string_view text);

class ClusterShaper {
 public:
  explicit ClusterShaper(RealizedFont& font) : font_(font) {}
  // The glyphs of a cluster, or an empty list when its characters come from different faces (the
  // caller then draws each character's own glyph at the cluster's origin).
  const std::vector<PlacedGlyph>& Shape(std::u16string_view cluster);

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view s) const { return std::hash<std::u16string_view>()(s); }
  };
  std::vector<PlacedGlyph> Run(std::u16string_view cluster) const;

  RealizedFont& font_;
  std::unordered_map<std::u16string, std::vector<PlacedGlyph>, Hash, std::equal_to<>> shaped_;
};

}  // namespace gdi
