#include "platform/shims/ole_types.h"

#include "platform/classes/interface.h"
#include "platform/user/global_memory.h"

void ReleaseStgMedium(STGMEDIUM* medium) {
  if (medium == nullptr) return;
  if (medium->pUnkForRelease != nullptr)
    medium->pUnkForRelease->_Release();
  else if (medium->tymed == TYMED_HGLOBAL && medium->hGlobal != nullptr)
    GlobalFree(medium->hGlobal);
  *medium = STGMEDIUM{TYMED_NULL, nullptr, nullptr};
}
