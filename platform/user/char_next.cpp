#include "platform/user/char_next.h"

char* CharNextA(const char* text) {
  if (text == nullptr) return nullptr;
  char* position = const_cast<char*>(text);   // the platform's contract: a pointer into the caller's text
  return *position == '\0' ? position : position + 1;
}
