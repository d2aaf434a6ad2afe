// Reading one "KEY=value" line of the suite's settings files (QZACC.CFG and QZACC.INI).
//
// A line sets a key when it begins with the key followed by "=" (compared byte for byte); the value
// is the rest of the line.  An empty value sets nothing.  Integer settings are read with the
// platform's integer conversion (TryStrToInt: blanks before it, an optional sign, digits, nothing
// after, within 32 bits); any other text leaves the setting as it was.
#pragma once

#include <optional>
#include <string_view>


// The non-empty value that `line` gives `key`, or nothing.
std::optional<std::string_view> SettingLineValue(std::string_view line, std::string_view key);
