// TPrintSettings; see print_settings.h.
#include "grid/print_settings.h"

#include "platform/classes/publisher.h"
#include "platform/classes/string_list.h"
#include "platform/ui/font.h"

PR_PUBLISH(TPrintSettings) {
  p.Property("BorderStyle", &TPrintSettings::BorderStyle, &TPrintSettings::SetBorderStyle).Default(psSolid);
  p.Property("Borders", &TPrintSettings::Borders, &TPrintSettings::SetBorders).Default(pbSingle);
  p.Property("Centered", &TPrintSettings::Centered, &TPrintSettings::SetCentered).Default(true);
  p.Property("ColumnSpacing", &TPrintSettings::ColumnSpacing, &TPrintSettings::SetColumnSpacing).Default(0);
  p.Property("Date", &TPrintSettings::Date, &TPrintSettings::SetDate).Default(rpNone);
  p.Property("DateFormat", &TPrintSettings::DateFormat, &TPrintSettings::SetDateFormat);
  p.Property("FitToPage", &TPrintSettings::FitToPage, &TPrintSettings::SetFitToPage).Default(fpNever);
  p.Property("FixedHeight", &TPrintSettings::FixedHeight, &TPrintSettings::SetFixedHeight).Default(0);
  p.Property("FixedWidth", &TPrintSettings::FixedWidth, &TPrintSettings::SetFixedWidth).Default(0);
  p.Property("FooterSize", &TPrintSettings::FooterSize, &TPrintSettings::SetFooterSize).Default(0);
  p.Property("HeaderSize", &TPrintSettings::HeaderSize, &TPrintSettings::SetHeaderSize).Default(0);
  p.Property("JobName", &TPrintSettings::JobName, &TPrintSettings::SetJobName);
  p.Property("LeftSize", &TPrintSettings::LeftSize, &TPrintSettings::SetLeftSize).Default(0);
  p.Property("MaxPagesOffset", &TPrintSettings::MaxPagesOffset, &TPrintSettings::SetMaxPagesOffset).Default(0);
  p.Property("NoAutoSize", &TPrintSettings::NoAutoSize, &TPrintSettings::SetNoAutoSize).Default(false);
  p.Property("NoAutoSizeRow", &TPrintSettings::NoAutoSizeRow, &TPrintSettings::SetNoAutoSizeRow).Default(false);
  p.Property("Orientation", &TPrintSettings::Orientation, &TPrintSettings::SetOrientation).Default(poPortrait);
  p.Property("PageNr", &TPrintSettings::PageNr, &TPrintSettings::SetPageNr).Default(rpNone);
  p.Property("PageNumSep", &TPrintSettings::PageNumSep, &TPrintSettings::SetPageNumSep);
  p.Property("PageNumberOffset", &TPrintSettings::PageNumberOffset, &TPrintSettings::SetPageNumberOffset).Default(0);
  p.Property("PagePrefix", &TPrintSettings::PagePrefix, &TPrintSettings::SetPagePrefix);
  p.Property("PageSuffix", &TPrintSettings::PageSuffix, &TPrintSettings::SetPageSuffix);
  p.Property("PrintGraphics", &TPrintSettings::PrintGraphics, &TPrintSettings::SetPrintGraphics).Default(false);
  p.Property("RepeatFixedCols", &TPrintSettings::RepeatFixedCols, &TPrintSettings::SetRepeatFixedCols).Default(false);
  p.Property("RepeatFixedRows", &TPrintSettings::RepeatFixedRows, &TPrintSettings::SetRepeatFixedRows).Default(false);
  p.Property("RightSize", &TPrintSettings::RightSize, &TPrintSettings::SetRightSize).Default(0);
  p.Property("RowSpacing", &TPrintSettings::RowSpacing, &TPrintSettings::SetRowSpacing).Default(0);
  p.Property("Time", &TPrintSettings::Time, &TPrintSettings::SetTime).Default(rpNone);
  p.Property("Title", &TPrintSettings::Title, &TPrintSettings::SetTitle).Default(rpNone);
  p.Property("TitleSpacing", &TPrintSettings::TitleSpacing, &TPrintSettings::SetTitleSpacing).Default(0);
  p.Property("TitleText", &TPrintSettings::TitleText, &TPrintSettings::SetTitleText);
  p.Property("UseDefaultOrientation", &TPrintSettings::UseDefaultOrientation, &TPrintSettings::SetUseDefaultOrientation)
      .Default(false);
  p.Property("UseDisplayFont", &TPrintSettings::UseDisplayFont, &TPrintSettings::SetUseDisplayFont).Default(true);
  p.Property("UseFixedHeight", &TPrintSettings::UseFixedHeight, &TPrintSettings::SetUseFixedHeight).Default(false);
  p.Property("UseFixedWidth", &TPrintSettings::UseFixedWidth, &TPrintSettings::SetUseFixedWidth).Default(false);
  p.Property("FixedFont", &TPrintSettings::FixedFont, &TPrintSettings::SetFixedFont);
  p.Property("Font", &TPrintSettings::Font, &TPrintSettings::SetFont);
  p.Property("FooterFont", &TPrintSettings::FooterFont, &TPrintSettings::SetFooterFont);
  p.Property("HeaderFont", &TPrintSettings::HeaderFont, &TPrintSettings::SetHeaderFont);
  p.Property("TitleLines", &TPrintSettings::TitleLines, &TPrintSettings::SetTitleLines);
}

TPrintSettings::TPrintSettings(TProStringGrid* AGrid)
    : grid_(AGrid),
      titleLines_(std::make_unique<TStringList>()),
      font_(std::make_unique<TFont>()),
      fixedFont_(std::make_unique<TFont>()),
      headerFont_(std::make_unique<TFont>()),
      footerFont_(std::make_unique<TFont>()) {}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::SetTitleLines(TStrings* Value) { titleLines_->Assign(Value); }
void TPrintSettings::SetFont(TFont* Value) { font_->Assign(Value); }
void TPrintSettings::SetFixedFont(TFont* Value) { fixedFont_->Assign(Value); }
void TPrintSettings::SetHeaderFont(TFont* Value) { headerFont_->Assign(Value); }
void TPrintSettings::SetFooterFont(TFont* Value) { footerFont_->Assign(Value); }

void TPrintSettings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TPrintSettings*>(Source);
  if (source == nullptr) RaiseInvalidCast();
  FooterSize_ = source->FooterSize_;
  HeaderSize_ = source->HeaderSize_;
  LeftSize_ = source->LeftSize_;
  RightSize_ = source->RightSize_;
  ColumnSpacing_ = source->ColumnSpacing_;
  RowSpacing_ = source->RowSpacing_;
  TitleSpacing_ = source->TitleSpacing_;
  PageNumberOffset_ = source->PageNumberOffset_;
  MaxPagesOffset_ = source->MaxPagesOffset_;
  FixedWidth_ = source->FixedWidth_;
  FixedHeight_ = source->FixedHeight_;
  Time_ = source->Time_;
  Date_ = source->Date_;
  PageNr_ = source->PageNr_;
  Title_ = source->Title_;
  DateFormat_ = source->DateFormat_;
  TitleText_ = source->TitleText_;
  PagePrefix_ = source->PagePrefix_;
  PageSuffix_ = source->PageSuffix_;
  JobName_ = source->JobName_;
  PageNumSep_ = source->PageNumSep_;
  Borders_ = source->Borders_;
  BorderStyle_ = source->BorderStyle_;
  Centered_ = source->Centered_;
  UseDisplayFont_ = source->UseDisplayFont_;
  RepeatFixedRows_ = source->RepeatFixedRows_;
  RepeatFixedCols_ = source->RepeatFixedCols_;
  UseFixedHeight_ = source->UseFixedHeight_;
  UseFixedWidth_ = source->UseFixedWidth_;
  NoAutoSize_ = source->NoAutoSize_;
  NoAutoSizeRow_ = source->NoAutoSizeRow_;
  PrintGraphics_ = source->PrintGraphics_;
  UseDefaultOrientation_ = source->UseDefaultOrientation_;
  Orientation_ = source->Orientation_;
  FitToPage_ = source->FitToPage_;
  SetTitleLines(source->TitleLines());
  SetFont(source->Font());
  SetFixedFont(source->FixedFont());
  SetHeaderFont(source->HeaderFont());
  SetFooterFont(source->FooterFont());
}
