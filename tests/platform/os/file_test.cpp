#include "platform/os/file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/core/win_errors.h"
#include "platform/os/file_ops.h"
#include "platform/os/os_error.h"
#include "tests/support/os/temp_folder.h"

namespace {

constexpr DWORD kRW = GENERIC_READ | GENERIC_WRITE;
constexpr DWORD kShareRW = FILE_SHARE_READ | FILE_SHARE_WRITE;

std::string Entries(const std::string& folder) {
  std::string names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names += e.path().filename().string() + ";";
  return names;
}

class FileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mkdir((tmp / "PayRoll").c_str(), 0777);
    WriteRawFile(tmp / "PayRoll/prinfo.dat", "old contents");
  }
  TempFolder tmp;
};

TEST_F(FileTest, RewritingReplacesTheCaseVariantAndNewFilesAreCreatedAsNamed) {
  File f;
  ASSERT_EQ(f.Open(tmp / "PAYROLL/PRINFO.DAT", kRW, 0, CREATE_ALWAYS), ERROR_SUCCESS);
  DWORD done = 0;
  EXPECT_EQ(f.Write("new", 3, done), ERROR_SUCCESS);
  EXPECT_EQ(f.Close(), ERROR_SUCCESS);
  EXPECT_EQ(ReadRawFile(tmp / "PayRoll/prinfo.dat"), "new");
  EXPECT_EQ(Entries(tmp / "PayRoll"), "prinfo.dat;");

  ASSERT_EQ(f.Open(tmp / "payroll/NEW.DAT", kRW, 0, CREATE_NEW), ERROR_SUCCESS);
  EXPECT_EQ(f.NativePath(), tmp / "PayRoll/NEW.DAT");
  f.Close();
  EXPECT_TRUE(std::filesystem::exists(tmp / "PayRoll/NEW.DAT"));
  EXPECT_FALSE(std::filesystem::exists(tmp / "PayRoll/new.dat"));
}

TEST_F(FileTest, OpenFailuresGiveThePlatformErrors) {
  struct Case {
    std::string path;
    DWORD access, share, disposition, expected;
  };
  const Case cases[] = {
      {tmp / "PayRoll/missing.dat", kRW, kShareRW, OPEN_EXISTING, ERROR_FILE_NOT_FOUND},
      {tmp / "Missing/prinfo.dat", kRW, kShareRW, OPEN_EXISTING, ERROR_PATH_NOT_FOUND},
      {tmp / "Missing/new.dat", kRW, 0, CREATE_ALWAYS, ERROR_PATH_NOT_FOUND},
      {tmp / "PayRoll/prinfo.dat/x", GENERIC_READ, kShareRW, OPEN_EXISTING, ERROR_PATH_NOT_FOUND},
      {tmp / "PayRoll", GENERIC_READ, kShareRW, OPEN_EXISTING, ERROR_ACCESS_DENIED},
      {tmp / "PayRoll/PRINFO.DAT", kRW, 0, CREATE_NEW, ERROR_FILE_EXISTS},
      {tmp / "PayRoll/prinfo.dat", 0, kShareRW, OPEN_EXISTING, ERROR_INVALID_ACCESS},
      {tmp / "PayRoll/prinfo.dat", kRW, 8, OPEN_EXISTING, ERROR_INVALID_PARAMETER},
      {tmp / "PayRoll/prinfo.dat", kRW, 0, 6, ERROR_INVALID_PARAMETER},
      {"\\\\nowhere\\share\\prinfo.dat", kRW, 0, OPEN_EXISTING, ERROR_BAD_NETPATH},
      {"", GENERIC_READ, kShareRW, OPEN_EXISTING, ERROR_PATH_NOT_FOUND},
  };
  for (const Case& c : cases) {
    File f;
    EXPECT_EQ(f.Open(c.path, c.access, c.share, c.disposition), c.expected) << c.path;
    EXPECT_FALSE(f.IsOpen()) << c.path;
  }
  EXPECT_EQ(ReadRawFile(tmp / "PayRoll/prinfo.dat"), "old contents");
}

TEST_F(FileTest, PositionedAndSequentialTransfers) {
  File f;
  ASSERT_EQ(f.Open(tmp / "PayRoll/prinfo.dat", kRW, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  DWORD done = 0;
  EXPECT_EQ(f.WriteAt(4, "XYZ", 3, done), ERROR_SUCCESS);
  EXPECT_EQ(done, 3u);
  EXPECT_EQ(f.Position(), 0);   // positioned transfers leave the position alone
  char buf[32] = {};
  EXPECT_EQ(f.Read(buf, 5, done), ERROR_SUCCESS);
  EXPECT_EQ(std::string(buf, done), "old X");
  EXPECT_EQ(f.Position(), 5);
  // Reading past the end succeeds with what is there.
  EXPECT_EQ(f.ReadAt(10, buf, 21, done), ERROR_SUCCESS);
  EXPECT_EQ(std::string(buf, done), "ts");
  EXPECT_EQ(f.ReadAt(100, buf, 4, done), ERROR_SUCCESS);
  EXPECT_EQ(done, 0u);

  Int64 pos = -1, size = -1;
  EXPECT_EQ(f.Seek(-2, FILE_END, &pos), ERROR_SUCCESS);
  EXPECT_EQ(pos, 10);
  EXPECT_EQ(f.SetEndOfFile(), ERROR_SUCCESS);
  EXPECT_EQ(f.Size(size), ERROR_SUCCESS);
  EXPECT_EQ(size, 10);
  EXPECT_EQ(f.Seek(-11, FILE_CURRENT, &pos), ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(f.Position(), 10);
  EXPECT_EQ(f.Seek(5, FILE_CURRENT, &pos), ERROR_SUCCESS);   // past the end is allowed
  EXPECT_EQ(f.Write("!", 1, done), ERROR_SUCCESS);
  EXPECT_EQ(f.SetSize(3), ERROR_SUCCESS);
  EXPECT_EQ(f.Flush(), ERROR_SUCCESS);
  f.Close();
  EXPECT_EQ(ReadRawFile(tmp / "PayRoll/prinfo.dat"), "old");
}

TEST_F(FileTest, CallsOutsideTheHandlesRightsFail) {
  File reader, writer, closed;
  ASSERT_EQ(reader.Open(tmp / "PayRoll/prinfo.dat", GENERIC_READ, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  ASSERT_EQ(writer.Open(tmp / "PayRoll/prinfo.dat", GENERIC_WRITE, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  char buf[4];
  DWORD done = 7;
  Int64 size = 0;
  EXPECT_EQ(reader.WriteAt(0, "a", 1, done), ERROR_ACCESS_DENIED);
  EXPECT_EQ(done, 0u);
  EXPECT_EQ(reader.SetSize(0), ERROR_ACCESS_DENIED);
  EXPECT_EQ(reader.Flush(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(writer.ReadAt(0, buf, 1, done), ERROR_ACCESS_DENIED);
  EXPECT_EQ(closed.ReadAt(0, buf, 1, done), ERROR_INVALID_HANDLE);
  EXPECT_EQ(closed.Write("a", 1, done), ERROR_INVALID_HANDLE);
  EXPECT_EQ(closed.Size(size), ERROR_INVALID_HANDLE);
  EXPECT_EQ(closed.Lock(0, 1), ERROR_INVALID_HANDLE);
  EXPECT_EQ(closed.Close(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(reader.ReadAt(-1, buf, 1, done), ERROR_NEGATIVE_SEEK);

  File moved(std::move(reader));
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_EQ(moved.ReadAt(0, buf, 3, done), ERROR_SUCCESS);
  EXPECT_EQ(std::string(buf, done), "old");
}

TEST_F(FileTest, ShareModesDecideASecondOpen) {
  constexpr DWORD R = GENERIC_READ, W = GENERIC_WRITE;
  constexpr DWORD SR = FILE_SHARE_READ, SW = FILE_SHARE_WRITE;
  struct Case {
    DWORD access1, share1, access2, share2, expected;
  };
  const Case cases[] = {
      {R, SR | SW, R, SR | SW, ERROR_SUCCESS},
      {R | W, SR | SW, R | W, SR | SW, ERROR_SUCCESS},
      {R | W, 0, R, SR | SW, ERROR_SHARING_VIOLATION},
      {R, SR | SW, R | W, 0, ERROR_SHARING_VIOLATION},
      {R, SR, W, SR | SW, ERROR_SHARING_VIOLATION},
      {R, SR, R, SR, ERROR_SUCCESS},
      {R | W, SR | SW, R, SR, ERROR_SHARING_VIOLATION},
      {R, SR | SW, R | W, SR, ERROR_SUCCESS},
      {W, SR | SW, R, SW, ERROR_SUCCESS},
      {R, SW, R, SR | SW, ERROR_SHARING_VIOLATION},
      {W, SR, R, SR | SW, ERROR_SUCCESS},
  };
  for (const Case& c : cases) {
    File first, second;
    ASSERT_EQ(first.Open(tmp / "PayRoll/prinfo.dat", c.access1, c.share1, OPEN_EXISTING), ERROR_SUCCESS);
    EXPECT_EQ(second.Open(tmp / "PayRoll/prinfo.dat", c.access2, c.share2, OPEN_EXISTING), c.expected)
        << c.access1 << "/" << c.share1 << " then " << c.access2 << "/" << c.share2;
    // The refused open left nothing behind: once the first closes, it succeeds.
    first.Close();
    EXPECT_EQ(second.Open(tmp / "PayRoll/prinfo.dat", c.access2, c.share2, OPEN_EXISTING), ERROR_SUCCESS);
  }
}

TEST_F(FileTest, RefusedCreateLeavesTheFileIntact) {
  File holder, other;
  ASSERT_EQ(holder.Open(tmp / "PayRoll/prinfo.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING), ERROR_SUCCESS);
  EXPECT_EQ(other.Open(tmp / "PayRoll/prinfo.dat", kRW, 0, CREATE_ALWAYS), ERROR_SHARING_VIOLATION);
  EXPECT_EQ(other.Open(tmp / "PayRoll/prinfo.dat", kRW, kShareRW, TRUNCATE_EXISTING), ERROR_SHARING_VIOLATION);
  EXPECT_EQ(ReadRawFile(tmp / "PayRoll/prinfo.dat"), "old contents");
}

TEST_F(FileTest, DeleteAndMoveRespectOpenHandles) {
  const std::string name = tmp / "PayRoll/prinfo.dat";
  {
    File open;
    ASSERT_EQ(open.Open(name, GENERIC_READ, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
    EXPECT_FALSE(DeleteFile(name));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(MoveFile(name, tmp / "PayRoll/other.dat"));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    ASSERT_EQ(open.Open(name, GENERIC_READ, kShareRW | FILE_SHARE_DELETE, OPEN_EXISTING), ERROR_SUCCESS);
    EXPECT_TRUE(MoveFile(name, tmp / "PAYROLL/Other.Dat"));
  }
  EXPECT_EQ(Entries(tmp / "PayRoll"), "Other.Dat;");
  WriteRawFile(name, "again");
  struct Case {
    bool isMove;
    std::string from, to;
    DWORD expected;
  };
  const Case failures[] = {
      {true, name, tmp / "payroll/OTHER.DAT", ERROR_ALREADY_EXISTS},
      {true, tmp / "PayRoll/none.dat", tmp / "PayRoll/x.dat", ERROR_FILE_NOT_FOUND},
      {true, tmp / "None/none.dat", tmp / "PayRoll/x.dat", ERROR_PATH_NOT_FOUND},
      {true, name, tmp / "None/x.dat", ERROR_PATH_NOT_FOUND},
      {false, tmp / "PayRoll/none.dat", "", ERROR_FILE_NOT_FOUND},
      {false, tmp / "None/none.dat", "", ERROR_PATH_NOT_FOUND},
      {false, tmp / "PayRoll", "", ERROR_ACCESS_DENIED},
  };
  for (const Case& c : failures) {
    SetLastError(0);
    EXPECT_FALSE(c.isMove ? MoveFile(c.from, c.to) : DeleteFile(c.from)) << c.from;
    EXPECT_EQ(GetLastError(), c.expected) << c.from << " -> " << c.to;
  }
  EXPECT_TRUE(FileExists(tmp / "PAYROLL/PRINFO.DAT"));
  EXPECT_FALSE(FileExists(tmp / "PayRoll"));
  EXPECT_TRUE(DeleteFile(tmp / "PAYROLL/PRINFO.DAT"));
  EXPECT_FALSE(FileExists(name));
  EXPECT_EQ(ReadRawFile(tmp / "PayRoll/Other.Dat"), "old contents");
}

}  // namespace
