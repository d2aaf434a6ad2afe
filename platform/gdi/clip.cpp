// Clip-region calls; see clip.h.
#include "platform/gdi/clip.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/region_object.h"

using namespace gdi;

namespace {

// The drawable area in device coordinates, as the clip region or the whole visible area.
RegionData CurrentClip(const DeviceContext& c) {
  if (c.State().clip) return *c.State().clip;
  return c.VisibleArea().Offsetted(-c.Origin().X, -c.Origin().Y);
}

int SetClip(DeviceContext& c, std::optional<RegionData> clip) {
  c.State().clip = std::move(clip);
  c.ClipChanged();
  return c.EffectiveClip().Complexity();
}

TRect DeviceRect(const DeviceContext& c, int left, int top, int right, int bottom) {
  const TPoint a = c.ToDevice({left, top}), b = c.ToDevice({right, bottom});
  return NormalizedRect({a.X, a.Y, b.X, b.Y});
}

}  // namespace

int SelectClipRgn(HDC dc, HRGN region) { return ExtSelectClipRgn(dc, region, RGN_COPY); }

int ExtSelectClipRgn(HDC dc, HRGN region, int mode) {
  DeviceContext* c = FindDC(dc);
  if (!c) return ERROR;
  const RegionObject* rgn = FindObject<RegionObject>(region);
  if (!rgn) {
    if (mode != RGN_COPY || region) return ERROR;
    return SetClip(*c, std::nullopt);
  }
  switch (mode) {
    case RGN_COPY: return SetClip(*c, rgn->Data());
    case RGN_AND: return SetClip(*c, RegionData::Combine(CurrentClip(*c), rgn->Data(), RegionData::Op::And));
    case RGN_OR: return SetClip(*c, RegionData::Combine(CurrentClip(*c), rgn->Data(), RegionData::Op::Or));
    case RGN_XOR: return SetClip(*c, RegionData::Combine(CurrentClip(*c), rgn->Data(), RegionData::Op::Xor));
    case RGN_DIFF: return SetClip(*c, RegionData::Combine(CurrentClip(*c), rgn->Data(), RegionData::Op::Diff));
    default: return ERROR;
  }
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* c = FindDC(dc);
  if (!c) return ERROR;
  return SetClip(*c, CurrentClip(*c).Intersect(DeviceRect(*c, left, top, right, bottom)));
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* c = FindDC(dc);
  if (!c) return ERROR;
  return SetClip(*c, CurrentClip(*c).Subtract(RegionData(DeviceRect(*c, left, top, right, bottom))));
}

int OffsetClipRgn(HDC dc, int dx, int dy) {
  DeviceContext* c = FindDC(dc);
  if (!c) return ERROR;
  if (c->State().clip) {
    c->State().clip->Offset(dx, dy);
    c->ClipChanged();
  }
  return c->EffectiveClip().Complexity();
}

int GetClipRgn(HDC dc, HRGN region) {
  const DeviceContext* c = FindDC(dc);
  RegionObject* rgn = FindObject<RegionObject>(region);
  if (!c || !rgn) return -1;
  if (!c->State().clip) return 0;
  rgn->Data() = *c->State().clip;
  return 1;
}

int GetClipBox(HDC dc, TRect* box) {
  const DeviceContext* c = FindDC(dc);
  if (!c || !box) return ERROR;
  const RegionData& clip = c->EffectiveClip();
  const TRect b = clip.Box();
  const TPoint offset = c->Offset();
  *box = clip.IsEmpty() ? TRect{} : TRect{b.Left - offset.X, b.Top - offset.Y, b.Right - offset.X, b.Bottom - offset.Y};
  return clip.Complexity();
}

BOOL RectVisible(HDC dc, const TRect* rect) {
  const DeviceContext* c = FindDC(dc);
  if (!c || !rect) return 0;
  const TPoint o = c->Offset();
  const TRect r = NormalizedRect(*rect);
  return c->EffectiveClip().Intersects({r.Left + o.X, r.Top + o.Y, r.Right + o.X, r.Bottom + o.Y});
}

BOOL PtVisible(HDC dc, int x, int y) {
  const DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  const TPoint p = c->ToSurface({x, y});
  return c->EffectiveClip().Contains(p.X, p.Y);
}
