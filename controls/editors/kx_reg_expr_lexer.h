// The first stage of compiling a regular expression: the source text becomes lexems.
//
// The source is read byte by byte.  A carriage return adds one to the line, a line feed sets the
// column to 0, every other byte adds one to the column; a lexem or error takes the line and
// column of the byte at which it was found, and errors at the end of the source the column after
// the last byte.  White space (space, NUL, tab, LF, FF, CR) is skipped outside quotes.  Every
// error is recorded and lexing goes on, so one pass reports them all.
//
// Parentheses are counted for "Missing ')'" / "Unnecessary ')'" (line 0, column 0), and their
// nesting is limited: the "(" that opens a 101st level is refused with "The expression is nested
// too deeply", so that no later stage recurses deeper than that over parentheses.
#pragma once

#include <string_view>

#include "controls/editors/kx_reg_expr_errors.h"
#include "controls/editors/kx_reg_expr_lexems.h"

class TkxRegExprLexer {
 public:
  static constexpr Integer MaxParenthesisNesting = 100;

  TkxRegExprLexer(std::string_view Source, TkxLexems& Lexems, TkxRegExprErrors& Errors)
      : source_(Source), lexems_(Lexems), errors_(Errors) {}
  void Run();

 private:
  bool AtEnd() const { return position_ >= source_.size(); }
  char Read();
  // Skips white space; false when the source ends first.
  bool SkipBlanks();
  // The next byte that is not white space, without reading it; none at the end.
  bool PeekNonBlank(char& Ch) const;

  void Add(TkxLexemCode Code, char Value) { Add(Code, std::string(1, Value), line_, column_); }
  void Add(TkxLexemCode Code, std::string Value, Integer Line, Integer Column);
  void Error(PResStringRec Text, const std::string& Argument = {});
  void ErrorAtEnd(PResStringRec Text, const std::string& Argument = {});

  void ReadMainLevel(char Ch);
  void OpenParenthesis();
  void CloseParenthesis();
  void ReadQuoted();
  void ReadEscape();
  void ReadHexEscape(Integer Line, Integer Column);
  void ReadBrackets();
  // A byte inside brackets other than the first; false when it ends the brackets.
  bool ReadBracketByte(char Ch);
  void ReadBraces();
  void ReadInteger(char FirstDigit);

  std::string_view source_;
  TkxLexems& lexems_;
  TkxRegExprErrors& errors_;
  std::size_t position_ = 0;
  Integer line_ = 1;
  Integer column_ = 0;
  Integer opened_ = 0;
  Integer closed_ = 0;
  Integer nesting_ = 0;   // open parentheses, never below 0
};
