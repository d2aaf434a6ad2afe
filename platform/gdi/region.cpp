// Region calls; see region.h.
#include "platform/gdi/region.h"

#include <cstring>
#include <memory>

#include "platform/gdi/brush_object.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/ellipse_shape.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/polygon_fill.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/region_object.h"
#include "platform/gdi/sys_colors.h"

using namespace gdi;

namespace {

HRGN NewRegion(RegionData data) { return AddObject<HRGN>(std::make_unique<RegionObject>(std::move(data))); }

// The region moved into the context's surface coordinates.
RegionData OnSurface(const DeviceContext& c, const RegionData& r) {
  const TPoint o = c.Offset();
  return r.Offsetted(o.X, o.Y);
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return NewRegion(RegionData(NormalizedRect({left, top, right, bottom})));
}

HRGN CreateRectRgnIndirect(const TRect* rect) {
  return rect ? CreateRectRgn(rect->Left, rect->Top, rect->Right, rect->Bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  return NewRegion(RoundRectPixels({left, top, right, bottom}, cornerWidth < 0 ? -cornerWidth : cornerWidth,
                                   cornerHeight < 0 ? -cornerHeight : cornerHeight, kNoLimit));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  return NewRegion(EllipsePixels({left, top, right, bottom}, kNoLimit));
}

HRGN CreateEllipticRgnIndirect(const TRect* rect) {
  return rect ? CreateEllipticRgn(rect->Left, rect->Top, rect->Right, rect->Bottom) : nullptr;
}

HRGN CreatePolyPolygonRgn(const TPoint* points, const int* counts, int polygons, int fillMode) {
  if (!points || !counts || polygons < 1 || (fillMode != ALTERNATE && fillMode != WINDING)) return nullptr;
  std::vector<Contour> contours;
  for (int i = 0; i < polygons; ++i) {
    if (counts[i] < 0) return nullptr;
    Contour c;
    for (int k = 0; k < counts[i]; ++k) c.push_back(ToFix(*points++));
    contours.push_back(std::move(c));
  }
  std::vector<Span> spans;
  FillContours(contours, fillMode, kNoLimit, spans);
  return NewRegion(RegionData::FromSpans(std::move(spans)));
}

HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode) {
  return CreatePolyPolygonRgn(points, &count, 1, fillMode);
}

HRGN ExtCreateRegion(const void* transform, DWORD size, const RGNDATA* data) {
  if (transform || !data || size < sizeof(RGNDATAHEADER) || data->rdh.iType != RDH_RECTANGLES) return nullptr;
  if (std::size_t(data->rdh.nCount) * sizeof(TRect) > size - sizeof(RGNDATAHEADER)) return nullptr;
  RegionData result;
  const auto* rects = reinterpret_cast<const TRect*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i) result = result.Union(RegionData(NormalizedRect(rects[i])));
  return NewRegion(std::move(result));
}

int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode) {
  RegionObject* d = FindObject<RegionObject>(destination);
  const RegionObject* a = FindObject<RegionObject>(source1);
  if (!d || !a) return ERROR;
  if (mode == RGN_COPY) {
    d->Data() = a->Data();
    return d->Data().Complexity();
  }
  const RegionObject* b = FindObject<RegionObject>(source2);
  if (!b) return ERROR;
  RegionData::Op op;
  switch (mode) {
    case RGN_AND: op = RegionData::Op::And; break;
    case RGN_OR: op = RegionData::Op::Or; break;
    case RGN_XOR: op = RegionData::Op::Xor; break;
    case RGN_DIFF: op = RegionData::Op::Diff; break;
    default: return ERROR;
  }
  d->Data() = RegionData::Combine(a->Data(), b->Data(), op);
  return d->Data().Complexity();
}

int OffsetRgn(HRGN region, int dx, int dy) {
  RegionObject* r = FindObject<RegionObject>(region);
  if (!r) return ERROR;
  r->Data().Offset(dx, dy);
  return r->Data().Complexity();
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
  RegionObject* r = FindObject<RegionObject>(region);
  if (!r) return 0;
  r->Data() = RegionData(NormalizedRect({left, top, right, bottom}));
  return 1;
}

BOOL PtInRegion(HRGN region, int x, int y) {
  const RegionObject* r = FindObject<RegionObject>(region);
  return r && r->Data().Contains(x, y);
}

BOOL RectInRegion(HRGN region, const TRect* rect) {
  const RegionObject* r = FindObject<RegionObject>(region);
  return r && rect && r->Data().Intersects(NormalizedRect(*rect));
}

BOOL EqualRgn(HRGN a, HRGN b) {
  const RegionObject* ra = FindObject<RegionObject>(a);
  const RegionObject* rb = FindObject<RegionObject>(b);
  if (!ra || !rb) return ERROR;
  return ra->Data() == rb->Data();
}

int GetRgnBox(HRGN region, TRect* box) {
  const RegionObject* r = FindObject<RegionObject>(region);
  if (!r || !box) return ERROR;
  *box = r->Data().Box();
  return r->Data().Complexity();
}

DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data) {
  const RegionObject* r = FindObject<RegionObject>(region);
  if (!r) return 0;
  const std::vector<TRect>& rects = r->Data().Rects();
  const DWORD needed = DWORD(sizeof(RGNDATAHEADER) + rects.size() * sizeof(TRect));
  if (!data) return needed;
  if (size < needed) return 0;
  data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, DWORD(rects.size()), DWORD(rects.size() * sizeof(TRect)),
               r->Data().Box()};
  std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(TRect));
  return needed;
}

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush) {
  DeviceContext* c = FindDC(dc);
  const RegionObject* r = FindObject<RegionObject>(region);
  BrushObject* b = BrushOrSysColor(brush);
  if (!c || !r || !b) return 0;
  PaintPixels(*c, OnSurface(*c, r->Data()), BrushPaint(*c, b), Rop3Index(PATCOPY));
  return 1;
}

BOOL PaintRgn(HDC dc, HRGN region) {
  DeviceContext* c = FindDC(dc);
  const RegionObject* r = FindObject<RegionObject>(region);
  if (!c || !r) return 0;
  PaintPixels(*c, OnSurface(*c, r->Data()), BrushPaint(*c, c->State().brush), MixRop(*c));
  return 1;
}

BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height) {
  DeviceContext* c = FindDC(dc);
  const RegionObject* r = FindObject<RegionObject>(region);
  BrushObject* b = BrushOrSysColor(brush);
  if (!c || !r || !b || width < 0 || height < 0) return 0;
  // The inside is what stays in the region when it is moved by up to width / height each way.
  const RegionData& rgn = r->Data();
  RegionData inner = rgn;
  for (int d = 1; d <= width; ++d) inner = inner.Intersect(rgn.Offsetted(d, 0)).Intersect(rgn.Offsetted(-d, 0));
  for (int d = 1; d <= height; ++d) inner = inner.Intersect(rgn.Offsetted(0, d)).Intersect(rgn.Offsetted(0, -d));
  PaintPixels(*c, OnSurface(*c, rgn.Subtract(inner)), BrushPaint(*c, b), Rop3Index(PATCOPY));
  return 1;
}

BOOL InvertRgn(HDC dc, HRGN region) {
  DeviceContext* c = FindDC(dc);
  const RegionObject* r = FindObject<RegionObject>(region);
  if (!c || !r) return 0;
  PaintPixels(*c, OnSurface(*c, r->Data()), PaintSource{}, Rop3Index(DSTINVERT));
  return 1;
}
