// The messages of the regular-expression engine (unit kxRegExpr), as resource strings read
// through LoadResStringOrReplacement when an error is recorded.  Numbers 64800 to 64829 belong to
// this unit (docs/controls-editors.md lists the ranges).
#pragma once

#include "platform/core/res_string.h"

inline constexpr TResStringRec sRegExprStreamNotAssigned = {64800, "The source stream is not assigned"};
inline constexpr TResStringRec sRegExprStreamEmpty = {64801, "The source stream is empty"};
inline constexpr TResStringRec sRegExprMissing = {64802, "Missing '%s'"};
inline constexpr TResStringRec sRegExprUnnecessary = {64803, "Unnecessary '%s'"};
inline constexpr TResStringRec sRegExprSpaceAfterEscape = {64804, "The space character is not allowed after '\\'"};
inline constexpr TResStringRec sRegExprHexExpected = {64805, "Hexadecimal number expected"};
inline constexpr TResStringRec sRegExprHexExpectedFound = {64806, "Hexadecimal number expected but '%s' found"};
inline constexpr TResStringRec sRegExprIllegal = {64807, "Illegal '%s'"};
inline constexpr TResStringRec sRegExprIllegalQuantifier = {64808, "Illegal quantifier '%s'"};
inline constexpr TResStringRec sRegExprIncorrectParameter = {64809, "Incorrect parameter quantifier"};
inline constexpr TResStringRec sRegExprParameterNotApplicable = {64810, "The parameter quantifier cannot be applied here"};
inline constexpr TResStringRec sRegExprStarNotApplicable = {64811, "The '*' quantifier cannot be applied here"};
inline constexpr TResStringRec sRegExprPlusNotApplicable = {64812, "The '+' quantifier cannot be applied here"};
inline constexpr TResStringRec sRegExprEmptyAlternative = {64813, "The alternative should not be empty"};
inline constexpr TResStringRec sRegExprEmptyBlock = {64814, "The block should not be empty"};
inline constexpr TResStringRec sRegExprIllegalInteger = {64815, "Illegal integer value"};
inline constexpr TResStringRec sRegExprReferenceTooBig = {64816, "Too big reference number"};
inline constexpr TResStringRec sRegExprEmptyEnumeration = {64817, "Can't create empty enumeration"};
inline constexpr TResStringRec sRegExprSubrangeOrder = {64818, "The starting character of the subrange must be less than the finishing one"};
inline constexpr TResStringRec sRegExprNotCompiled = {64819, "Regular expression is not compiled"};
inline constexpr TResStringRec sRegExprNestedTooDeeply = {64820, "The expression is nested too deeply"};
inline constexpr TResStringRec sRegExprTooLarge = {64821, "The expression is too large"};
