// The title codes of TITLE.COD in the program folder, a text file of lines "<code><blanks><name>":
// the first 2 characters are the code, the rest without its leading blanks is the name, cut to 20
// characters.  Empty lines are skipped; at most 200 entries are held, for the suite's use.  A file
// that cannot be opened gives no entries.
#pragma once

#include <string>
#include <vector>

#include "platform/core/types.h"

inline constexpr Integer kTitleCodeLimit = 200;

struct TitleCode {
  std::string Code;   // at most 2 characters
  std::string Name;   // at most 20 characters
  bool operator==(const TitleCode&) const = default;
};

extern std::vector<TitleCode> TitleCodes;

void ReadTitleCodes();
