#include "controls/editors/kx_standard_mask_items.h"

#include "platform/core/ansi_strings.h"

namespace {

bool IsAsciiLetter(char Ch) { return (Ch >= 'A' && Ch <= 'Z') || (Ch >= 'a' && Ch <= 'z'); }

}  // namespace

bool TkxStandardMaskManyItem::Check(char& Ch) const {
  const char typed = Ch;
  if (conversion_ == ccUpperCase) Ch = UpCase(Ch);
  if (conversion_ == ccLowerCase) Ch = LoCase(Ch);
  return Accepts(typed);
}

bool TkxStandardMaskAlphaItem::Accepts(char Ch) const { return IsAsciiLetter(Ch); }

bool TkxStandardMaskAlphaNumericItem::Accepts(char Ch) const { return IsAsciiLetter(Ch) || IsDecimalDigit(Ch); }

bool TkxStandardMaskNumericItem::Accepts(char Ch) const { return IsDecimalDigit(Ch); }

bool TkxStandardMaskNumericSymbolItem::Accepts(char Ch) const { return IsDecimalDigit(Ch) || Ch == '+' || Ch == '-'; }
