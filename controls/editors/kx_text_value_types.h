// The text value types: TkxStringValueType (8-bit text, varString) and TkxWideStringValueType
// (UTF-16 text, varOleStr).  Both are reference kinds: the buffer holds a pointer to a heap cell
// with the text.  Compared ordinally (byte or code unit), case-sensitive; a buffer without a cell
// is below any with one.  Stream format: a 4-byte length, then the characters (1 byte each; for
// wide text 2 bytes each, the text passed through code page 874 first).
#pragma once

#include "controls/editors/kx_value_type.h"

class TkxStringValueType : public TkxValueType {
 public:
  const char* ClassName() const override { return "TkxStringValueType"; }
  void ReleaseBuffer(void* Buffer) const override;
  Integer GetBufferSize() const override;
  void ReadBufferValue(const void* Buffer, Variant& Value) const override;
  void LoadValue(void* Buffer, TStream* Stream) const override;
  void StoreValue(void* Buffer, const Variant& Value) const override;
  void SaveValue(const void* Buffer, TStream* Stream) const override;
  Integer CompareData(const void* Data1, const void* Data2) const override;
  void DataToVariant(const void* Data, Variant& Value) const override;
  TVarType GetVariantType() const override { return varString; }
  bool IsTextType() const override { return true; }
  void DerefBuffer(const void*& Data) const override;
};

class TkxWideStringValueType : public TkxStringValueType {
 public:
  const char* ClassName() const override { return "TkxWideStringValueType"; }
  void ReleaseBuffer(void* Buffer) const override;
  void LoadValue(void* Buffer, TStream* Stream) const override;
  void StoreValue(void* Buffer, const Variant& Value) const override;
  void SaveValue(const void* Buffer, TStream* Stream) const override;
  Integer CompareData(const void* Data1, const void* Data2) const override;
  void DataToVariant(const void* Data, Variant& Value) const override;
  TVarType GetVariantType() const override { return varOleStr; }
};
