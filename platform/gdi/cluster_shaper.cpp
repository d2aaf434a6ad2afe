// Shaping mark clusters with HarfBuzz; see cluster_shaper.h.
#include "platform/gdi/cluster_shaper.h"

#include <hb.h>

#include <cmath>

#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_units.h"

namespace gdi {

const std::vector<PlacedGlyph>& ClusterShaper::Shape(std::u16string_view cluster) {
  auto it = shaped_.find(cluster);
  if (it == shaped_.end()) it = shaped_.emplace(std::u16string(cluster), Run(cluster)).first;
  return it->second;
}

std::vector<PlacedGlyph> ClusterShaper::Run(std::u16string_view cluster) const {
  std::vector<PlacedGlyph> placed;
  int face = -1;
  for (std::size_t i = 0; i < cluster.size();) {
    const CharInfo& info = font_.Char(DecodeUnit(cluster, i));
    if (info.face == CharInfo::kNoFace) continue;
    if (face >= 0 && info.face != face) return placed;
    face = info.face;
  }
  if (face < 0) return placed;
  const FontFace& f = font_.Face(face);
  const double ppemX = font_.PixelsPerEm() * font_.XScale() * f.scale;
  return ShapeWithFace(f, face, ppemX, font_.PixelsPerEm() * f.scale, cluster);
}

std::vector<PlacedGlyph> ShapeWithFace(const FontFace& f, int face, double ppemX, double ppemY,
                                       std::u16string_view text) {
  std::vector<PlacedGlyph> placed;
  hb_buffer_t* buffer = hb_buffer_create();
  hb_buffer_add_utf16(buffer, reinterpret_cast<const std::uint16_t*>(text.data()), int(text.size()), 0,
                      int(text.size()));
  hb_buffer_guess_segment_properties(buffer);
  hb_shape(f.shaper, buffer, nullptr, 0);
  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
  const double xScale = ppemX / f.unitsPerEm;
  const double yScale = ppemY / f.unitsPerEm;
  long pen = 0;
  for (unsigned i = 0; i < count; ++i) {
    placed.push_back({face, infos[i].codepoint, int(std::lround((pen + positions[i].x_offset) * xScale)),
                      int(std::lround(-positions[i].y_offset * yScale))});
    pen += positions[i].x_advance;
  }
  hb_buffer_destroy(buffer);
  return placed;
}

}  // namespace gdi
