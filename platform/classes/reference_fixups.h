// Component references read from streams, resolved by name once their targets exist.
//
// A reader records each reference property it reads as a fixup (instance, property, lookup root,
// reference text such as "Button1", "Form2.Button1" or "Owner") and resolves them after the
// whole stream is read.  References still unresolved then wait in one process-wide list and are
// tried again after every later root component is read (GlobalFixupReferences), so a form may name
// a component of a form loaded after it.  Invariant: no pending fixup outlives its instance or
// lookup root: TComponent and TCollectionItem destructors call RemoveFixups.
//
// Global components are the top-level components (forms, data modules) a reference may start
// with; the layers that own them register a finder.
#pragma once

#include <string>
#include <string_view>

class TComponent;
class TPersistent;
struct TPropInfo;

using TFindGlobalComponent = TComponent* (*)(const std::string& Name);
void RegisterFindGlobalComponentProc(TFindGlobalComponent Proc);
void UnregisterFindGlobalComponentProc(TFindGlobalComponent Proc);
TComponent* FindGlobalComponent(const std::string& Name);

// Follows a dotted path of component names from Root ("Panel1.Button1"); "Owner" names the
// current component itself.  nullptr when a step is missing.
TComponent* FindNestedComponent(TComponent* Root, std::string_view NamePath);

// Resolves Reference from LookupRoot, then from the global components: nullptr when not found.
TComponent* ResolveComponentReference(TComponent* LookupRoot, const std::string& Reference);

// Pending (globally waiting) references.
// Component: the component whose stream data held the reference (Instance itself or its owner of
// a sub-object or collection item); its destruction drops the fixup too.
void AddGlobalFixup(TPersistent* Instance, const TPropInfo* Prop, TComponent* Component, TComponent* LookupRoot,
                    std::string Reference);
void GlobalFixupReferences();
void RemoveFixups(const TPersistent* Instance);
int GlobalFixupCount();
