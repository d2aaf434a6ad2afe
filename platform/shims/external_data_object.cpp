#include "platform/shims/external_data_object.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/core/cp874.h"
#include "platform/shims/format_enumerator.h"
#include "platform/user/clipboard.h"
#include "platform/user/drop_files.h"
#include "platform/user/global_memory.h"

namespace {

HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GHND | GMEM_SHARE, size);
  void* base = GlobalLock(block);
  if (base == nullptr) return nullptr;
  std::memcpy(base, bytes, size);
  GlobalUnlock(block);
  return block;
}

// Copies one block's bytes into the start of another; false when they do not fit.
bool CopyInto(HGLOBAL from, HGLOBAL to) {
  const std::size_t size = GlobalSize(from);
  if (GlobalSize(to) < size) return false;
  std::memcpy(GlobalLock(to), GlobalLock(from), size);
  GlobalUnlock(from);
  GlobalUnlock(to);
  return true;
}

}  // namespace

TExternalDataObject::TExternalDataObject(std::u16string text, std::vector<std::u16string> paths,
                                         std::vector<CLIPFORMAT> formats)
    : text_(std::move(text)), paths_(std::move(paths)), formats_(std::move(formats)) {}

TInterfacePtr<IDataObject> TExternalDataObject::ForText(std::u16string text) {
  return new TExternalDataObject(std::move(text), {}, {CF_UNICODETEXT, CF_TEXT});
}

TInterfacePtr<IDataObject> TExternalDataObject::ForFiles(std::vector<std::u16string> paths) {
  return new TExternalDataObject({}, std::move(paths), {CF_HDROP});
}

HRESULT TExternalDataObject::QueryGetData(const FORMATETC* format) {
  if (format == nullptr) return E_INVALIDARG;
  const bool offered = std::find(formats_.begin(), formats_.end(), format->cfFormat) != formats_.end();
  if (!offered || format->dwAspect != DVASPECT_CONTENT || format->lindex != -1) return DV_E_FORMATETC;
  return (format->tymed & TYMED_HGLOBAL) != 0 ? S_OK : DV_E_TYMED;
}

HRESULT TExternalDataObject::GetData(const FORMATETC* format, STGMEDIUM* medium) {
  if (medium == nullptr) return E_INVALIDARG;
  if (const HRESULT hr = QueryGetData(format); hr != S_OK) return hr;
  HGLOBAL block = Render(format->cfFormat);
  if (block == nullptr) return E_OUTOFMEMORY;
  *medium = STGMEDIUM{TYMED_HGLOBAL, block, nullptr};
  return S_OK;
}

HRESULT TExternalDataObject::GetDataHere(const FORMATETC* format, STGMEDIUM* medium) {
  if (medium == nullptr) return E_INVALIDARG;
  if (const HRESULT hr = QueryGetData(format); hr != S_OK) return hr;
  if (medium->tymed != TYMED_HGLOBAL || GlobalSize(medium->hGlobal) == 0) return DV_E_TYMED;
  HGLOBAL block = Render(format->cfFormat);
  if (block == nullptr) return E_OUTOFMEMORY;
  const bool fits = CopyInto(block, medium->hGlobal);
  GlobalFree(block);
  return fits ? S_OK : STG_E_MEDIUMFULL;
}

HRESULT TExternalDataObject::GetCanonicalFormatEtc(const FORMATETC* format, FORMATETC* canonical) {
  if (format == nullptr || canonical == nullptr) return E_INVALIDARG;
  *canonical = *format;
  canonical->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT TExternalDataObject::SetData(const FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

HRESULT TExternalDataObject::EnumFormatEtc(DWORD direction, TInterfacePtr<IEnumFORMATETC>& formats) {
  if (direction != DATADIR_GET) return E_NOTIMPL;
  std::vector<FORMATETC> descriptions;
  for (CLIPFORMAT format : formats_) descriptions.push_back(GlobalFormat(format));
  formats = new TFormatEnumerator(std::move(descriptions));
  return S_OK;
}

HGLOBAL TExternalDataObject::Render(CLIPFORMAT format) const {
  switch (format) {
    case CF_UNICODETEXT: return GlobalCopy(text_.c_str(), (text_.size() + 1) * sizeof(char16_t));
    case CF_TEXT: {
      const std::string bytes = Utf16ToCp874(text_);
      return GlobalCopy(bytes.c_str(), bytes.size() + 1);
    }
    case CF_HDROP: return user::MakeDropFiles(paths_, TPoint{0, 0}, false);
    default: return nullptr;
  }
}
