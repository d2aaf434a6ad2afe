// Construction, copying, arrays and type names of Variant (see variant.h).
#include "platform/core/variant.h"

#include <utility>

#include "platform/core/format.h"
#include "platform/core/int_text.h"
#include "platform/core/variant_access.h"

namespace variant_detail {

bool IsIntegerType(TVarType type) {
  switch (type) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord:
    case varInt64:
      return true;
    default:
      return false;
  }
}

void RaiseCastError(TVarType from, TVarType to) {
  throw EVariantTypeCastError(
      Format("Could not convert variant of type (%s) into type (%s)", {VarTypeAsText(from), VarTypeAsText(to)}));
}

void RaiseOverflow() { throw EVariantOverflowError("Arithmetic overflow error"); }

}  // namespace variant_detail

namespace {

using variant_detail::IsIntegerType;

bool InRange(TVarType type, Int64 value) {
  switch (type) {
    case varSmallint: return value >= -32768 && value <= 32767;
    case varInteger: return value >= INT32_MIN && value <= INT32_MAX;
    case varShortInt: return value >= -128 && value <= 127;
    case varByte: return value >= 0 && value <= 255;
    case varWord: return value >= 0 && value <= 65535;
    case varLongWord: return value >= 0 && value <= Int64(UINT32_MAX);
    default: return true;
  }
}

[[noreturn]] void RaiseBadIndex() { throw EVariantBadIndexError("Variant or safe array index out of bounds"); }
[[noreturn]] void RaiseNotArray() { throw EVariantInvalidOpError("Invalid variant operation"); }

}  // namespace

Variant::Variant() = default;
Variant::Variant(bool value) : type_(varBoolean), integer_(value ? 1 : 0) {}
Variant::Variant(int value) : type_(varInteger), integer_(value) {}
Variant::Variant(unsigned value) : type_(varLongWord), integer_(value) {}
Variant::Variant(long value) : type_(varInt64), integer_(value) {}
Variant::Variant(long long value) : type_(varInt64), integer_(value) {}
Variant::Variant(float value) : type_(varSingle), float_(value) {}
Variant::Variant(double value) : type_(varDouble), float_(value) {}
Variant::Variant(Currency value) : type_(varCurrency), integer_(value.Raw()) {}
Variant::Variant(const char* text) : type_(varString), text_(text ? text : "") {}
Variant::Variant(std::string text) : type_(varString), text_(std::move(text)) {}
Variant::Variant(std::string_view text) : type_(varString), text_(text) {}
Variant::Variant(std::u16string text) : type_(varOleStr), wide_(std::move(text)) {}
Variant::Variant(const char16_t* text) : type_(varOleStr), wide_(text ? text : u"") {}
Variant::Variant(const TBcd& value) : type_(varFMTBcd), bcd_(value) {}
Variant::Variant(const TSQLTimeStamp& value) : type_(varSQLTimeStamp), stamp_(value) {}
Variant::Variant(std::shared_ptr<IDispatch> object)
    : type_(object ? varDispatch : varEmpty), dispatch_(std::move(object)) {}

Variant::Variant(const Variant& other)
    : type_(other.type_),
      integer_(other.integer_),
      float_(other.float_),
      text_(other.text_),
      wide_(other.wide_),
      bcd_(other.bcd_),
      stamp_(other.stamp_),
      dispatch_(other.dispatch_),
      array_(other.array_ ? std::make_unique<ArrayData>(*other.array_) : nullptr) {}

Variant::Variant(Variant&& other) noexcept = default;

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) *this = Variant(other);
  return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept = default;
Variant::~Variant() = default;

Variant Variant::FromDateTime(TDateTime value) {
  Variant v(value);
  v.type_ = varDate;
  return v;
}

Variant Variant::FromInteger(TVarType type, Int64 value) {
  if (!IsIntegerType(type)) variant_detail::RaiseCastError(varInt64, type);
  if (!InRange(type, value)) variant_detail::RaiseOverflow();
  Variant v;
  v.type_ = type;
  v.integer_ = value;
  return v;
}

TVarType Variant::VarType() const { return array_ ? TVarType(varArray | varVariant) : type_; }

Integer Variant::DimCount() const { return array_ ? Integer(array_->bounds.size()) : 0; }

TVarArrayBound Variant::Bounds(Integer dimension) const {
  if (!array_) RaiseNotArray();
  if (dimension < 1 || dimension > DimCount()) RaiseBadIndex();
  return array_->bounds[std::size_t(dimension - 1)];
}

namespace {

std::size_t ElementOffset(const std::vector<TVarArrayBound>& bounds, std::initializer_list<Integer> indexes) {
  if (indexes.size() != bounds.size()) RaiseBadIndex();
  std::size_t offset = 0;
  auto bound = bounds.begin();
  for (Integer index : indexes) {
    if (index < bound->LowBound || index > bound->HighBound) RaiseBadIndex();
    offset = offset * std::size_t(bound->HighBound - bound->LowBound + 1) + std::size_t(index - bound->LowBound);
    ++bound;
  }
  return offset;
}

}  // namespace

const Variant& Variant::Get(std::initializer_list<Integer> indexes) const {
  if (!array_) RaiseNotArray();
  return array_->elements[ElementOffset(array_->bounds, indexes)];
}

void Variant::Put(std::initializer_list<Integer> indexes, Variant value) {
  if (!array_) RaiseNotArray();
  array_->elements[ElementOffset(array_->bounds, indexes)] = std::move(value);
}

Variant Null() {
  Variant v;
  v.type_ = varNull;
  return v;
}

Variant Unassigned() { return Variant(); }

Variant VarAsError(Integer code) {
  Variant v;
  v.type_ = varError;
  v.integer_ = code;
  return v;
}

bool VarIsError(const Variant& v) { return v.VarType() == varError; }

bool VarIsError(const Variant& v, Integer& code) {
  if (!VarIsError(v)) return false;
  code = Integer(VariantAccess::Integer(v));
  return true;
}

Variant VarArrayCreate(std::initializer_list<TVarArrayBound> bounds, TVarType elementType) {
  if (bounds.size() == 0 || elementType != varVariant) throw EVariantArrayCreateError("Error creating variant or safe array");
  Int64 count = 1;
  for (const TVarArrayBound& bound : bounds) {
    const Int64 length = Int64(bound.HighBound) - bound.LowBound + 1;
    if (length < 0) throw EVariantArrayCreateError("Error creating variant or safe array");
    count *= length;
    if (count > INT32_MAX) throw EVariantArrayCreateError("Error creating variant or safe array");
  }
  Variant v;
  v.array_ = std::make_unique<Variant::ArrayData>();
  v.array_->bounds.assign(bounds.begin(), bounds.end());
  v.array_->elements.resize(std::size_t(count));
  return v;
}

std::string VarTypeAsText(TVarType type) {
  if (type & varArray) return "Array " + VarTypeAsText(TVarType(type & varTypeMask));
  switch (type) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varSmallint: return "Smallint";
    case varInteger: return "Integer";
    case varSingle: return "Single";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case varOleStr: return "OleStr";
    case varDispatch: return "Dispatch";
    case varError: return "Error";
    case varBoolean: return "Boolean";
    case varVariant: return "Variant";
    case varShortInt: return "ShortInt";
    case varByte: return "Byte";
    case varWord: return "Word";
    case varLongWord: return "LongWord";
    case varInt64: return "Int64";
    case varString: return "String";
    case varSQLTimeStamp: return "SQLTimeStamp";
    case varFMTBcd: return "FMTBcd";
    default: return "$" + IntToHex(Integer(type), 4);
  }
}

bool VarIsOrdinal(const Variant& v) { return v.VarType() == varBoolean || IsIntegerType(v.VarType()); }

bool VarIsFloat(const Variant& v) {
  const TVarType t = v.VarType();
  return t == varSingle || t == varDouble || t == varCurrency;
}

bool VarIsNumeric(const Variant& v) { return VarIsOrdinal(v) || VarIsFloat(v); }

bool VarIsStr(const Variant& v) { return v.VarType() == varString || v.VarType() == varOleStr; }
