// The platform's numbers for locales, locale items and string comparison, as the system's code
// passes them (LCID values, LOCALE_* item types, NORM_* flags, CSTR_* results).
#pragma once

#include "platform/core/types.h"

using LCID = DWORD;
using LCTYPE = DWORD;

inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
inline constexpr LCID LOCALE_TH_TH = 0x041E;
inline constexpr LCID LOCALE_EN_US = 0x0409;

// Flags that may be or-ed into an item type.
inline constexpr LCTYPE LOCALE_NOUSEROVERRIDE = 0x80000000;

inline constexpr LCTYPE LOCALE_ILANGUAGE = 0x0001;
inline constexpr LCTYPE LOCALE_SLANGUAGE = 0x0002;
inline constexpr LCTYPE LOCALE_SABBREVLANGNAME = 0x0003;
inline constexpr LCTYPE LOCALE_SNATIVELANGNAME = 0x0004;
inline constexpr LCTYPE LOCALE_ICOUNTRY = 0x0005;
inline constexpr LCTYPE LOCALE_SCOUNTRY = 0x0006;
inline constexpr LCTYPE LOCALE_SABBREVCTRYNAME = 0x0007;
inline constexpr LCTYPE LOCALE_SNATIVECTRYNAME = 0x0008;
inline constexpr LCTYPE LOCALE_IDEFAULTCODEPAGE = 0x000B;
inline constexpr LCTYPE LOCALE_SLIST = 0x000C;
inline constexpr LCTYPE LOCALE_IMEASURE = 0x000D;
inline constexpr LCTYPE LOCALE_SDECIMAL = 0x000E;
inline constexpr LCTYPE LOCALE_STHOUSAND = 0x000F;
inline constexpr LCTYPE LOCALE_SGROUPING = 0x0010;
inline constexpr LCTYPE LOCALE_IDIGITS = 0x0011;
inline constexpr LCTYPE LOCALE_ILZERO = 0x0012;
inline constexpr LCTYPE LOCALE_SNATIVEDIGITS = 0x0013;
inline constexpr LCTYPE LOCALE_SCURRENCY = 0x0014;
inline constexpr LCTYPE LOCALE_SINTLSYMBOL = 0x0015;
inline constexpr LCTYPE LOCALE_SMONDECIMALSEP = 0x0016;
inline constexpr LCTYPE LOCALE_SMONTHOUSANDSEP = 0x0017;
inline constexpr LCTYPE LOCALE_SMONGROUPING = 0x0018;
inline constexpr LCTYPE LOCALE_ICURRDIGITS = 0x0019;
inline constexpr LCTYPE LOCALE_IINTLCURRDIGITS = 0x001A;
inline constexpr LCTYPE LOCALE_ICURRENCY = 0x001B;
inline constexpr LCTYPE LOCALE_INEGCURR = 0x001C;
inline constexpr LCTYPE LOCALE_SDATE = 0x001D;
inline constexpr LCTYPE LOCALE_STIME = 0x001E;
inline constexpr LCTYPE LOCALE_SSHORTDATE = 0x001F;
inline constexpr LCTYPE LOCALE_SLONGDATE = 0x0020;
inline constexpr LCTYPE LOCALE_IDATE = 0x0021;
inline constexpr LCTYPE LOCALE_ILDATE = 0x0022;
inline constexpr LCTYPE LOCALE_ITIME = 0x0023;
inline constexpr LCTYPE LOCALE_ICENTURY = 0x0024;
inline constexpr LCTYPE LOCALE_ITLZERO = 0x0025;
inline constexpr LCTYPE LOCALE_IDAYLZERO = 0x0026;
inline constexpr LCTYPE LOCALE_IMONLZERO = 0x0027;
inline constexpr LCTYPE LOCALE_S1159 = 0x0028;
inline constexpr LCTYPE LOCALE_S2359 = 0x0029;
inline constexpr LCTYPE LOCALE_SDAYNAME1 = 0x002A;        // Monday; ..7 is Sunday
inline constexpr LCTYPE LOCALE_SABBREVDAYNAME1 = 0x0031;  // Monday; ..7 is Sunday
inline constexpr LCTYPE LOCALE_SMONTHNAME1 = 0x0038;      // January .. 0x0043 December
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME1 = 0x0044;
inline constexpr LCTYPE LOCALE_SPOSITIVESIGN = 0x0050;
inline constexpr LCTYPE LOCALE_SNEGATIVESIGN = 0x0051;
inline constexpr LCTYPE LOCALE_SNAME = 0x005C;
inline constexpr LCTYPE LOCALE_SSHORTTIME = 0x0079;
inline constexpr LCTYPE LOCALE_INEGNUMBER = 0x1010;
inline constexpr LCTYPE LOCALE_SENGLANGUAGE = 0x1001;
inline constexpr LCTYPE LOCALE_SENGCOUNTRY = 0x1002;
inline constexpr LCTYPE LOCALE_STIMEFORMAT = 0x1003;
inline constexpr LCTYPE LOCALE_IDEFAULTANSICODEPAGE = 0x1004;
inline constexpr LCTYPE LOCALE_ITIMEMARKPOSN = 0x1005;
inline constexpr LCTYPE LOCALE_ICALENDARTYPE = 0x1009;
inline constexpr LCTYPE LOCALE_IFIRSTDAYOFWEEK = 0x100C;
inline constexpr LCTYPE LOCALE_IFIRSTWEEKOFYEAR = 0x100D;

inline constexpr DWORD CAL_GREGORIAN = 1;
inline constexpr DWORD CAL_THAI = 7;

// String comparison flags and results.
inline constexpr DWORD NORM_IGNORECASE = 0x00000001;
inline constexpr DWORD NORM_IGNORENONSPACE = 0x00000002;
inline constexpr DWORD SORT_STRINGSORT = 0x00001000;
inline constexpr DWORD NORM_IGNOREKANATYPE = 0x00010000;
inline constexpr DWORD NORM_IGNOREWIDTH = 0x00020000;

inline constexpr Integer CSTR_LESS_THAN = 1;
inline constexpr Integer CSTR_EQUAL = 2;
inline constexpr Integer CSTR_GREATER_THAN = 3;
