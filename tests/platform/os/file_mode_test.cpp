// The one decoder of open modes: every access value and every share value of bits 4..7, for
// classic files (compat shares both ways) and file streams (compat shares nothing).
#include "platform/os/file_mode.h"

#include <gtest/gtest.h>

#include "platform/os/file.h"

namespace {

TEST(FileMode, EveryAccessValue) {
  const struct {
    Word mode;
    DWORD access;
  } cases[] = {
      {fmOpenRead, GENERIC_READ},
      {fmOpenWrite, GENERIC_WRITE},
      {fmOpenReadWrite, GENERIC_READ | GENERIC_WRITE},
      {3, 0},   // undefined: File::Open refuses it with ERROR_INVALID_ACCESS
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    EXPECT_EQ(FileModeAccess(c.mode), c.access);
    EXPECT_EQ(FileModeAccess(Word(c.mode | fmShareDenyNone)), c.access) << "the share bits play no part";
  }
}

TEST(FileMode, EveryShareValue) {
  constexpr DWORD kBoth = FILE_SHARE_READ | FILE_SHARE_WRITE;
  const struct {
    Word mode;
    DWORD classic;   // compat shares reading and writing
    DWORD stream;    // compat shares nothing
  } cases[] = {
      {fmShareCompat, kBoth, 0},
      {fmShareExclusive, 0, 0},
      {fmShareDenyWrite, FILE_SHARE_READ, FILE_SHARE_READ},
      {fmShareDenyRead, FILE_SHARE_WRITE, FILE_SHARE_WRITE},
      {fmShareDenyNone, kBoth, kBoth},
      {0x50, 0, 0}, {0x60, 0, 0}, {0x70, 0, 0},   // undefined: nothing shared
      {0x80, 0, 0}, {0x90, 0, 0}, {0xA0, 0, 0}, {0xB0, 0, 0},
      {0xC0, 0, 0}, {0xD0, 0, 0}, {0xE0, 0, 0}, {0xF0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    for (Word access : {fmOpenRead, fmOpenWrite, fmOpenReadWrite, Word(3)}) {
      EXPECT_EQ(FileModeShare(Word(c.mode | access), kBoth), c.classic);
      EXPECT_EQ(FileModeShare(Word(c.mode | access), 0), c.stream);
    }
  }
}

}  // namespace
