#include "platform/ui/hints.h"

#include "platform/ui/control.h"
#include "platform/ui/win_control.h"

std::string GetShortHint(const std::string& Hint) {
  const std::size_t bar = Hint.find('|');
  return bar == std::string::npos ? Hint : Hint.substr(0, bar);
}

std::string GetLongHint(const std::string& Hint) {
  const std::size_t bar = Hint.find('|');
  return bar == std::string::npos ? Hint : Hint.substr(bar + 1);
}

std::string GetHint(const TControl* Control) {
  for (; Control != nullptr; Control = Control->Parent())
    if (!Control->Hint().empty()) return Control->Hint();
  return {};
}
