// The global atom table: GlobalAddAtom, GlobalFindAtom and GlobalDeleteAtom.
//
// A global atom is a counted reference to a name of the window layer's atom table (atom_table.h),
// so the number GlobalAddAtom answers also keys window properties (SetProp with MAKEINTATOM, the
// same property as the atom's name) and never collides with class names or registered messages.
// Each GlobalAddAtom of a name counts one reference; GlobalDeleteAtom drops one, and once none is
// left GlobalFindAtom no longer finds the name.  The number itself stays valid (the atom table
// never forgets a name), so a property keyed by it stays reachable and a later GlobalAddAtom of
// the name answers the same number.  Names are code page 874 bytes of 1 to 255 bytes, compared
// without regard to ASCII case.  An integer atom (MAKEINTATOM(n), n from 1 to 0xBFFF) answers
// itself and is never counted.  Thread-safe.
#pragma once

#include "platform/user/user_types.h"

// The name's atom with one more reference; 0 (ERROR_INVALID_PARAMETER) for a null, empty or
// longer name, or when the atom table is full.
ATOM GlobalAddAtomA(const char* name);
ATOM GlobalAddAtomW(const char16_t* name);
// The atom of a name that holds references; 0 (ERROR_FILE_NOT_FOUND) otherwise.
ATOM GlobalFindAtomA(const char* name);
ATOM GlobalFindAtomW(const char16_t* name);
// Drops one reference: 0 when it did, the atom itself (ERROR_INVALID_HANDLE) for an atom holding
// none.  Integer atoms answer 0.
ATOM GlobalDeleteAtom(ATOM atom);
