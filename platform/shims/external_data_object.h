// TExternalDataObject: the data object of a drop that comes from another program through the
// display.  Text is offered as CF_UNICODETEXT (UTF-16) and CF_TEXT (code page 874), each
// zero-terminated; files as CF_HDROP, a DROPFILES block (platform/user/drop_files.h) with wide
// paths, point (0, 0) and fNC FALSE.  Every format is served in global memory, content aspect,
// all of the data (lindex -1).  Read-only: each GetData renders a new block, which the receiver
// frees with ReleaseStgMedium.
#pragma once

#include <string>
#include <vector>

#include "platform/shims/ole_interfaces.h"

class TExternalDataObject : public TOleInterfacedObject<IDataObject> {
 public:
  static TInterfacePtr<IDataObject> ForText(std::u16string text);
  static TInterfacePtr<IDataObject> ForFiles(std::vector<std::u16string> paths);

  HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override;
  // Fills the caller's block from its start (STG_E_MEDIUMFULL when the block is too small).
  HRESULT GetDataHere(const FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT QueryGetData(const FORMATETC* format) override;
  // E_NOTIMPL: every description is already canonical (the copy has no target device).
  HRESULT GetCanonicalFormatEtc(const FORMATETC* format, FORMATETC* canonical) override;
  HRESULT SetData(const FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT EnumFormatEtc(DWORD direction, TInterfacePtr<IEnumFORMATETC>& formats) override;

 private:
  TExternalDataObject(std::u16string text, std::vector<std::u16string> paths, std::vector<CLIPFORMAT> formats);
  // A new block holding the data in `format` (nullptr when no memory is had).
  HGLOBAL Render(CLIPFORMAT format) const;

  std::u16string text_;
  std::vector<std::u16string> paths_;
  std::vector<CLIPFORMAT> formats_;   // in the order EnumFormatEtc lists them
};
