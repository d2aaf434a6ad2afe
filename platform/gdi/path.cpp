// Path calls; see path.h and path_recorder.h.
#include "platform/gdi/path.h"

#include <memory>

#include "platform/gdi/clip.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/path_recorder.h"
#include "platform/gdi/region_object.h"
#include "platform/gdi/stroke.h"

using namespace gdi;

namespace {

// The context's closed path, or nullptr (and nothing changes) when there is none.
PathRecorder* ClosedPath(DeviceContext* c) {
  return c && c->Path() && !c->Path()->IsOpen() ? c->Path() : nullptr;
}

// The pixels the path's figures cover, moved by (dx, dy), within limit.
RegionData PathArea(const DeviceContext& c, const PathRecorder& path, int dx, int dy, const TRect& limit) {
  std::vector<Contour> contours;
  for (const PathRecorder::Figure& f : path.Flatten()) {
    Contour contour;
    for (const FixPoint& p : f.points) contour.push_back({p.x + dx * kFix, p.y + dy * kFix});
    contours.push_back(std::move(contour));
  }
  std::vector<Span> spans;
  FillContours(contours, c.State().polyFillMode, limit, spans);
  return RegionData::FromSpans(std::move(spans));
}

void Stroke(DeviceContext& c, const PathRecorder& path) {
  const TPoint o = c.Origin();
  for (const PathRecorder::Figure& f : path.Flatten()) {
    std::vector<FixPoint> pts;
    for (const FixPoint& p : f.points) pts.push_back({p.x + o.X * kFix, p.y + o.Y * kFix});
    StrokeFlattened(c, pts, f.closed);
  }
}

void Fill(DeviceContext& c, const PathRecorder& path) {
  const TPoint o = c.Origin();
  PaintPixels(c, PathArea(c, path, o.X, o.Y, c.EffectiveClip().Box()), BrushPaint(c, c.State().brush), MixRop(c));
}

// Fills and/or strokes the closed path of `dc`, then discards it; 0 when there is none.
BOOL DrawPath(HDC dc, bool fill, bool stroke) {
  DeviceContext* c = FindDC(dc);
  PathRecorder* path = ClosedPath(c);
  if (!path) return 0;
  if (fill) Fill(*c, *path);
  if (stroke) Stroke(*c, *path);
  c->SetPath(nullptr);
  return 1;
}

}  // namespace

BOOL BeginPath(HDC dc) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  c->SetPath(std::make_unique<PathRecorder>());
  return 1;
}

BOOL EndPath(HDC dc) {
  DeviceContext* c = FindDC(dc);
  if (!c || !c->Path() || !c->Path()->IsOpen()) return 0;
  c->Path()->End();
  return 1;
}

BOOL AbortPath(HDC dc) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  c->SetPath(nullptr);
  return 1;
}

BOOL CloseFigure(HDC dc) {
  DeviceContext* c = FindDC(dc);
  if (!c || !c->Path() || !c->Path()->IsOpen()) return 0;
  c->Path()->CloseFigure();
  return 1;
}

BOOL FillPath(HDC dc) { return DrawPath(dc, true, false); }
BOOL StrokePath(HDC dc) { return DrawPath(dc, false, true); }
BOOL StrokeAndFillPath(HDC dc) { return DrawPath(dc, true, true); }

HRGN PathToRegion(HDC dc) {
  DeviceContext* c = FindDC(dc);
  PathRecorder* path = ClosedPath(c);
  if (!path) return nullptr;
  RegionData area = PathArea(*c, *path, 0, 0, kNoLimit);
  c->SetPath(nullptr);
  return AddObject<HRGN>(std::make_unique<RegionObject>(std::move(area)));
}

BOOL SelectClipPath(HDC dc, int mode) {
  HRGN region = PathToRegion(dc);
  if (!region) return 0;
  const int result = ExtSelectClipRgn(dc, region, mode);
  DeleteObject(region);
  return result != ERROR;
}

BOOL FlattenPath(HDC dc) {
  PathRecorder* path = ClosedPath(FindDC(dc));
  if (!path) return 0;
  path->FlattenInPlace();
  return 1;
}

int GetPath(HDC dc, TPoint* points, BYTE* types, int count) {
  const PathRecorder* path = ClosedPath(FindDC(dc));
  if (!path) return -1;
  const int n = int(path->Points().size());
  if (count == 0) return n;
  if (count < n || !points || !types) return -1;
  for (int i = 0; i < n; ++i) {
    points[i] = NearestPixel(path->Points()[std::size_t(i)]);
    types[i] = path->Types()[std::size_t(i)];
  }
  return n;
}
