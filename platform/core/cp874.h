// Code page 874 (Thai), the system's 8-bit text encoding, to and from Unicode.
//
// The table is total: every one of the 256 bytes has a Unicode value and back, so any byte string
// survives a trip through UTF-16 or UTF-8 unchanged.  Bytes the code page leaves undefined map the
// way the platform's converter maps them: 0x81-0x9F (the unassigned ones) to the C1 controls
// U+0081..U+009F, 0xDB-0xDE to U+F8C1..U+F8C4 and 0xFC-0xFF to U+F8C5..U+F8C8 (private use).
// Characters outside the code page become '?' when converted to it.
//
// Thai literals in the source are written in UTF-8 and become code page 874 bytes at compile time:
//     std::string_view title = "รหัส"_cp874;   // c3 cb d1 ca
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace cp874_detail {

// Unicode value of each byte 0x80..0xFF.
inline constexpr std::array<char16_t, 128> kHighHalf = [] {
  std::array<char16_t, 128> t{};
  for (int b = 0x80; b <= 0xFF; ++b) {
    char16_t u = static_cast<char16_t>(b);                          // C1 controls for the unassigned
    if (b == 0x80) u = 0x20AC;
    else if (b == 0x85) u = 0x2026;
    else if (b >= 0x91 && b <= 0x97) u = u"\u2018\u2019\u201C\u201D\u2022\u2013\u2014"[b - 0x91];
    else if (b == 0xA0) u = 0x00A0;
    else if (b >= 0xA1 && b <= 0xDA) u = static_cast<char16_t>(0x0E01 + (b - 0xA1));
    else if (b >= 0xDB && b <= 0xDE) u = static_cast<char16_t>(0xF8C1 + (b - 0xDB));
    else if (b >= 0xDF && b <= 0xFB) u = static_cast<char16_t>(0x0E3F + (b - 0xDF));
    else if (b >= 0xFC) u = static_cast<char16_t>(0xF8C5 + (b - 0xFC));
    t[b - 0x80] = u;
  }
  return t;
}();

constexpr char16_t ToUnicode(unsigned char b) { return b < 0x80 ? char16_t(b) : kHighHalf[b - 0x80]; }

// The byte for a Unicode code point, or -1 when the code page has none.
constexpr int FromUnicode(char32_t u) {
  if (u < 0x80) return static_cast<int>(u);
  if (u >= 0x0E01 && u <= 0x0E3A) return static_cast<int>(0xA1 + (u - 0x0E01));
  if (u >= 0x0E3F && u <= 0x0E5B) return static_cast<int>(0xDF + (u - 0x0E3F));
  for (int i = 0; i < 128; ++i)
    if (kHighHalf[i] == u) return 0x80 + i;
  return -1;
}

// Decodes one UTF-8 sequence at s[i]; advances i.  Malformed input yields U+FFFD for one byte.
constexpr char32_t DecodeUtf8(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  if (lead < 0x80) { ++i; return lead; }
  const int extra = (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
  if (extra < 0 || i + extra >= s.size()) { ++i; return 0xFFFD; }
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const auto c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) { ++i; return 0xFFFD; }
    cp = (cp << 6) | (c & 0x3F);
  }
  i += extra + 1;
  return cp;
}

template <std::size_t N>
struct Utf8Source {
  char text[N]{};
  consteval Utf8Source(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
  }
  constexpr std::string_view view() const { return {text, N - 1}; }
};

constexpr std::size_t CodePointCount(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++n) DecodeUtf8(s, i);
  return n;
}

template <Utf8Source S>
struct Literal {
  static constexpr std::size_t size = CodePointCount(S.view());
  static constexpr std::array<char, size + 1> bytes = [] {
    std::array<char, size + 1> out{};
    std::string_view s = S.view();
    std::size_t o = 0;
    for (std::size_t i = 0; i < s.size();) {
      const int b = FromUnicode(DecodeUtf8(s, i));
      if (b < 0) throw "character outside code page 874 in a _cp874 literal";
      out[o++] = static_cast<char>(b);
    }
    return out;
  }();
};

}  // namespace cp874_detail

// A UTF-8 source literal as code page 874 bytes, converted at compile time (static storage).
template <cp874_detail::Utf8Source S>
constexpr std::string_view operator""_cp874() {
  using L = cp874_detail::Literal<S>;
  return {L::bytes.data(), L::size};
}

// The Unicode value of one code page 874 byte.
constexpr char16_t Cp874ToUnicode(unsigned char b) { return cp874_detail::ToUnicode(b); }

// The code page 874 byte of a Unicode code point, or '?' when the code page has none.
constexpr char UnicodeToCp874(char32_t u) {
  const int b = cp874_detail::FromUnicode(u);
  return static_cast<char>(b < 0 ? '?' : b);
}

std::u16string Cp874ToUtf16(std::string_view text);
std::string Utf16ToCp874(std::u16string_view text);
std::string Cp874ToUtf8(std::string_view text);
std::string Utf8ToCp874(std::string_view text);
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
