#include <gtest/gtest.h>

#include <vector>

#include "platform/classes/classes_errors.h"
#include "platform/classes/publisher.h"
#include "test_components.h"

namespace {

// Records the notifications a collection sends.
class TRecordingCollection : public TOwnedCollection {
 public:
  explicit TRecordingCollection(TPersistent* owner) : TOwnedCollection(owner, TTestItem::StaticClass()) {}
  std::vector<TCollectionItem*> updates;
  std::vector<TCollectionNotification> notes;

 protected:
  void Update(TCollectionItem* Item) override { updates.push_back(Item); }
  void Notify(TCollectionItem*, TCollectionNotification Action) override { notes.push_back(Action); }
};

// A component whose collection knows it as its owner.
class TTestGrid : public TComponent {
  PR_CLASS(TTestGrid, TComponent)

 public:
  explicit TTestGrid(TComponent* AOwner)
      : TComponent(AOwner), columns_(new TOwnedCollection(this, TTestItem::StaticClass())) {}
  ~TTestGrid() override { delete columns_; }
  TCollection* Columns() const { return columns_; }
  void SetColumns(TCollection* Value) { columns_->Assign(Value); }

 private:
  TCollection* columns_;
};

PR_PUBLISH(TTestGrid) { p.Property("Columns", &TTestGrid::Columns, &TTestGrid::SetColumns); }

class TNamedItem : public TTestItem {
 public:
  using TTestItem::TTestItem;
  void Touch() { Changed(false); }
};

TEST(Collection, UpdatesAreReportedOnceForABatch) {
  TRecordingCollection items(nullptr);
  items.Add();
  EXPECT_EQ(items.updates, (std::vector<TCollectionItem*>{nullptr}));
  items.BeginUpdate();
  items.Add();
  items.Add();
  items.Delete(0);
  EXPECT_EQ(items.updates.size(), 1u);
  items.EndUpdate();
  EXPECT_EQ(items.updates.size(), 2u);
  EXPECT_EQ(items.notes, (std::vector<TCollectionNotification>{cnAdded, cnAdded, cnAdded, cnDeleting, cnExtracting}));
  TNamedItem own(&items);   // an item made directly joins the collection too
  own.Touch();
  EXPECT_EQ(items.updates.back(), &own);
  own.SetCollection(nullptr);
  EXPECT_EQ(items.Count(), 2);
}

TEST(Collection, IdsIndexesAndAssign) {
  TCollection items(TTestItem::StaticClass());
  for (const char* caption : {"a", "b", "c"}) static_cast<TTestItem*>(items.Add())->Caption = caption;
  items.Delete(1);
  TCollectionItem* added = items.Insert(0);
  EXPECT_EQ(added->ID(), 3);   // IDs are never reused
  EXPECT_EQ(added->Index(), 0);
  EXPECT_EQ(items.FindItemID(2), items.Items(2));
  items.Items(2)->SetIndex(1);
  EXPECT_EQ(static_cast<TTestItem*>(items.Items(1))->Caption, "c");
  EXPECT_THROW(items.Items(3), EListError);
  EXPECT_THROW(items.Items(0)->SetIndex(7), EListError);

  TCollection copy(TTestItem::StaticClass());
  copy.Add();
  copy.Assign(&items);
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(static_cast<TTestItem*>(copy.Items(2))->Caption, "a");
  TTestFont font;
  try {
    copy.Assign(&font);
    ADD_FAILURE() << "a font was assigned to a collection";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TTestFont to a TCollection");
  }
  EXPECT_EQ(copy.Count(), 3);
}

TEST(Collection, NamePathFollowsTheOwnersProperty) {
  TTestGrid grid(nullptr);
  grid.SetName("Grid1");
  grid.Columns()->Add();
  grid.Columns()->Add();
  EXPECT_EQ(grid.Columns()->GetNamePath(), "Grid1.Columns");
  EXPECT_EQ(grid.Columns()->Items(1)->GetNamePath(), "Grid1.Columns[1]");
  TCollection loose(TTestItem::StaticClass());
  loose.Add();
  EXPECT_EQ(loose.Items(0)->GetNamePath(), "TCollection[0]");
  EXPECT_EQ(loose.Items(0)->DisplayName(), "TTestItem");
}

}  // namespace
