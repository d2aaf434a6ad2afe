// TButtonGlyph: the glyph and caption of speed buttons and bit buttons, laid out and drawn in one
// place.
//
// Glyph is a bitmap holding NumGlyphs (1..4) equally wide images side by side, in the order of
// TButtonState: up, disabled, down, exclusive (held down).  A state without its own image uses the
// up image; disabled without its own image draws the up image's shape embossed (clBtnHighlight one
// pixel right and down, then clBtnShadow).  The glyph's transparent colour (its bottom-left pixel
// unless the bitmap fixes one) is never drawn.  Setting a glyph whose width is 1..4 times its
// height takes that count as NumGlyphs.
//
// Layout (CalcButtonLayout): the glyph sits on the side Layout names, the caption beside it,
// Spacing pixels apart; both centred across.  Margin -1 centres the pair (Spacing -1 then spreads
// the free space in three equal parts: margin, spacing, margin); a Margin of 0 or more puts the
// glyph that far from its edge (Spacing -1 then centres the caption in what is left).  Spacing is
// 0 when there is no glyph or no caption.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/event.h"
#include "platform/classes/type_info.h"
#include "platform/gdi/gdi_types.h"

class TBitmap;
class TCanvas;
class TImageList;
class TObject;

PR_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
PR_ENUM(TButtonState, bsUp, bsDisabled, bsDown, bsExclusive)

struct TButtonPlacement {
  TPoint GlyphPos;
  TRect TextBounds;
};

TButtonPlacement CalcButtonLayout(const TRect& Client, TPoint Offset, TSize GlyphSize, TSize TextSize,
                                  TButtonLayout Layout, Integer Margin, Integer Spacing);

class TButtonGlyph {
 public:
  TButtonGlyph();
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* Value);   // copies Value (nullptr empties the glyph)
  Integer NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(Integer Value);   // out of 1..4 counts as 1
  // The size of one image (0 x 0 without a glyph).
  TSize GlyphSize() const;

  // Draws the glyph and the caption (embossed when State is bsDisabled) inside Client moved by
  // Offset; returns where the caption went.  TextFlags adds DrawText flags (reading order).
  TRect Draw(TCanvas* Canvas, const TRect& Client, TPoint Offset, const std::string& Caption,
             TButtonLayout Layout, Integer Margin, Integer Spacing, TButtonState State, UINT TextFlags);

  TNotifyEvent OnChange;   // the glyph or the count changed

 private:
  void GlyphChanged(TObject* Sender);
  TImageList* Images();
  void DrawGlyph(TCanvas* Canvas, TPoint Pos, TButtonState State);
  static void DrawCaption(TCanvas* Canvas, const std::string& Caption, TRect Bounds, TButtonState State,
                          UINT Flags);

  std::unique_ptr<TBitmap> glyph_;
  Integer numGlyphs_ = 1;
  std::unique_ptr<TImageList> images_;   // the glyph cut into its images; made on first use
};
