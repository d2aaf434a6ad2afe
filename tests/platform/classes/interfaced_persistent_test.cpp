// TInterfacedPersistent: reference counting goes to an owner that implements interfaces.
#include <gtest/gtest.h>

#include "platform/classes/interface.h"
#include "platform/classes/interfaced_persistent.h"

namespace {

class IProbe : public IInterface {
 public:
  virtual int Value() = 0;
};

class TCountingOwner : public TPersistent, public IInterface {
 public:
  Integer _AddRef() override { return ++count; }
  Integer _Release() override { return --count; }
  Integer count = 0;
};

class TProbe : public TInterfacedPersistent, public IProbe {
 public:
  explicit TProbe(TPersistent* owner) : owner_(owner) {}
  Integer _AddRef() override { return TInterfacedPersistent::_AddRef(); }
  Integer _Release() override { return TInterfacedPersistent::_Release(); }
  int Value() override { return 7; }

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
};

TEST(InterfacedPersistent, CountsOnAnOwnerThatImplementsInterfaces) {
  TCountingOwner owner;
  TProbe probe(&owner);
  {
    TInterfacePtr<IProbe> first(&probe);
    TInterfacePtr<IProbe> second = first;
    EXPECT_EQ(owner.count, 2);
    EXPECT_EQ(second->Value(), 7);
  }
  EXPECT_EQ(owner.count, 0);
}

TEST(InterfacedPersistent, IsNotCountedWithoutSuchAnOwner) {
  TPersistent plainOwner;
  for (TPersistent* owner : {static_cast<TPersistent*>(nullptr), &plainOwner}) {
    TProbe probe(owner);
    EXPECT_EQ(probe._AddRef(), -1);
    {
      TInterfacePtr<IProbe> reference(&probe);   // never frees the probe
    }
    EXPECT_EQ(probe._Release(), -1);
    EXPECT_EQ(probe.Value(), 7);
  }
}

}  // namespace
