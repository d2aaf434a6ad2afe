// Actions and their links: what an action's state does to a button, a check box and a speed
// button, where setting a value on the client breaks the link, which properties a linked client
// does not write, clicks through the action, action lists' shortcuts through the form, and the
// idle update.
#include <string>
#include <vector>

#include "platform/ui/action_list.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/custom_action.h"
#include "platform/ui/speed_button.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class ActionsTest : public UiTest {
 protected:
  ActionsTest() {
    form_ = NewForm("Main", false);
    list_ = new TActionList(form_);
    list_->SetName("Actions");
    action_ = new TAction(form_);
    action_->SetName("SaveAction");
    action_->SetActionList(list_);
    action_->SetCaption("&Save");
    action_->SetHint("Save the file");
    action_->SetOnExecute(NotifyEvent([this](TObject* sender) {
      auto* action = dynamic_cast<TBasicAction*>(sender);
      executed_.push_back(action != nullptr ? action->ActionComponent() : dynamic_cast<TComponent*>(sender));
    }));
  }

  template <class T>
  T* Add(const char* name, Integer top) {
    auto* control = new T(form_);
    control->SetName(name);
    control->SetParent(form_);
    control->SetBounds(10, top, 80, 24);
    return control;
  }

  TForm* form_;
  TActionList* list_;
  TAction* action_;
  std::vector<TComponent*> executed_;   // each execution's ActionComponent (the sender without an action)
};

TEST_F(ActionsTest, ALinkedButtonFollowsTheActionAndClicksThroughIt) {
  auto* button = Add<TButton>("Button1", 10);
  button->SetAction(action_);
  EXPECT_EQ(button->Caption(), "&Save");
  EXPECT_EQ(button->Hint(), "Save the file");
  EXPECT_TRUE(button->ControlStyle().Contains(csActionClient));

  action_->SetCaption("Save &as");
  action_->SetEnabled(false);
  EXPECT_EQ(button->Caption(), "Save &as");
  EXPECT_FALSE(button->Enabled());

  action_->SetEnabled(true);
  form_->Show();
  driver_->Click(button);
  ASSERT_EQ(executed_.size(), 1u);
  EXPECT_EQ(executed_[0], button);                 // the invoking component while it executes
  EXPECT_EQ(action_->ActionComponent(), nullptr);  // and none afterwards
}

TEST_F(ActionsTest, AValueSetOnTheClientBreaksTheLinkForThatPropertyOnly) {
  auto* button = Add<TButton>("Button1", 10);
  button->SetAction(action_);
  button->SetCaption("Keep");
  action_->SetCaption("Other");
  action_->SetHint("New hint");
  EXPECT_EQ(button->Caption(), "Keep");
  EXPECT_EQ(button->Hint(), "New hint");

  // An OnClick of its own runs instead of the action.
  bool ownClick = false;
  button->OnClick = [&](TObject*) { ownClick = true; };
  button->Click();
  EXPECT_TRUE(ownClick);
  EXPECT_TRUE(executed_.empty());
}

TEST_F(ActionsTest, LinkedPropertiesAreNotWrittenUnlinkedOnesAre) {
  auto* button = Add<TButton>("Button1", 10);
  button->SetAction(action_);
  action_->SetEnabled(false);
  std::string written = FormImageText(button);
  EXPECT_NE(written.find("Action = Main.SaveAction"), std::string::npos) << written;
  for (const char* linked : {"Caption", "Hint", "Enabled", "OnClick"})
    EXPECT_EQ(written.find(linked), std::string::npos) << linked << " in\n" << written;

  button->SetCaption("Own");
  written = FormImageText(button);
  EXPECT_NE(written.find("Caption = 'Own'"), std::string::npos) << written;
}

TEST_F(ActionsTest, ReadingAFormImageLinksTheActionAndKeepsTheClientsOwnValues) {
  TForm* form = ReadForm(
      "object Image: TForm\n"
      "  object Button1: TButton\n"
      "    Caption = 'Mine'\n"
      "    Action = Open\n"
      "  end\n"
      "  object List: TActionList\n"
      "    object Open: TAction\n"
      "      Caption = '&Open'\n"
      "      Hint = 'Open a file'\n"
      "      ShortCut = 16463\n"
      "    end\n"
      "  end\n"
      "end\n");
  auto* button = dynamic_cast<TButton*>(form->FindComponent("Button1"));
  auto* open = dynamic_cast<TAction*>(form->FindComponent("Open"));
  ASSERT_NE(button, nullptr);
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->ActionList(), form->FindComponent("List"));
  EXPECT_EQ(open->ShortCut(), 'O' | scCtrl);
  EXPECT_EQ(button->Action(), open);
  EXPECT_EQ(button->Caption(), "Mine");   // a value of its own is kept when the image is read
  EXPECT_EQ(button->Hint(), "Open a file");
}

TEST_F(ActionsTest, CheckBoxesAndSpeedButtonsFollowChecked) {
  auto* check = Add<TCheckBox>("Check1", 10);
  auto* speed = Add<TSpeedButton>("Speed1", 40);
  speed->SetAllowAllUp(true);
  action_->SetGroupIndex(3);
  check->SetAction(action_);
  speed->SetAction(action_);
  EXPECT_EQ(speed->GroupIndex(), 3);

  action_->SetChecked(true);
  EXPECT_TRUE(check->Checked());
  EXPECT_TRUE(speed->Down());
  action_->SetChecked(false);
  EXPECT_FALSE(check->Checked());
  EXPECT_FALSE(speed->Down());
}

TEST_F(ActionsTest, AutoCheckToggles_AGroupKeepsOneChecked) {
  auto* other = new TAction(form_);
  other->SetActionList(list_);
  for (TAction* a : {action_, other}) {
    a->SetAutoCheck(true);
    a->SetGroupIndex(1);
  }
  action_->Execute();
  EXPECT_TRUE(action_->Checked());
  other->SetChecked(true);
  EXPECT_FALSE(action_->Checked());
  other->Execute();   // a checked action of a group stays checked
  EXPECT_TRUE(other->Checked());
}

TEST_F(ActionsTest, ActionListShortCutsFireThroughTheFormWhileEnabled) {
  action_->SetShortCut(VK_F5);
  auto* field = Add<TButton>("Field", 10);
  form_->Show();
  field->SetFocus();
  driver_->Settle();
  driver_->PressKey(VK_F5);
  EXPECT_EQ(executed_.size(), 1u);

  action_->SetEnabled(false);
  action_->OnUpdate = [](TObject*) {};   // keeps the update from enabling it
  driver_->PressKey(VK_F5);
  EXPECT_EQ(executed_.size(), 1u);
}

TEST_F(ActionsTest, IdleUpdatesTheActionsOfVisibleClients_AnActionWithoutHandlerIsDisabled) {
  auto* button = Add<TButton>("Button1", 10);
  button->SetAction(action_);
  Integer updates = 0;
  action_->OnUpdate = [&](TObject*) { ++updates; };
  form_->Show();
  driver_->Settle();
  EXPECT_GT(updates, 0);

  auto* idle = new TAction(form_);   // no OnExecute, no OnUpdate, nobody takes it
  auto* other = Add<TButton>("Button2", 40);
  other->SetAction(idle);
  ASSERT_TRUE(other->Enabled());
  driver_->Settle();
  EXPECT_FALSE(idle->Enabled());
  EXPECT_FALSE(other->Enabled());
}

TEST_F(ActionsTest, FreeingTheActionUnlinksItsClients) {
  auto* button = Add<TButton>("Button1", 10);
  button->SetAction(action_);
  delete action_;
  EXPECT_EQ(button->Action(), nullptr);
  EXPECT_EQ(button->ActionLink(), nullptr);
  EXPECT_FALSE(button->ControlStyle().Contains(csActionClient));
  button->Click();   // the handler it took from the action still runs
  EXPECT_EQ(executed_, (std::vector<TComponent*>{button}));
}

}  // namespace
}  // namespace uitest
