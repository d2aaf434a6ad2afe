// The fixture of the tests that run the tool's forms in this process: a program folder that is the
// current folder and ProgramFolder, the settings (XDG_CONFIG_HOME) and temporary (TMPDIR) folders
// beside it, folders a and b for companies, the string grid's unit started, and the suite's
// folders and settings fresh.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "grid/pro_grid_unit.h"
#include "platform/core/cp874.h"
#include "platform/os/drive_map.h"
#include "tests/app/dialog_test_fixture.h"
#include "tests/app/scoped_program_folder.h"
#include "tests/support/os/temp_folder.h"

namespace uitest {

class ProgramFolderTest : public DialogTest {
 protected:
  ProgramFolderTest() {
    InitializeUnits({ProGridUnit});
    ResetPathMappings();
    for (const char* folder : {"program", "config", "tmp", "a", "b"})
      std::filesystem::create_directories(tmp_ / folder);
    setenv("XDG_CONFIG_HOME", (tmp_ / "config").c_str(), 1);
    setenv("TMPDIR", (tmp_ / "tmp").c_str(), 1);
    std::filesystem::current_path(tmp_ / "program");
    StartSuiteInCurrentFolder();
  }
  ~ProgramFolderTest() override {
    std::filesystem::current_path(savedCwd_);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("TMPDIR");
  }

  // A folder beside the program folder, in code page 874.
  std::string Folder(const char* name) const { return Utf8ToCp874(tmp_ / name); }
  void WriteList(const std::string& bytes) const { WriteRawFile(tmp_ / "program/USERDRV.INI", bytes); }
  std::string List() const { return ReadRawFile(tmp_ / "program/USERDRV.INI"); }

  TempFolder tmp_;
  std::filesystem::path savedCwd_ = std::filesystem::current_path();
};

}  // namespace uitest
