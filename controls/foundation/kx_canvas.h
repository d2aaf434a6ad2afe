// TkxCanvas: the drawing surface every painter, control and editor of the control library draws
// through: a thin object over a class-library TCanvas (not owned) that adds stacks of saved
// device-context levels, clip regions and font/brush/pen states, clip-region arithmetic, frames on
// chosen sides, tiled fills, and text drawn from the library's text-flag word, embossed when
// disabled.
//
// The canvas holds no context of its own: the wrapped canvas makes and owns it, so a TkxCanvas over
// a control's canvas is valid only while that canvas has its handle.  Colours: clNone paints
// nothing, clDefault keeps the brush's colour.  Empty rectangles and texts are quietly ignored;
// popping an empty stack does nothing; errors of the wrapped canvas pass through.  Callers keep
// pushes and pops balanced; what is left on the stacks is freed with the canvas.  Interface thread
// only.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "controls/foundation/kx_region.h"
#include "controls/foundation/kx_text_flags.h"
#include "platform/ui/canvas.h"

class TBitmap;
class TCustomImageList;

PR_ENUM(TkxBorder, bLeft, bTop, bRight, bBottom)
using TkxBorders = TSet<TkxBorder>;
inline constexpr TkxBorders kxBordersAll = {bLeft, bTop, bRight, bBottom};

// What FrameAndFill fills a rectangle with: the bitmap tiled when there is one, else the colour.
struct TkxBackground {
  TBitmap* Bitmap = nullptr;
  TColor Color = clDefault;
};

// The multi-line vertical placements of AlignMultiLineText.
enum TkxVerticalAlignment : Byte { kxvaTop = 0, kxvaBottom = 1, kxvaCenter = 2 };

// Keeps a class-library canvas locked for the life of the guard.
class TCanvasLockGuard {
 public:
  explicit TCanvasLockGuard(TCanvas* Canvas) : canvas_(Canvas) { canvas_->Lock(); }
  ~TCanvasLockGuard() { canvas_->Unlock(); }
  TCanvasLockGuard(const TCanvasLockGuard&) = delete;
  TCanvasLockGuard& operator=(const TCanvasLockGuard&) = delete;

 private:
  TCanvas* canvas_;
};

class TkxCanvas {
 public:
  explicit TkxCanvas(TCanvas* ACanvas) : canvas_(ACanvas) {}
  virtual ~TkxCanvas();
  TkxCanvas(const TkxCanvas&) = delete;
  TkxCanvas& operator=(const TkxCanvas&) = delete;

  TCanvas* Canvas() const { return canvas_; }
  TBrush* GetBrush() const { return canvas_->Brush(); }
  TFont* GetFont() const { return canvas_->Font(); }
  TPen* GetPen() const { return canvas_->Pen(); }
  // The wrapped canvas's context, made on demand.
  HDC GetHandle() const { return canvas_->Handle(); }
  void SetFont(TFont* Value) { canvas_->SetFont(Value); }
  void SetPixel(Integer X, Integer Y, TColor Color) { canvas_->SetPixels(X, Y, Color); }
  // Stretching copy with the canvas's copy mode.
  void CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect) {
    canvas_->CopyRect(Dest, Source, SourceRect);
  }
  void Draw(Integer X, Integer Y, TGraphic* Graphic) { canvas_->Draw(X, Y, Graphic); }
  void MoveTo(Integer X, Integer Y) { canvas_->MoveTo(X, Y); }
  void LineTo(Integer X, Integer Y) { canvas_->LineTo(X, Y); }
  void Polygon(std::span<const TPoint> Points) { canvas_->Polygon(Points.data(), Integer(Points.size())); }
  void Polyline(std::span<const TPoint> Points) { canvas_->Polyline(Points.data(), Integer(Points.size())); }

  // Coordinates.
  TPoint GetWindowOrg() const;
  void SetWindowOrg(TPoint Value);
  TPoint ReadViewportOrigin() const;
  // Viewport origin minus window origin: where logical (0, 0) lies on the device.
  TPoint GetDeviceOriginOffset() const;

  // Stacks.
  void PushSavedDC();
  void PopSavedDC();
  void PushClipRegion();
  void PopClipRegion();
  // PushSavedDC, then copies of the font, brush and pen; PopState assigns them back and pops the
  // saved level.
  void PushState();
  void PopState();

  // Clipping.  Regions given with ConsiderOrigin are in the canvas's logical coordinates.
  void ExcludeClipRect(const TRect& R);
  void IntersectClipRect(const TRect& R);
  // The clip region (0, 0, 30000, 30000 when the context has none), shifted by minus the device
  // origin offset with ConsiderOrigin.
  std::unique_ptr<TkxRegion> GetClipRegion(bool ConsiderOrigin = true) const;
  // Combines the region into the clip region; the region is freed.
  void SetClipRegion(std::unique_ptr<TkxRegion> Region, TkxRegionOperation Operation, bool ConsiderOrigin = true);
  // The same with a region the caller keeps, which is left exactly as it was.
  void SetClipRegion(TkxRegion& Region, TkxRegionOperation Operation, bool ConsiderOrigin = true);

  // Filling and frames.
  // Assigns the brush colour only when it differs (the brush's handle is not made again).
  void SetBrushColor(TColor Value);
  // clNone paints nothing and leaves the brush; clDefault fills with the brush's colour.
  void FillSolidRect(const TRect& R, TColor Color);
  // Tiles the bitmap (when it has pixels) over R with tiles at multiples of its size in logical
  // coordinates, else fills R with the brush; with Exclude R then leaves the clip region.
  void FillRect(const TRect& R, TBitmap* Bitmap = nullptr, bool Exclude = false);
  // Strips of Width on the chosen sides, inside R (left, right, top, bottom in that order).
  void FrameRect(const TRect& R, TColor Color = clDefault, Integer LineWidth = 1, TkxBorders Borders = kxBordersAll,
                 bool Exclude = false);
  // Left and top in LeftTopColor, right and bottom in RightBottomColor.
  void DrawTwoColorFrame(const TRect& R, TColor LeftTopColor, TColor RightBottomColor,
                         TkxBorders Borders = kxBordersAll, Integer LineWidth = 1);
  // One pixel of the classic 3-D edge: outer or inner, sunken or raised.
  void Draw3DEdge(const TRect& R, bool Sunken, bool Outer, TkxBorders Borders = kxBordersAll);
  // FrameRect, then the rest of R filled with the background.
  void FrameAndFill(const TRect& R, const TkxBackground& Background, TkxBorders Borders, TColor FrameColor,
                    Integer LineWidth = 1, bool Exclude = false);
  // The dotted focus frame, always drawn with a white brush and a black font colour so that it
  // inverts the same way each time.
  void DrawFocusRect(const TRect& R);
  void InvertRect(const TRect& R);
  // Nothing for an index outside the list.
  void DrawImageFromList(TCustomImageList* Images, Integer X, Integer Y, Integer Index, bool Enabled);

  // Text (kx_canvas_text.cpp).
  // Single-line extent in the canvas's font; (0, 0) when it cannot be measured.
  TSize GetTextSize(const std::string& Text);
  Integer GetTextWidth(const std::string& Text) { return GetTextSize(Text).cx; }
  Integer GetTextHeight(const std::string& Text) { return GetTextSize(Text).cy; }
  // SetFont, then the height of "Qq".
  Integer FontHeight(TFont* Font);
  // Measures the text as Flags lay it out and places the result inside the given R the way the
  // flags align it; a width of 0 or less measures in a box one pixel wide.
  void CalcTextRect(const std::string& Text, TRect& R, TkxTextFlags Flags);
  // Moves R's top so that the text, as DrawText would break it, sits at the bottom or centre.
  void AlignMultiLineText(TRect& R, const std::string& Text, TkxVerticalAlignment Alignment, bool WordBreak,
                          bool ShowPrefix, bool Enabled, bool KeepWordsWhole);
  // Draws the text in R; disabled text is embossed (clBtnHighlight one pixel right and down, then
  // clBtnShadow).  The brush style and font colour are as before afterwards.
  void DrawText(const std::string& Text, const TRect& R, TkxTextFlags Flags, bool Enabled = true);

 private:
  // Copies of the font, brush and pen as PushState found them.
  struct SavedState {
    std::unique_ptr<TFont> font;
    std::unique_ptr<TBrush> brush;
    std::unique_ptr<TPen> pen;
  };
  void OutputText(const std::string& Text, const TRect& R, TkxTextFlags Flags, bool ByDrawText, UINT DrawFlags);

  TCanvas* canvas_;
  std::vector<int> savedDCs_;
  std::vector<std::unique_ptr<TkxRegion>> savedRegions_;
  std::vector<SavedState> savedStates_;
};
