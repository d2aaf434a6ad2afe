// The interim shell combo box: its settings under the final names, its folder list (the drives'
// folders, the text's path, the deepest folder's subfolders, by depth) and choosing from it.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdlib.h>

#include <filesystem>

#include "controls/interim/interim_controls.h"
#include "controls/interim/kx_shell_combo_box.h"
#include "controls/interim/shell_folder_list.h"
#include "platform/core/cp874.h"
#include "platform/os/drive_map.h"
#include "platform/window_classes/combo_box_window.h"
#include "platform/ui/form.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/os/temp_folder.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

const char* const kImage =
    "object Form1: TForm\n"
    "  ClientHeight = 100\n"
    "  ClientWidth = 300\n"
    "  object Edit2: TkxShellComboBox\n"
    "    Left = 8\n"
    "    Top = 8\n"
    "    Width = 280\n"
    "    Properties.DropDownWidth = 313\n"
    "    Properties.HideSelection = False\n"
    "    Properties.Root.BrowseFolder = bfDrives\n"
    "    Properties.ShowFullPath = sfpAlways\n"
    "    TabOrder = 0\n"
    "  end\n"
    "end\n";

// Drives C and D point at folders c and d of a temporary folder; d holds A/B with subfolders.
class ShellComboTest : public UiTest {
 protected:
  ShellComboTest() {
    ResetPathMappings();
    for (const char* folder : {"c", "d/A/B/y", "d/A/B/X", "d/A/B/.hidden", "d/A/other"})
      std::filesystem::create_directories(tmp_ / folder);
    WriteRawFile(tmp_ / "d/A/B/file.txt", "not a folder");
    SetDriveMapping('C', Root() + "/c");
    SetDriveMapping('D', Root() + "/d");
  }
  ~ShellComboTest() override { ResetPathMappings(); }

  // The temporary folder's full path, code page 874.
  std::string Root() const {
    char resolved[PATH_MAX];
    return Utf8ToCp874(realpath(tmp_.Path().c_str(), resolved));
  }
  TkxShellComboBox* ShownCombo() {
    RegisterInterimControls();
    TForm* form = ReadForm(kImage);
    form->Show();
    driver_->Settle();
    return dynamic_cast<TkxShellComboBox*>(form->FindComponent("Edit2"));
  }

  TempFolder tmp_;
};

TEST_F(ShellComboTest, ItsSettingsLoadUnderTheFinalNamesAndStreamBack) {
  RegisterInterimControls();
  TForm* form = ReadForm(kImage);
  auto* combo = dynamic_cast<TkxShellComboBox*>(form->FindComponent("Edit2"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->Properties()->DropDownWidth(), 313);
  EXPECT_FALSE(combo->Properties()->HideSelection());
  EXPECT_EQ(combo->Properties()->Root()->BrowseFolder(), bfDrives);
  EXPECT_EQ(combo->Properties()->ShowFullPath(), sfpAlways);
  const std::string written = FormImageText(form);
  for (const char* line : {"Properties.DropDownWidth = 313", "Properties.HideSelection = False",
                           "Properties.Root.BrowseFolder = bfDrives", "Properties.ShowFullPath = sfpAlways"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  auto* fresh = NewObject<TkxShellComboBox>(form);
  EXPECT_EQ(fresh->Properties()->DropDownWidth(), 250);
  EXPECT_TRUE(fresh->Properties()->HideSelection());
  EXPECT_EQ(fresh->Properties()->Root()->BrowseFolder(), bfDesktop);
  EXPECT_EQ(fresh->Properties()->ShowFullPath(), sfpNever);
}

TEST_F(ShellComboTest, TheListHoldsTheTopFoldersThenThePathAndTheDeepestFoldersSubfoldersByDepth) {
  const std::string d = Root() + "/d";
  const std::vector<TShellFolderItem> below = {
      {"/", "/", 0},          {Root() + "/c", Root() + "/c", 0}, {d, d, 0},
      {d + "/A", "A", 1},     {d + "/A/B", "B", 2},              {d + "/A/B/X", "X", 3},
      {d + "/A/B/y", "y", 3},
  };
  const struct {
    std::string text;
    std::vector<TShellFolderItem> items;
  } cases[] = {
      {"D:\\a\\b", below},
      {d + "/A/B/", below},
      {"D:\\A\\B\\missing\\deeper", below},
      {d + "/A/B/file.txt", below},
      {"D:\\", {below[0], below[1], below[2], below[3]}},
      {"", {below[0], below[1], below[2]}},
  };
  for (const auto& c : cases) EXPECT_EQ(ShellFolderItems(c.text), c.items) << c.text;
}

TEST_F(ShellComboTest, AFolderUnderNoDriveHangsBelowTheRoot) {
  const std::vector<TShellFolderItem> items = ShellFolderItems(Root() + "/c/../d/A/other/..");
  ASSERT_GE(items.size(), 5u);
  EXPECT_EQ(items.front(), (TShellFolderItem{"/", "/", 0}));
  EXPECT_EQ(items[items.size() - 3].Path, Root() + "/d/A");   // the drive's folder holds it
  ResetPathMappings();
  const std::vector<TShellFolderItem> rootOnly = ShellFolderItems(Root() + "/d/A");
  const std::string first = Root().substr(0, Root().find('/', 1));
  EXPECT_EQ(rootOnly[1], (TShellFolderItem{first, first.substr(1), 1}));
  EXPECT_EQ(rootOnly[rootOnly.size() - 3], (TShellFolderItem{Root() + "/d/A", "A", Integer(rootOnly.size() - 3)}));
  EXPECT_EQ(rootOnly.back(), (TShellFolderItem{Root() + "/d/A/other", "other", Integer(rootOnly.size() - 2)}));
}

TEST_F(ShellComboTest, DroppingDownListsTheFoldersOfTheTypedTextAndAChoiceBecomesTheText) {
  TkxShellComboBox* combo = ShownCombo();
  ASSERT_NE(combo, nullptr);
  Integer changes = 0;
  combo->OnChange = NotifyEvent([&](TObject*) { ++changes; });
  combo->SetFocus();
  driver_->Type("D:\\a\\B");
  EXPECT_EQ(combo->Text(), "D:\\a\\B");
  driver_->PressKey(VK_F4);
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0), 313);
  std::vector<std::string> listed, paths;
  for (Integer i = 0; i < combo->Items()->Count(); ++i) listed.push_back(combo->Items()->Strings(i));
  for (const TShellFolderItem& item : combo->FolderItems()) paths.push_back(item.Path);
  EXPECT_EQ(listed, paths);
  EXPECT_EQ(paths.size(), 7u);
  EXPECT_EQ(combo->Text(), "D:\\a\\B");   // typed text stays as typed
  driver_->PressKey(VK_ESCAPE);
  EXPECT_EQ(combo->Text(), "D:\\a\\B");

  // Choose "X", the first subfolder of B.
  driver_->PressKey(VK_F4);
  for (Integer presses = 0; presses < 10 && combo->ItemIndex() != 5; ++presses) driver_->PressKey(VK_DOWN);
  ASSERT_EQ(combo->ItemIndex(), 5);
  driver_->PressKey(VK_RETURN);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), Root() + "/d/A/B/X");
  EXPECT_GT(changes, 0);
}

}  // namespace
}  // namespace uitest
