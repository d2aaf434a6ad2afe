// PR_STORED_PROPERTY(Type, Name, Initial): a property of a settings object that only stores its
// value: Name() reads it and SetName(Value) writes it, with no effect besides.  The field is
// Name_, so the class's publisher can name it.  The macro leaves the access at private.
#pragma once

#define PR_STORED_PROPERTY(Type, Name, Initial)   \
 public:                                          \
  Type Name() const { return Name##_; }           \
  void Set##Name(Type Value) { Name##_ = Value; } \
                                                  \
 private:                                         \
  Type Name##_ = Initial;
