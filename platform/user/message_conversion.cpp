#include "platform/user/message_conversion.h"

#include <mutex>
#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/user/message_ids.h"
#include "platform/user/text_copy.h"

namespace user {

namespace {

// Procedure handles: 0xFFFF0000 + 2 * index (+1 for wide procedures); never a code address.
constexpr std::uintptr_t kHandleBase = 0xFFFF0000;

struct ProcHandles {
  std::mutex mutex;
  std::vector<std::pair<WNDPROC, bool>> entries;
};

ProcHandles& Handles() {
  static ProcHandles handles;
  return handles;
}

bool IsCharMessage(UINT message) {
  return message == WM_CHAR || message == WM_SYSCHAR || message == WM_DEADCHAR || message == WM_SYSDEADCHAR ||
         message == WM_IME_CHAR || message == WM_MENUCHAR;
}

WPARAM ConvertChar(WPARAM wParam, bool toUnicode) {
  const WPARAM high = wParam & ~WPARAM(0xFFFF);
  const WORD low = LOWORD(wParam);
  if (toUnicode) return high | Cp874ToUnicode(static_cast<unsigned char>(low & 0xFF));
  return high | static_cast<unsigned char>(UnicodeToCp874(low));
}

LRESULT CallWideFromAnsi(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
    case WM_SETTINGCHANGE: {
      if (lParam == 0) break;
      const std::u16string text = Cp874ToUtf16(reinterpret_cast<const char*>(lParam));
      return proc(hwnd, message, wParam, reinterpret_cast<LPARAM>(text.c_str()));
    }
    case WM_GETTEXT: {
      std::u16string buffer(wParam + 1, u'\0');
      proc(hwnd, message, wParam, reinterpret_cast<LPARAM>(buffer.data()));
      buffer.resize(std::char_traits<char16_t>::length(buffer.c_str()));
      return CopyTextOut(Utf16ToCp874(buffer), reinterpret_cast<char*>(lParam), int(wParam));
    }
    case WM_NCCREATE:
    case WM_CREATE: {
      const auto* a = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      const std::u16string name = a->lpszName ? Cp874ToUtf16(a->lpszName) : u"";
      const std::u16string cls = a->lpszClass && !IS_INTRESOURCE(a->lpszClass) ? Cp874ToUtf16(a->lpszClass) : u"";
      CREATESTRUCTW w{a->lpCreateParams, a->hInstance, a->hMenu, a->hwndParent, a->cy, a->cx, a->y, a->x,
                      a->style, a->lpszName ? name.c_str() : nullptr,
                      IS_INTRESOURCE(a->lpszClass) ? reinterpret_cast<const char16_t*>(a->lpszClass) : cls.c_str(),
                      a->dwExStyle};
      return proc(hwnd, message, wParam, reinterpret_cast<LPARAM>(&w));
    }
    default:
      if (IsCharMessage(message)) return proc(hwnd, message, ConvertChar(wParam, true), lParam);
  }
  return proc(hwnd, message, wParam, lParam);
}

LRESULT CallAnsiFromWide(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
    case WM_SETTINGCHANGE: {
      if (lParam == 0) break;
      const std::string text = Utf16ToCp874(reinterpret_cast<const char16_t*>(lParam));
      return proc(hwnd, message, wParam, reinterpret_cast<LPARAM>(text.c_str()));
    }
    case WM_GETTEXT: {
      std::string buffer(wParam + 1, '\0');
      proc(hwnd, message, wParam, reinterpret_cast<LPARAM>(buffer.data()));
      buffer.resize(std::char_traits<char>::length(buffer.c_str()));
      return CopyTextOut(Cp874ToUtf16(buffer), reinterpret_cast<char16_t*>(lParam), int(wParam));
    }
    case WM_NCCREATE:
    case WM_CREATE: {
      const auto* w = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      const std::string name = w->lpszName ? Utf16ToCp874(w->lpszName) : "";
      const std::string cls = w->lpszClass && !IS_INTRESOURCE(w->lpszClass) ? Utf16ToCp874(w->lpszClass) : "";
      CREATESTRUCTA a{w->lpCreateParams, w->hInstance, w->hMenu, w->hwndParent, w->cy, w->cx, w->y, w->x,
                      w->style, w->lpszName ? name.c_str() : nullptr,
                      IS_INTRESOURCE(w->lpszClass) ? reinterpret_cast<const char*>(w->lpszClass) : cls.c_str(),
                      w->dwExStyle};
      return proc(hwnd, message, wParam, reinterpret_cast<LPARAM>(&a));
    }
    default:
      if (IsCharMessage(message)) return proc(hwnd, message, ConvertChar(wParam, false), lParam);
  }
  return proc(hwnd, message, wParam, lParam);
}

}  // namespace

WPARAM ConvertCharParam(UINT message, WPARAM wParam, bool toUnicode) {
  return IsCharMessage(message) ? ConvertChar(wParam, toUnicode) : wParam;
}

LRESULT CallConverted(WNDPROC proc, bool procUnicode, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procUnicode ? CallWideFromAnsi(proc, hwnd, message, wParam, lParam)
                     : CallAnsiFromWide(proc, hwnd, message, wParam, lParam);
}

WNDPROC ProcValueFor(WNDPROC proc, bool procUnicode, bool callerUnicode) {
  if (proc == nullptr || procUnicode == callerUnicode) return proc;
  ProcHandles& h = Handles();
  std::lock_guard lock(h.mutex);
  std::size_t index = 0;
  while (index < h.entries.size() && h.entries[index] != std::pair{proc, procUnicode}) ++index;
  if (index == h.entries.size()) h.entries.emplace_back(proc, procUnicode);
  return reinterpret_cast<WNDPROC>(kHandleBase + 2 * index + (procUnicode ? 1 : 0));
}

ResolvedProc ResolveProc(WNDPROC value, bool callerUnicode) {
  const auto raw = reinterpret_cast<std::uintptr_t>(value);
  if (raw < kHandleBase || raw > kHandleBase + 0xFFFF) return {value, callerUnicode};
  ProcHandles& h = Handles();
  std::lock_guard lock(h.mutex);
  const std::size_t index = (raw - kHandleBase) / 2;
  if (index >= h.entries.size()) return {nullptr, callerUnicode};
  return {h.entries[index].first, h.entries[index].second};
}

}  // namespace user
