#include "platform/classes/parser.h"

#include <charconv>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/classes/stream.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/core/extended80.h"
#include "platform/core/extended80_text.h"
#include "platform/core/format.h"
#include "platform/core/int_text.h"

PR_IMPLEMENT_CLASS(TParser)

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
int HexValue(char c) { return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

TParser::TParser(TStream* Stream) : stream_(Stream), origin_(Stream->Position()) {
  const Int64 size = Stream->Size() - origin_;
  source_.resize(static_cast<std::size_t>(size > 0 ? size : 0));
  source_.resize(static_cast<std::size_t>(Stream->Read(source_.data(), static_cast<Integer>(source_.size()))));
  if (source_.starts_with(kUtf8Mark)) {
    utf8_ = true;
    pos_ = kUtf8Mark.size();
  }
  NextToken();
}

TParser::~TParser() { stream_->SetPosition(origin_ + static_cast<Int64>(tokenStart_)); }

void TParser::Error(const std::string& Message) const {
  throw EParserError(Format(classes_text::kParseError, {Message, sourceLine_}));
}

void TParser::SkipBlanks() {
  while (pos_ < source_.size()) {
    const char c = source_[pos_];
    if (c == '\0' || static_cast<unsigned char>(c) > ' ') return;
    if (c == '\n') ++sourceLine_;
    ++pos_;
  }
}

char TParser::NextToken() {
  SkipBlanks();
  tokenStart_ = pos_;
  floatType_ = '\0';
  const char c = pos_ < source_.size() ? source_[pos_] : '\0';
  if (IsLetter(c)) {
    while (pos_ < source_.size() && (IsLetter(source_[pos_]) || IsDigit(source_[pos_]))) ++pos_;
    token_ = toSymbol;
  } else if (c == '#' || c == '\'') {
    token_ = ScanString();
  } else if (c == '$') {
    ++pos_;
    while (pos_ < source_.size() && IsHexDigit(source_[pos_])) ++pos_;
    token_ = toInteger;
  } else if (c == '-' || IsDigit(c)) {
    token_ = ScanNumber();
  } else {
    token_ = c;
    if (c != toEOF) ++pos_;
  }
  return token_;
}

char TParser::ScanNumber() {
  ++pos_;
  while (pos_ < source_.size() && IsDigit(source_[pos_])) ++pos_;
  char kind = toInteger;
  while (pos_ < source_.size() && std::string_view("0123456789.eE+-").find(source_[pos_]) != std::string_view::npos) {
    ++pos_;
    kind = toFloat;
  }
  if (pos_ < source_.size() && std::string_view("cCdDsS").find(source_[pos_]) != std::string_view::npos) {
    floatType_ = source_[pos_];
    ++pos_;
    kind = toFloat;
  }
  return kind;
}

char TParser::ScanString() {
  string_.clear();
  stringIsWide_ = false;
  auto at = [this](std::size_t i) { return i < source_.size() ? source_[i] : '\0'; };
  while (true) {
    if (at(pos_) == '#') {
      ++pos_;
      Int64 code = 0;
      if (!IsDigit(at(pos_))) Error(classes_text::kInvalidString);
      while (IsDigit(at(pos_))) {
        code = code * 10 + (at(pos_) - '0');
        if (code > 0xFFFF) Error(classes_text::kInvalidString);
        ++pos_;
      }
      if (code > 127) stringIsWide_ = true;
      string_ += static_cast<char16_t>(code);
    } else if (at(pos_) == '\'') {
      ++pos_;
      std::string run;
      while (true) {
        const char c = at(pos_);
        if (c == '\0' || c == '\n' || c == '\r') Error(classes_text::kInvalidString);
        ++pos_;
        if (c == '\'') {
          if (at(pos_) != '\'') break;
          ++pos_;
        }
        run += c;
      }
      if (utf8_) {
        const std::u16string wide = Utf8ToUtf16(run);
        for (char16_t w : wide) stringIsWide_ = stringIsWide_ || w > 127;
        string_ += wide;
      } else {
        for (char b : run) string_ += Cp874ToUnicode(static_cast<unsigned char>(b));
      }
    } else {
      break;
    }
  }
  return stringIsWide_ ? toWString : toString;
}

void TParser::CheckToken(char T) {
  if (token_ == T) return;
  switch (T) {
    case toSymbol: Error(classes_text::kIdentifierExpected);
    case toString: case toWString: Error(classes_text::kStringExpected);
    case toInteger: case toFloat: Error(classes_text::kNumberExpected);
    default: Error(Format(classes_text::kCharExpected, {T}));
  }
}

void TParser::CheckTokenSymbol(std::string_view S) {
  if (!TokenSymbolIs(S)) Error(Format(classes_text::kSymbolExpected, {S}));
}

bool TParser::TokenSymbolIs(std::string_view S) const { return token_ == toSymbol && SameText(TokenText(), S); }

std::string TParser::TokenString() const {
  if (token_ == toString || token_ == toWString) return Utf16ToCp874(string_);
  return std::string(TokenText());
}

std::u16string TParser::TokenWideString() const {
  if (token_ == toString || token_ == toWString) return string_;
  return Cp874ToUtf16(TokenText());
}

std::string TParser::TokenComponentIdent() {
  CheckToken(toSymbol);
  while (pos_ < source_.size() && source_[pos_] == '.') {
    ++pos_;
    if (pos_ >= source_.size() || !IsLetter(source_[pos_])) Error(classes_text::kIdentifierExpected);
    while (pos_ < source_.size() && (IsLetter(source_[pos_]) || IsDigit(source_[pos_]))) ++pos_;
  }
  return std::string(TokenText());
}

Int64 TParser::TokenInt() const {
  Int64 value = 0;
  if (!TryStrToInt64(TokenText(), value)) Error(classes_text::kNumberExpected);
  return value;
}

std::string_view TParser::FloatText() const {
  std::string_view text = TokenText();
  if (floatType_ != '\0') text.remove_suffix(1);
  return text;
}

Extended80 TParser::TokenExtended() const {
  Extended80 value;
  if (!TextToExtended80(FloatText(), value)) Error(classes_text::kNumberExpected);
  return value;
}

template <class T>
T TParser::ParseFloat() const {
  const std::string_view text = FloatText();
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) Error(classes_text::kNumberExpected);
  return value;
}

double TParser::TokenFloat() const { return ParseFloat<double>(); }
float TParser::TokenSingle() const { return ParseFloat<float>(); }

void TParser::HexToBinary(TStream* Stream) {
  SkipBlanks();
  std::string bytes;
  while (pos_ < source_.size() && source_[pos_] != '}') {
    if (pos_ + 1 >= source_.size() || !IsHexDigit(source_[pos_]) || !IsHexDigit(source_[pos_ + 1]))
      Error(classes_text::kInvalidBinary);
    bytes += static_cast<char>(HexValue(source_[pos_]) << 4 | HexValue(source_[pos_ + 1]));
    pos_ += 2;
    SkipBlanks();
  }
  if (pos_ >= source_.size()) Error(Format(classes_text::kCharExpected, {'}'}));
  Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  ++pos_;
  NextToken();
}
