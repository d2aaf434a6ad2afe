// TkxContainerViewInfo: the geometry and paint record of a container: its state, where its border,
// background and client area lie, which colours and border style apply, and whether it paints
// through the visual style.  The container fills it; it paints background, border and shadow (never
// the inner control).
#pragma once

#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_painter.h"
#include "controls/foundation/kx_region.h"

class TkxCanvas;

class TkxContainerViewInfo : public TObject {
  PR_CLASS(TkxContainerViewInfo, TObject)

 public:
  TkxContainerViewInfo() = default;
  static TkxContainerViewInfo* Create() { return new TkxContainerViewInfo(); }

  // By border style: single and thick a frame of BorderColor and BorderWidth; flat a sunken outer
  // edge on Edges and a clBtnFace line inside; 3-D the same edge and the sunken inner edge on Edges.
  virtual void PaintBorder(TkxCanvas& Canvas, const TRect& R);
  virtual TkxContainerBorderStyle GetEffectiveBorderStyle() { return BorderStyle; }
  // Native: the theme's content rectangle in BackgroundColor and the frame in the theme's border
  // colour (all the bounds without a border); else shadow, border and background.
  virtual void PaintBackgroundAndBorder(TkxCanvas& Canvas);
  virtual void AssignBackgroundColor(TColor AColor) { BackgroundColor = AColor; }
  // Copies the client rectangle of another view info, nothing else.
  virtual void Assign(TObject* Source);
  // The region to repaint when this view info replaces AOldViewInfo: empty in the base.
  virtual std::unique_ptr<TkxRegion> GetRepaintRegion(TkxContainerViewInfo* AOldViewInfo);
  virtual void OffsetRects(Integer DX, Integer DY);
  virtual void PaintTo(TkxCanvas& Canvas) { PaintBackgroundAndBorder(Canvas); }

  TColor BackgroundColor = clWindow;
  TColor BorderColor = clWindowFrame;
  TRect BorderRect;
  TkxContainerBorderStyle BorderStyle = cbsNone;
  Integer BorderWidth = 0;
  TRect Bounds;
  TRect ClientRect;
  TkxContainerStateFlags ContainerState{cstNormal};
  TkxBorders Edges = kxBordersAll;
  Integer NativePart = 0;
  Integer NativeState = 0;
  bool NativeStyle = false;
  TkxLookAndFeelPainterClass SkinPainter = nullptr;
  bool Shadow = false;
  ThemedObjectType ThemedType = 0;

 private:
  void PaintClassicBackground(TkxCanvas& Canvas);
  void PaintNativeBackground(TkxCanvas& Canvas);
};
