// TParser: the tokenizer of the text form of component streams.
//
// Tokens: symbols (letters, digits, '_'), strings ('quoted' runs with '' for a quote, and #N
// character codes, joined without blanks), integers (decimal or $hex, optional '-'), floats
// (with '.', an exponent or a type suffix: s single, c currency, d date), and single characters.
// Source bytes are code page 874; a source that starts with the UTF-8 byte order mark is UTF-8.
// A string is wide (toWString) when it holds a character code above 127 (#N or, in UTF-8, a
// quoted character); #N is the Unicode character N.  Errors raise EParserError "<text> on line <n>".
// The parser reads the rest of the stream at creation and, when destroyed, leaves the stream at
// the start of the token it stopped on, so several objects can be read from one stream.
#pragma once

#include <string>
#include <string_view>

#include "platform/classes/object.h"

class TStream;
struct Extended80;

inline constexpr char toEOF = 0;
inline constexpr char toSymbol = 1;
inline constexpr char toString = 2;
inline constexpr char toInteger = 3;
inline constexpr char toFloat = 4;
inline constexpr char toWString = 5;

class TParser : public TObject {
  PR_CLASS(TParser, TObject)

 public:
  explicit TParser(TStream* Stream);
  ~TParser() override;

  char NextToken();
  char Token() const { return token_; }
  void CheckToken(char T);
  void CheckTokenSymbol(std::string_view S);
  bool TokenSymbolIs(std::string_view S) const;
  std::string TokenString() const;           // a string token's bytes; else the token's text
  std::u16string TokenWideString() const;
  std::string TokenComponentIdent();          // a symbol and the ".symbol" parts after it
  Int64 TokenInt() const;
  // The float token (without its type suffix), correctly rounded to each width.
  double TokenFloat() const;
  float TokenSingle() const;
  Extended80 TokenExtended() const;
  char FloatType() const { return floatType_; }
  // Reads "hex pairs" up to '}' into Stream and moves to the token after '}'.
  void HexToBinary(TStream* Stream);
  Integer SourceLine() const { return sourceLine_; }
  [[noreturn]] void Error(const std::string& Message) const;

 private:
  void SkipBlanks();
  char ScanString();
  char ScanNumber();
  std::string_view TokenText() const { return std::string_view(source_).substr(tokenStart_, pos_ - tokenStart_); }
  std::string_view FloatText() const;
  template <class T>
  T ParseFloat() const;

  TStream* stream_;
  Int64 origin_;             // stream position of source_[0]
  std::string source_;
  std::size_t pos_ = 0;
  std::size_t tokenStart_ = 0;
  bool utf8_ = false;
  char token_ = toEOF;
  char floatType_ = '\0';
  Integer sourceLine_ = 1;
  std::u16string string_;    // the decoded string token
  bool stringIsWide_ = false;
};
