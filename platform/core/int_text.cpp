#include "platform/core/int_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <type_traits>

#include "platform/core/exceptions.h"

namespace {

// The largest magnitudes a type accepts: decimal text up to its positive maximum (one more with a
// minus sign), hexadecimal text up to all bits set.
struct Limits {
  UInt64 decimal;
  UInt64 hex;
};
constexpr Limits kInteger{std::numeric_limits<Integer>::max(), std::numeric_limits<std::uint32_t>::max()};
constexpr Limits kInt64{std::numeric_limits<Int64>::max(), std::numeric_limits<UInt64>::max()};

struct Scan {
  UInt64 magnitude = 0;
  bool negative = false;
  Integer code = 0;   // 0, or the one-based position where reading stopped
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

Scan ScanInteger(std::string_view s, const Limits& limits) {
  Scan r;
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) r.negative = s[i++] == '-';
  bool hex = false;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  const unsigned base = hex ? 16 : 10;
  const UInt64 limit = hex ? limits.hex : limits.decimal + (r.negative ? 1 : 0);
  const std::size_t firstDigit = i;
  for (; i < s.size(); ++i) {
    const int d = HexDigit(s[i]);
    if (d < 0 || d >= static_cast<int>(base)) break;
    if (r.magnitude > (limit - static_cast<unsigned>(d)) / base) break;   // one more digit overflows
    r.magnitude = r.magnitude * base + static_cast<unsigned>(d);
  }
  if (i < s.size() || i == firstDigit) r.code = static_cast<Integer>(i) + 1;
  return r;
}

template <typename T>
void ValAs(std::string_view s, T& value, Integer& code, const Limits& limits) {
  const Scan r = ScanInteger(s, limits);
  code = r.code;
  using Unsigned = std::make_unsigned_t<T>;
  // Two's-complement wrap-around: hexadecimal text may set the sign bit, and the negative limit's
  // magnitude is one past the positive maximum.
  const auto bits = static_cast<Unsigned>(r.magnitude);
  value = static_cast<T>(r.negative && code == 0 ? Unsigned(0) - bits : bits);
}

std::string Hex(UInt64 bits, Integer digits) {
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, bits, 16).ptr;
  std::string out(buffer, end);
  for (char& c : out)
    if (c >= 'a') c = static_cast<char>(c - 'a' + 'A');
  if (digits > static_cast<Integer>(out.size())) out.insert(0, static_cast<std::size_t>(digits) - out.size(), '0');
  return out;
}

}  // namespace

std::string IntToStr(Int64 value) {
  char buffer[24];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string ZeroPaddedDigits(UInt64 value, Integer minDigits) {
  char buffer[24];
  char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  const auto length = static_cast<Integer>(end - buffer);
  std::string out(static_cast<std::size_t>(std::max(minDigits - length, 0)), '0');
  return out.append(buffer, static_cast<std::size_t>(length));
}

std::string IntToHex(Integer value, Integer digits) { return Hex(static_cast<std::uint32_t>(value), digits); }
std::string IntToHex(Int64 value, Integer digits) { return Hex(static_cast<UInt64>(value), digits); }

void Val(std::string_view s, Integer& value, Integer& code) { ValAs(s, value, code, kInteger); }
void Val(std::string_view s, Int64& value, Integer& code) { ValAs(s, value, code, kInt64); }

bool TryStrToInt(std::string_view s, Integer& value) {
  Integer code;
  Val(s, value, code);
  return code == 0;
}

bool TryStrToInt64(std::string_view s, Int64& value) {
  Integer code;
  Val(s, value, code);
  return code == 0;
}

Integer StrToInt(std::string_view s) {
  Integer value;
  if (!TryStrToInt(s, value)) RaiseNotValid(s, "integer value");
  return value;
}

Int64 StrToInt64(std::string_view s) {
  Int64 value;
  if (!TryStrToInt64(s, value)) RaiseNotValid(s, "integer value");
  return value;
}

Integer StrToIntDef(std::string_view s, Integer defaultValue) {
  Integer value;
  return TryStrToInt(s, value) ? value : defaultValue;
}

Int64 StrToInt64Def(std::string_view s, Int64 defaultValue) {
  Int64 value;
  return TryStrToInt64(s, value) ? value : defaultValue;
}
