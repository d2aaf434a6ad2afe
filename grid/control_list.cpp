// TControlList; see control_list.h.
#include "grid/control_list.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TCellControl)
PR_IMPLEMENT_CLASS(TControlList)

TControlList::~TControlList() {
  while (Count() > 0) DeleteControl(0);
}

void TControlList::DeleteControl(Integer Index) {
  TCellControl* entry = GetControl(Index);
  Delete(Index);
  delete entry;
}
