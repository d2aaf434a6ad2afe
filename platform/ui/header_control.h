// THeaderControl: column headings over the header window class (header_window.h), one section per
// item.
//
// Sections keep their own Text, Width, MinWidth (0), MaxWidth (10000), Alignment, Style
// (hsText, hsOwnerDraw) and AllowClick (true); any change of them rebuilds the window's items.
// Dragging a section's right edge: the width asked for is kept within [MinWidth, MaxWidth]
// (the window takes it back through HDN_TRACK), OnSectionTrack runs with tsTrackBegin,
// tsTrackMove for each move and tsTrackEnd, and each width change runs OnSectionResize after the
// section took it.  A click on a section that allows clicks runs OnSectionClick.  hsOwnerDraw
// sections are drawn by OnDrawSection(HeaderControl, Section, Rect, Pressed) on Canvas.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/collection.h"
#include "platform/ui/win_control.h"

class TCanvas;
class TControlCanvas;
class THeaderControl;

PR_ENUM(THeaderSectionStyle, hsText, hsOwnerDraw)
PR_ENUM(TSectionTrackState, tsTrackBegin, tsTrackMove, tsTrackEnd)

class THeaderSection : public TCollectionItem {
  PR_CLASS(THeaderSection, TCollectionItem)

 public:
  explicit THeaderSection(TCollection* Collection);
  void Assign(TPersistent* Source) override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  bool AllowClick() const { return allowClick_; }
  void SetAllowClick(bool Value);
  Integer MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(Integer Value);
  Integer MinWidth() const { return minWidth_; }
  void SetMinWidth(Integer Value);
  THeaderSectionStyle Style() const { return style_; }
  void SetStyle(THeaderSectionStyle Value);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& Value);
  Integer Width() const { return width_; }
  void SetWidth(Integer Value);
  // Pixels from the header's left edge to this section's, and to its right edge.
  Integer Left() const;
  Integer Right() const { return Left() + width_; }

 private:
  friend class THeaderControl;
  template <class T>
  void Change(T& field, const T& value);

  TAlignment alignment_ = taLeftJustify;
  bool allowClick_ = true;
  Integer maxWidth_ = 10000;
  Integer minWidth_ = 0;
  THeaderSectionStyle style_ = hsText;
  std::string text_;
  Integer width_ = 50;
};

class THeaderSections : public TCollection {
  PR_CLASS(THeaderSections, TCollection)

 public:
  explicit THeaderSections(THeaderControl* HeaderControl);
  THeaderSection* Add() { return static_cast<THeaderSection*>(TCollection::Add()); }
  THeaderSection* Items(Integer Index) const { return static_cast<THeaderSection*>(TCollection::Items(Index)); }

 protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* Item) override;

 private:
  THeaderControl* header_;
};

using TSectionNotifyEvent = Event<void(THeaderControl* HeaderControl, THeaderSection* Section)>;
using TSectionTrackEvent = Event<void(THeaderControl* HeaderControl, THeaderSection* Section, Integer Width,
                                      TSectionTrackState State)>;
using TDrawSectionEvent = Event<void(THeaderControl* HeaderControl, THeaderSection* Section, const TRect& Rect,
                                     bool Pressed)>;

class THeaderControl : public TWinControl {
  PR_CLASS(THeaderControl, TWinControl)

 public:
  explicit THeaderControl(TComponent* AOwner);
  ~THeaderControl() override;

  THeaderSections* Sections() const { return sections_.get(); }
  void SetSections(THeaderSections* Value) { sections_->Assign(Value); }
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool Value);
  TCanvas* Canvas() const;

  TSectionNotifyEvent OnSectionClick;
  TSectionNotifyEvent OnSectionResize;
  TSectionTrackEvent OnSectionTrack;
  TDrawSectionEvent OnDrawSection;

  void Dispatch(TMessage& Message) override;
  // Rebuilds the window's items from the sections.
  void UpdateSections();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void SectionClick(THeaderSection* Section);
  virtual void SectionResize(THeaderSection* Section);
  virtual void SectionTrack(THeaderSection* Section, Integer Width, TSectionTrackState State);
  virtual void DrawSection(THeaderSection* Section, const TRect& Rect, bool Pressed);

 private:
  void CNNotify(TMessage& Message);
  void CNDrawItem(TMessage& Message);

  std::unique_ptr<THeaderSections> sections_;
  std::unique_ptr<TControlCanvas> canvas_;   // over the context WM_DRAWITEM hands over, while drawing
  bool hotTrack_ = false;
  bool updatingFromWindow_ = false;   // a width the window reported is being stored
};
