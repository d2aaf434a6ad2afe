#include "app/departments.h"

#include "app/slot_file.h"
#include "app/typed_records.h"
#include "suite/fatal_error.h"

std::vector<Byte> Departments;

bool ReadDepartments() {
  const Integer result = ReadSlotFile(kDepartmentFileName, kDepartmentRecordSize, Departments);
  if (result == kFileNotFoundResult) {
    if (const Integer created = RewriteTypedRecords(kDepartmentFileName, kDepartmentRecordSize, {}); created != 0) {
      FileFatalErrorText(created, CannotCreateFileText(kDepartmentFileName));
      return false;
    }
    return true;
  }
  if (result != 0) FileFatalErrorText(result, CannotOpenFileText(kDepartmentFileName));
  return result == 0;
}

bool WriteDepartments() {
  return RewriteSlotFileIfChanged(kDepartmentFileName, kDepartmentRecordSize, Departments, [](std::vector<Byte>&) {});
}

void ReleaseDepartments() { Departments = {}; }
