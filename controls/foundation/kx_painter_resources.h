// The painters' shared resources (unit kxLookAndFeelPainters): the skin-painter registry, the
// radio-button glyph cache, the six indicator images, the two scroll-bar track patterns and the
// system's check-box glyph size.
//
// The radio glyph is measured once from the platform's own radio button (DrawFrameControl in the
// check-box bitmap's cell size), split into a pattern of seven roles (outer ring halves, inner ring
// halves, interior, dot) and rendered for every look, state and flag combination: 128 images, keyed
// by CalcStateKey.  A system colour change rebuilds the images (pattern and size stay).
// Interface thread only; nothing reports errors.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/kx_object_list.h"
#include "controls/foundation/kx_painter.h"
#include "platform/core/units.h"

class TImageList;
class TCustomImageList;

// The skin painters a look-and-feel finds by name.  This system registers none, so every lookup
// fails.
struct IkxSkinPainterListener {
  virtual void SkinPaintersChanged() = 0;

 protected:
  ~IkxSkinPainterListener() = default;
};

class TkxExtendedStylePainters : public TkxObjectList {
 public:
  struct TEntry : TObject {
    std::string Name;
    TkxLookAndFeelPainterClass Painter = nullptr;
  };

  void AttachListener(IkxSkinPainterListener* Listener);
  void DetachListener(IkxSkinPainterListener* Listener);
  // The first entry whose name equals Name ignoring case, or -1; Entry is the one examined last.
  Integer IndexOfName(const std::string& Name, TEntry*& Entry) const;
  bool FindPainterByName(const std::string& Name, TkxLookAndFeelPainterClass& Painter) const;
  TEntry* GetEntry(Integer Index) const { return static_cast<TEntry*>(GetObject(Index)); }

 private:
  std::vector<IkxSkinPainterListener*> listeners_;
};

// The registry; null before the unit starts and after it stops.
TkxExtendedStylePainters* GetSkinPainterRegistry();

class TkxRadioButtonImageList {
 public:
  TkxRadioButtonImageList();
  ~TkxRadioButtonImageList();
  TkxRadioButtonImageList(const TkxRadioButtonImageList&) = delete;
  TkxRadioButtonImageList& operator=(const TkxRadioButtonImageList&) = delete;

  // clDefault draws the glyph transparently; another colour fills the glyph's square first.
  void PaintGlyph(TkxCanvas& Canvas, Integer X, Integer Y, TColor BkColor, TkxLookAndFeelKind Kind,
                  TkxButtonState State, bool Checked, bool Focused, bool Designing);
  TSize GetGlyphSize() const;
  Integer FindImageIndex(TkxLookAndFeelKind Kind, TkxButtonState State, bool Checked, bool Focused,
                         bool Designing) const;
  // State + Kind x 8 + Checked x 4 + Designing x 32 + Focused x 64 - 1; kxbsDefault counts as
  // kxbsNormal, so every state has a key of its own look (0 .. 127).
  static Integer CalcStateKey(TkxLookAndFeelKind Kind, TkxButtonState State, bool Checked, bool Focused,
                              bool Designing);
  void Rebuild();

  // Pattern roles: 0 outside, 1/2 outer ring upper-left/lower-right, 3/4 inner ring, 5 interior, 6 dot.
  Integer PatternAt(Integer X, Integer Y) const { return pattern_[std::size_t(Y) * width_ + X]; }
  TCustomImageList* Images() const;

 private:
  void Measure();
  void BuildPattern();
  void BuildMask();
  void BuildImages();

  std::unique_ptr<TImageList> images_;
  std::unique_ptr<TBitmap> mask_;
  TSize cell_{};
  Integer width_ = 0, height_ = 0;
  TPoint origin_{};
  TRect dot_{};
  std::vector<Byte> pattern_;
  std::vector<Integer> variants_;
};

// The shared glyph cache, made and built on first use.
TkxRadioButtonImageList* GetSharedRadioButtonImageList();
inline TkxRadioButtonImageList* AcquireRadioButtonImageList() { return GetSharedRadioButtonImageList(); }

// The six 8 x 9 indicator images (arrow, edit, insert, multi-dot, multi-arrow, filter); null while
// the unit is stopped.
TCustomImageList* GetIndicatorImages();
// The 8 x 8 track patterns: normal clBtnFace/clBtnHighlight, pressed black/cl3DDkShadow, in a
// checkerboard whose (0, 0) is the first colour.
TBitmap* GetScrollBarTrackPattern(bool Pressed);
// Creates the patterns when missing, then paints them in the current colours.
void RefreshScrollBarPatterns();
// (width div 4, height div 3) of OBM_CHECKBOXES, measured at start-up.
TSize GetSystemCheckBoxGlyphSize();

// Start-up: the registry, the indicator images, the track patterns, the primary palette notifier
// (rebuilds the radio glyphs), the check-box size.  Shut-down frees them and the glyph cache.
extern const Unit kxLookAndFeelPaintersUnit;
