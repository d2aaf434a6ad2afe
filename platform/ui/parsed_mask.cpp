#include "platform/ui/parsed_mask.h"

#include <algorithm>

#include "platform/core/ansi_strings.h"
#include "platform/core/format_settings.h"

namespace edit {

namespace {

bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Code page 874: consonants and vowels 0xA1-0xDA (the marks among them included), the leading
// vowels, MAI YAMOK and the tone marks 0xE0-0xEE.
bool IsLetter(unsigned char c) { return IsAsciiLetter(c) || (c >= 0xA1 && c <= 0xDA) || (c >= 0xE0 && c <= 0xEE); }

bool IsAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsThaiDigit(unsigned char c) { return c >= 0xF0 && c <= 0xF9; }

// The field separators: the first ";" of the mask that no "\" escapes, then the next ";" after it.
std::size_t FieldEnd(std::string_view mask) {
  for (std::size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '\\') ++i;
    else if (mask[i] == ';') return i;
  }
  return std::string_view::npos;
}

}  // namespace

ParsedMask::ParsedMask(std::string_view Mask) {
  const std::size_t bodyEnd = FieldEnd(Mask);
  ParseBody(Mask.substr(0, bodyEnd));
  if (bodyEnd == std::string_view::npos) return;
  const std::string_view fields = Mask.substr(bodyEnd + 1);
  saveLiterals_ = fields.empty() || fields.front() != '0';
  const std::size_t blankField = fields.find(';');
  if (blankField != std::string_view::npos && blankField + 1 < fields.size()) blank_ = fields[blankField + 1];
}

void ParsedMask::ParseBody(std::string_view Body) {
  Case convert = Case::None;
  const auto editable = [&](Kind kind, bool optional) { positions_.push_back({kind, optional, convert, 0}); };
  const auto literal = [&](char c) { positions_.push_back({Kind::Literal, false, Case::None, c}); };
  for (std::size_t i = 0; i < Body.size(); ++i) {
    const char c = Body[i];
    switch (c) {
      case '0': editable(Kind::Digit, false); break;
      case '9': editable(Kind::Digit, true); break;
      case '#': editable(Kind::DigitOrSign, true); break;
      case 'L': editable(Kind::Letter, false); break;
      case 'l': editable(Kind::Letter, true); break;
      case 'A': editable(Kind::LetterOrDigit, false); break;
      case 'a': editable(Kind::LetterOrDigit, true); break;
      case 'C': editable(Kind::Any, false); break;
      case 'c': editable(Kind::Any, true); break;
      case '>': convert = Case::Upper; break;
      case '<':
        if (i + 1 < Body.size() && Body[i + 1] == '>') {
          convert = Case::None;
          ++i;
        } else {
          convert = Case::Lower;
        }
        break;
      case '!': leadingBlanks_ = true; break;
      case '\\':
        if (++i < Body.size()) literal(Body[i]);
        break;
      case '/': literal(FormatSettings.DateSeparator); break;
      case ':': literal(FormatSettings.TimeSeparator); break;
      case '_': literal(' '); break;
      default: literal(c); break;
    }
  }
}

bool ParsedMask::Accepts(int Pos, char& Ch) const {
  const Position& p = positions_[std::size_t(Pos)];
  const auto c = static_cast<unsigned char>(Ch);
  if (c < 0x20 || c == ' ') return false;
  bool ok = false;
  switch (p.kind) {
    case Kind::Literal: return false;
    case Kind::Digit: ok = IsAsciiDigit(c); break;
    case Kind::DigitOrSign: ok = IsAsciiDigit(c) || c == '+' || c == '-'; break;
    case Kind::Letter: ok = IsLetter(c); break;
    case Kind::LetterOrDigit: ok = IsLetter(c) || IsAsciiDigit(c) || IsThaiDigit(c); break;
    case Kind::Any: ok = true; break;
  }
  if (ok && p.convert == Case::Upper) Ch = UpCase(Ch);
  if (ok && p.convert == Case::Lower) Ch = LoCase(Ch);
  return ok;
}

int ParsedMask::NextEditable(int Pos) const {
  while (Pos < Width() && IsLiteral(Pos)) ++Pos;
  return std::min(Pos, Width());
}

int ParsedMask::PrevEditable(int Pos) const {
  for (--Pos; Pos >= 0; --Pos) {
    if (!IsLiteral(Pos)) return Pos;
  }
  return -1;
}

std::string ParsedMask::EmptyText(char Blank) const {
  std::string text;
  text.reserve(positions_.size());
  for (const Position& p : positions_) text += p.kind == Kind::Literal ? p.literal : Blank;
  return text;
}

std::string ParsedMask::Fit(std::string_view Value, bool ValueHasLiterals, char Blank) const {
  std::string text = EmptyText(Blank);
  const int step = leadingBlanks_ ? -1 : 1;
  int pos = leadingBlanks_ ? Width() - 1 : 0;
  int at = leadingBlanks_ ? int(Value.size()) - 1 : 0;
  const auto more = [&] { return at >= 0 && at < int(Value.size()); };
  for (; pos >= 0 && pos < Width() && more(); pos += step) {
    if (IsLiteral(pos)) {
      if (ValueHasLiterals && Value[std::size_t(at)] == Literal(pos)) at += step;
      continue;
    }
    char c = Value[std::size_t(at)];
    at += step;
    if (c != Blank && Accepts(pos, c)) text[std::size_t(pos)] = c;
  }
  return text;
}

bool ParsedMask::IsBlankAt(std::string_view Masked, int Pos) const {
  const char c = Masked[std::size_t(Pos)];
  return !IsLiteral(Pos) && (c == blank_ || c == ' ');
}

std::string ParsedMask::ValueOf(std::string_view Masked) const {
  const int size = std::min(Width(), int(Masked.size()));
  std::vector<int> kept;
  for (int pos = 0; pos < size; ++pos) {
    if (saveLiterals_ || !IsLiteral(pos)) kept.push_back(pos);
  }
  if (!saveLiterals_) {
    // Trailing (or, when blanks lead, leading) blank positions are no part of the value.
    if (leadingBlanks_) {
      const auto first = std::find_if(kept.begin(), kept.end(), [&](int p) { return !IsBlankAt(Masked, p); });
      kept.erase(kept.begin(), first);
    } else {
      while (!kept.empty() && IsBlankAt(Masked, kept.back())) kept.pop_back();
    }
  }
  std::string value;
  value.reserve(kept.size());
  for (int pos : kept) value += IsBlankAt(Masked, pos) ? ' ' : Masked[std::size_t(pos)];
  return value;
}

int ParsedMask::FirstInvalid(std::string_view Masked) const {
  for (int pos = 0; pos < Width(); ++pos) {
    if (pos >= int(Masked.size())) return pos;
    char c = Masked[std::size_t(pos)];
    if (IsLiteral(pos)) {
      if (c != Literal(pos)) return pos;
    } else if (IsBlankAt(Masked, pos)) {
      if (!positions_[std::size_t(pos)].optional) return pos;
    } else if (!Accepts(pos, c)) {
      return pos;
    }
  }
  return int(Masked.size()) > Width() ? Width() : -1;
}

std::string ParsedMask::Blanked(std::string_view Masked, int From, int To) const {
  std::string text(Masked);
  for (int pos = std::max(From, 0); pos < std::min(To, int(text.size())); ++pos) {
    if (pos < Width() && !IsLiteral(pos)) text[std::size_t(pos)] = blank_;
  }
  return text;
}

int ParsedMask::Type(std::string& Masked, int Pos, char Ch) const {
  for (; Pos < Width() && IsLiteral(Pos); ++Pos) {
    if (Ch == Literal(Pos)) return Pos + 1;
  }
  if (Pos >= Width() || Pos >= int(Masked.size())) return -1;
  char c = Ch;
  if (Accepts(Pos, c) || (c == ' ' && positions_[std::size_t(Pos)].optional)) {
    Masked[std::size_t(Pos)] = c == ' ' ? blank_ : c;
    return Pos + 1;
  }
  if (Pos > 0 && IsLiteral(Pos - 1) && Literal(Pos - 1) == Ch) return Pos;   // typed after the caret skipped it
  for (int later = Pos + 1; later < Width(); ++later) {
    if (IsLiteral(later) && Literal(later) == Ch) return later + 1;
  }
  return -1;
}

}  // namespace edit

std::string FormatMaskText(std::string_view EditMask, std::string_view Value) {
  const edit::ParsedMask mask(EditMask);
  return mask.Fit(Value, mask.SaveLiterals(), ' ');
}
