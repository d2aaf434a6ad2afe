// A fresh folder under $TMPDIR (or /tmp) for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's native path, without a trailing '/'.
  const std::string& Path() const { return path_; }
  // Path() + "/" + name.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Writes `bytes` to the native path `path` (creating or replacing it) with plain system calls.
void WriteRawFile(const std::string& path, const std::string& bytes);
// The bytes of the native file `path` ("" when it cannot be read).
std::string ReadRawFile(const std::string& path);
