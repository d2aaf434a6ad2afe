#include "platform/shims/input_method.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/user/window_tree.h"

namespace {

struct InputContext {
  HWND window;
  std::u16string result;
};

// Contexts by window and by handle value; window handles are never reused, so an entry of a
// destroyed window only answers that its window is gone.
struct Contexts {
  std::unordered_map<HWND, HIMC> byWindow;
  std::unordered_map<HIMC, InputContext> byHandle;
};

Contexts& Table() {
  static Contexts contexts;
  return contexts;
}

InputContext* ContextOf(HWND hwnd) {
  if (!IsWindow(hwnd)) return nullptr;
  Contexts& t = Table();
  auto it = t.byWindow.find(hwnd);
  if (it == t.byWindow.end()) {
    const auto handle = reinterpret_cast<HIMC>(std::uintptr_t(0x40000 + 4 * t.byHandle.size()));
    it = t.byWindow.emplace(hwnd, handle).first;
    t.byHandle.emplace(handle, InputContext{hwnd, {}});
  }
  return &t.byHandle.at(it->second);
}

}  // namespace

HIMC ImmGetContext(HWND hwnd) { return ContextOf(hwnd) ? Table().byWindow.at(hwnd) : nullptr; }

BOOL ImmReleaseContext(HWND hwnd, HIMC context) {
  const Contexts& t = Table();
  auto it = t.byWindow.find(hwnd);
  return it != t.byWindow.end() && it->second == context && IsWindow(hwnd);
}

LONG ImmGetCompositionStringW(HIMC context, DWORD index, void* buffer, DWORD bufferBytes) {
  const Contexts& t = Table();
  auto it = t.byHandle.find(context);
  if (it == t.byHandle.end() || !IsWindow(it->second.window)) return IMM_ERROR_GENERAL;
  if (index != GCS_RESULTSTR) return 0;
  const std::u16string& result = it->second.result;
  const std::size_t size = result.size() * sizeof(char16_t);
  if (bufferBytes == 0) return LONG(size);
  if (buffer == nullptr) return IMM_ERROR_GENERAL;
  const std::size_t copied = std::min<std::size_t>(size, bufferBytes / sizeof(char16_t) * sizeof(char16_t));
  std::memcpy(buffer, result.data(), copied);
  return LONG(copied);
}

namespace ime {

bool SetImeResultString(HWND hwnd, std::u16string text) {
  InputContext* context = ContextOf(hwnd);
  if (context == nullptr) return false;
  context->result = std::move(text);
  return true;
}

}  // namespace ime
