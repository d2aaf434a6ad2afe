#include "platform/user/window_class.h"

#include <cstring>
#include <memory>
#include <mutex>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/atom_table.h"
#include "platform/user/text_copy.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

struct ClassList {
  std::mutex mutex;
  std::vector<std::unique_ptr<WindowClass>> classes;
};

ClassList& Classes() {
  static ClassList list;
  return list;
}

WindowClass* FindByAtom(ATOM atom) {
  ClassList& list = Classes();
  std::lock_guard lock(list.mutex);
  for (auto& c : list.classes)
    if (c->atom == atom) return c.get();
  return nullptr;
}

// Registers a class from the fields common to both forms.
ATOM Register(std::unique_ptr<WindowClass> c) {
  if (c->name.empty() || c->proc == nullptr || c->classExtraBytes < 0 || c->windowExtraBytes < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (WindowClass::Find(c->name.c_str()) != nullptr) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  c->atom = AtomTable::Instance().Add(c->name);
  c->extra.assign(std::size_t(c->classExtraBytes), std::byte{0});
  const ATOM atom = c->atom;
  ClassList& list = Classes();
  std::lock_guard lock(list.mutex);
  list.classes.push_back(std::move(c));
  return atom;
}

WindowClass* ClassOfWindow(HWND hwnd) {
  Window* w = W(hwnd);
  if (w == nullptr || w->windowClass == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return w->windowClass;
}

}  // namespace

WindowClass* WindowClass::Find(const char* nameOrAtom) {
  if (nameOrAtom == nullptr) return nullptr;
  const ATOM atom = IS_INTRESOURCE(nameOrAtom) ? ATOM(std::uintptr_t(nameOrAtom))
                                                : AtomTable::Instance().Find(nameOrAtom);
  return atom == 0 ? nullptr : FindByAtom(atom);
}

WindowClass* WindowClass::Find(const char16_t* nameOrAtom) {
  if (nameOrAtom == nullptr || IS_INTRESOURCE(nameOrAtom))
    return Find(reinterpret_cast<const char*>(nameOrAtom));
  return Find(Utf16ToCp874(nameOrAtom).c_str());
}

}  // namespace user

using namespace user;

namespace {

// Registrations need a class name given as text, not as an atom.
template <class WndClassEx> bool NamesItsClass(const WndClassEx* wc) {
  if (wc != nullptr && wc->lpszClassName != nullptr && !IS_INTRESOURCE(wc->lpszClassName)) return true;
  SetLastError(ERROR_INVALID_PARAMETER);
  return false;
}

// The class record of a registration; the names arrive already in code page 874.
template <class WndClassEx>
std::unique_ptr<WindowClass> NewClass(const WndClassEx& wc, std::string name, std::string menuName) {
  auto c = std::make_unique<WindowClass>();
  c->name = std::move(name);
  c->style = wc.style;
  c->proc = wc.lpfnWndProc;
  c->classExtraBytes = wc.cbClsExtra;
  c->windowExtraBytes = wc.cbWndExtra;
  c->instance = wc.hInstance;
  c->icon = wc.hIcon;
  c->smallIcon = wc.hIconSm;
  c->cursor = wc.hCursor;
  c->background = wc.hbrBackground;
  c->menuName = std::move(menuName);
  return c;
}

}  // namespace

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
  if (!NamesItsClass(wc)) return 0;
  const bool namedMenu = wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName);
  return Register(NewClass(*wc, wc->lpszClassName, namedMenu ? wc->lpszMenuName : ""));
}

ATOM RegisterClassExW(const WNDCLASSEXW* wc) {
  if (!NamesItsClass(wc)) return 0;
  const bool namedMenu = wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName);
  auto c = NewClass(*wc, Utf16ToCp874(wc->lpszClassName), namedMenu ? Utf16ToCp874(wc->lpszMenuName) : "");
  c->unicode = true;
  return Register(std::move(c));
}

BOOL UnregisterClassA(const char* className, HINSTANCE) {
  WindowClass* c = WindowClass::Find(className);
  if (c == nullptr) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (c->windows > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  // The record stays (windows never outlive it); only its name and atom stop finding it.
  c->atom = 0;
  c->name.clear();
  return TRUE;
}

BOOL UnregisterClassW(const char16_t* className, HINSTANCE instance) {
  if (className == nullptr || IS_INTRESOURCE(className))
    return UnregisterClassA(reinterpret_cast<const char*>(className), instance);
  return UnregisterClassA(Utf16ToCp874(className).c_str(), instance);
}

BOOL GetClassInfoExA(HINSTANCE, const char* className, WNDCLASSEXA* wc) {
  WindowClass* c = WindowClass::Find(className);
  if (c == nullptr || wc == nullptr) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *wc = WNDCLASSEXA{sizeof(WNDCLASSEXA), c->style, c->proc, c->classExtraBytes, c->windowExtraBytes,
                    c->instance, c->icon, c->cursor, c->background, nullptr, c->name.c_str(), c->smallIcon};
  return c->atom;
}

BOOL GetClassInfoExW(HINSTANCE instance, const char16_t* className, WNDCLASSEXW* wc) {
  WindowClass* c = WindowClass::Find(className);
  WNDCLASSEXA a{};
  if (c == nullptr || wc == nullptr || !GetClassInfoExA(instance, c->name.c_str(), &a)) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *wc = WNDCLASSEXW{sizeof(WNDCLASSEXW), a.style, a.lpfnWndProc, a.cbClsExtra, a.cbWndExtra, a.hInstance,
                    a.hIcon, a.hCursor, a.hbrBackground, nullptr, className, a.hIconSm};
  return c->atom;
}

int GetClassNameA(HWND hwnd, char* buffer, int size) {
  WindowClass* c = ClassOfWindow(hwnd);
  return c == nullptr ? 0 : CopyTextOut(c->name, buffer, size);
}

int GetClassNameW(HWND hwnd, char16_t* buffer, int size) {
  WindowClass* c = ClassOfWindow(hwnd);
  return c == nullptr ? 0 : CopyTextOut(Cp874ToUtf16(c->name), buffer, size);
}

ULONG_PTR GetClassLongPtrA(HWND hwnd, int index) {
  WindowClass* c = ClassOfWindow(hwnd);
  if (c == nullptr) return 0;
  if (index >= 0) {
    if (std::size_t(index) + sizeof(LONG_PTR) > c->extra.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    ULONG_PTR v;
    std::memcpy(&v, c->extra.data() + index, sizeof v);
    return v;
  }
  switch (index) {
    case GCL_STYLE: return c->style;
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c->proc);
    case GCL_CBCLSEXTRA: return ULONG_PTR(c->classExtraBytes);
    case GCL_CBWNDEXTRA: return ULONG_PTR(c->windowExtraBytes);
    case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR>(c->instance);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c->icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(c->smallIcon);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c->cursor);
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c->background);
    case GCW_ATOM: return c->atom;
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
}

ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  WindowClass* c = ClassOfWindow(hwnd);
  if (c == nullptr) return 0;
  const ULONG_PTR old = GetClassLongPtrA(hwnd, index);
  if (index >= 0) {
    if (std::size_t(index) + sizeof(LONG_PTR) <= c->extra.size())
      std::memcpy(c->extra.data() + index, &value, sizeof value);
    return old;
  }
  switch (index) {
    case GCL_STYLE: c->style = UINT(value); break;
    case GCLP_WNDPROC: c->proc = reinterpret_cast<WNDPROC>(value); break;
    case GCLP_HICON: c->icon = reinterpret_cast<HICON>(value); break;
    case GCLP_HICONSM: c->smallIcon = reinterpret_cast<HICON>(value); break;
    case GCLP_HCURSOR: c->cursor = reinterpret_cast<HCURSOR>(value); break;
    case GCLP_HBRBACKGROUND: c->background = reinterpret_cast<HBRUSH>(value); break;
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
  return old;
}

DWORD GetClassLongA(HWND hwnd, int index) { return DWORD(GetClassLongPtrA(hwnd, index)); }

DWORD SetClassLongA(HWND hwnd, int index, LONG value) { return DWORD(SetClassLongPtrA(hwnd, index, value)); }

namespace user {

WNDCLASSEXA ClassRecord(const char* name, WNDPROC proc, UINT style, int windowExtraBytes) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = windowExtraBytes;
  wc.lpszClassName = name;
  return wc;
}

bool EnsureClassRegistered(const WNDCLASSEXA& wc) {
  return WindowClass::Find(wc.lpszClassName) != nullptr || RegisterClassExA(&wc) != 0;
}

}  // namespace user
