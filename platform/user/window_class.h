// Window classes: RegisterClass(Ex) in the 8-bit and wide forms, class lookup by name or atom,
// GetClassInfo(Ex), GetClassName and GetClassLong / SetClassLong.
//
// A class is known by its name (compared without regard to ASCII case) and by the atom its name
// got in the atom table.  The module handle is kept but plays no part in finding a class: every
// class is visible to every module, as application-global classes are.  A class whose window
// procedure was registered through the wide form is a wide class: its windows take wide text.
// Invariants: a class with live windows cannot be unregistered; its record never moves.
#pragma once

#include <string>
#include <vector>

#include "platform/user/user_types.h"

namespace user {

class WindowClass {
 public:
  std::string name;            // code page 874
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC proc = nullptr;
  bool unicode = false;
  int classExtraBytes = 0;
  int windowExtraBytes = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  std::string menuName;
  std::vector<std::byte> extra;
  int windows = 0;             // live windows of this class

  // The class named by a string or an atom in the pointer's low word, or nullptr.
  static WindowClass* Find(const char* nameOrAtom);
  static WindowClass* Find(const char16_t* nameOrAtom);
};

// The record of one of the program's own 8-bit window classes: its name, procedure, class style and
// window extra bytes, the rest empty.
WNDCLASSEXA ClassRecord(const char* name, WNDPROC proc, UINT style = 0, int windowExtraBytes = 0);
// Registers the class unless one of its name exists already (each class is registered on its first
// use); true when the class exists afterwards.
bool EnsureClassRegistered(const WNDCLASSEXA& wc);

}  // namespace user

ATOM RegisterClassExA(const WNDCLASSEXA* wc);
ATOM RegisterClassExW(const WNDCLASSEXW* wc);
BOOL UnregisterClassA(const char* className, HINSTANCE instance);
BOOL UnregisterClassW(const char16_t* className, HINSTANCE instance);
BOOL GetClassInfoExA(HINSTANCE instance, const char* className, WNDCLASSEXA* wc);
BOOL GetClassInfoExW(HINSTANCE instance, const char16_t* className, WNDCLASSEXW* wc);
int GetClassNameA(HWND hwnd, char* buffer, int size);
int GetClassNameW(HWND hwnd, char16_t* buffer, int size);
ULONG_PTR GetClassLongPtrA(HWND hwnd, int index);
ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value);
DWORD GetClassLongA(HWND hwnd, int index);
DWORD SetClassLongA(HWND hwnd, int index, LONG value);
