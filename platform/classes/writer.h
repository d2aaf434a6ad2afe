// TWriter: writes components as binary component streams ("TPF0").
//
// WriteRootComponent / WriteDescendent write the signature and the root with its published
// properties (only values that differ from the property's default, or from the ancestor's value
// when an ancestor is given), DefineProperties data and children (GetChildren).  Against an
// ancestor, components also found in the ancestor are marked ffInherited and left out entirely
// when nothing differs; a changed order is marked ffChildPos.  References to other components are
// written by name ("Button1", "Form2.Button1"), events by the root's published method name.  The
// writer buffers; its destructor (or FlushBuffer) writes what is left.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/event.h"
#include "platform/classes/filer.h"
#include "platform/core/types.h"

class Currency;
class TCollection;
struct TPropInfo;
struct Extended80;

class TWriter : public TFiler {
  PR_CLASS(TWriter, TFiler)

 public:
  TWriter(TStream* Stream, Integer BufSize);
  ~TWriter() override;

  Event<void(TWriter* Writer, TComponent* Component, const std::string& Name, TComponent*& Ancestor,
             TComponent*& RootAncestor)>
      OnFindAncestor;

  void DefineProperty(const std::string& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                            bool HasData) override;
  void FlushBuffer() override;

  void WriteRootComponent(TComponent* Root);
  void WriteDescendent(TComponent* Root, TComponent* AAncestor);
  void WriteComponent(TComponent* Component);
  void WriteData(TComponent* Instance);
  void WriteProperties(TPersistent* Instance);
  void WriteProperty(TPersistent* Instance, const TPropInfo* Prop);
  void WriteCollection(TCollection* Value);
  void WriteSignature();
  void WritePrefix(TFilerFlags Flags, Integer AChildPos);

  void WriteValue(TValueType Value);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }
  void WriteBoolean(bool Value);
  void WriteChar(char Value);
  void WriteWideChar(char16_t Value);
  void WriteInteger(Integer Value);   // the smallest of vaInt8, vaInt16, vaInt32
  void WriteInteger(Int64 Value);     // vaInt64 only when it does not fit 32 bits
  void WriteFloat(double Value);      // vaExtended
  void WriteExtended(const Extended80& Value);
  void WriteSingle(float Value);
  void WriteCurrency(Currency Value);
  void WriteDate(TDateTime Value);
  void WriteIdent(const std::string& Ident);   // "True", "False", "nil", "Null" become their value kinds
  void WriteStr(const std::string& Value);     // a short string of at most 255 bytes (longer is cut)
  void WriteString(const std::string& Value);
  // Text of ASCII characters only is written as an 8-bit string (it reads back the same either
  // way); anything else as UTF-16 (vaWString).
  void WriteWideString(const std::u16string& Value);
  void WriteBinary(const TStreamProc& WriteData);
  void Write(const void* Buf, Integer Count);
  Int64 Position() const;
  void SetPosition(Int64 Value);
  TComponent* RootAncestor() const { return rootAncestor_; }
  void SetRootAncestor(TComponent* Value) { rootAncestor_ = Value; }

 private:
  void WriteBuffer();
  void WritePropName(const std::string& PropName);
  void WriteOrdProp(TPersistent* Instance, const TPropInfo* Prop, bool AncestorValid);
  void WriteFloatProp(TPersistent* Instance, const TPropInfo* Prop, bool AncestorValid);
  void WriteObjectProp(TPersistent* Instance, const TPropInfo* Prop, bool AncestorValid);
  void WriteMethodProp(TPersistent* Instance, const TPropInfo* Prop, bool AncestorValid);
  std::string ComponentReference(TComponent* Component) const;
  TComponent* FindAncestor(const std::string& Name) const;
  bool CollectionsEqual(TCollection* C1, TCollection* C2);

  std::string propPath_;
  TComponent* rootAncestor_ = nullptr;
  const std::vector<TComponent*>* ancestorList_ = nullptr;
  std::size_t ancestorPos_ = 0;
  Integer childPos_ = 0;
};
