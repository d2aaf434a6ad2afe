// File-name masks as the platform's file searches and the program's file dialogs use them.
//
// '*' stands for any run of characters (also none), '?' for exactly one; everything else matches
// itself ignoring ASCII case.  A mask ending in ".*" also matches names without an extension, so
// "*.*" matches every name.  Several masks may be given separated by ';' ("*.txt;*.csv"): a name
// matches when it matches any of them.  Names and masks are code page 874 (one byte, one
// character).
#pragma once

#include <string_view>

bool MatchesFileMask(std::string_view name, std::string_view masks);
