#include "platform/classes/reference_fixups.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/classes/component.h"
#include "platform/classes/property_table.h"
#include "platform/core/ansi_strings.h"

namespace {

struct PendingFixup {
  TPersistent* instance;
  const TPropInfo* prop;
  TComponent* component;
  TComponent* lookupRoot;
  std::string reference;
};

struct Registry {
  std::recursive_mutex mutex;   // setters run under it and may remove fixups
  std::vector<TFindGlobalComponent> finders;
  std::vector<PendingFixup> pending;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterFindGlobalComponentProc(TFindGlobalComponent Proc) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  if (std::find(r.finders.begin(), r.finders.end(), Proc) == r.finders.end()) r.finders.push_back(Proc);
}

void UnregisterFindGlobalComponentProc(TFindGlobalComponent Proc) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  std::erase(r.finders, Proc);
}

TComponent* FindGlobalComponent(const std::string& Name) {
  std::vector<TFindGlobalComponent> finders;
  {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    finders = r.finders;
  }
  for (TFindGlobalComponent find : finders)
    if (TComponent* found = find(Name)) return found;
  return nullptr;
}

TComponent* FindNestedComponent(TComponent* Root, std::string_view NamePath) {
  if (NamePath.empty() || Root == nullptr) return nullptr;
  TComponent* current = Root;
  while (!NamePath.empty()) {
    const std::size_t dot = NamePath.find('.');
    const std::string_view name = NamePath.substr(0, dot);
    TComponent* found = current->FindComponent(name);
    if (found == nullptr && SameText(name, "Owner")) found = current;
    if (found == nullptr) return nullptr;
    current = found;
    NamePath = dot == std::string_view::npos ? std::string_view{} : NamePath.substr(dot + 1);
  }
  return current;
}

TComponent* ResolveComponentReference(TComponent* LookupRoot, const std::string& Reference) {
  if (TComponent* found = FindNestedComponent(LookupRoot, Reference)) return found;
  const std::size_t dot = Reference.find('.');
  TComponent* global = FindGlobalComponent(Reference.substr(0, dot));
  if (global == nullptr || dot == std::string::npos) return global;
  return FindNestedComponent(global, std::string_view(Reference).substr(dot + 1));
}

void AddGlobalFixup(TPersistent* Instance, const TPropInfo* Prop, TComponent* Component, TComponent* LookupRoot,
                    std::string Reference) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  r.pending.push_back({Instance, Prop, Component, LookupRoot, std::move(Reference)});
}

void GlobalFixupReferences() {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  for (std::size_t i = 0; i < r.pending.size();) {
    const PendingFixup f = r.pending[i];
    TComponent* target = ResolveComponentReference(f.lookupRoot, f.reference);
    if (target == nullptr || !target->InheritsFrom(f.prop->PropType->ClassType())) {
      ++i;
      continue;
    }
    r.pending.erase(r.pending.begin() + static_cast<std::ptrdiff_t>(i));
    SetObjectProp(f.instance, f.prop, target);
    i = 0;   // the setter may have changed the list
  }
}

void RemoveFixups(const TPersistent* Instance) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  if (r.pending.empty()) return;
  std::erase_if(r.pending, [Instance](const PendingFixup& f) {
    return f.instance == Instance || static_cast<const TPersistent*>(f.component) == Instance ||
           static_cast<const TPersistent*>(f.lookupRoot) == Instance;
  });
}

int GlobalFixupCount() {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  return static_cast<int>(r.pending.size());
}
