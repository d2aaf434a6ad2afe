// The menu item model: the tree's operations and errors, radio groups, the default item,
// separators, finding by caption, shortcuts of hidden and disabled items, action links on items,
// and menus read from a form image.
#include <string>
#include <vector>

#include "platform/ui/action_list.h"
#include "platform/ui/custom_action.h"
#include "platform/ui/menu.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class MenuItemTest : public UiTest {
 protected:
  TMenuItem* Item(TMenuItem* parent, const char* caption, TShortCut shortCut = scNone) {
    auto* item = new TMenuItem(form_);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    item->OnClick = [this, caption](TObject*) { clicks_.push_back(caption); };
    parent->Add(item);
    return item;
  }

  std::vector<std::string> Captions(TMenuItem* parent) {
    std::vector<std::string> result;
    for (Integer i = 0; i < parent->Count(); ++i) result.push_back(parent->Items(i)->Caption());
    return result;
  }

  // A key-down message for the shortcut test, as the control layer passes it.
  static TMessage KeyDown(Word key) { return TMessage{WM_KEYDOWN, key, 0, 0}; }

  TForm* form_ = NewForm("Main", false);
  TPopupMenu* menu_ = new TPopupMenu(form_);
  std::vector<std::string> clicks_;
};

TEST_F(MenuItemTest, AddInsertRemoveDeleteAndTheirErrors) {
  TMenuItem* root = menu_->Items();
  TMenuItem* open = Item(root, "&Open");
  TMenuItem* save = Item(root, "&Save");
  auto* line = new TMenuItem(form_);
  line->SetCaption("-");
  root->Insert(1, line);
  EXPECT_EQ(Captions(root), (std::vector<std::string>{"&Open", "-", "&Save"}));
  EXPECT_TRUE(line->IsLine());
  EXPECT_EQ(save->MenuIndex(), 2);
  EXPECT_EQ(save->Parent(), root);
  EXPECT_EQ(save->GetParentMenu(), menu_);
  EXPECT_EQ(root->Find("save"), save);   // accelerator marks and case aside
  EXPECT_EQ(root->Find("Close"), nullptr);

  EXPECT_THROW(root->Add(open), EMenuError);          // already in a menu
  EXPECT_THROW(root->Insert(5, new TMenuItem(form_)), EMenuError);
  EXPECT_THROW(root->Items(3), EMenuError);
  root->Remove(line);
  EXPECT_EQ(line->Parent(), nullptr);
  EXPECT_THROW(root->Remove(line), EMenuError);
  save->SetMenuIndex(0);
  EXPECT_EQ(Captions(root), (std::vector<std::string>{"&Save", "&Open"}));
  root->Delete(0);
  EXPECT_EQ(Captions(root), (std::vector<std::string>{"&Open"}));
  delete line;
  delete save;

  TMenuItem* recent = Item(open, "Recent");
  EXPECT_EQ(recent->GetParentMenu(), menu_);
  const Integer components = form_->ComponentCount();
  delete open;   // frees its items and leaves its parent
  EXPECT_EQ(root->Count(), 0);
  EXPECT_EQ(form_->ComponentCount(), components - 2);
}

TEST_F(MenuItemTest, RadioItemsOfAGroupCheckOneAtATime_ADefaultIsAlone) {
  TMenuItem* root = menu_->Items();
  std::vector<TMenuItem*> items;
  for (const char* caption : {"Small", "Large", "Other group", "Plain"}) items.push_back(Item(root, caption));
  for (int i = 0; i < 3; ++i) items[i]->SetRadioItem(true);
  items[2]->SetGroupIndex(2);
  items[3]->SetChecked(true);

  items[0]->SetChecked(true);
  items[2]->SetChecked(true);
  items[1]->SetChecked(true);
  EXPECT_FALSE(items[0]->Checked());
  EXPECT_TRUE(items[1]->Checked());
  EXPECT_TRUE(items[2]->Checked());   // another group
  EXPECT_TRUE(items[3]->Checked());   // not a radio item

  items[0]->SetAutoCheck(true);
  items[0]->Click();
  EXPECT_TRUE(items[0]->Checked());
  EXPECT_FALSE(items[1]->Checked());

  items[1]->SetDefault(true);
  items[3]->SetDefault(true);
  EXPECT_FALSE(items[1]->Default());
  EXPECT_TRUE(items[3]->Default());
}

TEST_F(MenuItemTest, ShortCutsClickParentsFirstIncludingHiddenItems_DisabledOnesDoNotClick) {
  std::vector<std::string> popups;
  menu_->OnPopup = [&](TObject*) { clicks_.push_back("(popup)"); };
  TMenuItem* edit = Item(menu_->Items(), "Edit");
  Item(edit, "Refresh", VK_F5)->SetVisible(false);
  Item(edit, "Delete", VK_DELETE)->SetEnabled(false);

  TMessage f5 = KeyDown(VK_F5);
  EXPECT_TRUE(menu_->IsShortCut(f5));
  EXPECT_EQ(clicks_, (std::vector<std::string>{"(popup)", "Edit", "Refresh"}));
  clicks_.clear();
  TMessage del = KeyDown(VK_DELETE);
  EXPECT_TRUE(menu_->IsShortCut(del));   // the key is the item's, though it does nothing
  EXPECT_EQ(clicks_, (std::vector<std::string>{"(popup)", "Edit"}));
  TMessage other = KeyDown(VK_F6);
  EXPECT_FALSE(menu_->IsShortCut(other));
}

TEST_F(MenuItemTest, AnActionReachesItsItem_TheItemsOwnValueBreaksTheLink) {
  auto* action = new TAction(form_);
  action->SetCaption("&Refresh");
  action->SetShortCut(VK_F5);
  Integer executions = 0;
  action->SetOnExecute(NotifyEvent([&](TObject*) { ++executions; }));
  auto* item = new TMenuItem(form_);
  menu_->Items()->Add(item);
  item->SetAction(action);
  EXPECT_EQ(item->Caption(), "&Refresh");
  EXPECT_EQ(item->ShortCut(), VK_F5);

  action->SetEnabled(false);
  action->SetCaption("Re&load");
  EXPECT_FALSE(item->Enabled());
  EXPECT_EQ(item->Caption(), "Re&load");
  action->SetEnabled(true);
  item->Click();
  EXPECT_EQ(executions, 1);

  item->SetCaption("Mine");
  action->SetCaption("Again");
  EXPECT_EQ(item->Caption(), "Mine");
  const std::string written = FormImageText(item);
  EXPECT_NE(written.find("Caption = 'Mine'"), std::string::npos) << written;
  EXPECT_EQ(written.find("ShortCut"), std::string::npos) << written;
}

TEST_F(MenuItemTest, APopupMenuIsReadFromAFormImageAndWrittenAgain) {
  TForm* form = ReadForm(
      "object Image: TForm\n"
      "  object Memo: TButton\n"
      "    PopupMenu = Popup\n"
      "  end\n"
      "  object Popup: TPopupMenu\n"
      "    AutoPopup = False\n"
      "    Alignment = paRight\n"
      "    object miRefresh: TMenuItem\n"
      "      Caption = '&Refresh'\n"
      "      ShortCut = 116\n"
      "    end\n"
      "    object N1: TMenuItem\n"
      "      Caption = '-'\n"
      "    end\n"
      "    object miView: TMenuItem\n"
      "      Caption = 'View'\n"
      "      object miLarge: TMenuItem\n"
      "        Caption = 'Large'\n"
      "        Checked = True\n"
      "        RadioItem = True\n"
      "      end\n"
      "    end\n"
      "  end\n"
      "end\n");
  auto* popup = dynamic_cast<TPopupMenu*>(form->FindComponent("Popup"));
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(form->FindComponent("Memo")->ClassName(), "TButton");
  EXPECT_EQ(dynamic_cast<TControl*>(form->FindComponent("Memo"))->PopupMenu(), popup);
  EXPECT_FALSE(popup->AutoPopup());
  EXPECT_EQ(popup->Alignment(), paRight);
  EXPECT_EQ(Captions(popup->Items()), (std::vector<std::string>{"&Refresh", "-", "View"}));
  auto* large = dynamic_cast<TMenuItem*>(form->FindComponent("miLarge"));
  ASSERT_NE(large, nullptr);
  EXPECT_EQ(large->Parent(), form->FindComponent("miView"));
  EXPECT_TRUE(large->Checked());
  EXPECT_EQ(popup->Items()->Items(0)->ShortCut(), VK_F5);

  // The form writes its controls, then the menu it owns, the menu its items.
  const std::string written = FormImageText(form);
  std::size_t at = 0;
  for (const char* part : {"object Memo: TButton", "PopupMenu = Popup", "object Popup: TPopupMenu", "Alignment = paRight",
                           "object miRefresh: TMenuItem", "ShortCut = 116", "object miLarge: TMenuItem"}) {
    at = written.find(part, at);
    ASSERT_NE(at, std::string::npos) << part << " in order in\n" << written;
  }
}

}  // namespace
}  // namespace uitest
