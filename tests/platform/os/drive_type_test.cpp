#include "platform/os/drive_type.h"

#include <gtest/gtest.h>

#include "platform/os/drive_map.h"
#include "tests/support/os/temp_folder.h"

namespace {

constexpr std::string_view kMounts =
    "/dev/sda2 / ext4 rw,relatime 0 0\n"
    "proc /proc proc rw 0 0\n"
    "server:/export /mnt/data nfs4 rw 0 0\n"
    "//nas/payroll /mnt/pay\\040roll cifs rw 0 0\n"
    "/dev/sr0 /media/cd iso9660 ro 0 0\n"
    "/dev/sdb1 /media/stick vfat rw 0 0\n"
    "user@host: /home/u/remote fuse.sshfs rw 0 0\n"
    "\n"
    "tmpfs /mnt/data/cache tmpfs rw 0 0\n"
    "/dev/sdc1 /mnt/data ext4 rw 0 0\n";   // mounted over the share

TEST(DriveType, MountTableFieldsAndEscapes) {
  const auto mounts = ParseMountTable(kMounts);
  ASSERT_EQ(mounts.size(), 9u);
  EXPECT_EQ(mounts[3].device, "//nas/payroll");
  EXPECT_EQ(mounts[3].mountPoint, "/mnt/pay roll");
  EXPECT_EQ(mounts[3].type, "cifs");
}

TEST(DriveType, PathsFindTheMountThatHoldsThem) {
  const auto mounts = ParseMountTable(kMounts);
  const auto removable = [](const std::string& device) { return device == "/dev/sdb1"; };
  struct Case { const char* path; const char* mountPoint; Cardinal type; };
  const Case cases[] = {
      {"/", "/", DRIVE_FIXED},
      {"/home/u/file", "/", DRIVE_FIXED},
      {"/home/u/remote/a/b", "/home/u/remote", DRIVE_REMOTE},
      {"/mnt/pay roll/PRFILE01.DAT", "/mnt/pay roll", DRIVE_REMOTE},
      {"/mnt/payroll", "/", DRIVE_FIXED},                // not inside "/mnt/pay roll"
      {"/mnt/data/x", "/mnt/data", DRIVE_FIXED},          // the later mount covers the share
      {"/mnt/data/cache/y", "/mnt/data/cache", DRIVE_FIXED},
      {"/mnt/database", "/", DRIVE_FIXED},
      {"/media/cd/setup", "/media/cd", DRIVE_CDROM},
      {"/media/stick", "/media/stick", DRIVE_REMOVABLE},
      {"/proc/self", "/proc", DRIVE_FIXED},
  };
  for (const Case& c : cases) {
    const MountEntry* mount = FindMount(mounts, c.path);
    ASSERT_NE(mount, nullptr) << c.path;
    EXPECT_EQ(mount->mountPoint, c.mountPoint) << c.path;
    EXPECT_EQ(DriveTypeOf(*mount, removable), c.type) << c.path;
  }
  EXPECT_EQ(FindMount(ParseMountTable("proc /proc proc rw 0 0\n"), "/home"), nullptr);
}

TEST(DriveType, FileSystemTypes) {
  struct Case { const char* type; const char* device; Cardinal expected; };
  const Case cases[] = {
      {"nfs", "srv:/x", DRIVE_REMOTE},       {"cifs", "//s/x", DRIVE_REMOTE},
      {"smb3", "//s/x", DRIVE_REMOTE},       {"9p", "share", DRIVE_REMOTE},
      {"fuse.sshfs", "u@h:", DRIVE_REMOTE},  {"sshfs", "u@h:", DRIVE_REMOTE},
      {"udf", "/dev/sr0", DRIVE_CDROM},      {"iso9660", "/dev/sr0", DRIVE_CDROM},
      {"vfat", "/dev/sdb1", DRIVE_REMOVABLE}, {"ext4", "/dev/sdb1", DRIVE_REMOVABLE},
      {"ext4", "/dev/sda1", DRIVE_FIXED},    {"overlay", "overlay", DRIVE_FIXED},
      {"tmpfs", "tmpfs", DRIVE_FIXED},       {"fuse.portal", "portal", DRIVE_FIXED},
  };
  const auto removable = [](const std::string& device) { return device == "/dev/sdb1"; };
  for (const Case& c : cases)
    EXPECT_EQ(DriveTypeOf(MountEntry{c.device, "/m", c.type}, removable), c.expected) << c.type;
}

TEST(DriveType, RealFoldersAndDriveLetters) {
  TempFolder tmp;
  const Cardinal type = GetDriveType(tmp.Path());
  EXPECT_NE(type, DRIVE_UNKNOWN);
  EXPECT_NE(type, DRIVE_NO_ROOT_DIR);
  SetDriveMapping('R', tmp.Path());
  EXPECT_EQ(GetDriveType("R:\\"), type);
  ResetPathMappings();
  EXPECT_EQ(GetDriveType(tmp / "missing"), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(GetDriveType("\\\\nowhere\\share\\"), DRIVE_NO_ROOT_DIR);   // an unmapped share
}

}  // namespace
