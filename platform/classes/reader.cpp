// TReader: the binary component stream reader.
#include "platform/classes/reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/classes/class_registry.h"
#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/classes/integer_idents.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/property_table.h"
#include "platform/classes/publisher.h"
#include "platform/classes/reference_fixups.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/core/currency.h"
#include "platform/core/extended80.h"
#include "platform/core/extended80_text.h"
#include "platform/core/int_text.h"

PR_IMPLEMENT_CLASS(TReader)

namespace {

// Deep enough for any real form; shallow enough that hostile input cannot exhaust the stack.
constexpr int kMaxNesting = 200;

static_assert(std::endian::native == std::endian::little, "stream values are little-endian");

template <class T>
T LoadLE(const Byte* p) {
  T value;
  std::memcpy(&value, p, sizeof(T));
  return value;
}

bool IsIntegerValue(TValueType v) { return v == vaInt8 || v == vaInt16 || v == vaInt32 || v == vaInt64; }

bool IsOwnedBy(const TComponent* c, const TComponent* owner) {
  for (const TComponent* o = c; o != nullptr; o = o->Owner())
    if (o == owner) return true;
  return false;
}

// Restores a reader field when the scope ends, however it ends.
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

}  // namespace

class TReader::Nesting {
 public:
  explicit Nesting(TReader& reader) : reader_(reader) {
    if (reader_.nesting_ >= kMaxNesting) throw EReadError(classes_text::kInvalidImage);
    ++reader_.nesting_;
  }
  ~Nesting() { --reader_.nesting_; }
  Nesting(const Nesting&) = delete;
  Nesting& operator=(const Nesting&) = delete;

 private:
  TReader& reader_;
};

TReader::TReader(TStream* Stream, Integer BufSize) : TFiler(Stream, BufSize) {}

TReader::~TReader() { FlushBuffer(); }

void TReader::FlushBuffer() {
  if (bufEnd_ > bufPos_) stream_->Seek(bufPos_ - bufEnd_, soCurrent);
  bufPos_ = bufEnd_ = 0;
}

void TReader::FillBuffer() {
  bufPos_ = 0;
  bufEnd_ = stream_->Read(buffer_.data(), static_cast<Integer>(buffer_.size()));
  if (bufEnd_ <= 0) {
    bufEnd_ = 0;
    throw EReadError(classes_text::kReadError);
  }
}

void TReader::Read(void* Buf, Integer Count) {
  auto* out = static_cast<Byte*>(Buf);
  while (Count > 0) {
    if (bufPos_ == bufEnd_) FillBuffer();
    const Integer n = std::min(Count, bufEnd_ - bufPos_);
    std::memcpy(out, buffer_.data() + bufPos_, static_cast<std::size_t>(n));
    bufPos_ += n;
    out += n;
    Count -= n;
  }
}

void TReader::EnsureAvailable(Int64 count) {
  if (count < 0) throw EReadError(classes_text::kReadError);
  if (count <= bufEnd_ - bufPos_) return;
  const Int64 available = (bufEnd_ - bufPos_) + (stream_->Size() - stream_->Position());
  if (count > available) throw EReadError(classes_text::kReadError);
}

Int64 TReader::Position() const { return stream_->Position() - (bufEnd_ - bufPos_); }

void TReader::SetPosition(Int64 Value) {
  stream_->SetPosition(Value);
  bufPos_ = bufEnd_ = 0;
}

Byte TReader::PeekByte() {
  if (bufPos_ == bufEnd_) FillBuffer();
  return buffer_[bufPos_];
}

TValueType TReader::ReadValue() {
  Byte b = 0;
  Read(&b, 1);
  if (b > vaUTF8String) {
    --bufPos_;
    throw EReadError(classes_text::kInvalidImage);
  }
  return static_cast<TValueType>(b);
}

TValueType TReader::NextValue() {
  const TValueType v = ReadValue();
  --bufPos_;
  return v;
}

bool TReader::EndOfList() { return PeekByte() == vaNull; }

void TReader::PropValueError() { throw EReadError(classes_text::kInvalidPropertyValue); }

void TReader::PropertyError(const std::string& Name) {
  SkipValue();
  throw EReadError(Format(classes_text::kUnknownProperty, {Name}));
}

void TReader::CheckValue(TValueType Value) {
  if (ReadValue() == Value) return;
  --bufPos_;
  SkipValue();
  PropValueError();
}

void TReader::ReadSignature() {
  char signature[4] = {};
  Read(signature, 4);
  if (std::memcmp(signature, FilerSignature, 4) != 0) throw EReadError(classes_text::kInvalidImage);
}

void TReader::ReadPrefix(TFilerFlags& Flags, Integer& AChildPos) {
  Flags = {};
  if ((PeekByte() & 0xF0) != 0xF0) return;
  Byte prefix = 0;
  Read(&prefix, 1);
  Flags = TFilerFlags::FromMask(prefix & 0x07);
  if (Flags.Contains(ffChildPos)) AChildPos = ReadInteger();
}

bool TReader::ReadBoolean() {
  switch (ReadValue()) {
    case vaTrue: return true;
    case vaFalse: return false;
    default: --bufPos_; SkipValue(); PropValueError();
  }
}

char TReader::ReadChar() {
  const std::string s = ReadString();
  if (s.size() != 1) PropValueError();
  return s[0];
}

char16_t TReader::ReadWideChar() {
  const std::u16string s = ReadWideString();
  if (s.size() != 1) PropValueError();
  return s[0];
}

Integer TReader::ReadInteger() {
  Byte bytes[4] = {};
  switch (ReadValue()) {
    case vaInt8: Read(bytes, 1); return LoadLE<ShortInt>(bytes);
    case vaInt16: Read(bytes, 2); return LoadLE<SmallInt>(bytes);
    case vaInt32: Read(bytes, 4); return LoadLE<Integer>(bytes);
    default: --bufPos_; SkipValue(); PropValueError();
  }
}

Int64 TReader::ReadInt64() {
  if (NextValue() != vaInt64) return ReadInteger();
  ReadValue();
  Byte bytes[8] = {};
  Read(bytes, 8);
  return LoadLE<Int64>(bytes);
}

Extended80 TReader::ReadExtended() {
  Extended80 value;
  switch (NextValue()) {
    case vaExtended:
      ReadValue();
      Read(value.bytes.data(), Extended80::kSize);
      return value;
    case vaSingle: return DoubleToExtended80(ReadSingle());
    case vaDate: return DoubleToExtended80(ReadDate());
    case vaCurrency: TextToExtended80(IntToStr(ReadCurrency().Raw()) + "E-4", value); return value;
    default: TextToExtended80(IntToStr(ReadInt64()), value); return value;
  }
}

double TReader::ReadFloat() { return Extended80ToDouble(ReadExtended()); }

float TReader::ReadSingle() {
  if (NextValue() != vaSingle) return static_cast<float>(ReadFloat());
  ReadValue();
  Byte bytes[4] = {};
  Read(bytes, 4);
  return LoadLE<float>(bytes);
}

Currency TReader::ReadCurrency() {
  switch (NextValue()) {
    case vaCurrency: {
      ReadValue();
      Byte bytes[8] = {};
      Read(bytes, 8);
      return Currency::FromRaw(LoadLE<Int64>(bytes));
    }
    case vaInt8: case vaInt16: case vaInt32: case vaInt64: return Currency::FromInteger(ReadInt64());
    default: return Currency::FromDouble(ReadFloat());
  }
}

TDateTime TReader::ReadDate() {
  if (NextValue() != vaDate) return ReadFloat();
  ReadValue();
  Byte bytes[8] = {};
  Read(bytes, 8);
  return LoadLE<double>(bytes);
}

std::string TReader::ReadStr() {
  Byte length = 0;
  Read(&length, 1);
  std::string s(length, '\0');
  Read(s.data(), length);
  return s;
}

std::string TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaNull: return "Null";
    default: --bufPos_; SkipValue(); PropValueError();
  }
}

std::string TReader::ReadString() {
  const TValueType kind = NextValue();
  if (kind == vaWString || kind == vaUTF8String) return Utf16ToCp874(ReadWideString());
  Integer length = 0;
  if (kind == vaString) {
    ReadValue();
    Byte b = 0;
    Read(&b, 1);
    length = b;
  } else if (kind == vaLString) {
    ReadValue();
    Byte bytes[4] = {};
    Read(bytes, 4);
    length = LoadLE<Integer>(bytes);
  } else {
    SkipValue();
    PropValueError();
  }
  EnsureAvailable(length);
  std::string s(static_cast<std::size_t>(length), '\0');
  Read(s.data(), length);
  return s;
}

std::u16string TReader::ReadWideString() {
  const TValueType kind = NextValue();
  if (kind == vaString || kind == vaLString) return Cp874ToUtf16(ReadString());
  if (kind != vaWString && kind != vaUTF8String) {
    SkipValue();
    PropValueError();
  }
  ReadValue();
  Byte bytes[4] = {};
  Read(bytes, 4);
  const Integer length = LoadLE<Integer>(bytes);
  if (kind == vaUTF8String) {
    EnsureAvailable(length);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    Read(utf8.data(), length);
    return Utf8ToUtf16(utf8);
  }
  EnsureAvailable(Int64{length} * 2);
  std::vector<Byte> raw(static_cast<std::size_t>(length) * 2);
  Read(raw.data(), static_cast<Integer>(raw.size()));
  std::u16string s(static_cast<std::size_t>(length), u'\0');
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char16_t>(raw[2 * i] | raw[2 * i + 1] << 8);
  return s;
}

UInt64 TReader::ReadSet(const TTypeInfo* SetType) {
  if (ReadValue() != vaSet) {
    --bufPos_;
    SkipValue();
    PropValueError();
  }
  UInt64 mask = 0;
  bool valid = true;
  for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) {
    const Integer value = GetEnumValue(SetType->CompType, name);
    if (value < 0 || value >= 64) valid = false;
    else mask |= UInt64{1} << value;
  }
  if (!valid) PropValueError();
  return mask;
}

void TReader::SkipSetBody() {
  while (!ReadStr().empty()) {
  }
}

void TReader::SkipProperty() {
  ReadStr();
  SkipValue();
}

void TReader::SkipValue() {
  Nesting guard(*this);
  Byte scratch[10];
  auto skipBytes = [&](Int64 count) {
    EnsureAvailable(count);
    while (count > 0) {
      const auto n = static_cast<Integer>(std::min<Int64>(count, sizeof scratch));
      Read(scratch, n);
      count -= n;
    }
  };
  auto skipCounted = [&](Int64 unit) {
    Byte bytes[4] = {};
    Read(bytes, 4);
    skipBytes(Int64{LoadLE<Integer>(bytes)} * unit);
  };
  switch (ReadValue()) {
    case vaNull: case vaFalse: case vaTrue: case vaNil: break;
    case vaList:
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    case vaInt8: skipBytes(1); break;
    case vaInt16: skipBytes(2); break;
    case vaInt32: case vaSingle: skipBytes(4); break;
    case vaExtended: skipBytes(10); break;
    case vaCurrency: case vaDate: case vaInt64: skipBytes(8); break;
    case vaString: case vaIdent: ReadStr(); break;
    case vaBinary: case vaLString: case vaUTF8String: skipCounted(1); break;
    case vaWString: skipCounted(2); break;
    case vaSet: SkipSetBody(); break;
    case vaCollection:
      while (!EndOfList()) {
        if (IsIntegerValue(NextValue())) SkipValue();
        ReadListBegin();
        while (!EndOfList()) SkipProperty();
        ReadListEnd();
      }
      ReadListEnd();
      break;
  }
}

void TReader::SkipComponent(bool SkipHeader) {
  Nesting guard(*this);
  if (SkipHeader) {
    TFilerFlags flags;
    Integer position = 0;
    ReadPrefix(flags, position);
    ReadStr();
    ReadStr();
  }
  while (!EndOfList()) SkipProperty();
  ReadListEnd();
  while (!EndOfList()) SkipComponent(true);
  ReadListEnd();
}

bool TReader::Error(const std::string& Message) {
  bool handled = false;
  if (OnError) OnError(this, Message, handled);
  return handled;
}

const TMethodEntry* TReader::FindMethod(TComponent* ARoot, const std::string& MethodName) {
  const TMethodEntry* method = ARoot != nullptr ? FindMethodEntry(ARoot->ClassType(), MethodName) : nullptr;
  bool error = method == nullptr;
  if (OnFindMethod) OnFindMethod(this, MethodName, method, error);
  if (error) PropValueError();
  return method;
}

void TReader::SetName(TComponent* Component, std::string& Name) {
  const std::string original = Name;
  if (OnSetName) OnSetName(this, Component, Name);
  Component->SetName(Name);
  if (!SameText(Name, original)) renames_.emplace_back(original, Name);
}

void TReader::ReferenceName(std::string& Name) {
  if (OnReferenceName) OnReferenceName(this, Name);
}

void TReader::DefineProperty(const std::string& Name, const TReaderProc& ReadData, const TWriterProc&, bool) {
  if (!ReadData || !SameText(Name, propName_)) return;
  ReadData(this);
  propName_.clear();
}

void TReader::DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc&, bool) {
  if (!ReadData || !SameText(Name, propName_)) return;
  ReadBinaryValue(ReadData);
  propName_.clear();
}

void TReader::ReadBinaryValue(const TStreamProc& ReadData) {
  if (ReadValue() != vaBinary) {
    --bufPos_;
    SkipValue();
    canHandleExcepts_ = true;
    PropValueError();
  }
  Byte bytes[4] = {};
  Read(bytes, 4);
  const Integer count = LoadLE<Integer>(bytes);
  EnsureAvailable(count);
  TMemoryStream data;
  data.SetSize(count);
  Read(data.Memory(), count);
  canHandleExcepts_ = true;
  ReadData(&data);
}

void TReader::ReadProperty(TPersistent* AInstance) {
  try {
    const std::string path = ReadStr();
    try {
      canHandleExcepts_ = true;
      TPersistent* instance = AInstance;
      std::size_t start = 0;
      for (std::size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
        propName_ = path.substr(start, dot - start);
        const TPropInfo* prop = GetPropInfo(instance, propName_);
        if (prop == nullptr) PropertyError(propName_);
        auto* next = prop->Kind() == tkClass ? dynamic_cast<TPersistent*>(GetObjectProp(instance, prop)) : nullptr;
        if (next == nullptr) {
          SkipValue();
          throw EReadError(classes_text::kInvalidPropertyPath);
        }
        instance = next;
        start = dot + 1;
      }
      propName_ = path.substr(start);
      if (const TPropInfo* prop = GetPropInfo(instance, propName_)) {
        ReadPropValue(instance, prop);
      } else {
        canHandleExcepts_ = false;   // data a class defines itself cannot be skipped reliably
        instance->DefineProperties(this);
        canHandleExcepts_ = true;
        if (!propName_.empty()) PropertyError(propName_);
      }
    } catch (const Exception& e) {
      std::string name;
      if (auto* component = dynamic_cast<TComponent*>(AInstance)) name = component->Name();
      if (name.empty()) name = AInstance->ClassName();
      throw EReadError(Format(classes_text::kPropertyException, {name, ".", path, e.Message()}));
    }
  } catch (const Exception& e) {
    if (!canHandleExcepts_ || !Error(e.Message())) throw;
  }
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo* Prop) {
  if (!Prop->Writable) {
    SkipValue();
    throw EReadError(classes_text::kReadOnlyProperty);
  }
  const TTypeInfo* type = Prop->PropType;
  switch (type->Kind) {
    case tkInteger:
      if (NextValue() == vaIdent) {
        Integer value = 0;
        if (!IdentToIntegerConst(type, ReadIdent(), value)) PropValueError();
        SetOrdProp(Instance, Prop, value);
      } else {
        const Integer value = ReadInteger();
        SetOrdProp(Instance, Prop, type->OrdType == otULong ? Int64{static_cast<Cardinal>(value)} : Int64{value});
      }
      break;
    case tkChar: SetOrdProp(Instance, Prop, static_cast<Byte>(ReadChar())); break;
    case tkWChar: SetOrdProp(Instance, Prop, ReadWideChar()); break;
    case tkEnumeration: {
      const Integer value = GetEnumValue(type, ReadIdent());
      if (value < 0) PropValueError();
      SetOrdProp(Instance, Prop, value);
      break;
    }
    case tkFloat:
      if (type->FloatType == ftCurr) SetOrdProp(Instance, Prop, ReadCurrency().Raw());
      else if (type->FloatType == ftSingle) SetFloatProp(Instance, Prop, ReadSingle());
      else SetFloatProp(Instance, Prop, ReadFloat());
      break;
    case tkString: case tkLString: SetStrProp(Instance, Prop, ReadString()); break;
    case tkWString: SetWideStrProp(Instance, Prop, ReadWideString()); break;
    case tkSet: SetOrdProp(Instance, Prop, static_cast<Int64>(ReadSet(type))); break;
    case tkInt64: SetOrdProp(Instance, Prop, ReadInt64()); break;
    case tkClass: ReadReference(Instance, Prop); break;
    case tkMethod: ReadMethodValue(Instance, Prop); break;
    default:
      SkipValue();
      throw EReadError(Format(classes_text::kInvalidPropertyType, {type->Name}));
  }
}

void TReader::ReadReference(TPersistent* Instance, const TPropInfo* Prop) {
  switch (NextValue()) {
    case vaNil:
      ReadValue();
      SetObjectProp(Instance, Prop, nullptr);
      return;
    case vaCollection: {
      ReadValue();
      auto* collection = dynamic_cast<TCollection*>(GetObjectProp(Instance, Prop));
      if (collection == nullptr) {
        --bufPos_;
        SkipValue();
        PropValueError();
      }
      ReadCollection(collection);
      return;
    }
    default:
      fixups_.push_back({Instance, Prop, currentComponent_, lookupRoot_, ReadIdent()});
  }
}

void TReader::ReadMethodValue(TPersistent* Instance, const TPropInfo* Prop) {
  if (NextValue() == vaNil) {
    ReadValue();
    SetMethodProp(Instance, Prop, nullptr, nullptr);
    return;
  }
  const TMethodEntry* method = FindMethod(root_, ReadIdent());
  if (method != nullptr) SetMethodProp(Instance, Prop, method, root_);
}

void TReader::ReadCollection(TCollection* Collection) {
  Nesting guard(*this);
  Collection->BeginUpdate();
  try {
    if (!EndOfList()) Collection->Clear();
    while (!EndOfList()) {
      if (IsIntegerValue(NextValue())) ReadInt64();
      TCollectionItem* item = Collection->Add();
      ReadListBegin();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    Collection->EndUpdate();
    throw;
  }
  Collection->EndUpdate();
}

TClass TReader::FindComponentClass(const std::string& ClassName) {
  TClass cls = root_ != nullptr ? FindFieldClass(root_->ClassType(), ClassName) : nullptr;
  if (cls == nullptr && lookupRoot_ != nullptr && lookupRoot_ != root_)
    cls = FindFieldClass(lookupRoot_->ClassType(), ClassName);
  if (cls == nullptr) cls = GetClass(ClassName);
  if (OnFindComponentClass) OnFindComponentClass(this, ClassName, cls);
  if (cls == nullptr || !cls->InheritsFrom(TComponent::StaticClass()))
    throw EClassNotFound(Format(classes_text::kClassNotFound, {ClassName}));
  return cls;
}

bool TReader::Recover(const std::string& Message) {
  SkipComponent(false);
  return Error(Message);
}

void TReader::ForgetComponent(TComponent* Component) {
  std::erase_if(loaded_, [Component](TComponent* c) { return IsOwnedBy(c, Component); });
  std::erase_if(fixups_, [Component](const Fixup& f) {
    return f.instance == Component || IsOwnedBy(f.component, Component);
  });
}

TComponent* TReader::ReadComponent(TComponent* Component) {
  Nesting guard(*this);
  TFilerFlags flags;
  Integer position = 0;
  ReadPrefix(flags, position);
  const std::string className = ReadStr();
  std::string name = ReadStr();
  ScopedValue<TComponent*> keepParent(parent_, parent_);
  ScopedValue<TComponent*> keepLookupRoot(lookupRoot_, lookupRoot_);
  const bool inherited = flags.Contains(ffInherited);
  TComponent* result = Component;
  bool created = false;
  if (result == nullptr) {
    try {
      const TClass cls = FindComponentClass(className);
      if (inherited) {
        result = lookupRoot_ != nullptr ? lookupRoot_->FindComponent(name) : nullptr;
        if (result == nullptr && OnAncestorNotFound) OnAncestorNotFound(this, name, cls, result);
        if (result == nullptr) throw EReadError(Format(classes_text::kAncestorNotFound, {name}));
        parent_ = result->GetParentComponent();
        if (parent_ == nullptr) parent_ = root_;
      } else {
        if (OnCreateComponent) OnCreateComponent(this, cls, result);
        if (result == nullptr) result = CreateInstance<TComponent>(cls, owner_);
        created = true;
        if (flags.Contains(ffInline)) result->SetInline(true);
      }
    } catch (const Exception& e) {
      if (!Recover(e.Message())) throw;
      return nullptr;
    }
  }
  try {
    result->IncludeState(csLoading);
    if (!inherited) {
      try {
        result->SetParentComponent(parent_);
        SetName(result, name);
      } catch (const Exception& e) {
        if (!created) throw;
        ForgetComponent(result);
        delete result;
        result = nullptr;
        created = false;
        if (!Recover(e.Message())) throw;
        return nullptr;
      }
    }
    if (result->ComponentState().Contains(csInline)) lookupRoot_ = result;
    result->IncludeState(csReading);
    result->ReadState(this);
    result->ExcludeState(csReading);
    if (flags.Contains(ffChildPos) && parent_ != nullptr) parent_->SetChildOrder(result, position);
    if (std::find(loaded_.begin(), loaded_.end(), result) == loaded_.end()) loaded_.push_back(result);
  } catch (...) {
    if (created) {
      ForgetComponent(result);
      delete result;
    }
    throw;
  }
  return result;
}

void TReader::ReadData(TComponent* Instance) {
  if (readingFixups_) {
    ReadDataInner(Instance);
    return;
  }
  readingFixups_ = true;
  try {
    ReadDataInner(Instance);
    DoFixupReferences();
  } catch (...) {
    readingFixups_ = false;
    fixups_.clear();
    throw;
  }
  readingFixups_ = false;
}

void TReader::ReadDataInner(TComponent* Instance) {
  {
    ScopedValue<TComponent*> current(currentComponent_, Instance);
    while (!EndOfList()) ReadProperty(Instance);
    ReadListEnd();
  }
  ScopedValue<TComponent*> keepParent(parent_, Instance->GetChildParent());
  TComponent* childOwner = Instance->GetChildOwner();
  ScopedValue<TComponent*> keepOwner(owner_, childOwner != nullptr ? childOwner : root_);
  while (!EndOfList()) ReadComponent(nullptr);
  ReadListEnd();
}

std::string TReader::RenamedReference(const std::string& Reference) const {
  const std::size_t dot = Reference.find('.');
  const std::string first = Reference.substr(0, dot);
  for (const auto& [from, to] : renames_)
    if (SameText(from, first)) return dot == std::string::npos ? to : to + Reference.substr(dot);
  return Reference;
}

void TReader::DoFixupReferences() {
  std::vector<Fixup> fixups;
  fixups.swap(fixups_);
  for (Fixup& f : fixups) {
    std::string name = RenamedReference(f.reference);
    ReferenceName(name);
    TComponent* target = ResolveComponentReference(f.lookupRoot, name);
    if (target == nullptr) {
      AddGlobalFixup(f.instance, f.prop, f.component, f.lookupRoot, std::move(name));
    } else if (target->InheritsFrom(f.prop->PropType->ClassType())) {
      SetObjectProp(f.instance, f.prop, target);
    } else if (!Error(classes_text::kInvalidPropertyValue)) {
      throw EReadError(classes_text::kInvalidPropertyValue);
    }
  }
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  ReadSignature();
  std::unique_ptr<TComponent> created;
  TComponent* result = Root;
  try {
    TFilerFlags flags;
    Integer position = 0;
    ReadPrefix(flags, position);
    const std::string className = ReadStr();
    if (Root == nullptr) {
      TClass cls = GetClass(className);
      if (OnFindComponentClass) OnFindComponentClass(this, className, cls);
      if (cls == nullptr || !cls->InheritsFrom(TComponent::StaticClass()))
        throw EClassNotFound(Format(classes_text::kClassNotFound, {className}));
      created.reset(CreateInstance<TComponent>(cls, nullptr));
      result = created.get();
      result->SetName(ReadStr());
    } else if (Root->ComponentState().Contains(csDesigning)) {
      ReadStr();
    } else {
      Root->IncludeState(csLoading);
      Root->IncludeState(csReading);
      std::string name = ReadStr();
      for (int i = 1;; ++i) {
        const std::string candidate = i == 1 ? name : name + "_" + IntToStr(i - 1);
        TComponent* other = name.empty() ? nullptr : FindGlobalComponent(candidate);
        if (other == nullptr || other == Root) {
          name = candidate;
          break;
        }
      }
      Root->SetName(name);
    }
    root_ = result;
    lookupRoot_ = result;
    owner_ = result;
    loaded_.assign(1, result);
    result->IncludeState(csLoading);
    result->IncludeState(csReading);
    result->ReadState(this);
    result->ExcludeState(csReading);
    std::vector<TComponent*> loaded;
    loaded.swap(loaded_);
    for (TComponent* c : loaded) c->Loaded();
    GlobalFixupReferences();
  } catch (...) {
    loaded_.clear();
    fixups_.clear();
    if (result != nullptr) {
      RemoveFixups(result);
      if (created == nullptr) result->ExcludeState(csReading);
    }
    throw;
  }
  return created != nullptr ? created.release() : result;
}
