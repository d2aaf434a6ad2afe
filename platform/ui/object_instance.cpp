#include "platform/ui/object_instance.h"

#include <array>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

constexpr int kSlotCount = 4096;

struct Pool {
  std::mutex mutex;
  std::array<TWndMethod, kSlotCount> methods;
  std::vector<int> free;
  int used = 0;   // slots handed out at least once: 0 .. used - 1
};

Pool& ThePool() {
  static Pool pool;
  return pool;
}

LRESULT Invoke(int slot, UINT message, WPARAM wParam, LPARAM lParam) {
  TMessage m{message, wParam, lParam, 0};
  ThePool().methods[std::size_t(slot)](m);
  return m.Result;
}

template <int N>
LRESULT Trampoline(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  return Invoke(N, message, wParam, lParam);
}

template <int... N>
constexpr std::array<WNDPROC, sizeof...(N)> MakeTrampolines(std::integer_sequence<int, N...>) {
  return {&Trampoline<N>...};
}

constexpr std::array<WNDPROC, kSlotCount> kTrampolines = MakeTrampolines(std::make_integer_sequence<int, kSlotCount>{});

int SlotOf(WNDPROC proc) {
  for (int i = 0; i < kSlotCount; ++i)
    if (kTrampolines[std::size_t(i)] == proc) return i;
  return -1;
}

const char kUtilWindowClass[] = "TPUtilWindow";

void RegisterUtilWindowClass() {
  user::EnsureClassRegistered(user::ClassRecord(kUtilWindowClass, &DefWindowProcA));
}

}  // namespace

WNDPROC MakeObjectInstance(TWndMethod Method) {
  Pool& pool = ThePool();
  std::lock_guard lock(pool.mutex);
  int slot;
  if (!pool.free.empty()) {
    slot = pool.free.back();
    pool.free.pop_back();
  } else if (pool.used < kSlotCount) {
    slot = pool.used++;
  } else {
    throw EOutOfResources("Out of system resources");
  }
  pool.methods[std::size_t(slot)] = std::move(Method);
  return kTrampolines[std::size_t(slot)];
}

void FreeObjectInstance(WNDPROC ObjectInstance) {
  const int slot = SlotOf(ObjectInstance);
  if (slot < 0) return;
  Pool& pool = ThePool();
  std::lock_guard lock(pool.mutex);
  pool.methods[std::size_t(slot)] = nullptr;
  pool.free.push_back(slot);
}

HWND AllocateHWnd(TWndMethod Method) {
  RegisterUtilWindowClass();
  HWND wnd = CreateWindowExA(WS_EX_TOOLWINDOW, kUtilWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             nullptr, nullptr);
  if (Method) SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MakeObjectInstance(std::move(Method))));
  return wnd;
}

void DeallocateHWnd(HWND Wnd) {
  auto instance = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(Wnd, GWLP_WNDPROC));
  DestroyWindow(Wnd);
  if (instance != &DefWindowProcA) FreeObjectInstance(instance);
}
