// Weak object links, TkxComponent and TkxFreeNotificator.
#include <gtest/gtest.h>

#include <vector>

#include "controls/foundation/kx_component.h"
#include "controls/foundation/kx_free_notificator.h"
#include "controls/foundation/kx_object_link.h"
#include "controls/foundation/kx_object_list.h"
#include "platform/classes/property_table.h"

namespace {

TEST(KxObjectLink, ReadsNilOnceItsComponentIsFreedAndReleasingDropsTheController) {
  EXPECT_FALSE(IsObjectLinkControllerAlive());
  EXPECT_EQ(CreateObjectLink(nullptr), nullptr);
  auto* component = NewObject<TkxComponent>(nullptr);
  TkxObjectLink* first = CreateObjectLink(component);
  TkxObjectLink* second = CreateObjectLink(component);
  TPersistent target;
  TkxObjectLink* other = CreateObjectLink(&target);
  EXPECT_TRUE(IsObjectLinkControllerAlive());
  EXPECT_EQ(first->Ref, component);
  FreeObject(component);
  EXPECT_EQ(first->Ref, nullptr);
  EXPECT_EQ(second->Ref, nullptr);
  EXPECT_EQ(other->Ref, &target);   // a link to something else stays
  ReleaseObjectLink(first);
  ReleaseObjectLink(other);
  EXPECT_TRUE(IsObjectLinkControllerAlive());   // the cleared second link still counts
  ReleaseObjectLink(second);
  EXPECT_FALSE(IsObjectLinkControllerAlive());
  ReleaseObjectLink(nullptr);
  ClearObjectLinksTo(nullptr);   // no controller: nothing
}

TEST(KxObjectLink, ALiveLinkReleasedLeavesTheList) {
  TkxComponent* component = NewObject<TkxComponent>(nullptr);
  TkxObjectLink* released = CreateObjectLink(component);
  TkxObjectLink* kept = CreateObjectLink(component);
  ReleaseObjectLink(released);
  FreeObject(component);   // walks the list: the released link must not be in it
  EXPECT_EQ(kept->Ref, nullptr);
  ReleaseObjectLink(kept);
  EXPECT_FALSE(IsObjectLinkControllerAlive());
}

class TLinkingComponent : public TkxComponent {
 public:
  using TkxComponent::TkxComponent;
  std::vector<TComponent*> links;
  void Refresh() { RefreshFakeLinks(); }

 protected:
  void CollectFakeLinks(std::vector<TComponent*>& List) override { List = links; }
};

TEST(KxComponent, FakeLinksShowDependenciesOnlyWhileDesigned) {
  TComponent owner(nullptr);
  auto* component = new TLinkingComponent(&owner);
  TComponent a(nullptr), b(nullptr);
  component->links = {&a, &b};
  component->Refresh();
  EXPECT_EQ(component->FakeComponentLink1(), nullptr);   // run time
  component->SetDesigning(true);
  component->Refresh();
  EXPECT_EQ(component->FakeComponentLink1(), &a);
  EXPECT_EQ(component->FakeComponentLink2(), &b);
  EXPECT_EQ(component->FakeComponentLink3(), nullptr);
  const TPropInfo* link = GetPropInfo(component, "FakeComponentLink1");
  ASSERT_NE(link, nullptr);
  EXPECT_FALSE(IsStoredProp(component, link));
}

TEST(KxFreeNotificator, ReportsWatchedComponentsBeingFreed) {
  TkxFreeNotificator notificator(nullptr);
  std::vector<TComponent*> freed;
  notificator.OnFreeNotification = [&](TComponent* c) { freed.push_back(c); };
  auto* watched = new TComponent(nullptr);
  auto* unwatched = new TComponent(nullptr);
  notificator.Watch(watched);
  notificator.Watch(unwatched);
  notificator.Unwatch(unwatched);
  notificator.Watch(nullptr);
  notificator.Unwatch(nullptr);
  delete unwatched;
  delete watched;
  EXPECT_EQ(freed, std::vector<TComponent*>{watched});
}

TEST(KxObjectList, FreesItsItemsFirstToLast) {
  std::vector<int> freed;
  struct TTracked : TObject {
    TTracked(std::vector<int>& log, int id) : log_(log), id_(id) {}
    ~TTracked() override { log_.push_back(id_); }
    std::vector<int>& log_;
    int id_;
  };
  {
    TkxObjectList list;
    for (int id : {1, 2, 3}) list.Add(new TTracked(freed, id));
    TList* asList = &list;
    asList->Clear();   // the virtual Clear frees
    EXPECT_EQ(freed, (std::vector<int>{1, 2, 3}));
    list.Add(new TTracked(freed, 4));
  }
  EXPECT_EQ(freed, (std::vector<int>{1, 2, 3, 4}));
}

}  // namespace
