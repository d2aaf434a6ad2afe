#include "platform/os/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "platform/core/win_errors.h"
#include "platform/os/file.h"
#include "tests/support/os/temp_folder.h"

namespace {

class RegularFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mkdir((tmp / "Pictures").c_str(), 0777);
    WriteRawFile(tmp / "Pictures/logo.bmp", "BM-bytes");
    mkfifo((tmp / "pipe").c_str(), 0600);
  }

  DWORD Read(const std::string& path, std::int64_t maxSize = kAnyFileSize) {
    bytes = {'x'};
    return ReadRegularFile(path, maxSize, bytes);
  }
  std::string Text() const { return std::string(bytes.begin(), bytes.end()); }

  TempFolder tmp;
  std::vector<Byte> bytes;
};

TEST_F(RegularFileTest, ReadsARegularFileWithinItsLimit) {
  const struct {
    std::int64_t maxSize;
    DWORD error;
  } cases[] = {{kAnyFileSize, ERROR_SUCCESS}, {8, ERROR_SUCCESS}, {7, ERROR_FILE_TOO_LARGE}, {0, ERROR_FILE_TOO_LARGE}};
  for (const auto& c : cases) {
    EXPECT_EQ(Read(tmp / "PICTURES/LOGO.BMP", c.maxSize), c.error) << c.maxSize;
    EXPECT_EQ(Text(), c.error == ERROR_SUCCESS ? "BM-bytes" : "") << c.maxSize;
  }
}

// None of these may block or read without end: each is refused at once and leaves nothing.
TEST_F(RegularFileTest, RefusesWhatIsNotARegularFile) {
  const struct {
    std::string path;
    DWORD error;
  } cases[] = {
      {tmp / "Pictures", ERROR_ACCESS_DENIED},         {tmp / "pipe", ERROR_ACCESS_DENIED},
      {"/dev/zero", ERROR_ACCESS_DENIED},              {tmp / "Pictures/none.bmp", ERROR_FILE_NOT_FOUND},
      {tmp / "Missing/none.bmp", ERROR_PATH_NOT_FOUND}, {"", ERROR_PATH_NOT_FOUND},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.path), c.error) << c.path;
    EXPECT_TRUE(bytes.empty()) << c.path;
  }
}

TEST_F(RegularFileTest, HonoursAnOpenThatDeniesReading) {
  File exclusive;
  ASSERT_EQ(exclusive.Open(tmp / "Pictures/logo.bmp", GENERIC_READ, 0, OPEN_EXISTING), ERROR_SUCCESS);
  EXPECT_EQ(Read(tmp / "Pictures/logo.bmp"), ERROR_SHARING_VIOLATION);
  exclusive.Close();
  File reader;
  ASSERT_EQ(reader.Open(tmp / "Pictures/logo.bmp", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING), ERROR_SUCCESS);
  EXPECT_EQ(Read(tmp / "Pictures/logo.bmp"), ERROR_SUCCESS);
}

}  // namespace
