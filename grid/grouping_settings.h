// TGrouping (the string grid's Grouping): how grouped rows look: the colours and underline of the
// group header rows, the summary rows and their line, and whether headers and summaries are
// merged.  Every property only stores its value.  Assign copies HeaderColor, HeaderColorTo,
// HeaderTextColor, HeaderUnderline, MergeHeader, MergeSummary, SummaryColor, SummaryColorTo,
// SummaryTextColor and SummaryLine from another TGrouping; any other source is ignored.
#pragma once

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"
#include "platform/ui/colors.h"

class TGrouping : public TPersistent {
  PR_CLASS(TGrouping, TPersistent)

 public:
  TGrouping() = default;

  void Assign(TPersistent* Source) override;

  PR_STORED_PROPERTY(TColor, HeaderColor, clNone)
  PR_STORED_PROPERTY(TColor, HeaderColorTo, clNone)
  PR_STORED_PROPERTY(TColor, HeaderTextColor, clNone)
  PR_STORED_PROPERTY(bool, HeaderUnderline, false)
  PR_STORED_PROPERTY(TColor, HeaderLineColor, clBlue)
  PR_STORED_PROPERTY(Integer, HeaderLineWidth, 2)
  PR_STORED_PROPERTY(bool, MergeHeader, false)
  PR_STORED_PROPERTY(bool, MergeSummary, false)
  PR_STORED_PROPERTY(bool, Summary, false)
  PR_STORED_PROPERTY(TColor, SummaryColor, clNone)
  PR_STORED_PROPERTY(TColor, SummaryColorTo, clNone)
  PR_STORED_PROPERTY(TColor, SummaryTextColor, clNone)
  PR_STORED_PROPERTY(bool, SummaryLine, false)
  PR_STORED_PROPERTY(TColor, SummaryLineColor, clBlue)
  PR_STORED_PROPERTY(Integer, SummaryLineWidth, 2)
};
