// The ProGrid unit; see pro_grid_unit.h.
#include "grid/pro_grid_unit.h"

#include <cstdint>

#include "grid/file_version_ms.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/class_registry.h"
#include "platform/core/assertion.h"
#include "platform/core/format.h"
#include "platform/shims/ole_init.h"
#include "platform/user/atom_table.h"
#include "platform/user/clipboard.h"

bool DatePickerAvailable = false;

UINT GridEditDoneMessage() {
  static const UINT message = RegisterWindowMessageA("GridEditDone");
  return message;
}

UINT GridCellsClipboardFormat() {
  static const UINT format = RegisterClipboardFormatA("TProStringGrid Cells");
  return format;
}

void CheckOleStarted(HRESULT result) {
  if (result == S_OK || result == S_FALSE) return;
  Assert(false, Format("OleInitialize failed ($%x)", {Int64(static_cast<std::uint32_t>(result))}));
}

namespace {

// 4.70 and later: the major version in the high 16 bits, the minor in the low ones.
constexpr Integer kFirstPickerVersion = 0x00040046;

void InitializeProGrid() {
  CheckOleStarted(OleInitialize(nullptr));
  RegisterClass(TProStringGrid::StaticClass());
  DatePickerAvailable = GetFileVersionMS("comctl32.dll") >= kFirstPickerVersion;
  GridCellsClipboardFormat();
  GridEditDoneMessage();
}
void FinalizeProGrid() {
  UnRegisterClass(TProStringGrid::StaticClass());
  OleUninitialize();
}

}   // namespace

const Unit ProGridUnit{"ProGrid", InitializeProGrid, FinalizeProGrid};
