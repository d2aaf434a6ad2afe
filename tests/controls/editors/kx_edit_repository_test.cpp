// The editor repository: watchers told of property changes and of an item going away (last first,
// also when one unregisters on the way), items joining and leaving their repository, freeing a
// repository, the children handed to a form writer, name prefixes; the placeholder data binding.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/editors/kx_custom_edit.h"
#include "controls/editors/kx_edit_data_binding.h"
#include "controls/editors/kx_edit_errors.h"
#include "controls/editors/kx_edit_repository.h"
#include "controls/foundation/kx_classes.h"
#include "platform/classes/class_registry.h"
#include "platform/classes/classes_errors.h"
#include "platform/classes/publisher.h"
#include "platform/ui/basic_action.h"
#include "platform/ui/form.h"
#include "tests/support/ui/ui_test_fixture.h"

// An item kind for another editor: its own properties class and a class name that names its kind.
class TkxEditRepositoryProbeItem : public TkxEditRepositoryItem {
  PR_CLASS(TkxEditRepositoryProbeItem, TkxEditRepositoryItem)

 public:
  explicit TkxEditRepositoryProbeItem(TComponent* AOwner) : TkxEditRepositoryItem(AOwner) { RecreateProperties(); }
  TkxCustomEditPropertiesClass GetPropertiesClass() const override {
    return [](TPersistent* AOwner) -> TkxCustomEditProperties* {
      auto* properties = new TkxCustomEditProperties(AOwner);
      properties->SetValidateOnEnter(true);   // tells this class's properties apart
      return properties;
    };
  }
};
PR_IMPLEMENT_CLASS(TkxEditRepositoryProbeItem)

// An item class whose name does not name its kind.
class TOtherProbeItem : public TkxEditRepositoryItem {
  PR_CLASS(TOtherProbeItem, TkxEditRepositoryItem)

 public:
  using TkxEditRepositoryItem::TkxEditRepositoryItem;
};
PR_IMPLEMENT_CLASS(TOtherProbeItem)

// Properties of an editor family below the base, and an editor of that family counting the
// properties changes it applies.
class TLinkProbeProperties : public TkxCustomEditProperties {
  PR_CLASS(TLinkProbeProperties, TkxCustomEditProperties)

 public:
  using TkxCustomEditProperties::TkxCustomEditProperties;
  static TkxCustomEditProperties* Create(TPersistent* AOwner) { return new TLinkProbeProperties(AOwner); }
};
PR_IMPLEMENT_CLASS(TLinkProbeProperties)

class TkxEditRepositoryLinkProbeItem : public TkxEditRepositoryItem {
  PR_CLASS(TkxEditRepositoryLinkProbeItem, TkxEditRepositoryItem)

 public:
  explicit TkxEditRepositoryLinkProbeItem(TComponent* AOwner) : TkxEditRepositoryItem(AOwner) {
    RecreateProperties();
  }
  TkxCustomEditPropertiesClass GetPropertiesClass() const override { return &TLinkProbeProperties::Create; }
};
PR_IMPLEMENT_CLASS(TkxEditRepositoryLinkProbeItem)

class TLinkProbeEdit : public TkxCustomEdit {
  PR_CLASS(TLinkProbeEdit, TkxCustomEdit)

 public:
  explicit TLinkProbeEdit(TComponent* AOwner) : TkxCustomEdit(AOwner, false, &TLinkProbeProperties::Create) {}
  void PropertiesChanged(TObject* Sender) override {
    if (Sender == RepositoryProperties()) ++itemChanges;
    TkxCustomEdit::PropertiesChanged(Sender);
  }
  int itemChanges = 0;
};
PR_IMPLEMENT_CLASS(TLinkProbeEdit)

// A source that has no data and is read-only, and the binding that asks for it.
class TNoDataProvider : public TkxCustomEditDefaultValuesProvider {
 public:
  using TkxCustomEditDefaultValuesProvider::TkxCustomEditDefaultValuesProvider;
  bool HasAvailableData() override { return false; }
  bool IsDefaultReadOnly() override { return true; }
};

class TNoDataBinding : public TkxEditDataBinding {
 public:
  using TkxEditDataBinding::TkxEditDataBinding;
  TkxEditDefaultValuesProviderClass GetDefaultValuesProviderClass() const override {
    return [](TPersistent* AOwner) -> TkxCustomEditDefaultValuesProvider* { return new TNoDataProvider(AOwner); };
  }
};

namespace {

// A watcher that logs what it hears and may unregister itself or another while it is told.
class TWatcher : public IkxEditRepositoryItemWatcher {
 public:
  TWatcher(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  Integer _AddRef() override { return -1; }
  Integer _Release() override { return -1; }
  void ItemRemoved(TkxEditRepositoryItem* Sender) override {
    log_.push_back(name_ + " removed");
    Sender->RemoveWatcher(this);
    if (alsoRemove != nullptr) Sender->RemoveWatcher(alsoRemove);
  }
  void ItemPropertiesChanged(TkxEditRepositoryItem* Sender) override {
    log_.push_back(name_ + " changed");
    if (alsoRemove != nullptr) Sender->RemoveWatcher(alsoRemove);
  }
  IkxEditRepositoryItemWatcher* alsoRemove = nullptr;

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

using Log = std::vector<std::string>;

TEST(EditRepository, AChangeOfAnItemsPropertiesReachesEachWatcherOnceLastFirst) {
  Log log;
  TWatcher a("a", log), b("b", log);   // outlive the item
  TkxEditRepository repository(nullptr);
  TkxEditRepositoryItem* item = repository.CreateItem(ClassOf<TkxEditRepositoryItem>());
  item->AddWatcher(&a);
  item->AddWatcher(&b);
  item->AddWatcher(&a);   // once only
  item->Properties()->SetAutoSelect(false);
  EXPECT_EQ(log, (Log{"b changed", "a changed"}));
  log.clear();
  item->Properties()->BeginUpdate();
  item->Properties()->SetReadOnly(true);
  item->Properties()->SetMaxValue(3);
  item->Properties()->EndUpdate(true);
  EXPECT_EQ(log, (Log{"b changed", "a changed"}));
  log.clear();
  b.alsoRemove = &a;   // a is dropped before its turn
  item->Properties()->SetTransparent(true);
  EXPECT_EQ(log, (Log{"b changed"}));
}

TEST(EditRepository, FreeingAnItemTellsEveryWatcherThenLeavesTheRepository) {
  Log log;
  TWatcher a("a", log), b("b", log), c("c", log);
  TkxEditRepository repository(nullptr);
  TkxEditRepositoryItem* item = repository.CreateItem(ClassOf<TkxEditRepositoryItem>());
  TkxEditRepositoryItem* other = repository.CreateItem(ClassOf<TkxEditRepositoryItem>());
  item->AddWatcher(&a);
  item->AddWatcher(&b);
  item->AddWatcher(&c);
  c.alsoRemove = &b;   // one watcher unregistering another on the way
  FreeObject(item);
  EXPECT_EQ(log, (Log{"c removed", "a removed"}));
  ASSERT_EQ(repository.Count(), 1);
  EXPECT_EQ(repository.Items(0), other);
  EXPECT_THROW(repository.Items(1), EListError);
}

TEST(EditRepository, FreeingTheRepositoryFreesItsItemsWhoeverOwnsThem) {
  TComponent form(nullptr);
  Log log;
  TWatcher a("a", log), b("b", log);
  {
    TkxEditRepository repository(nullptr);
    repository.CreateItem(ClassOf<TkxEditRepositoryItem>())->AddWatcher(&a);
    TkxEditRepositoryItem* onForm = repository.CreateItemEx(ClassOf<TkxEditRepositoryItem>(), &form);
    onForm->AddWatcher(&b);
    EXPECT_EQ(onForm->Owner(), &form);
    EXPECT_EQ(form.ComponentCount(), 1);
  }
  EXPECT_EQ(log, (Log{"b removed", "a removed"}));
  EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(EditRepository, ItemsMoveBetweenRepositoriesAndTheWriterGetsThoseOfTheRoot) {
  TComponent form(nullptr);
  TkxEditRepository first(&form), second(nullptr);
  TkxEditRepositoryItem* mine = first.CreateItemEx(ClassOf<TkxEditRepositoryItem>(), &form);
  TkxEditRepositoryItem* foreign = first.CreateItem(ClassOf<TkxEditRepositoryItem>());
  std::vector<TComponent*> children;
  first.GetChildren([&](TComponent* Child) { children.push_back(Child); }, &form);
  EXPECT_EQ(children, (std::vector<TComponent*>{mine}));
  EXPECT_TRUE(mine->HasParent());
  EXPECT_EQ(mine->GetParentComponent(), &first);
  mine->SetParentComponent(&second);
  EXPECT_EQ(mine->Repository(), &second);
  EXPECT_EQ(first.Count(), 1);
  EXPECT_EQ(second.Count(), 1);
  foreign->IncludeState(csLoading);   // the reader joins it after reading instead
  foreign->SetParentComponent(&second);
  EXPECT_EQ(foreign->Repository(), &first);
  mine->SetRepository(nullptr);
  EXPECT_FALSE(mine->HasParent());
  EXPECT_EQ(second.Count(), 0);
}

TEST(EditRepository, AnItemClassMakesItsEditorsPropertiesAndRefusesNoItemClass) {
  TkxEditRepository repository(nullptr);
  TkxEditRepositoryItem* item = repository.CreateItem(ClassOf<TkxEditRepositoryProbeItem>());
  EXPECT_TRUE(item->Properties()->ValidateOnEnter());
  EXPECT_EQ(GetPersistentOwner(item->Properties()), item);
  EXPECT_THROW(repository.CreateItem(ClassOf<TkxEditRepository>()), EInvalidCast);
  EXPECT_EQ(repository.Count(), 1);
}

TEST(EditRepository, NamePrefix) {
  struct Case {
    const char* what;
    TClass itemClass;
    bool inRepository;
    const char* expected;
  };
  const Case cases[] = {
      {"kind, repository", ClassOf<TkxEditRepositoryProbeItem>(), true, "RepoProbeItem"},
      {"kind alone", ClassOf<TkxEditRepositoryProbeItem>(), false, "ProbeItem"},
      {"base class, repository", ClassOf<TkxEditRepositoryItem>(), true, "RepoItem"},
      {"no kind, repository", ClassOf<TOtherProbeItem>(), true, "Repo"},
      {"no kind alone", ClassOf<TOtherProbeItem>(), false, ""},
  };
  TkxEditRepository repository(nullptr);
  repository.SetName("Repo");
  for (const Case& c : cases) {
    std::unique_ptr<TkxEditRepositoryItem> item(CreateInstance<TkxEditRepositoryItem>(c.itemClass, nullptr));
    if (c.inRepository) item->SetRepository(&repository);
    std::string prefix = "stale";
    item->GetNamePrefix(prefix);
    EXPECT_EQ(prefix, c.expected) << c.what;
  }
}

class EditorLinkTest : public uitest::UiTest {
 protected:
  EditorLinkTest() : form_(NewForm("LinkForm")) {
    for (TLinkProbeEdit*& edit : edits_) {
      edit = new TLinkProbeEdit(form_);
      edit->SetParent(form_);
    }
    item_ = repository_->CreateItem(ClassOf<TkxEditRepositoryLinkProbeItem>());
  }
  TForm* form_;
  TkxEditRepository* repository_ = new TkxEditRepository(form_);
  TkxEditRepositoryItem* item_ = nullptr;
  TLinkProbeEdit* edits_[2] = {};
};

TEST_F(EditorLinkTest, FreeingAnItemTwoEditorsUseLeavesBothOnTheirOwnProperties) {
  for (TLinkProbeEdit* edit : edits_) edit->SetRepositoryItem(item_);
  EXPECT_EQ(item_->WatcherCount(), 2);
  for (TLinkProbeEdit* edit : edits_) EXPECT_EQ(edit->GetActiveProperties(), item_->Properties());
  FreeObject(item_);
  for (TLinkProbeEdit* edit : edits_) {
    EXPECT_EQ(edit->RepositoryItem(), nullptr);
    EXPECT_EQ(edit->GetActiveProperties(), edit->Properties());
    EXPECT_TRUE(edit->Properties()->OnPropertiesChanged) << "the own properties report again";
  }
}

TEST_F(EditorLinkTest, AnItemsChangeReachesEachEditorOnce) {
  for (TLinkProbeEdit* edit : edits_) edit->SetRepositoryItem(item_);
  for (TLinkProbeEdit* edit : edits_) edit->itemChanges = 0;
  item_->Properties()->SetReadOnly(true);
  for (TLinkProbeEdit* edit : edits_) EXPECT_EQ(edit->itemChanges, 1);
  edits_[0]->SetRepositoryItem(nullptr);
  item_->Properties()->SetReadOnly(false);
  EXPECT_EQ(edits_[0]->itemChanges, 1) << "unlinked";
  EXPECT_EQ(edits_[1]->itemChanges, 2);
  EXPECT_EQ(item_->WatcherCount(), 1);
  FreeObject(edits_[1]);   // a freed editor leaves the item's watchers
  EXPECT_EQ(item_->WatcherCount(), 0);
}

TEST_F(EditorLinkTest, NewDefaultsOfOneEditorsBindingReachThatEditorAlone) {
  for (TLinkProbeEdit* edit : edits_) edit->SetRepositoryItem(item_);
  for (TLinkProbeEdit* edit : edits_) edit->itemChanges = 0;
  edits_[0]->DataBinding()->DefaultValuesChanged();
  EXPECT_EQ(edits_[0]->itemChanges, 1);
  EXPECT_EQ(edits_[1]->itemChanges, 0);
  EXPECT_FALSE(item_->Properties()->IsInChangeHandler());
  // Only an editor's own properties are told of a new provider.
  int ownChanges = 0;
  edits_[1]->SetRepositoryItem(nullptr);
  edits_[1]->Properties()->OnPropertiesChanged = [&](TObject*) { ++ownChanges; };
  edits_[1]->Properties()->SetDefaultValuesProvider(edits_[1]->DataBinding()->GetDefaultValuesProvider());
  EXPECT_EQ(ownChanges, 1);
  // The binding of a standalone editor: data available and modifiable, nothing stored.
  TkxEditDataBinding* binding = edits_[1]->DataBinding();
  EXPECT_TRUE(binding->DataAvailable());
  EXPECT_TRUE(binding->GetDefaultValuesProvider()->AllowsModification());
  binding->SetStoredValue(Variant(5));
  EXPECT_TRUE(binding->GetStoredValue().IsNull() || binding->GetStoredValue().IsEmpty());
}

TEST_F(EditorLinkTest, AnUnacceptableItemRaisesAndKeepsTheOld) {
  TLinkProbeEdit* edit = edits_[0];
  edit->SetRepositoryItem(item_);
  TkxEditRepositoryItem* plain = repository_->CreateItem(ClassOf<TkxEditRepositoryItem>());
  try {
    edit->SetRepositoryItem(plain);
    ADD_FAILURE() << "accepted";
  } catch (const EkxEditError& e) {
    EXPECT_EQ(std::string(e.what()), "The repository item is not acceptable");
  }
  EXPECT_EQ(edit->RepositoryItem(), item_);
  EXPECT_EQ(edit->GetActiveProperties(), item_->Properties());
  EXPECT_EQ(plain->WatcherCount(), 0);
  EXPECT_EQ(item_->WatcherCount(), 1);
}

TEST_F(EditorLinkTest, TheItemLinkIsStoredByNameAndReadBack) {
  TkxEditRepositoryItem* item = repository_->CreateItemEx(ClassOf<TkxEditRepositoryLinkProbeItem>(), form_);
  repository_->SetName("Repo");
  item->SetName("Item1");
  edits_[0]->SetName("Edit0");
  edits_[1]->SetName("Edit1");
  edits_[0]->SetRepositoryItem(item);
  const std::string image = uitest::FormImageText(form_);
  EXPECT_NE(image.find("RepositoryItem = Item1"), std::string::npos) << image;
  EXPECT_EQ(image.find("RepositoryItem"), image.rfind("RepositoryItem")) << "no link, nothing stored";

  RegisterClasses({ClassOf<TkxEditRepository>(), ClassOf<TkxEditRepositoryLinkProbeItem>(), ClassOf<TLinkProbeEdit>()});
  form_->SetName("Written");
  TForm* copy = ReadForm(image);
  auto* readItem = dynamic_cast<TkxEditRepositoryItem*>(copy->FindComponent("Item1"));
  auto* linked = dynamic_cast<TkxCustomEdit*>(copy->FindComponent("Edit0"));
  auto* unlinked = dynamic_cast<TkxCustomEdit*>(copy->FindComponent("Edit1"));
  ASSERT_TRUE(readItem != nullptr && linked != nullptr && unlinked != nullptr) << image;
  EXPECT_EQ(readItem->Repository(), copy->FindComponent("Repo"));
  EXPECT_EQ(linked->RepositoryItem(), readItem);
  EXPECT_EQ(linked->GetActiveProperties(), readItem->Properties());
  EXPECT_EQ(readItem->WatcherCount(), 1);
  EXPECT_EQ(unlinked->RepositoryItem(), nullptr);
}

TEST_F(EditorLinkTest, ABindingAnswersFromTheProviderOfItsClassAndHandlesNoAction) {
  TNoDataBinding binding(edits_[0]);
  EXPECT_FALSE(binding.DataAvailable());
  TkxCustomEditProperties properties(nullptr);
  properties.SetDefaultValuesProvider(binding.GetDefaultValuesProvider());
  EXPECT_TRUE(properties.ReadOnly()) << "the read-only source's default";
  properties.SetDefaultValuesProvider(nullptr);
  TBasicAction action(nullptr);
  for (TkxEditDataBinding* b : {static_cast<TkxEditDataBinding*>(&binding), edits_[0]->DataBinding()}) {
    EXPECT_FALSE(b->ExecuteEditAction(&action));
    EXPECT_FALSE(b->UpdateEditAction(&action));
  }
  EXPECT_TRUE(edits_[0]->DataBinding()->DataAvailable()) << "the base provider has data";
}

TEST(DataBinding, ReadOnlyChangesTellTheOwnerOnce) {
  TComponent owner(nullptr);
  TkxDataBinding binding(&owner, &owner);
  int dataSetChanges = 0, dataChanges = 0, updates = 0;
  binding.OnDataSetChanged = [&] { ++dataSetChanges; };
  binding.OnDataChanged = [&] { ++dataChanges; };
  binding.OnUpdateData = [&] { ++updates; };
  EXPECT_TRUE(binding.CanModify());
  binding.SetReadOnly(true);
  binding.SetReadOnly(true);
  EXPECT_EQ(dataSetChanges, 1);
  EXPECT_FALSE(binding.CanModify());
  EXPECT_FALSE(binding.CanModifySource());
  EXPECT_TRUE(binding.IsSourceReadOnly());
  binding.NotifyDataChanged();
  binding.NotifyUpdateData();
  EXPECT_EQ(dataChanges, 1);
  EXPECT_EQ(updates, 1);
  EXPECT_FALSE(binding.ExecuteAction(nullptr));
  EXPECT_EQ(GetPersistentOwner(&binding), &owner);
  EXPECT_EQ(binding.DataComponent(), &owner);
}

}  // namespace
