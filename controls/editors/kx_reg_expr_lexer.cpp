#include "controls/editors/kx_reg_expr_lexer.h"

#include "controls/editors/kx_reg_expr_texts.h"
#include "platform/core/format_settings.h"

namespace {

constexpr std::string_view kQuoteArgument = " ' ";

bool HexDigitValue(char Ch, int& Value) {
  if (Ch >= '0' && Ch <= '9') Value = Ch - '0';
  else if (Ch >= 'A' && Ch <= 'F') Value = Ch - 'A' + 10;
  else if (Ch >= 'a' && Ch <= 'f') Value = Ch - 'a' + 10;
  else return false;
  return true;
}

// The lexem code of a class escape ("\d", "\W", ...), or lcLiteral for any other letter.
TkxLexemCode ClassEscapeCode(char Ch) {
  switch (Ch) {
    case 'w': return lcIdLetter;
    case 'W': return lcNotIdLetter;
    case 'd': return lcDigit;
    case 'D': return lcNotDigit;
    case 's': return lcSpace;
    case 'S': return lcNotSpace;
    default: return lcLiteral;
  }
}

// The character a control escape ("\n", "\t", ...) stands for; the byte itself for others.
char ControlEscapeChar(char Ch) {
  switch (Ch) {
    case 'a': return '\a';
    case 'e': return '\x1B';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'p': return FormatSettings.DecimalSeparator;   // taken when compiling
    default: return Ch;
  }
}

}  // namespace

void TkxRegExprLexer::Run() {
  while (SkipBlanks()) ReadMainLevel(Read());
  if (opened_ > closed_) errors_.Add(0, 0, &sRegExprMissing, ")");
  if (opened_ < closed_) errors_.Add(0, 0, &sRegExprUnnecessary, ")");
}

char TkxRegExprLexer::Read() {
  const char ch = source_[position_++];
  if (ch == '\r') ++line_;
  if (ch == '\n') column_ = 0;
  else ++column_;
  return ch;
}

bool TkxRegExprLexer::SkipBlanks() {
  while (!AtEnd() && IsRegExprBlank(source_[position_])) Read();
  return !AtEnd();
}

bool TkxRegExprLexer::PeekNonBlank(char& Ch) const {
  for (std::size_t i = position_; i < source_.size(); ++i) {
    if (!IsRegExprBlank(source_[i])) {
      Ch = source_[i];
      return true;
    }
  }
  return false;
}

void TkxRegExprLexer::Add(TkxLexemCode Code, std::string Value, Integer Line, Integer Column) {
  lexems_.Add(TkxLexem{Column, Code, Line, std::move(Value)});
}

void TkxRegExprLexer::Error(PResStringRec Text, const std::string& Argument) {
  errors_.Add(line_, column_, Text, Argument);
}

void TkxRegExprLexer::ErrorAtEnd(PResStringRec Text, const std::string& Argument) {
  errors_.Add(line_, column_ + 1, Text, Argument);
}

void TkxRegExprLexer::ReadMainLevel(char Ch) {
  switch (Ch) {
    case '(': OpenParenthesis(); break;
    case ')': CloseParenthesis(); break;
    case '*': case '+': case '?': case '|': Add(lcSpecial, Ch); break;
    case '[': Add(lcSpecial, Ch); ReadBrackets(); break;
    case '{': Add(lcSpecial, Ch); ReadBraces(); break;
    case '.': Add(lcAnyChar, Ch); break;
    case '/': Add(lcDateSeparator, Ch); break;
    case ':': Add(lcTimeSeparator, Ch); break;
    case '\'': ReadQuoted(); break;
    case '\\': ReadEscape(); break;
    default: Add(lcLiteral, Ch); break;
  }
}

void TkxRegExprLexer::OpenParenthesis() {
  Add(lcSpecial, '(');
  ++opened_;
  if (++nesting_ == MaxParenthesisNesting + 1) Error(&sRegExprNestedTooDeeply);
}

void TkxRegExprLexer::CloseParenthesis() {
  Add(lcSpecial, ')');
  ++closed_;
  if (nesting_ > 0) --nesting_;
}

void TkxRegExprLexer::ReadQuoted() {
  for (;;) {
    if (AtEnd()) {
      ErrorAtEnd(&sRegExprMissing, std::string(kQuoteArgument));
      return;
    }
    const char ch = Read();
    if (ch == '\'') {
      if (AtEnd() || source_[position_] != '\'') return;
      Read();   // "''" stands for one quote
    }
    Add(lcLiteral, ch);
  }
}

void TkxRegExprLexer::ReadEscape() {
  const Integer line = line_;
  const Integer column = column_;
  if (AtEnd()) return;   // a "\" at the very end is ignored
  const char ch = Read();
  if (ch >= '1' && ch <= '9') {
    Add(lcBackReference, std::string(1, ch), line, column);
  } else if (IsRegExprBlank(ch)) {
    Error(&sRegExprSpaceAfterEscape);
  } else if (ch == 'x') {
    ReadHexEscape(line, column);
  } else {
    const TkxLexemCode code = ClassEscapeCode(ch);
    Add(code, std::string(1, code == lcLiteral ? ControlEscapeChar(ch) : ch), line, column);
  }
}

void TkxRegExprLexer::ReadHexEscape(Integer Line, Integer Column) {
  int code = 0;
  for (int i = 0; i < 2; ++i) {
    if (AtEnd()) {
      ErrorAtEnd(&sRegExprHexExpected);
      return;
    }
    const char ch = Read();
    int digit = 0;
    if (!HexDigitValue(ch, digit)) {
      Error(&sRegExprHexExpectedFound, std::string(1, ch));
      return;
    }
    code = code * 16 + digit;
  }
  Add(lcLiteral, std::string(1, static_cast<char>(code)), Line, Column);
}

void TkxRegExprLexer::ReadBrackets() {
  if (!SkipBlanks()) {
    ErrorAtEnd(&sRegExprMissing, "]");
    return;
  }
  const char first = Read();
  switch (first) {
    case ']': Add(lcSpecial, first); return;
    case '^': Add(lcSpecial, first); break;
    case '-': Add(lcLiteral, first); break;   // a leading "-" is never a range
    default: ReadBracketByte(first); break;
  }
  for (;;) {
    if (!SkipBlanks()) {
      ErrorAtEnd(&sRegExprMissing, "]");
      return;
    }
    if (!ReadBracketByte(Read())) return;
  }
}

bool TkxRegExprLexer::ReadBracketByte(char Ch) {
  switch (Ch) {
    case '\'': ReadQuoted(); return true;
    case '/': Add(lcDateSeparator, Ch); return true;
    case ':': Add(lcTimeSeparator, Ch); return true;
    case '\\': ReadEscape(); return true;
    case ']': Add(lcSpecial, Ch); return false;
    case '-': {
      char next = 0;
      Add(PeekNonBlank(next) && next == ']' ? lcLiteral : lcSpecial, Ch);
      return true;
    }
    default: Add(lcLiteral, Ch); return true;
  }
}

void TkxRegExprLexer::ReadBraces() {
  for (;;) {
    if (!SkipBlanks()) {
      ErrorAtEnd(&sRegExprMissing, "}");
      return;
    }
    const char ch = Read();
    if (ch >= '0' && ch <= '9') {
      ReadInteger(ch);
    } else if (ch == ',') {
      Add(lcSpecial, ch);
    } else if (ch == '}') {
      Add(lcSpecial, ch);
      return;
    } else {
      Error(&sRegExprIllegal, ch == '\'' ? std::string(kQuoteArgument) : std::string(1, ch));
    }
  }
}

void TkxRegExprLexer::ReadInteger(char FirstDigit) {
  const Integer line = line_;
  const Integer column = column_;
  std::string digits(1, FirstDigit);
  while (!AtEnd() && source_[position_] >= '0' && source_[position_] <= '9') digits += Read();
  Add(lcInteger, std::move(digits), line, column);
}
