#include "controls/editors/kx_number_value_types.h"

#include "controls/editors/value_buffer.h"
#include "controls/foundation/kx_variant_stream.h"

using namespace value_buffer;

namespace {

// What each fixed-size kind is made of: its C++ type, its Variant type, its conversions, its
// comparison and its stream format.
struct SmallintKind {
  using T = SmallInt;
  static constexpr TVarType kType = varSmallint;
  static Variant ToVariant(T v) { return Variant::FromInteger(kType, v); }
  static T FromVariant(const Variant& v) { return T(VarAsType(v, kType).AsInteger()); }
  static Integer Compare(T a, T b) { return Integer(a) - Integer(b); }
  static void Write(TStream* s, T v) { WriteStreamSmallInt(s, v); }
  static T Read(TStream* s) { return ReadStreamSmallInt(s); }
};

struct IntegerKind {
  using T = Integer;
  static constexpr TVarType kType = varInteger;
  static Variant ToVariant(T v) { return Variant(v); }
  static T FromVariant(const Variant& v) { return VarAsType(v, kType).AsInteger(); }
  static Integer Compare(T a, T b) { return Sign(a, b); }
  static void Write(TStream* s, T v) { WriteStreamInteger(s, v); }
  static T Read(TStream* s) { return ReadStreamInteger(s); }
};

struct WordKind {
  using T = Word;
  static constexpr TVarType kType = varWord;
  static Variant ToVariant(T v) { return Variant::FromInteger(kType, v); }
  static T FromVariant(const Variant& v) { return T(VarAsType(v, kType).AsInteger()); }
  static Integer Compare(T a, T b) { return Integer(a) - Integer(b); }
  static void Write(TStream* s, T v) { WriteStreamWord(s, v); }
  static T Read(TStream* s) { return ReadStreamWord(s); }
};

struct BooleanKind {
  using T = Byte;
  static constexpr TVarType kType = varBoolean;
  static Variant ToVariant(T v) { return Variant(v != 0); }
  static T FromVariant(const Variant& v) { return v.AsBoolean() ? 1 : 0; }
  static Integer Compare(T a, T b) { return Integer(a) - Integer(b); }
  static void Write(TStream* s, T v) { WriteStreamByte(s, v); }
  static T Read(TStream* s) { return ReadStreamByte(s); }
};

struct FloatKind {
  using T = double;
  static constexpr TVarType kType = varDouble;
  static Variant ToVariant(T v) { return Variant(v); }
  static T FromVariant(const Variant& v) { return v.AsDouble(); }
  static Integer Compare(T a, T b) { return Sign(a, b); }
  static void Write(TStream* s, T v) { WriteStreamExtended(s, v); }
  static T Read(TStream* s) { return ReadStreamExtended(s); }
};

struct CurrencyKind {
  using T = Int64;   // ten-thousandths
  static constexpr TVarType kType = varCurrency;
  static Variant ToVariant(T v) { return Variant(Currency::FromRaw(v)); }
  static T FromVariant(const Variant& v) { return v.AsCurrency().Raw(); }
  static Integer Compare(T a, T b) { return Sign(a, b); }
  static void Write(TStream* s, T v) { WriteStreamCurrency(s, Currency::FromRaw(v)); }
  static T Read(TStream* s) { return ReadStreamCurrency(s).Raw(); }
};

struct DateTimeKind {
  using T = TDateTime;
  static constexpr TVarType kType = varDate;
  static Variant ToVariant(T v) { return Variant::FromDateTime(v); }
  static T FromVariant(const Variant& v) { return v.AsDateTime(); }
  static Integer Compare(T a, T b) { return Sign(a, b); }
  static void Write(TStream* s, T v) { WriteStreamDateTime(s, v); }
  static T Read(TStream* s) { return ReadStreamDateTime(s); }
};

struct LargeIntKind {
  using T = Int64;
  static constexpr TVarType kType = varInt64;
  static Variant ToVariant(T v) { return Variant::FromInteger(kType, v); }
  static T FromVariant(const Variant& v) { return v.AsInt64(); }
  static Integer Compare(T a, T b) { return Sign(a, b); }
  static void Write(TStream* s, T v) { WriteStreamInt64(s, v); }
  static T Read(TStream* s) { return ReadStreamInt64(s); }
};

}  // namespace

#define PR_DEFINE_FIXED_SIZE_VALUE_TYPE(Name, Kind)                                                        \
  Integer Name::GetBufferSize() const { return Integer(sizeof(Kind::T)); }                                 \
  void Name::ReadBufferValue(const void* Buffer, Variant& Value) const {                                   \
    Value = Kind::ToVariant(Load<Kind::T>(Buffer));                                                        \
  }                                                                                                        \
  void Name::LoadValue(void* Buffer, TStream* Stream) const { Store(Buffer, Kind::Read(Stream)); }         \
  void Name::StoreValue(void* Buffer, const Variant& Value) const { Store(Buffer, Kind::FromVariant(Value)); } \
  void Name::SaveValue(const void* Buffer, TStream* Stream) const { Kind::Write(Stream, Load<Kind::T>(Buffer)); } \
  Integer Name::CompareData(const void* Data1, const void* Data2) const {                                  \
    return Kind::Compare(Load<Kind::T>(Data1), Load<Kind::T>(Data2));                                      \
  }                                                                                                        \
  TVarType Name::GetVariantType() const { return Kind::kType; }

PR_DEFINE_FIXED_SIZE_VALUE_TYPE(TkxSmallintValueType, SmallintKind)
PR_DEFINE_FIXED_SIZE_VALUE_TYPE(TkxIntegerValueType, IntegerKind)
PR_DEFINE_FIXED_SIZE_VALUE_TYPE(TkxWordValueType, WordKind)
PR_DEFINE_FIXED_SIZE_VALUE_TYPE(TkxBooleanValueType, BooleanKind)
PR_DEFINE_FIXED_SIZE_VALUE_TYPE(TkxFloatValueType, FloatKind)
PR_DEFINE_FIXED_SIZE_VALUE_TYPE(TkxCurrencyValueType, CurrencyKind)
PR_DEFINE_FIXED_SIZE_VALUE_TYPE(TkxDateTimeValueType, DateTimeKind)
PR_DEFINE_FIXED_SIZE_VALUE_TYPE(TkxLargeIntValueType, LargeIntKind)
