// One registry root kept in a text file (registry_tree.h), shared by threads and processes.
//
// Readers never lock: a writer replaces the file atomically (a new file, flushed to the disk,
// renamed over the old one), so a reader sees the old tree or the new one, never a mixture.
// Writers serialise their read-modify-write with an exclusive lock on a companion file
// (<file>.lock, flock) and re-read the file under that lock, so no process's change is lost.
// A change is made on a copy and becomes visible only once it is on the disk; a failed write
// leaves file and memory as they were.  The parsed tree is cached while the file is unchanged
// (same inode, size and modification time).
// A file that is not in the registry's text form is reported (ERROR_BADDB) and never replaced.
#pragma once

#include <functional>
#include <mutex>
#include <string>

#include "platform/os/registry_tree.h"

class RegistryFile {
 public:
  explicit RegistryFile(std::string nativePath) : path_(std::move(nativePath)) {}

  // Runs `read` on the current tree; a missing file is an empty tree.
  DWORD Read(const std::function<DWORD(const RegistryKey& root)>& read);
  // Runs `change` on a copy of the current tree and stores the copy when it answers success
  // and sets `changed`.
  DWORD Write(const std::function<DWORD(RegistryKey& root, bool& changed)>& change);

 private:
  struct Identity {
    bool exists = false;
    UInt64 device = 0, inode = 0, size = 0;
    Int64 seconds = 0, nanoseconds = 0;
    bool operator==(const Identity&) const = default;
  };

  DWORD Refresh();
  DWORD Store(const RegistryKey& root);

  const std::string path_;
  std::mutex mutex_;   // guards the cache and serialises this process's writers
  bool loaded_ = false;
  Identity identity_;
  RegistryKey tree_;
};
