// The shared cache of solid brushes (unit kxEditPaintUtils): editors fill many small areas in a
// handful of colours, so a brush per colour is made once and shared.  System colours 0 .. 30
// (0xFF000000 .. 0xFF00001E) answer the system's own colour brushes; every other colour a brush
// from a cache of at most 128, sorted by colour value, which evicts the least-used entry (the
// lowest position among equals) when full and empties itself on a system colour change (its
// notifier is primary, so it is empty before any look-and-feel reacts).  Callers use a brush at
// once and never delete it.
#pragma once

#include <memory>
#include <vector>

#include "controls/foundation/kx_system_palette.h"
#include "platform/core/units.h"
#include "platform/ui/colors.h"
#include "platform/user/user_types.h"

class TCanvas;
class TkxCanvas;

class TkxSolidBrushCache {
 public:
  explicit TkxSolidBrushCache(Integer AMaxDepth);
  virtual ~TkxSolidBrushCache();
  TkxSolidBrushCache(const TkxSolidBrushCache&) = delete;
  TkxSolidBrushCache& operator=(const TkxSolidBrushCache&) = delete;

  HBRUSH GetBrush(TColor AColor);
  // Deletes every cached brush.
  virtual void Clear();
  // Binary search of the sorted colours (as unsigned numbers): APosition is the first entry not
  // less than the colour; true when that entry is the colour.
  bool FindColor(TColor AColor, Integer& APosition) const;
  Integer Depth() const { return depth_; }

 private:
  HBRUSH InsertBrush(Integer APosition, TColor AColor);
  // The first entry with the smallest use count.
  Integer FindVictim() const;
  void DeleteEntry(Integer APosition);

  std::vector<Cardinal> colors_;
  std::vector<HBRUSH> brushes_;
  std::vector<Cardinal> useCounts_;
  Integer depth_ = 0;
  Integer maxDepth_;
  std::unique_ptr<TkxSystemPaletteChangedNotifier> paletteNotifier_;
};

// The shared cache's brush for the colour; the canvas is not used.
HBRUSH GetCachedSolidBrush(TColor AColor);
HBRUSH GetCachedSolidBrushForCanvas(TCanvas* ACanvas, TColor AColor);
HBRUSH GetCachedSolidBrushForkxCanvas(TkxCanvas* ACanvas, TColor AColor);

// Start-up: the table of the 31 system brushes, then the shared cache (128 brushes); shut-down
// frees both.
extern const Unit kxEditPaintUtilsUnit;
