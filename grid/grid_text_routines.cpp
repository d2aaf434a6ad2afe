#include "grid/grid_text_routines.h"

#include "platform/core/ansi_strings.h"
#include "platform/core/int_text.h"

Integer PosInUpperCase(std::string_view needle, std::string_view text) { return Pos(needle, UpperCase(text)); }

Integer FindCharPos(char ch, std::string_view text, Integer& position) {
  const Integer found = CharIndex(ch, text);
  if (found > 0) position = found;
  return found;
}

Integer CharIndex(char ch, std::string_view text) {
  const std::size_t at = text.find(ch);
  return at == std::string_view::npos ? 0 : static_cast<Integer>(at + 1);
}

Integer FindStrPos(std::string_view needle, std::string_view text, Integer& position) {
  position = Pos(needle, text);
  return position;
}

Integer FindUnquotedChar(std::string_view chars, std::string_view text, Integer& position) {
  int quotes = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') ++quotes;
    if (quotes % 2 == 0 && chars.find(text[i]) != std::string_view::npos) {
      position = static_cast<Integer>(i + 1);
      return position;
    }
  }
  position = -1;
  return 0;
}

void TakeToken(std::string& text, std::string_view delimiter, std::string& token) {
  const Integer at = Pos(delimiter, text);
  if (at == 0) {
    token.clear();
    return;
  }
  token = text.substr(0, at - 1);
  text.erase(0, at);
}

Integer FindOddCharRun(char ch, std::string_view text, Integer& position) {
  std::size_t run = 0;
  position = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ch) {
      ++run;
      continue;
    }
    if (run % 2 == 1) {
      position = static_cast<Integer>(i);   // the run's last character, one-based
      return position;
    }
    run = 0;
  }
  if (!text.empty() && text.back() == ch) position = static_cast<Integer>(text.size());
  return position;
}

Integer CountOddCharRuns(char ch, std::string_view text) {
  Integer count = 0;
  Integer position = 0;
  while (FindOddCharRun(ch, text, position) > 0) {
    ++count;
    text.remove_prefix(static_cast<std::size_t>(position));
  }
  return count;
}

Integer CountChar(char ch, std::string_view text) {
  Integer count = 0;
  for (const char c : text) count += c == ch;
  return count;
}

std::string UndoubleChar(char ch, std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ch) {
      result += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == ch) {
      result += ch;
      ++i;
    }
  }
  return result;
}

std::string RemoveCR(std::string_view text) { return StringReplace(text, "\r", "", rfReplaceAll); }

std::string UnescapeNewLines(std::string_view text) { return StringReplace(text, "\\n", "\r", rfReplaceAll); }

void FillWithChar(std::string& text, char ch) { text.assign(text.size(), ch); }

void OemToAnsiText(std::string&) {}

bool LooksLikeURL(std::string_view text) {
  return text.find("://") != std::string_view::npos || text.find("mailto:") != std::string_view::npos;
}

void StripURLProtocol(std::string& text) {
  if (const std::size_t at = text.find("://"); at != std::string::npos) text.erase(0, at + 3);
  else if (const std::size_t mail = text.find("mailto:"); mail != std::string::npos) text.erase(0, mail + 7);
}

bool ParseCellAddress(std::string_view text, TGridCoord& cell) {
  const std::string upper = UpperCase(text);
  if (upper.size() <= 3 || upper.front() != 'R') return false;
  const std::size_t c = upper.find('C');
  if (c == std::string::npos) return false;
  Integer row = 0;
  Integer column = 0;
  if (!TryStrToInt(std::string_view(upper).substr(1, c - 1), row) ||
      !TryStrToInt(std::string_view(upper).substr(c + 1), column))
    return false;
  cell = TGridCoord{column, row};
  return true;
}

bool CellInGridRect(const TGridRect& rect, Integer column, Integer row) { return rect.Contains(column, row); }

char LowerCaseChar(char ch) { return LoCase(ch); }

namespace {

bool IsNameBreak(char ch) { return ch == ' ' || ch == '\'' || ch == ',' || ch == '-' || ch == '.'; }

}  // namespace

std::string NameCaseText(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  bool capitalise = true;
  bool seenBlankMc = false;   // the result already holds its first " Mc"
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (IsNameBreak(ch)) {
      capitalise = true;
      result += ch;
    } else {
      result += capitalise ? UpCase(ch) : LowerCaseChar(ch);
      capitalise = false;
    }
    if (result == "Mc") capitalise = true;
    if (!seenBlankMc && result.ends_with(" Mc")) {
      seenBlankMc = true;
      capitalise = true;
    }
    const bool amongLastThree = i + 3 >= text.size();
    if (amongLastThree && (result.ends_with(" I") || result.ends_with(" II"))) capitalise = true;
  }
  return result;
}
