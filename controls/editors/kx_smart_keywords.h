// The keywords of smart date input ("today", "Friday", "eom", ...): resource strings read through
// LoadResStringOrReplacement, so a replacement table can translate them.  Numbers 64840 to 64859
// belong to them (docs/controls-editors.md lists the ranges).
//
//   0 today, 1 yesterday, 2 tomorrow, 3..9 Sunday..Saturday (the next such day, today included),
//   10..16 first..seventh (the n-th day of the current week), 17 bom and 18 eom (first and last
//   day of the current month), 19 now (the current date and time).
#pragma once

#include <array>
#include <string>

#include "platform/core/res_string.h"

inline constexpr int SmartKeywordCount = 20;
inline constexpr int SmartKeywordNow = 19;

extern const std::array<TResStringRec, SmartKeywordCount> SmartKeywordTexts;

// The twenty keywords as they read now.
std::array<std::string, SmartKeywordCount> LoadSmartKeywords();
