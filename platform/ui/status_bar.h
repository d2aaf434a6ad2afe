// TStatusBar: a bar of text panels, aligned to the bottom of its parent by default.
//
// Panels are laid out from the left, each Width pixels wide including the 2-pixel gap that
// follows it; the last panel runs to the right edge (less the size grip).  Each panel's area is
// from 2 pixels below the top to the bottom; Bevel frames it (pbLowered: BDR_SUNKENOUTER,
// pbRaised: BDR_RAISEDINNER, pbNone: nothing) and the text is drawn on one line, vertically
// centred, 2 pixels inside the frame, placed by Alignment.  A psOwnerDraw panel is drawn by
// OnDrawPanel(StatusBar, Panel, Rect) on Canvas instead, Rect being the area inside its frame.
// SimplePanel shows SimpleText in one lowered panel across the bar instead of the panels.
// SizeGrip draws the size grip (DrawFrameControl DFCS_SCROLLSIZEGRIP) in the bottom-right square of
// the scroll-bar width, when the bar's parent is a form with a sizeable border.
// Any change of a panel or of the bar repaints it.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/collection.h"
#include "platform/ui/custom_control.h"

class TStatusBar;

PR_ENUM(TStatusPanelStyle, psText, psOwnerDraw)
PR_ENUM(TStatusPanelBevel, pbNone, pbLowered, pbRaised)

class TStatusPanel : public TCollectionItem {
  PR_CLASS(TStatusPanel, TCollectionItem)

 public:
  explicit TStatusPanel(TCollection* Collection);
  void Assign(TPersistent* Source) override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel Value);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle Value);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& Value);
  Integer Width() const { return width_; }
  void SetWidth(Integer Value);

 private:
  template <class T>
  void Change(T& field, const T& value);

  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TStatusPanelStyle style_ = psText;
  std::string text_;
  Integer width_ = 50;
};

class TStatusPanels : public TCollection {
  PR_CLASS(TStatusPanels, TCollection)

 public:
  explicit TStatusPanels(TStatusBar* StatusBar);
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* Items(Integer Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }

 protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* Item) override;

 private:
  TStatusBar* statusBar_;
};

using TDrawPanelEvent = Event<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;

class TStatusBar : public TCustomControl {
  PR_CLASS(TStatusBar, TCustomControl)

 public:
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;

  TStatusPanels* Panels() const { return panels_.get(); }
  void SetPanels(TStatusPanels* Value) { panels_->Assign(Value); }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool Value);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& Value);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool Value);

  // The area of panel Index inside the bar (frame included); for the simple panel, Index -1.
  TRect PanelRect(Integer Index);
  // True when the size grip is drawn.
  bool ShowsSizeGrip() const;

  TDrawPanelEvent OnDrawPanel;

 protected:
  void Paint() override;
  virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);

 private:
  void PaintPanel(TRect Rect, TStatusPanelBevel Bevel, const std::string& Text, TAlignment Alignment,
                  TStatusPanel* OwnerDrawn);

  std::unique_ptr<TStatusPanels> panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
};
