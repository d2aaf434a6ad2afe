#include "controls/editors/kx_format_info.h"

#include <algorithm>

#include "platform/core/ansi_strings.h"
#include "platform/core/format_settings.h"

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return (Upper(c) >= 'A' && Upper(c) <= 'Z'); }

bool StartsWithText(std::string_view Format, size_t At, std::string_view Word) {
  return Format.size() - At >= Word.size() && SameText(Format.substr(At, Word.size()), Word);
}

class FormatParser {
 public:
  explicit FormatParser(TkxDateTimeFormatInfo& Info) : info_(Info) {}

  // False stops everything (an era); at depth 2 and deeper nothing is read.
  bool Parse(std::string_view Format, int Depth) {
    if (Depth >= 2) return true;
    char lastLetter = 0;
    size_t i = 0;
    while (i < Format.size()) {
      const char written = Format[i];
      char c = Upper(written);
      if (c == 'M' && lastLetter == 'H') c = 'N';
      if (IsLetter(written)) lastLetter = Upper(written);
      const size_t run = RunLength(Format, i);
      size_t used = 1;
      switch (c) {
        case '"':
        case '\'': {
          const size_t close = Format.find(written, i + 1);
          const size_t end = close == std::string_view::npos ? Format.size() : close;
          AddLiteral(Format.substr(i + 1, end - i - 1));
          used = std::min(end + 1, Format.size()) - i;
          break;
        }
        case '/': Add(fikDateSeparator, ""); break;
        case ':': Add(fikTimeSeparator, ""); break;
        case 'A': used = ReadA(Format, i, run); break;
        case 'C':
          used = run;
          if (!Parse(FormatSettings.ShortDateFormat, Depth + 1)) return false;
          AddLiteral(" ");
          if (!Parse(FormatSettings.LongTimeFormat, Depth + 1)) return false;
          break;
        case 'D':
          used = run;
          if (run <= 4) Add(fikDay, StringOfChar('D', static_cast<Integer>(run)));
          else if (!Parse(run == 5 ? FormatSettings.ShortDateFormat : FormatSettings.LongDateFormat, Depth + 1))
            return false;
          break;
        case 'E':
        case 'Y': used = run; Add(fikYear, run > 2 ? "YYYY" : "YY"); break;
        case 'G': return false;
        case 'H': used = run; Add(fikHour, StringOfChar('H', Limited(run, 2))); break;
        case 'M': used = run; Add(fikMonth, StringOfChar('M', Limited(run, 4))); break;
        case 'N': used = run; Add(fikMinute, StringOfChar('N', Limited(run, 2))); break;
        case 'S': used = run; Add(fikSecond, StringOfChar('S', Limited(run, 2))); break;
        case 'T':
          used = run;
          if (!Parse(run == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat, Depth + 1))
            return false;
          break;
        case 'Z': used = run; Add(fikMillisecond, StringOfChar('Z', Limited(run, 3))); break;
        default: AddLiteral(Format.substr(i, 1)); break;
      }
      i += used;
    }
    return true;
  }

  // The first hour item says whether the clock has 12 or 24 hours; a designator without an hour
  // is dropped.
  void Finish() {
    auto& items = info_.ItemList;
    if (info_.KindPresent[fikHour]) {
      auto hour = std::find_if(items.begin(), items.end(), [](const auto& it) { return it.Kind == fikHour; });
      hour->Text = (info_.KindPresent[fikAmPm] ? "12" : "24") + hour->Text;
    } else if (info_.KindPresent[fikAmPm]) {
      std::erase_if(items, [](const auto& it) { return it.Kind == fikAmPm; });
      info_.KindPresent[fikAmPm] = false;
    }
  }

 private:
  static size_t RunLength(std::string_view Format, size_t At) {
    size_t n = 1;
    while (At + n < Format.size() && Format[At + n] == Format[At]) ++n;
    return n;
  }
  static Integer Limited(size_t Run, size_t Most) { return static_cast<Integer>(std::min(Run, Most)); }

  // "AM/PM", "A/P", "AMPM", "AAA", "AAAA" or a literal "A"; answers the characters used.
  size_t ReadA(std::string_view Format, size_t At, size_t Run) {
    if (StartsWithText(Format, At, "AM/PM")) {
      Add(fikAmPm, std::string(Format.substr(At, 5)));
      return 5;
    }
    if (StartsWithText(Format, At, "A/P")) {
      Add(fikAmPm, std::string(Format.substr(At, 3)));
      return 3;
    }
    if (StartsWithText(Format, At, "AMPM")) {
      Add(fikAmPm, "AMPM");
      return 4;
    }
    if (Run >= 3) {
      const size_t used = std::min<size_t>(Run, 4);
      Add(fikDay, StringOfChar('D', static_cast<Integer>(used)));
      return used;
    }
    AddLiteral(Format.substr(At, 1));
    return 1;
  }

  void Add(Byte Kind, std::string Text) {
    const bool once = Kind >= fikYear && Kind <= fikAmPm;
    if (once && info_.KindPresent[Kind]) return;
    info_.KindPresent[Kind] = true;
    info_.ItemList.push_back({Kind, std::move(Text)});
  }
  void AddLiteral(std::string_view Text) {
    if (Text.empty()) return;
    auto& items = info_.ItemList;
    if (!items.empty() && items.back().Kind == fikLiteral) {
      items.back().Text += Text;
      return;
    }
    Add(fikLiteral, std::string(Text));
  }

  TkxDateTimeFormatInfo& info_;
};

bool IsAmPmStyle(const std::string& Text, std::string_view Style) { return SameText(Text, Style); }

}  // namespace

void BuildFormatInfo(std::string_view Format, TkxDateTimeFormatInfo& Info) {
  Info = {};
  FormatParser parser(Info);
  if (!parser.Parse(Format.empty() ? std::string_view("C") : Format, 0)) {
    Info = {};
    return;
  }
  parser.Finish();
}

Integer FormatItemLength(const TkxDateTimeFormatItem& Item) {
  switch (Item.Kind) {
    case fikLiteral: return static_cast<Integer>(Item.Text.size());
    case fikYear: return Item.Text == "YY" ? 2 : 4;
    case fikMonth:
    case fikDay: return Item.Text.size() > 2 ? 3 : 2;
    case fikHour:
    case fikMinute:
    case fikSecond: return 2;
    case fikAmPm:
      if (IsAmPmStyle(Item.Text, "A/P")) return 1;
      if (IsAmPmStyle(Item.Text, "AM/PM")) return 2;
      return static_cast<Integer>(std::max(FormatSettings.TimeAMString.size(), FormatSettings.TimePMString.size()));
    case fikDateSeparator:
    case fikTimeSeparator: return 1;
    default: return 0;
  }
}

Integer GetFormatLength(const TkxDateTimeFormatInfo& Info) {
  Integer total = 0;
  for (const auto& item : Info.ItemList) total += FormatItemLength(item);
  return total;
}

bool FindFormatItemAt(const TkxDateTimeFormatInfo& Info, Integer Position, Byte& Kind, Integer& Start,
                      Integer& Length, Byte& AmPmStyle) {
  Integer itemStart = 1;
  for (const auto& item : Info.ItemList) {
    const Integer length = FormatItemLength(item);
    if (Position >= itemStart && Position < itemStart + length) {
      Kind = item.Kind;
      Start = itemStart;
      Length = length;
      AmPmStyle = IsAmPmStyle(item.Text, "A/P") ? 0 : IsAmPmStyle(item.Text, "AM/PM") ? 1 : 2;
      return true;
    }
    itemStart += length;
  }
  return false;
}
