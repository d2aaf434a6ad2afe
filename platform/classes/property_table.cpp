// Published tables: lookup and typed property access.
#include "platform/classes/property_table.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/classes/publisher.h"
#include "platform/core/ansi_strings.h"

namespace {

template <class Thunk>
Thunk Require(Thunk thunk, const TPropInfo* prop) {
  if (thunk == nullptr)
    throw EPropertyError(Format(classes_text::kInvalidPropertyType, {prop->PropType->Name}));
  return thunk;
}

template <class Thunk>
Thunk RequireSetter(Thunk thunk, const TPropInfo* prop) {
  if (!prop->Writable) throw EPropertyError(classes_text::kReadOnlyProperty);
  return Require(thunk, prop);
}

}  // namespace

std::size_t PublishPropInfo(TClassTables& tables, TPropInfo info) {
  auto& props = tables.Props;
  for (std::size_t i = 0; i < props.size(); ++i) {
    if (SameText(props[i].Name, info.Name)) {
      info.NameIndex = static_cast<Integer>(i);
      props[i] = std::move(info);
      return i;
    }
  }
  info.NameIndex = static_cast<Integer>(props.size());
  props.push_back(std::move(info));
  return props.size() - 1;
}

void PublishMethodEntry(TClassTables& tables, TMethodEntry entry) { tables.Methods.push_back(std::move(entry)); }

void PublishFieldEntry(TClassTables& tables, TFieldEntry entry) { tables.Fields.push_back(std::move(entry)); }

TPropBuilder& TPropBuilder::Type(const TTypeInfo* typeInfo) {
  Info().PropType = typeInfo;
  return *this;
}

const TPropInfo* GetPropInfo(TClass cls, std::string_view name) {
  for (const TPropInfo& p : cls->Tables().Props)
    if (SameText(p.Name, name)) return &p;
  return nullptr;
}

const TPropInfo* GetPropInfo(const TObject* instance, std::string_view name) {
  return GetPropInfo(instance->ClassType(), name);
}

const std::vector<TPropInfo>& GetPropInfos(TClass cls) { return cls->Tables().Props; }

bool IsPublishedProp(TClass cls, std::string_view name) { return GetPropInfo(cls, name) != nullptr; }

const TMethodEntry* FindMethodEntry(TClass cls, std::string_view name) {
  for (TClass c = cls; c != nullptr; c = c->ClassParent())
    for (const TMethodEntry& m : c->Tables().Methods)
      if (SameText(m.Name, name)) return &m;
  return nullptr;
}

const TMethodEntry* FindMethodEntry(TClass cls, const TMethodCode& code) {
  if (code.IsNull()) return nullptr;
  for (TClass c = cls; c != nullptr; c = c->ClassParent())
    for (const TMethodEntry& m : c->Tables().Methods)
      if (m.Code == code) return &m;
  return nullptr;
}

std::string MethodName(TClass cls, const TMethodCode& code) {
  const TMethodEntry* m = FindMethodEntry(cls, code);
  return m != nullptr ? m->Name : std::string();
}

const TFieldEntry* FindFieldEntry(TClass cls, std::string_view name) {
  for (TClass c = cls; c != nullptr; c = c->ClassParent())
    for (const TFieldEntry& f : c->Tables().Fields)
      if (SameText(f.Name, name)) return &f;
  return nullptr;
}

TClass FindFieldClass(TClass cls, std::string_view className) {
  for (TClass c = cls; c != nullptr; c = c->ClassParent()) {
    for (const TFieldEntry& f : c->Tables().Fields) {
      for (TClass fc = f.ClassRef(); fc != nullptr; fc = fc->ClassParent())
        if (fc->ClassNameIs(className)) return fc;
    }
  }
  return nullptr;
}

Int64 GetOrdProp(const TObject* instance, const TPropInfo* prop) {
  return Require(prop->Thunks.GetOrd, prop)(instance, *prop);
}
void SetOrdProp(TObject* instance, const TPropInfo* prop, Int64 value) {
  RequireSetter(prop->Thunks.SetOrd, prop)(instance, *prop, value);
}
double GetFloatProp(const TObject* instance, const TPropInfo* prop) {
  return Require(prop->Thunks.GetFloat, prop)(instance, *prop);
}
void SetFloatProp(TObject* instance, const TPropInfo* prop, double value) {
  RequireSetter(prop->Thunks.SetFloat, prop)(instance, *prop, value);
}
std::string GetStrProp(const TObject* instance, const TPropInfo* prop) {
  return Require(prop->Thunks.GetStr, prop)(instance, *prop);
}
void SetStrProp(TObject* instance, const TPropInfo* prop, const std::string& value) {
  RequireSetter(prop->Thunks.SetStr, prop)(instance, *prop, value);
}
std::u16string GetWideStrProp(const TObject* instance, const TPropInfo* prop) {
  return Require(prop->Thunks.GetWideStr, prop)(instance, *prop);
}
void SetWideStrProp(TObject* instance, const TPropInfo* prop, const std::u16string& value) {
  RequireSetter(prop->Thunks.SetWideStr, prop)(instance, *prop, value);
}
TObject* GetObjectProp(const TObject* instance, const TPropInfo* prop) {
  return Require(prop->Thunks.GetObject, prop)(instance, *prop);
}

void SetObjectProp(TObject* instance, const TPropInfo* prop, TObject* value) {
  auto set = RequireSetter(prop->Thunks.SetObject, prop);
  if (value != nullptr && !value->InheritsFrom(prop->PropType->ClassType()))
    throw EPropertyConvertError(classes_text::kInvalidPropertyValue);
  set(instance, *prop, value);
}

TMethod GetMethodProp(const TObject* instance, const TPropInfo* prop) {
  return Require(prop->Thunks.EventOf, prop)(const_cast<TObject*>(instance), *prop)->Method();
}

void SetMethodProp(TObject* instance, const TPropInfo* prop, const TMethodEntry* method, TObject* data) {
  TEventBase* event = Require(prop->Thunks.EventOf, prop)(instance, *prop);
  if (method == nullptr || data == nullptr) {
    event->Clear();
    return;
  }
  if (*method->Signature != *prop->PropType->Signature)
    throw EPropertyConvertError(classes_text::kInvalidPropertyValue);
  method->Bind(data, method->Code, *event);
}

void SetMethodProp(TObject* instance, const TPropInfo* prop, const TMethod& value) {
  if (value.Code.IsNull() || value.Data == nullptr) {
    SetMethodProp(instance, prop, nullptr, nullptr);
    return;
  }
  const TMethodEntry* method = FindMethodEntry(value.Data->ClassType(), value.Code);
  if (method == nullptr) throw EPropertyConvertError(classes_text::kInvalidPropertyValue);
  SetMethodProp(instance, prop, method, value.Data);
}

std::string GetEnumProp(const TObject* instance, const TPropInfo* prop) {
  return GetEnumName(prop->PropType, static_cast<Integer>(GetOrdProp(instance, prop)));
}

void SetEnumProp(TObject* instance, const TPropInfo* prop, std::string_view identifier) {
  const Integer value = GetEnumValue(prop->PropType, identifier);
  if (value < 0)
    throw EPropertyConvertError(Format(classes_text::kInvalidPropertyElement, {identifier}));
  SetOrdProp(instance, prop, value);
}

std::string GetSetProp(const TObject* instance, const TPropInfo* prop, bool brackets) {
  return SetToString(prop->PropType, static_cast<UInt64>(GetOrdProp(instance, prop)), brackets);
}

void SetSetProp(TObject* instance, const TPropInfo* prop, std::string_view text) {
  SetOrdProp(instance, prop, static_cast<Int64>(StringToSet(prop->PropType, text)));
}

bool IsStoredProp(const TObject* instance, const TPropInfo* prop) {
  switch (prop->Stored) {
    case TStoredKind::Always: return true;
    case TStoredKind::Never: return false;
    case TStoredKind::ByMethod: return prop->Thunks.IsStored(instance, *prop);
  }
  return true;
}

const TPropInfo* FindPropInfo(const TObject* instance, std::string_view name) {
  const TPropInfo* prop = GetPropInfo(instance, name);
  if (prop == nullptr)
    throw EPropertyError(Format(classes_text::kUnknownProperty, {name}));
  return prop;
}
