#include "platform/os/os_version.h"

#include <gtest/gtest.h>

namespace {

TEST(OsVersion, PackedAndDetailedAnswersAgreeOnSixPointOne) {
  const DWORD packed = GetVersion();
  const OSVERSIONINFO info = GetVersionEx();
  EXPECT_EQ(packed & 0xFF, 6u);                 // the low byte is the major version
  EXPECT_EQ((packed >> 8) & 0xFF, 1u);
  EXPECT_EQ(packed >> 16, info.dwBuildNumber);
  EXPECT_EQ(info.dwMajorVersion, 6u);
  EXPECT_EQ(info.dwMinorVersion, 1u);
  EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
  EXPECT_FALSE(DesktopCompositionEnabled());
}

}  // namespace
