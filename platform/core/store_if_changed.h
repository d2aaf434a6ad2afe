// Setters that act only on a real change.
#pragma once

// Stores Value in Field and answers whether Field held another value; the caller then notifies.
template <class T>
bool StoreIfChanged(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
