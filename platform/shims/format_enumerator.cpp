#include "platform/shims/format_enumerator.h"

#include <algorithm>
#include <utility>

TFormatEnumerator::TFormatEnumerator(std::vector<FORMATETC> formats, std::size_t position)
    : formats_(std::move(formats)), position_(std::min(position, formats_.size())) {}

HRESULT TFormatEnumerator::Next(ULONG count, FORMATETC* formats, ULONG* fetched) {
  if (formats == nullptr && count > 0) return E_POINTER;
  const std::size_t n = std::min<std::size_t>(count, formats_.size() - position_);
  std::copy_n(formats_.begin() + std::ptrdiff_t(position_), n, formats);
  position_ += n;
  if (fetched != nullptr) *fetched = ULONG(n);
  return n == count ? S_OK : S_FALSE;
}

HRESULT TFormatEnumerator::Skip(ULONG count) {
  const std::size_t n = std::min<std::size_t>(count, formats_.size() - position_);
  position_ += n;
  return n == count ? S_OK : S_FALSE;
}

HRESULT TFormatEnumerator::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT TFormatEnumerator::Clone(TInterfacePtr<IEnumFORMATETC>& clone) {
  clone = new TFormatEnumerator(formats_, position_);
  return S_OK;
}

FORMATETC GlobalFormat(CLIPFORMAT format) { return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }
