// How the control library compares and classifies Variant values (unit kxVariants).
//
// Comparison never raises a variant error: a pair the run time cannot compare (a text that is not
// a number against a number) counts as less.  Empty is below everything but Empty; Null is below
// everything but Empty and Null.  One-dimensional arrays compare by their lengths first (for
// 0-based arrays, the difference of their high bounds), then element by element from their low
// bounds; an array is above any value that is not one; arrays of more dimensions count as less.
#pragma once

#include "platform/core/variant.h"

// -1, 0 or 1 (arrays: any difference of high bounds).
Integer CompareVariants(const Variant& A, const Variant& B);
Integer CompareVariantArrays(const Variant& A, const Variant& B);
Integer CompareVariantValues(const Variant& A, const Variant& B);
bool VariantsEqual(const Variant& A, const Variant& B);
// VariantsEqual, except that with a Boolean on either side (and no Null) both are compared as
// texts: True is the same as "True", not as -1 or 1.
bool IsSameVariantValue(const Variant& A, const Variant& B);
// A date or an SQL time stamp.
bool IsDateVariant(const Variant& V);
bool IsDateVariantType(TVarType Type);
// The run time's numeric test (integers, Boolean, Single, Double, Currency) or an FMTBcd.
bool IsNumberVariant(const Variant& V);
// Null, or a text equal to ""; Empty and 0 are not.
bool IsNullOrEmptyTextVariant(const Variant& V);
