// Interfaces: the class library's reference-counted IInterface, TInterfacedObject and a smart
// reference TInterfacePtr<I>.
//
// An object implementing interfaces derives from TInterfacedObject (counted: freed when the last
// reference goes) or implements _AddRef/_Release itself (components answer -1 and live by their
// owner).  Asking an object for another interface is a dynamic_cast (Supports).  Invariant: a
// TInterfacePtr holds exactly one reference to what it points at.
#pragma once

#include <atomic>
#include <utility>

#include "platform/classes/object.h"

class IInterface {
 public:
  virtual Integer _AddRef() = 0;
  virtual Integer _Release() = 0;

 protected:
  ~IInterface() = default;   // objects go through _Release, never delete on an interface
};

class TInterfacedObject : public TObject, public IInterface {
  PR_CLASS(TInterfacedObject, TObject)

 public:
  TInterfacedObject() = default;
  Integer _AddRef() override { return ++refCount_; }
  Integer _Release() override;
  Integer RefCount() const { return refCount_; }

 private:
  std::atomic<Integer> refCount_{0};
};

template <class I>
class TInterfacePtr {
 public:
  TInterfacePtr() = default;
  TInterfacePtr(std::nullptr_t) {}
  TInterfacePtr(I* p) : p_(p) {
    if (p_ != nullptr) p_->_AddRef();
  }
  TInterfacePtr(const TInterfacePtr& other) : TInterfacePtr(other.p_) {}
  TInterfacePtr(TInterfacePtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  TInterfacePtr& operator=(TInterfacePtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~TInterfacePtr() {
    if (p_ != nullptr) p_->_Release();
  }
  I* get() const { return p_; }
  I* operator->() const { return p_; }
  I& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }
  friend bool operator==(const TInterfacePtr& a, const TInterfacePtr& b) { return a.p_ == b.p_; }

 private:
  I* p_ = nullptr;
};

// The interface J of what p points at, or nullptr.
template <class J, class I>
J* Supports(I* p) {
  return dynamic_cast<J*>(p);
}
