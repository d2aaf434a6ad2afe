#include "grid/wide_cell_text.h"

#include "platform/core/cp874.h"

namespace {

constexpr std::string_view kWideMarker = "|\\";

}  // namespace

std::u16string DecodeWideCellText(std::string_view text) {
  if (!text.starts_with(kWideMarker)) return Cp874ToUtf16(text);
  text.remove_prefix(kWideMarker.size());
  std::u16string wide;
  wide.reserve(text.size() / 2);
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    const auto high = static_cast<unsigned char>(text[i]);
    const auto low = static_cast<unsigned char>(text[i + 1]);
    wide += static_cast<char16_t>(high << 8 | low);
  }
  return wide;
}

std::string EncodeWideCellText(std::u16string_view text) {
  std::string encoded(kWideMarker);
  encoded.reserve(kWideMarker.size() + 2 * text.size());
  for (const char16_t unit : text) {
    encoded += static_cast<char>(unit >> 8);
    encoded += static_cast<char>(unit & 0xFF);
  }
  return encoded;
}

Integer PosWide(std::u16string_view needle, std::u16string_view text) {
  if (needle.empty() || text.empty() || needle.size() > text.size()) return 0;
  const std::size_t at = text.find(needle);
  return at == std::u16string_view::npos ? 0 : static_cast<Integer>(at + 1);
}
