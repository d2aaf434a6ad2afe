#include "platform/user/clipboard_text.h"

#include <cstring>

#include "platform/user/clipboard.h"
#include "platform/user/global_memory.h"

std::string ClipboardText(HWND Owner) {
  if (OpenClipboard(Owner) == FALSE) return {};
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
      text.assign(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool SetClipboardText(HWND Owner, std::string_view Text) {
  if (OpenClipboard(Owner) == FALSE) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, Text.size() + 1);
  if (memory != nullptr) {
    auto* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, Text.data(), Text.size());
    bytes[Text.size()] = '\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
  }
  CloseClipboard();
  return memory != nullptr;
}
