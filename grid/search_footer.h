// TSearchFooter (the string grid's SearchFooter) and its panel TSearchPanel.
//
// The search footer is a find bar docked at the bottom of the grid: a close button, an edit for the
// search text, find-next and find-previous buttons, a highlight toggle and a match-case check box.
// TSearchFooter holds the settings; every setter of a look or caption fires OnChange, which the grid
// binds to UpdateSearchPanel (the Show... switches and Visible only when the value changes; the
// search switches store alone).  TSearchPanel only raises its five events; the grid answers them
// with its finder (SearchEditChanged and the others).
//
// The panel's buttons are the grid's own TProGridButtons: the highlight button is a check-style
// button (down after one click, up after the next); each takes its glyph and, where the program
// has them, the disabled, hot and pressed glyphs.  The grid sets their look (flat, the XP face,
// theme adaptation) from its control look.
//
// Panel layout, pixels inside the panel (left, top, width, height): close button 5, 7, 14, 14;
// search edit 25, 6, 110; find next 140, 5, 90, 23; find previous 235, 5, 90, 23; highlight 330,
// 5, 90, 23; match-case box at x 425, or 330 while the highlight button is hidden, y 8.  A hidden
// text button is 0 high, the hidden box too; the panel is 32 high while visible, else 0.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/ui/panel.h"

class TCheckBox;
class TEdit;
class TFont;
class TProGridButton;

class TSearchFooter : public TPersistent {
  PR_CLASS(TSearchFooter, TPersistent)

 public:
  TSearchFooter();
  ~TSearchFooter() override;

  // From another TSearchFooter: its looks, captions, hints, Show switches, search column switches,
  // Visible and font, field by field (no OnChange; AutoSearch and OnChange stay); any other source
  // is ignored.
  void Assign(TPersistent* Source) override;

  bool AutoSearch() const { return autoSearch_; }
  void SetAutoSearch(bool Value) { autoSearch_ = Value; }
  bool SearchActiveColumnOnly() const { return searchActiveColumnOnly_; }
  void SetSearchActiveColumnOnly(bool Value) { searchActiveColumnOnly_ = Value; }
  // -1: none; a column outside the grid is ignored by the search.
  Integer SearchColumn() const { return searchColumn_; }
  void SetSearchColumn(Integer Value) { searchColumn_ = Value; }
  // The text of the last find-button search while AutoSearch is off.
  const std::string& LastSearch() const { return lastSearch_; }
  void SetLastSearch(const std::string& Value) { lastSearch_ = Value; }

  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return colorTo_; }
  void SetColorTo(TColor Value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value);
  const std::string& FindNextCaption() const { return findNextCaption_; }
  void SetFindNextCaption(const std::string& Value);
  const std::string& FindPrevCaption() const { return findPrevCaption_; }
  void SetFindPrevCaption(const std::string& Value);
  const std::string& HighLightCaption() const { return highLightCaption_; }
  void SetHighLightCaption(const std::string& Value);
  const std::string& MatchCaseCaption() const { return matchCaseCaption_; }
  void SetMatchCaseCaption(const std::string& Value);
  const std::string& HintClose() const { return hintClose_; }
  void SetHintClose(const std::string& Value);
  const std::string& HintFindNext() const { return hintFindNext_; }
  void SetHintFindNext(const std::string& Value);
  const std::string& HintFindPrev() const { return hintFindPrev_; }
  void SetHintFindPrev(const std::string& Value);
  const std::string& HintHighlight() const { return hintHighlight_; }
  void SetHintHighlight(const std::string& Value);
  bool ShowClose() const { return showClose_; }
  void SetShowClose(bool Value);
  bool ShowFindNext() const { return showFindNext_; }
  void SetShowFindNext(bool Value);
  bool ShowFindPrev() const { return showFindPrev_; }
  void SetShowFindPrev(bool Value);
  bool ShowHighLight() const { return showHighLight_; }
  void SetShowHighLight(bool Value);
  bool ShowMatchCase() const { return showMatchCase_; }
  void SetShowMatchCase(bool Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  // The grid's AutoThemeAdapt, kept here for the panel's buttons.
  bool AutoThemeAdapt() const { return autoThemeAdapt_; }
  void SetAutoThemeAdapt(bool Value);

  TNotifyEvent OnChange;

 private:
  void Changed() { OnChange(this); }
  void SetAndChange(std::string& Field, const std::string& Value);
  void SetIfChanged(bool& Field, bool Value);

  bool autoSearch_ = true;
  bool searchActiveColumnOnly_ = false;
  Integer searchColumn_ = -1;
  std::string lastSearch_;
  TColor color_ = clWhite;
  TColor colorTo_ = clBtnFace;
  std::unique_ptr<TFont> font_;
  std::string findNextCaption_ = "Find next";
  std::string findPrevCaption_ = "Find previous";
  std::string highLightCaption_ = "Highlight";
  std::string matchCaseCaption_ = "Match case";
  std::string hintClose_ = "Close";
  std::string hintFindNext_ = "Find next occurence";
  std::string hintFindPrev_ = "Find previous occurence";
  std::string hintHighlight_ = "Highlight occurences";
  bool showClose_ = true;
  bool showFindNext_ = true;
  bool showFindPrev_ = true;
  bool showHighLight_ = true;
  bool showMatchCase_ = true;
  bool visible_ = false;
  bool autoThemeAdapt_ = false;
};

class TSearchPanel : public TCustomPanel {
  PR_CLASS(TSearchPanel, TCustomPanel)

 public:
  // Aligned to the bottom, height 0, border width 0; the owned controls are created here (the text
  // buttons disabled) and laid out in CreateWnd.
  explicit TSearchPanel(TComponent* AOwner);

  // The panel's height while the footer is visible.
  static constexpr Integer kVisibleHeight = 32;

  TEdit* SearchEdit() const { return edit_; }
  TProGridButton* FindNextButton() const { return forward_; }
  TProGridButton* FindPrevButton() const { return backward_; }
  TProGridButton* HighlightButton() const { return highlight_; }
  TProGridButton* CloseButton() const { return close_; }
  TCheckBox* MatchCase() const { return matchCase_; }

  // The gradient's bottom colour (clNone: the panel is filled plain in Color); setting repaints.
  TColor ColorTo() const { return colorTo_; }
  void SetColorTo(TColor Value);

  // The captions and hints the panel keeps; the buttons and the box take them in ApplyTexts.
  std::string FindNextCaption, FindPrevCaption, MatchCaseCaption, HighLightCaption;
  std::string HintFindNext, HintFindPrev, HintClose, HintHighlight;
  void ApplyTexts();
  // The box at x 425 beside a shown highlight button, else 330; the heights of hidden controls 0.
  void ApplyLayout();

  TNotifyEvent OnForwardClick;
  TNotifyEvent OnBackwardClick;
  TNotifyEvent OnEditChange;
  TNotifyEvent OnHighlightClick;
  TNotifyEvent OnExitClick;

 protected:
  void CreateWnd() override;
  void Paint() override;

 private:
  TProGridButton* NewButton(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
  void EditChanged(TObject* Sender);
  void ForwardClicked(TObject*) { OnForwardClick(this); }
  void BackwardClicked(TObject*) { OnBackwardClick(this); }
  void HighlightClicked(TObject*) { OnHighlightClick(this); }
  void ExitClicked(TObject*) { OnExitClick(this); }

  TEdit* edit_;
  TProGridButton* forward_;
  TProGridButton* backward_;
  TProGridButton* highlight_;
  TProGridButton* close_;
  TCheckBox* matchCase_;
  TColor colorTo_ = clNone;
};
