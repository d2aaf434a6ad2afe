// Icons; see icon.h and icon_object.h.
#include "platform/gdi/icon.h"

#include <algorithm>
#include <memory>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/blt_engine.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/icon_object.h"
#include "platform/gdi/pixel_math.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/sys_colors.h"

namespace gdi {

IconObject::~IconObject() {
  DeleteObject(mask_);
  if (color_) DeleteObject(color_);
}

TSize IconObject::Size() const {
  const BitmapObject* m = FindObject<BitmapObject>(mask_);
  if (!m) return {};
  return {m->Width(), color_ ? m->Height() : m->Height() / 2};
}

namespace {

// A device-bitmap copy of a bitmap in `bits` bits per pixel (1 or 32), alpha kept at 32.
HBITMAP CopyAs(HBITMAP source, int bits) {
  const BitmapObject* from = FindObject<BitmapObject>(source);
  if (!from) return nullptr;
  HBITMAP copy = NewBitmap(from->Width(), from->Height(), bits, false, true);
  BitmapObject* to = FindObject<BitmapObject>(copy);
  if (!to) return nullptr;
  std::vector<Pixel> row(std::size_t(from->Width()));
  for (int y = 0; y < from->Height(); ++y) {
    from->Surface().ReadSpan(y, 0, from->Width(), row.data());
    to->Surface().WriteSpan(y, 0, from->Width(), row.data());
  }
  return copy;
}

bool HasAlpha(const BitmapObject& b) {
  if (b.BitsPerPixel() != 32) return false;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Surface().Row32(y)[x] >> 24) return true;
  return false;
}

}  // namespace
}  // namespace gdi

using namespace gdi;

HICON CreateIconIndirect(const ICONINFO* info) {
  if (!info || !FindObject<BitmapObject>(info->hbmMask)) return nullptr;
  HBITMAP mask = CopyAs(info->hbmMask, 1);
  HBITMAP color = info->hbmColor ? CopyAs(info->hbmColor, 32) : nullptr;
  if (!mask || (info->hbmColor && !color)) {
    if (mask) DeleteObject(mask);
    if (color) DeleteObject(color);
    return nullptr;
  }
  return AddObject<HICON>(std::make_unique<IconObject>(mask, color, *info));
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
  const IconObject* i = FindObject<IconObject>(icon);
  if (!i || !info) return 0;
  *info = {i->IsIcon(), i->HotspotX(), i->HotspotY(), CopyAs(i->Mask(), 1), i->Color() ? CopyAs(i->Color(), 32) : nullptr};
  return 1;
}

HICON CopyIcon(HICON icon) {
  const IconObject* i = FindObject<IconObject>(icon);
  if (!i) return nullptr;
  const ICONINFO info{i->IsIcon(), i->HotspotX(), i->HotspotY(), i->Mask(), i->Color()};
  return CreateIconIndirect(&info);
}

BOOL DestroyIcon(HICON icon) {
  return FindObject<IconObject>(icon) && HandleTable::Instance().Delete(icon);
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH flickerFree, UINT flags) {
  DeviceContext* c = FindDC(dc);
  const IconObject* i = FindObject<IconObject>(icon);
  if (!c || !i) return 0;
  const TSize size = i->Size();
  if (cx == 0) cx = (flags & DI_DEFAULTSIZE) ? kStandardIconSize : size.cx;
  if (cy == 0) cy = (flags & DI_DEFAULTSIZE) ? kStandardIconSize : size.cy;
  const TPoint p = c->ToSurface(TPoint{x, y});
  if (flickerFree) {
    const TRect area{x, y, x + cx, y + cy};
    FillRect(dc, &area, flickerFree);
  }
  if (!c->Target()) return 1;
  BitmapObject* mask = FindObject<BitmapObject>(i->Mask());
  BitmapObject* color = i->Color() ? FindObject<BitmapObject>(i->Color()) : nullptr;
  const int mode = COLORONCOLOR;
  if (color && (flags & DI_IMAGE) && HasAlpha(*color)) {
    const BltSource s = SourceFromBitmap(*color, *c, 0);
    BlitRows(*c, p.X, p.Y, cx, cy, &s, 0, 0, size.cx, size.cy, mode,
             [](int, int, int n, const Pixel* src, const std::uint8_t* valid, Pixel* d) {
               for (int k = 0; k < n; ++k)
                 if (!valid || valid[k]) d[k] = StraightOver(src[k], d[k]);
             });
    return 1;
  }
  // The masks are read with black text on white, as the platform draws icons.
  const COLORREF text = c->State().textColor, back = c->State().bkColor;
  c->State().textColor = 0x000000;
  c->State().bkColor = 0xFFFFFF;
  if (flags & DI_MASK) {
    const BltSource s = SourceFromBitmap(*mask, *c, 0xFFFFFF);
    Blit(*c, p.X, p.Y, cx, cy, &s, 0, 0, size.cx, size.cy, Rop3Index(SRCAND), mode);
  }
  if (flags & DI_IMAGE) {
    const std::uint8_t rop = Rop3Index((flags & DI_MASK) ? SRCINVERT : SRCCOPY);
    const BltSource s = SourceFromBitmap(color ? *color : *mask, *c, 0xFFFFFF);
    Blit(*c, p.X, p.Y, cx, cy, &s, 0, color ? 0 : size.cy, size.cx, size.cy, rop, mode);
  }
  c->State().textColor = text;
  c->State().bkColor = back;
  return 1;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
  return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_COMPAT | DI_DEFAULTSIZE);
}
