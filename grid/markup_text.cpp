#include "grid/markup_text.h"

#include <vector>

#include "platform/core/ansi_strings.h"

namespace {

// The positions in `markup` of its visible characters, in order.
std::vector<std::size_t> VisiblePositions(std::string_view markup) {
  std::vector<std::size_t> positions;
  positions.reserve(markup.size());
  std::size_t i = 0;
  while (i < markup.size()) {
    if (markup[i] == '<') {
      const std::size_t close = markup.find('>', i);
      if (close != std::string_view::npos) {
        i = close + 1;
        continue;
      }
    }
    positions.push_back(i++);
  }
  return positions;
}

std::string CharsAt(std::string_view text, const std::vector<std::size_t>& positions) {
  std::string chars;
  chars.reserve(positions.size());
  for (const std::size_t at : positions) chars += text[at];
  return chars;
}

}  // namespace

std::string StripMarkup(std::string_view markup) {
  std::string text = StringReplace(markup, "<BR>", "\r\n", rfReplaceAll | rfIgnoreCase);
  text = StringReplace(text, "<HR>", "\r\n", rfReplaceAll | rfIgnoreCase);
  return CharsAt(text, VisiblePositions(text));
}

std::string HighlightText(std::string_view markup, std::string_view search, std::string_view tag,
                          bool caseSensitive) {
  if (search.empty()) return std::string(markup);
  const std::vector<std::size_t> positions = VisiblePositions(markup);
  std::string visible = CharsAt(markup, positions);
  std::string needle(search);
  if (!caseSensitive) {
    visible = UpperCase(visible);
    needle = UpperCase(needle);
  }
  std::vector<bool> opensBefore(markup.size(), false);
  std::vector<bool> closesAfter(markup.size(), false);
  for (std::size_t at = visible.find(needle); at != std::string::npos; at = visible.find(needle, at + needle.size())) {
    opensBefore[positions[at]] = true;
    closesAfter[positions[at + needle.size() - 1]] = true;
  }
  const std::string open = "<" + std::string(tag) + ">";
  const std::string close = "</" + std::string(tag) + ">";
  std::string result;
  for (std::size_t i = 0; i < markup.size(); ++i) {
    if (opensBefore[i]) result += open;
    result += markup[i];
    if (closesAfter[i]) result += close;
  }
  return result;
}

std::string RemoveTagPairs(std::string_view markup, std::string_view tag) {
  const std::string open = "<" + std::string(tag) + ">";
  const std::string close = "</" + std::string(tag) + ">";
  std::string text(markup);
  for (;;) {
    std::string removed = StringReplace(text, open, "", rfReplaceAll | rfIgnoreCase);
    removed = StringReplace(removed, close, "", rfReplaceAll | rfIgnoreCase);
    if (removed == text) return text;
    text = std::move(removed);
  }
}
