// FormatNumber (FormatFloat, FormatCurr): numbers laid out by picture formats such as
// "#,##0.00;(#,##0.00);Nil" and "0.000E+00".
//
// A section is parsed once into tokens (digit placeholders, the decimal point, the exponent,
// literal text); the value is rounded to what the section can show, then the tokens are written
// out.  Integer digits beyond the section's integer placeholders appear at the first placeholder;
// '0' placeholders pad with zeros from the first '0' on (integer part) and up to the last '0'
// (fraction).  Thousand separators are written in fixed layouts only.
#include <algorithm>
#include <array>
#include <climits>
#include <vector>

#include "platform/core/number_layout.h"

namespace {

struct Token {
  enum Kind { kPlaceholder, kPoint, kExponent, kLiteral } kind;
  std::string_view text = {};   // kLiteral: the text; kExponent: "E" or "e"
  bool plus = false;            // kExponent: write '+' for positive exponents
  int minDigits = 0;            // kExponent: at least this many exponent digits
};

struct Section {
  std::vector<Token> tokens;
  int placeholders = 0;       // digit placeholders before the exponent
  int decimalIndex = -1;      // placeholders before the decimal point
  int firstZero = INT_MAX;    // index of the first '0' placeholder
  int lastZero = 0;           // one past the index of the last '0' placeholder
  bool scientific = false;
  bool thousands = false;
};

constexpr int kMaxExponentDigits = 4;

bool IsQuote(char c) { return c == '\'' || c == '"'; }

// The length of the quoted text starting at s[i] (a quote), closing quote included when present.
std::size_t QuotedLength(std::string_view s, std::size_t i) {
  const std::size_t close = s.find(s[i], i + 1);
  return close == std::string_view::npos ? s.size() - i : close - i + 1;
}

// Up to three sections separated by ';' outside quotes; returns how many there are.
int SplitSections(std::string_view format, std::array<std::string_view, 3>& sections) {
  int count = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= format.size() && count < 3;) {
    if (i == format.size() || format[i] == ';') {
      sections[static_cast<std::size_t>(count++)] = format.substr(start, i - start);
      start = ++i;
    } else {
      i += IsQuote(format[i]) ? QuotedLength(format, i) : 1;
    }
  }
  return count;
}

// Reads an exponent "E+00" at s[i] (s[i] is 'E' or 'e', s[i+1] a sign); advances i past it.
Token ParseExponent(std::string_view s, std::size_t& i) {
  Token t{Token::kExponent, s.substr(i, 1), s[i + 1] == '+'};
  i += 2;
  int zeros = 0;
  for (; i < s.size() && s[i] == '0'; ++i) ++zeros;
  t.minDigits = std::min(zeros, kMaxExponentDigits);
  return t;
}

Section ParseSection(std::string_view s) {
  Section sec;
  for (std::size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (c == '0' || c == '#') {
      ++i;
      if (sec.scientific) continue;   // placeholders after the exponent show nothing
      if (c == '0') {
        sec.firstZero = std::min(sec.firstZero, sec.placeholders);
        sec.lastZero = sec.placeholders + 1;
      }
      ++sec.placeholders;
      sec.tokens.push_back({Token::kPlaceholder});
    } else if (c == '.') {
      ++i;
      if (sec.decimalIndex >= 0) continue;   // only the first point counts
      sec.decimalIndex = sec.placeholders;
      sec.tokens.push_back({Token::kPoint});
    } else if (c == ',') {
      ++i;
      sec.thousands = true;
    } else if ((c == 'E' || c == 'e') && !sec.scientific && i + 1 < s.size() &&
               (s[i + 1] == '+' || s[i + 1] == '-')) {
      sec.scientific = true;
      sec.tokens.push_back(ParseExponent(s, i));
    } else if (IsQuote(c)) {
      const std::size_t n = QuotedLength(s, i);
      const std::size_t inner = n >= 2 && s[i + n - 1] == c ? n - 2 : n - 1;
      sec.tokens.push_back({Token::kLiteral, s.substr(i + 1, inner)});
      i += n;
    } else {
      sec.tokens.push_back({Token::kLiteral, s.substr(i++, 1)});
    }
  }
  if (sec.decimalIndex < 0) sec.decimalIndex = sec.placeholders;
  if (sec.scientific) sec.thousands = false;
  return sec;
}

// `value` rounded to what the section shows: its placeholders' significant digits in scientific
// layout, its decimal placeholders (and at most 18 digits) in fixed layout.
TFloatRec Round(const Section& sec, const NumberDigits& number) {
  if (sec.scientific) return number.Round(sec.placeholders, 9999);
  return number.Round(number.MaxPrecision(), sec.placeholders - sec.decimalIndex);
}

// Writes a rounded value through a parsed section.  The digit string is read as an integer part of
// `wholeDigits_` digits followed by the fraction (wholeDigits_ may be <= 0: leading fraction zeros).
class PatternWriter {
 public:
  PatternWriter(const Section& sec, const TFloatRec& r, const TFormatSettings& fs)
      : sec_(sec), digits_(r.Digits), fs_(fs) {
    const bool zero = digits_.empty();
    wholeDigits_ = sec.scientific ? sec.decimalIndex : r.Exponent;
    exponent_ = sec.scientific && !zero ? r.Exponent - sec.decimalIndex : 0;
    const int n = static_cast<int>(digits_.size());
    showPoint_ = (n > 0 && n > wholeDigits_) || sec.lastZero > sec.decimalIndex;
  }

  std::string Write() {
    int index = 0;
    for (const Token& t : sec_.tokens) {
      switch (t.kind) {
        case Token::kPlaceholder: WritePlaceholder(index++); break;
        case Token::kPoint:
          WriteLeadingDigits();
          if (showPoint_) out_ += fs_.DecimalSeparator;
          break;
        case Token::kExponent: WriteExponent(t); break;
        case Token::kLiteral: out_ += t.text; break;
      }
    }
    return out_;
  }

 private:
  char DigitAt(int i) const {
    return i >= 0 && i < static_cast<int>(digits_.size()) ? digits_[static_cast<std::size_t>(i)] : '0';
  }

  // Writes the digit of integer place `place` (1 = units) and the group separator after it.
  void WriteIntegerDigit(int place) {
    out_ += DigitAt(wholeDigits_ - place);
    if (sec_.thousands && fs_.ThousandSeparator != '\0' && place > 1 && (place - 1) % 3 == 0)
      out_ += fs_.ThousandSeparator;
  }

  // The integer digits for which the section has no placeholder, written once, before the first
  // placeholder or the point.
  void WriteLeadingDigits() {
    if (leadingWritten_) return;
    leadingWritten_ = true;
    for (int place = wholeDigits_; place > sec_.decimalIndex; --place) WriteIntegerDigit(place);
  }

  void WritePlaceholder(int index) {
    WriteLeadingDigits();
    if (index < sec_.decimalIndex) {
      const int place = sec_.decimalIndex - index;
      if (place <= wholeDigits_ || index >= sec_.firstZero) WriteIntegerDigit(place);
      return;
    }
    const int digit = wholeDigits_ + (index - sec_.decimalIndex);
    const int n = static_cast<int>(digits_.size());
    const bool zeroBeforeDigits = digit < 0 && n > 0;
    if (zeroBeforeDigits || (digit >= 0 && digit < n) || index < sec_.lastZero) out_ += DigitAt(digit);
  }

  void WriteExponent(const Token& t) { out_ += ExponentText(t.text[0], exponent_, t.minDigits, t.plus); }

  const Section& sec_;
  std::string_view digits_;
  const TFormatSettings& fs_;
  int wholeDigits_ = 0;
  int exponent_ = 0;
  bool showPoint_ = false;
  bool leadingWritten_ = false;
  std::string out_;
};

}  // namespace

std::string FormatNumber(std::string_view format, const NumberDigits& number, const TFormatSettings& settings) {
  std::array<std::string_view, 3> sections;
  const int count = SplitSections(format, sections);
  const auto present = [&](int i) { return i < count && !sections[static_cast<std::size_t>(i)].empty(); };
  const auto general = [&](const NumberDigits& n) {
    return NumberToStrF(n, ffGeneral, n.GeneralPrecision(), 0, settings);
  };
  int chosen = number.IsNegative() && present(1) ? 1 : number.IsZero() && present(2) ? 2 : 0;
  if (!number.IsFinite() || !present(chosen)) return general(number);
  Section sec = ParseSection(sections[static_cast<std::size_t>(chosen)]);
  TFloatRec r = Round(sec, number);
  if (r.Digits[0] == '\0' && chosen != 2) {   // rounds to zero: the zero (else positive) section shows 0
    chosen = present(2) ? 2 : 0;
    if (!present(chosen)) return general(number.Zero());
    sec = ParseSection(sections[static_cast<std::size_t>(chosen)]);
    r = Round(sec, number.Zero());
  }
  if (!sec.scientific && r.Exponent > kMaxFloatDigits) return general(number);
  const std::string text = PatternWriter(sec, r, settings).Write();
  return r.Negative && chosen == 0 ? "-" + text : text;
}
