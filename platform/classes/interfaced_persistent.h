// TInterfacedPersistent: a persistent object that implements interfaces without being counted
// itself.  Its _AddRef and _Release go to its owner (GetOwner) when the owner implements
// interfaces, so a reference to the object's interface keeps the owner's count; without such an
// owner they answer -1 and nothing is counted: the object lives until whoever made it frees it.
// The owner is asked at each call, so a descendant's GetOwner decides.
#pragma once

#include "platform/classes/interface.h"
#include "platform/classes/persistent.h"

class TInterfacedPersistent : public TPersistent, public IInterface {
  PR_CLASS(TInterfacedPersistent, TPersistent)

 public:
  TInterfacedPersistent() = default;
  Integer _AddRef() override;
  Integer _Release() override;

 private:
  IInterface* OwnerInterface() const;
};
