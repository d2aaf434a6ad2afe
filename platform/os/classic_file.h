// What the classic typed and text files share: the assigned name and the open handle.
//
// Classic opens use the share mode in FileMode's share bits, where "compat" (the default) shares
// reading and writing, so another program's exclusive open refuses them with 255 and theirs lets
// others in.  A file is closed when it is destroyed.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/os/file.h"

class ClassicFile {
 public:
  ClassicFile(const ClassicFile&) = delete;
  ClassicFile& operator=(const ClassicFile&) = delete;

  bool IsOpen() const { return file_.IsOpen(); }
  const std::string& FileName() const { return name_; }

 protected:
  ClassicFile() = default;
  ~ClassicFile() = default;

  void Assign(std::string_view name);
  // Opens the assigned name with `access` (closing an open handle first); false, with the result
  // recorded, when the file is not assigned or the open fails.
  bool OpenAssigned(DWORD access, DWORD disposition);
  // Records 103 and answers false when the file is not open.
  bool CheckOpen() const;

  File file_;

 private:
  bool assigned_ = false;
  std::string name_;
};
