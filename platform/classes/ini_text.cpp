#include "platform/classes/ini_text.h"

#include <unordered_set>

#include "platform/core/ansi_strings.h"

namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

// The section name of a header line.
bool SectionOf(std::string_view line, std::string_view& name) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return false;
  const std::size_t close = line.find(']');
  name = TrimBlanks(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  return true;
}

// The key and value of an entry line.
bool EntryOf(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return false;
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = TrimBlanks(line.substr(0, eq));
  value = TrimBlanks(line.substr(eq + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return true;
}

}  // namespace

IniText::IniText(std::string_view text) {
  while (!text.empty()) {
    const std::size_t nl = text.find('\n');
    Line line;
    if (nl == std::string_view::npos) {
      line.text = std::string(text);
      text = {};
    } else {
      const bool cr = nl > 0 && text[nl - 1] == '\r';
      line.text = std::string(text.substr(0, cr ? nl - 1 : nl));
      line.end = cr ? "\r\n" : "\n";
      text.remove_prefix(nl + 1);
    }
    lines_.push_back(std::move(line));
  }
}

std::string IniText::Text() const {
  std::string text;
  for (const Line& line : lines_) text += line.text + line.end;
  return text;
}

bool IniText::FindSection(std::string_view section, Span& span) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (!SectionOf(lines_[i].text, name) || !SameText(name, section)) continue;
    span.header = i;
    span.end = i + 1;
    while (span.end < lines_.size() && !SectionOf(lines_[span.end].text, name)) ++span.end;
    return true;
  }
  return false;
}

std::size_t IniText::FindKey(const Span& span, std::string_view key) const {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    std::string_view k, v;
    if (EntryOf(lines_[i].text, k, v) && SameText(k, key)) return i;
  }
  return lines_.size();
}

std::vector<std::string> IniText::SectionNames() const {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;   // the names met so far, in upper case (names ignore ASCII case)
  for (const Line& line : lines_) {
    std::string_view name;
    if (SectionOf(line.text, name) && seen.insert(UpperCase(name)).second) names.emplace_back(name);
  }
  return names;
}

std::vector<std::string> IniText::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  Span span{};
  if (!FindSection(section, span)) return names;
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    std::string_view k, v;
    if (EntryOf(lines_[i].text, k, v)) names.emplace_back(k);
  }
  return names;
}

bool IniText::Read(std::string_view section, std::string_view key, std::string& value) const {
  Span span{};
  if (!FindSection(section, span)) return false;
  const std::size_t i = FindKey(span, key);
  if (i == lines_.size()) return false;
  std::string_view k, v;
  EntryOf(lines_[i].text, k, v);
  value = std::string(v);
  return true;
}

void IniText::InsertLine(std::size_t at, std::string text) {
  if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = "\r\n";
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), "\r\n"});
}

void IniText::Write(std::string_view section, std::string_view key, std::string_view value) {
  std::string entry = std::string(key) + "=" + std::string(value);
  Span span{};
  if (!FindSection(section, span)) {
    std::string header = "[";
    header += section;
    header += ']';
    InsertLine(lines_.size(), std::move(header));
    InsertLine(lines_.size(), std::move(entry));
    return;
  }
  const std::size_t i = FindKey(span, key);
  if (i != lines_.size()) {
    lines_[i].text = std::move(entry);
    return;
  }
  std::size_t at = span.end;   // after the section's last line that is not blank
  while (at > span.header + 1 && TrimBlanks(lines_[at - 1].text).empty()) --at;
  InsertLine(at, std::move(entry));
}

void IniText::DeleteKey(std::string_view section, std::string_view key) {
  Span span{};
  if (!FindSection(section, span)) return;
  const std::size_t i = FindKey(span, key);
  if (i != lines_.size()) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
}

void IniText::EraseSection(std::string_view section) {
  Span span{};
  if (FindSection(section, span))
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span.header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(span.end));
}
