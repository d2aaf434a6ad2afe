// The value types of the run time's custom Variant types, streamed as Variants:
//   TkxFMTBcdValueType        34 bytes, a TBcd            varFMTBcd          BCD comparison
//   TkxSQLTimeStampValueType  16 bytes, a TSQLTimeStamp   varSQLTimeStamp    field by field, Year first
// A time stamp reads as a date-time Variant (an invalid time stamp as Null).
#pragma once

#include "controls/editors/kx_value_type.h"

class TkxFMTBcdValueType : public TkxValueType {
 public:
  const char* ClassName() const override { return "TkxFMTBcdValueType"; }
  Integer GetBufferSize() const override;
  void ReadBufferValue(const void* Buffer, Variant& Value) const override;
  void StoreValue(void* Buffer, const Variant& Value) const override;
  Integer CompareData(const void* Data1, const void* Data2) const override;
  TVarType GetVariantType() const override { return varFMTBcd; }
};

class TkxSQLTimeStampValueType : public TkxValueType {
 public:
  const char* ClassName() const override { return "TkxSQLTimeStampValueType"; }
  Integer GetBufferSize() const override;
  void ReadBufferValue(const void* Buffer, Variant& Value) const override;
  void StoreValue(void* Buffer, const Variant& Value) const override;
  Integer CompareData(const void* Data1, const void* Data2) const override;
  TVarType GetVariantType() const override { return varSQLTimeStamp; }
};
