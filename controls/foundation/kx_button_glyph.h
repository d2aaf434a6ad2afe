// The glyph of the library's push button (unit kxButtons): TkxButtonGlyph lays out a glyph and a
// caption and draws them for a button state; TkxImageInfo is its source (a bitmap strip of
// NumGlyphs equally wide columns, or an image of an image list); the state images it draws are
// rendered once and kept in a process-wide TkxGlyphCache of TkxGlyphLists, one list per image
// size, shared by every button whose glyph has that size.
//
// Glyph kinds (strip columns): 0 up, 1 disabled, 2 down, 3 exclusive.  Default, normal and hot
// draw kind 0, pressed kind 2 (kind 0 with fewer than 3 columns), disabled kind 1 (generated from
// the up image when the strip has one column).  A list's used slots are counted; a list whose
// count falls to 0 is freed, and the cache itself goes when a glyph is destroyed while it holds
// no list.  Interface thread only.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/kx_image_list.h"
#include "controls/foundation/kx_painter.h"
#include "platform/classes/event.h"
#include "platform/ui/button_glyph.h"

class TBitmap;
class TCanvas;
class TCustomImageList;

class TkxGlyphList : public TkxImageList {
  PR_CLASS(TkxGlyphList, TkxImageList)

 public:
  using TkxImageList::TkxImageList;
  // Stores the pair at the first free slot (a new image when none is free); the slot.
  Integer AddGlyph(TBitmap* Image, TBitmap* Mask);
  void ReleaseIndex(Integer Index);
  Integer UsedCount() const { return usedCount_; }

 private:
  Integer AllocateIndex(TBitmap* Image, TBitmap* Mask);

  std::vector<bool> used_;
  Integer usedCount_ = 0;
};

class TkxGlyphCache {
 public:
  ~TkxGlyphCache();
  // The list of that image size (searched last to first), made when there is none.
  TkxGlyphList* GetList(Integer AWidth, Integer AHeight);
  // A list whose used count is 0 leaves the cache and is freed.
  void ReleaseList(TkxGlyphList* List);
  Integer ListCount() const { return Integer(lists_.size()); }

 private:
  std::vector<std::unique_ptr<TkxGlyphList>> lists_;
};

// The process's cache, or null while none exists.
TkxGlyphCache* ExistingGlyphCache();

class TkxButtonGlyph;

class TkxImageInfo {
 public:
  explicit TkxImageInfo(TkxButtonGlyph* AGlyph);
  ~TkxImageInfo();
  TkxImageInfo(const TkxImageInfo&) = delete;
  TkxImageInfo& operator=(const TkxImageInfo&) = delete;

  TBitmap* Glyph() const { return glyph_.get(); }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* Value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer Value);
  bool HasGlyph() const;
  bool HasImage() const;

 private:
  // A change of one half of the image-list pair counts only when no bitmap is set and the other
  // half is present.
  void ImageListPartChanged();

  TkxButtonGlyph* owner_;
  std::unique_ptr<TBitmap> glyph_;
  TCustomImageList* images_ = nullptr;
  Integer imageIndex_ = -1;
};

// Where LayoutGlyphAndText puts the glyph (its left-top) and the caption.
struct TkxGlyphLayout {
  TPoint GlyphPos;
  TRect TextRect;
};

class TkxButtonGlyph {
 public:
  TkxButtonGlyph();
  virtual ~TkxButtonGlyph();
  TkxButtonGlyph(const TkxButtonGlyph&) = delete;
  TkxButtonGlyph& operator=(const TkxButtonGlyph&) = delete;

  virtual Integer GetStateImageIndex(TkxButtonState State);
  // (1, 0, 2, 0) around a caption without an image, none with one.
  virtual TRect GetTextMargins(TButtonLayout Layout) const;

  TkxImageInfo* ImageInfo() const { return imageInfo_.get(); }
  TBitmap* Glyph() const { return imageInfo_->Glyph(); }
  // Copies the bitmap; NumGlyphs becomes Width / Height when that is a whole number below 5,
  // else 1 (a bitmap 0 pixels wide or high gives 1).
  void SetGlyph(TBitmap* Value);
  Integer NumGlyphs() const { return numGlyphs_; }
  // Below 2 gives 1, above 3 gives 4.
  void SetNumGlyphs(Integer Value);
  // One column's size; (0, 0) without an image.
  TSize GetGlyphSize() const;
  bool UsesWordBreak(bool WordWrap) const { return WordWrap && !imageInfo_->HasImage(); }

  TkxGlyphLayout LayoutGlyphAndText(TCanvas* Canvas, const TRect& Client, TPoint Offset, const std::string& Caption,
                                    TButtonLayout Layout, Integer Margin, Integer Spacing, UINT BiDiFlags,
                                    bool WordWrap) const;
  void Draw(TCanvas* Canvas, const TRect& Client, TPoint Offset, const std::string& Caption, TButtonLayout Layout,
            Integer Margin, Integer Spacing, TkxButtonState State, UINT BiDiFlags, bool WordWrap);
  // The source changed: the rendered images go back to the cache, then OnChange.
  void GlyphChanged();

  TNotifyEvent OnChange;

 private:
  static Integer GlyphKindOf(TkxButtonState State, Integer NumGlyphs);
  void RenderImage(Integer Kind);
  void ReleaseCachedImages();
  void PaintCaption(TCanvas* Canvas, const std::string& Caption, TRect R, TkxButtonState State, UINT Flags);

  TkxGlyphList* list_ = nullptr;
  std::array<Integer, 4> indices_{-1, -1, -1, -1};
  Integer numGlyphs_ = 1;
  std::unique_ptr<TkxImageInfo> imageInfo_;
  // Reading the source through its canvas reports it as changed; rendering never changes it.
  bool rendering_ = false;
};
