#include "tests/app/scoped_program_folder.h"

#include "suite/suite_folders.h"

ScopedProgramFolder::ScopedProgramFolder(const std::string& Folder) : saved_(ProgramFolder) { ProgramFolder = Folder; }

ScopedProgramFolder::~ScopedProgramFolder() { ProgramFolder = saved_; }
