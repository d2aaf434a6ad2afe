#include "controls/editors/kx_reg_expr_items.h"

#include <string_view>

#include "controls/editors/kx_reg_expr_lexems.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/format_settings.h"

namespace {

char LocaleUpper(char Ch) { return AnsiUpperCase(std::string_view(&Ch, 1))[0]; }

}  // namespace

bool TkxRegExprItem::GetSingleChar(char&) const { return false; }

bool TkxRegExprSymbol::Accepts(char& Ch, bool CaseInsensitive) const {
  if (Ch == character_) return true;
  if (!CaseInsensitive || LocaleUpper(Ch) != LocaleUpper(character_)) return false;
  Ch = character_;
  return true;
}

std::unique_ptr<TkxRegExprItem> TkxRegExprSymbol::Copy() const { return std::make_unique<TkxRegExprSymbol>(character_); }

bool TkxRegExprSymbol::GetSingleChar(char& Ch) const {
  Ch = character_;
  return true;
}

bool TkxRegExprTimeSeparator::Accepts(char& Ch, bool) const { return Ch == FormatSettings.TimeSeparator; }

std::unique_ptr<TkxRegExprItem> TkxRegExprTimeSeparator::Copy() const { return std::make_unique<TkxRegExprTimeSeparator>(); }

bool TkxRegExprTimeSeparator::GetSingleChar(char& Ch) const {
  Ch = FormatSettings.TimeSeparator;
  return true;
}

bool TkxRegExprDateSeparator::Accepts(char& Ch, bool) const { return Ch == FormatSettings.DateSeparator; }

std::unique_ptr<TkxRegExprItem> TkxRegExprDateSeparator::Copy() const { return std::make_unique<TkxRegExprDateSeparator>(); }

bool TkxRegExprDateSeparator::GetSingleChar(char& Ch) const {
  Ch = FormatSettings.DateSeparator;
  return true;
}

bool TkxRegExprSubrange::Accepts(char& Ch, bool) const {
  const auto byte = static_cast<unsigned char>(Ch);
  return static_cast<unsigned char>(first_) <= byte && byte <= static_cast<unsigned char>(last_);
}

std::unique_ptr<TkxRegExprItem> TkxRegExprSubrange::Copy() const {
  return std::make_unique<TkxRegExprSubrange>(first_, last_);
}

bool TkxRegExprEnumeration::Accepts(char& Ch, bool CaseInsensitive) const {
  char candidate = Ch;
  if (Contains(candidate, CaseInsensitive) == inverse_) return false;
  Ch = candidate;
  return true;
}

TkxRegExprUserEnumeration::TkxRegExprUserEnumeration(bool AInverse, std::vector<std::unique_ptr<TkxRegExprItem>> AItems)
    : TkxRegExprEnumeration(AInverse), items_(std::move(AItems)) {
  for (const auto& item : items_) tabled_ = tabled_ && item->IsFixed();
  if (!tabled_) return;
  for (int byte = 0; byte < 256; ++byte) {
    char ch = static_cast<char>(byte);
    for (const auto& item : items_) {
      if (item->Accepts(ch, false)) {
        table_.set(static_cast<std::size_t>(byte));
        break;
      }
    }
  }
}

std::unique_ptr<TkxRegExprItem> TkxRegExprUserEnumeration::Copy() const {
  std::vector<std::unique_ptr<TkxRegExprItem>> items;
  items.reserve(items_.size());
  for (const auto& item : items_) items.push_back(item->Copy());
  return std::make_unique<TkxRegExprUserEnumeration>(Inverse(), std::move(items));
}

bool TkxRegExprUserEnumeration::Contains(char& Ch, bool CaseInsensitive) const {
  if (tabled_ && !CaseInsensitive) return table_.test(static_cast<unsigned char>(Ch));
  for (const auto& item : items_) {
    if (item->Accepts(Ch, CaseInsensitive)) return true;
  }
  return false;
}

std::unique_ptr<TkxRegExprItem> TkxRegExprDigit::Copy() const { return std::make_unique<TkxRegExprDigit>(Inverse()); }

bool TkxRegExprDigit::Contains(char& Ch, bool) const { return IsDecimalDigit(Ch); }

std::unique_ptr<TkxRegExprItem> TkxRegExprIdLetter::Copy() const { return std::make_unique<TkxRegExprIdLetter>(Inverse()); }

bool TkxRegExprIdLetter::Contains(char& Ch, bool) const {
  return (Ch >= 'a' && Ch <= 'z') || (Ch >= 'A' && Ch <= 'Z') || IsDecimalDigit(Ch) || Ch == '_';
}

std::unique_ptr<TkxRegExprItem> TkxRegExprSpace::Copy() const { return std::make_unique<TkxRegExprSpace>(Inverse()); }

bool TkxRegExprSpace::Contains(char& Ch, bool) const { return IsRegExprBlank(Ch); }

bool TkxRegExprAll::Accepts(char&, bool) const { return true; }

std::unique_ptr<TkxRegExprItem> TkxRegExprAll::Copy() const { return std::make_unique<TkxRegExprAll>(); }
