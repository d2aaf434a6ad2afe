#include "platform/shims/do_drag_drop.h"

#include <utility>

#include "platform/shims/drag_drop_registry.h"
#include "platform/shims/ole_init.h"
#include "platform/user/backend.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/drop_files.h"
#include "platform/user/key_state.h"
#include "platform/user/message_loop.h"
#include "platform/user/post_message.h"
#include "platform/user/timers.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

constexpr const char* kTrackerClass = "OleDragTracker";
constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 50;
constexpr DWORD kMouseKeys = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL;

HWND CreateTracker() {
  const bool registered = user::EnsureClassRegistered(user::ClassRecord(kTrackerClass, &DefWindowProcA));
  return registered ? CreateWindowExA(0, kTrackerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)
                    : nullptr;
}

// The buttons and modifier keys down, as of the message last taken.
DWORD KeyState() {
  return DWORD(user::MouseKeyFlags() & kMouseKeys) | (GetKeyState(VK_MENU) < 0 ? MK_ALT : 0);
}

// Where the mouse was at the message last taken: where the drag starts.
TPoint MessagePoint() {
  const DWORD pos = GetMessagePos();
  return TPoint{short(LOWORD(pos)), short(HIWORD(pos))};
}

HCURSOR DefaultCursor(DWORD effect) {
  return LoadCursorA(nullptr, (effect & ~DROPEFFECT_SCROLL) == DROPEFFECT_NONE ? IDC_NO : IDC_ARROW);
}

// One drag: the tracking window holding the capture and the target under the mouse.
class DragLoop {
 public:
  DragLoop(IDataObject* data, IDropSource* source, DWORD allowed, HWND tracker);
  ~DragLoop();
  DragLoop(const DragLoop&) = delete;
  DragLoop& operator=(const DragLoop&) = delete;

  HRESULT Run(DWORD& effect);

 private:
  // The next mouse or key message or poll tick, dispatching the rest; false when the drag cannot
  // go on (capture lost, WM_QUIT, no input can come).
  bool NextInput(MSG& m);
  bool IsDragInput(const MSG& m) const;
  // Asks the source and, while it goes on, tells the target under the point.
  HRESULT Step(BOOL escapePressed, TPoint point);
  void Track(DWORD keys);
  void Enter(HWND window, DWORD keys, DWORD& effect);
  void Leave();
  HRESULT Finish(HRESULT verdict, DWORD& effect);

  TInterfacePtr<IDataObject> data_;
  TInterfacePtr<IDropSource> source_;
  const DWORD allowed_;
  const HWND tracker_;
  const HCURSOR previousCursor_;
  HWND targetWindow_ = nullptr;
  TInterfacePtr<IDropTarget> target_;   // nullptr also while the window's DragEnter failed
  DWORD effect_ = DROPEFFECT_NONE;      // the target's last answer, kept to the allowed effects
  DWORD keys_ = 0;                      // the key state of the last DragEnter / DragOver
  POINTL point_{};
};

DragLoop::DragLoop(IDataObject* data, IDropSource* source, DWORD allowed, HWND tracker)
    : data_(data), source_(source), allowed_(allowed), tracker_(tracker), previousCursor_(GetCursor()) {
  SetCapture(tracker_);
  SetTimer(tracker_, kPollTimer, kPollMs, nullptr);
}

DragLoop::~DragLoop() {
  if (GetCapture() == tracker_) ReleaseCapture();
  DestroyWindow(tracker_);
  SetCursor(previousCursor_);
}

HRESULT DragLoop::Run(DWORD& effect) {
  HRESULT verdict = Step(FALSE, MessagePoint());
  MSG m;
  while (verdict == S_OK)
    verdict = NextInput(m) ? Step(m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE, m.pt) : DRAGDROP_S_CANCEL;
  return Finish(verdict, effect);
}

bool DragLoop::NextInput(MSG& m) {
  for (;;) {
    if (GetCapture() != tracker_) return false;
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (!user::CurrentBackend().HasEventSource()) return false;
      WaitMessage();
      continue;
    }
    if (m.message == WM_QUIT) {
      PostQuitMessage(int(m.wParam));
      return false;
    }
    if (IsDragInput(m)) return true;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

bool DragLoop::IsDragInput(const MSG& m) const {
  return (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) ||
         (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) ||
         (m.message == WM_TIMER && m.hwnd == tracker_ && m.wParam == kPollTimer);
}

HRESULT DragLoop::Step(BOOL escapePressed, TPoint point) {
  const DWORD keys = KeyState();
  point_ = POINTL{point.X, point.Y};
  const HRESULT verdict = source_->QueryContinueDrag(escapePressed, keys);
  if (verdict == S_OK) Track(keys);
  return verdict;
}

void DragLoop::Track(DWORD keys) {
  const HWND window = user::NearestWindowAt(TPoint{point_.x, point_.y}, ole::HasRegisteredTarget);
  DWORD effect = allowed_;
  if (window != targetWindow_) {
    Leave();
    Enter(window, keys, effect);
  } else if (target_ && FAILED(target_->DragOver(keys, point_, &effect))) {
    effect = DROPEFFECT_NONE;
  }
  effect_ = target_ ? effect & (allowed_ | DROPEFFECT_SCROLL) : DROPEFFECT_NONE;
  keys_ = keys;
  if (source_->GiveFeedback(effect_) == DRAGDROP_S_USEDEFAULTCURSORS) SetCursor(DefaultCursor(effect_));
}

void DragLoop::Enter(HWND window, DWORD keys, DWORD& effect) {
  targetWindow_ = window;
  if (window == nullptr) return;
  TInterfacePtr<IDropTarget> target = ole::RegisteredTarget(window);
  if (SUCCEEDED(target->DragEnter(data_.get(), keys, point_, &effect))) target_ = std::move(target);
}

void DragLoop::Leave() {
  const TInterfacePtr<IDropTarget> target = std::exchange(target_, nullptr);
  targetWindow_ = nullptr;
  if (target) target->DragLeave();
}

HRESULT DragLoop::Finish(HRESULT verdict, DWORD& effect) {
  effect = DROPEFFECT_NONE;
  if (verdict != DRAGDROP_S_DROP || !target_ || (effect_ & ~DROPEFFECT_SCROLL) == DROPEFFECT_NONE) {
    Leave();
    return verdict;
  }
  const TInterfacePtr<IDropTarget> target = std::exchange(target_, nullptr);
  targetWindow_ = nullptr;
  DWORD dropped = allowed_;
  const HRESULT hr = target->Drop(data_.get(), keys_, point_, &dropped);
  if (FAILED(hr)) return hr;
  effect = dropped & allowed_;
  return DRAGDROP_S_DROP;
}

}  // namespace

HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD allowedEffects, DWORD* effect) {
  if (data == nullptr || source == nullptr || effect == nullptr) return E_INVALIDARG;
  *effect = DROPEFFECT_NONE;
  if (!ole::OleInitializedOnThisThread()) return CO_E_NOTINITIALIZED;
  const HWND tracker = CreateTracker();
  if (tracker == nullptr) return E_OUTOFMEMORY;
  DragLoop drag(data, source, allowedEffects, tracker);
  return drag.Run(*effect);
}
