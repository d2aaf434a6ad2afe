#include "platform/os/file_version.h"

#include <gtest/gtest.h>

#include "tests/support/os/temp_folder.h"

namespace {

TEST(FileVersion, NoFileHasVersionInformation) {
  TempFolder folder;
  WriteRawFile(folder / "program.exe", "MZ");
  EXPECT_FALSE(QueryFileVersion(folder / "program.exe").has_value());
  EXPECT_FALSE(QueryFileVersion("COMCTL32.DLL").has_value());
  EXPECT_FALSE(QueryFileVersion("").has_value());
}

}   // namespace
