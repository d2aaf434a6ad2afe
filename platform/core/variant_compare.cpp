// VarCompareValue: the run time's comparison of two Variant values (see variant.h).
#include "platform/core/ansi_strings.h"
#include "platform/core/variant.h"
#include "platform/core/variant_access.h"

namespace {

using variant_detail::IsIntegerType;

template <class T>
TVariantRelationship Order(const T& a, const T& b) {
  if (a == b) return vrEqual;
  if (a < b) return vrLessThan;
  if (b < a) return vrGreaterThan;
  return vrNotEqual;   // unordered doubles (a NaN)
}

TVariantRelationship FromSign(Integer sign) { return sign < 0 ? vrLessThan : (sign > 0 ? vrGreaterThan : vrEqual); }

bool IsText(TVarType t) { return t == varString || t == varOleStr; }
bool IsExactInteger(TVarType t) { return IsIntegerType(t) || t == varBoolean || t == varEmpty; }

// Empty meets a text as "", anything else as 0 (False, 1899-12-30).
Variant EmptyAgainst(const Variant& other) { return IsText(other.VarType()) ? Variant("") : Variant(0); }

TVariantRelationship CompareSameKind(const Variant& a, const Variant& b) {
  const TVarType ta = a.VarType(), tb = b.VarType();
  if (IsText(ta) && IsText(tb)) return FromSign(CompareStr(a.AsString(), b.AsString()));
  if (IsExactInteger(ta) && IsExactInteger(tb)) return Order(a.AsInt64(), b.AsInt64());
  if (ta == varCurrency && tb == varCurrency) return Order(a.AsCurrency(), b.AsCurrency());
  if (ta == varFMTBcd && tb == varFMTBcd) return FromSign(BcdCompare(a.AsBcd(), b.AsBcd()));
  if (ta == varSQLTimeStamp && tb == varSQLTimeStamp)
    return FromSign(CompareSQLTimeStamps(a.AsSQLTimeStamp(), b.AsSQLTimeStamp()));
  return Order(a.AsDouble(), b.AsDouble());
}

}  // namespace

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b) {
  if (a.IsArray() || b.IsArray()) throw EVariantInvalidOpError("Invalid variant operation");
  if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull() ? vrEqual : vrNotEqual;
  if (a.IsEmpty() && !b.IsEmpty()) return VarCompareValue(EmptyAgainst(b), b);
  if (b.IsEmpty() && !a.IsEmpty()) return VarCompareValue(a, EmptyAgainst(a));
  // A text against a value of another kind takes that value's kind first.
  const TVarType ta = a.VarType(), tb = b.VarType();
  if (IsText(ta) != IsText(tb)) {
    const TVarType target = IsText(ta) ? tb : ta;
    const TVarType as = target == varDate || target == varSQLTimeStamp ? varDate
                        : target == varBoolean                       ? varBoolean
                                                                     : varDouble;
    if (IsText(ta)) return CompareSameKind(VarAsType(a, as), as == varDate ? VarAsType(b, varDate) : b);
    return CompareSameKind(as == varDate ? VarAsType(a, varDate) : a, VarAsType(b, as));
  }
  return CompareSameKind(a, b);
}
