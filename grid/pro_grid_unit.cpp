// The ProGrid unit; see pro_grid_unit.h.
#include "grid/pro_grid_unit.h"

#include "grid/file_version_ms.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/class_registry.h"
#include "platform/user/atom_table.h"

bool DatePickerAvailable = false;

UINT GridEditDoneMessage() {
  static const UINT message = RegisterWindowMessageA("GridEditDone");
  return message;
}

namespace {

// 4.70 and later: the major version in the high 16 bits, the minor in the low ones.
constexpr Integer kFirstPickerVersion = 0x00040046;

void InitializeProGrid() {
  RegisterClass(TProStringGrid::StaticClass());
  GridEditDoneMessage();
  DatePickerAvailable = GetFileVersionMS("comctl32.dll") >= kFirstPickerVersion;
}
void FinalizeProGrid() { UnRegisterClass(TProStringGrid::StaticClass()); }

}   // namespace

const Unit ProGridUnit{"ProGrid", InitializeProGrid, FinalizeProGrid};
