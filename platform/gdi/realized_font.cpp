// Realizing a font with pango and fontconfig; see realized_font.h.
#include "platform/gdi/realized_font.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H
#include <hb-ot.h>
#include <hb.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-font.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "platform/core/cp874.h"
#include "platform/gdi/cluster_shaper.h"
#include "platform/gdi/font_system.h"
#include "platform/gdi/glyph_cache.h"
#include "platform/gdi/text_constants.h"

namespace gdi {
namespace {

constexpr std::int32_t kNotLookedUp = -1;
constexpr gunichar kKoKai = 0x0E01;

// The Thai stacks that reach highest and lowest in everyday text: tall consonants under an above
// vowel and mai ek or mai tho, under thanthakhat, under a tone mark and sara am; consonants with a
// tail or a descender under a below vowel; the tall leading vowels.  (Mai tri and mai chattawa
// above an above vowel, and tho than under a below vowel, reach a row further; fitting them too
// would shrink all Thai by a fifth for a handful of rare syllables.)
constexpr std::u16string_view kThaiStacks[] = {u"\u0E1B\u0E34\u0E48", u"\u0E1F\u0E37\u0E49", u"\u0E1D\u0E31\u0E48",
                                               u"\u0E2C\u0E35\u0E48", u"\u0E1B\u0E4C", u"\u0E1B\u0E48\u0E33",
                                               u"\u0E0E\u0E38", u"\u0E0F\u0E39", u"\u0E0D\u0E39",
                                               u"\u0E24", u"\u0E26", u"\u0E43", u"\u0E44", u"\u0E42"};

std::string FaceNameUtf8(const LOGFONTW& lf) {
  std::u16string face;
  for (int i = 0; i < LF_FACESIZE && lf.lfFaceName[i]; ++i) face += lf.lfFaceName[i];
  return Utf16ToUtf8(face);
}

// The family list handed to fontconfig: the face, then the generic family the pitch and family ask
// for (so that an unknown face still gets a font of the right kind).
std::string FamilyList(const LOGFONTW& lf) {
  const int family = lf.lfPitchAndFamily & 0xF0, pitch = lf.lfPitchAndFamily & 0x03;
  const char* generic = family == FF_ROMAN ? "serif"
                        : family == FF_MODERN || pitch == FIXED_PITCH ? "monospace"
                                                                      : "sans-serif";
  std::string face = FaceNameUtf8(lf);
  // A leading '@' asks for the vertical variant of a face; there are none, the face itself serves.
  if (!face.empty() && face[0] == '@') face.erase(0, 1);
  for (char& c : face)
    if (c == ',') c = ' ';
  return face.empty() ? generic : face + "," + generic;
}

PangoFontDescription* Describe(const LOGFONTW& lf, int pixels) {
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, FamilyList(lf).c_str());
  const int weight = lf.lfWeight > 0 ? std::clamp<int>(lf.lfWeight, 100, 1000) : FW_NORMAL;
  pango_font_description_set_weight(d, PangoWeight(weight));
  pango_font_description_set_style(d, lf.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(d, double(pixels) * PANGO_SCALE);
  return d;
}

// The configuration marks faces whose bold file carries the regular strokes (with the bold
// advances) as "simulatedbold": their glyphs are emboldened as the platform simulates bold.
bool SimulatesBold(PangoFont* font) {
  if (!PANGO_IS_FC_FONT(font)) return false;
  FcBool value = FcFalse;
  const FcPattern* pattern = pango_fc_font_get_pattern(PANGO_FC_FONT(font));
  return FcPatternGetBool(pattern, "simulatedbold", 0, &value) == FcResultMatch && value;
}

cairo_scaled_font_t* PangoScaled(PangoFont* font) {
  return pango_cairo_font_get_scaled_font(reinterpret_cast<PangoCairoFont*>(font));
}

// The weighted average advance of the lowercase letters and the space (font_metrics.h), 0 when
// the face lacks one of them.
int WeightedAverage(FT_Face face) {
  long sum = 0;
  for (int i = 0; i < 27; ++i) {
    const FT_UInt glyph = FT_Get_Char_Index(face, i < 26 ? FT_ULong('a' + i) : FT_ULong(' '));
    FT_Fixed advance = 0;
    if (glyph == 0 || FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &advance) != 0) return 0;
    sum += long(advance) * kAverageWidthWeights[i];
  }
  return int(std::lround(sum / 1000.0));
}

FaceTables ReadTables(PangoFont* font) {
  FaceTables t;
  cairo_scaled_font_t* scaled = PangoScaled(font);
  FT_Face face = scaled ? cairo_ft_scaled_font_lock_face(scaled) : nullptr;
  if (!face) return t;
  t.unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  t.hheaAscender = face->ascender;
  t.hheaDescender = face->descender;
  t.hheaLineGap = face->height - (face->ascender - face->descender);
  t.maxAdvance = face->max_advance_width;
  t.underlinePosition = face->underline_position;
  t.underlineThickness = face->underline_thickness;
  t.fixedPitch = FT_IS_FIXED_WIDTH(face);
  t.weightedAverage = WeightedAverage(face);
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF) {
    t.winAscent = os2->usWinAscent;
    t.winDescent = os2->usWinDescent;
    t.xAvgCharWidth = os2->xAvgCharWidth;
    t.strikeoutPosition = os2->yStrikeoutPosition;
    t.strikeoutSize = os2->yStrikeoutSize;
    t.fixedPitch = t.fixedPitch || os2->panose[3] == 9;
    t.serif = os2->panose[0] == 2 && os2->panose[1] >= 2 && os2->panose[1] <= 10;
  }
  if (const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA)))
    t.hheaLineGap = hhea->Line_Gap;
  cairo_ft_scaled_font_unlock_face(scaled);
  return t;
}

PangoFont* LoadFont(const LOGFONTW& lf, int pixels) {
  FontSystem& system = FontSystem::Instance();
  PangoFontDescription* d = Describe(lf, pixels);
  PangoFont* font = pango_font_map_load_font(system.FontMap(), system.Context(), d);
  pango_font_description_free(d);
  return font;
}

int NormalisedEscapement(LONG tenths) {
  const int e = int(tenths % 3600);
  return e < 0 ? e + 3600 : e;
}

cairo_scaled_font_t* CreateScaled(cairo_scaled_font_t* base, double xScale, double scale, int escapement) {
  cairo_matrix_t matrix, ctm, stretch;
  cairo_scaled_font_get_font_matrix(base, &matrix);
  cairo_matrix_init_scale(&stretch, xScale * scale, scale);
  cairo_matrix_multiply(&matrix, &matrix, &stretch);
  if (escapement) {
    cairo_matrix_t rotation;
    // Counter-clockwise on the screen, whose y axis points down.
    cairo_matrix_init_rotate(&rotation, -escapement * std::numbers::pi / 1800.0);
    cairo_matrix_multiply(&matrix, &matrix, &rotation);
  }
  cairo_matrix_init_identity(&ctm);
  return cairo_scaled_font_create(cairo_scaled_font_get_font_face(base), &matrix, &ctm,
                                  FontSystem::Instance().Options());
}

bool IsInvisible(GUnicodeType type) {
  return type == G_UNICODE_CONTROL || type == G_UNICODE_FORMAT || type == G_UNICODE_LINE_SEPARATOR ||
         type == G_UNICODE_PARAGRAPH_SEPARATOR || type == G_UNICODE_SURROGATE;
}

}  // namespace

RealizedFont::RealizedFont(const LOGFONTW& request) : request_(request) {
  escapement_ = NormalisedEscapement(request.lfEscapement);
  const int provisional = request.lfHeight < 0 ? int(std::min<long>(-long(request.lfHeight), 2048)) : 16;
  PangoFont* primary = LoadFont(request, provisional);
  const FaceTables tables = primary ? ReadTables(primary) : FaceTables{};
  scaled_ = ScaleMetrics(tables, request);
  if (primary && scaled_.ppem != provisional) {
    g_object_unref(primary);
    primary = LoadFont(request, scaled_.ppem);
  }
  FontSystem& system = FontSystem::Instance();
  PangoFontDescription* d = Describe(request, scaled_.ppem);
  fontset_ = pango_font_map_load_fontset(system.FontMap(), system.Context(), d, pango_language_from_string("en"));
  if (primary) {
    PangoFontDescription* actual = pango_font_describe(primary);
    actualFamily_ = Utf8ToUtf16(pango_font_description_get_family(actual) ? pango_font_description_get_family(actual) : "");
    pango_font_description_free(actual);
    AddFace(primary);
  }
  pango_font_description_free(d);

  TEXTMETRICW& tm = scaled_.tm;
  tm.tmCharSet = request.lfCharSet == DEFAULT_CHARSET ? THAI_CHARSET : request.lfCharSet;
  tm.tmFirstChar = 0x20;
  tm.tmLastChar = 0xFFFC;
  tm.tmDefaultChar = 0x1F;
  tm.tmBreakChar = 0x20;
  if (tables.xAvgCharWidth == 0 && tables.weightedAverage == 0 && !faces_.empty())
    tm.tmAveCharWidth = std::max(1, Char(U'x').advance);
  glyphs_ = std::make_unique<GlyphCache>(*this);
  clusters_ = std::make_unique<ClusterShaper>(*this);
}

RealizedFont::~RealizedFont() {
  glyphs_.reset();
  clusters_.reset();
  for (FontFace& f : faces_) {
    if (f.draw != f.measure) cairo_scaled_font_destroy(f.draw);
    cairo_scaled_font_destroy(f.measure);
    hb_font_destroy(f.shaper);
    g_object_unref(f.font);
  }
  if (fontset_) g_object_unref(fontset_);
}

void RealizedFont::AddFace(PangoFont* font) {
  FontFace face;
  face.font = font;
  cairo_scaled_font_t* base = PangoScaled(font);
  hb_face_t* hbFace = hb_font_get_face(pango_font_get_hb_font(font));
  face.unitsPerEm = int(hb_face_get_upem(hbFace));
  face.shaper = hb_font_create(hbFace);
  face.emboldened = SimulatesBold(font);
  hb_codepoint_t koKai = 0;
  if (!faces_.empty() && hb_font_get_nominal_glyph(face.shaper, kKoKai, &koKai)) FitIntoCell(face, base);
  face.measure = CreateScaled(base, XScale(), face.scale, 0);
  face.draw = escapement_ ? CreateScaled(base, XScale(), face.scale, escapement_) : face.measure;
  faces_.push_back(face);
}

void RealizedFont::FitIntoCell(FontFace& face, cairo_scaled_font_t* base) {
  face.fitted = true;
  const TEXTMETRICW& tm = Metrics();
  const int ppem = scaled_.ppem, smallest = std::max(1, (ppem * 3 + 3) / 4);
  for (int pixels = ppem;; --pixels) {
    face.scale = double(pixels) / ppem;
    cairo_scaled_font_t* trial = CreateScaled(base, XScale(), face.scale, 0);
    int above = 0, below = 0;   // ink rows above and below the baseline
    for (const std::u16string_view stack : kThaiStacks)
      for (const PlacedGlyph& g : ShapeWithFace(face, 0, pixels * XScale(), pixels, stack)) {
        const GlyphMask mask = RenderGlyph(trial, g.glyph);
        if (mask.box.Bottom <= mask.box.Top) continue;
        above = std::max(above, -int(mask.box.Top + g.dy));
        below = std::max(below, int(mask.box.Bottom + g.dy));
      }
    cairo_scaled_font_destroy(trial);
    if (above + below > tm.tmHeight && pixels > smallest) continue;
    face.raise = below > tm.tmDescent ? below - tm.tmDescent : above > tm.tmAscent ? tm.tmAscent - above : 0;
    return;
  }
}

int RealizedFont::FaceOf(PangoFont* font) {
  for (std::size_t i = 0; i < faces_.size(); ++i)
    if (faces_[i].font == font) {
      g_object_unref(font);
      return int(i);
    }
  if (faces_.size() >= CharInfo::kNoFace) {   // never reached with the configured fallbacks
    g_object_unref(font);
    return 0;
  }
  AddFace(font);
  return int(faces_.size() - 1);
}

const CharInfo& RealizedFont::Char(char32_t c) {
  if (c >= 0x10000) {
    auto [it, added] = astral_.try_emplace(c);
    if (added) it->second = Lookup(c);
    return it->second;
  }
  std::unique_ptr<Page>& page = pages_[c >> 8];
  if (!page) {
    page = std::make_unique<Page>();
    for (CharInfo& info : *page) info.advance = kNotLookedUp;
  }
  CharInfo& info = (*page)[c & 0xFF];
  if (info.advance == kNotLookedUp) info = Lookup(c);
  return info;
}

CharInfo RealizedFont::Lookup(char32_t c) {
  CharInfo info;
  const GUnicodeType type = g_unichar_type(gunichar(c));
  if (faces_.empty() || IsInvisible(type)) return info;
  info.mark = type == G_UNICODE_NON_SPACING_MARK || type == G_UNICODE_ENCLOSING_MARK;
  PangoFont* font = fontset_ ? pango_fontset_get_font(fontset_, guint(c)) : nullptr;
  int face = font ? FaceOf(font) : 0;
  hb_codepoint_t glyph = 0;
  if (!hb_font_get_nominal_glyph(faces_[std::size_t(face)].shaper, c, &glyph)) {
    face = 0;
    glyph = 0;
  }
  info.face = std::uint8_t(face);
  info.glyph = glyph;
  if (!info.mark) {
    cairo_glyph_t g{glyph, 0, 0};
    cairo_text_extents_t extents;
    cairo_scaled_font_glyph_extents(faces_[std::size_t(face)].measure, &g, 1, &extents);
    info.advance = std::int32_t(std::lround(extents.x_advance));
  }
  return info;
}

}  // namespace gdi
