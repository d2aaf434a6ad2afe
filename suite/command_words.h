// The suite's table of Thai command words (exit, show, help, ...), index 0..14, as code page 874
// texts of at most 20 bytes; the unused entries are empty.  Fixed at start-up; nothing changes it.
#pragma once

#include <array>
#include <string_view>

inline constexpr int kCommandWordCount = 15;
extern const std::array<std::string_view, kCommandWordCount> CommandWords;
