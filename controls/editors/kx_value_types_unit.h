// The value types' unit: registers the fourteen descriptor classes in TkxValueTypeClassList at
// start-up in the order String, WideString, Smallint, Integer, Word, Boolean, Float, Currency,
// DateTime, LargeInt, FMTBcd, SQLTimeStamp, Variant, Object, and at shut-down removes them in the
// reverse order and frees the list.
#pragma once

#include "platform/core/units.h"

extern const Unit kxValueTypesUnit;
