// Popup menus shown through the window layer: the menu handle built from the items, a right
// click opening the menu and a keyboard choice running the chosen item after it closed, the
// menu's shortcuts while it is closed, and an action's state reaching its item's entry.
#include <string>
#include <vector>

#include "platform/ui/custom_action.h"
#include "platform/ui/menu.h"
#include "platform/user/menu.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

std::string EntryText(HMENU menu, UINT position) {
  char text[64] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

class PopupMenuTest : public UiTest {
 protected:
  PopupMenuTest() {
    form_ = NewForm("Main", false);
    field_ = new TWinControl(form_);
    field_->SetName("Field");
    field_->SetParent(form_);
    field_->SetBounds(10, 10, 120, 40);
    field_->SetTabStop(true);
    menu_ = new TPopupMenu(form_);
    menu_->OnPopup = [this](TObject*) { clicks_.push_back("(popup)"); };
    field_->SetPopupMenu(menu_);
  }

  TMenuItem* Item(const char* caption, TShortCut shortCut = scNone) {
    auto* item = new TMenuItem(form_);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    item->OnClick = [this, caption](TObject*) { clicks_.push_back(caption); };
    menu_->Items()->Add(item);
    return item;
  }

  void ShowFocused() {
    form_->Show();
    field_->SetFocus();
    driver_->Settle();
    clicks_.clear();
  }

  TForm* form_;
  TWinControl* field_;
  TPopupMenu* menu_;
  std::vector<std::string> clicks_;
};

TEST_F(PopupMenuTest, TheHandleHoldsTheVisibleItemsWithTheirIdsAndStates) {
  TMenuItem* open = Item("&Open", 'O' | scCtrl);
  Item("-");
  TMenuItem* hidden = Item("Hidden");
  hidden->SetVisible(false);
  TMenuItem* view = Item("View");
  view->SetChecked(true);
  view->SetEnabled(false);
  TMenuItem* save = Item("Save");
  save->SetDefault(true);

  HMENU menu = menu_->Handle();
  ASSERT_EQ(GetMenuItemCount(menu), 4);
  EXPECT_EQ(GetMenuItemID(menu, 0), open->Command());
  EXPECT_EQ(EntryText(menu, 0), "&Open\tCtrl+O");
  EXPECT_NE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
  EXPECT_EQ(GetMenuItemID(menu, 2), view->Command());
  const UINT viewState = GetMenuState(menu, 2, MF_BYPOSITION);
  EXPECT_NE(viewState & MF_CHECKED, 0u);
  EXPECT_NE(viewState & MF_GRAYED, 0u);
  EXPECT_EQ(GetMenuDefaultItem(menu, FALSE, GMDI_USEDISABLED), save->Command());
  EXPECT_NE(open->Command(), save->Command());

  hidden->SetVisible(true);   // the handle is built again with it
  HMENU rebuilt = menu_->Handle();
  EXPECT_EQ(GetMenuItemCount(rebuilt), 5);
  EXPECT_FALSE(IsMenu(menu));

  TMenuItem* recent = new TMenuItem(form_);
  recent->SetCaption("First");
  open->Add(recent);
  HMENU sub = GetSubMenu(menu_->Handle(), 0);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(open->Handle(), sub);
  EXPECT_EQ(GetMenuItemID(sub, 0), recent->Command());
}

TEST_F(PopupMenuTest, ARightClickOpensTheMenuAndTheKeyboardChoosesAnItem) {
  Item("Insert", VK_INSERT);
  Item("Delete", VK_DELETE);
  Item("Refresh", VK_F5);
  ShowFocused();
  driver_->ChooseFromPopupMenu(field_, {VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_EQ(clicks_, (std::vector<std::string>{"(popup)", "Delete"}));
  EXPECT_EQ(menu_->PopupComponent(), field_);

  clicks_.clear();
  driver_->ChooseFromPopupMenu(field_, {VK_DOWN, VK_ESCAPE});
  EXPECT_EQ(clicks_, (std::vector<std::string>{"(popup)"}));
}

TEST_F(PopupMenuTest, ShortCutsFireWhileTheMenuIsClosed_HiddenYes_DisabledNo) {
  Item("Insert", VK_INSERT);
  Item("Delete", VK_DELETE)->SetEnabled(false);
  Item("Refresh", VK_F5)->SetVisible(false);
  ShowFocused();
  for (Word key : {VK_F5, VK_INSERT, VK_DELETE}) driver_->PressKey(key);
  EXPECT_EQ(clicks_, (std::vector<std::string>{"(popup)", "Refresh", "(popup)", "Insert", "(popup)"}));
}

TEST_F(PopupMenuTest, AnActionsEnabledAndCaptionReachItsItemAndEntry_IdleRunsOnUpdate) {
  auto* action = new TAction(form_);
  action->SetCaption("&Refresh");
  Integer executions = 0, updates = 0;
  action->SetOnExecute(NotifyEvent([&](TObject*) { ++executions; }));
  TMenuItem* item = Item("");
  item->SetAction(action);
  HMENU menu = menu_->Handle();
  action->SetCaption("Re&load");
  action->SetEnabled(false);
  EXPECT_EQ(item->Caption(), "Re&load");
  EXPECT_FALSE(item->Enabled());
  EXPECT_EQ(menu_->Handle(), menu);   // changed in place
  EXPECT_EQ(EntryText(menu, 0), "Re&load");
  EXPECT_NE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED, 0u);

  action->SetEnabled(true);
  action->OnUpdate = [&](TObject*) { ++updates; };
  ShowFocused();
  EXPECT_GT(updates, 0);   // the idle step updated the item's action
  driver_->ChooseFromPopupMenu(field_, {VK_DOWN, VK_RETURN});
  EXPECT_EQ(executions, 1);
}

// A control answering another menu from GetPopupMenu has that one popped up by a right click.
class OtherMenuControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  TComponent* GetPopupMenu() override { return other; }
  TComponent* other = nullptr;
};

TEST_F(PopupMenuTest, ARightClickPopsUpWhatGetPopupMenuAnswers) {
  Item("Field's");
  auto* other = new TPopupMenu(form_);
  auto* item = new TMenuItem(form_);
  item->SetCaption("Other's");
  item->OnClick = [this](TObject*) { clicks_.push_back("Other's"); };
  other->Items()->Add(item);
  auto* control = new OtherMenuControl(form_);
  control->SetParent(form_);
  control->SetBounds(10, 60, 120, 30);
  control->SetPopupMenu(menu_);
  control->other = other;
  ShowFocused();
  driver_->ChooseFromPopupMenu(control, {VK_DOWN, VK_RETURN});
  EXPECT_EQ(clicks_, (std::vector<std::string>{"Other's"}));
  EXPECT_EQ(other->PopupComponent(), control);
}

}  // namespace
}  // namespace uitest
