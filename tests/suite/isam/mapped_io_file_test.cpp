// The mapped engine file against plain system calls on the same file: what one writes the other
// reads at once, growth by another handle is seen, reads past the end come up short as a read call
// does, and a read-only mapping refuses writes.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/core/win_errors.h"
#include "platform/os/file.h"
#include "suite/isam/mapped_io_file.h"
#include "tests/support/os/temp_folder.h"

using namespace std::string_literals;

namespace {
constexpr DWORD kShared = FILE_SHARE_READ | FILE_SHARE_WRITE;

File OpenShared(const std::string& path, DWORD access) {
  File f;
  EXPECT_EQ(f.Open(path, access, kShared, OPEN_EXISTING), ERROR_SUCCESS);
  return f;
}

std::unique_ptr<MappedIoFile> OpenMapped(const std::string& path, bool writable) {
  const DWORD access = writable ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
  auto file = std::make_unique<MappedIoFile>(OpenShared(path, access), writable);
  EXPECT_TRUE(file->Mapped());
  return file;
}

std::string Read(IsamIoFile& f, Int64 offset, DWORD n, DWORD& done) {
  std::string s(n, '?');
  EXPECT_EQ(f.ReadAt(offset, s.data(), n, done), ERROR_SUCCESS);
  s.resize(done);
  return s;
}

DWORD Write(IsamIoFile& f, Int64 offset, const std::string& s) {
  DWORD done = 0;
  const DWORD e = f.WriteAt(offset, s.data(), static_cast<DWORD>(s.size()), done);
  if (e == ERROR_SUCCESS) {
    EXPECT_EQ(done, s.size());
  }
  return e;
}

struct Files {
  TempFolder dir;
  std::string path = dir / "F.IX";
  Files() { WriteRawFile(path, "0123456789"); }
};

TEST(MappedIoFile, WritesAndReadsMeetPlainCallsOnTheSameFile) {
  Files f;
  auto mapped = OpenMapped(f.path, true);
  File plain = OpenShared(f.path, GENERIC_READ | GENERIC_WRITE);
  ASSERT_EQ(Write(*mapped, 2, "ab"), ERROR_SUCCESS);
  EXPECT_EQ(ReadRawFile(f.path), "01ab456789");   // in the file at once, without a flush or close
  DWORD done = 0;
  ASSERT_EQ(plain.WriteAt(7, "XY", 2, done), ERROR_SUCCESS);
  EXPECT_EQ(Read(*mapped, 0, 10, done), "01ab456XY9");
  EXPECT_EQ(mapped->Flush(), ERROR_SUCCESS);
}

TEST(MappedIoFile, FollowsTheFileAsItGrowsAndReadsPastTheEndComeUpShort) {
  Files f;
  auto mapped = OpenMapped(f.path, true);
  File plain = OpenShared(f.path, GENERIC_READ | GENERIC_WRITE);
  DWORD done = 0;
  ASSERT_EQ(plain.WriteAt(10, "grown", 5, done), ERROR_SUCCESS);   // another handle appends
  EXPECT_EQ(Read(*mapped, 8, 7, done), "89grown");
  ASSERT_EQ(Write(*mapped, 20, "end"), ERROR_SUCCESS);              // past the end: extends the file
  Int64 size = 0;
  ASSERT_EQ(mapped->Size(size), ERROR_SUCCESS);
  EXPECT_EQ(size, 23);
  ASSERT_EQ(Write(*mapped, 15, "fill"), ERROR_SUCCESS);             // now inside the mapped part
  EXPECT_EQ(ReadRawFile(f.path), "0123456789grownfill\0end"s);
  EXPECT_EQ(Read(*mapped, 21, 10, done), "nd");
  EXPECT_EQ(done, 2u);
  ASSERT_EQ(mapped->Truncate(4), ERROR_SUCCESS);
  EXPECT_EQ(Read(*mapped, 2, 5, done), "23");
  EXPECT_EQ(Read(*mapped, 9, 5, done), "");
}

TEST(MappedIoFile, ReadOnlyMappingRefusesWrites) {
  Files f;
  auto mapped = OpenMapped(f.path, false);
  EXPECT_EQ(Write(*mapped, 0, "zz"), ERROR_ACCESS_DENIED);
  DWORD done = 0;
  EXPECT_EQ(Read(*mapped, 0, 4, done), "0123");
  EXPECT_EQ(ReadRawFile(f.path), "0123456789");
}
}  // namespace
