// Copying a text into a caller's buffer the way the window layer's text calls do: at most size - 1
// characters and a terminating zero; the result is the number of characters copied (0 when the
// buffer is missing or has no room).
#pragma once

#include <algorithm>
#include <string_view>

namespace user {

template <typename Char>
int CopyTextOut(std::basic_string_view<Char> text, Char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const int n = std::min<int>(int(text.size()), size - 1);
  std::copy_n(text.data(), n, buffer);
  buffer[n] = Char(0);
  return n;
}

inline int CopyTextOut(const std::string& text, char* buffer, int size) {
  return CopyTextOut(std::string_view(text), buffer, size);
}
inline int CopyTextOut(const std::u16string& text, char16_t* buffer, int size) {
  return CopyTextOut(std::u16string_view(text), buffer, size);
}

}  // namespace user
