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
// construction; CalculateHiddenRows), OnCalcFooter (custom footer cells) and the look (Color,
// BorderColor, Column, CustomTemplate, ShowHint).  TFooterPanel paints the strip in the footer's
// style and answers hints and clicks for the column under the mouse.
//
// Layout of the strip: the column area is as wide as the fixed columns plus the columns from the
// grid's LeftCol to the last, from the panel's left edge (its right edge with right-to-left
// alignment, where every cell rectangle is mirrored about the client width); the rest of the panel
// takes the grid's colour.  The column under the mouse follows that painted layout, scrolled and
// mirrored as it is: a point belongs to the column whose area ends at or right of it and begins
// left of it (the area's first pixel column belongs to no column, its last to the column).
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
  // The template with each "<#n>" replaced by the text of cell (n, current row); a name that is no
  // integer yields nothing, and a "<#" without a later ">" is kept with the rest as it stands.
  std::string ExpandTemplate(const std::string& Template);
  // The column under client X in the painted layout (-1: none).
  Integer ColumnAt(Integer X);
  // The column whose hint is showing (-1: none).
  Integer HintColumn() const { return hintColumn_; }

  void Dispatch(TMessage& Message) override;

 protected:
  // The panel's height becomes the footer height while the footer is visible, else 0.
  void CreateWnd() override;
  void Paint() override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  // Width of the column area: the fixed columns and those from LeftCol on.
  Integer ColumnAreaWidth();
  TRect ColumnAreaRect();
  // Mirrored about the client width with right-to-left alignment.
  TRect MirrorRect(const TRect& R);
  // Each painter answers the right edge of what it painted.
  Integer PaintLastRow();
  Integer PaintColumnPreview();
  Integer PaintCustomPreview();
  // The column area in the footer colour and the rest in the grid colour.
  void FillAreas(const TRect& Area);
  // The column area filled and framed: gray along the bottom and right, white along the top and left.
  void FillFramedArea(const TRect& Area);
  void PaintLastRowBorders();
  void PaintFooterCell(Integer ACol, const TRect& R);
  void HintShow(TMessage& Message);

  TProStringGrid* grid_;
  Integer hintColumn_ = -1;
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
  // Look (each change repaints the panel): clNone draws no top border line.
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  // The column fsColumnPreview shows of the current row.
  Integer Column() const { return column_; }
  void SetColumn(Integer Value);
  // The markup fsCustomPreview shows, with "<#n>" standing for cell n of the current row.
  const std::string& CustomTemplate() const { return customTemplate_; }
  void SetCustomTemplate(const std::string& Value);
  // Also the panel's ShowHint.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool Value);

  TCalcFooterEvent OnCalcFooter;

 private:
  void ReserveLastRow();

  TProStringGrid* grid_;
  TFooterPanel* panel_;
  bool visible_ = false;
  TFooterStyle footerStyle_ = fsFixedLastRow;
  Integer height_ = 21;
  TColor borderColor_ = clNone;
  TColor color_ = clBtnFace;
  Integer column_ = 0;
  std::string customTemplate_;
  bool showHint_ = false;

  // CalculateFooter works only while AutoCalculate is on (public, not streamed).
  PR_STORED_PROPERTY(bool, AutoCalculate, true)
  // The footer's aggregates also cover the hidden rows.
  PR_STORED_PROPERTY(bool, CalculateHiddenRows, false)
};
