// Events: the class library's method pointers ("procedure ... of object") as Event<Sig>.
//
// An event is unassigned, bound to a method of an object (Bind), or assigned any callable.  It is
// called only when assigned: calling an unassigned event does nothing (and answers R{}).  A bound
// event remembers its TMethod (the object and the erased method pointer) so that the component
// writer can name the method and Assign helpers can compare events; a callable has no TMethod.
// SameHandler tells whether two events hold the same handler: the same method of the same object,
// or copies of one and the same callable assignment (two lambdas are never the same handler).
//     Event<void(TObject* Sender)> OnClick;      if (OnClick) ...      OnClick(this);
//     OnClick.Bind(form, &TForm1::Button1Click);  OnClick = [&](TObject*) { ... };
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <type_traits>
#include <utility>

class TObject;

// A method pointer with its class erased (its bytes); only compared and handed back to the class
// that made it.  All bytes zero: no method.
struct TMethodCode {
  alignas(void*) unsigned char bytes[16] = {};
  bool IsNull() const { return *this == TMethodCode{}; }
  friend bool operator==(const TMethodCode& a, const TMethodCode& b) {
    return std::memcmp(a.bytes, b.bytes, sizeof a.bytes) == 0;
  }
};

struct TMethod {
  TMethodCode Code;
  TObject* Data = nullptr;
  friend bool operator==(const TMethod&, const TMethod&) = default;
};

template <class M>
TMethodCode EraseMethod(M method) {
  static_assert(std::is_member_function_pointer_v<M> && sizeof(M) <= sizeof(TMethodCode::bytes));
  TMethodCode code;
  std::memcpy(code.bytes, &method, sizeof(M));
  return code;
}
template <class M>
M RestoreMethod(const TMethodCode& code) {
  M method;
  std::memcpy(&method, code.bytes, sizeof(M));
  return method;
}

// The untyped face of every event, used by the property system.
class TEventBase {
 public:
  virtual ~TEventBase() = default;
  const TMethod& Method() const { return method_; }
  virtual void Clear() = 0;
  bool SameHandler(const TEventBase& Other) const {
    if (!method_.Code.IsNull() || !Other.method_.Code.IsNull()) return method_ == Other.method_;
    return identity_ != 0 && identity_ == Other.identity_;
  }

 protected:
  // A new number for each assignment; copies of an event keep their assignment's.
  static std::uint64_t NextIdentity();

  TMethod method_;
  std::uint64_t identity_ = 0;   // 0: unassigned
};

template <class Sig>
class Event;

template <class R, class... A>
class Event<R(A...)> final : public TEventBase {
 public:
  using Signature = R(A...);

  Event() = default;
  Event(const Event&) = default;
  Event& operator=(const Event&) = default;

  template <class F, class = std::enable_if_t<std::is_invocable_r_v<R, F&, A...> &&
                                              !std::is_same_v<std::decay_t<F>, Event>>>
  Event& operator=(F&& callable) {
    call_ = std::forward<F>(callable);
    method_ = {};
    identity_ = NextIdentity();
    return *this;
  }
  Event& operator=(std::nullptr_t) {
    Clear();
    return *this;
  }

  // Binds a method of object: the call becomes (object->*method)(args...).
  template <class C, class B>
  void Bind(C* object, R (B::*method)(A...)) {
    B* target = object;
    call_ = [target, method](A... args) -> R { return (target->*method)(std::forward<A>(args)...); };
    method_.Code = EraseMethod(method);
    identity_ = NextIdentity();
    if constexpr (std::is_base_of_v<TObject, B>)
      method_.Data = static_cast<TObject*>(target);
    else
      method_.Data = nullptr;
  }

  void Clear() override {
    call_ = nullptr;
    method_ = {};
    identity_ = 0;
  }
  explicit operator bool() const { return static_cast<bool>(call_); }

  R operator()(A... args) const {
    if (call_) return call_(std::forward<A>(args)...);
    if constexpr (!std::is_void_v<R>) return R{};
  }

 private:
  std::function<R(A...)> call_;
};

using TNotifyEvent = Event<void(TObject* Sender)>;
