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
  hb_buffer_t* buffer = hb_buffer_create();
  hb_buffer_add_utf16(buffer, reinterpret_cast<const std::uint16_t*>(cluster.data()), int(cluster.size()), 0,
                      int(cluster.size()));
  hb_buffer_guess_segment_properties(buffer);
  hb_shape(f.shaper, buffer, nullptr, 0);
  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
  const double xScale = font_.PixelsPerEm() * font_.XScale() / f.unitsPerEm;
  const double yScale = double(font_.PixelsPerEm()) / f.unitsPerEm;
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
