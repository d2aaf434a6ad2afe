#include "platform/user/window_data.h"

#include <algorithm>
#include <cstring>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/atom_table.h"
#include "platform/user/message_conversion.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

Window* Checked(HWND hwnd) {
  Window* w = W(hwnd);
  if (w == nullptr || w->parent == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return w;
}

bool ExtraInRange(const Window* w, int index) {
  if (index >= 0 && std::size_t(index) + sizeof(LONG_PTR) <= w->extra.size()) return true;
  SetLastError(ERROR_INVALID_INDEX);
  return false;
}

LONG_PTR Get(HWND hwnd, int index, bool unicode) {
  Window* w = Checked(hwnd);
  if (w == nullptr) return 0;
  if (index >= 0) {
    if (!ExtraInRange(w, index)) return 0;
    LONG_PTR v;
    std::memcpy(&v, w->extra.data() + index, sizeof v);
    return v;
  }
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(ProcValueFor(w->proc, w->unicode, unicode));
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
      if (w->IsChild()) return reinterpret_cast<LONG_PTR>(w->parent->handle);
      return reinterpret_cast<LONG_PTR>(w->owner ? w->owner->handle : nullptr);
    case GWLP_ID: return w->id;
    case GWL_STYLE: return LONG_PTR(std::int32_t(w->style));
    case GWL_EXSTYLE: return LONG_PTR(std::int32_t(w->exStyle));
    case GWLP_USERDATA: return w->userData;
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
}

LONG_PTR ChangeStyle(HWND hwnd, int index, DWORD value) {
  Window* w = W(hwnd);
  const DWORD old = index == GWL_STYLE ? w->style : w->exStyle;
  STYLESTRUCT ss{old, value};
  SendFrom(hwnd, WM_STYLECHANGING, WPARAM(index), reinterpret_cast<LPARAM>(&ss), false);
  if ((w = W(hwnd)) == nullptr) return 0;
  (index == GWL_STYLE ? w->style : w->exStyle) = ss.styleNew;
  SendFrom(hwnd, WM_STYLECHANGED, WPARAM(index), reinterpret_cast<LPARAM>(&ss), false);
  return LONG_PTR(std::int32_t(old));
}

LONG_PTR Set(HWND hwnd, int index, LONG_PTR value, bool unicode) {
  Window* w = Checked(hwnd);
  if (w == nullptr) return 0;
  if (w->thread != GetCurrentThreadId() && index == GWLP_WNDPROC) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  const LONG_PTR old = Get(hwnd, index, unicode);
  if (index >= 0) {
    if (ExtraInRange(w, index)) std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
  }
  switch (index) {
    case GWLP_WNDPROC: {
      const ResolvedProc p = ResolveProc(reinterpret_cast<WNDPROC>(value), unicode);
      w->proc = p.proc;
      w->unicode = p.unicode;
      return old;
    }
    case GWL_STYLE:
    case GWL_EXSTYLE: return ChangeStyle(hwnd, index, DWORD(value));
    case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); return old;
    case GWLP_ID: w->id = value; return old;
    case GWLP_USERDATA: w->userData = value; return old;
    case GWLP_HWNDPARENT: {
      Window* owner = W(reinterpret_cast<HWND>(value));
      if (!w->IsChild()) w->owner = owner ? TopLevelOf(owner) : nullptr;
      return old;
    }
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
}

std::string PropertyKey(const char* name, ATOM& atom) {
  atom = IS_INTRESOURCE(name) ? ATOM(std::uintptr_t(name)) : 0;
  return atom ? std::string() : FoldName(name);
}

std::vector<WindowProperty>::iterator FindProperty(Window* w, const char* name) {
  ATOM atom;
  const std::string key = PropertyKey(name, atom);
  if (atom != 0) {
    const std::string atomName = AtomTable::Instance().Name(atom);
    const std::string folded = FoldName(atomName);
    return std::find_if(w->properties.begin(), w->properties.end(), [&](const WindowProperty& p) {
      return p.atom == atom || (!folded.empty() && p.name == folded);
    });
  }
  return std::find_if(w->properties.begin(), w->properties.end(), [&](const WindowProperty& p) {
    return p.name == key || (p.atom != 0 && FoldName(AtomTable::Instance().Name(p.atom)) == key);
  });
}

std::string PropertyNameA(const char16_t* name) {
  return IS_INTRESOURCE(name) ? std::string() : Utf16ToCp874(name);
}

const char* PropertyArg(const char16_t* name, const std::string& converted) {
  return IS_INTRESOURCE(name) ? reinterpret_cast<const char*>(name) : converted.c_str();
}

}  // namespace

}  // namespace user

using namespace user;

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) { return Get(hwnd, index, false); }
LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) { return Get(hwnd, index, true); }
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) { return Set(hwnd, index, value, false); }
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) { return Set(hwnd, index, value, true); }

BOOL IsWindowUnicode(HWND hwnd) {
  Window* w = W(hwnd);
  return w != nullptr && w->unicode;
}

BOOL SetWindowTextA(HWND hwnd, const char* text) {
  if (Checked(hwnd) == nullptr) return FALSE;
  return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

BOOL SetWindowTextW(HWND hwnd, const char16_t* text) {
  if (Checked(hwnd) == nullptr) return FALSE;
  return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

int GetWindowTextA(HWND hwnd, char* buffer, int size) {
  if (buffer == nullptr || size <= 0 || Checked(hwnd) == nullptr) return 0;
  buffer[0] = '\0';
  return int(SendMessageA(hwnd, WM_GETTEXT, WPARAM(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextW(HWND hwnd, char16_t* buffer, int size) {
  if (buffer == nullptr || size <= 0 || Checked(hwnd) == nullptr) return 0;
  buffer[0] = u'\0';
  return int(SendMessageW(hwnd, WM_GETTEXT, WPARAM(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
  return Checked(hwnd) ? int(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

int GetWindowTextLengthW(HWND hwnd) {
  return Checked(hwnd) ? int(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

BOOL SetPropA(HWND hwnd, const char* name, HANDLE value) {
  Window* w = Checked(hwnd);
  if (w == nullptr || name == nullptr) return FALSE;
  auto it = FindProperty(w, name);
  if (it != w->properties.end()) {
    it->value = value;
    return TRUE;
  }
  ATOM atom;
  std::string key = PropertyKey(name, atom);
  w->properties.push_back({std::move(key), atom, value});
  return TRUE;
}

HANDLE GetPropA(HWND hwnd, const char* name) {
  Window* w = W(hwnd);
  if (w == nullptr || name == nullptr) return nullptr;
  auto it = FindProperty(w, name);
  return it == w->properties.end() ? nullptr : it->value;
}

HANDLE RemovePropA(HWND hwnd, const char* name) {
  Window* w = W(hwnd);
  if (w == nullptr || name == nullptr) return nullptr;
  auto it = FindProperty(w, name);
  if (it == w->properties.end()) return nullptr;
  HANDLE value = it->value;
  w->properties.erase(it);
  return value;
}

BOOL SetPropW(HWND hwnd, const char16_t* name, HANDLE value) {
  const std::string a = PropertyNameA(name);
  return SetPropA(hwnd, PropertyArg(name, a), value);
}

HANDLE GetPropW(HWND hwnd, const char16_t* name) {
  const std::string a = PropertyNameA(name);
  return GetPropA(hwnd, PropertyArg(name, a));
}

HANDLE RemovePropW(HWND hwnd, const char16_t* name) {
  const std::string a = PropertyNameA(name);
  return RemovePropA(hwnd, PropertyArg(name, a));
}
