// ProGrid, the string grid's unit: its start-up registers TProStringGrid with the class registry,
// so that form images can name it; its finalisation takes it out again.
#pragma once

#include "platform/core/units.h"

extern const Unit ProGridUnit;
