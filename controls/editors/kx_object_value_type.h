// TkxObjectValueType: an object reference (8 bytes, the object owned by the buffer: ReleaseBuffer
// frees it).  References compare as unsigned numbers; nothing is streamed.  A reference reads as
// its number (varInt64); a number never becomes a reference, so StoreValue raises
// EVariantTypeCastError and leaves the buffer as it was (code puts objects in buffers itself).
#pragma once

#include "controls/editors/kx_number_value_types.h"

class TkxObjectValueType : public TkxIntegerValueType {
 public:
  const char* ClassName() const override { return "TkxObjectValueType"; }
  void ReleaseBuffer(void* Buffer) const override;
  Integer GetBufferSize() const override;
  void ReadBufferValue(const void* Buffer, Variant& Value) const override;
  void LoadValue(void* Buffer, TStream* Stream) const override;
  void StoreValue(void* Buffer, const Variant& Value) const override;
  void SaveValue(const void* Buffer, TStream* Stream) const override;
  Integer CompareData(const void* Data1, const void* Data2) const override;
};
