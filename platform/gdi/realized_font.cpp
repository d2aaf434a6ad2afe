// Realizing a font with pango and fontconfig; see realized_font.h.
#include "platform/gdi/realized_font.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <hb-ot.h>
#include <hb.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "platform/core/cp874.h"
#include "platform/gdi/cluster_shaper.h"
#include "platform/gdi/font_system.h"
#include "platform/gdi/glyph_cache.h"
#include "platform/gdi/text_constants.h"

namespace gdi {
namespace {

constexpr std::int32_t kNotLookedUp = -1;

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

cairo_scaled_font_t* PangoScaled(PangoFont* font) {
  return pango_cairo_font_get_scaled_font(reinterpret_cast<PangoCairoFont*>(font));
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

// The tables of the face that supplies Thai when the primary face has none.
std::optional<FaceTables> ThaiFallbackTables(const LOGFONTW& lf, int pixels, PangoFont* primary) {
  constexpr gunichar kKoKai = 0x0E01;
  hb_codepoint_t glyph = 0;
  if (hb_font_get_nominal_glyph(pango_font_get_hb_font(primary), kKoKai, &glyph)) return std::nullopt;
  FontSystem& system = FontSystem::Instance();
  PangoFontDescription* d = Describe(lf, pixels);
  PangoFontset* fontset =
      pango_font_map_load_fontset(system.FontMap(), system.Context(), d, pango_language_from_string("en"));
  pango_font_description_free(d);
  std::optional<FaceTables> tables;
  if (PangoFont* thai = fontset ? pango_fontset_get_font(fontset, kKoKai) : nullptr) {
    if (thai != primary) tables = ReadTables(thai);
    g_object_unref(thai);
  }
  if (fontset) g_object_unref(fontset);
  return tables;
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

cairo_scaled_font_t* CreateScaled(cairo_scaled_font_t* base, double xScale, int escapement) {
  cairo_matrix_t matrix, ctm, stretch;
  cairo_scaled_font_get_font_matrix(base, &matrix);
  cairo_matrix_init_scale(&stretch, xScale, 1);
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
  const std::optional<FaceTables> thai = primary ? ThaiFallbackTables(request, provisional, primary) : std::nullopt;
  scaled_ = ScaleMetrics(tables, thai ? &*thai : nullptr, request);
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
  if (tables.xAvgCharWidth == 0 && !faces_.empty()) tm.tmAveCharWidth = std::max(1, Char(U'x').advance);
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
  face.measure = CreateScaled(base, XScale(), 0);
  face.draw = escapement_ ? CreateScaled(base, XScale(), escapement_) : face.measure;
  hb_face_t* hbFace = hb_font_get_face(pango_font_get_hb_font(font));
  face.unitsPerEm = int(hb_face_get_upem(hbFace));
  face.shaper = hb_font_create(hbFace);
  faces_.push_back(face);
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
