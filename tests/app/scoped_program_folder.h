// The suite's ProgramFolder set to a folder for a scope.  (A .cpp of its own: the suite's global
// TempFolder would hide the tests' TempFolder class in a test that includes suite_folders.h.)
#pragma once

#include <string>

class ScopedProgramFolder {
 public:
  explicit ScopedProgramFolder(const std::string& Folder);
  ~ScopedProgramFolder();
  ScopedProgramFolder(const ScopedProgramFolder&) = delete;
  ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

 private:
  std::string saved_;
};

// The suite's folders set from the current folder and the environment (it becomes ProgramFolder),
// its settings back at their defaults.
void StartSuiteInCurrentFolder();
