#include "controls/editors/kx_standard_mask.h"

#include <algorithm>

#include "platform/core/format_settings.h"

namespace {

const TkxStandardMaskManyItem* AsMany(const TkxStandardMaskCustomItem& Item) {
  return dynamic_cast<const TkxStandardMaskManyItem*>(&Item);
}

const TkxStandardMaskLiteralItem* AsLiteral(const TkxStandardMaskCustomItem& Item) {
  return dynamic_cast<const TkxStandardMaskLiteralItem*>(&Item);
}

}  // namespace

void TkxStandardMask::Clear() {
  maskText_.clear();
  leadingBlanks_ = false;
  saveLiterals_ = true;
  blankChar_ = '_';
  items_.clear();
}

void TkxStandardMask::SetMask(const std::string& Mask) {
  Clear();
  maskText_ = Mask;
  std::string_view body = Mask;
  leadingBlanks_ = !body.empty() && body.front() == '!';
  if (leadingBlanks_) body.remove_prefix(1);
  TkxCaseConversion conversion = ccNone;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char ch = body[i];
    switch (ch) {
      case '0': AddMany<TkxStandardMaskNumericItem>(conversion, false); break;
      case '9': AddMany<TkxStandardMaskNumericItem>(conversion, true); break;
      case '#': AddMany<TkxStandardMaskNumericSymbolItem>(conversion, true); break;
      case 'L': AddMany<TkxStandardMaskAlphaItem>(conversion, false); break;
      case 'l': AddMany<TkxStandardMaskAlphaItem>(conversion, true); break;
      case 'A': AddMany<TkxStandardMaskAlphaNumericItem>(conversion, false); break;
      case 'a': AddMany<TkxStandardMaskAlphaNumericItem>(conversion, true); break;
      case 'C': AddMany<TkxStandardMaskASCIIItem>(conversion, false); break;
      case 'c': AddMany<TkxStandardMaskASCIIItem>(conversion, true); break;
      case '>': conversion = ccUpperCase; break;
      case '<':
        if (i + 1 < body.size() && body[i + 1] == '>') {
          conversion = ccNone;
          ++i;
        } else {
          conversion = ccLowerCase;
        }
        break;
      case '\\':
        if (i + 1 < body.size()) AddLiteral(body[++i]);   // a "\" at the very end is ignored
        break;
      case '/': AddLiteral(FormatSettings.DateSeparator); break;
      case ':': AddLiteral(FormatSettings.TimeSeparator); break;
      case ';':
        if (ReadFieldTail(body.substr(i))) return;
        AddLiteral(ch);
        break;
      default: AddLiteral(ch); break;
    }
  }
}

bool TkxStandardMask::ReadFieldTail(std::string_view Tail) {
  const bool switchOk = Tail.size() >= 2 && (Tail[1] == '0' || Tail[1] == '1');
  if (switchOk && Tail.size() == 4 && Tail[2] == ';') {
    blankChar_ = Tail[3];
  } else if (!(switchOk && Tail.size() == 2)) {
    return false;
  }
  saveLiterals_ = Tail[1] != '0';
  return true;
}

void TkxStandardMask::AddLiteral(char Ch) { items_.push_back(std::make_unique<TkxStandardMaskLiteralItem>(Ch)); }

template <class Item>
void TkxStandardMask::AddMany(TkxCaseConversion Conversion, bool Optional) {
  items_.push_back(std::make_unique<Item>(Conversion, Optional));
}

void TkxStandardMask::Format(std::string& Text, bool UseConvertedChars, bool TextHasLiterals) const {
  std::string result = GetEmptyText();
  if (leadingBlanks_) {
    Integer cursor = Count() - 1;
    for (auto it = Text.rbegin(); it != Text.rend(); ++it) FitChar(*it, cursor, -1, result, UseConvertedChars, TextHasLiterals);
  } else {
    Integer cursor = 0;
    for (const char ch : Text) FitChar(ch, cursor, 1, result, UseConvertedChars, TextHasLiterals);
  }
  Text = std::move(result);
}

void TkxStandardMask::FitChar(char Ch, Integer& Cursor, Integer Step, std::string& Result, bool UseConvertedChars,
                              bool TextHasLiterals) const {
  for (Integer i = Cursor; i >= 0 && i < Count(); i += Step) {
    const TkxStandardMaskCustomItem& item = PositionItems(i);
    const bool many = AsMany(item) != nullptr;
    if (!many && !saveLiterals_ && !TextHasLiterals) continue;   // the text cannot hold literals
    char converted = Ch;
    if (item.Check(converted)) {
      Result[static_cast<std::size_t>(i)] = UseConvertedChars ? converted : Ch;
      Cursor = i + Step;
      return;
    }
    if (many && (Ch == blankChar_ || Ch == ' ')) {
      Cursor = i + Step;
      return;
    }
  }
}

void TkxStandardMask::GetValueText(std::string& Text) const {
  std::string value;
  const std::size_t count = std::min(Text.size(), items_.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (AsLiteral(*items_[i]) != nullptr) {
      if (saveLiterals_) value += Text[i];
    } else {
      value += Text[i] == blankChar_ ? ' ' : Text[i];
    }
  }
  Text = std::move(value);
}

bool TkxStandardMask::IsValid(std::string& Text) const {
  if (Text.size() != items_.size()) return false;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    char ch = Text[i];
    if (items_[i]->Check(ch)) {
      Text[i] = ch;
      continue;
    }
    const TkxStandardMaskManyItem* many = AsMany(*items_[i]);
    if (many == nullptr || !many->Optional() || (Text[i] != blankChar_ && Text[i] != ' ')) return false;
  }
  return true;
}

std::string TkxStandardMask::GetEmptyText() const {
  std::string text;
  for (const auto& item : items_) {
    const TkxStandardMaskLiteralItem* literal = AsLiteral(*item);
    text += literal != nullptr ? literal->Literal() : blankChar_;
  }
  return text;
}

std::string TkxStandardMask::GetEmptyValue() const {
  std::string value;
  for (const auto& item : items_) {
    const TkxStandardMaskLiteralItem* literal = AsLiteral(*item);
    if (literal == nullptr) value += ' ';
    else if (saveLiterals_) value += literal->Literal();
  }
  return value;
}
