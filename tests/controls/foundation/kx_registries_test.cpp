// The two class registries: classes listed by their names' order, and class pairs found by
// inheritance.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "controls/foundation/kx_registered_class_list.h"
#include "controls/foundation/kx_registered_classes.h"
#include "platform/classes/class_registry.h"
#include "platform/classes/persistent.h"
#include "platform/classes/publisher.h"
#include "platform/os/locale.h"

class TRegistryProbe : public TPersistent {
  PR_CLASS(TRegistryProbe, TPersistent)
};
PR_IMPLEMENT_CLASS(TRegistryProbe)

namespace {

// Class references made for the test: a name and a parent are all the registries look at.
class TestClasses {
 public:
  TClass Make(const std::string& name, TClass parent = TObject::StaticClass()) {
    classes_.push_back(std::make_unique<TMetaClass>(name.c_str(), parent, nullptr, [](TClassTables&) {}));
    return classes_.back().get();
  }

 private:
  std::vector<std::unique_ptr<TMetaClass>> classes_;
};

const char* const kEditorNames[] = {"BlobEdit", "ButtonEdit",    "CalcEdit",      "CheckBox",  "ComboBox",
                                    "CurrencyEdit", "DateEdit",  "HyperLink",     "Image",     "ImageComboBox",
                                    "Label",    "MaskEdit",      "Memo",          "MRUEdit",   "PopupEdit",
                                    "RadioGroup", "ShellComboBox", "SpinEdit",    "TextEdit",  "TimeEdit"};

std::vector<std::string> Names(const TkxRegisteredClasses& registry) {
  std::vector<std::string> names;
  for (Integer i = 0; i < registry.Count(); ++i) names.push_back(registry.GetEntryName(i));
  return names;
}

TEST(KxRegisteredClasses, TheTwentyEditorsComeOutInNameOrder) {
  ScopedLocale locale("th-TH");
  TestClasses classes;
  std::vector<std::pair<TClass, std::string>> entries;
  for (std::size_t i = 0; i < std::size(kEditorNames); ++i) {
    // Descriptions that sort the other way round, so only the names can give the order.
    const std::string description = std::string(1, char('z' - i)) + " editor";
    entries.emplace_back(classes.Make(std::string("T") + kEditorNames[i]), std::string(kEditorNames[i]) + "|" + description);
  }
  std::shuffle(entries.begin(), entries.end(), std::mt19937(38));
  TkxRegisteredClasses registry;
  registry.SetKeepSorted(true);
  for (const auto& [cls, text] : entries) registry.RegisterClassWithText(cls, text);
  EXPECT_EQ(Names(registry), std::vector<std::string>(std::begin(kEditorNames), std::end(kEditorNames)));

  // Switching sorting on later sorts at once.
  TkxRegisteredClasses late;
  for (const auto& [cls, text] : entries) late.RegisterClassWithText(cls, text);
  late.SetKeepSorted(true);
  EXPECT_EQ(Names(late), Names(registry));
}

TEST(KxRegisteredClasses, OneEntryPerClassFoundByClass) {
  TestClasses classes;
  const TClass a = classes.Make("TA"), b = classes.Make("TB");
  TkxRegisteredClasses registry;
  registry.RegisterClassWithText(a, "Same|first");
  registry.RegisterClassWithText(a, "Other|second");   // ignored: the class is there
  registry.RegisterClassWithText(b, "Same|first");      // another class with the same text is kept
  ASSERT_EQ(registry.Count(), 2);
  EXPECT_EQ(registry.GetEntryText(0), "Same|first");
  EXPECT_EQ(registry.IndexOfClass(b), 1);
  EXPECT_EQ(registry.GetEntryClass(1), b);
  registry.UnregisterClassEntry(a);
  registry.UnregisterClassEntry(a);   // absent: nothing
  EXPECT_EQ(registry.IndexOfClass(a), -1);
  EXPECT_EQ(registry.IndexOfClass(b), 0);
}

TEST(KxRegisteredClasses, CanRegisterForStreaming) {
  TkxRegisteredClasses streaming(true);
  streaming.RegisterClassWithText(TRegistryProbe::StaticClass(), "Probe|for streams");
  EXPECT_EQ(GetClass("TRegistryProbe"), TRegistryProbe::StaticClass());
  UnRegisterClass(TRegistryProbe::StaticClass());
}

TEST(KxRegisteredClassList, PairsGoAfterTheirAncestorsAndBeforeTheirDescendants) {
  TestClasses classes;
  const TClass p = classes.Make("TP");
  const TClass a = classes.Make("TA", p);
  const TClass b = classes.Make("TB", a);
  const TClass c = classes.Make("TC", a);
  const TClass u = classes.Make("TU");
  const TClass r1 = classes.Make("TR1"), r2 = classes.Make("TR2");

  struct Step {
    const char* what;
    TClass item;
    std::vector<TClass> after;   // the item classes in list order afterwards
  };
  const Step kSteps[] = {
      {"first pair", a, {a}},
      {"a descendant goes after its ancestor", b, {a, b}},
      {"an ancestor goes before its first descendant", p, {p, a, b}},
      {"an unrelated class is appended", u, {p, a, b, u}},
      {"the nearest ancestor from the end decides", c, {p, a, c, b, u}},
      {"the same class again goes right after itself", a, {p, a, a, c, b, u}},
  };
  TkxRegisteredClassList list;
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.what);
    list.RegisterPair(step.item, r1);
    std::vector<TClass> items;
    for (Integer i = 0; i < list.GetCount(); ++i) items.push_back(list.GetItem(i).ItemClass);
    EXPECT_EQ(items, step.after);
  }

  Integer index = -1;
  EXPECT_TRUE(list.FindPosition(b, index));
  EXPECT_EQ(index, 4);
  index = -1;
  EXPECT_FALSE(list.FindPosition(TObject::StaticClass(), index));
  EXPECT_EQ(index, 0);   // the lowest entry that descends from it
  index = -1;
  EXPECT_FALSE(list.FindPosition(r2, index));
  EXPECT_EQ(index, -1);

  list.RegisterPair(u, r2);
  list.UnregisterPair(a, r1);   // both entries of exactly that pair
  list.UnregisterPair(u, r1);
  std::vector<std::pair<TClass, TClass>> pairs;
  for (Integer i = 0; i < list.GetCount(); ++i) pairs.emplace_back(list.GetItem(i).ItemClass, list.GetItem(i).RegisteredClass);
  EXPECT_EQ(pairs, (std::vector<std::pair<TClass, TClass>>{{p, r1}, {c, r1}, {b, r1}, {u, r2}}));
}

}  // namespace
