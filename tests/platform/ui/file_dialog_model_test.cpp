// The file dialogs' model: filters, listing a folder by masks without case, full names with the
// default extension, the checks of the dialog options, and the names of the file-name box.
#include "platform/ui/file_dialog_model.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/os/folders.h"
#include "tests/support/os/temp_folder.h"

namespace {

using Names = std::vector<std::string>;

TEST(FileDialogModelTest, FiltersPairDescriptionsWithTrimmedMasks) {
  struct Case {
    const char* filter;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  const Case cases[] = {
      {"*.txt; *.csv|*.txt;*.csv|*.*|*.*", {{"*.txt; *.csv", "*.txt;*.csv"}, {"*.*", "*.*"}}},
      {"Text files|*.TXT|All files|*.*", {{"Text files", "*.TXT"}, {"All files", "*.*"}}},
      {"PDF files|*.pdf", {{"PDF files", "*.pdf"}}},
      {"Data| *.dat ; ;*.idx |Dangling", {{"Data", "*.dat;*.idx"}}},
      {"Empty||All|*.*", {{"All", "*.*"}}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    std::vector<std::pair<std::string, std::string>> got;
    for (const TFileFilterEntry& e : ParseFileFilter(c.filter)) got.emplace_back(e.Description, e.Masks);
    EXPECT_EQ(got, c.entries);
  }
}

TEST(FileDialogModelTest, TheFileBoxTakesOneNameOrSeveralQuotedNames) {
  const std::pair<const char*, Names> cases[] = {
      {"  pay.csv ", {"pay.csv"}},
      {"my pay.csv", {"my pay.csv"}},
      {"\"a.txt\" \"b c.csv\"", {"a.txt", "b c.csv"}},
      {"\"a.txt\"\"b.txt\"", {"a.txt", "b.txt"}},
      {"\"only.txt", {"only.txt"}},
      {"   ", {}},
  };
  for (const auto& [text, names] : cases) EXPECT_EQ(SplitFileNames(text), names) << text;
}

class FileListingTest : public ::testing::Test {
 protected:
  FileListingTest() {
    for (const char* name : {"Pay.TXT", "data.csv", "notes.txt.bak", "report.CSV", "readme", ".hidden.txt"})
      WriteRawFile(folder_ / name, "x");
    for (const char* name : {"beta", "Archive", ".cache"}) mkdir((folder_ / name).c_str(), 0755);
    model_.SetFilter("Text and CSV|*.txt; *.csv|All|*.*");
    EXPECT_TRUE(model_.SetFolder(folder_.Path()));
  }
  TempFolder folder_;
  TFileDialogModel model_;
};

TEST_F(FileListingTest, FilesMatchTheChosenFilterWithoutCaseAndFoldersLeadWithTheParent) {
  EXPECT_EQ(model_.Folder(), folder_.Path());
  EXPECT_EQ(model_.Files(), (Names{"data.csv", "Pay.TXT", "report.CSV"}));
  EXPECT_EQ(model_.Folders(), (Names{"..", "Archive", "beta"}));

  model_.SetFilterIndex(2);
  EXPECT_EQ(model_.Files(), (Names{"data.csv", "notes.txt.bak", "Pay.TXT", "readme", "report.CSV"}));
  model_.ShowHidden = true;
  EXPECT_EQ(model_.Files().front(), ".hidden.txt");
  EXPECT_EQ(model_.Folders(), (Names{"..", ".cache", "Archive", "beta"}));

  for (Integer outside : {0, 3, -1}) {
    model_.SetFilterIndex(outside);
    EXPECT_EQ(model_.FilterIndex(), 1);
    EXPECT_EQ(model_.Masks(), "*.txt;*.csv");
  }
}

TEST_F(FileListingTest, ATypedPatternListsUntilAnotherFilterIsChosen) {
  model_.SetTypedMasks("*.BAK");
  EXPECT_EQ(model_.Files(), Names{"notes.txt.bak"});
  model_.SetFilterIndex(1);
  EXPECT_EQ(model_.Files(), (Names{"data.csv", "Pay.TXT", "report.CSV"}));
  TFileDialogModel unfiltered;
  EXPECT_EQ(unfiltered.Masks(), "*.*");
}

TEST_F(FileListingTest, OnlyExistingFoldersCanBeEnteredAndTheRootHasNoParent) {
  EXPECT_FALSE(model_.SetFolder(folder_ / "missing"));
  EXPECT_FALSE(model_.SetFolder(folder_ / "readme"));
  EXPECT_EQ(model_.Folder(), folder_.Path());
  EXPECT_TRUE(model_.SetFolder(folder_ / "Archive/../beta/"));
  EXPECT_EQ(model_.Folder(), folder_ / "beta");
  EXPECT_EQ(model_.Files(), Names{});
  ASSERT_TRUE(model_.SetFolder("/"));
  EXPECT_TRUE(model_.Folders().empty() || model_.Folders().front() != "..");
}

TEST_F(FileListingTest, FullNamesComeFromTheFolderAndTakeTheDefaultExtension) {
  const std::string base = folder_.Path();
  struct Case {
    const char* name;
    const char* defaultExt;
    std::string full;
  };
  const Case cases[] = {
      {"pay", "csv", base + "/pay.csv"},
      {" pay ", ".csv", base + "/pay.csv"},
      {"pay.txt", "csv", base + "/pay.txt"},
      {"pay.", "csv", base + "/pay"},
      {"pay", "", base + "/pay"},
      {"Archive/../beta/pay.csv", "", base + "/beta/pay.csv"},
      {"../x.csv", "", folder_.Path().substr(0, folder_.Path().rfind('/')) + "/x.csv"},
      {"/srv/acc/PR", "DAT", "/srv/acc/PR.DAT"},
      {"C:\\ACC\\PR", "DAT", "C:\\ACC\\PR.DAT"},
  };
  for (const Case& c : cases) EXPECT_EQ(model_.FullName(c.name, c.defaultExt), c.full) << c.name;
}

TEST_F(FileListingTest, ChoicesAreCheckedByTheOptionsInOrder) {
  using enum TFileChoiceCheck;
  const std::string existing = folder_ / "data.csv", missing = folder_ / "new.csv",
                    noFolder = folder_ / "gone/new.csv";
  struct Case {
    std::string name;
    TOpenOptions options;
    bool saving;
    TFileChoiceCheck check;
  };
  const Case cases[] = {
      {noFolder, {ofPathMustExist}, false, PathMissing},
      {noFolder, {ofFileMustExist}, false, PathMissing},
      {noFolder, {ofCreatePrompt}, false, AskCreate},
      {noFolder, {}, true, Accept},
      {missing, {ofPathMustExist, ofFileMustExist, ofCreatePrompt}, false, FileMissing},
      {missing, {ofPathMustExist, ofCreatePrompt}, false, AskCreate},
      {missing, {ofOverwritePrompt}, true, Accept},
      {existing, {ofOverwritePrompt}, true, AskOverwrite},
      {existing, {ofOverwritePrompt}, false, Accept},
      {existing, {ofFileMustExist, ofCreatePrompt}, false, Accept},
      {folder_ / "DATA.CSV", {ofFileMustExist, ofOverwritePrompt}, true, AskOverwrite},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckFileChoice(c.name, c.options, c.saving), c.check) << c.name;
}

}  // namespace
