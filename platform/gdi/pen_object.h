// A pen: cosmetic (one pixel wide, optionally styled with dashes that the background fills in
// OPAQUE mode) or geometric (any width, stroked as an area with end caps and joins, filled with
// its brush).  Immutable after creation.
//
// Rules kept from the platform: CreatePen with a width above 1 makes a geometric pen with round
// caps and joins, and its dash styles become solid; width 0 means one pixel.  PS_INSIDEFRAME keeps
// the outline of closed shapes inside their bounding box.
#pragma once

#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_types.h"

namespace gdi {

class PenObject : public GdiObject {
 public:
  PenObject(DWORD style, int width, COLORREF color, bool extended) :
      style_(style), width_(width), color_(color), extended_(extended) {}

  ObjectKind Kind() const override { return extended_ ? ObjectKind::ExtPen : ObjectKind::Pen; }
  int GetObjectData(int size, void* out, bool wide) const override;

  DWORD Style() const { return style_; }                 // the full style word
  UINT LineStyle() const { return style_ & 0x0F; }       // PS_SOLID .. PS_ALTERNATE
  UINT EndCap() const { return style_ & 0xF00; }
  UINT Join() const { return style_ & 0xF000; }
  bool IsGeometric() const { return (style_ & 0xF0000) != 0 || width_ > 1; }
  bool IsNull() const { return LineStyle() == 5; }
  int Width() const { return width_; }
  COLORREF Color() const { return color_; }
  // The brush a geometric pen paints with (BS_SOLID of Color() for plain pens).
  const LOGBRUSH& Brush() const { return brush_; }
  void SetBrush(const LOGBRUSH& brush) { brush_ = brush; }
  // Dash lengths of PS_USERSTYLE pens (on, off, on, ...).
  const std::vector<DWORD>& UserStyle() const { return userStyle_; }
  void SetUserStyle(std::vector<DWORD> entries) { userStyle_ = std::move(entries); }

 private:
  DWORD style_;
  int width_;
  COLORREF color_;
  bool extended_;
  LOGBRUSH brush_{0, 0, 0};
  std::vector<DWORD> userStyle_;
};

// Pens and extended pens are looked up together.
PenObject* FindPen(const void* handle);

}  // namespace gdi
