#include "platform/user/system_metrics.h"

#include <array>
#include <atomic>
#include <mutex>

namespace user {

namespace {

constexpr int kScreenWidth = 1920, kScreenHeight = 1080, kTaskBarHeight = 30;

std::array<int, kSystemMetricCount> ClassicTable() {
  std::array<int, kSystemMetricCount> m{};
  const std::pair<int, int> values[] = {
      {SM_CXSCREEN, kScreenWidth}, {SM_CYSCREEN, kScreenHeight}, {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16},
      {SM_CYCAPTION, 19}, {SM_CXBORDER, 1}, {SM_CYBORDER, 1}, {SM_CXDLGFRAME, 3}, {SM_CYDLGFRAME, 3},
      {SM_CYVTHUMB, 16}, {SM_CXHTHUMB, 16}, {SM_CXICON, 32}, {SM_CYICON, 32}, {SM_CXCURSOR, 32},
      {SM_CYCURSOR, 32}, {SM_CYMENU, 19}, {SM_CXFULLSCREEN, kScreenWidth},
      {SM_CYFULLSCREEN, kScreenHeight - kTaskBarHeight - 19}, {SM_MOUSEPRESENT, 1}, {SM_CYVSCROLL, 16},
      {SM_CXHSCROLL, 16}, {SM_CXMIN, 112}, {SM_CYMIN, 27}, {SM_CXSIZE, 18}, {SM_CYSIZE, 18},
      {SM_CXFRAME, 4}, {SM_CYFRAME, 4}, {SM_CXMINTRACK, 112}, {SM_CYMINTRACK, 27}, {SM_CXDOUBLECLK, 4},
      {SM_CYDOUBLECLK, 4}, {SM_CXICONSPACING, 75}, {SM_CYICONSPACING, 75}, {SM_CMOUSEBUTTONS, 3},
      {SM_CXEDGE, 2}, {SM_CYEDGE, 2}, {SM_CXMINSPACING, 160}, {SM_CYMINSPACING, 24}, {SM_CXSMICON, 16},
      {SM_CYSMICON, 16}, {SM_CYSMCAPTION, 16}, {SM_CXSMSIZE, 12}, {SM_CYSMSIZE, 15}, {SM_CXMENUSIZE, 18},
      {SM_CYMENUSIZE, 18}, {SM_ARRANGE, 8}, {SM_CXMINIMIZED, 160}, {SM_CYMINIMIZED, 24},
      {SM_CXMAXTRACK, kScreenWidth + 12}, {SM_CYMAXTRACK, kScreenHeight + 12},
      {SM_CXMAXIMIZED, kScreenWidth + 8}, {SM_CYMAXIMIZED, kScreenHeight - kTaskBarHeight + 8},
      {SM_NETWORK, 3}, {SM_CXDRAG, 4}, {SM_CYDRAG, 4}, {SM_CXMENUCHECK, 13}, {SM_CYMENUCHECK, 13},
      {SM_MOUSEWHEELPRESENT, 1}, {SM_CXVIRTUALSCREEN, kScreenWidth}, {SM_CYVIRTUALSCREEN, kScreenHeight},
      {SM_CMONITORS, 1}, {SM_SAMEDISPLAYFORMAT, 1}, {SM_CXFOCUSBORDER, 1}, {SM_CYFOCUSBORDER, 1}};
  for (auto [index, value] : values) m[std::size_t(index)] = value;
  return m;
}

struct Metrics {
  std::mutex mutex;
  std::array<int, kSystemMetricCount> values = ClassicTable();
  TRect workArea{0, 0, kScreenWidth, kScreenHeight - kTaskBarHeight};
  UINT doubleClickTime = 500;
};

Metrics& Table() {
  static Metrics metrics;
  return metrics;
}

}  // namespace

void SetSystemMetric(int index, int value) {
  if (index < 0 || index >= kSystemMetricCount) return;
  Metrics& m = Table();
  std::lock_guard lock(m.mutex);
  m.values[std::size_t(index)] = value;
}

void ResetSystemMetrics() {
  Metrics& m = Table();
  std::lock_guard lock(m.mutex);
  m.values = ClassicTable();
  m.workArea = {0, 0, kScreenWidth, kScreenHeight - kTaskBarHeight};
  m.doubleClickTime = 500;
}

TRect WorkArea() {
  Metrics& m = Table();
  std::lock_guard lock(m.mutex);
  return m.workArea;
}

void SetWorkArea(const TRect& area) {
  Metrics& m = Table();
  std::lock_guard lock(m.mutex);
  m.workArea = area;
}

}  // namespace user

int GetSystemMetrics(int index) {
  if (index < 0 || index >= user::kSystemMetricCount) return 0;
  user::Metrics& m = user::Table();
  std::lock_guard lock(m.mutex);
  return m.values[std::size_t(index)];
}

UINT GetDoubleClickTime() {
  user::Metrics& m = user::Table();
  std::lock_guard lock(m.mutex);
  return m.doubleClickTime;
}

BOOL SetDoubleClickTime(UINT milliseconds) {
  user::Metrics& m = user::Table();
  std::lock_guard lock(m.mutex);
  m.doubleClickTime = milliseconds == 0 ? 500 : milliseconds;
  return TRUE;
}
