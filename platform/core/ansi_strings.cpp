#include "platform/core/ansi_strings.h"

#include <algorithm>

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }


template <char (*Map)(char)>
std::string MapBytes(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Map(c);
  return out;
}

// The ordinal comparison of s1 and s2 after passing every byte through `map`.
template <char (*Map)(char)>
Integer CompareMapped(std::string_view s1, std::string_view s2) {
  const std::size_t n = std::min(s1.size(), s2.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int a = static_cast<unsigned char>(Map(s1[i]));
    const int b = static_cast<unsigned char>(Map(s2[i]));
    if (a != b) return a - b;
  }
  return static_cast<Integer>(s1.size()) - static_cast<Integer>(s2.size());
}

char Same(char c) { return c; }

}  // namespace

Integer Pos(std::string_view subStr, std::string_view s) {
  if (subStr.empty()) return 0;
  const std::size_t at = s.find(subStr);
  return at == std::string_view::npos ? 0 : static_cast<Integer>(at) + 1;
}

std::string Copy(std::string_view s, Integer index, Integer count) {
  const Int64 length = static_cast<Int64>(s.size());
  const Int64 start = std::clamp<Int64>(Int64{index} - 1, 0, length);
  const Int64 n = std::clamp<Int64>(count, 0, length - start);
  return std::string(s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n)));
}

void Delete(std::string& s, Integer index, Integer count) {
  const Int64 length = static_cast<Int64>(s.size());
  if (index < 1 || index > length || count <= 0) return;
  s.erase(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(std::min<Int64>(count, length)));
}

void Insert(std::string_view source, std::string& s, Integer index) {
  const Int64 at = std::clamp<Int64>(Int64{index} - 1, 0, static_cast<Int64>(s.size()));
  s.insert(static_cast<std::size_t>(at), source);
}

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string TrimLeft(std::string_view s) {
  const auto first = std::find_if_not(s.begin(), s.end(), IsBlankOrControl);
  return std::string(first, s.end());
}

std::string TrimRight(std::string_view s) {
  const auto last = std::find_if_not(s.rbegin(), s.rend(), IsBlankOrControl);
  return std::string(s.begin(), last.base());
}

std::string UpperCase(std::string_view s) { return MapBytes<UpCase>(s); }
std::string LowerCase(std::string_view s) { return MapBytes<LoCase>(s); }

// Code page 874 has no cased letters besides A-Z and a-z (its upper half is Thai, punctuation and
// the no-break space), so the code page's case mapping is the ASCII one.
std::string AnsiUpperCase(std::string_view s) { return UpperCase(s); }
std::string AnsiLowerCase(std::string_view s) { return LowerCase(s); }

Integer CompareStr(std::string_view s1, std::string_view s2) { return CompareMapped<Same>(s1, s2); }
Integer CompareText(std::string_view s1, std::string_view s2) { return CompareMapped<UpCase>(s1, s2); }
bool SameText(std::string_view s1, std::string_view s2) {
  return s1.size() == s2.size() && CompareText(s1, s2) == 0;
}

std::string QuotedStr(std::string_view s) { return AnsiQuotedStr(s, '\''); }

std::string AnsiQuotedStr(std::string_view s, char quote) {
  std::string out;
  out.reserve(s.size() + 2);
  out += quote;
  for (char c : s) {
    out += c;
    if (c == quote) out += quote;
  }
  out += quote;
  return out;
}

std::string AnsiExtractQuotedStr(std::string_view& src, char quote) {
  if (src.empty() || src.front() != quote) return {};
  std::string out;
  std::size_t i = 1;
  while (i < src.size()) {
    if (src[i] == quote) {
      if (i + 1 >= src.size() || src[i + 1] != quote) { ++i; break; }   // the closing quote
      ++i;                                                              // a doubled quote
    }
    out += src[i++];
  }
  src.remove_prefix(i);
  return out;
}

std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags) {
  if (oldPattern.empty()) return std::string(s);
  const bool ignoreCase = (flags & rfIgnoreCase) != 0;
  // Case-insensitive search runs on upper-cased copies; the case mapping keeps every byte in place,
  // so positions found there are positions in `s`.
  const std::string upperText = ignoreCase ? UpperCase(s) : std::string();
  const std::string upperPattern = ignoreCase ? UpperCase(oldPattern) : std::string();
  const std::string_view text = ignoreCase ? std::string_view(upperText) : s;
  const std::string_view pattern = ignoreCase ? std::string_view(upperPattern) : oldPattern;

  std::string out;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(pattern, from)) != std::string_view::npos;) {
    out.append(s, from, at - from).append(newPattern);
    from = at + pattern.size();
    if ((flags & rfReplaceAll) == 0) break;
  }
  out.append(s, from);
  return out;
}

std::string StringOfChar(char ch, Integer count) {
  return count > 0 ? std::string(static_cast<std::size_t>(count), ch) : std::string();
}
