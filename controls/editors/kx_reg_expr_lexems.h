// The lexems of a regular expression: what the lexer makes of the source text and the parser
// reads.  A lexem keeps the 1-based line and column at which it was recognised (its own
// character, the "\" of an escape, the first digit of an integer) for the parser's errors.
#pragma once

#include <string>
#include <vector>

#include "platform/core/types.h"

enum TkxLexemCode : Byte {
  lcLiteral = 0,          // a literal character
  lcSpecial = 1,          // ( ) * + ? [ { and the bar; ] ^ - inside brackets; , } inside braces
  lcInteger = 2,          // an unsigned decimal integer (inside braces), its digits as written
  lcAnyChar = 3,          // .
  lcIdLetter = 4,         // \w
  lcNotIdLetter = 5,      // \W
  lcDigit = 6,            // \d
  lcNotDigit = 7,         // \D
  lcSpace = 8,            // \s
  lcNotSpace = 9,         // \S
  lcBackReference = 10,   // \1 .. \9, the digit as value
  lcDateSeparator = 11,   // /  (the locale's date separator)
  lcTimeSeparator = 12,   // :  (the locale's time separator)
};

struct TkxLexem {
  Integer Column = 0;
  TkxLexemCode Code = lcLiteral;
  Integer Line = 0;
  std::string Value;

  bool IsSpecial(char Ch) const { return Code == lcSpecial && Value.size() == 1 && Value[0] == Ch; }
};

class TkxLexems {
 public:
  void Add(TkxLexem Lexem) { items_.push_back(std::move(Lexem)); }
  void Clear() { items_.clear(); }
  Integer Count() const { return static_cast<Integer>(items_.size()); }
  const TkxLexem& Items(Integer Index) const { return items_[static_cast<std::size_t>(Index)]; }

 private:
  std::vector<TkxLexem> items_;
};

// White space of the expression language: space, NUL, tab, LF, FF and CR.
constexpr bool IsRegExprBlank(char Ch) {
  return Ch == ' ' || Ch == '\0' || Ch == '\t' || Ch == '\n' || Ch == '\f' || Ch == '\r';
}
