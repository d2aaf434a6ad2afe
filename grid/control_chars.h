// The control characters the grid's editors meet in WM_CHAR (KeyPress): one definition for all.
#pragma once

namespace grid_chars {

constexpr char kBackspace = 0x08, kTab = 0x09, kLineFeed = 0x0A, kReturn = 0x0D, kEscape = 0x1B;

}  // namespace grid_chars
