#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/classes/classes_errors.h"
#include "test_components.h"

namespace {

// Counts its destructions, so tests can see who freed what.
class TCounted : public TComponent {
 public:
  TCounted(TComponent* AOwner, int& destroyed) : TComponent(AOwner), destroyed_(destroyed) {}
  ~TCounted() override { ++destroyed_; }

 private:
  int& destroyed_;
};

TEST(ComponentOwnership, FreeingTheOwnerFreesItsComponents) {
  int destroyed = 0;
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* a = new TCounted(owner.get(), destroyed);
  new TCounted(a, destroyed);   // owned by a, freed with it
  new TCounted(owner.get(), destroyed);
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(a->ComponentCount(), 1);
  owner.reset();
  EXPECT_EQ(destroyed, 3);
}

TEST(ComponentOwnership, AComponentFreedAloneLeavesItsOwner) {
  int destroyed = 0;
  TComponent owner(nullptr);
  auto* a = new TCounted(&owner, destroyed);
  auto* b = new TCounted(&owner, destroyed);
  delete a;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
  EXPECT_EQ(b->ComponentIndex(), 0);
  EXPECT_THROW(owner.Components(1), EListError);
  TComponent other(nullptr);
  other.InsertComponent(b);   // moves it: one owner at a time
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_EQ(b->Owner(), &other);
}

TEST(ComponentNames, IdentifierRulesAndUniqueness) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Edit1");
  struct Case {
    const char* name;
    const char* message;
  };
  const Case bad[] = {
      {"1Edit", "'1Edit' is not a valid component name"},
      {"Edit 2", "'Edit 2' is not a valid component name"},
      {"EDIT1", "A component named EDIT1 already exists"},
  };
  for (const Case& c : bad) {
    try {
      b->SetName(c.name);
      ADD_FAILURE() << c.name;
    } catch (const EComponentError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  b->SetName("_edit_2");
  a->SetName("EDIT1");   // its own name in other case is fine
  EXPECT_EQ(owner.FindComponent("edit1"), a);
  EXPECT_EQ(owner.FindComponent("_EDIT_2"), b);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  b->SetName("");
  new TComponent(&owner);   // any number of unnamed components
  EXPECT_EQ(owner.ComponentCount(), 3);
}

TEST(ComponentNames, PublishedFieldFollowsTheNamedComponent) {
  TTestForm form(nullptr);
  auto* w = new TTestWidget(&form);
  EXPECT_EQ(form.Widget1, nullptr);
  w->SetName("Widget1");
  EXPECT_EQ(form.Widget1, w);
  w->SetName("Widget2");
  EXPECT_EQ(form.Widget1, nullptr);
  w->SetName("Widget1");
  auto* plain = new TComponent(&form);
  EXPECT_THROW(plain->SetName("widget1"), EComponentError);
  delete w;
  EXPECT_EQ(form.Widget1, nullptr);
  plain->SetName("Widget1");   // not a TTestWidget: the field is left alone
  EXPECT_EQ(form.Widget1, nullptr);
}

TEST(FreeNotification, ClearsReferencesAcrossOwners) {
  auto formA = std::make_unique<TTestForm>(nullptr);
  auto formB = std::make_unique<TTestForm>(nullptr);
  auto* a = new TTestWidget(formA.get());
  auto* b = new TTestWidget(formB.get());
  auto* sibling = new TTestWidget(formA.get());
  a->SetBuddy(b);
  sibling->SetBuddy(a);
  EXPECT_TRUE(a->ComponentState().Contains(csFreeNotification));
  formB.reset();   // frees b: a hears of it
  EXPECT_EQ(a->Buddy(), nullptr);
  delete a;   // a sibling hears through the common owner
  EXPECT_EQ(sibling->Buddy(), nullptr);
}

// Records the components it hears are being removed.
class TWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) removed.push_back(AComponent);
  }
  std::vector<TComponent*> removed;
};

TEST(FreeNotification, OnlyRegisteredLiveWatchersAreTold) {
  TWatcher kept(nullptr), dropped(nullptr);
  auto watched = std::make_unique<TComponent>(nullptr);
  auto* freedFirst = new TWatcher(nullptr);
  for (TComponent* w : {static_cast<TComponent*>(&kept), static_cast<TComponent*>(&dropped),
                        static_cast<TComponent*>(freedFirst)})
    watched->FreeNotification(w);
  watched->FreeNotification(&kept);   // a second request adds nothing
  watched->RemoveFreeNotification(&dropped);
  delete freedFirst;   // must leave no pointer to itself behind (AddressSanitizer)
  TComponent* const gone = watched.get();
  watched.reset();
  EXPECT_EQ(kept.removed, std::vector<TComponent*>{gone});
  EXPECT_TRUE(dropped.removed.empty());
}

TEST(ComponentState, DestroyingMarksOwnedComponents) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  owner.Destroying();
  EXPECT_TRUE(owner.ComponentState().Contains(csDestroying));
  EXPECT_TRUE(a->ComponentState().Contains(csDestroying));
  owner.SetDesigning(true);
  EXPECT_TRUE(a->ComponentState().Contains(csDesigning));
  EXPECT_EQ(a->GetNamePath(), "");
}

}  // namespace
