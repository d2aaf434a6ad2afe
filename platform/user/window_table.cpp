#include "platform/user/window_table.h"

#include "platform/user/window_styles.h"

namespace user {

namespace {
constexpr std::uintptr_t kFirstHandle = 0x10000;
constexpr std::uintptr_t kHandleStep = 4;
}  // namespace

WindowTable& WindowTable::Instance() {
  static WindowTable table;
  return table;
}

WindowTable::WindowTable() {
  std::lock_guard lock(mutex_);
  for (Window** root : {&desktop_, &messageRoot_}) {
    auto w = std::make_unique<Window>();
    w->thread = MainThreadID();
    w->style = WS_POPUP | WS_CLIPCHILDREN | (root == &desktop_ ? WS_VISIBLE : 0);
    w->created = true;
    *root = AddLocked(std::move(w));
  }
}

Window* WindowTable::AddLocked(std::unique_ptr<Window> window) {
  const std::uintptr_t value = kFirstHandle + kHandleStep * nextSerial_++;
  window->handle = reinterpret_cast<HWND>(value);
  Window* raw = window.get();
  windows_.emplace(value, std::move(window));
  return raw;
}

Window* WindowTable::Add(std::unique_ptr<Window> window) {
  std::lock_guard lock(mutex_);
  return AddLocked(std::move(window));
}

void WindowTable::Remove(HWND handle) {
  std::unique_ptr<Window> doomed;
  {
    std::lock_guard lock(mutex_);
    auto it = windows_.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == windows_.end()) return;
    doomed = std::move(it->second);
    windows_.erase(it);
  }
}

Window* WindowTable::Find(HWND handle) const {
  if (handle == nullptr) return nullptr;
  std::lock_guard lock(mutex_);
  auto it = windows_.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == windows_.end() ? nullptr : it->second.get();
}

TThreadID WindowTable::ThreadOf(HWND handle) const {
  if (handle == nullptr) return 0;
  std::lock_guard lock(mutex_);
  auto it = windows_.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == windows_.end() ? 0 : it->second->thread;
}

std::vector<HWND> WindowTable::WindowsOfThread(TThreadID thread) const {
  std::lock_guard lock(mutex_);
  std::vector<HWND> result;
  for (const auto& [value, window] : windows_)
    if (window->thread == thread && window->parent != nullptr) result.push_back(window->handle);
  return result;
}

}  // namespace user
