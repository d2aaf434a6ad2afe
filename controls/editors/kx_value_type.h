// Value types (the editor framework's typed value descriptors): for each kind of value, the size of
// its raw buffer, how buffer and Variant convert, how two buffers compare, its default display
// text and its stream format.  TkxValueType is the base; its fourteen descendants are registered in
// TkxValueTypeClassList at start-up.
//
// Descriptors are used as class references only: all their operations are "class methods" with no
// state, so each class has exactly one immutable instance, ValueTypeClassOf<T>(), which stands for
// the class; none is ever made otherwise.
//
// Buffers: a buffer is GetBufferSize bytes at the address passed, read and written without any
// alignment.  Fixed-size kinds keep the value itself; the reference kinds (string, wide string,
// Variant) keep a pointer (8 bytes) to a heap cell holding the value, null until the first store
// and freed by ReleaseBuffer.  A display text may be kept beside a value in a text buffer: a
// pointer to a heap string cell (TkxTextBuffer), null until the first StoreText, freed by
// ReleaseTextBuffer.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/stream.h"
#include "platform/core/units.h"
#include "platform/core/variant.h"

class TkxValueType;
using TkxValueTypeClass = const TkxValueType*;
using TkxTextBuffer = std::string*;

class TkxValueType {
 public:
  TkxValueType() = default;   // only ValueTypeClassOf makes one
  virtual ~TkxValueType() = default;
  TkxValueType(const TkxValueType&) = delete;
  TkxValueType& operator=(const TkxValueType&) = delete;

  virtual const char* ClassName() const { return "TkxValueType"; }

  // CompareData of the two buffers (reference kinds: of their cells).
  virtual Integer CompareBuffers(const void* Buffer1, const void* Buffer2) const;
  virtual void ReleaseBuffer(void* Buffer) const;
  void ReleaseTextBuffer(TkxTextBuffer& TextBuffer) const;
  virtual Integer GetBufferSize() const;
  // Null in the base.
  virtual void ReadBufferValue(const void* Buffer, Variant& Value) const;
  // The value's text; empty when that conversion raises a variant error.
  virtual void FormatBufferValue(const void* Buffer, std::string& Text) const;
  void ReadBufferText(TkxTextBuffer TextBuffer, std::string& Text) const;
  // Reads a value in the kind's stream format and stores it with StoreValue.
  virtual void LoadValue(void* Buffer, TStream* Stream) const;
  void LoadText(TkxTextBuffer& TextBuffer, TStream* Stream) const;
  // Converts the value to the kind's type and stores it; nothing in the base.
  virtual void StoreValue(void* Buffer, const Variant& Value) const;
  void StoreText(TkxTextBuffer& TextBuffer, const std::string& Text) const;
  virtual void SaveValue(const void* Buffer, TStream* Stream) const;
  void SaveText(TkxTextBuffer TextBuffer, TStream* Stream) const;
  // The class name less a leading "Tkx" and its first "ValueType": "String", "DateTime".
  std::string GetTypeCaption() const;
  virtual Integer CompareData(const void* Data1, const void* Data2) const;
  // ReadBufferValue; the reference kinds take Data as the cell itself.
  virtual void DataToVariant(const void* Data, Variant& Value) const;
  virtual TVarType GetVariantType() const;
  // True for Null and for a descriptor of varVariant; otherwise converts Value in place to the
  // kind's Variant type, false when that raises a variant error (other errors pass on).
  virtual bool CanConvert(Variant& Value) const;
  virtual bool IsTextType() const;
  // Reference kinds: Data := the cell pointer kept at Data.
  virtual void DerefBuffer(const void*& Data) const;
};

// The class reference of descriptor class T.
template <class T>
TkxValueTypeClass ValueTypeClassOf() {
  static const T instance{};
  return &instance;
}

class TkxValueTypeClassList {
 public:
  // A class already listed is not added again.
  void Register(TkxValueTypeClass AClass);
  void Unregister(TkxValueTypeClass AClass);
  Integer Count() const { return Integer(items_.size()); }
  TkxValueTypeClass Items(Integer Index) const { return items_.at(std::size_t(Index)); }

 private:
  std::vector<TkxValueTypeClass> items_;
};

// The unit's list, made on first use.
TkxValueTypeClassList* GetValueTypeClassList();
// Frees the unit's list (the unit's shut-down).
void FreeValueTypeClassList();
