// The parsed form of a date or time format (unit kxFormats): one item per year, month, day, hour,
// minute, second, millisecond, AM/PM designator, separator or literal, in format order.  The date
// editors find the field under the caret through it, and the format controller builds its masks
// and display formats from it.
//
// Item kinds and texts: 0 literal (its characters), 1 year ("YY" or "YYYY"), 2 month ("M" x1..4),
// 3 day ("D" x1..4, three or four are day names), 4 hour ("H" once or twice, prefixed "12" when the
// format has an AM/PM designator, else "24"), 5 minute ("N" x1..2), 6 second ("S" x1..2),
// 7 millisecond ("Z" x1..3), 8 AM/PM designator ("AM/PM" or "A/P" as written, or "AMPM"), 9 date
// separator and 10 time separator (empty).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/types.h"

enum TkxDateTimeFormatItemKind : Byte {
  fikLiteral, fikYear, fikMonth, fikDay, fikHour, fikMinute, fikSecond, fikMillisecond, fikAmPm,
  fikDateSeparator, fikTimeSeparator
};
inline constexpr int kxFormatItemKindCount = 11;

struct TkxDateTimeFormatItem {
  Byte Kind = fikLiteral;
  std::string Text;
  friend bool operator==(const TkxDateTimeFormatItem&, const TkxDateTimeFormatItem&) = default;
};

struct TkxDateTimeFormatInfo {
  std::array<bool, kxFormatItemKindCount> KindPresent{};
  std::vector<TkxDateTimeFormatItem> ItemList;
};

// Info := the items of Format (an empty format reads as "C": short date, " ", long time).  Named
// formats ("C", "ddddd", "dddddd", "t", "tt") expand the FormatSettings formats, nested at most
// twice.  An era ("g") anywhere leaves the info empty.  Kinds 1 to 8 are taken at their first
// occurrence only; consecutive literal text is one item.
void BuildFormatInfo(std::string_view Format, TkxDateTimeFormatInfo& Info);

// The characters an item occupies in an edited value: literal its length, year 2 or 4, month and
// day 3 for names else 2, hour, minute and second 2, AM/PM 1 ("A/P"), 2 ("AM/PM") or the longer
// of the locale's AM and PM strings, separators 1, millisecond 0.
Integer FormatItemLength(const TkxDateTimeFormatItem& Item);
// The sum of FormatItemLength over the items.
Integer GetFormatLength(const TkxDateTimeFormatInfo& Info);
// The item at a 1-based Position of an edited value, with its 1-based Start and its Length;
// AmPmStyle (for a designator) is 0 for "A/P", 1 for "AM/PM", 2 otherwise.  False before the first
// and past the last item.
bool FindFormatItemAt(const TkxDateTimeFormatInfo& Info, Integer Position, Byte& Kind, Integer& Start,
                      Integer& Length, Byte& AmPmStyle);
