#include "platform/classes/interfaced_persistent.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TInterfacedPersistent)

IInterface* TInterfacedPersistent::OwnerInterface() const { return dynamic_cast<IInterface*>(GetOwner()); }

Integer TInterfacedPersistent::_AddRef() {
  IInterface* owner = OwnerInterface();
  return owner != nullptr ? owner->_AddRef() : -1;
}

Integer TInterfacedPersistent::_Release() {
  IInterface* owner = OwnerInterface();
  return owner != nullptr ? owner->_Release() : -1;
}
