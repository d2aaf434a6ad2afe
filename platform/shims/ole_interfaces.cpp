#include "platform/shims/ole_interfaces.h"

HRESULT IDataObject::DAdvise(const FORMATETC*, DWORD, IAdviseSink*, DWORD* connection) {
  if (connection != nullptr) *connection = 0;
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT IDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT IDataObject::EnumDAdvise(TInterfacePtr<IEnumSTATDATA>&) { return OLE_E_ADVISENOTSUPPORTED; }
