// The publisher: how a class fills its published tables, tersely, in its own .cpp.
//
//     PR_PUBLISH(TMyComp) {
//       p.Property("Caption", &TMyComp::Caption, &TMyComp::SetCaption);
//       p.Property("Align", &TMyComp::Align, &TMyComp::SetAlign).Default(alNone);
//       p.Property("Font", &TMyComp::Font, &TMyComp::SetFont);          // a TPersistent: sub-properties
//       p.Property("Count", &TMyComp::count_).Default(0);                   // a field, read and written
//       p.Property("Started", &TMyComp::Started, &TMyComp::SetStarted).Type(DateTimeTypeInfo());
//       p.Property("OnClick", &TMyComp::onClick_);                          // an Event<...> field
//       p.Method("Button1Click", &TMyComp::Button1Click);                  // a handler streams bind
//       p.Field("Button1", &TMyComp::Button1);                              // TButton* set by name
//     }
//
// Getters are `V (B::*)() const` or a data member `V B::*`; setters `void (B::*)(V)` (by value or
// const reference), a data member, or nullptr for a read-only property.  B may be any base of the
// publishing class.  The value type decides the property's type information: integers, bool,
// char, char16_t, enumerations declared with PR_ENUM, TSet<E>, float, double, Currency,
// std::string, std::u16string, pointers to TObject descendants, and Event<Sig>.  Each builder call
// returns a TPropBuilder for Default / NoDefault / Stored / Type.
//
// Only .cpp files that define classes include this header: it holds the templates.
#pragma once

#include <cstring>
#include <string_view>
#include <type_traits>

#include "platform/classes/enum_set.h"
#include "platform/classes/property_table.h"
#include "platform/core/currency.h"

namespace publish_detail {

template <class M>
TMemberBytes Store(M member) {
  static_assert(sizeof(M) <= sizeof(TMemberBytes::bytes) && std::is_trivially_copyable_v<M>);
  TMemberBytes bytes;
  std::memcpy(bytes.bytes, &member, sizeof(M));
  return bytes;
}
template <class M>
M Load(const TMemberBytes& bytes) {
  M member;
  std::memcpy(&member, bytes.bytes, sizeof(M));
  return member;
}

// Getter forms.
template <class G>
struct GetterOf;
template <class B, class R>
struct GetterOf<R (B::*)() const> {
  using Value = std::remove_cvref_t<R>;
  static Value Get(const TObject* o, const TMemberBytes& m) {
    return (static_cast<const B*>(o)->*Load<R (B::*)() const>(m))();
  }
};
template <class B, class V>
  requires(!std::is_function_v<V>)
struct GetterOf<V B::*> {
  using Value = V;
  static const V& Get(const TObject* o, const TMemberBytes& m) { return static_cast<const B*>(o)->*Load<V B::*>(m); }
};

// Setter forms.
template <class S>
struct SetterOf;
template <class B, class P>
struct SetterOf<void (B::*)(P)> {
  template <class V>
  static void Set(TObject* o, const TMemberBytes& m, V&& v) {
    (static_cast<B*>(o)->*Load<void (B::*)(P)>(m))(std::forward<V>(v));
  }
};
template <class B, class V>
  requires(!std::is_function_v<V>)
struct SetterOf<V B::*> {
  template <class W>
  static void Set(TObject* o, const TMemberBytes& m, W&& v) {
    static_cast<B*>(o)->*Load<V B::*>(m) = std::forward<W>(v);
  }
};
template <>
struct SetterOf<std::nullptr_t> {
  template <class W>
  static void Set(TObject*, const TMemberBytes&, W&&) {}
};

template <class T>
inline constexpr bool kIsEvent = false;
template <class Sig>
inline constexpr bool kIsEvent<Event<Sig>> = true;

template <class V>
inline constexpr bool kIsOrdinal = std::is_integral_v<V> || std::is_enum_v<V> || kIsTSet<V>;

template <class V>
Int64 ToOrd(const V& v) {
  if constexpr (kIsTSet<V>) return static_cast<Int64>(v.ToMask());
  else if constexpr (std::is_same_v<V, Currency>) return v.Raw();
  else return static_cast<Int64>(v);
}
template <class V>
V FromOrd(Int64 o) {
  if constexpr (kIsTSet<V>) return V::FromMask(static_cast<UInt64>(o));
  else if constexpr (std::is_same_v<V, Currency>) return Currency::FromRaw(o);
  else if constexpr (std::is_same_v<V, bool>) return o != 0;
  else return static_cast<V>(o);
}

template <class V>
struct EventSignature;
template <class Sig>
struct EventSignature<Event<Sig>> {
  using Type = Sig;
};

template <class T>
TClass ClassRefOf() {
  return T::StaticClass();
}

template <class V>
const TTypeInfo* TypeInfoOfValue() {
  if constexpr (std::is_pointer_v<V>) {
    using T = std::remove_cv_t<std::remove_pointer_t<V>>;
    static_assert(std::is_base_of_v<TObject, T>, "a class property holds a TObject descendant");
    static const TTypeInfo info = [] {
      TTypeInfo t;
      t.Kind = tkClass;
      t.ClassRef = &ClassRefOf<T>;
      return t;
    }();
    return &info;
  } else if constexpr (kIsEvent<V>) {
    static const TTypeInfo info = [] {
      TTypeInfo t;
      t.Kind = tkMethod;
      t.Signature = &typeid(typename EventSignature<V>::Type);
      return t;
    }();
    return &info;
  } else {
    return TypeInfo<V>();
  }
}

template <class G, class S>
TPropThunks MakeThunks() {
  using Get = GetterOf<G>;
  using Set = SetterOf<S>;
  using V = typename Get::Value;
  TPropThunks t;
  if constexpr (kIsOrdinal<V> || std::is_same_v<V, Currency>) {
    t.GetOrd = [](const TObject* o, const TPropInfo& p) { return ToOrd<V>(Get::Get(o, p.Getter)); };
    t.SetOrd = [](TObject* o, const TPropInfo& p, Int64 v) { Set::Set(o, p.Setter, FromOrd<V>(v)); };
    if constexpr (std::is_same_v<V, Currency>) {
      t.GetFloat = [](const TObject* o, const TPropInfo& p) { return Get::Get(o, p.Getter).ToDouble(); };
      t.SetFloat = [](TObject* o, const TPropInfo& p, double v) { Set::Set(o, p.Setter, Currency::FromDouble(v)); };
    }
  } else if constexpr (std::is_floating_point_v<V>) {
    t.GetFloat = [](const TObject* o, const TPropInfo& p) { return static_cast<double>(Get::Get(o, p.Getter)); };
    t.SetFloat = [](TObject* o, const TPropInfo& p, double v) { Set::Set(o, p.Setter, static_cast<V>(v)); };
  } else if constexpr (std::is_same_v<V, std::string>) {
    t.GetStr = [](const TObject* o, const TPropInfo& p) { return std::string(Get::Get(o, p.Getter)); };
    t.SetStr = [](TObject* o, const TPropInfo& p, const std::string& v) { Set::Set(o, p.Setter, v); };
  } else if constexpr (std::is_same_v<V, std::u16string>) {
    t.GetWideStr = [](const TObject* o, const TPropInfo& p) { return std::u16string(Get::Get(o, p.Getter)); };
    t.SetWideStr = [](TObject* o, const TPropInfo& p, const std::u16string& v) { Set::Set(o, p.Setter, v); };
  } else if constexpr (std::is_pointer_v<V>) {
    using T = std::remove_cv_t<std::remove_pointer_t<V>>;
    t.GetObject = [](const TObject* o, const TPropInfo& p) -> TObject* { return Get::Get(o, p.Getter); };
    t.SetObject = [](TObject* o, const TPropInfo& p, TObject* v) { Set::Set(o, p.Setter, dynamic_cast<T*>(v)); };
  } else {
    static_assert(kIsEvent<V>, "unsupported published property type");
  }
  return t;
}

template <class F>
struct FieldOwner;
template <class B, class V>
struct FieldOwner<V B::*> {
  using Class = B;
};

template <class F>
TPropThunks MakeEventThunks() {
  TPropThunks t;
  using B = typename GetterOf<F>::Value;
  static_assert(kIsEvent<B>);
  using Owner = typename FieldOwner<F>::Class;
  t.EventOf = [](TObject* o, const TPropInfo& p) -> TEventBase* {
    return &(static_cast<Owner*>(o)->*Load<F>(p.Getter));
  };
  return t;
}


}  // namespace publish_detail

class TPropBuilder {
 public:
  TPropBuilder(TClassTables& tables, std::size_t index) : tables_(tables), index_(index) {}
  template <class V>
  TPropBuilder& Default(V value) {
    Info().Default = static_cast<Integer>(publish_detail::ToOrd(value));
    return *this;
  }
  TPropBuilder& NoDefault() {
    Info().Default = ::NoDefault;
    return *this;
  }
  TPropBuilder& Stored(bool stored) {
    Info().Stored = stored ? TStoredKind::Always : TStoredKind::Never;
    return *this;
  }
  template <class B>
  TPropBuilder& Stored(bool (B::*isStored)() const) {
    TPropInfo& info = Info();
    info.Stored = TStoredKind::ByMethod;
    info.StoredMethod = publish_detail::Store(isStored);
    info.Thunks.IsStored = [](const TObject* o, const TPropInfo& p) {
      return (static_cast<const B*>(o)->*publish_detail::Load<bool (B::*)() const>(p.StoredMethod))();
    };
    return *this;
  }
  // Replaces the type information (same value category), e.g. DateTimeTypeInfo() for a double.
  TPropBuilder& Type(const TTypeInfo* typeInfo);

 private:
  TPropInfo& Info() { return tables_.Props[index_]; }
  TClassTables& tables_;
  std::size_t index_;
};

// Adds or replaces (same name) a property entry; answers its index.
std::size_t PublishPropInfo(TClassTables& tables, TPropInfo info);
void PublishMethodEntry(TClassTables& tables, TMethodEntry entry);
void PublishFieldEntry(TClassTables& tables, TFieldEntry entry);

template <class C>
class TPublisher {
 public:
  explicit TPublisher(TClassTables& tables) : tables_(tables) {}

  template <class G, class S>
  TPropBuilder Property(std::string_view name, G getter, S setter) {
    using namespace publish_detail;
    using V = typename GetterOf<G>::Value;
    TPropInfo info;
    info.Name = std::string(name);
    info.PropType = TypeInfoOfValue<V>();
    info.Getter = Store(getter);
    if constexpr (!std::is_null_pointer_v<S>) {
      info.Setter = Store(setter);
      info.Writable = true;
    }
    info.Thunks = MakeThunks<G, S>();
    return TPropBuilder(tables_, PublishPropInfo(tables_, std::move(info)));
  }

  // A data member read and written directly; an Event<Sig> member is an event property.
  template <class F>
  TPropBuilder Property(std::string_view name, F field) {
    using namespace publish_detail;
    using V = typename GetterOf<F>::Value;
    if constexpr (kIsEvent<V>) {
      TPropInfo info;
      info.Name = std::string(name);
      info.PropType = TypeInfoOfValue<V>();
      info.Getter = Store(field);
      info.Writable = true;
      info.Thunks = MakeEventThunks<F>();
      return TPropBuilder(tables_, PublishPropInfo(tables_, std::move(info)));
    } else {
      return Property(name, field, field);
    }
  }

  template <class B, class R, class... A>
  void Method(std::string_view name, R (B::*method)(A...)) {
    using namespace publish_detail;
    static_assert(std::is_base_of_v<B, C>);
    TMethodEntry entry;
    entry.Name = std::string(name);
    entry.Code = EraseMethod(method);
    entry.Signature = &typeid(R(A...));
    entry.Bind = [](TObject* data, const TMethodCode& code, TEventBase& event) {
      static_cast<Event<R(A...)>&>(event).Bind(static_cast<B*>(data), RestoreMethod<R (B::*)(A...)>(code));
    };
    PublishMethodEntry(tables_, std::move(entry));
  }

  template <class B, class T>
  void Field(std::string_view name, T* B::*field) {
    static_assert(std::is_base_of_v<TObject, T> && std::is_base_of_v<B, C>);
    TFieldEntry entry;
    entry.Name = std::string(name);
    entry.ClassRef = &publish_detail::ClassRefOf<T>;
    entry.Member = publish_detail::Store(field);
    entry.Set = [](TObject* owner, const TFieldEntry& self, TObject* value) {
      static_cast<B*>(owner)->*publish_detail::Load<T* B::*>(self.Member) = dynamic_cast<T*>(value);
    };
    PublishFieldEntry(tables_, std::move(entry));
  }

 private:
  TClassTables& tables_;
};

namespace publish_detail {

[[noreturn]] void RaiseCreateArgMismatch();

// The class's "virtual constructor": with its TCreateArg when it declares one, else default.
template <class T>
TObject* NewInstance(TObject* createArg) {
  if constexpr (requires { typename T::TCreateArg; }) {
    using Arg = typename T::TCreateArg;
    using ArgClass = std::remove_pointer_t<Arg>;
    ArgClass* arg = nullptr;
    if (createArg != nullptr) {
      arg = dynamic_cast<ArgClass*>(createArg);
      if (arg == nullptr) RaiseCreateArgMismatch();
    }
    return new T(arg);
  } else {
    return new T();
  }
}

template <class T>
constexpr TMetaClass::Factory FactoryOf() {
  if constexpr (std::is_abstract_v<T>) {
    return nullptr;
  } else if constexpr (requires { typename T::TCreateArg; }) {
    if constexpr (std::is_constructible_v<T, typename T::TCreateArg>) return &NewInstance<T>;
    else return nullptr;
  } else if constexpr (std::is_default_constructible_v<T>) {
    return &NewInstance<T>;
  } else {
    return nullptr;
  }
}

}  // namespace publish_detail

// In the class's .cpp: defines the class reference and opens the body of its publisher, whose
// parameter is `p`.
#define PR_PUBLISH(Name)                                                                        \
  TClass Name::StaticClass() {                                                                  \
    static const TMetaClass meta(#Name, Name::inherited::StaticClass(),                         \
                                 publish_detail::FactoryOf<Name>(), [](TClassTables& tables) {  \
                                   TPublisher<Name> publisher(tables);                          \
                                   Name::Publish(publisher);                                    \
                                 });                                                            \
    return &meta;                                                                               \
  }                                                                                             \
  void Name::Publish([[maybe_unused]] TPublisher<Name>& p)

// For a class that publishes nothing of its own.
#define PR_IMPLEMENT_CLASS(Name) \
  PR_PUBLISH(Name) {}
