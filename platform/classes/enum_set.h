// TSet<E>: the class library's "set of" an enumeration, for enumerations of at most 64 values.
//
// Element e is bit e of one 64-bit mask, the layout the property system and the component stream
// read and write (ToMask/FromMask).  Values are plain data: copy, compare, combine.
#pragma once

#include <initializer_list>

#include "platform/core/types.h"

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) mask_ |= Bit(e);
  }
  static constexpr TSet FromMask(UInt64 mask) {
    TSet s;
    s.mask_ = mask;
    return s;
  }
  constexpr UInt64 ToMask() const { return mask_; }

  constexpr bool Contains(E e) const { return (mask_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return mask_ == 0; }
  constexpr TSet& Include(E e) { mask_ |= Bit(e); return *this; }
  constexpr TSet& Exclude(E e) { mask_ &= ~Bit(e); return *this; }

  friend constexpr TSet operator+(TSet a, TSet b) { return FromMask(a.mask_ | b.mask_); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromMask(a.mask_ & ~b.mask_); }
  friend constexpr TSet operator*(TSet a, TSet b) { return FromMask(a.mask_ & b.mask_); }
  friend constexpr bool operator<=(TSet a, TSet b) { return (a.mask_ & ~b.mask_) == 0; }
  friend constexpr bool operator==(TSet a, TSet b) = default;

 private:
  static constexpr UInt64 Bit(E e) { return UInt64{1} << static_cast<unsigned>(e); }
  UInt64 mask_ = 0;
};

template <class T>
inline constexpr bool kIsTSet = false;
template <class E>
inline constexpr bool kIsTSet<TSet<E>> = true;
