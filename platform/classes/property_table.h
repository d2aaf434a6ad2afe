// Published tables of a class and typed access to published properties by run-time information.
//
// Each class reference holds a TClassTables: its published properties (the parent's first, then
// its own in declaration order; a class that publishes a name again replaces the entry in place),
// its published methods (event handlers a component stream binds by name) and its published
// fields (component references an owner gets when a component of that name joins it).  The
// tables are filled by the class's publisher (publisher.h) and read by the component reader and
// writer, Assign helpers and scripting descriptions: one mechanism for all of them.
//
// Value categories: ordinal properties (integers, characters, enumerations, Boolean, sets as bit
// masks, Int64, and Currency as its raw count of ten-thousandths) go through Get/SetOrdProp;
// floats through Get/SetFloatProp; 8-bit and wide strings, objects and events through their own
// pair.  Invariants: every TPropInfo has a getter for its category; NameIndex is its position.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/event.h"
#include "platform/classes/object.h"
#include "platform/classes/type_info.h"

inline constexpr Integer NoDefault = static_cast<Integer>(0x80000000);

// A member pointer (function or data) kept as bytes; the thunks that stored it read it back.
struct TMemberBytes {
  alignas(void*) unsigned char bytes[16] = {};
};

struct TPropInfo;
enum class TStoredKind : Byte { Always, Never, ByMethod };

struct TPropThunks {
  Int64 (*GetOrd)(const TObject*, const TPropInfo&) = nullptr;
  void (*SetOrd)(TObject*, const TPropInfo&, Int64) = nullptr;
  double (*GetFloat)(const TObject*, const TPropInfo&) = nullptr;
  void (*SetFloat)(TObject*, const TPropInfo&, double) = nullptr;
  std::string (*GetStr)(const TObject*, const TPropInfo&) = nullptr;
  void (*SetStr)(TObject*, const TPropInfo&, const std::string&) = nullptr;
  std::u16string (*GetWideStr)(const TObject*, const TPropInfo&) = nullptr;
  void (*SetWideStr)(TObject*, const TPropInfo&, const std::u16string&) = nullptr;
  TObject* (*GetObject)(const TObject*, const TPropInfo&) = nullptr;
  void (*SetObject)(TObject*, const TPropInfo&, TObject*) = nullptr;
  TEventBase* (*EventOf)(TObject*, const TPropInfo&) = nullptr;
  bool (*IsStored)(const TObject*, const TPropInfo&) = nullptr;
};

struct TPropInfo {
  std::string Name;
  const TTypeInfo* PropType = nullptr;
  Integer Default = NoDefault;   // ordinal properties: the value the writer leaves out
  Integer NameIndex = 0;
  bool Writable = false;         // has a setter
  TStoredKind Stored = TStoredKind::Always;
  TMemberBytes Getter, Setter, StoredMethod;
  TPropThunks Thunks;

  TTypeKind Kind() const { return PropType->Kind; }
};

// A published method: what a component stream names as an event handler.
struct TMethodEntry {
  std::string Name;
  TMethodCode Code;
  const std::type_info* Signature = nullptr;
  // Binds the method of data (an instance of the publishing class) to event, whose signature
  // the caller has checked.
  void (*Bind)(TObject* data, const TMethodCode& code, TEventBase& event) = nullptr;
};

// A published field: a component reference of the owner, set when a component of that name is
// inserted into the owner and cleared when it leaves.
struct TFieldEntry {
  std::string Name;
  TClass (*ClassRef)() = nullptr;
  TMemberBytes Member;
  void (*Set)(TObject* owner, const TFieldEntry& self, TObject* value) = nullptr;
};

struct TClassTables {
  std::vector<TPropInfo> Props;
  std::vector<TMethodEntry> Methods;   // this class's own
  std::vector<TFieldEntry> Fields;     // this class's own
};

// Lookup (names ignore ASCII case); nullptr when absent.
const TPropInfo* GetPropInfo(TClass cls, std::string_view name);
const TPropInfo* GetPropInfo(const TObject* instance, std::string_view name);
const std::vector<TPropInfo>& GetPropInfos(TClass cls);
bool IsPublishedProp(TClass cls, std::string_view name);
const TMethodEntry* FindMethodEntry(TClass cls, std::string_view name);   // MethodAddress
const TMethodEntry* FindMethodEntry(TClass cls, const TMethodCode& code);
std::string MethodName(TClass cls, const TMethodCode& code);                   // "" when unpublished
const TFieldEntry* FindFieldEntry(TClass cls, std::string_view name);
// The class of a published field whose class is named className (searching cls and its parents).
TClass FindFieldClass(TClass cls, std::string_view className);

// Typed access; using the wrong category raises EPropertyError.
Int64 GetOrdProp(const TObject* instance, const TPropInfo* prop);
void SetOrdProp(TObject* instance, const TPropInfo* prop, Int64 value);
double GetFloatProp(const TObject* instance, const TPropInfo* prop);
void SetFloatProp(TObject* instance, const TPropInfo* prop, double value);
std::string GetStrProp(const TObject* instance, const TPropInfo* prop);
void SetStrProp(TObject* instance, const TPropInfo* prop, const std::string& value);
std::u16string GetWideStrProp(const TObject* instance, const TPropInfo* prop);
void SetWideStrProp(TObject* instance, const TPropInfo* prop, const std::u16string& value);
TObject* GetObjectProp(const TObject* instance, const TPropInfo* prop);
// EPropertyConvertError when value is not of the property's class.
void SetObjectProp(TObject* instance, const TPropInfo* prop, TObject* value);
TMethod GetMethodProp(const TObject* instance, const TPropInfo* prop);
// Binds the published method value.Code of value.Data (nullptr Code clears the event);
// EPropertyConvertError when value.Data publishes no such method or its signature differs.
void SetMethodProp(TObject* instance, const TPropInfo* prop, const TMethod& value);
// Binds a published method of data to the event property.
void SetMethodProp(TObject* instance, const TPropInfo* prop, const TMethodEntry* method, TObject* data);
std::string GetEnumProp(const TObject* instance, const TPropInfo* prop);
void SetEnumProp(TObject* instance, const TPropInfo* prop, std::string_view identifier);
std::string GetSetProp(const TObject* instance, const TPropInfo* prop, bool brackets = false);
void SetSetProp(TObject* instance, const TPropInfo* prop, std::string_view text);
bool IsStoredProp(const TObject* instance, const TPropInfo* prop);

// By name; EPropertyError "Property %s does not exist" when the class publishes no such name.
const TPropInfo* FindPropInfo(const TObject* instance, std::string_view name);
