// The th-TH and en-US regional settings (see locale_tables.h).  Thai texts are code page 874.
#include "platform/os/locale_tables.h"

#include <iterator>

#include "platform/core/cp874.h"

namespace {

// Day names run Monday to Sunday, as the item numbers do.
constexpr LocaleItem kThai[] = {
    {LOCALE_SNAME, "th-TH"},
    {LOCALE_ILANGUAGE, "041e"},
    {LOCALE_SLANGUAGE, "ไทย (ไทย)"_cp874},
    {LOCALE_SENGLANGUAGE, "Thai"},
    {LOCALE_SABBREVLANGNAME, "THA"},
    {LOCALE_SNATIVELANGNAME, "ไทย"_cp874},
    {LOCALE_ICOUNTRY, "66"},
    {LOCALE_SCOUNTRY, "ไทย"_cp874},
    {LOCALE_SENGCOUNTRY, "Thailand"},
    {LOCALE_SABBREVCTRYNAME, "THA"},
    {LOCALE_SNATIVECTRYNAME, "ไทย"_cp874},
    {LOCALE_IDEFAULTCODEPAGE, "874"},
    {LOCALE_IDEFAULTANSICODEPAGE, "874"},
    {LOCALE_SLIST, ","},
    {LOCALE_IMEASURE, "0"},
    {LOCALE_SDECIMAL, "."},
    {LOCALE_STHOUSAND, ","},
    {LOCALE_SGROUPING, "3;0"},
    {LOCALE_IDIGITS, "2"},
    {LOCALE_ILZERO, "1"},
    {LOCALE_INEGNUMBER, "1"},
    {LOCALE_SNATIVEDIGITS, "0123456789"},
    {LOCALE_SPOSITIVESIGN, ""},
    {LOCALE_SNEGATIVESIGN, "-"},
    {LOCALE_SCURRENCY, "฿"_cp874},
    {LOCALE_SINTLSYMBOL, "THB"},
    {LOCALE_SMONDECIMALSEP, "."},
    {LOCALE_SMONTHOUSANDSEP, ","},
    {LOCALE_SMONGROUPING, "3;0"},
    {LOCALE_ICURRDIGITS, "2"},
    {LOCALE_IINTLCURRDIGITS, "2"},
    {LOCALE_ICURRENCY, "0"},
    {LOCALE_INEGCURR, "1"},
    {LOCALE_SDATE, "/"},
    {LOCALE_STIME, ":"},
    {LOCALE_SSHORTDATE, "d/M/yyyy"},
    {LOCALE_SLONGDATE, "d MMMM yyyy"},
    {LOCALE_STIMEFORMAT, "H:mm:ss"},
    {LOCALE_SSHORTTIME, "H:mm"},
    {LOCALE_IDATE, "1"},
    {LOCALE_ILDATE, "1"},
    {LOCALE_ITIME, "1"},
    {LOCALE_ITIMEMARKPOSN, "0"},
    {LOCALE_ICENTURY, "1"},
    {LOCALE_ITLZERO, "0"},
    {LOCALE_IDAYLZERO, "0"},
    {LOCALE_IMONLZERO, "0"},
    {LOCALE_S1159, "AM"},
    {LOCALE_S2359, "PM"},
    {LOCALE_ICALENDARTYPE, "7"},
    {LOCALE_IFIRSTDAYOFWEEK, "6"},
    {LOCALE_IFIRSTWEEKOFYEAR, "0"},
    {LOCALE_SDAYNAME1 + 0, "จันทร์"_cp874},
    {LOCALE_SDAYNAME1 + 1, "อังคาร"_cp874},
    {LOCALE_SDAYNAME1 + 2, "พุธ"_cp874},
    {LOCALE_SDAYNAME1 + 3, "พฤหัสบดี"_cp874},
    {LOCALE_SDAYNAME1 + 4, "ศุกร์"_cp874},
    {LOCALE_SDAYNAME1 + 5, "เสาร์"_cp874},
    {LOCALE_SDAYNAME1 + 6, "อาทิตย์"_cp874},
    {LOCALE_SABBREVDAYNAME1 + 0, "จ."_cp874},
    {LOCALE_SABBREVDAYNAME1 + 1, "อ."_cp874},
    {LOCALE_SABBREVDAYNAME1 + 2, "พ."_cp874},
    {LOCALE_SABBREVDAYNAME1 + 3, "พฤ."_cp874},
    {LOCALE_SABBREVDAYNAME1 + 4, "ศ."_cp874},
    {LOCALE_SABBREVDAYNAME1 + 5, "ส."_cp874},
    {LOCALE_SABBREVDAYNAME1 + 6, "อา."_cp874},
    {LOCALE_SMONTHNAME1 + 0, "มกราคม"_cp874},
    {LOCALE_SMONTHNAME1 + 1, "กุมภาพันธ์"_cp874},
    {LOCALE_SMONTHNAME1 + 2, "มีนาคม"_cp874},
    {LOCALE_SMONTHNAME1 + 3, "เมษายน"_cp874},
    {LOCALE_SMONTHNAME1 + 4, "พฤษภาคม"_cp874},
    {LOCALE_SMONTHNAME1 + 5, "มิถุนายน"_cp874},
    {LOCALE_SMONTHNAME1 + 6, "กรกฎาคม"_cp874},
    {LOCALE_SMONTHNAME1 + 7, "สิงหาคม"_cp874},
    {LOCALE_SMONTHNAME1 + 8, "กันยายน"_cp874},
    {LOCALE_SMONTHNAME1 + 9, "ตุลาคม"_cp874},
    {LOCALE_SMONTHNAME1 + 10, "พฤศจิกายน"_cp874},
    {LOCALE_SMONTHNAME1 + 11, "ธันวาคม"_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 0, "ม.ค."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 1, "ก.พ."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 2, "มี.ค."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 3, "เม.ย."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 4, "พ.ค."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 5, "มิ.ย."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 6, "ก.ค."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 7, "ส.ค."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 8, "ก.ย."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 9, "ต.ค."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 10, "พ.ย."_cp874},
    {LOCALE_SABBREVMONTHNAME1 + 11, "ธ.ค."_cp874},
};

constexpr LocaleItem kEnglishUS[] = {
    {LOCALE_SNAME, "en-US"},
    {LOCALE_ILANGUAGE, "0409"},
    {LOCALE_SLANGUAGE, "English (United States)"},
    {LOCALE_SENGLANGUAGE, "English"},
    {LOCALE_SABBREVLANGNAME, "ENU"},
    {LOCALE_SNATIVELANGNAME, "English"},
    {LOCALE_ICOUNTRY, "1"},
    {LOCALE_SCOUNTRY, "United States"},
    {LOCALE_SENGCOUNTRY, "United States"},
    {LOCALE_SABBREVCTRYNAME, "USA"},
    {LOCALE_SNATIVECTRYNAME, "United States"},
    {LOCALE_IDEFAULTCODEPAGE, "437"},
    {LOCALE_IDEFAULTANSICODEPAGE, "874"},   // the program's 8-bit code page, whatever the locale
    {LOCALE_SLIST, ","},
    {LOCALE_IMEASURE, "1"},
    {LOCALE_SDECIMAL, "."},
    {LOCALE_STHOUSAND, ","},
    {LOCALE_SGROUPING, "3;0"},
    {LOCALE_IDIGITS, "2"},
    {LOCALE_ILZERO, "1"},
    {LOCALE_INEGNUMBER, "1"},
    {LOCALE_SNATIVEDIGITS, "0123456789"},
    {LOCALE_SPOSITIVESIGN, ""},
    {LOCALE_SNEGATIVESIGN, "-"},
    {LOCALE_SCURRENCY, "$"},
    {LOCALE_SINTLSYMBOL, "USD"},
    {LOCALE_SMONDECIMALSEP, "."},
    {LOCALE_SMONTHOUSANDSEP, ","},
    {LOCALE_SMONGROUPING, "3;0"},
    {LOCALE_ICURRDIGITS, "2"},
    {LOCALE_IINTLCURRDIGITS, "2"},
    {LOCALE_ICURRENCY, "0"},
    {LOCALE_INEGCURR, "0"},
    {LOCALE_SDATE, "/"},
    {LOCALE_STIME, ":"},
    {LOCALE_SSHORTDATE, "M/d/yyyy"},
    {LOCALE_SLONGDATE, "dddd, MMMM d, yyyy"},
    {LOCALE_STIMEFORMAT, "h:mm:ss tt"},
    {LOCALE_SSHORTTIME, "h:mm tt"},
    {LOCALE_IDATE, "0"},
    {LOCALE_ILDATE, "0"},
    {LOCALE_ITIME, "0"},
    {LOCALE_ITIMEMARKPOSN, "0"},
    {LOCALE_ICENTURY, "1"},
    {LOCALE_ITLZERO, "0"},
    {LOCALE_IDAYLZERO, "0"},
    {LOCALE_IMONLZERO, "0"},
    {LOCALE_S1159, "AM"},
    {LOCALE_S2359, "PM"},
    {LOCALE_ICALENDARTYPE, "1"},
    {LOCALE_IFIRSTDAYOFWEEK, "6"},
    {LOCALE_IFIRSTWEEKOFYEAR, "0"},
    {LOCALE_SDAYNAME1 + 0, "Monday"},
    {LOCALE_SDAYNAME1 + 1, "Tuesday"},
    {LOCALE_SDAYNAME1 + 2, "Wednesday"},
    {LOCALE_SDAYNAME1 + 3, "Thursday"},
    {LOCALE_SDAYNAME1 + 4, "Friday"},
    {LOCALE_SDAYNAME1 + 5, "Saturday"},
    {LOCALE_SDAYNAME1 + 6, "Sunday"},
    {LOCALE_SABBREVDAYNAME1 + 0, "Mon"},
    {LOCALE_SABBREVDAYNAME1 + 1, "Tue"},
    {LOCALE_SABBREVDAYNAME1 + 2, "Wed"},
    {LOCALE_SABBREVDAYNAME1 + 3, "Thu"},
    {LOCALE_SABBREVDAYNAME1 + 4, "Fri"},
    {LOCALE_SABBREVDAYNAME1 + 5, "Sat"},
    {LOCALE_SABBREVDAYNAME1 + 6, "Sun"},
    {LOCALE_SMONTHNAME1 + 0, "January"},
    {LOCALE_SMONTHNAME1 + 1, "February"},
    {LOCALE_SMONTHNAME1 + 2, "March"},
    {LOCALE_SMONTHNAME1 + 3, "April"},
    {LOCALE_SMONTHNAME1 + 4, "May"},
    {LOCALE_SMONTHNAME1 + 5, "June"},
    {LOCALE_SMONTHNAME1 + 6, "July"},
    {LOCALE_SMONTHNAME1 + 7, "August"},
    {LOCALE_SMONTHNAME1 + 8, "September"},
    {LOCALE_SMONTHNAME1 + 9, "October"},
    {LOCALE_SMONTHNAME1 + 10, "November"},
    {LOCALE_SMONTHNAME1 + 11, "December"},
    {LOCALE_SABBREVMONTHNAME1 + 0, "Jan"},
    {LOCALE_SABBREVMONTHNAME1 + 1, "Feb"},
    {LOCALE_SABBREVMONTHNAME1 + 2, "Mar"},
    {LOCALE_SABBREVMONTHNAME1 + 3, "Apr"},
    {LOCALE_SABBREVMONTHNAME1 + 4, "May"},
    {LOCALE_SABBREVMONTHNAME1 + 5, "Jun"},
    {LOCALE_SABBREVMONTHNAME1 + 6, "Jul"},
    {LOCALE_SABBREVMONTHNAME1 + 7, "Aug"},
    {LOCALE_SABBREVMONTHNAME1 + 8, "Sep"},
    {LOCALE_SABBREVMONTHNAME1 + 9, "Oct"},
    {LOCALE_SABBREVMONTHNAME1 + 10, "Nov"},
    {LOCALE_SABBREVMONTHNAME1 + 11, "Dec"},
};

constexpr LocaleTable kTables[] = {
    {"th-TH", LOCALE_TH_TH, kThai, "th_TH"},
    {"en-US", LOCALE_EN_US, kEnglishUS, "en_US"},
};

static_assert(std::size(kTables) == kLocaleTableCount);

bool SameLocaleName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c == '_' ? '-' : (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace

std::size_t LocaleTableIndex(const LocaleTable& table) {
  return static_cast<std::size_t>(&table - kTables);
}

const LocaleTable* FindLocaleTable(std::string_view name) {
  for (const LocaleTable& table : kTables)
    if (SameLocaleName(table.name, name)) return &table;
  return nullptr;
}

const LocaleTable* FindLocaleTable(LCID lcid) {
  for (const LocaleTable& table : kTables)
    if (table.lcid == lcid) return &table;
  return nullptr;
}

const std::string_view* FindLocaleItem(const LocaleTable& table, LCTYPE type) {
  for (const LocaleItem& item : table.items)
    if (item.type == type) return &item.value;
  return nullptr;
}
