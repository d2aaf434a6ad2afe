// TVarRec: one argument of Format, as the class library's "array of const" element.
//
// A TVarRec is built implicitly from the value it carries, so that argument lists read
// `Format("%d of %s", {3, name})`: int -> vtInteger; Cardinal, long and long long -> vtInt64 (as the
// class library widens Cardinal); double and float -> vtExtended; Currency -> vtCurrency;
// char -> vtChar; texts -> vtString;
// other pointers -> vtPointer.  bool is refused at compile time (no format specifier takes it).
// A vtString holds a view: the text must outlive the TVarRec, which it does for the temporaries of
// a Format call's argument list (they live until the end of the full expression).
#pragma once

#include <string>
#include <string_view>

#include "platform/core/currency.h"
#include "platform/core/types.h"

class TVarRec {
 public:
  enum Kind : Byte { vtInteger, vtInt64, vtExtended, vtCurrency, vtString, vtChar, vtPointer };

  TVarRec(int value) : kind_(vtInteger), integer_(value) {}
  TVarRec(unsigned value) : kind_(vtInt64), integer_(value) {}
  TVarRec(long value) : kind_(vtInt64), integer_(value) {}
  TVarRec(unsigned long value) : kind_(vtInt64), integer_(static_cast<Int64>(value)) {}
  TVarRec(long long value) : kind_(vtInt64), integer_(value) {}
  TVarRec(unsigned long long value) : kind_(vtInt64), integer_(static_cast<Int64>(value)) {}
  TVarRec(double value) : kind_(vtExtended), float_(value) {}
  TVarRec(Currency value) : kind_(vtCurrency), integer_(value.Raw()) {}
  TVarRec(char value) : kind_(vtChar), integer_(static_cast<unsigned char>(value)) {}
  TVarRec(const char* text) : kind_(vtString), text_(text ? text : "") {}
  TVarRec(std::string_view text) : kind_(vtString), text_(text) {}
  TVarRec(const std::string& text) : kind_(vtString), text_(text) {}
  TVarRec(const void* pointer) : kind_(vtPointer), pointer_(pointer) {}
  TVarRec(bool) = delete;

  Kind VType() const { return kind_; }
  bool IsInteger() const { return kind_ == vtInteger || kind_ == vtInt64; }
  Int64 VInteger() const { return integer_; }   // vtInteger, vtInt64; the byte of a vtChar
  double VExtended() const { return float_; }
  Currency VCurrency() const { return Currency::FromRaw(integer_); }
  std::string_view VString() const { return text_; }
  char VChar() const { return static_cast<char>(integer_); }
  const void* VPointer() const { return pointer_; }

 private:
  Kind kind_;
  Int64 integer_ = 0;   // vtInteger, vtInt64, vtChar; a vtCurrency's raw count
  double float_ = 0;
  std::string_view text_;
  const void* pointer_ = nullptr;
};
