// TkxVariantValueType: any Variant, a reference kind (the buffer holds a pointer to a heap cell
// with the Variant).  A buffer without a cell is below any with one; cells compare as Variants
// (CompareVariants).  Stream format: a streamed Variant.
#pragma once

#include "controls/editors/kx_value_type.h"

class TkxVariantValueType : public TkxValueType {
 public:
  const char* ClassName() const override { return "TkxVariantValueType"; }
  void ReleaseBuffer(void* Buffer) const override;
  Integer GetBufferSize() const override;
  void ReadBufferValue(const void* Buffer, Variant& Value) const override;
  void StoreValue(void* Buffer, const Variant& Value) const override;
  Integer CompareData(const void* Data1, const void* Data2) const override;
  void DataToVariant(const void* Data, Variant& Value) const override;
  void DerefBuffer(const void*& Data) const override;
};
