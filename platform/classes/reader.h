// TReader: reads binary component streams ("TPF0") into components.
//
// ReadRootComponent reads the signature, the root and everything it holds: published properties
// by name (dotted paths reach sub-objects: "Font.Name"), DefineProperties data, collections and
// child components, created by class name (the root's published field classes first, then the
// class registry, then OnFindComponentClass).  Component references are resolved after the whole
// stream (reference_fixups.h); event properties are bound to the root's published methods.  When
// everything is read, Loaded runs on every component read, in reading order.
//
// Errors raise EReadError (properties: "Error reading Comp.Prop: Property Prop does not exist"),
// EClassNotFound "Class TX not found", or the stream's errors.  OnError may handle an error in a
// property or in creating a component: the bad value (or the whole component) is skipped and
// reading goes on.  OnSetName may rename a component as it is read; references in the stream that
// name it follow the new name.  The reader buffers; when it is destroyed the stream is left just
// after the last byte it used.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/classes/event.h"
#include "platform/classes/filer.h"
#include "platform/core/types.h"

class Currency;
class TCollection;
struct TMethodEntry;
struct TPropInfo;
struct Extended80;

class TReader : public TFiler {
  PR_CLASS(TReader, TFiler)

 public:
  TReader(TStream* Stream, Integer BufSize);
  ~TReader() override;

  Event<void(TReader* Reader, const std::string& Message, bool& Handled)> OnError;
  Event<void(TReader* Reader, const std::string& MethodName, const TMethodEntry*& Address, bool& Error)> OnFindMethod;
  Event<void(TReader* Reader, TComponent* Component, std::string& Name)> OnSetName;
  Event<void(TReader* Reader, std::string& Name)> OnReferenceName;
  Event<void(TReader* Reader, const std::string& ComponentName, TClass ComponentClass, TComponent*& Component)>
      OnAncestorNotFound;
  Event<void(TReader* Reader, const std::string& ClassName, TClass& ComponentClass)> OnFindComponentClass;
  Event<void(TReader* Reader, TClass ComponentClass, TComponent*& Component)> OnCreateComponent;

  void DefineProperty(const std::string& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                            bool HasData) override;
  void FlushBuffer() override;

  // Components.
  TComponent* ReadRootComponent(TComponent* Root);
  TComponent* ReadComponent(TComponent* Component);
  void ReadData(TComponent* Instance);
  void ReadProperty(TPersistent* AInstance);
  void ReadCollection(TCollection* Collection);
  void ReadSignature();
  void ReadPrefix(TFilerFlags& Flags, Integer& AChildPos);
  TClass FindComponentClass(const std::string& ClassName);

  // Values.
  bool EndOfList();
  TValueType NextValue();
  TValueType ReadValue();
  void CheckValue(TValueType Value);
  void ReadListBegin() { CheckValue(vaList); }
  void ReadListEnd() { CheckValue(vaNull); }
  bool ReadBoolean();
  char ReadChar();
  char16_t ReadWideChar();
  Integer ReadInteger();
  Int64 ReadInt64();
  double ReadFloat();
  Extended80 ReadExtended();   // any float or integer value as the 10-byte float
  float ReadSingle();
  Currency ReadCurrency();
  TDateTime ReadDate();
  std::string ReadIdent();
  std::string ReadStr();
  std::string ReadString();
  std::u16string ReadWideString();
  UInt64 ReadSet(const TTypeInfo* SetType);
  void SkipValue();
  void Read(void* Buf, Integer Count);
  Int64 Position() const;
  void SetPosition(Int64 Value);

  TComponent* Owner() const { return owner_; }
  void SetOwner(TComponent* Value) { owner_ = Value; }
  TComponent* Parent() const { return parent_; }
  void SetParent(TComponent* Value) { parent_ = Value; }
  // The name of the property being read, for DefineProperties.
  const std::string& PropName() const { return propName_; }

 protected:
  // Answers whether OnError handled the error.
  virtual bool Error(const std::string& Message);
  virtual const TMethodEntry* FindMethod(TComponent* ARoot, const std::string& MethodName);
  virtual void SetName(TComponent* Component, std::string& Name);
  virtual void ReferenceName(std::string& Name);

 private:
  struct Fixup {
    TPersistent* instance;
    const TPropInfo* prop;
    TComponent* component;
    TComponent* lookupRoot;
    std::string reference;
  };
  class Nesting;

  Byte PeekByte();
  void FillBuffer();
  void EnsureAvailable(Int64 count);
  void ReadPropValue(TPersistent* Instance, const TPropInfo* Prop);
  void ReadReference(TPersistent* Instance, const TPropInfo* Prop);
  void ReadMethodValue(TPersistent* Instance, const TPropInfo* Prop);
  void ReadBinaryValue(const TStreamProc& ReadData);
  void ReadDataInner(TComponent* Instance);
  void SkipSetBody();
  void SkipProperty();
  void SkipComponent(bool SkipHeader);
  bool Recover(const std::string& Message);
  void ForgetComponent(TComponent* Component);
  void DoFixupReferences();
  std::string RenamedReference(const std::string& Reference) const;
  [[noreturn]] void PropValueError();
  [[noreturn]] void PropertyError(const std::string& Name);

  TComponent* owner_ = nullptr;
  TComponent* parent_ = nullptr;
  TComponent* currentComponent_ = nullptr;
  std::string propName_;
  bool canHandleExcepts_ = false;
  bool readingFixups_ = false;
  int nesting_ = 0;
  std::vector<Fixup> fixups_;
  std::vector<TComponent*> loaded_;
  std::vector<std::pair<std::string, std::string>> renames_;   // stream name -> name given
};
