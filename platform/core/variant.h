// Variant: the class library's tagged value of one of a fixed set of types, with the run time's
// conversions between them, its comparison and its arrays.
//
// Types (VarType codes): Empty, Null, the integers Smallint, Integer, ShortInt, Byte, Word,
// LongWord and Int64, Single, Double, Currency, Date (a TDateTime), OleStr (UTF-16 text), Boolean,
// String (code page 874 text), the custom types SQLTimeStamp (TSQLTimeStamp) and FMTBcd (TBcd),
// and arrays of Variants with bounds per dimension (VarType varArray | varVariant); then the two
// kinds an automation server answers: Error (a 32-bit error code) and Dispatch (an automation
// object, platform/shims/automation.h, shared by the Variants that refer to it).  Other
// interfaces and by-reference variants are not held (docs/platform-variant.md).
//
// Conversions follow the run time's rules (docs/platform-variant.md has the table): a value that
// cannot be converted raises EVariantTypeCastError "Could not convert variant of type (X) into
// type (Y)", one out of the target's range EVariantOverflowError; both are EVariantError, the
// "variant error" that callers catch.  Variants are values: copying one copies its array.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "platform/core/bcd.h"
#include "platform/core/currency.h"
#include "platform/core/exceptions.h"
#include "platform/core/sql_time_stamp.h"
#include "platform/core/types.h"

using TVarType = Word;

inline constexpr TVarType varEmpty = 0x0000, varNull = 0x0001, varSmallint = 0x0002, varInteger = 0x0003,
                          varSingle = 0x0004, varDouble = 0x0005, varCurrency = 0x0006, varDate = 0x0007,
                          varOleStr = 0x0008, varDispatch = 0x0009, varError = 0x000A, varBoolean = 0x000B, varVariant = 0x000C, varShortInt = 0x0010,
                          varByte = 0x0011, varWord = 0x0012, varLongWord = 0x0013, varInt64 = 0x0014,
                          varString = 0x0100, varTypeMask = 0x0FFF, varArray = 0x2000;
// The run time numbers its custom types as it registers them; here they are fixed.
inline constexpr TVarType varSQLTimeStamp = 0x010F, varFMTBcd = 0x0110;

PR_DECLARE_EXCEPTION(EVariantError, Exception);
PR_DECLARE_EXCEPTION(EVariantTypeCastError, EVariantError);
PR_DECLARE_EXCEPTION(EVariantOverflowError, EVariantError);
PR_DECLARE_EXCEPTION(EVariantInvalidOpError, EVariantError);
PR_DECLARE_EXCEPTION(EVariantBadIndexError, EVariantError);
PR_DECLARE_EXCEPTION(EVariantArrayCreateError, EVariantError);

// An automation object; only platform/shims knows what it is.
class IDispatch;

struct TVarArrayBound {
  Integer LowBound;
  Integer HighBound;
};

class Variant {
 public:
  Variant();   // Empty
  Variant(bool value);
  Variant(int value);           // Integer
  Variant(unsigned value);      // LongWord
  Variant(long value);          // Int64
  Variant(long long value);     // Int64
  Variant(float value);         // Single
  Variant(double value);        // Double
  Variant(Currency value);
  Variant(const char* text);    // String
  Variant(std::string text);
  Variant(std::string_view text);
  Variant(std::u16string text);  // OleStr
  Variant(const char16_t* text);
  Variant(const TBcd& value);
  Variant(const TSQLTimeStamp& value);
  Variant(std::shared_ptr<IDispatch> object);   // Dispatch; a null reference makes Empty
  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  static Variant FromDateTime(TDateTime value);
  // One of the integer types (varSmallint .. varInt64) holding `value` (EVariantOverflowError
  // outside the type's range).
  static Variant FromInteger(TVarType type, Int64 value);

  TVarType VarType() const;
  bool IsEmpty() const { return type_ == varEmpty; }
  bool IsNull() const { return type_ == varNull; }
  bool IsArray() const { return array_ != nullptr; }

  // Conversions (see the header comment).  AsString of Empty is "", of Null a cast error.
  Integer AsInteger() const;
  Int64 AsInt64() const;
  double AsDouble() const;
  Currency AsCurrency() const;
  TDateTime AsDateTime() const;
  bool AsBoolean() const;
  std::string AsString() const;
  std::u16string AsWideString() const;
  TBcd AsBcd() const;
  TSQLTimeStamp AsSQLTimeStamp() const;
  // The object of a Dispatch, null for Empty, a cast error for anything else.
  const std::shared_ptr<IDispatch>& AsDispatch() const;

  // Arrays: Get and Put take one index per dimension (EVariantBadIndexError outside the bounds or
  // with another count); on a variant that is not an array they raise EVariantInvalidOpError.
  Integer DimCount() const;
  TVarArrayBound Bounds(Integer dimension) const;   // dimension 1 .. DimCount
  const Variant& Get(std::initializer_list<Integer> indexes) const;
  void Put(std::initializer_list<Integer> indexes, Variant value);

 private:
  friend Variant Null();
  friend Variant VarAsError(Integer code);
  friend Variant VarArrayCreate(std::initializer_list<TVarArrayBound> bounds, TVarType elementType);
  struct ArrayData;
  friend struct VariantAccess;

  TVarType type_ = varEmpty;
  Int64 integer_ = 0;     // every integer type, Boolean (0 or 1), Currency's raw count
  double float_ = 0;      // Single, Double, Date
  std::string text_;      // String
  std::u16string wide_;   // OleStr
  TBcd bcd_;
  TSQLTimeStamp stamp_;
  std::shared_ptr<IDispatch> dispatch_;
  std::unique_ptr<ArrayData> array_;
};

Variant Null();
Variant Unassigned();

// An Error value holding `code` (an automation server's error code, such as 0x800A07D7); every
// conversion of it is a cast error.
Variant VarAsError(Integer code);
bool VarIsError(const Variant& v);
// As above, and the code when it is one.
bool VarIsError(const Variant& v, Integer& code);

// An array of Variants, one bound pair per dimension (at least one); elementType must be
// varVariant (EVariantArrayCreateError otherwise, or for a high bound below its low bound - 1).
Variant VarArrayCreate(std::initializer_list<TVarArrayBound> bounds, TVarType elementType);
inline Integer VarArrayDimCount(const Variant& v) { return v.DimCount(); }
inline Integer VarArrayLowBound(const Variant& v, Integer dim) { return v.Bounds(dim).LowBound; }
inline Integer VarArrayHighBound(const Variant& v, Integer dim) { return v.Bounds(dim).HighBound; }

// The value converted to the type; arrays are returned unchanged only when the type is theirs.
Variant VarAsType(const Variant& v, TVarType type);
// AsString, but "" for Null.
std::string VarToStr(const Variant& v);
// "Integer", "String", "Array Variant", ... as the error messages name types.
std::string VarTypeAsText(TVarType type);

bool VarIsOrdinal(const Variant& v);   // the integer types and Boolean
bool VarIsFloat(const Variant& v);     // Single, Double, Currency
bool VarIsNumeric(const Variant& v);   // ordinal or float
bool VarIsStr(const Variant& v);       // String or OleStr

enum TVariantRelationship { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };
// The run time's comparison of two values (not arrays: EVariantInvalidOpError).  Null equals Null
// and is vrNotEqual to anything else; Empty counts as 0, "" or False against the other side.
// Two texts compare byte by byte; a text against a number is converted to a number (a cast error
// when it is none), against a date to a date, against a Boolean to a Boolean.  Numbers compare
// exactly when both are integers, both Currency or both FMTBcd, else as doubles (a NaN gives
// vrNotEqual).  Booleans count as -1 (True) and 0.  Time stamps compare field by field.
TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);
