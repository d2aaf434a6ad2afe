// Drive types from the mount table (see drive_type.h).
#include "platform/os/drive_type.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/core/win_errors.h"
#include "platform/os/path.h"

namespace {

// Undoes the table's octal escapes.
std::string Unescape(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const auto isOctal = [&](std::size_t k) {
      return k < field.size() && field[k] >= '0' && field[k] <= '7';
    };
    if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

bool Holds(std::string_view mountPoint, std::string_view path) {
  if (mountPoint == "/") return !path.empty() && path[0] == '/';
  return path.starts_with(mountPoint) && (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

bool IsOneOf(std::string_view type, std::initializer_list<std::string_view> types) {
  for (std::string_view t : types)
    if (type == t) return true;
  return false;
}

bool IsRemoteType(std::string_view type) {
  if (IsOneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "9p", "afs", "ceph"}))
    return true;
  if (type.starts_with("fuse.")) type.remove_prefix(5);
  return IsOneOf(type, {"sshfs", "glusterfs", "davfs", "s3fs", "rclone"});
}

std::string ReadFirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

}  // namespace

std::vector<MountEntry> ParseMountTable(std::string_view text) {
  std::vector<MountEntry> mounts;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const auto fields = Fields(line);
    if (fields.size() < 3) continue;
    mounts.push_back({Unescape(fields[0]), Unescape(fields[1]), std::string(fields[2])});
  }
  return mounts;
}

const MountEntry* FindMount(const std::vector<MountEntry>& mounts, std::string_view path) {
  const MountEntry* best = nullptr;
  for (const MountEntry& mount : mounts)
    if (Holds(mount.mountPoint, path) && (!best || mount.mountPoint.size() >= best->mountPoint.size()))
      best = &mount;
  return best;
}

Cardinal DriveTypeOf(const MountEntry& mount,
                     const std::function<bool(const std::string& device)>& isRemovable) {
  if (IsRemoteType(mount.type)) return DRIVE_REMOTE;
  if (IsOneOf(mount.type, {"iso9660", "udf"})) return DRIVE_CDROM;
  if (mount.device.starts_with("/dev/") && isRemovable(mount.device)) return DRIVE_REMOVABLE;
  return DRIVE_FIXED;
}

bool IsRemovableBlockDevice(const std::string& device) {
  char resolved[PATH_MAX];   // /dev/disk/by-label/... links to the device node
  if (!realpath(device.c_str(), resolved)) return false;
  const std::string name = std::string(resolved).substr(std::string(resolved).rfind('/') + 1);
  const std::string entry = "/sys/class/block/" + name;
  // A partition's own entry has no "removable"; its disk, one folder up, has.
  for (const std::string& file : {entry + "/removable", entry + "/../removable"}) {
    const std::string value = ReadFirstLine(file);
    if (!value.empty()) return value == "1";
  }
  return false;
}

Cardinal GetDriveType(std::string_view root) {
  std::string native;
  if (ResolvePath(root.empty() ? std::string_view(".") : root, native) != ERROR_SUCCESS)
    return DRIVE_NO_ROOT_DIR;
  char resolved[PATH_MAX];
  if (!realpath(native.c_str(), resolved)) return DRIVE_NO_ROOT_DIR;
  std::ifstream in("/proc/self/mounts");
  std::stringstream text;
  text << in.rdbuf();
  const std::vector<MountEntry> mounts = ParseMountTable(text.str());
  const MountEntry* mount = FindMount(mounts, resolved);
  return mount ? DriveTypeOf(*mount, IsRemovableBlockDevice) : DRIVE_UNKNOWN;
}
