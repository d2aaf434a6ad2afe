// The open and save dialogs under the test driver: listing by filter without case, a scripted
// choice returning the full name, the current folder, folder and type changes, multi-selection,
// refusals of missing files and folders, and the overwrite prompt.
#include <sys/stat.h>

#include "platform/classes/string_list.h"
#include "platform/os/folders.h"
#include "platform/ui/check_box.h"
#include "platform/ui/list_box.h"
#include "platform/ui/message_box.h"
#include "platform/ui/open_dialog.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_input.h"
#include "tests/support/os/temp_folder.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

using Names = std::vector<std::string>;

template <class T = TControl>
T* Part(TCustomForm& form, const char* name) {
  return dynamic_cast<T*>(form.FindComponent(name));
}

Names ListOf(const TStrings* strings) {
  Names names;
  for (Integer i = 0; i < strings->Count(); ++i) names.push_back(strings->Strings(i));
  return names;
}

Names ItemsOf(TCustomForm& form, const char* listName) { return ListOf(Part<TListBox>(form, listName)->Items()); }

TPoint ItemCentre(TListBox* list, const std::string& name) {
  const TRect r = list->ItemRect(list->Items()->IndexOf(name));
  return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

// Clicks the item Name of the named list with the modifier keys of Shift held.
void ClickItem(TTestDriver& driver, TCustomForm& form, const char* listName, const std::string& name,
               TShiftState shift = {}) {
  auto* list = Part<TListBox>(form, listName);
  driver.ClickAt(list, ItemCentre(list, name), shift);
}

void DoubleClickItem(TTestDriver& driver, TCustomForm& form, const char* listName, const std::string& name) {
  auto* list = Part<TListBox>(form, listName);
  const TPoint centre = ItemCentre(list, name);
  user::DoubleClick(list->Handle(), centre.X, centre.Y);
  driver.Settle();
}

// Puts Text in the file-name box and presses Enter there.
void EnterName(TTestDriver& driver, TCustomForm& form, const std::string& text) {
  auto* edit = Part<TWinControl>(form, "FileNameEdit");
  edit->SetText(text);
  edit->SetFocus();
  driver.PressKey(VK_RETURN);
}

class FileDialogsTest : public UiTest {
 protected:
  FileDialogsTest() {
    mkdir((folder_ / "Archive").c_str(), 0755);
    for (const char* name : {"Pay.TXT", "data.csv", "report.CSV", "notes.doc", "Archive/old.txt"})
      WriteRawFile(folder_ / name, "x");
  }
  ~FileDialogsTest() override { SetCurrentDir(savedDir_); }

  // The import tool's open dialog.
  template <class T = TOpenDialog>
  T* NewDialog() {
    auto* dialog = new T(NewForm("Main"));
    dialog->SetFilter("*.txt; *.csv|*.txt;*.csv|*.*|*.*");
    dialog->SetOptions({ofHideReadOnly, ofNoChangeDir, ofPathMustExist, ofFileMustExist, ofEnableSizing});
    dialog->SetInitialDir(folder_.Path());
    return dialog;
  }

  std::string savedDir_ = GetCurrentDir();
  TempFolder folder_;
};

TEST_F(FileDialogsTest, TheOpenDialogListsByFilterWithoutCaseAndReturnsTheChosenFullName) {
  TOpenDialog* dialog = NewDialog();
  Names files, folders;
  bool readOnlyShown = true;
  std::string caption;
  driver_->OnNextModal([&](TCustomForm& form, TTestDriver& driver) {
    caption = form.Caption();
    files = ItemsOf(form, "FileList");
    folders = ItemsOf(form, "FolderList");
    readOnlyShown = Part(form, "ReadOnlyCheck")->Visible();
    ClickItem(driver, form, "FileList", "Pay.TXT");
    driver.Click(Part(form, "OKButton"));
  });
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(caption, "Open");
  EXPECT_EQ(files, (Names{"data.csv", "Pay.TXT", "report.CSV"}));
  EXPECT_EQ(folders, (Names{"..", "Archive"}));
  EXPECT_FALSE(readOnlyShown);
  EXPECT_EQ(dialog->FileName(), folder_ / "Pay.TXT");
  EXPECT_EQ(ListOf(dialog->Files()), Names{folder_ / "Pay.TXT"});
  EXPECT_FALSE(dialog->Options().Contains(ofReadOnly));
  EXPECT_EQ(GetCurrentDir(), savedDir_);
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(FileDialogsTest, WithoutNoChangeDirTheCurrentFolderFollowsTheChoice) {
  TOpenDialog* dialog = NewDialog();
  dialog->SetOptions({ofFileMustExist});
  driver_->ChooseFileInNextDialog("Archive/old.txt");
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->FileName(), folder_ / "Archive/old.txt");
  EXPECT_EQ(GetCurrentDir(), folder_ / "Archive");
}

TEST_F(FileDialogsTest, FoldersTypesAndTypedPatternsChangeTheListing) {
  TOpenDialog* dialog = NewDialog();
  std::vector<Names> listings;
  std::string folderShown;
  driver_->OnNextModal([&](TCustomForm& form, TTestDriver& driver) {
    ClickItem(driver, form, "TypeList", "*.*");
    listings.push_back(ItemsOf(form, "FileList"));
    EnterName(driver, form, "*.DOC");
    listings.push_back(ItemsOf(form, "FileList"));
    DoubleClickItem(driver, form, "FolderList", "Archive");
    folderShown = Part(form, "FolderLabel")->Caption();
    listings.push_back(ItemsOf(form, "FileList"));
    ClickItem(driver, form, "FolderList", "..");
    driver.PressKey(VK_RETURN);
    listings.push_back(ItemsOf(form, "FolderList"));
    DoubleClickItem(driver, form, "FileList", "notes.doc");
  });
  ASSERT_TRUE(dialog->Execute());
  ASSERT_EQ(listings.size(), 4u);
  EXPECT_EQ(listings[0], (Names{"data.csv", "notes.doc", "Pay.TXT", "report.CSV"}));
  EXPECT_EQ(listings[1], Names{"notes.doc"});
  EXPECT_TRUE(folderShown.ends_with("/Archive")) << folderShown;
  EXPECT_EQ(listings[2], Names{});  // the typed pattern stays for the next folder
  EXPECT_EQ(listings[3], (Names{"..", "Archive"}));
  EXPECT_EQ(dialog->FileName(), folder_ / "notes.doc");
  EXPECT_EQ(dialog->FilterIndex(), 2);
}

TEST_F(FileDialogsTest, ALongFolderIsShownWithItsLastFolderWhole) {
  const std::string deep = folder_ / "a-rather-long-folder-name/another-long-folder-name/Payroll2026";
  ASSERT_TRUE(ForceDirectories(deep));
  TOpenDialog* dialog = NewDialog();
  dialog->SetInitialDir(deep);
  std::string folderShown;
  driver_->OnNextModal([&](TCustomForm& form, TTestDriver& driver) {
    folderShown = Part(form, "FolderLabel")->Caption();
    driver.PressKey(VK_ESCAPE);
  });
  EXPECT_FALSE(dialog->Execute());
  EXPECT_NE(folderShown.find("..."), std::string::npos) << folderShown;
  EXPECT_TRUE(folderShown.ends_with("/Payroll2026")) << folderShown;
}

TEST_F(FileDialogsTest, MultiSelectionReturnsEveryChosenFile) {
  TOpenDialog* dialog = NewDialog();
  dialog->SetOptions({ofAllowMultiSelect, ofFileMustExist});
  std::string boxText;
  driver_->OnNextModal([&](TCustomForm& form, TTestDriver& driver) {
    ClickItem(driver, form, "FileList", "data.csv");
    ClickItem(driver, form, "FileList", "report.CSV", TShiftState{ssShift});
    boxText = Part(form, "FileNameEdit")->Text();
    driver.Click(Part(form, "OKButton"));
  });
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(boxText, "\"data.csv\" \"Pay.TXT\" \"report.CSV\"");
  EXPECT_EQ(dialog->FileName(), folder_ / "data.csv");
  EXPECT_EQ(ListOf(dialog->Files()), (Names{folder_ / "data.csv", folder_ / "Pay.TXT", folder_ / "report.CSV"}));
}

TEST_F(FileDialogsTest, MissingFilesAndFoldersAreRefusedAndCancellingChangesNothing) {
  TOpenDialog* dialog = NewDialog();
  dialog->SetFileName("before.csv");
  TModalResult resultAfterRefusals = -1;
  driver_->OnNextModal([&](TCustomForm& form, TTestDriver& driver) {
    for (const char* name : {"missing.txt", "gone/x.txt"}) {
      driver.AnswerNextMessageBox(IDOK);
      EnterName(driver, form, name);
    }
    resultAfterRefusals = form.ModalResult();
    driver.PressKey(VK_ESCAPE);
  });
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(resultAfterRefusals, mrNone);
  EXPECT_EQ(dialog->FileName(), "before.csv");
  ASSERT_EQ(driver_->Transcript().size(), 2u);
  EXPECT_EQ(driver_->Transcript()[0].Text,
            folder_ / "missing.txt" + "\nThis file does not exist.\nCheck the file name and try again.");
  EXPECT_EQ(driver_->Transcript()[1].Text,
            folder_ / "gone/x.txt" + "\nThis folder does not exist.\nCheck the folder name and try again.");
  EXPECT_EQ(driver_->Transcript()[1].Caption, "Open");
  EXPECT_EQ(driver_->Transcript()[1].Type, UINT(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(FileDialogsTest, TheSaveDialogAsksBeforeOverwritingAndAddsTheDefaultExtension) {
  auto* dialog = NewDialog<TSaveDialog>();
  dialog->SetOptions({ofOverwritePrompt, ofNoChangeDir});
  dialog->SetDefaultExt("csv");
  TModalResult resultAfterNo = -1;
  driver_->OnNextModal([&](TCustomForm& form, TTestDriver& driver) {
    driver.AnswerNextMessageBox(IDNO);
    EnterName(driver, form, "data");
    resultAfterNo = form.ModalResult();
    driver.AnswerNextMessageBox(IDYES);
    EnterName(driver, form, "data");
  });
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(resultAfterNo, mrNone);
  EXPECT_EQ(dialog->FileName(), folder_ / "data.csv");
  ASSERT_EQ(driver_->Transcript().size(), 2u);
  for (const TMessageBoxRecord& box : driver_->Transcript()) {
    EXPECT_EQ(box.Caption, "Save As");
    EXPECT_EQ(box.Text, folder_ / "data.csv already exists.\nDo you want to replace it?");
    EXPECT_EQ(box.Type, UINT(MB_YESNO | MB_ICONEXCLAMATION));
  }

  // A new name is taken without a question; another extension is noted.
  driver_->ChooseFileInNextDialog("fresh.txt");
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->FileName(), folder_ / "fresh.txt");
  EXPECT_TRUE(dialog->Options().Contains(ofExtensionDifferent));
  EXPECT_EQ(driver_->Transcript().size(), 2u);
  EXPECT_EQ(GetCurrentDir(), savedDir_);
}

TEST_F(FileDialogsTest, FormImagesSetTheDialogsProperties) {
  const std::string text =
      "object Main: TForm\n"
      "  object OpenDialog1: TOpenDialog\n"
      "    Filter = '*.txt; *.csv|*.txt;*.csv|*.*|*.*'\n"
      "    Options = [ofHideReadOnly, ofNoChangeDir, ofPathMustExist, ofFileMustExist, ofEnableSizing]\n"
      "  end\n"
      "  object dlgSaveFile: TSaveDialog\n"
      "    DefaultExt = 'pdf'\n"
      "    FilterIndex = 2\n"
      "    InitialDir = 'C:\\ACC\\'\n"
      "    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]\n"
      "    Title = 'File Name'\n"
      "  end\n"
      "end\n";
  TForm* form = ReadForm(text);

  auto* open = dynamic_cast<TOpenDialog*>(form->FindComponent("OpenDialog1"));
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->Filter(), "*.txt; *.csv|*.txt;*.csv|*.*|*.*");
  EXPECT_EQ(open->Options(),
            (TOpenOptions{ofHideReadOnly, ofNoChangeDir, ofPathMustExist, ofFileMustExist, ofEnableSizing}));
  EXPECT_EQ(open->FilterIndex(), 1);
  auto* save = dynamic_cast<TSaveDialog*>(form->FindComponent("dlgSaveFile"));
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->DefaultExt(), "pdf");
  EXPECT_EQ(save->FilterIndex(), 2);
  EXPECT_EQ(save->InitialDir(), "C:\\ACC\\");
  EXPECT_EQ(save->Options(), (TOpenOptions{ofOverwritePrompt, ofHideReadOnly, ofEnableSizing}));
  EXPECT_EQ(save->Title(), "File Name");
}

}  // namespace
}  // namespace uitest
