// TFloatingFooter (the string grid's FloatingFooter) and its panel TFooterPanel.
//
// The floating footer is a strip docked at the bottom of the grid that stays in view while the grid
// scrolls.  In the fsFixedLastRow style it shows the grid's last row, the footer row, which the grid
// fills with column aggregates (CalculateFooter): while visible in that style the grid has one
// footer row (FixedFooters 1) and reserves its last row for it (TBaseGrid::LastRowIsFooter).  The
// preview styles show one column of the current row or a markup template and reserve no row.
//
// Here: visibility and style with their effects on the grid, the footer height (kept equal to the
// grid's DefaultRowHeight by the grid), the calculation switches (AutoCalculate, public, true after
// construction; CalculateHiddenRows) and OnCalcFooter (custom footer cells).  TFooterPanel is, for
// now, a plain panel: its own painting, hints and clicks, and the footer's look settings that only
// the painting reads, are not built yet.
#pragma once

#include <string>

#include "grid/stored_property.h"
#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"
#include "platform/ui/panel.h"

class TProStringGrid;

PR_ENUM(TFooterStyle, fsFixedLastRow, fsColumnPreview, fsCustomPreview)

// (Sender: the footer settings, the column, the footer row, the cell text, empty at first)
using TCalcFooterEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::string& Value)>;

class TFooterPanel : public TCustomPanel {
  PR_CLASS(TFooterPanel, TCustomPanel)

 public:
  // Owned by the grid; aligned to the bottom, height 0, border width 0.
  explicit TFooterPanel(TProStringGrid* AGrid);

  TProStringGrid* Grid() const { return grid_; }

 protected:
  // The panel's height becomes the footer height while the footer is visible, else 0.
  void CreateWnd() override;

 private:
  TProStringGrid* grid_;
};

class TFloatingFooter : public TPersistent {
  PR_CLASS(TFloatingFooter, TPersistent)

 public:
  TFloatingFooter(TProStringGrid* AGrid, TFooterPanel* APanel) : grid_(AGrid), panel_(APanel) {}

  // From another TFloatingFooter: CalculateHiddenRows, FooterStyle, then Visible through its setter
  // (not AutoCalculate or OnCalcFooter); any other source is ignored.
  void Assign(TPersistent* Source) override;

  // Stores; the panel's visibility follows and its height becomes Height - 1 (0 when hidden); the
  // grid's FixedFooters becomes 1 when visible in the fsFixedLastRow style, else 0; the grid
  // reserves its last row exactly then; the grid repaints.
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  // Stores; the last row is reserved while visible in fsFixedLastRow; the grid and the panel
  // repaint.  FixedFooters follows only the next Visible write.
  TFooterStyle FooterStyle() const { return footerStyle_; }
  void SetFooterStyle(TFooterStyle Value);
  // The strip's height in pixels.
  Integer Height() const { return height_; }
  void SetHeight(Integer Value) { height_ = Value; }
  // Repaints the panel.
  void Invalidate();
  // Visible in the fsFixedLastRow style: the grid's last row is the footer row.
  bool ShowsLastRow() const { return visible_ && footerStyle_ == fsFixedLastRow; }

  TCalcFooterEvent OnCalcFooter;

 private:
  void ReserveLastRow();

  TProStringGrid* grid_;
  TFooterPanel* panel_;
  bool visible_ = false;
  TFooterStyle footerStyle_ = fsFixedLastRow;
  Integer height_ = 21;

  // CalculateFooter works only while AutoCalculate is on (public, not streamed).
  PR_STORED_PROPERTY(bool, AutoCalculate, true)
  // The footer's aggregates also cover the hidden rows.
  PR_STORED_PROPERTY(bool, CalculateHiddenRows, false)
};
