// TkxScopedValue: sets a variable for the length of a scope and gives it back its value at the
// end, also when an exception leaves the scope (re-entry flags, nesting counters).
#pragma once

#include <utility>

template <class T>
class TkxScopedValue {
 public:
  TkxScopedValue(T& Variable, T Value) : variable_(Variable), saved_(std::exchange(Variable, std::move(Value))) {}
  ~TkxScopedValue() { variable_ = std::move(saved_); }
  TkxScopedValue(const TkxScopedValue&) = delete;
  TkxScopedValue& operator=(const TkxScopedValue&) = delete;

 private:
  T& variable_;
  T saved_;
};
