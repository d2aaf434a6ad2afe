// The ProGrid unit; see pro_grid_unit.h.
#include "grid/pro_grid_unit.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/class_registry.h"

namespace {

void InitializeProGrid() { RegisterClass(TProStringGrid::StaticClass()); }
void FinalizeProGrid() { UnRegisterClass(TProStringGrid::StaticClass()); }

}   // namespace

const Unit ProGridUnit{"ProGrid", InitializeProGrid, FinalizeProGrid};
