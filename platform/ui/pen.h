// TPen: the colour, width, style and mix mode lines and outlines are drawn with.
//
// Defaults: clBlack, width 1, psSolid, pmCopy.  The handle is a pen of the drawing layer
// (psClear gives PS_NULL); the mode is not part of the handle: the canvas sets it as the
// context's binary mix (SetROP2) when it selects the pen.
#pragma once

#include "platform/classes/type_info.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphics_object.h"

PR_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
PR_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
        pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)

// The binary mix (R2_ code) of a pen mode.
int PenModeToRop2(TPenMode Mode);

class TPen : public TGraphicsObject {
  PR_CLASS(TPen, TGraphicsObject)

 public:
  TPen() = default;
  void Assign(TPersistent* Source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  Integer Width() const { return width_; }
  void SetWidth(Integer Value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle Value);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode Value);
  HPEN Handle() { return static_cast<HPEN>(CachedHandle()); }

 protected:
  void* MakeHandle() override;

 private:
  TColor color_ = clBlack;
  Integer width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};
