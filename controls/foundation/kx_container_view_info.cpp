#include "controls/foundation/kx_container_view_info.h"

#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_dwm_api.h"
#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxContainerViewInfo)

namespace {

// Theme colour properties and the classes whose border colour frames a native container.
constexpr int kBorderColorProperty = 3801;
constexpr ThemedObjectType kComboBoxType = 2, kListBoxType = 6;

TColor NativeBorderColor() {
  const bool composition = IsDwmCompositionActive();
  const ThemedObjectType type = composition ? kListBoxType : kComboBoxType;
  const int part = composition ? 3 : 1;
  COLORREF color = 0;
  kdUxTheme::GetThemeColor(OpenThemeOfType(type), part, 1, kBorderColorProperty, color);
  return TColor(color);
}

}  // namespace

void TkxContainerViewInfo::PaintBorder(TkxCanvas& Canvas, const TRect& R) {
  if (SkinPainter != nullptr) return Canvas.FrameRect(R, BorderColor, BorderWidth);
  switch (BorderStyle) {
    case cbsSingle:
    case cbsThick: return Canvas.FrameRect(R, BorderColor, BorderWidth);
    case cbsFlat:
    case cbs3D: {
      Canvas.Draw3DEdge(R, true, true, Edges);
      TRect inner = R;
      InflateRect(&inner, -1, -1);
      if (BorderStyle == cbsFlat) Canvas.FrameRect(inner, clBtnFace);
      else Canvas.Draw3DEdge(inner, true, false, Edges);
      return;
    }
    default: return;
  }
}

void TkxContainerViewInfo::PaintBackgroundAndBorder(TkxCanvas& Canvas) {
  if (NativeStyle) PaintNativeBackground(Canvas);
  else PaintClassicBackground(Canvas);
}

void TkxContainerViewInfo::PaintClassicBackground(TkxCanvas& Canvas) {
  // The shadow hangs off the border's right and bottom where those carry it, else off the bounds.
  if (Shadow) PaintContainerShadow(Canvas, GrowRectOnEdges(BorderRect, BorderWidth, Edges + TkxBorders{bLeft, bTop}));
  PaintBorder(Canvas, GrowRectOnEdges(BorderRect, BorderWidth, kxBordersAll));
  Canvas.FillSolidRect(BorderRect, BackgroundColor);
}

void TkxContainerViewInfo::PaintNativeBackground(TkxCanvas& Canvas) {
  if (BorderStyle == cbsNone) return Canvas.FillSolidRect(Bounds, BackgroundColor);
  TRect content = Bounds;
  kdUxTheme::GetThemeBackgroundContentRect(OpenThemeOfType(ThemedType), Canvas.GetHandle(), NativePart,
                                           NativeState, Bounds, content);
  Canvas.FillSolidRect(content, BackgroundColor);
  FillRectFrame(Canvas, Bounds, content, NativeBorderColor());
}

void TkxContainerViewInfo::Assign(TObject* Source) {
  if (auto* other = dynamic_cast<TkxContainerViewInfo*>(Source)) ClientRect = other->ClientRect;
}

std::unique_ptr<TkxRegion> TkxContainerViewInfo::GetRepaintRegion(TkxContainerViewInfo*) {
  return TkxRegion::CreateEmpty();
}

void TkxContainerViewInfo::OffsetRects(Integer DX, Integer DY) {
  OffsetRect(&BorderRect, DX, DY);
  OffsetRect(&Bounds, DX, DY);
  OffsetRect(&ClientRect, DX, DY);
}
