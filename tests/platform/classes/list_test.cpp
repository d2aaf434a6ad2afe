#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/classes_errors.h"
#include "platform/classes/interface_list.h"
#include "platform/classes/object_list.h"
#include "platform/classes/thread_list.h"

namespace {

// Records what a list announces.
class TRecordingList : public TList {
 public:
  ~TRecordingList() override { Clear(); }
  std::vector<std::pair<void*, TListNotification>> notes;

 protected:
  void Notify(void* Ptr, TListNotification Action) override { notes.emplace_back(Ptr, Action); }
};

class TCountedObject : public TObject {
 public:
  explicit TCountedObject(int& destroyed) : destroyed_(destroyed) {}
  ~TCountedObject() override { ++destroyed_; }

 private:
  int& destroyed_;
};

TEST(List, AnnouncesAddedExtractedAndDeletedItems) {
  int a = 0, b = 0, c = 0;
  TRecordingList list;
  list.Add(&a);
  list.Add(nullptr);   // nil items are not announced
  list.Insert(0, &b);
  list.Add(&c);
  EXPECT_EQ(list.Extract(&a), &a);
  EXPECT_EQ(list.Remove(&b), 0);
  EXPECT_EQ(list.Remove(&b), -1);
  list.Pack();
  EXPECT_EQ(list.Count(), 1);
  list.Clear();
  using N = std::pair<void*, TListNotification>;
  EXPECT_EQ(list.notes, (std::vector<N>{{&a, lnAdded}, {&b, lnAdded}, {&c, lnAdded}, {&a, lnExtracted},
                                        {&b, lnDeleted}, {&c, lnDeleted}}));
}

TEST(List, IndexErrorsAndSorting) {
  int values[] = {5, 1, 4, 1, 3};
  TList list;
  for (int& v : values) list.Add(&v);
  list.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
  std::vector<int> sorted;
  for (Integer i = 0; i < list.Count(); ++i) sorted.push_back(*static_cast<int*>(list.Items(i)));
  EXPECT_EQ(sorted, (std::vector<int>{1, 1, 3, 4, 5}));
  list.Move(0, 4);
  EXPECT_EQ(*static_cast<int*>(list.Last()), 1);
  try {
    list.Items(5);
    FAIL() << "no exception";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (5)");
  }
  EXPECT_THROW(list.Insert(6, nullptr), EListError);
  EXPECT_THROW(list.SetCount(-1), EListError);
}

TEST(ObjectList, FreesWhatItOwnsButNotWhatItHandsBack) {
  int destroyed = 0;
  auto* kept = new TCountedObject(destroyed);
  {
    TObjectList list;
    list.Add(new TCountedObject(destroyed));
    list.Add(kept);
    list.Add(new TCountedObject(destroyed));
    list.Delete(0);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(list.Extract(kept), kept);
    list.SetItems(0, new TCountedObject(destroyed));   // replacing frees the old one
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(list.FindInstanceOf(TObject::StaticClass(), false), 0);
  }
  EXPECT_EQ(destroyed, 3);
  delete kept;
  TObjectList notOwning(false);
  TCountedObject local(destroyed);
  notOwning.Add(&local);
  notOwning.Clear();
  EXPECT_EQ(destroyed, 4);
}

TEST(ThreadList, DuplicatesAndLocking) {
  int a = 0;
  TThreadList list;
  list.Add(&a);
  list.Add(&a);   // ignored
  EXPECT_EQ(list.LockList()->Count(), 1);
  list.UnlockList();
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add(&a), EListError);
  list.SetDuplicates(dupAccept);
  list.Add(&a);
  TList* locked = list.LockList();
  EXPECT_EQ(locked->Count(), 2);
  list.UnlockList();
  list.Remove(&a);
  list.Clear();
  EXPECT_EQ(list.LockList()->Count(), 0);
  list.UnlockList();
}

class TWatcher : public TInterfacedObject {
 public:
  explicit TWatcher(int& destroyed) : destroyed_(destroyed) {}
  ~TWatcher() override { ++destroyed_; }

 private:
  int& destroyed_;
};

TEST(InterfaceList, HoldsOneReferencePerItem) {
  int destroyed = 0;
  TInterfacePtr<IInterface> keep(new TWatcher(destroyed));
  auto list = TInterfacePtr<TInterfaceList>(new TInterfaceList);
  list->Add(keep.get());
  list->Add(new TWatcher(destroyed));
  list->Add(new TWatcher(destroyed));
  EXPECT_EQ(static_cast<TWatcher*>(keep.get())->RefCount(), 2);
  list->Delete(2);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(list->IndexOf(keep.get()), 0);
  list->Exchange(0, 1);
  EXPECT_EQ(list->Remove(keep.get()), 1);
  EXPECT_EQ(static_cast<TWatcher*>(keep.get())->RefCount(), 1);
  list = nullptr;   // the last reference to the list frees it and what it holds
  EXPECT_EQ(destroyed, 2);
  EXPECT_NE(Supports<TWatcher>(keep.get()), nullptr);
}

}  // namespace
