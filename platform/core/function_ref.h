// TFunctionRef<Sig>: a non-owning reference to any callable, for callbacks that do not outlive
// the call they are passed to (GetChildren's procedure, list walkers).  Cheap to pass by value.
#pragma once

#include <type_traits>
#include <utility>

template <class Sig>
class TFunctionRef;

template <class R, class... A>
class TFunctionRef<R(A...)> {
 public:
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TFunctionRef> &&
                                              std::is_invocable_r_v<R, F&, A...>>>
  TFunctionRef(F&& f)  // NOLINT: implicit by design, like a function pointer
      : object_(const_cast<void*>(static_cast<const void*>(&f))),
        call_([](void* o, A... a) -> R { return (*static_cast<std::remove_reference_t<F>*>(o))(std::forward<A>(a)...); }) {}

  R operator()(A... a) const { return call_(object_, std::forward<A>(a)...); }

 private:
  void* object_;
  R (*call_)(void*, A...);
};
