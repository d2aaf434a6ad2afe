// Drive types (GetDriveType) from the mount table (/proc/self/mounts): the type of the file
// system that holds a folder.
//
// Each line of the table is "device mount-point type options dump pass"; a space, tab, newline
// or backslash in the first two fields is written as a three-digit octal escape ("\040").
// Drive types by file-system type:
//   remote     nfs, nfs4, cifs, smb3, smbfs, ncpfs, 9p, afs, ceph, and the FUSE network file
//              systems (sshfs, glusterfs, davfs, s3fs, rclone)
//   CD-ROM     iso9660, udf
//   removable  any other type on a block device whose sysfs entry says "removable" (USB sticks,
//              memory cards)
//   fixed      everything else (disks, tmpfs, overlay, ...)
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/types.h"

inline constexpr Cardinal DRIVE_UNKNOWN = 0;
inline constexpr Cardinal DRIVE_NO_ROOT_DIR = 1;
inline constexpr Cardinal DRIVE_REMOVABLE = 2;
inline constexpr Cardinal DRIVE_FIXED = 3;
inline constexpr Cardinal DRIVE_REMOTE = 4;
inline constexpr Cardinal DRIVE_CDROM = 5;
inline constexpr Cardinal DRIVE_RAMDISK = 6;

// The type of the drive that holds `root` (code page 874, native or Windows form, e.g. "C:\\";
// empty means the current folder).  DRIVE_NO_ROOT_DIR when the folder does not exist or its
// share is not mapped; DRIVE_UNKNOWN when no mount holds it.
Cardinal GetDriveType(std::string_view root);

struct MountEntry {
  std::string device;
  std::string mountPoint;
  std::string type;
};

std::vector<MountEntry> ParseMountTable(std::string_view text);
// The entry whose mount point holds the native absolute path most closely (the last such line,
// as later mounts cover earlier ones); null when none does.
const MountEntry* FindMount(const std::vector<MountEntry>& mounts, std::string_view path);
// The drive type of a mount; `isRemovable` answers for a device path such as "/dev/sdb1".
Cardinal DriveTypeOf(const MountEntry& mount,
                     const std::function<bool(const std::string& device)>& isRemovable);
// What the kernel's sysfs says about a block device.
bool IsRemovableBlockDevice(const std::string& device);
