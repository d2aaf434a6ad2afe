#include "controls/foundation/kx_object_list.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxObjectList)

TkxObjectList::~TkxObjectList() { Clear(); }

void TkxObjectList::Clear() {
  for (Integer i = 0; i < Count(); ++i) FreeObject(GetObject(i));
  TList::Clear();
}
