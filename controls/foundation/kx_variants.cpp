#include "controls/foundation/kx_variants.h"

Integer CompareVariants(const Variant& A, const Variant& B) {
  return A.IsArray() || B.IsArray() ? CompareVariantArrays(A, B) : CompareVariantValues(A, B);
}

// Positions count from each array's own low bound, so arrays that do not start at 0 compare too
// (for the usual 0-based arrays this is the high bounds and indexes 0 .. high bound).
Integer CompareVariantArrays(const Variant& A, const Variant& B) {
  if (!B.IsArray()) return 1;
  if (!A.IsArray()) return -1;
  if (VarArrayDimCount(A) != 1 || VarArrayDimCount(B) != 1) return -1;   // not comparable: counts as less
  const TVarArrayBound a = A.Bounds(1), b = B.Bounds(1);
  const Integer lastA = a.HighBound - a.LowBound, lastB = b.HighBound - b.LowBound;
  if (lastA != lastB) return lastA - lastB;
  for (Integer i = 0; i <= lastA; ++i)
    if (const Integer result = CompareVariants(A.Get({a.LowBound + i}), B.Get({b.LowBound + i})); result != 0)
      return result;
  return 0;
}

Integer CompareVariantValues(const Variant& A, const Variant& B) {
  if (A.IsEmpty()) return B.IsEmpty() ? 0 : -1;
  if (B.IsEmpty()) return 1;
  try {
    const TVariantRelationship relation = VarCompareValue(A, B);
    if (relation == vrEqual) return 0;
    if (A.IsNull()) return -1;
    if (B.IsNull()) return 1;
    return relation == vrLessThan ? -1 : 1;
  } catch (const EVariantError&) {
    return -1;
  }
}

bool VariantsEqual(const Variant& A, const Variant& B) { return CompareVariants(A, B) == 0; }

bool IsSameVariantValue(const Variant& A, const Variant& B) {
  const bool anyBoolean = A.VarType() == varBoolean || B.VarType() == varBoolean;
  if (A.IsNull() || B.IsNull() || !anyBoolean) return VariantsEqual(A, B);
  try {
    return A.AsString() == B.AsString();
  } catch (const EVariantError&) {
    return false;
  }
}

bool IsDateVariantType(TVarType Type) { return Type == varDate || Type == varSQLTimeStamp; }

bool IsDateVariant(const Variant& V) { return IsDateVariantType(V.VarType()); }

bool IsNumberVariant(const Variant& V) { return VarIsNumeric(V) || V.VarType() == varFMTBcd; }

bool IsNullOrEmptyTextVariant(const Variant& V) { return V.IsNull() || (VarIsStr(V) && V.AsString().empty()); }
