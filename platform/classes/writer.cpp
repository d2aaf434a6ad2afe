// TWriter: the binary component stream writer.
#include "platform/classes/writer.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/classes/integer_idents.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/property_table.h"
#include "platform/classes/publisher.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/core/currency.h"
#include "platform/core/extended80.h"

PR_IMPLEMENT_CLASS(TWriter)

namespace {

static_assert(std::endian::native == std::endian::little, "stream values are little-endian");

template <class T>
class ScopedValue {
 public:
  ScopedValue(T& field, T value) : field_(field), saved_(field) { field_ = value; }
  ~ScopedValue() { field_ = saved_; }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& field_;
  T saved_;
};

bool IsAscii(const std::u16string& s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return c < 0x80; });
}

// Marks a component and its sub-components as being written for as long as the scope lasts.
class WritingState {
 public:
  explicit WritingState(TComponent* component) : component_(component) { Set(true); }
  ~WritingState() { Set(false); }
  WritingState(const WritingState&) = delete;
  WritingState& operator=(const WritingState&) = delete;

 private:
  void Set(bool on) {
    auto mark = [on](TComponent* c) { on ? c->IncludeState(csWriting) : c->ExcludeState(csWriting); };
    mark(component_);
    for (Integer i = 0; i < component_->ComponentCount(); ++i)
      if (component_->Components(i)->ComponentStyle().Contains(csSubComponent)) mark(component_->Components(i));
  }
  TComponent* component_;
};

}  // namespace

TWriter::TWriter(TStream* Stream, Integer BufSize) : TFiler(Stream, BufSize) {}

TWriter::~TWriter() {
  try {
    FlushBuffer();
  } catch (...) {
    // A destructor must not throw; a failing flush was reported by the write that filled the buffer
    // or is reported to whoever calls FlushBuffer explicitly.
  }
}

void TWriter::WriteBuffer() {
  const Integer n = bufPos_;
  bufPos_ = 0;
  stream_->WriteBuffer(buffer_.data(), n);
}

void TWriter::FlushBuffer() { WriteBuffer(); }

void TWriter::Write(const void* Buf, Integer Count) {
  const auto* in = static_cast<const Byte*>(Buf);
  while (Count > 0) {
    if (bufPos_ == static_cast<Integer>(buffer_.size())) WriteBuffer();
    const Integer n = std::min(Count, static_cast<Integer>(buffer_.size()) - bufPos_);
    std::memcpy(buffer_.data() + bufPos_, in, static_cast<std::size_t>(n));
    bufPos_ += n;
    in += n;
    Count -= n;
  }
}

Int64 TWriter::Position() const { return stream_->Position() + bufPos_; }

void TWriter::SetPosition(Int64 Value) {
  const Int64 streamPosition = stream_->Position();
  if (Value >= streamPosition && Value <= streamPosition + bufPos_) {
    bufPos_ = static_cast<Integer>(Value - streamPosition);
  } else {
    WriteBuffer();
    stream_->SetPosition(Value);
  }
}

void TWriter::WriteValue(TValueType Value) {
  const Byte b = Value;
  Write(&b, 1);
}

void TWriter::WriteSignature() { Write(FilerSignature, 4); }

void TWriter::WritePrefix(TFilerFlags Flags, Integer AChildPos) {
  if (Flags.Empty()) return;
  const Byte prefix = static_cast<Byte>(0xF0 | Flags.ToMask());
  Write(&prefix, 1);
  if (Flags.Contains(ffChildPos)) WriteInteger(AChildPos);
}

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }

void TWriter::WriteChar(char Value) { WriteString(std::string(1, Value)); }

void TWriter::WriteWideChar(char16_t Value) { WriteWideString(std::u16string(1, Value)); }

void TWriter::WriteInteger(Integer Value) {
  if (Value >= -128 && Value <= 127) {
    WriteValue(vaInt8);
    const auto v = static_cast<ShortInt>(Value);
    Write(&v, 1);
  } else if (Value >= -32768 && Value <= 32767) {
    WriteValue(vaInt16);
    const auto v = static_cast<SmallInt>(Value);
    Write(&v, 2);
  } else {
    WriteValue(vaInt32);
    Write(&Value, 4);
  }
}

void TWriter::WriteInteger(Int64 Value) {
  if (Value >= INT32_MIN && Value <= INT32_MAX) {
    WriteInteger(static_cast<Integer>(Value));
    return;
  }
  WriteValue(vaInt64);
  Write(&Value, 8);
}

void TWriter::WriteExtended(const Extended80& Value) {
  WriteValue(vaExtended);
  Write(Value.bytes.data(), Extended80::kSize);
}

void TWriter::WriteFloat(double Value) { WriteExtended(DoubleToExtended80(Value)); }

void TWriter::WriteSingle(float Value) {
  WriteValue(vaSingle);
  Write(&Value, 4);
}

void TWriter::WriteCurrency(Currency Value) {
  WriteValue(vaCurrency);
  const Int64 raw = Value.Raw();
  Write(&raw, 8);
}

void TWriter::WriteDate(TDateTime Value) {
  WriteValue(vaDate);
  Write(&Value, 8);
}

void TWriter::WriteIdent(const std::string& Ident) {
  if (SameText(Ident, "False")) WriteValue(vaFalse);
  else if (SameText(Ident, "True")) WriteValue(vaTrue);
  else if (SameText(Ident, "Null")) WriteValue(vaNull);
  else if (SameText(Ident, "nil")) WriteValue(vaNil);
  else {
    WriteValue(vaIdent);
    WriteStr(Ident);
  }
}

void TWriter::WriteStr(const std::string& Value) {
  const Byte length = static_cast<Byte>(std::min<std::size_t>(Value.size(), 255));
  Write(&length, 1);
  Write(Value.data(), length);
}

void TWriter::WriteString(const std::string& Value) {
  const auto length = static_cast<Integer>(Value.size());
  if (length <= 255) {
    WriteValue(vaString);
    const auto b = static_cast<Byte>(length);
    Write(&b, 1);
  } else {
    WriteValue(vaLString);
    Write(&length, 4);
  }
  Write(Value.data(), length);
}

void TWriter::WriteWideString(const std::u16string& Value) {
  if (IsAscii(Value)) {
    WriteString(Utf16ToCp874(Value));
    return;
  }
  WriteValue(vaWString);
  const auto length = static_cast<Integer>(Value.size());
  Write(&length, 4);
  Write(Value.data(), length * 2);
}

void TWriter::WriteBinary(const TStreamProc& WriteData) {
  TMemoryStream data;
  WriteData(&data);
  WriteValue(vaBinary);
  const auto count = static_cast<Integer>(data.Size());
  Write(&count, 4);
  Write(data.Memory(), count);
}

void TWriter::WritePropName(const std::string& PropName) { WriteStr(propPath_ + PropName); }

void TWriter::DefineProperty(const std::string& Name, const TReaderProc&, const TWriterProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const std::string& Name, const TStreamProc&, const TStreamProc& WriteData,
                                   bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteBinary(WriteData);
}

void TWriter::WriteCollection(TCollection* Value) {
  ScopedValue<TPersistent*> noAncestor(ancestor_, nullptr);
  WriteValue(vaCollection);
  if (Value != nullptr) {
    for (Integer i = 0; i < Value->Count(); ++i) {
      WriteListBegin();
      WriteProperties(Value->Items(i));
      WriteListEnd();
    }
  }
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* Instance) {
  for (const TPropInfo& prop : GetPropInfos(Instance->ClassType()))
    if (IsStoredProp(Instance, &prop)) WriteProperty(Instance, &prop);
  Instance->DefineProperties(this);
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo* Prop) {
  if (!Prop->Writable) {
    if (Prop->Kind() != tkClass) return;
    auto* sub = dynamic_cast<TComponent*>(GetObjectProp(Instance, Prop));
    if (sub == nullptr || !sub->ComponentStyle().Contains(csSubComponent)) return;
  }
  const bool ancestorValid =
      ancestor_ != nullptr && (Instance->ClassType() == ancestor_->ClassType() || Instance == root_);
  switch (Prop->Kind()) {
    case tkInteger: case tkChar: case tkWChar: case tkEnumeration: case tkSet: case tkInt64:
      WriteOrdProp(Instance, Prop, ancestorValid);
      break;
    case tkFloat: WriteFloatProp(Instance, Prop, ancestorValid); break;
    case tkString: case tkLString: {
      const std::string value = GetStrProp(Instance, Prop);
      if (ancestorValid ? value == GetStrProp(ancestor_, Prop) : value.empty()) return;
      WritePropName(Prop->Name);
      WriteString(value);
      break;
    }
    case tkWString: {
      const std::u16string value = GetWideStrProp(Instance, Prop);
      if (ancestorValid ? value == GetWideStrProp(ancestor_, Prop) : value.empty()) return;
      WritePropName(Prop->Name);
      WriteWideString(value);
      break;
    }
    case tkClass: WriteObjectProp(Instance, Prop, ancestorValid); break;
    case tkMethod: WriteMethodProp(Instance, Prop, ancestorValid); break;
    default: break;
  }
}

void TWriter::WriteOrdProp(TPersistent* Instance, const TPropInfo* Prop, bool AncestorValid) {
  const Int64 value = GetOrdProp(Instance, Prop);
  const TTypeInfo* type = Prop->PropType;
  if (AncestorValid) {
    if (value == GetOrdProp(ancestor_, Prop)) return;
  } else if (type->Kind == tkInt64 && Prop->Default == NoDefault) {
    if (value == 0) return;
  } else if (value == Prop->Default) {
    return;
  }
  WritePropName(Prop->Name);
  switch (type->Kind) {
    case tkInteger: {
      const auto v = static_cast<Integer>(static_cast<Cardinal>(value));
      std::string ident;
      if (IntegerConstToIdent(type, v, ident)) WriteIdent(ident);
      else WriteInteger(v);
      break;
    }
    case tkChar: WriteChar(static_cast<char>(value)); break;
    case tkWChar: WriteWideChar(static_cast<char16_t>(value)); break;
    case tkEnumeration: WriteIdent(GetEnumName(type, static_cast<Integer>(value))); break;
    case tkInt64: WriteInteger(value); break;
    default: {   // tkSet
      WriteValue(vaSet);
      for (Integer i = 0; i < 64; ++i)
        if ((static_cast<UInt64>(value) >> i) & 1) WriteStr(GetEnumName(type->CompType, i));
      WriteStr("");
      break;
    }
  }
}

void TWriter::WriteFloatProp(TPersistent* Instance, const TPropInfo* Prop, bool AncestorValid) {
  const TTypeInfo* type = Prop->PropType;
  if (type->FloatType == ftCurr) {
    const Int64 raw = GetOrdProp(Instance, Prop);
    if (raw == (AncestorValid ? GetOrdProp(ancestor_, Prop) : 0)) return;
    WritePropName(Prop->Name);
    WriteCurrency(Currency::FromRaw(raw));
    return;
  }
  const double value = GetFloatProp(Instance, Prop);
  if (value == (AncestorValid ? GetFloatProp(ancestor_, Prop) : 0.0)) return;
  WritePropName(Prop->Name);
  if (type->FloatType == ftSingle) WriteSingle(static_cast<float>(value));
  else if (type == DateTimeTypeInfo()) WriteDate(value);
  else WriteFloat(value);
}

std::string TWriter::ComponentReference(TComponent* Component) const {
  if (Component->Owner() == lookupRoot_) return Component->Name();
  if (Component == lookupRoot_) return "Owner";
  if (Component->Owner() != nullptr && !Component->Owner()->Name().empty() && !Component->Name().empty())
    return Component->Owner()->Name() + "." + Component->Name();
  if (!Component->Name().empty()) return Component->Name() + ".Owner";
  return {};
}

void TWriter::WriteObjectProp(TPersistent* Instance, const TPropInfo* Prop, bool AncestorValid) {
  TObject* value = GetObjectProp(Instance, Prop);
  auto isDefault = [&] {
    TObject* ancestorValue = nullptr;
    if (AncestorValid) {
      ancestorValue = GetObjectProp(ancestor_, Prop);
      auto* a = dynamic_cast<TComponent*>(ancestorValue);
      auto* v = dynamic_cast<TComponent*>(value);
      if (a != nullptr && a->Owner() == rootAncestor_ && v != nullptr && v->Owner() == root_ &&
          SameText(a->Name(), v->Name()))
        ancestorValue = value;
    }
    return value == ancestorValue;
  };
  if (value == nullptr) {
    if (!isDefault()) {
      WritePropName(Prop->Name);
      WriteValue(vaNil);
    }
    return;
  }
  auto* persistent = dynamic_cast<TPersistent*>(value);
  if (persistent == nullptr) return;
  auto* component = dynamic_cast<TComponent*>(value);
  if (component != nullptr && !component->ComponentStyle().Contains(csSubComponent)) {
    if (isDefault()) return;
    const std::string reference = ComponentReference(component);
    if (reference.empty()) return;
    WritePropName(Prop->Name);
    WriteIdent(reference);
    return;
  }
  TPersistent* ancestorValue = AncestorValid ? dynamic_cast<TPersistent*>(GetObjectProp(ancestor_, Prop)) : nullptr;
  {
    ScopedValue<TPersistent*> subAncestor(ancestor_, ancestorValue);
    ScopedValue<std::string> subPath(propPath_, propPath_ + Prop->Name + ".");
    WriteProperties(persistent);
  }
  auto* collection = dynamic_cast<TCollection*>(value);
  if (collection == nullptr) return;
  auto* ancestorCollection = dynamic_cast<TCollection*>(ancestorValue);
  if (AncestorValid && ancestorCollection != nullptr && CollectionsEqual(collection, ancestorCollection)) return;
  WritePropName(Prop->Name);
  ScopedValue<std::string> noPath(propPath_, std::string());
  WriteCollection(collection);
}

bool TWriter::CollectionsEqual(TCollection* C1, TCollection* C2) {
  if (C1->ClassType() != C2->ClassType() || C1->Count() != C2->Count()) return false;
  auto image = [](TCollection* c, TComponent* owner, TMemoryStream& out) {
    TWriter writer(&out, 1024);
    writer.root_ = owner;
    writer.lookupRoot_ = owner;
    writer.WriteCollection(c);
    writer.FlushBuffer();
  };
  TMemoryStream s1, s2;
  image(C1, root_, s1);
  image(C2, rootAncestor_, s2);
  return s1.Size() == s2.Size() && std::memcmp(s1.Memory(), s2.Memory(), static_cast<std::size_t>(s1.Size())) == 0;
}

void TWriter::WriteMethodProp(TPersistent* Instance, const TPropInfo* Prop, bool AncestorValid) {
  const TMethod value = GetMethodProp(Instance, Prop);
  const TMethodCode defaultCode = AncestorValid ? GetMethodProp(ancestor_, Prop).Code : TMethodCode{};
  const std::string name =
      !value.Code.IsNull() && lookupRoot_ != nullptr ? MethodName(lookupRoot_->ClassType(), value.Code) : "";
  if (value.Code == defaultCode || (!value.Code.IsNull() && name.empty())) return;
  WritePropName(Prop->Name);
  if (value.Code.IsNull()) WriteValue(vaNil);
  else WriteIdent(name);
}

TComponent* TWriter::FindAncestor(const std::string& Name) const {
  for (TComponent* c : *ancestorList_)
    if (SameText(c->Name(), Name)) return c;
  return nullptr;
}

void TWriter::WriteComponent(TComponent* Component) {
  ScopedValue<TPersistent*> keepAncestor(ancestor_, ancestor_);
  ScopedValue<TComponent*> keepRootAncestor(rootAncestor_, rootAncestor_);
  WritingState writing(Component);
  if (ancestorList_ != nullptr) ancestor_ = FindAncestor(Component->Name());
  auto* ancestorComponent = dynamic_cast<TComponent*>(ancestor_);
  if (OnFindAncestor && (ancestor_ == nullptr || ancestorComponent != nullptr)) {
    OnFindAncestor(this, Component, Component->Name(), ancestorComponent, rootAncestor_);
    ancestor_ = ancestorComponent;
  }
  Component->WriteState(this);
}

void TWriter::WriteData(TComponent* Instance) {
  // The header and two list ends must fit in the buffer, so that an inherited component that
  // differs in nothing can be taken back below.
  const std::size_t headerSize = Instance->ClassName().size() + Instance->Name().size() + 1 + 5 + 3 + 2;
  if (buffer_.size() - static_cast<std::size_t>(bufPos_) < headerSize) WriteBuffer();
  const Int64 previousPosition = Position();
  TFilerFlags flags;
  const TComponentState state = Instance->ComponentState();
  if (state.Contains(csInline)) {
    if (ancestor_ != nullptr && state.Contains(csAncestor) && ancestorList_ != nullptr) flags.Include(ffInherited);
    else flags.Include(ffInline);
  } else if (ancestor_ != nullptr) {
    flags.Include(ffInherited);
  }
  const bool inAncestorList = ancestorList_ != nullptr && ancestorPos_ < ancestorList_->size();
  if (inAncestorList && (ancestor_ == nullptr || (*ancestorList_)[ancestorPos_] != ancestor_))
    flags.Include(ffChildPos);
  WritePrefix(flags, childPos_);
  WriteStr(Instance->ClassName());
  WriteStr(Instance->Name());
  const Int64 propertiesPosition = Position();
  if (inAncestorList) {
    if (ancestor_ != nullptr) ++ancestorPos_;
    ++childPos_;
  }
  WriteProperties(Instance);
  WriteListEnd();
  {
    ScopedValue<const std::vector<TComponent*>*> keepList(ancestorList_, nullptr);
    ScopedValue<std::size_t> keepPos(ancestorPos_, 0);
    ScopedValue<Integer> keepChildPos(childPos_, 0);
    ScopedValue<TComponent*> keepRoot(root_, root_);
    ScopedValue<TComponent*> keepLookupRoot(lookupRoot_, lookupRoot_);
    ScopedValue<TComponent*> keepRootAncestor(rootAncestor_, rootAncestor_);
    if (!ignoreChildren_) {
      std::vector<TComponent*> ancestorChildren;
      if (auto* ancestor = dynamic_cast<TComponent*>(ancestor_)) {
        if (ancestor->ComponentState().Contains(csInline)) rootAncestor_ = ancestor;
        ancestor->GetChildren([&ancestorChildren](TComponent* c) { ancestorChildren.push_back(c); }, rootAncestor_);
        ancestorList_ = &ancestorChildren;
      }
      if (state.Contains(csInline)) {
        root_ = Instance;
        lookupRoot_ = Instance;
      }
      Instance->GetChildren([this](TComponent* c) { WriteComponent(c); }, root_);
    }
  }
  WriteListEnd();
  if (Instance != root_ && flags == TFilerFlags{ffInherited} && Position() == propertiesPosition + 2)
    SetPosition(previousPosition);
}

void TWriter::WriteDescendent(TComponent* Root, TComponent* AAncestor) {
  rootAncestor_ = AAncestor;
  ancestor_ = AAncestor;
  root_ = Root;
  lookupRoot_ = Root;
  WriteSignature();
  WriteComponent(Root);
}

void TWriter::WriteRootComponent(TComponent* Root) { WriteDescendent(Root, nullptr); }
