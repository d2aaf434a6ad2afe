// Device-context calls; see dc.h.
#include "platform/gdi/dc.h"

#include <cstring>
#include <memory>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/brush_object.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/palette_object.h"
#include "platform/gdi/pen_object.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/path_recorder.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/region_object.h"

using namespace gdi;

namespace {

// Sets a DcState field and returns its old value, or `failure` for an invalid context.
template <class T, class V>
T Exchange(HDC dc, T DcState::*field, V value, T failure) {
  DeviceContext* c = FindDC(dc);
  if (!c) return failure;
  const T old = c->State().*field;
  c->State().*field = T(value);
  return old;
}

template <class T>
T Read(HDC dc, T DcState::*field, T failure) {
  const DeviceContext* c = FindDC(dc);
  return c ? c->State().*field : failure;
}

BOOL SetOrigin(HDC dc, TPoint DcState::*field, int x, int y, TPoint* old, bool relative) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  TPoint& org = c->State().*field;
  if (old) *old = org;
  org = relative ? TPoint{org.X + x, org.Y + y} : TPoint{x, y};
  return 1;
}

BOOL GetOrigin(HDC dc, TPoint DcState::*field, TPoint* out) {
  const DeviceContext* c = FindDC(dc);
  if (!c || !out) return 0;
  *out = c->State().*field;
  return 1;
}

}  // namespace

HDC CreateCompatibleDC(HDC reference) {
  DeviceCaps caps = ScreenCaps();
  if (reference) {
    const DeviceContext* ref = FindDC(reference);
    if (!ref) return nullptr;
    caps = ref->Caps();
  }
  return AddObject<HDC>(std::make_unique<DeviceContext>(DeviceContext::Type::Memory, caps));
}

HDC CreateDCA(const char* driver, const char* device, const char*, const void*) {
  const bool display = (driver && std::strcmp(driver, "DISPLAY") == 0) ||
                       (!driver && device && std::strcmp(device, "DISPLAY") == 0);
  if (!display) return nullptr;
  return AddObject<HDC>(std::make_unique<DeviceContext>(DeviceContext::Type::Display, ScreenCaps()));
}

BOOL DeleteDC(HDC dc) { return FindDC(dc) && HandleTable::Instance().Delete(dc); }

int SaveDC(HDC dc) {
  DeviceContext* c = FindDC(dc);
  return c ? c->Save() : 0;
}

BOOL RestoreDC(HDC dc, int level) {
  DeviceContext* c = FindDC(dc);
  return c && c->Restore(level);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  DeviceContext* c = FindDC(dc);
  GdiObject* o = HandleTable::Instance().Find(object);
  if (!c || !o) return nullptr;
  void* old = nullptr;
  switch (o->Kind()) {
    case ObjectKind::Pen:
    case ObjectKind::ExtPen: old = c->SelectPen(static_cast<PenObject*>(o)); break;
    case ObjectKind::Brush: old = c->SelectBrush(static_cast<BrushObject*>(o)); break;
    case ObjectKind::Font: old = c->SelectFont(o); break;
    case ObjectKind::Bitmap: old = c->SelectBitmap(static_cast<BitmapObject*>(o)); break;
    case ObjectKind::Region: {
      // Selecting a region sets the clip region to a copy of it and returns its complexity.
      const RegionObject* rgn = static_cast<RegionObject*>(o);
      c->State().clip = rgn->Data();
      c->ClipChanged();
      return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(rgn->Data().Complexity()));
    }
    default: return nullptr;
  }
  return old;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
  const DeviceContext* c = FindDC(dc);
  if (!c) return nullptr;
  const DcState& s = c->State();
  const GdiObject* o = nullptr;
  switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN: o = static_cast<const GdiObject*>(s.pen); break;
    case OBJ_BRUSH: o = static_cast<const GdiObject*>(s.brush); break;
    case OBJ_FONT: o = s.font; break;
    case OBJ_BITMAP: o = static_cast<const GdiObject*>(c->Target()); break;
    case OBJ_PAL: o = static_cast<const GdiObject*>(s.palette); break;
    default: return nullptr;
  }
  return o ? HandleTable::HandleOf(o) : nullptr;
}

COLORREF SetTextColor(HDC dc, COLORREF color) { return Exchange(dc, &DcState::textColor, color, CLR_INVALID); }
COLORREF GetTextColor(HDC dc) { return Read(dc, &DcState::textColor, CLR_INVALID); }
COLORREF SetBkColor(HDC dc, COLORREF color) { return Exchange(dc, &DcState::bkColor, color, CLR_INVALID); }
COLORREF GetBkColor(HDC dc) { return Read(dc, &DcState::bkColor, CLR_INVALID); }

int SetBkMode(HDC dc, int mode) {
  return mode == TRANSPARENT || mode == OPAQUE ? Exchange(dc, &DcState::bkMode, mode, 0) : 0;
}
int GetBkMode(HDC dc) { return Read(dc, &DcState::bkMode, 0); }
int SetROP2(HDC dc, int rop2) { return rop2 >= R2_BLACK && rop2 <= R2_WHITE ? Exchange(dc, &DcState::rop2, rop2, 0) : 0; }
int GetROP2(HDC dc) { return Read(dc, &DcState::rop2, 0); }
int SetStretchBltMode(HDC dc, int mode) {
  return mode >= BLACKONWHITE && mode <= HALFTONE ? Exchange(dc, &DcState::stretchMode, mode, 0) : 0;
}
int GetStretchBltMode(HDC dc) { return Read(dc, &DcState::stretchMode, 0); }
int SetPolyFillMode(HDC dc, int mode) {
  return mode == ALTERNATE || mode == WINDING ? Exchange(dc, &DcState::polyFillMode, mode, 0) : 0;
}
int GetPolyFillMode(HDC dc) { return Read(dc, &DcState::polyFillMode, 0); }
int SetArcDirection(HDC dc, int direction) {
  return direction == AD_COUNTERCLOCKWISE || direction == AD_CLOCKWISE
             ? Exchange(dc, &DcState::arcDirection, direction, 0)
             : 0;
}
int GetArcDirection(HDC dc) { return Read(dc, &DcState::arcDirection, 0); }
int SetMapMode(HDC dc, int mode) { return FindDC(dc) && mode == MM_TEXT ? MM_TEXT : 0; }
int GetMapMode(HDC dc) { return FindDC(dc) ? MM_TEXT : 0; }
COLORREF SetDCBrushColor(HDC dc, COLORREF color) { return Exchange(dc, &DcState::dcBrushColor, color, CLR_INVALID); }
COLORREF GetDCBrushColor(HDC dc) { return Read(dc, &DcState::dcBrushColor, CLR_INVALID); }
COLORREF SetDCPenColor(HDC dc, COLORREF color) { return Exchange(dc, &DcState::dcPenColor, color, CLR_INVALID); }
COLORREF GetDCPenColor(HDC dc) { return Read(dc, &DcState::dcPenColor, CLR_INVALID); }

BOOL SetWindowOrgEx(HDC dc, int x, int y, TPoint* old) { return SetOrigin(dc, &DcState::windowOrg, x, y, old, false); }
BOOL GetWindowOrgEx(HDC dc, TPoint* org) { return GetOrigin(dc, &DcState::windowOrg, org); }
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old) {
  return SetOrigin(dc, &DcState::windowOrg, dx, dy, old, true);
}
BOOL SetViewportOrgEx(HDC dc, int x, int y, TPoint* old) {
  return SetOrigin(dc, &DcState::viewportOrg, x, y, old, false);
}
BOOL GetViewportOrgEx(HDC dc, TPoint* org) { return GetOrigin(dc, &DcState::viewportOrg, org); }
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old) {
  return SetOrigin(dc, &DcState::viewportOrg, dx, dy, old, true);
}
BOOL SetBrushOrgEx(HDC dc, int x, int y, TPoint* old) { return SetOrigin(dc, &DcState::brushOrg, x, y, old, false); }
BOOL GetBrushOrgEx(HDC dc, TPoint* org) { return GetOrigin(dc, &DcState::brushOrg, org); }

BOOL LPtoDP(HDC dc, TPoint* points, int count) {
  const DeviceContext* c = FindDC(dc);
  if (!c || (count > 0 && !points)) return 0;
  for (int i = 0; i < count; ++i) points[i] = c->ToDevice(points[i]);
  return 1;
}

BOOL DPtoLP(HDC dc, TPoint* points, int count) {
  const DeviceContext* c = FindDC(dc);
  if (!c || (count > 0 && !points)) return 0;
  for (int i = 0; i < count; ++i) points[i] = c->ToLogical(points[i]);
  return 1;
}

BOOL GetDCOrgEx(HDC dc, TPoint* org) {
  const DeviceContext* c = FindDC(dc);
  if (!c || !org) return 0;
  *org = c->Origin();
  return 1;
}

BOOL MoveToEx(HDC dc, int x, int y, TPoint* old) {
  DeviceContext* c = FindDC(dc);
  if (c && c->Path() && c->Path()->IsOpen()) c->Path()->MoveTo(ToFix(c->ToDevice({x, y})));
  return SetOrigin(dc, &DcState::position, x, y, old, false);
}
BOOL GetCurrentPositionEx(HDC dc, TPoint* position) { return GetOrigin(dc, &DcState::position, position); }

int GetDeviceCaps(HDC dc, int index) {
  const DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  const DeviceCaps& k = c->Caps();
  const bool display = k.technology == DT_RASDISPLAY;
  switch (index) {
    case DRIVERVERSION: return 0x4000;
    case TECHNOLOGY: return k.technology;
    case HORZSIZE: return k.horzRes * 254 / (k.logPixelsX * 10);
    case VERTSIZE: return k.vertRes * 254 / (k.logPixelsY * 10);
    case HORZRES: return k.horzRes;
    case VERTRES: return k.vertRes;
    case DESKTOPHORZRES: return k.horzRes;
    case DESKTOPVERTRES: return k.vertRes;
    case BITSPIXEL: return k.bitsPixel;
    case PLANES: return 1;
    case NUMBRUSHES:
    case NUMPENS:
    case NUMCOLORS: return k.bitsPixel > 8 ? -1 : 1 << k.bitsPixel;
    case NUMMARKERS: return 0;
    case NUMFONTS: return 0;
    case PDEVICESIZE: return 0;
    case CURVECAPS: return 0xFF;       // circles, pies, chords, ellipses, wide, styled, wide styled, interiors
    case LINECAPS: return 0xFE;        // polylines, markers, wide, styled, wide styled, interiors
    case POLYGONALCAPS: return 0xFF;   // polygons, rectangles, wide, styled, interiors
    case TEXTCAPS: return 0x7807;      // character/stroke output, underline, strike-out, raster fonts, scaling
    case CLIPCAPS: return 1;           // clips to rectangles and regions
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV | RC_BIGFONT |
             RC_STRETCHBLT | RC_FLOODFILL | RC_STRETCHDIB;
    case ASPECTX:
    case ASPECTY: return 36;
    case ASPECTXY: return 51;
    case LOGPIXELSX: return k.logPixelsX;
    case LOGPIXELSY: return k.logPixelsY;
    case SIZEPALETTE:
    case NUMRESERVED: return 0;
    case COLORRES: return 24;
    case PHYSICALWIDTH: return display ? 0 : k.physicalWidth;
    case PHYSICALHEIGHT: return display ? 0 : k.physicalHeight;
    case PHYSICALOFFSETX: return display ? 0 : k.physicalOffsetX;
    case PHYSICALOFFSETY: return display ? 0 : k.physicalOffsetY;
    case SCALINGFACTORX:
    case SCALINGFACTORY: return 0;
    case VREFRESH: return display ? 60 : 0;
    case BLTALIGNMENT: return 0;
    case SHADEBLENDCAPS: return SB_CONST_ALPHA | SB_PIXEL_ALPHA | SB_GRAD_RECT;
    default: return 0;
  }
}

COLORREF GetNearestColor(HDC dc, COLORREF color) {
  const DeviceContext* c = FindDC(dc);
  return c ? ResolveColor(*c, color) : CLR_INVALID;
}

BOOL GdiFlush() { return 1; }
