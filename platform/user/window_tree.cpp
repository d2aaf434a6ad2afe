#include "platform/user/window_tree.h"

#include <algorithm>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/os/thread.h"
#include "platform/user/backend.h"
#include "platform/user/capture.h"
#include "platform/user/caret.h"
#include "platform/user/drop_files.h"
#include "platform/user/focus.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_queue.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/timers.h"
#include "platform/user/window_class.h"
#include "platform/user/window_links.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_surface.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

// What both forms of CreateWindowEx hand over; the text fields keep the caller's form.
struct CreateRequest {
  DWORD exStyle;
  WindowClass* windowClass;
  const char* classA;
  const char16_t* classW;
  const char* nameA;
  const char16_t* nameW;
  bool unicode;
  DWORD style;
  int x, y, width, height;
  HWND parent;
  HMENU menu;
  HINSTANCE instance;
  void* param;
};

bool Fail(DWORD error) {
  SetLastError(error);
  return false;
}

// Finds the parent and the owner of a new window.
bool ResolveParent(const CreateRequest& r, Window*& parent, Window*& owner) {
  WindowTable& table = WindowTable::Instance();
  owner = nullptr;
  if (r.parent == HWND_MESSAGE) {
    parent = table.MessageRoot();
    return true;
  }
  Window* given = r.parent ? W(r.parent) : nullptr;
  if (r.parent != nullptr && given == nullptr) return Fail(ERROR_INVALID_WINDOW_HANDLE);
  if (r.style & WS_CHILD) {
    if (given == nullptr) return Fail(ERROR_TLW_WITH_WSCHILD);
    parent = given;
    return true;
  }
  parent = table.Desktop();
  owner = given ? TopLevelOf(given) : nullptr;
  return true;
}

DWORD AdjustedStyle(DWORD style) {
  if ((style & (WS_CHILD | WS_POPUP)) == 0) style |= WS_CLIPSIBLINGS | WS_CAPTION;
  return style;
}

DWORD AdjustedExStyle(DWORD exStyle, DWORD style) {
  if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME)))
    exStyle |= WS_EX_WINDOWEDGE;
  else
    exStyle &= ~WS_EX_WINDOWEDGE;
  return exStyle;
}

// CW_USEDEFAULT: top-level windows open at (26, 26) with three quarters of the work area.
void ApplyDefaults(CreateRequest& r) {
  const bool topLevel = (r.style & WS_CHILD) == 0;
  const TRect work = WorkArea();
  if (r.x == CW_USEDEFAULT) {
    r.x = topLevel ? work.Left + 26 : 0;
    r.y = topLevel ? work.Top + 26 : 0;
  }
  if (r.width == CW_USEDEFAULT) {
    r.width = topLevel ? work.Width() * 3 / 4 : 0;
    r.height = topLevel ? work.Height() * 3 / 4 : 0;
  }
}

// Frees a window that never got its first message (a CBT hook refused it).
void FreeUnborn(Window* w) {
  w->windowClass->windows--;
  UnlinkWindow(w);
  WindowTable::Instance().Remove(w->handle);
}

void NotifyParents(HWND child, UINT event) {
  Window* w = W(child);
  if (w == nullptr || !w->IsChild() || (w->exStyle & WS_EX_NOPARENTNOTIFY)) return;
  const WPARAM wParam = MAKEWPARAM(int(event), int(w->id));
  for (Window* p = w->parent; p != nullptr && p->parent != nullptr; p = p->parent) {
    const HWND next = p->handle;
    SendFrom(next, WM_PARENTNOTIFY, wParam, reinterpret_cast<LPARAM>(child), false);
    p = W(next);
    if (p == nullptr || !p->IsChild() || (p->exStyle & WS_EX_NOPARENTNOTIFY)) break;
  }
}

HWND Create(CreateRequest r) {
  if (r.windowClass == nullptr) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Window* parent = nullptr;
  Window* owner = nullptr;
  if (!ResolveParent(r, parent, owner)) return nullptr;
  ApplyDefaults(r);
  MessageQueue::Current();   // a thread that owns windows has a queue from then on
  r.style = AdjustedStyle(r.style);
  r.exStyle = AdjustedExStyle(r.exStyle, r.style);

  auto record = std::make_unique<Window>();
  record->windowClass = r.windowClass;
  record->thread = GetCurrentThreadId();
  record->style = r.style & ~WS_VISIBLE;
  record->exStyle = r.exStyle;
  record->owner = owner;
  record->proc = r.windowClass->proc;
  record->unicode = r.windowClass->unicode;
  record->id = reinterpret_cast<LONG_PTR>(r.menu);
  record->instance = r.instance;
  record->extra.assign(std::size_t(r.windowClass->windowExtraBytes), std::byte{0});
  Window* w = WindowTable::Instance().Add(std::move(record));
  r.windowClass->windows++;
  LinkWindow(w, parent, HWND_TOP);
  const HWND h = w->handle;

  CREATESTRUCTA csA{r.param, r.instance, r.menu, r.parent, r.height, r.width, r.y, r.x, LONG(r.style),
                    r.nameA, r.classA, r.exStyle};
  CREATESTRUCTW csW{r.param, r.instance, r.menu, r.parent, r.height, r.width, r.y, r.x, LONG(r.style),
                    r.nameW, r.classW, r.exStyle};
  if (HasHooks(WH_CBT)) {
    std::string nameA = r.nameA ? r.nameA : (r.nameW ? Utf16ToCp874(r.nameW) : "");
    CREATESTRUCTA hookCs = csA;
    hookCs.lpszName = (r.nameA || r.nameW) ? nameA.c_str() : nullptr;
    CBT_CREATEWNDA cbt{&hookCs, HWND_TOP};
    if (CallHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(h), reinterpret_cast<LPARAM>(&cbt)) != 0) {
      if ((w = W(h)) != nullptr) FreeUnborn(w);
      return nullptr;
    }
    csA.x = csW.x = hookCs.x;
    csA.y = csW.y = hookCs.y;
    csA.cx = csW.cx = hookCs.cx;
    csA.cy = csW.cy = hookCs.cy;
  }
  const LPARAM cs = r.unicode ? reinterpret_cast<LPARAM>(&csW) : reinterpret_cast<LPARAM>(&csA);
  int cx = csA.cx, cy = csA.cy;
  if ((r.style & WS_THICKFRAME) || !(r.style & (WS_POPUP | WS_CHILD))) {
    const MINMAXINFO mmi = AskMinMaxInfo(h);
    cx = std::max<int>(std::min<int>(cx, mmi.ptMaxTrackSize.X), mmi.ptMinTrackSize.X);
    cy = std::max<int>(std::min<int>(cy, mmi.ptMaxTrackSize.Y), mmi.ptMinTrackSize.Y);
  }
  if ((w = W(h)) == nullptr) return nullptr;
  w->rect = w->client = Bounds(csA.x, csA.y, std::max(cx, 0), std::max(cy, 0));

  if (SendFrom(h, WM_NCCREATE, 0, cs, r.unicode) == 0) {
    DestroyWindow(h);
    return nullptr;
  }
  if ((w = W(h)) == nullptr) return nullptr;
  w->created = true;
  TRect client = w->rect;
  SendFrom(h, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client), false);
  if ((w = W(h)) == nullptr) return nullptr;
  w->client = client;
  if (SendFrom(h, WM_CREATE, 0, cs, r.unicode) == -1) {
    DestroyWindow(h);
    return nullptr;
  }
  SendSizeAndMove(h);
  NotifyParents(h, WM_CREATE);
  if ((r.style & WS_VISIBLE) && W(h) != nullptr) ShowWindow(h, SW_SHOW);
  return W(h) ? h : nullptr;
}

void MarkDestroying(Window* w) {
  w->destroying = true;
  for (Window* c : w->children) MarkDestroying(c);
}

std::vector<HWND> Handles(const std::vector<Window*>& list) {
  std::vector<HWND> handles;
  for (Window* w : list) handles.push_back(w->handle);
  return handles;
}

void SendDestroy(HWND h) {
  SendFrom(h, WM_DESTROY, 0, 0, false);
  Window* w = W(h);
  if (w == nullptr) return;
  for (HWND child : Handles(w->children)) SendDestroy(child);
}

void FreeWindow(HWND h) {
  Window* w = W(h);
  if (w == nullptr) return;
  for (HWND child : Handles(w->children)) FreeWindow(child);
  SendFrom(h, WM_NCDESTROY, 0, 0, false);
  if ((w = W(h)) == nullptr) return;
  DropTargetWindowFreed(h);
  KillWindowTimers(h);
  DestroyCaretOf(h);
  const bool topLevel = w->IsTopLevel();
  for (Window* other : WindowTable::Instance().Desktop()->children)
    if (other->owner == w) other->owner = nullptr;
  if (w->windowClass) w->windowClass->windows--;
  UnlinkWindow(w);
  WindowTable::Instance().Remove(h);
  if (topLevel) CurrentBackend().WindowDestroyed(h);
}

bool EnumList(const std::vector<HWND>& handles, WNDENUMPROC proc, LPARAM lParam) {
  for (HWND h : handles)
    if (W(h) != nullptr && !proc(h, lParam)) return false;
  return true;
}

void CollectDescendants(const Window* w, std::vector<HWND>& out) {
  for (Window* c : w->children) {
    out.push_back(c->handle);
    CollectDescendants(c, out);
  }
}

Window* CheckedWindow(HWND hwnd) {
  Window* w = W(hwnd);
  if (w == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

}  // namespace

void SendSizeAndMove(HWND h) {
  Window* w = W(h);
  if (w == nullptr) return;
  w->sizeSent = true;
  const WPARAM kind = (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
  SendFrom(h, WM_SIZE, kind, MAKELPARAM(w->client.Width(), w->client.Height()), false);
  if ((w = W(h)) == nullptr) return;
  SendFrom(h, WM_MOVE, 0, MAKELPARAM(w->client.Left, w->client.Top), false);
}

}  // namespace user

using namespace user;

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  const std::u16string classW =
      className && !IS_INTRESOURCE(className) ? Cp874ToUtf16(className) : std::u16string();
  return Create({exStyle, WindowClass::Find(className), className,
                 IS_INTRESOURCE(className) ? reinterpret_cast<const char16_t*>(className) : classW.c_str(), windowName,
                 nullptr, false, style, x, y, width, height, parent, menu, instance, param});
}

HWND CreateWindowExW(DWORD exStyle, const char16_t* className, const char16_t* windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  const std::string classA = className && !IS_INTRESOURCE(className) ? Utf16ToCp874(className) : std::string();
  return Create({exStyle, WindowClass::Find(className),
                 IS_INTRESOURCE(className) ? reinterpret_cast<const char*>(className) : classA.c_str(), className,
                 nullptr, windowName, true, style, x, y, width, height, parent, menu, instance, param});
}

BOOL DestroyWindow(HWND h) {
  Window* w = CheckedWindow(h);
  if (w == nullptr || w->parent == nullptr) return FALSE;
  if (w->thread != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (w->destroying) return TRUE;
  if (CallHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(h), 0) != 0) return FALSE;
  NotifyParents(h, WM_DESTROY);
  if ((w = W(h)) != nullptr && w->IsVisibleFlag())
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  if ((w = W(h)) == nullptr) return TRUE;
  std::vector<HWND> owned;
  for (Window* other : WindowTable::Instance().Desktop()->children)
    if (other->owner == w) owned.push_back(other->handle);
  for (HWND o : owned) DestroyWindow(o);
  if ((w = W(h)) == nullptr) return TRUE;
  MarkDestroying(w);
  ReleaseFocusWithin(h);
  ReleaseCaptureWithin(h);
  SendDestroy(h);
  FreeWindow(h);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) {
  Window* w = W(hwnd);
  return w != nullptr && w->parent != nullptr;
}

HWND GetDesktopWindow() { return WindowTable::Instance().Desktop()->handle; }

HWND GetParent(HWND hwnd) {
  Window* w = CheckedWindow(hwnd);
  if (w == nullptr) return nullptr;
  if (w->IsChild()) return w->parent ? w->parent->handle : nullptr;
  return w->owner ? w->owner->handle : nullptr;
}

HWND SetParent(HWND hwnd, HWND newParent) {
  Window* w = CheckedWindow(hwnd);
  Window* target = newParent ? CheckedWindow(newParent) : WindowTable::Instance().Desktop();
  if (w == nullptr || target == nullptr || w->parent == nullptr) return nullptr;
  if (IsAncestor(w, target)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const HWND oldParent = w->parent->handle;
  const bool wasVisible = w->IsVisibleFlag();
  const bool wasTopLevel = w->IsTopLevel();
  if (wasVisible)
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  if ((w = W(hwnd)) == nullptr || (target = newParent ? W(newParent) : WindowTable::Instance().Desktop()) == nullptr)
    return nullptr;
  // The rectangles keep their numbers: they are now read in the new parent's client coordinates.
  UnlinkWindow(w);
  w->owner = nullptr;
  LinkWindow(w, target, HWND_TOP);
  if (w->IsTopLevel() != wasTopLevel) {
    w->surface.reset();
    if (wasTopLevel) CurrentBackend().WindowDestroyed(hwnd);
  }
  if (wasVisible)
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  return oldParent;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  Window* w = CheckedWindow(hwnd);
  if (w == nullptr || w->parent == nullptr) return nullptr;
  switch (flags) {
    case GA_PARENT: return w->parent->handle;
    case GA_ROOT: return TopLevelOf(w)->handle;
    case GA_ROOTOWNER: {
      Window* root = TopLevelOf(w);
      while (root->owner != nullptr) root = root->owner;
      return root->handle;
    }
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

HWND GetWindow(HWND hwnd, UINT command) {
  Window* w = CheckedWindow(hwnd);
  if (w == nullptr) return nullptr;
  if (command == GW_CHILD) return w->children.empty() ? nullptr : w->children.front()->handle;
  if (command == GW_OWNER) return w->owner ? w->owner->handle : nullptr;
  if (command == GW_ENABLEDPOPUP) {
    for (Window* other : WindowTable::Instance().Desktop()->children)
      if (other->owner == w && other->IsVisibleFlag() && !other->IsDisabledFlag()) return other->handle;
    return nullptr;
  }
  if (w->parent == nullptr) return nullptr;
  const std::vector<Window*>& siblings = w->parent->children;
  const auto at = std::find(siblings.begin(), siblings.end(), w);
  switch (command) {
    case GW_HWNDFIRST: return siblings.front()->handle;
    case GW_HWNDLAST: return siblings.back()->handle;
    case GW_HWNDNEXT: return at + 1 == siblings.end() ? nullptr : (*(at + 1))->handle;
    case GW_HWNDPREV: return at == siblings.begin() ? nullptr : (*(at - 1))->handle;
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

HWND GetTopWindow(HWND hwnd) { return GetWindow(hwnd ? hwnd : GetDesktopWindow(), GW_CHILD); }

HWND GetNextWindow(HWND hwnd, UINT command) { return GetWindow(hwnd, command); }

BOOL IsChild(HWND parent, HWND hwnd) {
  Window* p = W(parent);
  Window* w = W(hwnd);
  if (p == nullptr || w == nullptr || w == p) return FALSE;
  for (; w != nullptr && w->IsChild(); w = w->parent)
    if (w->parent == p) return TRUE;
  return FALSE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  return EnumList(Handles(WindowTable::Instance().Desktop()->children), proc, lParam);
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  Window* p = parent ? CheckedWindow(parent) : WindowTable::Instance().Desktop();
  if (p == nullptr) return FALSE;
  std::vector<HWND> all;
  CollectDescendants(p, all);
  return EnumList(all, proc, lParam);
}

BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam) {
  std::vector<HWND> mine;
  for (Window* w : WindowTable::Instance().Desktop()->children)
    if (w->thread == threadId) mine.push_back(w->handle);
  return EnumList(mine, proc, lParam);
}

HWND FindWindowA(const char* className, const char* windowName) {
  WindowClass* wanted = className ? WindowClass::Find(className) : nullptr;
  if (className != nullptr && wanted == nullptr) return nullptr;
  for (Window* w : WindowTable::Instance().Desktop()->children) {
    if (wanted != nullptr && w->windowClass != wanted) continue;
    if (windowName != nullptr && Utf16ToCp874(w->text) != windowName) continue;
    return w->handle;
  }
  return nullptr;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
  const TThreadID thread = WindowTable::Instance().ThreadOf(hwnd);
  if (processId != nullptr) *processId = thread ? GetCurrentProcessId() : 0;
  return thread;
}
