// THTMLSettings; see html_settings.h.
#include "grid/html_settings.h"

#include "grid/int_list.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(THTMLSettings) {
  p.Property("AutoPreview", &THTMLSettings::AutoPreview, &THTMLSettings::SetAutoPreview).Default(false);
  p.Property("BorderSize", &THTMLSettings::BorderSize, &THTMLSettings::SetBorderSize).Default(1);
  p.Property("CellPadding", &THTMLSettings::CellPadding, &THTMLSettings::SetCellPadding).Default(0);
  p.Property("CellSpacing", &THTMLSettings::CellSpacing, &THTMLSettings::SetCellSpacing).Default(0);
  p.Property("ConvertSpecialChars", &THTMLSettings::ConvertSpecialChars, &THTMLSettings::SetConvertSpecialChars)
      .Default(false);
  p.Property("FooterFile", &THTMLSettings::FooterFile, &THTMLSettings::SetFooterFile);
  p.Property("HeaderFile", &THTMLSettings::HeaderFile, &THTMLSettings::SetHeaderFile);
  p.Property("NonBreakingText", &THTMLSettings::NonBreakingText, &THTMLSettings::SetNonBreakingText).Default(false);
  p.Property("PrefixTag", &THTMLSettings::PrefixTag, &THTMLSettings::SetPrefixTag);
  p.Property("SaveColor", &THTMLSettings::SaveColor, &THTMLSettings::SetSaveColor).Default(true);
  p.Property("SaveFonts", &THTMLSettings::SaveFonts, &THTMLSettings::SetSaveFonts).Default(true);
  p.Property("SuffixTag", &THTMLSettings::SuffixTag, &THTMLSettings::SetSuffixTag);
  p.Property("TableStyle", &THTMLSettings::TableStyle, &THTMLSettings::SetTableStyle);
  p.Property("Width", &THTMLSettings::Width, &THTMLSettings::SetWidth).Default(100);
  p.Property("XHTML", &THTMLSettings::XHTML, &THTMLSettings::SetXHTML).Default(false);
}

THTMLSettings::THTMLSettings() : colWidths_(std::make_unique<TIntList>(0, 0)) {}

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<THTMLSettings*>(Source);
  if (source == nullptr) return;
  BorderSize_ = source->BorderSize_;
  CellSpacing_ = source->CellSpacing_;
  CellPadding_ = source->CellPadding_;
  SaveColor_ = source->SaveColor_;
  SaveFonts_ = source->SaveFonts_;
  FooterFile_ = source->FooterFile_;
  HeaderFile_ = source->HeaderFile_;
  TableStyle_ = source->TableStyle_;
  PrefixTag_ = source->PrefixTag_;
  SuffixTag_ = source->SuffixTag_;
  Width_ = source->Width_;
  XHTML_ = source->XHTML_;
  ConvertSpecialChars_ = source->ConvertSpecialChars_;
  AutoPreview_ = source->AutoPreview_;
  NonBreakingText_ = source->NonBreakingText_;
}
