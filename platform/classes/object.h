// TObject and class references: the root of the class library's class tree.
//
// Every class of the component model declares itself with PR_CLASS(Name, Parent) in its body and
// defines its class reference with PR_PUBLISH(Name) { ... } (or PR_IMPLEMENT_CLASS(Name)) in its
// .cpp.  A class reference (TClass, a pointer to the class's one TMetaClass) answers the class's
// name and parent, creates instances by class (a "virtual constructor") and holds the class's
// published tables: properties, methods and fields (property_table.h).
//
// Creation by class: a class that declares `using TCreateArg = X*;` (TComponent: its Owner,
// TCollectionItem: its Collection) is created with that argument; other classes with their default
// constructor; abstract classes cannot be created.
//
// Invariants: one TMetaClass per class, alive for the whole program, built on first use; the
// parent chain ends at TObject; published tables never change once built.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/core/types.h"

class TObject;
struct TMetaClass;
struct TClassTables;
using TClass = const TMetaClass*;
template <class C>
class TPublisher;

struct TMetaClass {
  using Factory = TObject* (*)(TObject* createArg);
  using Publisher = void (*)(TClassTables& tables);

  TMetaClass(const char* name, TClass parent, Factory factory, Publisher publish);
  ~TMetaClass();
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;

  const std::string& ClassName() const { return name_; }
  TClass ClassParent() const { return parent_; }
  bool InheritsFrom(TClass ancestor) const;
  bool ClassNameIs(std::string_view name) const;   // ignores ASCII case
  bool CanCreate() const { return factory_ != nullptr; }
  // A new instance, after its AfterConstruction; EInvalidOperation for a class that cannot be
  // created, EInvalidCast when createArg is not of the kind the class is created with.
  TObject* Create(TObject* createArg = nullptr) const;
  const TClassTables& Tables() const { return *tables_; }

 private:
  std::string name_;
  TClass parent_;
  Factory factory_;
  std::unique_ptr<TClassTables> tables_;
};

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType()->ClassName(); }
  TClass ClassParent() const { return ClassType()->ClassParent(); }
  bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }
  bool ClassNameIs(std::string_view name) const { return ClassType()->ClassNameIs(name); }

  // Run once the whole object exists / while it still does: C++ constructors and destructors
  // cannot reach a descendant's parts, so work that needs them (reading a form image, starting a
  // thread, OnCreate / OnDestroy handlers) happens here.  NewObject and creation by class
  // reference call AfterConstruction; FreeObject, TObjectDeleter and an owner freeing its
  // components call BeforeDestruction.
  virtual void AfterConstruction() {}
  virtual void BeforeDestruction() {}
};

// new T(args...) followed by AfterConstruction (the object is freed if that raises).
template <class T, class... Args>
T* NewObject(Args&&... args);
// BeforeDestruction, then delete; nullptr is ignored.
void FreeObject(TObject* Object);
struct TObjectDeleter {
  void operator()(TObject* Object) const { FreeObject(Object); }
};

// The class reference of C (C::StaticClass()), for templates and terse call sites.
template <class C>
TClass ClassOf() {
  return C::StaticClass();
}

// Creates an instance of cls as a T (EInvalidCast when cls is no T).
template <class T>
T* CreateInstance(TClass cls, TObject* createArg = nullptr);

// Inside a class body, first thing: declares the class reference and the class's publisher.
// Leaves the access at private.
#define PR_CLASS(Name, Parent)                                        \
 public:                                                              \
  using inherited = Parent;                                           \
  static TClass StaticClass();                                        \
  TClass ClassType() const override { return StaticClass(); }         \
                                                                      \
 private:                                                             \
  static void Publish(TPublisher<Name>& p);

// --- implementation details of the templates above ---
[[noreturn]] void RaiseInvalidCast();

template <class T, class... Args>
T* NewObject(Args&&... args) {
  T* object = new T(std::forward<Args>(args)...);
  try {
    object->AfterConstruction();
  } catch (...) {
    delete object;
    throw;
  }
  return object;
}

template <class T>
T* CreateInstance(TClass cls, TObject* createArg) {
  if (!cls->InheritsFrom(T::StaticClass())) RaiseInvalidCast();
  return static_cast<T*>(cls->Create(createArg));
}
