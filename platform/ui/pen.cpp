#include "platform/ui/pen.h"

#include "platform/classes/publisher.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/raster_ops.h"

PR_PUBLISH(TPen) {
  p.Property("Color", &TPen::Color, &TPen::SetColor).Type(ColorTypeInfo()).Default(clBlack);
  p.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
  p.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
  p.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

int PenModeToRop2(TPenMode Mode) {
  static constexpr int kRop2[] = {R2_BLACK,     R2_WHITE,       R2_NOP,         R2_NOT,
                                  R2_COPYPEN,   R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT,
                                  R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,   R2_NOTMERGEPEN,
                                  R2_MASKPEN,   R2_NOTMASKPEN,  R2_XORPEN,      R2_NOTXORPEN};
  return kRop2[Mode];
}

void TPen::Assign(TPersistent* Source) {
  auto* pen = dynamic_cast<TPen*>(Source);
  if (pen == nullptr) return inherited::Assign(Source);
  if (color_ == pen->color_ && width_ == pen->width_ && style_ == pen->style_ && mode_ == pen->mode_) return;
  Changing();
  color_ = pen->color_;
  width_ = pen->width_;
  style_ = pen->style_;
  mode_ = pen->mode_;
  Changed();
}

void TPen::SetColor(TColor Value) { Update(color_, Value); }

void TPen::SetWidth(Integer Value) {
  if (Value >= 0) Update(width_, Value);
}

void TPen::SetStyle(TPenStyle Value) { Update(style_, Value); }

void TPen::SetMode(TPenMode Value) { Update(mode_, Value); }

void* TPen::MakeHandle() {
  static constexpr UINT kStyles[] = {PS_SOLID, PS_DASH,      PS_DOT,          PS_DASHDOT,
                                     PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  return CreatePen(int(kStyles[style_]), width_, ColorToRGB(color_));
}
