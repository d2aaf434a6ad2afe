// The fixed-size number value types: the buffer holds the value itself, little-endian.
//
//   class                    buffer                 Variant        comparison               stream
//   TkxSmallintValueType     2, signed              varSmallint    difference               2 bytes
//   TkxIntegerValueType      4, signed              varInteger     sign of the difference   4 bytes
//   TkxWordValueType         2, unsigned            varWord        difference               2 bytes
//   TkxBooleanValueType      1 (0 or 1)             varBoolean     difference of the bytes  1 byte
//   TkxFloatValueType        8, double              varDouble      -1, 0, 1                 10-byte extended
//   TkxCurrencyValueType     8, ten-thousandths     varCurrency    -1, 0, 1                 8 bytes
//   TkxDateTimeValueType     8, double date-time    varDate        -1, 0, 1                 8 bytes
//   TkxLargeIntValueType     8, signed              varInt64       -1, 0, 1                 8 bytes
#pragma once

#include "controls/editors/kx_value_type.h"

// Every fixed-size kind overrides the same operations for its own type.
#define PR_FIXED_SIZE_VALUE_TYPE(Name)                                                   \
  class Name : public TkxValueType {                                                    \
   public:                                                                               \
    const char* ClassName() const override { return #Name; }                             \
    Integer GetBufferSize() const override;                                              \
    void ReadBufferValue(const void* Buffer, Variant& Value) const override;             \
    void LoadValue(void* Buffer, TStream* Stream) const override;                        \
    void StoreValue(void* Buffer, const Variant& Value) const override;                  \
    void SaveValue(const void* Buffer, TStream* Stream) const override;                  \
    Integer CompareData(const void* Data1, const void* Data2) const override;            \
    TVarType GetVariantType() const override;                                            \
  }

PR_FIXED_SIZE_VALUE_TYPE(TkxSmallintValueType);
PR_FIXED_SIZE_VALUE_TYPE(TkxIntegerValueType);
PR_FIXED_SIZE_VALUE_TYPE(TkxWordValueType);
PR_FIXED_SIZE_VALUE_TYPE(TkxBooleanValueType);
PR_FIXED_SIZE_VALUE_TYPE(TkxFloatValueType);
PR_FIXED_SIZE_VALUE_TYPE(TkxCurrencyValueType);
PR_FIXED_SIZE_VALUE_TYPE(TkxDateTimeValueType);
PR_FIXED_SIZE_VALUE_TYPE(TkxLargeIntValueType);

#undef PR_FIXED_SIZE_VALUE_TYPE
