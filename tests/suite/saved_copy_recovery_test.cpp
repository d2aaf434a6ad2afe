#include "suite/saved_copy_recovery.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/suite/recording_user_interface.h"
#include "suite/program_end.h"
#include "tests/support/suite/suite_folder_fixture.h"

namespace {

using Entry = RecordingUserInterface::Entry;
using Files = std::map<std::string, std::string>;

class SavedCopyRecovery : public SuiteFolderFixture {
 protected:
  // Every file of `folder` with its bytes.
  static Files FilesIn(const std::filesystem::path& folder) {
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      files[entry.path().filename().string()] = ReadBytes(entry.path());
    return files;
  }
};

TEST_F(SavedCopyRecovery, TheUserDecidesWithBothSizesInViewAndNoChangesNothing) {
  const std::string big(100000, 's');
  struct Case {
    const char* what;
    std::string name;   // as passed to the open, inside the test folder
    Files before;
    std::deque<bool> answers;
    std::vector<Entry> asked;
    Files after;
    bool proceeds;
  };
  const Case cases[] = {
      {"copy without data file", "ACCT", {{"ACCT.SAV", "s"}}, {}, {}, {{"ACCT.SAV", "s"}}, true},
      {"data copy chosen: both copies move into place",
       "ACCT",
       {{"ACCT.SAV", big}, {"ACCT.DAT", "dd"}, {"ACCT.IX~", "new index"}, {"ACCT.IX", "ix"}},
       {true},
       {{"restore", 0, "ACCT.SAV|100,000 byte(s)|2 byte(s)"}},
       {{"ACCT.DAT", big}, {"ACCT.IX", "new index"}},
       true},
      {"index copy without index shows 0",
       "ACCT",
       {{"ACCT.DAT", "d"}, {"ACCT.IX~", "1234"}},
       {true},
       {{"restore", 0, "ACCT.IX~|4|0"}},
       {{"ACCT.DAT", "d"}, {"ACCT.IX", "1234"}},
       true},
      {"data copy refused",
       "ACCT",
       {{"ACCT.SAV", "s"}, {"ACCT.DAT", "d"}, {"ACCT.IX~", "c"}},
       {false},
       {{"restore", 0, "ACCT.SAV|1 byte(s)|1 byte(s)"}},
       {{"ACCT.SAV", "s"}, {"ACCT.DAT", "d"}, {"ACCT.IX~", "c"}},
       false},
      {"index copy refused",
       "ACCT",
       {{"ACCT.IX~", "c"}, {"ACCT.IX", "i"}},
       {false},
       {{"restore", 0, "ACCT.IX~|1|1"}},
       {{"ACCT.IX~", "c"}, {"ACCT.IX", "i"}},
       false},
      {"a 14-character name is cut to 12",
       "ABCDEFGHIJKLMN",
       {{"ABCDEFGHIJKL.SAV", "ss"}, {"ABCDEFGHIJKL.DAT", "d"}},
       {true},
       {{"restore", 0, "ABCDEFGHIJKLMN.SAV|2 byte(s)|1 byte(s)"}},
       {{"ABCDEFGHIJKL.DAT", "ss"}},
       true},
  };
  for (const Case& c : cases) {
    const std::filesystem::path folder = root_ / "company folder with a long path";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    for (const auto& [file, bytes] : c.before) WriteBytes(folder / file, bytes);
    ResetProgramEnd();
    RecordingUserInterface ui;
    ui.answers = c.answers;
    const std::string name = (folder / c.name).string();
    const bool proceeds = RecoverSaveCopy(name) && RecoverIndexCopy(name);
    std::vector<Entry> asked = c.asked;
    for (Entry& e : asked) e.text = folder.string() + "/" + e.text;
    EXPECT_EQ(ui.transcript, asked) << c.what;
    EXPECT_EQ(FilesIn(folder), c.after) << c.what;
    EXPECT_EQ(proceeds, c.proceeds) << c.what;
    EXPECT_EQ(ProgramEndRequested(), !c.proceeds) << c.what;
    EXPECT_EQ(ProgramExitCode(), c.proceeds ? 0 : 1) << c.what;
  }
}

TEST_F(SavedCopyRecovery, AFileOpenedByFullPathIsCheckedUnderItsOwnName) {
  // The folder's path is far longer than 12 characters; a cut of the whole path would look at
  // "<first 12 characters of the path>.SAV" in the wrong folder.
  const std::filesystem::path ledger = root_ / "QZACC32" / "DATAFILE";
  std::filesystem::create_directories(ledger);
  WriteBytes(ledger / "GLFILE01.SAV", "saved");
  WriteBytes(ledger / "GLFILE01.DAT", "cur");
  const std::string name = ledger.string() + "/GLFILE01";
  ASSERT_GT(ledger.string().size(), 12u);
  EXPECT_EQ(RecoveryBaseName(name), name);
  EXPECT_EQ(RecoveryBaseName("C:\\QZACC32\\DATAFILE\\ABCDEFGHIJKLMN"), "C:\\QZACC32\\DATAFILE\\ABCDEFGHIJKL");
  RecordingUserInterface ui;
  ui.answers = {true};
  EXPECT_TRUE(RecoverSaveCopy(name));
  EXPECT_EQ(ui.transcript, (std::vector<Entry>{{"restore", 0, name + ".SAV|5 byte(s)|3 byte(s)"}}));
  EXPECT_EQ(FilesIn(ledger), (Files{{"GLFILE01.DAT", "saved"}}));
}

}  // namespace
