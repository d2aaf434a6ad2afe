#include "grid/cell_line_breaks.h"

#include <algorithm>

#include "platform/core/ansi_strings.h"

void QuoteLineBreaks(std::string& text) { text = '"' + StringReplace(text, "\r\n", "\v", rfReplaceAll) + '"'; }

void RestoreVTLineBreaks(std::string& text) { text = StringReplace(text, "\v", "\r\n", rfReplaceAll); }

void RestoreTildeLineBreaks(std::string& text) {
  text = StringReplace(text, "~", "\r\n", rfReplaceAll);
  if (text == "^") text.clear();
}

std::string EncodeCellLineBreaks(std::string_view text) {
  std::string encoded(text);
  if (encoded.find('\r') == std::string::npos) return encoded;
  std::replace(encoded.begin(), encoded.end(), '\r', '\t');
  std::replace(encoded.begin(), encoded.end(), '\n', '\b');
  return encoded;
}

std::string DecodeCellLineBreaks(std::string_view text, bool multiLine) {
  std::string decoded(text);
  if (decoded.find('\b') != std::string::npos) {
    std::replace(decoded.begin(), decoded.end(), '\t', '\r');
    std::replace(decoded.begin(), decoded.end(), '\b', '\n');
  }
  if (multiLine) return decoded;
  std::string line;
  TakeFirstLine(decoded, false, line);
  return line;
}

void TakeFirstLine(std::string& text, bool keepRest, std::string& line) {
  const std::size_t cr = text.find('\r');
  line = text.substr(0, cr);
  if (cr == std::string::npos || !keepRest) {
    text.clear();
    return;
  }
  const std::size_t restStart = cr + 1 < text.size() && text[cr + 1] == '\n' ? cr + 2 : cr + 1;
  text.erase(0, restStart);
}

Integer CountTextLines(std::string_view text, bool multiLine) {
  return multiLine ? static_cast<Integer>(std::count(text.begin(), text.end(), '\r')) + 1 : 1;
}
