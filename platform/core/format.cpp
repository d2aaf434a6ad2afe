#include "platform/core/format.h"

#include <climits>
#include <cstdint>

#include "platform/core/ansi_strings.h"
#include "platform/core/exceptions.h"
#include "platform/core/int_text.h"
#include "platform/core/number_layout.h"

namespace {

constexpr Integer kGeneralDigits = 15;   // default significant digits of e and g
constexpr Integer kFixedPrecision = 19;  // f, n and m show every digit a value has (double 18, Currency 19)
constexpr Integer kFixedDecimals = 2;    // default decimals of f and n

// One "%..." specifier being read and written.
struct Spec {
  bool leftJustify = false;
  Integer width = 0;
  Integer precision = -1;   // -1: none given
  char type = 0;            // lower case
};

class Formatter {
 public:
  Formatter(std::string_view format, std::span<const TVarRec> args, const TFormatSettings& fs)
      : format_(format), args_(args), fs_(fs) {}

  std::string Run() {
    while (pos_ < format_.size()) {
      const std::size_t percent = format_.find('%', pos_);
      out_.append(format_.substr(pos_, percent - pos_));
      if (percent == std::string_view::npos) break;
      pos_ = percent + 1;
      if (Peek() == '%') {
        out_ += '%';
        ++pos_;
      } else {
        WriteSpecifier();
      }
    }
    return out_;
  }

 private:
  [[noreturn]] void Invalid() const {
    throw EConvertError("Format '" + std::string(format_) + "' invalid or incompatible with argument");
  }

  char Peek() const { return pos_ < format_.size() ? format_[pos_] : '\0'; }

  const TVarRec& NextArg() {
    if (next_ >= args_.size()) throw EConvertError("No argument for format '" + std::string(format_) + "'");
    return args_[next_++];
  }

  // A decimal number or "*" (the next argument, an integer); -1 when neither is there.
  Integer ReadNumber() {
    if (Peek() == '*') {
      ++pos_;
      const TVarRec& arg = NextArg();
      if (!arg.IsInteger() || arg.VInteger() < INT_MIN || arg.VInteger() > INT_MAX) Invalid();
      return static_cast<Integer>(arg.VInteger());
    }
    if (!IsDecimalDigit(Peek())) return -1;
    Int64 n = 0;
    while (IsDecimalDigit(Peek())) {
      n = n * 10 + (format_[pos_++] - '0');
      if (n > INT_MAX) Invalid();
    }
    return static_cast<Integer>(n);
  }

  Spec ReadSpec() {
    Spec spec;
    Integer number = ReadNumber();
    if (Peek() == ':') {
      ++pos_;
      if (number < 0) Invalid();
      next_ = static_cast<std::size_t>(number);
      number = -1;
    }
    if (number < 0) {
      if (Peek() == '-') {
        spec.leftJustify = true;
        ++pos_;
      }
      number = ReadNumber();
    }
    spec.width = number < 0 ? 0 : number;
    if (Peek() == '.') {
      ++pos_;
      spec.precision = std::max(ReadNumber(), 0);
    }
    const char type = Peek();
    if (type == '\0') Invalid();
    ++pos_;
    spec.type = LoCase(type);
    return spec;
  }

  void WriteSpecifier() {
    const Spec spec = ReadSpec();
    const std::string text = Convert(spec, NextArg());
    const std::size_t pad = spec.width > static_cast<Integer>(text.size()) ? spec.width - text.size() : 0;
    if (!spec.leftJustify) out_.append(pad, ' ');
    out_ += text;
    if (spec.leftJustify) out_.append(pad, ' ');
  }

  std::string Convert(const Spec& spec, const TVarRec& arg) const {
    switch (spec.type) {
      case 'd': case 'u': case 'x': return IntegerText(spec, arg);
      case 'e': return FloatText(arg, ffExponent, Or(spec.precision, kGeneralDigits), 3);
      case 'f': return FloatText(arg, ffFixed, kFixedPrecision, Or(spec.precision, kFixedDecimals));
      case 'g': return FloatText(arg, ffGeneral, Or(spec.precision, kGeneralDigits), 0);
      case 'n': return FloatText(arg, ffNumber, kFixedPrecision, Or(spec.precision, kFixedDecimals));
      case 'm': return FloatText(arg, ffCurrency, kFixedPrecision, Or(spec.precision, fs_.CurrencyDecimals));
      case 'p':
        if (arg.VType() != TVarRec::vtPointer) Invalid();
        return IntToHex(static_cast<Int64>(reinterpret_cast<std::uintptr_t>(arg.VPointer())), sizeof(void*) * 2);
      case 's': return StringText(spec, arg);
      default: Invalid();
    }
  }

  static Integer Or(Integer given, Integer fallback) { return given < 0 ? fallback : given; }

  std::string IntegerText(const Spec& spec, const TVarRec& arg) const {
    if (!arg.IsInteger()) Invalid();
    const bool narrow = arg.VType() == TVarRec::vtInteger;
    const Int64 value = arg.VInteger();
    const Integer minDigits = std::max(spec.precision, 0);
    if (spec.type == 'x') return narrow ? IntToHex(static_cast<Integer>(value), minDigits) : IntToHex(value, minDigits);
    if (spec.type == 'u') {
      return ZeroPaddedDigits(narrow ? static_cast<std::uint32_t>(value) : static_cast<UInt64>(value), minDigits);
    }
    const UInt64 magnitude = value < 0 ? UInt64{0} - static_cast<UInt64>(value) : static_cast<UInt64>(value);
    return (value < 0 ? "-" : "") + ZeroPaddedDigits(magnitude, minDigits);
  }

  std::string FloatText(const TVarRec& arg, TFloatFormat format, Integer precision, Integer digits) const {
    const bool currency = arg.VType() == TVarRec::vtCurrency;
    if (!currency && arg.VType() != TVarRec::vtExtended) Invalid();
    const NumberDigits number = currency ? NumberDigits(arg.VCurrency()) : NumberDigits(arg.VExtended());
    return NumberToStrF(number, format, precision, digits, fs_);
  }

  std::string StringText(const Spec& spec, const TVarRec& arg) const {
    std::string text;
    if (arg.VType() == TVarRec::vtString) text = arg.VString();
    else if (arg.VType() == TVarRec::vtChar) text = std::string(1, arg.VChar());
    else Invalid();
    if (spec.precision >= 0 && spec.precision < static_cast<Integer>(text.size())) text.resize(spec.precision);
    return text;
  }

  std::string_view format_;
  std::span<const TVarRec> args_;
  const TFormatSettings& fs_;
  std::size_t pos_ = 0;
  std::size_t next_ = 0;
  std::string out_;
};

}  // namespace

std::string Format(std::string_view format, std::initializer_list<TVarRec> args) {
  return Format(format, std::span<const TVarRec>(args.begin(), args.size()), FormatSettings);
}

std::string Format(std::string_view format, std::initializer_list<TVarRec> args, const TFormatSettings& settings) {
  return Format(format, std::span<const TVarRec>(args.begin(), args.size()), settings);
}

std::string Format(std::string_view format, std::span<const TVarRec> args) {
  return Format(format, args, FormatSettings);
}

std::string Format(std::string_view format, std::span<const TVarRec> args, const TFormatSettings& settings) {
  return Formatter(format, args, settings).Run();
}
