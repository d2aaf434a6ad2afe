#include "platform/user/drop_files.h"

#include <algorithm>
#include <cstring>

#include "platform/core/cp874.h"
#include "platform/gdi/geometry.h"
#include "platform/user/global_memory.h"
#include "platform/user/message_ids.h"
#include "platform/user/post_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_from_point.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

constexpr UINT kCountQuery = 0xFFFFFFFF;

// The paths of a drop, read from its block (empty for a handle that is not a drop).
std::vector<std::u16string> PathsOf(HDROP drop) {
  std::vector<std::u16string> paths;
  const std::size_t size = GlobalSize(drop);
  const auto* base = static_cast<const unsigned char*>(GlobalLock(drop));
  if (base == nullptr) return paths;
  DROPFILES header{};
  if (size >= sizeof header) std::memcpy(&header, base, sizeof header);
  if (size >= sizeof header && header.fWide && header.pFiles >= sizeof header && header.pFiles <= size) {
    const std::size_t units = (size - header.pFiles) / sizeof(char16_t);
    std::u16string all(units, u'\0');
    std::memcpy(all.data(), base + header.pFiles, units * sizeof(char16_t));
    for (std::size_t at = 0; at < all.size() && all[at] != u'\0';) {
      const std::size_t end = std::min(all.find(u'\0', at), all.size());
      paths.push_back(all.substr(at, end - at));
      at = end + 1;
    }
  }
  GlobalUnlock(drop);
  return paths;
}

template <class Char>
UINT CopyPath(const std::basic_string<Char>& path, Char* buffer, UINT size) {
  if (buffer == nullptr) return UINT(path.size());
  if (size == 0) return 0;
  const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
  std::copy_n(path.data(), n, buffer);
  buffer[n] = Char(0);
  return UINT(n);
}

bool AcceptsFiles(HWND hwnd) { return (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; }

user::DropTargetHost*& Host() {
  static user::DropTargetHost* host = nullptr;
  return host;
}

bool HasTarget(HWND hwnd) { return Host() != nullptr && Host()->HasTarget(hwnd); }

bool HasTargetOrAcceptsFiles(HWND hwnd) { return HasTarget(hwnd) || AcceptsFiles(hwnd); }

// Where a drop at the screen point lands in client coordinates, or the screen point itself with
// `nonClient` when it lies outside the target's client area.
TPoint DropPointOf(HWND target, TPoint screen, bool& nonClient) {
  TPoint client = screen;
  ScreenToClient(target, &client);
  TRect area{};
  GetClientRect(target, &area);
  nonClient = !PtInRect(&area, client);
  return nonClient ? screen : client;
}

}  // namespace

void DragAcceptFiles(HWND hwnd, BOOL accept) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
  const LONG_PTR wanted = accept ? style | WS_EX_ACCEPTFILES : style & ~LONG_PTR(WS_EX_ACCEPTFILES);
  if (wanted != style) SetWindowLongPtrA(hwnd, GWL_EXSTYLE, wanted);
}

UINT DragQueryFileW(HDROP drop, UINT index, char16_t* buffer, UINT size) {
  const std::vector<std::u16string> paths = PathsOf(drop);
  if (index == kCountQuery) return UINT(paths.size());
  return index < paths.size() ? CopyPath(paths[index], buffer, size) : 0;
}

UINT DragQueryFileA(HDROP drop, UINT index, char* buffer, UINT size) {
  const std::vector<std::u16string> paths = PathsOf(drop);
  if (index == kCountQuery) return UINT(paths.size());
  return index < paths.size() ? CopyPath(Utf16ToCp874(paths[index]), buffer, size) : 0;
}

BOOL DragQueryPoint(HDROP drop, TPoint* point) {
  const auto* base = static_cast<const unsigned char*>(GlobalLock(drop));
  if (base == nullptr || GlobalSize(drop) < sizeof(DROPFILES)) {
    if (base != nullptr) GlobalUnlock(drop);
    return FALSE;
  }
  DROPFILES header{};
  std::memcpy(&header, base, sizeof header);
  GlobalUnlock(drop);
  if (point != nullptr) *point = header.pt;
  return header.fNC ? FALSE : TRUE;
}

void DragFinish(HDROP drop) { GlobalFree(drop); }

namespace user {

HDROP MakeDropFiles(const std::vector<std::u16string>& paths, TPoint pt, bool nonClient) {
  std::u16string list;
  for (const std::u16string& path : paths) list.append(path).push_back(u'\0');
  list.push_back(u'\0');
  const DROPFILES header{sizeof(DROPFILES), pt, nonClient ? TRUE : FALSE, TRUE};
  const std::size_t bytes = sizeof header + list.size() * sizeof(char16_t);
  HGLOBAL block = GlobalAlloc(GHND, bytes);
  auto* base = static_cast<unsigned char*>(GlobalLock(block));
  if (base == nullptr) return nullptr;
  std::memcpy(base, &header, sizeof header);
  std::memcpy(base + sizeof header, list.data(), list.size() * sizeof(char16_t));
  GlobalUnlock(block);
  return block;
}

HWND NearestWindowAt(TPoint screen, bool (*wanted)(HWND)) {
  for (HWND h = WindowFromPoint(screen); h != nullptr;) {
    if (wanted(h)) return h;
    if ((GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD) == 0) return nullptr;
    h = GetParent(h);
  }
  return nullptr;
}

bool DropFiles(TPoint screen, const std::vector<std::u16string>& paths) {
  HWND target = paths.empty() ? nullptr : NearestWindowAt(screen, HasTargetOrAcceptsFiles);
  if (target == nullptr) return false;
  if (HasTarget(target)) return Host()->DropFiles(target, screen, paths);
  bool nonClient = false;
  const TPoint pt = DropPointOf(target, screen, nonClient);
  HDROP drop = MakeDropFiles(paths, pt, nonClient);
  if (drop != nullptr && PostMessageA(target, WM_DROPFILES, WPARAM(drop), 0)) return true;
  if (drop != nullptr) DragFinish(drop);
  return false;
}

bool DropText(TPoint screen, std::u16string_view text) {
  HWND target = text.empty() ? nullptr : NearestWindowAt(screen, HasTarget);
  return target != nullptr && Host()->DropText(target, screen, text);
}

void SetDropTargetHost(DropTargetHost* host) { Host() = host; }

void DropTargetWindowFreed(HWND hwnd) {
  if (Host() != nullptr) Host()->WindowFreed(hwnd);
}

}  // namespace user
