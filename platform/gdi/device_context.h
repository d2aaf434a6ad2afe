// A device context: the drawing state (selected objects, colours, modes, origins, clip region) over
// a target surface.
//
// Kinds: a memory context draws into the bitmap selected into it (a new one holds the 1 x 1
// monochrome stock bitmap); a surface context draws into a bitmap it was put on by the window
// layer, at an origin and limited to a visible region; the display context (for measuring) has the
// screen's size and capabilities but no pixels, so drawing on it changes nothing.
//
// Coordinates: logical (x, y) -> device (x - windowOrg.X + viewportOrg.X, ...) -> surface (device
// + origin).  Only MM_TEXT mapping exists.  The clip region is kept in device coordinates, as
// SelectClipRgn and GetClipRgn see it; drawing is limited to EffectiveClip(), in surface
// coordinates: the clip region (when set) within the visible region within the surface.
//
// Selection: every object in the current or a saved state is retained in the handle table, so it
// cannot be freed while the context still refers to it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/region_data.h"

namespace gdi {

class PenObject;
class BrushObject;
class BitmapObject;
class PaletteObject;
class PathRecorder;

// What GetDeviceCaps reports.
struct DeviceCaps {
  int technology = 1;   // DT_RASDISPLAY
  int bitsPixel = 32;
  int horzRes = 1920;
  int vertRes = 1080;
  int logPixelsX = 96;
  int logPixelsY = 96;
  int physicalWidth = 0;   // printers: page size and unprintable margins in device pixels
  int physicalHeight = 0;
  int physicalOffsetX = 0;
  int physicalOffsetY = 0;
};

struct DcState {
  PenObject* pen = nullptr;
  BrushObject* brush = nullptr;
  GdiObject* font = nullptr;   // selected and kept for the text layer
  BitmapObject* bitmap = nullptr;
  PaletteObject* palette = nullptr;
  COLORREF textColor = 0x000000;
  COLORREF bkColor = 0xFFFFFF;
  int bkMode = 2;           // OPAQUE
  int rop2 = 13;            // R2_COPYPEN
  int stretchMode = 1;      // BLACKONWHITE
  int polyFillMode = 1;     // ALTERNATE
  int arcDirection = 1;     // AD_COUNTERCLOCKWISE
  TPoint windowOrg;
  TPoint viewportOrg;
  TPoint brushOrg;          // device coordinates
  TPoint position;          // current position, logical
  std::optional<RegionData> clip;   // device coordinates; empty optional = no clip region
  COLORREF dcBrushColor = 0xFFFFFF;
  COLORREF dcPenColor = 0x000000;
  UINT textAlign = 0;       // read by the text layer
  int charExtra = 0;        // read by the text layer
  int breakExtra = 0;       // SetTextJustification: pixels spread over breakCount break characters
  int breakCount = 0;
};

class DeviceContext : public GdiObject {
 public:
  enum class Type { Memory, Surface, Display };

  DeviceContext(Type type, const DeviceCaps& caps);
  ~DeviceContext() override;

  ObjectKind Kind() const override { return type_ == Type::Memory ? ObjectKind::MemDC : ObjectKind::DC; }
  Type GetType() const { return type_; }
  const DeviceCaps& Caps() const { return caps_; }
  DcState& State() { return state_; }
  const DcState& State() const { return state_; }

  // Selection.  Each returns the handle of the object it replaced (which may already be freed, when
  // it was deleted while selected), or nullptr when the new one is refused.
  void* SelectPen(PenObject* pen);
  void* SelectBrush(BrushObject* brush);
  void* SelectFont(GdiObject* font);
  void* SelectBitmap(BitmapObject* bitmap);
  void* SelectPalette(PaletteObject* palette);

  int Save();                 // SaveDC: the new level, counted from 1
  bool Restore(int level);    // RestoreDC: negative levels count back from the current one

  // The bitmap drawn into (nullptr for the display context).
  BitmapObject* Target() const;
  // Surface contexts: the bitmap, the origin of device (0, 0) on it, the visible region (surface
  // coordinates; nullopt = the whole surface).
  void SetSurface(BitmapObject* surface, TPoint origin, std::optional<RegionData> visible);
  TPoint Origin() const { return origin_; }

  // Conversions saturate at the platform's coordinate limit of 2^27 pixels.
  TPoint ToDevice(TPoint logical) const {
    return {Clamp(std::int64_t(logical.X) - state_.windowOrg.X + state_.viewportOrg.X),
            Clamp(std::int64_t(logical.Y) - state_.windowOrg.Y + state_.viewportOrg.Y)};
  }
  TPoint ToLogical(TPoint device) const {
    return {Clamp(std::int64_t(device.X) + state_.windowOrg.X - state_.viewportOrg.X),
            Clamp(std::int64_t(device.Y) + state_.windowOrg.Y - state_.viewportOrg.Y)};
  }
  TPoint ToSurface(TPoint logical) const {
    const TPoint d = ToDevice(logical);
    return {Clamp(std::int64_t(d.X) + origin_.X), Clamp(std::int64_t(d.Y) + origin_.Y)};
  }
  TRect ToSurfaceRect(const TRect& logical) const {
    const TPoint a = ToSurface(TPoint{logical.Left, logical.Top}), b = ToSurface(TPoint{logical.Right, logical.Bottom});
    return {a.X, a.Y, b.X, b.Y};
  }
  static LONG Clamp(std::int64_t v) {
    constexpr std::int64_t limit = std::int64_t(1) << 27;
    return LONG(v < -limit ? -limit : v > limit ? limit : v);
  }
  // Logical offset to surface: surface = logical + Offset().
  TPoint Offset() const { return ToSurface({0, 0}); }

  // The pixels drawing may touch, in surface coordinates.  Cached until the clip, the target or
  // the origin changes.
  const RegionData& EffectiveClip() const;
  void ClipChanged() { clipValid_ = false; }
  // The area drawing is limited to without the clip region (surface coordinates).
  RegionData VisibleArea() const;

  PathRecorder* Path() const { return path_.get(); }
  void SetPath(std::unique_ptr<PathRecorder> path);

 private:
  void RetainState(const DcState& s);
  void ReleaseState(const DcState& s);
  template <class T>
  void* Swap(T*& slot, T* object);

  Type type_;
  DeviceCaps caps_;
  DcState state_;
  std::vector<DcState> saved_;
  BitmapObject* surface_ = nullptr;   // Surface contexts
  TPoint origin_;
  std::optional<RegionData> visible_;
  mutable RegionData clipCache_;
  mutable bool clipValid_ = false;
  std::unique_ptr<PathRecorder> path_;
};

DeviceContext* FindDC(const void* handle);

// The screen the display context describes; the window layer sets it from its backend.
DeviceCaps& ScreenCaps();

}  // namespace gdi
