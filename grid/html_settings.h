// THTMLSettings (the string grid's HTMLSettings): the settings of the grid's export as a markup
// table, kept for the form image and Assign; the export itself is not part of this system.  It
// owns an integer list of column widths.
#pragma once

#include <memory>
#include <string>

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"

class TIntList;

class THTMLSettings : public TPersistent {
  PR_CLASS(THTMLSettings, TPersistent)

 public:
  THTMLSettings();
  ~THTMLSettings() override;

  // Copies every published field from another THTMLSettings; any other source is ignored.
  void Assign(TPersistent* Source) override;

  TIntList* ColWidths() const { return colWidths_.get(); }

 private:
  std::unique_ptr<TIntList> colWidths_;

  PR_STORED_PROPERTY(Integer, BorderSize, 1)
  PR_STORED_PROPERTY(Integer, CellSpacing, 0)
  PR_STORED_PROPERTY(Integer, CellPadding, 0)
  PR_STORED_PROPERTY(bool, SaveColor, true)
  PR_STORED_PROPERTY(bool, SaveFonts, true)
  PR_STORED_PROPERTY(std::string, FooterFile, "")
  PR_STORED_PROPERTY(std::string, HeaderFile, "")
  PR_STORED_PROPERTY(std::string, TableStyle, "")
  PR_STORED_PROPERTY(std::string, PrefixTag, "")
  PR_STORED_PROPERTY(std::string, SuffixTag, "")
  PR_STORED_PROPERTY(Integer, Width, 100)
  PR_STORED_PROPERTY(bool, XHTML, false)
  PR_STORED_PROPERTY(bool, ConvertSpecialChars, false)
  PR_STORED_PROPERTY(bool, AutoPreview, false)
  PR_STORED_PROPERTY(bool, NonBreakingText, false)
};
