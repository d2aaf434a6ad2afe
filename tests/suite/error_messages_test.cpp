#include "suite/error_messages.h"

#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "platform/os/folders.h"
#include "tests/support/suite/suite_folder_fixture.h"

namespace {

class ErrorMessages : public SuiteFolderFixture {
 protected:
  static std::string Lookup(Word number) {
    testing::internal::CaptureStdout();
    ErrorMsgLookup(number);
    return testing::internal::GetCapturedStdout();
  }
};

TEST_F(ErrorMessages, LookupPrintsExactlyOneSection) {
  WriteBytes(program_ / "QZERROR.MSG", "Long texts of the record-file errors\r\n"
                                       "%ERROR%10010\r\n"
                                       "The file was not found.\r\n" +
                                           std::string("ไม่พบแฟ้ม"_cp874) + "\r\n"
                                       "\r\n"
                                       "%ERROR%10020\n"
                                       "Disk full.\n"
                                       "%ERROR%10025 \n"
                                       "Marker with a trailing blank.\n"
                                       "%ERROR%10030\r\n"
                                       "Last section\r\n"
                                       "runs to the end.");
  struct Case { Word number; std::string output; };
  const Case cases[] = {
      {10010, "The file was not found.\nไม่พบแฟ้ม\n\n"},   // written as UTF-8
      {10020, "Disk full.\n"},                  // any line beginning with the marker text ends it
      {10025, ""},
      {10030, "Last section\nruns to the end.\n"},
      {1001, ""},
      {10040, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Lookup(c.number), c.output) << c.number;
}

TEST_F(ErrorMessages, MissingFilePrintsNothingAndALongCurrentFolderStays) {
  const std::filesystem::path deep =
      temp_ / "a-company-folder-with-a-rather-long-name" / "and-a-subfolder-that-makes-it-longer";
  std::filesystem::create_directories(deep);
  ASSERT_GT(deep.string().size(), 60u);
  ASSERT_TRUE(SetCurrentDir(deep.string()));
  WriteBytes(deep / "QZERROR.MSG", "%ERROR%10010\nfrom the wrong folder\n");

  EXPECT_EQ(Lookup(10010), "");
  EXPECT_EQ(GetCurrentDir(), deep.string());

  WriteBytes(program_ / "QZERROR.MSG", "%ERROR%10010\nfound\n");
  EXPECT_EQ(Lookup(10010), "found\n");
  EXPECT_EQ(GetCurrentDir(), deep.string());
}

}  // namespace
