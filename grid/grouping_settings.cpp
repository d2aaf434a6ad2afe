// TGrouping; see grouping_settings.h.
#include "grid/grouping_settings.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TGrouping) {
  p.Property("HeaderColor", &TGrouping::HeaderColor, &TGrouping::SetHeaderColor).Type(ColorTypeInfo()).Default(clNone);
  p.Property("HeaderColorTo", &TGrouping::HeaderColorTo, &TGrouping::SetHeaderColorTo)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("HeaderLineColor", &TGrouping::HeaderLineColor, &TGrouping::SetHeaderLineColor)
      .Type(ColorTypeInfo())
      .Default(clBlue);
  p.Property("HeaderLineWidth", &TGrouping::HeaderLineWidth, &TGrouping::SetHeaderLineWidth).Default(2);
  p.Property("HeaderTextColor", &TGrouping::HeaderTextColor, &TGrouping::SetHeaderTextColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("HeaderUnderline", &TGrouping::HeaderUnderline, &TGrouping::SetHeaderUnderline).Default(false);
  p.Property("MergeHeader", &TGrouping::MergeHeader, &TGrouping::SetMergeHeader).Default(false);
  p.Property("MergeSummary", &TGrouping::MergeSummary, &TGrouping::SetMergeSummary).Default(false);
  p.Property("Summary", &TGrouping::Summary, &TGrouping::SetSummary).Default(false);
  p.Property("SummaryColor", &TGrouping::SummaryColor, &TGrouping::SetSummaryColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("SummaryColorTo", &TGrouping::SummaryColorTo, &TGrouping::SetSummaryColorTo)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("SummaryLine", &TGrouping::SummaryLine, &TGrouping::SetSummaryLine).Default(false);
  p.Property("SummaryLineColor", &TGrouping::SummaryLineColor, &TGrouping::SetSummaryLineColor)
      .Type(ColorTypeInfo())
      .Default(clBlue);
  p.Property("SummaryLineWidth", &TGrouping::SummaryLineWidth, &TGrouping::SetSummaryLineWidth).Default(2);
  p.Property("SummaryTextColor", &TGrouping::SummaryTextColor, &TGrouping::SetSummaryTextColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
}

void TGrouping::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TGrouping*>(Source);
  if (source == nullptr) return;
  HeaderColor_ = source->HeaderColor_;
  HeaderColorTo_ = source->HeaderColorTo_;
  HeaderTextColor_ = source->HeaderTextColor_;
  HeaderUnderline_ = source->HeaderUnderline_;
  MergeHeader_ = source->MergeHeader_;
  MergeSummary_ = source->MergeSummary_;
  SummaryColor_ = source->SummaryColor_;
  SummaryColorTo_ = source->SummaryColorTo_;
  SummaryTextColor_ = source->SummaryTextColor_;
  SummaryLine_ = source->SummaryLine_;
}
