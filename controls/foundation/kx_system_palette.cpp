// The shared palette listener, its reference count and its broadcast.
//
// Invariant: the listener exists exactly while the count of live notifiers is above zero, or while
// it is broadcasting (a handler that frees the last notifier leaves the listener to be freed when
// the broadcast ends, so the walk never touches freed lists).
#include "controls/foundation/kx_system_palette.h"

#include <memory>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/notifier_list.h"
#include "platform/ui/object_instance.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"

namespace {

class TkxSystemPaletteChangedListener {
 public:
  TkxSystemPaletteChangedListener();
  ~TkxSystemPaletteChangedListener();

  void Join(TkxSystemPaletteChangedNotifier* Notifier);
  void Leave(TkxSystemPaletteChangedNotifier* Notifier);
  bool Broadcasting() const { return broadcasting_ > 0; }

 private:
  void WndProc(TMessage& Message);
  void BroadcastChange();
  TNotifierList<TkxSystemPaletteChangedNotifier>& ListOf(const TkxSystemPaletteChangedNotifier* Notifier) {
    return Notifier->Primary() ? primaryNotifiers_ : notifiers_;
  }

  HWND window_ = nullptr;
  TNotifierList<TkxSystemPaletteChangedNotifier> notifiers_;
  TNotifierList<TkxSystemPaletteChangedNotifier> primaryNotifiers_;
  Integer broadcasting_ = 0;
};

// A plain pointer, never destroyed at exit: notifiers held by other statics (the brush cache) leave
// it during their own exit-time destruction, which may come after this file's.
TkxSystemPaletteChangedListener* listener = nullptr;
Integer listenerRefCount = 0;

void FreePaletteListener() {
  delete listener;
  listener = nullptr;
}

TkxSystemPaletteChangedListener* AcquirePaletteListener() {
  if (listenerRefCount++ == 0 && listener == nullptr) listener = new TkxSystemPaletteChangedListener();
  return listener;
}

void ReleasePaletteListener() {
  if (--listenerRefCount == 0 && !listener->Broadcasting()) FreePaletteListener();
}

TkxSystemPaletteChangedListener::TkxSystemPaletteChangedListener() {
  Office11ColorsAddRef();
  TWndMethod method;
  method.Bind(this, &TkxSystemPaletteChangedListener::WndProc);
  window_ = AllocateHWnd(method);
}

TkxSystemPaletteChangedListener::~TkxSystemPaletteChangedListener() {
  DeallocateHWnd(window_);
  Office11ColorsRelease();
}

void TkxSystemPaletteChangedListener::Join(TkxSystemPaletteChangedNotifier* Notifier) { ListOf(Notifier).Add(Notifier); }

void TkxSystemPaletteChangedListener::Leave(TkxSystemPaletteChangedNotifier* Notifier) {
  ListOf(Notifier).Remove(Notifier);
}

void TkxSystemPaletteChangedListener::WndProc(TMessage& Message) {
  struct DefaultAnswer {
    HWND window;
    TMessage& message;
    ~DefaultAnswer() { message.Result = DefWindowProcA(window, message.Msg, message.WParam, message.LParam); }
  } answer{window_, Message};
  if (Message.Msg == WM_SYSCOLORCHANGE) BroadcastChange();
}

void TkxSystemPaletteChangedListener::BroadcastChange() {
  ++broadcasting_;
  struct EndBroadcast {
    TkxSystemPaletteChangedListener* self;
    ~EndBroadcast() {
      if (--self->broadcasting_ == 0 && listenerRefCount == 0) FreePaletteListener();
    }
  } end{this};
  Office11ColorsRefresh();
  const auto fire = [](TkxSystemPaletteChangedNotifier* notifier) { notifier->FireChanged(); };
  primaryNotifiers_.Walk(true, fire);
  notifiers_.Walk(true, fire);
}

}  // namespace

TkxSystemPaletteChangedNotifier::TkxSystemPaletteChangedNotifier(bool APrimary) : primary_(APrimary) {
  AcquirePaletteListener()->Join(this);
}

TkxSystemPaletteChangedNotifier::~TkxSystemPaletteChangedNotifier() {
  listener->Leave(this);
  ReleasePaletteListener();
}

void TkxSystemPaletteChangedNotifier::FireChanged() { OnSystemPaletteChanged(); }

bool IsPaletteListenerAlive() { return listener != nullptr; }
