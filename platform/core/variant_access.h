// The Variant's own files' view of its fields (variant.cpp, variant_convert.cpp,
// variant_compare.cpp); nothing else includes this header.
#pragma once

#include <string>
#include <vector>

#include "platform/core/variant.h"

struct Variant::ArrayData {
  std::vector<TVarArrayBound> bounds;
  std::vector<Variant> elements;   // the last dimension varies fastest
};

struct VariantAccess {
  static Int64 Integer(const Variant& v) { return v.integer_; }
  static double Float(const Variant& v) { return v.float_; }
  static const std::string& Text(const Variant& v) { return v.text_; }
  static const std::u16string& Wide(const Variant& v) { return v.wide_; }
  static const TBcd& Bcd(const Variant& v) { return v.bcd_; }
  static const TSQLTimeStamp& Stamp(const Variant& v) { return v.stamp_; }
};

namespace variant_detail {

bool IsIntegerType(TVarType type);
[[noreturn]] void RaiseCastError(TVarType from, TVarType to);
[[noreturn]] void RaiseOverflow();

}  // namespace variant_detail
