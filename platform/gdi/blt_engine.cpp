// Blits with stretching and raster operations; see blt_engine.h.
#include "platform/gdi/blt_engine.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/rop_engine.h"

namespace gdi {
namespace {

enum class Combine { Nearest, And, Or, Average };

// For each destination index, the source indexes that feed it and their weights.
struct AxisMap {
  std::vector<int> first;                 // first source index per destination index
  std::vector<std::vector<std::int64_t>> weights;   // one weight per source index from first on
  std::int64_t total = 1;                 // the sum of weights for Average
  int minSource = 0, maxSource = -1;      // inclusive range touched (within the image)
};

AxisMap BuildAxis(int dstLen, int srcStart, int srcLen, int imageLen, bool mirror, Combine combine) {
  AxisMap m;
  m.first.resize(std::size_t(dstLen));
  m.weights.resize(std::size_t(dstLen));
  m.minSource = INT32_MAX;
  m.total = combine == Combine::Average ? std::int64_t(srcLen) : 1;
  for (int i = 0; i < dstLen; ++i) {
    const int k = mirror ? dstLen - 1 - i : i;
    std::vector<std::int64_t>& w = m.weights[std::size_t(i)];
    int first = 0;
    if (combine == Combine::Average) {
      // Destination pixel k covers source units [k * srcLen, (k + 1) * srcLen) where each source
      // pixel spans dstLen units.
      const std::int64_t lo = std::int64_t(k) * srcLen, hi = lo + srcLen;
      first = int(lo / dstLen);
      for (std::int64_t s = first; s * dstLen < hi; ++s) {
        const std::int64_t a = std::max(lo, s * dstLen), b = std::min(hi, (s + 1) * dstLen);
        w.push_back(b - a);
      }
    } else {
      std::int64_t lo = (std::int64_t(k) * srcLen + dstLen - 1) / dstLen;
      std::int64_t hi = ((std::int64_t(k) + 1) * srcLen + dstLen - 1) / dstLen;
      if (combine == Combine::Nearest || hi <= lo) lo = std::int64_t(k) * srcLen / dstLen, hi = lo + 1;
      first = int(lo);
      w.assign(std::size_t(hi - lo), 1);
    }
    // Source index in the image, dropping what lies outside it.
    first += srcStart;
    while (!w.empty() && first < 0) w.erase(w.begin()), ++first;
    while (!w.empty() && first + int(w.size()) > imageLen) w.pop_back();
    m.first[std::size_t(i)] = first;
    if (!w.empty()) {
      m.minSource = std::min(m.minSource, first);
      m.maxSource = std::max(m.maxSource, first + int(w.size()) - 1);
    }
  }
  return m;
}

Combine CombineFor(int stretchMode, int dstLen, int srcLen) {
  if (dstLen == srcLen) return Combine::Nearest;
  switch (stretchMode) {
    case HALFTONE: return Combine::Average;
    case BLACKONWHITE: return dstLen < srcLen ? Combine::And : Combine::Nearest;
    case WHITEONBLACK: return dstLen < srcLen ? Combine::Or : Combine::Nearest;
    default: return Combine::Nearest;
  }
}

// The combined source value of one destination pixel.
bool SourceValue(const AxisMap& ax, const AxisMap& ay, int i, int j, Combine cx, Combine cy,
                 const std::map<int, std::vector<Pixel>>& rows, int rowOffset, Pixel& out) {
  const auto& wx = ax.weights[std::size_t(i)];
  const auto& wy = ay.weights[std::size_t(j)];
  if (wx.empty() || wy.empty()) return false;
  const int fx = ax.first[std::size_t(i)] - rowOffset, fy = ay.first[std::size_t(j)];
  if (cx == Combine::Average || cy == Combine::Average) {
    std::int64_t sum[4] = {0, 0, 0, 0};
    for (std::size_t r = 0; r < wy.size(); ++r) {
      const std::vector<Pixel>& row = rows.at(fy + int(r));
      for (std::size_t c = 0; c < wx.size(); ++c) {
        const std::int64_t w = wx[c] * wy[r];
        const Pixel p = row[std::size_t(fx) + c];
        for (int k = 0; k < 4; ++k) sum[k] += w * ((p >> (8 * k)) & 0xFF);
      }
    }
    const std::int64_t total = ax.total * ay.total;
    out = 0;
    for (int k = 0; k < 4; ++k) out |= Pixel((sum[k] + total / 2) / total) << (8 * k);
    return true;
  }
  const bool isOr = cx == Combine::Or || cy == Combine::Or;
  Pixel acc = isOr ? 0 : ~Pixel(0);
  for (std::size_t r = 0; r < wy.size(); ++r) {
    const std::vector<Pixel>& row = rows.at(fy + int(r));
    for (std::size_t c = 0; c < wx.size(); ++c) acc = isOr ? (acc | row[std::size_t(fx) + c]) : (acc & row[std::size_t(fx) + c]);
  }
  out = acc;
  return true;
}

}  // namespace

BltSource SourceFromBitmap(BitmapObject& bitmap, DeviceContext& destination, COLORREF background) {
  BltSource s;
  s.width = bitmap.Width();
  s.height = bitmap.Height();
  std::shared_ptr<PixelSurface> surface(std::shared_ptr<PixelSurface>(), &bitmap.Surface());
  if (destination.Target() == &bitmap) {
    // Copy first, so a blit within one surface reads the pixels as they were before it.
    const PixelSurface& from = bitmap.Surface();
    std::shared_ptr<PixelSurface> copy(PixelSurface::Create(from.Width(), from.Height(), from.BitsPerPixel(), true, from.Palette()).release());
    if (!copy) return {};
    for (int y = 0; y < from.Height(); ++y)
      std::memcpy(copy->Row(y), from.Row(y), std::size_t(std::min(from.Stride(), copy->Stride())));
    s.snapshot = copy;
    surface = copy;
  }
  const PixelSurface& dstSurface = destination.Target()->Surface();
  const bool monoTarget = dstSurface.BitsPerPixel() == 1;
  if (monoTarget && surface->BitsPerPixel() != 1) {
    const Pixel key = ColorRefToPixel(background & 0xFFFFFF);
    const Pixel white = dstSurface.Representable(0xFFFFFF), black = dstSurface.Representable(0);
    s.read = [surface, key, white, black](int y, int x, int n, Pixel* out) {
      surface->ReadSpan(y, x, n, out);
      for (int i = 0; i < n; ++i) out[i] = (out[i] & 0xFFFFFF) == key ? white : black;
    };
  } else if (!monoTarget && bitmap.IsMonochrome()) {
    const Pixel fore = dstSurface.Representable(ColorRefToPixel(ResolveColor(destination, destination.State().textColor)));
    const Pixel back = dstSurface.Representable(ColorRefToPixel(ResolveColor(destination, destination.State().bkColor)));
    s.read = [surface, fore, back](int y, int x, int n, Pixel* out) {
      surface->ReadSpan(y, x, n, out);
      for (int i = 0; i < n; ++i) out[i] = (out[i] & 0xFFFFFF) ? back : fore;
    };
  } else {
    s.read = [surface](int y, int x, int n, Pixel* out) { surface->ReadSpan(y, x, n, out); };
  }
  return s;
}

std::optional<BltSource> SourceFromDC(DeviceContext& source, DeviceContext& destination) {
  BitmapObject* bitmap = source.Target();
  if (!bitmap || !destination.Target()) return std::nullopt;
  BltSource s = SourceFromBitmap(*bitmap, destination, ResolveColor(source, source.State().bkColor));
  if (!s.read) return std::nullopt;
  return s;
}

BltSource SourceFromDib(const DibFormat& format, const void* bits) {
  BltSource s;
  s.width = format.Width();
  s.height = format.Height();
  s.read = [format, bits](int y, int x, int n, Pixel* out) { format.ReadPixels(format.Row(bits, y), x, n, out); };
  return s;
}

void BlitRows(DeviceContext& dst, int dx, int dy, int dw, int dh, const BltSource* src, int sx, int sy, int sw, int sh,
              int stretchMode, const RowOp& op) {
  BitmapObject* target = dst.Target();
  if (!target || dw == 0 || dh == 0 || (src && (sw == 0 || sh == 0))) return;
  // Normalise: destination left/top with positive extents; mirroring when the signs differ.
  const bool mirrorX = src && ((dw < 0) != (sw < 0)), mirrorY = src && ((dh < 0) != (sh < 0));
  if (dw < 0) dx += dw, dw = -dw;
  if (dh < 0) dy += dh, dh = -dh;
  if (sw < 0) sx += sw, sw = -sw;
  if (sh < 0) sy += sh, sh = -sh;

  PixelSurface& surface = target->Surface();
  const bool unscaled = src && dw == sw && dh == sh && !mirrorX && !mirrorY;
  TRect drawn{dx, dy, dx + dw, dy + dh};
  if (unscaled) {
    // One source pixel per destination pixel: only where the source image has pixels.
    drawn = {std::max(dx, dx - sx), std::max(dy, dy - sy), std::min(dx + dw, dx - sx + src->width),
             std::min(dy + dh, dy - sy + src->height)};
  }
  const RegionData area = dst.EffectiveClip().Intersect(drawn);
  if (area.IsEmpty()) return;
  std::vector<Pixel> d, s;
  if (unscaled) {
    for (const TRect& r : area.Rects())
      for (int y = r.Top; y < r.Bottom; ++y) {
        const int n = r.Right - r.Left;
        s.resize(std::size_t(n));
        d.resize(std::size_t(n));
        src->read(sy + (y - dy), sx + (r.Left - dx), n, s.data());
        surface.ReadSpan(y, r.Left, n, d.data());
        op(y, r.Left, n, s.data(), nullptr, d.data());
        surface.WriteSpan(y, r.Left, n, d.data());
      }
    return;
  }

  AxisMap ax, ay;
  Combine cx = Combine::Nearest, cy = Combine::Nearest;
  if (src) {
    cx = CombineFor(stretchMode, dw, sw);
    cy = CombineFor(stretchMode, dh, sh);
    if (cx == Combine::Average || cy == Combine::Average) cx = cy = Combine::Average;
    ax = BuildAxis(dw, sx, sw, src->width, mirrorX, cx);
    ay = BuildAxis(dh, sy, sh, src->height, mirrorY, cy);
    if (ax.maxSource < ax.minSource || ay.maxSource < ay.minSource) return;
  }

  std::vector<std::uint8_t> valid;
  std::map<int, std::vector<Pixel>> rows;   // the source rows feeding the current destination row
  for (const TRect& r : area.Rects()) {
    for (int y = r.Top; y < r.Bottom; ++y) {
      const int n = r.Right - r.Left;
      if (src) {
        const int j = y - dy;
        const auto& wy = ay.weights[std::size_t(j)];
        if (wy.empty()) continue;
        const int firstRow = ay.first[std::size_t(j)], endRow = firstRow + int(wy.size());
        for (auto it = rows.begin(); it != rows.end();)
          it = it->first < firstRow || it->first >= endRow ? rows.erase(it) : std::next(it);
        for (int row = firstRow; row < endRow; ++row) {
          if (rows.count(row)) continue;
          std::vector<Pixel>& buffer = rows[row];
          buffer.resize(std::size_t(ax.maxSource - ax.minSource + 1));
          src->read(row, ax.minSource, int(buffer.size()), buffer.data());
        }
        s.resize(std::size_t(n));
        valid.assign(std::size_t(n), 0);
        if (cx == Combine::Nearest && cy == Combine::Nearest) {
          const std::vector<Pixel>& source = rows[firstRow];
          for (int x = 0; x < n; ++x) {
            const std::size_t i = std::size_t(r.Left + x - dx);
            if (ax.weights[i].empty()) continue;
            s[std::size_t(x)] = source[std::size_t(ax.first[i] - ax.minSource)];
            valid[std::size_t(x)] = 1;
          }
        } else {
          for (int x = 0; x < n; ++x)
            valid[std::size_t(x)] = SourceValue(ax, ay, r.Left + x - dx, j, cx, cy, rows, ax.minSource, s[std::size_t(x)]);
        }
      }
      d.resize(std::size_t(n));
      surface.ReadSpan(y, r.Left, n, d.data());
      op(y, r.Left, n, src ? s.data() : nullptr, src ? valid.data() : nullptr, d.data());
      surface.WriteSpan(y, r.Left, n, d.data());
    }
  }
}

void Blit(DeviceContext& dst, int dx, int dy, int dw, int dh, const BltSource* src, int sx, int sy, int sw, int sh,
          std::uint8_t rop, int stretchMode) {
  const bool usesPattern = RopUsesPattern(DWORD(rop) << 16);
  const PaintSource pattern = usesPattern ? BrushPaint(dst, dst.State().brush) : PaintSource{};
  if (usesPattern && pattern.none) return;   // a null brush paints nothing
  if (!RopUsesSource(DWORD(rop) << 16)) src = nullptr;
  std::vector<Pixel> p;
  std::vector<std::uint8_t> unused;
  BlitRows(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, stretchMode,
           [&](int y, int x, int n, const Pixel* s, const std::uint8_t* valid, Pixel* d) {
             const std::uint8_t* hatchMask;   // blits paint hatches whole, whatever the background mode
             const Pixel* pp = PatternRow(pattern, y, x, n, p, unused, &hatchMask);
             ApplyRop3(rop, d, s, pp, pattern.solid, valid, n);
           });
}

}  // namespace gdi
