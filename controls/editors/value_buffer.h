// Reading and writing the raw value buffers of the value types: a buffer is plain bytes at any
// alignment, so values move through memcpy.  Used only by the value types' own files.
#pragma once

#include <cstring>

namespace value_buffer {

template <class T>
T Load(const void* buffer) {
  T value;
  std::memcpy(&value, buffer, sizeof value);
  return value;
}

template <class T>
void Store(void* buffer, const T& value) {
  std::memcpy(buffer, &value, sizeof value);
}

// The heap cell a reference kind's buffer points at; null before the first store.
template <class Cell>
Cell* CellOf(const void* buffer) {
  return Load<Cell*>(buffer);
}

// The buffer's cell, made (empty) when there is none yet.
template <class Cell>
Cell& EnsureCell(void* buffer) {
  Cell* cell = CellOf<Cell>(buffer);
  if (cell == nullptr) {
    cell = new Cell();
    Store(buffer, cell);
  }
  return *cell;
}

template <class Cell>
void FreeCell(void* buffer) {
  delete CellOf<Cell>(buffer);
  Store<Cell*>(buffer, nullptr);
}

// -1, 0 or 1.
template <class T>
int Sign(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace value_buffer
