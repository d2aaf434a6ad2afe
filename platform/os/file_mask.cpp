// File-name masks; see file_mask.h.
#include "platform/os/file_mask.h"

#include "platform/core/ansi_strings.h"

namespace {

// Wildcard match of upper-cased texts with one-star backtracking: never exponential.
bool MatchOne(std::string_view name, std::string_view mask) {
  std::size_t n = 0, m = 0;
  std::size_t starMask = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && mask[m] == name[n]))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

bool MatchMask(std::string_view name, std::string_view mask) {
  if (MatchOne(name, mask)) return true;
  const bool anyExtension = mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*";
  return anyExtension && name.find('.') == std::string_view::npos && MatchOne(name, mask.substr(0, mask.size() - 2));
}

}  // namespace

bool MatchesFileMask(std::string_view name, std::string_view masks) {
  const std::string upperName = UpperCase(name);
  const std::string upperMasks = UpperCase(masks);
  std::string_view rest = upperMasks;
  for (;;) {
    const std::size_t end = rest.find(';');
    if (MatchMask(upperName, rest.substr(0, end))) return true;
    if (end == std::string_view::npos) return false;
    rest.remove_prefix(end + 1);
  }
}
