// TPrintSettings (the string grid's PrintSettings): page layout, titles, fonts, borders and fitting
// of the grid's printed output, kept for the form image and Assign; printing itself is not part of
// this system.  It owns its four fonts and its title lines (setting one copies it).  Assign takes
// only another TPrintSettings; any other source raises the platform's invalid-cast error.
#pragma once

#include <memory>
#include <string>

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"
#include "platform/ui/pen.h"
#include "platform/ui/printer_types.h"

class TFont;
class TProStringGrid;
class TStringList;
class TStrings;

PR_ENUM(TPrintPosition, rpNone, rpTopLeft, rpTopRight, rpTopCenter, rpBottomLeft, rpBottomRight, rpBottomCenter)
PR_ENUM(TPrintBorders, pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical,
        pbAroundHorizontal, pbCustom)
PR_ENUM(TFitToPage, fpNever, fpGrow, fpShrink, fpAlways, fpCustom)

class TPrintSettings : public TPersistent {
  PR_CLASS(TPrintSettings, TPersistent)

 public:
  explicit TPrintSettings(TProStringGrid* AGrid);
  ~TPrintSettings() override;

  void Assign(TPersistent* Source) override;

  TProStringGrid* Grid() const { return grid_; }
  TStringList* TitleLines() const { return titleLines_.get(); }
  void SetTitleLines(TStrings* Value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value);
  TFont* FixedFont() const { return fixedFont_.get(); }
  void SetFixedFont(TFont* Value);
  TFont* HeaderFont() const { return headerFont_.get(); }
  void SetHeaderFont(TFont* Value);
  TFont* FooterFont() const { return footerFont_.get(); }
  void SetFooterFont(TFont* Value);

 private:
  TProStringGrid* grid_;
  std::unique_ptr<TStringList> titleLines_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TFont> fixedFont_;
  std::unique_ptr<TFont> headerFont_;
  std::unique_ptr<TFont> footerFont_;

  PR_STORED_PROPERTY(Integer, FooterSize, 0)
  PR_STORED_PROPERTY(Integer, HeaderSize, 0)
  PR_STORED_PROPERTY(Integer, LeftSize, 0)
  PR_STORED_PROPERTY(Integer, RightSize, 0)
  PR_STORED_PROPERTY(Integer, ColumnSpacing, 0)
  PR_STORED_PROPERTY(Integer, RowSpacing, 0)
  PR_STORED_PROPERTY(Integer, TitleSpacing, 0)
  PR_STORED_PROPERTY(Integer, PageNumberOffset, 0)
  PR_STORED_PROPERTY(Integer, MaxPagesOffset, 0)
  PR_STORED_PROPERTY(Integer, FixedWidth, 0)
  PR_STORED_PROPERTY(Integer, FixedHeight, 0)
  PR_STORED_PROPERTY(TPrintPosition, Time, rpNone)
  PR_STORED_PROPERTY(TPrintPosition, Date, rpNone)
  PR_STORED_PROPERTY(TPrintPosition, PageNr, rpNone)
  PR_STORED_PROPERTY(TPrintPosition, Title, rpNone)
  PR_STORED_PROPERTY(std::string, DateFormat, "dd/mm/yyyy")
  PR_STORED_PROPERTY(std::string, TitleText, "")
  PR_STORED_PROPERTY(std::string, PagePrefix, "")
  PR_STORED_PROPERTY(std::string, PageSuffix, "")
  PR_STORED_PROPERTY(std::string, JobName, "")
  PR_STORED_PROPERTY(std::string, PageNumSep, "/")
  PR_STORED_PROPERTY(TPrintBorders, Borders, pbSingle)
  PR_STORED_PROPERTY(TPenStyle, BorderStyle, psSolid)
  PR_STORED_PROPERTY(bool, Centered, true)
  PR_STORED_PROPERTY(bool, UseDisplayFont, true)
  PR_STORED_PROPERTY(bool, RepeatFixedRows, false)
  PR_STORED_PROPERTY(bool, RepeatFixedCols, false)
  PR_STORED_PROPERTY(bool, UseFixedHeight, false)
  PR_STORED_PROPERTY(bool, UseFixedWidth, false)
  PR_STORED_PROPERTY(bool, NoAutoSize, false)
  PR_STORED_PROPERTY(bool, NoAutoSizeRow, false)
  PR_STORED_PROPERTY(bool, PrintGraphics, false)
  PR_STORED_PROPERTY(bool, UseDefaultOrientation, false)
  PR_STORED_PROPERTY(TPrinterOrientation, Orientation, poPortrait)
  PR_STORED_PROPERTY(TFitToPage, FitToPage, fpNever)
};
