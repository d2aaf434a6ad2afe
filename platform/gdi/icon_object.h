// An icon or cursor: a monochrome AND mask and a colour image (32-bit, possibly with per-pixel
// alpha), or, for monochrome icons, a mask twice as tall holding the AND mask above the XOR image.
// The object owns copies of the bitmaps it was made from.
#pragma once

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_types.h"

namespace gdi {

class IconObject : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Icon;
  IconObject(HBITMAP mask, HBITMAP color, const ICONINFO& info) : mask_(mask), color_(color), info_(info) {}
  ~IconObject() override;
  ObjectKind Kind() const override { return kKind; }

  HBITMAP Mask() const { return mask_; }
  HBITMAP Color() const { return color_; }   // nullptr for monochrome icons
  BOOL IsIcon() const { return info_.fIcon; }
  DWORD HotspotX() const { return info_.xHotspot; }
  DWORD HotspotY() const { return info_.yHotspot; }
  TSize Size() const;

 private:
  HBITMAP mask_;
  HBITMAP color_;
  ICONINFO info_;
};

}  // namespace gdi
