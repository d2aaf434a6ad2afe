// Which control notifications a property change sends, to which controls, in which order.
#include <functional>

#include "platform/ui/font.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

using Strings = std::vector<std::string>;

// Form > Parent (panel) > {Graphic (label), Child > Grand, Own (its own font)}.
struct Tree {
  TPanel* parent;
  TLabel* graphic;
  TWinControl* child;
  TWinControl* grand;
  TWinControl* own;
};

template <class T>
T* Make(TForm* form, TWinControl* parent, const char* name) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(parent);
  return control;
}

Tree Build(TForm* form) {
  Tree t{};
  t.parent = Make<TPanel>(form, form, "Parent");
  t.graphic = Make<TLabel>(form, t.parent, "Graphic");
  t.child = Make<TWinControl>(form, t.parent, "Child");
  t.grand = Make<TWinControl>(form, t.child, "Grand");
  t.own = Make<TWinControl>(form, t.parent, "Own");
  t.own->Font()->SetName("Courier New");
  return t;
}

struct Case {
  const char* name;
  std::function<void(Tree&)> change;
  Strings expected;
};

const Strings kParentFontFanOut = {
    "Parent:CM_FONTCHANGED",       "Graphic:CM_PARENTFONTCHANGED", "Graphic:CM_FONTCHANGED",
    "Child:CM_PARENTFONTCHANGED",  "Child:CM_FONTCHANGED",         "Grand:CM_PARENTFONTCHANGED",
    "Grand:CM_FONTCHANGED",        "Own:CM_PARENTFONTCHANGED"};
const Strings kParentColorFanOut = {
    "Parent:CM_COLORCHANGED",      "Graphic:CM_PARENTCOLORCHANGED", "Graphic:CM_COLORCHANGED",
    "Child:CM_PARENTCOLORCHANGED", "Child:CM_COLORCHANGED",         "Grand:CM_PARENTCOLORCHANGED",
    "Grand:CM_COLORCHANGED",       "Own:CM_PARENTCOLORCHANGED",     "Own:CM_COLORCHANGED"};

const Case kCases[] = {
    {"parent font", [](Tree& t) { t.parent->Font()->SetSize(14); }, kParentFontFanOut},
    {"child font", [](Tree& t) { t.child->Font()->SetStyle({fsBold}); },
     {"Child:CM_FONTCHANGED", "Grand:CM_PARENTFONTCHANGED", "Grand:CM_FONTCHANGED"}},
    {"font assigned unchanged", [](Tree& t) { t.parent->SetFont(t.parent->Font()); }, {}},
    {"parent color", [](Tree& t) { t.parent->SetColor(clYellow); }, kParentColorFanOut},
    {"child color", [](Tree& t) { t.child->SetColor(clRed); },
     {"Child:CM_COLORCHANGED", "Grand:CM_PARENTCOLORCHANGED", "Grand:CM_COLORCHANGED"}},
    {"graphic color", [](Tree& t) { t.graphic->SetColor(clRed); }, {"Graphic:CM_COLORCHANGED"}},
    {"parent disabled", [](Tree& t) { t.parent->SetEnabled(false); }, {"Parent:CM_ENABLEDCHANGED"}},
    {"child disabled", [](Tree& t) { t.child->SetEnabled(false); }, {"Child:CM_ENABLEDCHANGED"}},
    {"graphic disabled", [](Tree& t) { t.graphic->SetEnabled(false); }, {"Graphic:CM_ENABLEDCHANGED"}},
    {"parent hidden", [](Tree& t) { t.parent->SetVisible(false); },
     {"Parent:CM_VISIBLECHANGED", "Parent:CM_SHOWINGCHANGED"}},
    {"child hidden", [](Tree& t) { t.child->SetVisible(false); },
     {"Child:CM_VISIBLECHANGED", "Child:CM_SHOWINGCHANGED"}},
    {"graphic hidden", [](Tree& t) { t.graphic->SetVisible(false); }, {"Graphic:CM_VISIBLECHANGED"}},
    {"parent caption", [](Tree& t) { t.parent->SetCaption("Totals"); }, {"Parent:CM_TEXTCHANGED"}},
    {"graphic caption", [](Tree& t) { t.graphic->SetCaption("Name"); }, {"Graphic:CM_TEXTCHANGED"}},
    {"child text", [](Tree& t) { t.child->SetText("Name"); }, {"Child:CM_TEXTCHANGED"}},
    {"caption unchanged", [](Tree& t) { t.graphic->SetCaption(t.graphic->Caption()); }, {}},
    {"parent show hint", [](Tree& t) { t.parent->SetShowHint(true); },
     {"Parent:CM_SHOWHINTCHANGED", "Graphic:CM_PARENTSHOWHINTCHANGED", "Graphic:CM_SHOWHINTCHANGED",
      "Child:CM_PARENTSHOWHINTCHANGED", "Child:CM_SHOWHINTCHANGED", "Grand:CM_PARENTSHOWHINTCHANGED",
      "Grand:CM_SHOWHINTCHANGED", "Own:CM_PARENTSHOWHINTCHANGED", "Own:CM_SHOWHINTCHANGED"}},
};

class NotificationTest : public UiTest {};

TEST_F(NotificationTest, ChangesNotifyTheControlsTheClassLibraryNotifies) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    TForm* form = NewForm("Form1");
    Tree tree = Build(form);
    driver_->Settle();
    NotificationLog log;
    for (TControl* control : {static_cast<TControl*>(tree.parent), static_cast<TControl*>(tree.graphic),
                              static_cast<TControl*>(tree.child), static_cast<TControl*>(tree.grand),
                              static_cast<TControl*>(tree.own)})
      log.Watch(control);
    c.change(tree);
    EXPECT_EQ(log.Take(), c.expected);
    delete form;
  }
}

TEST_F(NotificationTest, ParentValuesReachOnlyControlsThatFollowTheParent) {
  TForm* form = NewForm("Form1");
  Tree tree = Build(form);
  tree.parent->Font()->SetSize(14);
  tree.parent->SetColor(clYellow);
  EXPECT_EQ(tree.child->Font()->Size(), 14);
  EXPECT_EQ(tree.grand->Font()->Size(), 14);
  EXPECT_TRUE(tree.child->ParentFont());
  EXPECT_NE(tree.own->Font()->Size(), 14);
  EXPECT_EQ(tree.own->Font()->Name(), "Courier New");
  EXPECT_EQ(tree.grand->Color(), clYellow);
  // A control given its own value stops following; its children follow it.
  tree.child->SetColor(clRed);
  tree.parent->SetColor(clAqua);
  EXPECT_FALSE(tree.child->ParentColor());
  EXPECT_EQ(tree.child->Color(), clRed);
  EXPECT_EQ(tree.grand->Color(), clRed);
  EXPECT_EQ(tree.graphic->Color(), clAqua);
}

TEST_F(NotificationTest, InsertingAControlSendsTheListAndParentNotifications) {
  TForm* form = NewForm("Form1");
  Tree tree = Build(form);
  NotificationLog log;
  log.Watch(tree.parent);
  auto* label = new TLabel(form);
  label->SetName("Added");
  log.Watch(label);
  label->SetParent(tree.parent);
  const Strings expected = {"Parent:CM_CONTROLLISTCHANGE",  "Added:CM_PARENTCOLORCHANGED",
                            "Added:CM_COLORCHANGED",        "Added:CM_PARENTFONTCHANGED",
                            "Added:CM_PARENTSHOWHINTCHANGED", "Added:CM_PARENTBIDIMODECHANGED",
                            "Parent:CM_CONTROLCHANGE"};
  EXPECT_EQ(log.Take(), expected);
  label->SetParent(nullptr);
  EXPECT_EQ(log.Take(), (Strings{"Parent:CM_CONTROLCHANGE", "Parent:CM_CONTROLLISTCHANGE"}));
  delete label;
}

}  // namespace
}  // namespace uitest
