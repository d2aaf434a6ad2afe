#include "controls/editors/kx_smart_keywords.h"

#include "controls/foundation/kx_classes.h"

const std::array<TResStringRec, SmartKeywordCount> SmartKeywordTexts = {{
    {64840, "today"},  {64841, "yesterday"}, {64842, "tomorrow"}, {64843, "Sunday"}, {64844, "Monday"},
    {64845, "Tuesday"}, {64846, "Wednesday"}, {64847, "Thursday"}, {64848, "Friday"}, {64849, "Saturday"},
    {64850, "first"},  {64851, "second"},    {64852, "third"},    {64853, "fourth"}, {64854, "fifth"},
    {64855, "sixth"},  {64856, "seventh"},   {64857, "bom"},      {64858, "eom"},    {64859, "now"},
}};

std::array<std::string, SmartKeywordCount> LoadSmartKeywords() {
  std::array<std::string, SmartKeywordCount> keywords;
  for (int i = 0; i < SmartKeywordCount; ++i) keywords[i] = LoadResStringOrReplacement(&SmartKeywordTexts[i]);
  return keywords;
}
