// The classic edit mask (unit kxStandardMask): a fixed-width mask such as "00:00:00;1;0" parsed
// into one position item per character of the masked text, and the text operations the masked
// editor needs.
//
// Mask syntax: "0" required digit, "9" optional digit, "#" optional digit or sign, "L"/"l"
// required/optional letter, "A"/"a" letter or digit, "C"/"c" any character; ">" upper case and
// "<" lower case for the editable positions that follow, "<>" neither; "\" makes the next
// character a literal; "/" and ":" are literals of the locale's date and time separators in force
// when the mask is parsed; a leading "!" fits texts from their right end.  The mask may end in
// ";S" or ";S;B" (S "0" or "1": literals are not / are part of the value; B the blank character,
// "_" by default); any other ";" is a literal.  Every mask text is valid.
//
// Texts are bytes; positions are 0-based item indexes.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/editors/kx_standard_mask_items.h"

class TkxStandardMask {
 public:
  void SetMask(const std::string& Mask);
  // No items, "_" as blank, literals saved, no leading blanks, no mask text.
  void Clear();

  Integer Count() const { return static_cast<Integer>(items_.size()); }
  const TkxStandardMaskCustomItem& PositionItems(Integer Index) const { return *items_[static_cast<std::size_t>(Index)]; }
  char BlankChar() const { return blankChar_; }
  bool LeadingBlanks() const { return leadingBlanks_; }
  bool SaveLiterals() const { return saveLiterals_; }
  const std::string& MaskText() const { return maskText_; }

  // Fits Text into the mask: Text becomes a masked text of exactly Count characters, each typed
  // character at the first position from the cursor on that takes it (a blank or space leaves an
  // editable position blank); characters no position takes are dropped.  UseConvertedChars
  // stores them case-converted; without TextHasLiterals and SaveLiterals, literal positions are
  // not offered.
  void Format(std::string& Text, bool UseConvertedChars, bool TextHasLiterals) const;
  // Text (masked) becomes its value: blanks as spaces, literals only when they are saved.
  void GetValueText(std::string& Text) const;
  // A masked text is complete when it has Count characters, each taken by its position or a blank
  // or space at an optional one; Text is case-converted in place.
  bool IsValid(std::string& Text) const;
  std::string GetEmptyText() const;
  std::string GetEmptyValue() const;

 private:
  // True when Tail (from a ";" to the end of the mask) is a field tail; it then sets the fields.
  bool ReadFieldTail(std::string_view Tail);
  void AddLiteral(char Ch);
  template <class Item>
  void AddMany(TkxCaseConversion Conversion, bool Optional);
  // Puts Ch at the first position from Cursor on (in steps of Step) that takes it.
  void FitChar(char Ch, Integer& Cursor, Integer Step, std::string& Result, bool UseConvertedChars,
               bool TextHasLiterals) const;

  char blankChar_ = '_';
  std::vector<std::unique_ptr<TkxStandardMaskCustomItem>> items_;
  bool leadingBlanks_ = false;
  bool saveLiterals_ = true;
  std::string maskText_;
};
