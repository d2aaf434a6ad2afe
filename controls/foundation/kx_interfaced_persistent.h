// TkxInterfacedPersistent: the persistent base with an owner (not owned) to which the reference
// counting of its interfaces goes; base of the look-and-feel object, the container styles and
// every edit-properties class.  Without an owner that implements interfaces nothing is counted
// and whoever created the object frees it.
#pragma once

#include "platform/classes/interfaced_persistent.h"

class TkxInterfacedPersistent : public TInterfacedPersistent {
  PR_CLASS(TkxInterfacedPersistent, TInterfacedPersistent)

 public:
  using TCreateArg = TPersistent*;

  explicit TkxInterfacedPersistent(TPersistent* AOwner) : owner_(AOwner) {}

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
};
