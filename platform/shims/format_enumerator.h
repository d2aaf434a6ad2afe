// TFormatEnumerator: an IEnumFORMATETC over a fixed list of format descriptions, for data objects
// that know their formats up front.  Invariant: 0 <= position <= number of descriptions.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/shims/ole_interfaces.h"

class TFormatEnumerator : public TOleInterfacedObject<IEnumFORMATETC> {
 public:
  explicit TFormatEnumerator(std::vector<FORMATETC> formats, std::size_t position = 0);

  HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) override;
  HRESULT Skip(ULONG count) override;
  HRESULT Reset() override;
  HRESULT Clone(TInterfacePtr<IEnumFORMATETC>& clone) override;

 private:
  std::vector<FORMATETC> formats_;
  std::size_t position_;
};

// A description of `format` in global memory, content aspect, all of the data.
FORMATETC GlobalFormat(CLIPFORMAT format);
