// Conversions of Variant values (see variant.h; docs/platform-variant.md has the rules as a table).
#include <cfloat>
#include <cmath>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/core/curr_text.h"
#include "platform/core/date_text.h"
#include "platform/core/float_math.h"
#include "platform/core/float_text.h"
#include "platform/core/int_text.h"
#include "platform/core/variant.h"
#include "platform/core/variant_access.h"

namespace {

using variant_detail::IsIntegerType;
using variant_detail::RaiseCastError;
using variant_detail::RaiseOverflow;

constexpr double kTwoTo63 = 9223372036854775808.0;

// The text a String or OleStr holds, as code page 874 bytes.
std::string TextOf(const Variant& v) {
  return v.VarType() == varOleStr ? Utf16ToCp874(VariantAccess::Wide(v)) : VariantAccess::Text(v);
}

Int64 RoundToInt64(double value) {
  if (!(std::fabs(value) < kTwoTo63)) RaiseOverflow();   // NaN included
  return Round(value);
}

// Currency's count of ten-thousandths to whole units, halves to even.
Int64 RoundCurrency(Int64 raw) {
  Int64 whole = raw / Currency::kScale, rest = raw % Currency::kScale;
  if (rest < 0) {
    rest += Currency::kScale;
    --whole;
  }
  if (rest > Currency::kScale / 2 || (rest == Currency::kScale / 2 && whole % 2 != 0)) ++whole;
  return whole;
}

TDateTime StampToDateTime(const Variant& v, TVarType target) {
  TDateTime result;
  if (!TrySQLTimeStampToDateTime(VariantAccess::Stamp(v), result)) RaiseCastError(v.VarType(), target);
  return result;
}

double TextToDouble(const Variant& v, TVarType target) {
  double value;
  if (!TryStrToFloat(TextOf(v), value)) RaiseCastError(v.VarType(), target);
  return value;
}

Int64 TextToInt64(const Variant& v, TVarType target) {
  const std::string text = TextOf(v);
  Int64 value;
  if (TryStrToInt64(text, value)) return value;
  double number;
  if (!TryStrToFloat(text, number)) RaiseCastError(v.VarType(), target);
  return RoundToInt64(number);
}

// Every conversion to a number starts here; the target names the type in a cast error.
Int64 ToInt64(const Variant& v, TVarType target) {
  const TVarType type = v.VarType();
  if (IsIntegerType(type)) return VariantAccess::Integer(v);
  switch (type) {
    case varEmpty: return 0;
    case varBoolean: return VariantAccess::Integer(v) ? -1 : 0;
    case varSingle: case varDouble: case varDate: return RoundToInt64(VariantAccess::Float(v));
    case varCurrency: return RoundCurrency(VariantAccess::Integer(v));
    case varString: case varOleStr: return TextToInt64(v, target);
    case varFMTBcd: return RoundToInt64(BcdToDouble(VariantAccess::Bcd(v)));
    case varSQLTimeStamp: return RoundToInt64(StampToDateTime(v, target));
    default: RaiseCastError(type, target);
  }
}

double ToDouble(const Variant& v, TVarType target) {
  const TVarType type = v.VarType();
  if (IsIntegerType(type)) return double(VariantAccess::Integer(v));
  switch (type) {
    case varEmpty: return 0;
    case varBoolean: return VariantAccess::Integer(v) ? -1 : 0;
    case varSingle: case varDouble: case varDate: return VariantAccess::Float(v);
    case varCurrency: return Currency::FromRaw(VariantAccess::Integer(v)).ToDouble();
    case varString: case varOleStr: return TextToDouble(v, target);
    case varFMTBcd: return BcdToDouble(VariantAccess::Bcd(v));
    case varSQLTimeStamp: return StampToDateTime(v, target);
    default: RaiseCastError(type, target);
  }
}

std::string BooleanText(bool value) { return value ? "True" : "False"; }

}  // namespace

Int64 Variant::AsInt64() const { return ToInt64(*this, varInt64); }

Integer Variant::AsInteger() const {
  const Int64 value = ToInt64(*this, varInteger);
  if (value < INT32_MIN || value > INT32_MAX) RaiseOverflow();
  return static_cast<Integer>(value);
}

double Variant::AsDouble() const { return ToDouble(*this, varDouble); }

Currency Variant::AsCurrency() const {
  const TVarType type = VarType();
  if (type == varCurrency) return Currency::FromRaw(integer_);
  if (type == varString || type == varOleStr) {
    Currency value;
    if (!TryStrToCurr(TextOf(*this), value)) RaiseCastError(type, varCurrency);
    return value;
  }
  try {
    if (IsIntegerType(type) || type == varBoolean) return Currency::FromInteger(ToInt64(*this, varCurrency));
    return Currency::FromDouble(ToDouble(*this, varCurrency));
  } catch (const EMathError&) {
    RaiseOverflow();
  }
}

TDateTime Variant::AsDateTime() const {
  if (VarType() == varString || VarType() == varOleStr) {
    TDateTime value;
    if (!TryStrToDateTime(TextOf(*this), value)) RaiseCastError(VarType(), varDate);
    return value;
  }
  return ToDouble(*this, varDate);
}

bool Variant::AsBoolean() const {
  const TVarType type = VarType();
  if (type == varString || type == varOleStr) {
    const std::string text = TextOf(*this);
    if (SameText(text, "True")) return true;
    if (SameText(text, "False")) return false;
    return TextToDouble(*this, varBoolean) != 0;
  }
  if (type == varSQLTimeStamp) RaiseCastError(type, varBoolean);
  if (type == varCurrency) return integer_ != 0;
  if (type == varFMTBcd) return BcdCompare(bcd_, TBcd{}) != 0;
  return ToDouble(*this, varBoolean) != 0;
}

std::string Variant::AsString() const {
  const TVarType type = VarType();
  if (IsIntegerType(type)) return IntToStr(integer_);
  switch (type) {
    case varEmpty: return "";
    case varBoolean: return BooleanText(integer_ != 0);
    case varSingle: return FloatToStrF(float_, ffGeneral, 7, 0);
    case varDouble: return FloatToStr(float_);
    case varDate: return DateTimeToStr(float_);
    case varCurrency: return CurrToStr(Currency::FromRaw(integer_));
    case varString: return text_;
    case varOleStr: return Utf16ToCp874(wide_);
    case varFMTBcd: return BcdToStr(bcd_);
    case varSQLTimeStamp: return DateTimeToStr(StampToDateTime(*this, varString));
    default: RaiseCastError(type, varString);
  }
}

std::u16string Variant::AsWideString() const {
  if (VarType() == varOleStr) return wide_;
  if (VarType() == varNull || IsArray()) RaiseCastError(VarType(), varOleStr);
  return Cp874ToUtf16(AsString());
}

TBcd Variant::AsBcd() const {
  const TVarType type = VarType();
  if (type == varFMTBcd) return bcd_;
  TBcd value;
  switch (type) {
    case varString: case varOleStr:
      if (!TryStrToBcd(TextOf(*this), value)) RaiseCastError(type, varFMTBcd);
      return value;
    case varCurrency:
      if (!TryStrToBcd(CurrToStr(Currency::FromRaw(integer_)), value)) RaiseCastError(type, varFMTBcd);
      return value;
    case varSQLTimeStamp:
      RaiseCastError(type, varFMTBcd);
    default:
      if (IsIntegerType(type) || type == varBoolean || type == varEmpty) return IntegerToBcd(ToInt64(*this, varFMTBcd));
      try {
        return DoubleToBcd(ToDouble(*this, varFMTBcd));
      } catch (const EBcdException&) {
        RaiseOverflow();
      }
  }
}

TSQLTimeStamp Variant::AsSQLTimeStamp() const {
  if (VarType() == varSQLTimeStamp) return stamp_;
  return DateTimeToSQLTimeStamp(AsDateTime());
}

const std::shared_ptr<IDispatch>& Variant::AsDispatch() const {
  if (VarType() != varDispatch && VarType() != varEmpty) RaiseCastError(VarType(), varDispatch);
  return dispatch_;
}

Variant VarAsType(const Variant& v, TVarType type) {
  const TVarType from = v.VarType();
  if (type == from || type == varVariant) return v;
  if (v.IsArray() || (type & varArray) != 0 || (from == varNull && type != varEmpty)) RaiseCastError(from, type);
  if (IsIntegerType(type)) return Variant::FromInteger(type, ToInt64(v, type));
  switch (type) {
    case varEmpty: return Unassigned();
    case varNull: return Null();
    case varBoolean: return Variant(v.AsBoolean());
    case varSingle: {
      const double value = ToDouble(v, varSingle);
      if (std::isfinite(value) && std::fabs(value) > FLT_MAX) RaiseOverflow();
      return Variant(static_cast<float>(value));
    }
    case varDouble: return Variant(ToDouble(v, varDouble));
    case varCurrency: return Variant(v.AsCurrency());
    case varDate: return Variant::FromDateTime(v.AsDateTime());
    case varString: return Variant(v.AsString());
    case varOleStr: return Variant(v.AsWideString());
    case varFMTBcd: return Variant(v.AsBcd());
    case varSQLTimeStamp: return Variant(v.AsSQLTimeStamp());
    default: RaiseCastError(from, type);
  }
}

std::string VarToStr(const Variant& v) { return v.IsNull() ? std::string() : v.AsString(); }
