// Block transfers, alpha blending and gradients; see blt.h and blt_engine.h.
#include "platform/gdi/blt.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/blt_engine.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/pixel_math.h"
#include "platform/gdi/polygon_fill.h"
#include "platform/gdi/raster_ops.h"

using namespace gdi;

namespace {

inline Pixel Channels(std::uint32_t b, std::uint32_t g, std::uint32_t r, std::uint32_t a) {
  return std::min(b, 255u) | std::min(g, 255u) << 8 | std::min(r, 255u) << 16 | std::min(a, 255u) << 24;
}

Pixel BlendPixel(Pixel s, Pixel d, BYTE constant, bool perPixel) {
  auto ch = [](Pixel p, int k) { return (p >> (8 * k)) & 0xFF; };
  if (!perPixel) {
    std::uint32_t out[4];
    for (int k = 0; k < 4; ++k) out[k] = Mul255(ch(s, k), constant) + Mul255(ch(d, k), 255u - constant);
    return Channels(out[0], out[1], out[2], out[3]);
  }
  std::uint32_t sp[4];
  for (int k = 0; k < 4; ++k) sp[k] = Mul255(ch(s, k), constant);
  const std::uint32_t inverse = 255u - sp[3];
  std::uint32_t out[4];
  for (int k = 0; k < 4; ++k) out[k] = sp[k] + Mul255(ch(d, k), inverse);
  return Channels(out[0], out[1], out[2], out[3]);
}

struct BltArgs {
  DeviceContext* dst;
  DeviceContext* src;
  TPoint d, s;   // surface coordinates of the rectangles' first corners
};

bool Resolve(HDC dst, int x, int y, HDC src, int xSrc, int ySrc, BltArgs& out) {
  out.dst = FindDC(dst);
  out.src = src ? FindDC(src) : nullptr;
  if (!out.dst || (src && !out.src)) return false;
  out.d = out.dst->ToSurface(TPoint{x, y});
  if (out.src) out.s = out.src->ToSurface(TPoint{xSrc, ySrc});
  return true;
}

// SRCCOPY between two different surfaces of one direct-colour format (24 or 32 bits) without
// stretching: the rows are copied as they are (the alpha byte with them), exactly what the
// general path computes pixel by pixel.  False when the blit is not of that kind.
bool CopySameFormat(const BltArgs& a, int width, int height, int srcWidth, int srcHeight) {
  if (width <= 0 || height <= 0 || width != srcWidth || height != srcHeight) return false;
  BitmapObject* to = a.dst->Target();
  BitmapObject* from = a.src->Target();
  if (!to || !from || to == from) return false;
  PixelSurface& dst = to->Surface();
  const PixelSurface& src = from->Surface();
  const int bpp = dst.BitsPerPixel();
  if (bpp != src.BitsPerPixel() || (bpp != 24 && bpp != 32)) return false;
  // Only where the source image has pixels, as the general path does.
  const TRect drawn{std::max(a.d.X, a.d.X - a.s.X), std::max(a.d.Y, a.d.Y - a.s.Y),
                    std::min(a.d.X + width, a.d.X - a.s.X + src.Width()),
                    std::min(a.d.Y + height, a.d.Y - a.s.Y + src.Height())};
  const int bytes = bpp / 8;
  const RegionData area = a.dst->EffectiveClip().Intersect(drawn);
  for (const TRect& r : area.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      std::memcpy(dst.Row(y) + std::size_t(r.Left) * bytes,
                  src.Row(a.s.Y + (y - a.d.Y)) + std::size_t(a.s.X + (r.Left - a.d.X)) * bytes,
                  std::size_t(r.Right - r.Left) * bytes);
  return true;
}

}  // namespace

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  DeviceContext* c = FindDC(dc);
  if (!c || RopUsesSource(rop)) return 0;
  const TPoint p = c->ToSurface(TPoint{x, y});
  Blit(*c, p.X, p.Y, width, height, nullptr, 0, 0, 0, 0, Rop3Index(rop), c->State().stretchMode);
  return 1;
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, DWORD rop) {
  BltArgs a;
  if (!Resolve(dst, x, y, src, xSrc, ySrc, a)) return 0;
  if (!RopUsesSource(rop)) {
    Blit(*a.dst, a.d.X, a.d.Y, width, height, nullptr, 0, 0, 0, 0, Rop3Index(rop), a.dst->State().stretchMode);
    return 1;
  }
  if (!a.src) return 0;
  if (rop == SRCCOPY && CopySameFormat(a, width, height, srcWidth, srcHeight)) return 1;
  const std::optional<BltSource> source = SourceFromDC(*a.src, *a.dst);
  if (!source) return 0;
  Blit(*a.dst, a.d.X, a.d.Y, width, height, &*source, a.s.X, a.s.Y, srcWidth, srcHeight, Rop3Index(rop),
       a.dst->State().stretchMode);
  return 1;
}

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop) {
  return StretchBlt(dst, x, y, width, height, src, xSrc, ySrc, width, height, rop);
}

BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, UINT transparent) {
  BltArgs a;
  if (!Resolve(dst, x, y, src, xSrc, ySrc, a) || !a.src || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0)
    return 0;
  const std::optional<BltSource> source = SourceFromDC(*a.src, *a.dst);
  if (!source) return 0;
  const Pixel key = ColorRefToPixel(transparent) & 0xFFFFFF;
  BlitRows(*a.dst, a.d.X, a.d.Y, width, height, &*source, a.s.X, a.s.Y, srcWidth, srcHeight, COLORONCOLOR,
           [key](int, int, int n, const Pixel* s, const std::uint8_t* valid, Pixel* d) {
             for (int i = 0; i < n; ++i)
               if ((!valid || valid[i]) && (s[i] & 0xFFFFFF) != key) d[i] = s[i];
           });
  return 1;
}

BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, BLENDFUNCTION blend) {
  BltArgs a;
  if (!Resolve(dst, x, y, src, xSrc, ySrc, a) || !a.src) return 0;
  if (blend.BlendOp != AC_SRC_OVER || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) return 0;
  const BitmapObject* bitmap = a.src->Target();
  if (!bitmap || a.s.X < 0 || a.s.Y < 0 || a.s.X + srcWidth > bitmap->Width() || a.s.Y + srcHeight > bitmap->Height())
    return 0;
  const std::optional<BltSource> source = SourceFromDC(*a.src, *a.dst);
  if (!source) return 0;
  const bool perPixel = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
  BlitRows(*a.dst, a.d.X, a.d.Y, width, height, &*source, a.s.X, a.s.Y, srcWidth, srcHeight, COLORONCOLOR,
           [&](int, int, int n, const Pixel* s, const std::uint8_t* valid, Pixel* d) {
             for (int i = 0; i < n; ++i)
               if (!valid || valid[i]) d[i] = BlendPixel(s[i], d[i], blend.SourceConstantAlpha, perPixel);
           });
  return 1;
}

namespace {

// One 16-bit channel of a vertex.
COLOR16 Channel(const TRIVERTEX& v, int k) {
  switch (k) {
    case 0: return v.Blue;
    case 1: return v.Green;
    case 2: return v.Red;
    default: return v.Alpha;
  }
}

Pixel Interpolate(const TRIVERTEX& a, const TRIVERTEX& b, std::int64_t i, std::int64_t n) {
  Pixel out = 0;
  for (int k = 0; k < 4; ++k) {
    const std::int64_t c1 = Channel(a, k), c2 = Channel(b, k);
    const std::int64_t c = n > 0 ? c1 + (c2 - c1) * i / n : c1;
    out |= Pixel((c >> 8) & 0xFF) << (8 * k);
  }
  return out;
}

void GradientRect(DeviceContext& c, const TRIVERTEX& a, const TRIVERTEX& b, bool horizontal) {
  const TPoint pa = c.ToSurface(TPoint{a.x, a.y}), pb = c.ToSurface(TPoint{b.x, b.y});
  const TRect box = NormalizedRect({pa.X, pa.Y, pb.X, pb.Y});
  const int from = horizontal ? pa.X : pa.Y, to = horizontal ? pb.X : pb.Y;
  const std::int64_t n = std::llabs(std::int64_t(to) - from);
  const int step = to >= from ? 1 : -1;
  BlitRows(c, box.Left, box.Top, box.Width(), box.Height(), nullptr, 0, 0, 0, 0, COLORONCOLOR,
           [&](int y, int x, int count, const Pixel*, const std::uint8_t*, Pixel* d) {
             for (int k = 0; k < count; ++k) {
               // i counts pixels from the first vertex's side (its own edge pixel is 0).
               const int pos = horizontal ? x + k : y;
               const std::int64_t i = step > 0 ? pos - from : from - 1 - pos;
               d[k] = Interpolate(a, b, i, n);
             }
           });
}

void GradientTriangle(DeviceContext& c, const TRIVERTEX& a, const TRIVERTEX& b, const TRIVERTEX& v3) {
  const TPoint p[3] = {c.ToSurface(TPoint{a.x, a.y}), c.ToSurface(TPoint{b.x, b.y}), c.ToSurface(TPoint{v3.x, v3.y})};
  const double det = double(p[1].X - p[0].X) * (p[2].Y - p[0].Y) - double(p[2].X - p[0].X) * (p[1].Y - p[0].Y);
  if (det == 0) return;
  std::vector<Span> spans;
  FillContours({{ToFix(p[0]), ToFix(p[1]), ToFix(p[2])}}, ALTERNATE, c.EffectiveClip().Box(), spans);
  const RegionData area = RegionData::FromSpans(std::move(spans));
  const TRect box = area.Box();
  const TRIVERTEX* v[3] = {&a, &b, &v3};
  BlitRows(c, box.Left, box.Top, box.Width(), box.Height(), nullptr, 0, 0, 0, 0, COLORONCOLOR,
           [&](int y, int x, int count, const Pixel*, const std::uint8_t*, Pixel* d) {
             for (int k = 0; k < count; ++k) {
               if (!area.Contains(x + k, y)) continue;
               const double w1 = (double(x + k - p[0].X) * (p[2].Y - p[0].Y) - double(p[2].X - p[0].X) * (y - p[0].Y)) / det;
               const double w2 = (double(p[1].X - p[0].X) * (y - p[0].Y) - double(x + k - p[0].X) * (p[1].Y - p[0].Y)) / det;
               const double w[3] = {1 - w1 - w2, w1, w2};
               Pixel out = 0;
               for (int ch = 0; ch < 4; ++ch) {
                 double value = 0;
                 for (int q = 0; q < 3; ++q) value += w[q] * Channel(*v[q], ch);
                 out |= Pixel(std::clamp(int(value) >> 8, 0, 255)) << (8 * ch);
               }
               d[k] = out;
             }
           });
}

}  // namespace

BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount, ULONG mode) {
  DeviceContext* c = FindDC(dc);
  if (!c || !vertices || !mesh) return 0;
  if (mode == GRADIENT_FILL_RECT_H || mode == GRADIENT_FILL_RECT_V) {
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG i = 0; i < meshCount; ++i) {
      if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount) return 0;
      GradientRect(*c, vertices[rects[i].UpperLeft], vertices[rects[i].LowerRight], mode == GRADIENT_FILL_RECT_H);
    }
    return 1;
  }
  if (mode == GRADIENT_FILL_TRIANGLE) {
    const auto* triangles = static_cast<const GRADIENT_TRIANGLE*>(mesh);
    for (ULONG i = 0; i < meshCount; ++i) {
      const GRADIENT_TRIANGLE& t = triangles[i];
      if (t.Vertex1 >= vertexCount || t.Vertex2 >= vertexCount || t.Vertex3 >= vertexCount) return 0;
      GradientTriangle(*c, vertices[t.Vertex1], vertices[t.Vertex2], vertices[t.Vertex3]);
    }
    return 1;
  }
  return 0;
}
