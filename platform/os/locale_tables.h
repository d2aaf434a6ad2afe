// The regional-settings tables the program knows: th-TH (the default) and en-US.
//
// Each table answers locale item types (LOCALE_* of locale_constants.h) with texts in code page
// 874, as the platform's locale database answers them.  The tables are constant; user
// overrides live in the locale module.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "platform/os/locale_constants.h"

struct LocaleItem {
  LCTYPE type;
  std::string_view value;
};

struct LocaleTable {
  std::string_view name;   // "th-TH"
  LCID lcid;
  std::span<const LocaleItem> items;
  const char* collation;   // the collator's locale id ("th_TH")
};

inline constexpr std::size_t kLocaleTableCount = 2;

// The position of a table among the kLocaleTableCount tables.
std::size_t LocaleTableIndex(const LocaleTable& table);
// The table of a locale name (ASCII case and '-' or '_' do not matter) or of an LCID; null when
// the program has none.
const LocaleTable* FindLocaleTable(std::string_view name);
const LocaleTable* FindLocaleTable(LCID lcid);
// The item of a table; null when the table has no such item.
const std::string_view* FindLocaleItem(const LocaleTable& table, LCTYPE type);
