#include "platform/classes/class_registry.h"

#include <mutex>
#include <string>
#include <vector>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/classes/persistent.h"
#include "platform/core/ansi_strings.h"

namespace {

struct Entry {
  std::string name;
  TClass cls;
};

struct Registry {
  std::mutex mutex;
  std::vector<Entry> entries;

  TClass Find(std::string_view name) const {
    for (const Entry& e : entries)
      if (SameText(e.name, name)) return e.cls;
    return nullptr;
  }
  void Add(TClass cls, std::string_view name) {
    const TClass existing = Find(name);
    if (existing == cls) return;
    if (existing != nullptr)
      throw EFilerError(Format(classes_text::kDuplicateClass, {name}));
    entries.push_back({std::string(name), cls});
  }
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterClass(TClass AClass) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  for (TClass c = AClass; c != nullptr; c = c->ClassParent()) {
    if (r.Find(c->ClassName()) == c) break;
    r.Add(c, c->ClassName());
    if (c == TPersistent::StaticClass()) break;
  }
}

void RegisterClasses(std::initializer_list<TClass> AClasses) {
  for (TClass c : AClasses) RegisterClass(c);
}

void RegisterClassAlias(TClass AClass, std::string_view Alias) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  r.Add(AClass, Alias);
}

void UnRegisterClass(TClass AClass) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  std::erase_if(r.entries, [AClass](const Entry& e) { return e.cls == AClass; });
}

void UnRegisterClasses(std::initializer_list<TClass> AClasses) {
  for (TClass c : AClasses) UnRegisterClass(c);
}

TClass GetClass(std::string_view AClassName) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  return r.Find(AClassName);
}

TClass FindClass(std::string_view ClassName) {
  TClass cls = GetClass(ClassName);
  if (cls == nullptr) throw EClassNotFound(Format(classes_text::kClassNotFound, {ClassName}));
  return cls;
}
