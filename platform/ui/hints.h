// Hint texts: "short|long" holds the tooltip text before the bar and the status-line text after it;
// a text without a bar is both.
#pragma once

#include <string>

class TControl;

std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);
// The hint of a control, or of its nearest parent that has one.
std::string GetHint(const TControl* Control);
