// The addresses the string grid's worksheet import reads and asks for.
#pragma once

#include <string>

#include "platform/shims/cell_address.h"

// A used range's address as a rectangle: one cell ("$B$3": that cell), two corners ("$A$1:$C$2")
// or whole rows ("$1:$5": columns 1 .. 256).  False for anything else.
bool ReadUsedRangeAddress(const std::string& address, TCellRect& rect);

// The relative address a range is read by: "B3:AD40".
std::string RangeReadAddress(const TCellRect& rect);
