#include "platform/core/cp874.h"

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

// Decodes one code point of UTF-16 at s[i]; a lone surrogate stands for itself.
char32_t DecodeUtf16(std::u16string_view s, std::size_t& i) {
  const char16_t hi = s[i++];
  if (hi >= 0xD800 && hi <= 0xDBFF && i < s.size() && s[i] >= 0xDC00 && s[i] <= 0xDFFF)
    return 0x10000 + ((char32_t(hi) - 0xD800) << 10) + (s[i++] - 0xDC00);
  return hi;
}

}  // namespace

std::u16string Cp874ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) out += Cp874ToUnicode(static_cast<unsigned char>(c));
  return out;
}

std::string Utf16ToCp874(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) out += UnicodeToCp874(DecodeUtf16(text, i));
  return out;
}

std::string Cp874ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (char c : text) AppendUtf8(out, Cp874ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp874(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) out += UnicodeToCp874(cp874_detail::DecodeUtf8(text, i));
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) AppendUtf16(out, cp874_detail::DecodeUtf8(text, i));
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size();) AppendUtf8(out, DecodeUtf16(text, i));
  return out;
}
