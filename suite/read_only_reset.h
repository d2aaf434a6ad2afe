// Opening a classic typed file for reading only, whatever FileMode holds for the program's other
// opens (FileMode is restored afterwards).  The result is left in IOResult as for Reset.
#pragma once

#include "platform/core/types.h"
#include "platform/os/typed_file.h"

void ResetReadOnly(TypedFile& file, Integer recordSize);
