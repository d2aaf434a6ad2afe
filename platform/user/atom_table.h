// The window layer's atom table: class names, window property names and registered message names
// share one table of numbers in [0xC000, 0xFFFF], compared without regard to ASCII case.
//
// Invariants: a name keeps its number for the life of the process (nothing is ever deleted, so a
// registered message number stays valid); numbers are handed out in order from 0xC000.  Names are
// code page 874 bytes.  Thread-safe.
#pragma once

#include <string>
#include <string_view>

#include "platform/user/user_types.h"

namespace user {

class AtomTable {
 public:
  static AtomTable& Instance();

  // The name's number, added when new; 0 when the table is full or the name empty.
  ATOM Add(std::string_view name);
  // The name's number, or 0 when it was never added.
  ATOM Find(std::string_view name) const;
  // The name as first added; empty for unknown numbers.
  std::string Name(ATOM atom) const;
};

// Case-folded key for names compared without regard to ASCII case.
std::string FoldName(std::string_view name);

}  // namespace user

UINT RegisterWindowMessageA(const char* name);
UINT RegisterWindowMessageW(const char16_t* name);
