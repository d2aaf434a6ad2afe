#include "platform/window_classes/edit_units.h"

#include <algorithm>

#include "platform/core/cp874.h"
#include "platform/gdi/font_system.h"
#include "platform/gdi/line_breaks.h"

namespace edit {

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

bool IsBlankByte(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool IsThaiMark(unsigned char c) { return c == 0xD1 || (c >= 0xD4 && c <= 0xDA) || (c >= 0xE7 && c <= 0xEE); }

int NextCluster(std::string_view text, int pos) {
  const int n = int(text.size());
  if (pos >= n) return n;
  if (text[pos] == '\r' && pos + 1 < n && text[pos + 1] == '\n') return pos + 2;
  ++pos;
  if (!IsLineBreak(text[pos - 1]))
    while (pos < n && IsThaiMark(static_cast<unsigned char>(text[pos]))) ++pos;
  return pos;
}

int ClusterStart(std::string_view text, int pos) {
  pos = std::clamp(pos, 0, int(text.size()));
  if (pos > 0 && pos < int(text.size()) && text[pos - 1] == '\r' && text[pos] == '\n') return pos - 1;
  while (pos > 0 && pos < int(text.size()) && IsThaiMark(static_cast<unsigned char>(text[pos]))) {
    if (IsLineBreak(text[pos - 1])) break;
    --pos;
  }
  return pos;
}

int PrevCluster(std::string_view text, int pos) {
  if (pos <= 0) return 0;
  return ClusterStart(text, pos - 1);
}

std::vector<int> WordStarts(std::string_view text) {
  std::vector<int> starts;
  if (text.empty()) return starts;
  const std::u16string wide = Cp874ToUtf16(text);   // one unit per byte
  std::vector<bool> breaks;
  {
    auto lock = gdi::FontSystem::Instance().Lock();
    breaks = gdi::LineBreaks(wide);
  }
  starts.push_back(0);
  for (int i = 1; i < int(text.size()); ++i) {
    const bool afterLine = text[i - 1] == '\n' || (text[i - 1] == '\r' && text[i] != '\n');
    const bool lineEnd = IsLineBreak(text[i]) && !IsLineBreak(text[i - 1]);
    if (breaks[i] || afterLine || lineEnd) starts.push_back(i);
  }
  return starts;
}

int NextWordStart(std::string_view text, int pos) {
  const std::vector<int> starts = WordStarts(text);
  const auto it = std::upper_bound(starts.begin(), starts.end(), pos);
  return it == starts.end() ? int(text.size()) : *it;
}

int PrevWordStart(std::string_view text, int pos) {
  const std::vector<int> starts = WordStarts(text);
  auto it = std::lower_bound(starts.begin(), starts.end(), pos);
  return it == starts.begin() ? 0 : *--it;
}

std::pair<int, int> WordAt(std::string_view text, int pos) {
  const std::vector<int> starts = WordStarts(text);
  if (starts.empty()) return {0, 0};
  auto it = std::upper_bound(starts.begin(), starts.end(), pos);
  const int begin = *std::prev(it);
  int end = it == starts.end() ? int(text.size()) : *it;
  while (end > begin && (IsBlankByte(text[end - 1]) || IsLineBreak(text[end - 1]))) --end;
  return {begin, std::max(end, begin)};
}

}  // namespace edit
