#include "platform/classes/interface.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TInterfacedObject)

Integer TInterfacedObject::_Release() {
  const Integer count = --refCount_;
  if (count == 0) delete this;
  return count;
}
