#include "grid/markup_rewrites.h"

#include <algorithm>
#include <array>

#include "platform/core/ansi_strings.h"

namespace {

struct Entity {
  std::string_view name;
  std::string_view replacement;
};

constexpr std::array<Entity, 9> kEntities = {{{"&amp;", "&&"},
                                              {"&quot;", "\""},
                                              {"&sect;", "\xA7"},
                                              {"&permil;", "\x89"},
                                              {"&reg;", "\xAE"},
                                              {"&copy;", "\xA9"},
                                              {"&para;", "\xB6"},
                                              {"&trade;", "\x99"},
                                              {"&euro;", "\x80"}}};

constexpr std::size_t kLongestEntity = 8;   // "&permil;"

}  // namespace

std::string ReplaceMarkupEntities(std::string_view text) {
  std::string result(text);
  // Invariant: no occurrence of entity e starts before searchFrom[e].  A replacement at p changes
  // nothing before p, so only occurrences starting from p - (kLongestEntity - 1) can be new; this
  // keeps each round from searching the unchanged head of the text again.
  std::array<std::size_t, kEntities.size()> searchFrom{};
  bool replaced = true;
  while (replaced) {
    replaced = false;
    for (std::size_t e = 0; e < kEntities.size(); ++e) {
      const std::size_t at = result.find(kEntities[e].name, searchFrom[e]);
      if (at == std::string::npos) {
        searchFrom[e] = result.size();
        continue;
      }
      result.replace(at, kEntities[e].name.size(), kEntities[e].replacement);
      replaced = true;
      const std::size_t changedFrom = at >= kLongestEntity - 1 ? at - (kLongestEntity - 1) : 0;
      for (std::size_t& from : searchFrom) from = std::min(from, changedFrom);
    }
  }
  return result;
}

std::string UnwrapMarkupFields(std::string_view text) {
  std::string result(text);
  for (std::size_t at = result.find("<#"); at != std::string::npos; at = result.find("<#", at + 1)) {
    result.erase(at, 1);
    if (const std::size_t close = result.find('>', at); close != std::string::npos) result.erase(close, 1);
  }
  return result;
}

std::string RewriteMarkupLineBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char ch : text) {
    if (ch == '\r') result += "<BR>";
    else if (ch != '\n') result += ch;
  }
  return result;
}

std::string PrepareMarkupForLayout(std::string_view text) {
  const std::string withEntities = text.find('&') != std::string_view::npos ? ReplaceMarkupEntities(text)
                                                                             : std::string(text);
  return RewriteMarkupLineBreaks(UnwrapMarkupFields(withEntities));
}

std::string ReplaceDisplayEntities(std::string_view run) {
  std::string shown = StringReplace(run, "&nbsp;", " ", rfReplaceAll);
  shown = StringReplace(shown, "&lt;", "<", rfReplaceAll);
  return StringReplace(shown, "&gt;", ">", rfReplaceAll);
}

std::string_view LeadingMarkupTag(std::string_view rest) {
  if (rest.size() <= 2) return {};
  const std::size_t close = rest.find('>');
  return rest.substr(0, close == std::string_view::npos ? rest.size() : close + 1);
}
