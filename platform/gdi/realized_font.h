// A font made ready for measuring and drawing: the faces a LOGFONT resolves to at its pixel size,
// its metrics, and the per-character cache that makes widths cheap and additive.
//
// Faces: face 0 is the one the request names (after the configuration's mapping); characters it
// lacks come from the configuration's fallbacks (Thai from Noto Looped Thai UI), which join the face
// list as they are met.  Each face is measured unrotated and drawn with the escapement's rotation.
//
// The metrics are face 0's alone.  A fallback face with Thai is fitted into that cell: its
// tallest and deepest stacks (a tall consonant with an above vowel and a tone mark; a consonant
// with a tail and a below vowel) are rendered at the font's em size, and at one pixel less each
// time until their ink is no taller than tmHeight (down to three quarters of the em size); the
// face is then raised (or lowered) by whole pixels until that ink lies inside the rows from
// tmAscent above the baseline to tmDescent below it.  So Thai with stacked marks stays whole in a
// single-line cell of tmHeight, and the Thai letters keep close to the Latin letters' size.  Its
// glyphs that lean back left of their origin (sara ai maimalai's curl) are drawn moved right to
// start at it, so a line's ink starts where its text does.
//
// A face the configuration marks "simulatedbold" (a bold file with the regular strokes) is
// emboldened as the platform simulates bold: every glyph's ink is widened by one pixel to the right.
//
// Characters (CharInfo): the advance is a whole number of pixels, the same wherever the character
// stands, so the width of a text is the sum of its characters' advances.  Combining marks (Thai
// above and below vowels and tone marks) advance 0 and are drawn on the character before them;
// control and format characters advance 0 and draw nothing; a character no face has draws the
// first face's missing-glyph box.
//
// Every member must be used with the font system locked (font_system.h).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi/font_metrics.h"
#include "platform/gdi/font_types.h"

typedef struct _PangoFont PangoFont;
typedef struct _PangoFontset PangoFontset;
typedef struct _cairo_scaled_font cairo_scaled_font_t;
typedef struct hb_font_t hb_font_t;

namespace gdi {

class GlyphCache;
class ClusterShaper;

struct FontFace {
  PangoFont* font = nullptr;               // reference held
  cairo_scaled_font_t* measure = nullptr;  // unrotated, at the font's size: advances
  cairo_scaled_font_t* draw = nullptr;     // rotated by the escapement (the same object when 0)
  hb_font_t* shaper = nullptr;             // in font units, for combining marks
  int unitsPerEm = 2048;
  double scale = 1.0;   // this face's em size over the font's (a fitted fallback face is smaller)
  int raise = 0;        // pixels this face's glyphs are drawn above the font's baseline
  bool emboldened = false;   // each glyph drawn one pixel wider to the right (simulated bold)
  bool fitted = false;       // a fallback face fitted into the font's cell
};

struct CharInfo {
  static constexpr std::uint8_t kNoFace = 0xFF;   // nothing to draw
  std::int32_t advance = 0;
  std::uint32_t glyph = 0;
  std::uint8_t face = kNoFace;
  bool mark = false;
};

class RealizedFont {
 public:
  explicit RealizedFont(const LOGFONTW& request);
  ~RealizedFont();
  RealizedFont(const RealizedFont&) = delete;
  RealizedFont& operator=(const RealizedFont&) = delete;

  const LOGFONTW& Request() const { return request_; }
  const TEXTMETRICW& Metrics() const { return scaled_.tm; }
  const Decorations& Decor() const { return scaled_.decorations; }
  int PixelsPerEm() const { return scaled_.ppem; }
  double XScale() const { return scaled_.ppemX / scaled_.ppem; }
  // The escapement in tenths of a degree, 0 .. 3599.
  int Escapement() const { return escapement_; }
  // The family of face 0 as the font files name it.
  const std::u16string& ActualFamily() const { return actualFamily_; }

  const CharInfo& Char(char32_t c);
  const FontFace& Face(int index) const { return faces_[std::size_t(index)]; }

  GlyphCache& Glyphs() { return *glyphs_; }
  ClusterShaper& Clusters() { return *clusters_; }

 private:
  using Page = std::array<CharInfo, 256>;

  CharInfo Lookup(char32_t c);
  int FaceOf(PangoFont* font);   // takes the reference
  void AddFace(PangoFont* font);
  void FitIntoCell(FontFace& face, cairo_scaled_font_t* base);

  LOGFONTW request_;
  ScaledMetrics scaled_;
  int escapement_ = 0;
  std::u16string actualFamily_;
  PangoFontset* fontset_ = nullptr;
  std::vector<FontFace> faces_;
  std::array<std::unique_ptr<Page>, 256> pages_;   // the basic plane, filled as characters are met
  std::unordered_map<char32_t, CharInfo> astral_;
  std::unique_ptr<GlyphCache> glyphs_;
  std::unique_ptr<ClusterShaper> clusters_;
};

}  // namespace gdi
