// TFiler: what the component reader and writer share: the stream, a buffer, the root and ancestor,
// and DefineProperty, through which a class streams data that is not a published property.
//
// The binary component stream ("TPF0") is described byte by byte in
// docs/format-component-stream.md; the value kinds below are its value-type bytes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/classes/enum_set.h"
#include "platform/classes/object.h"
#include "platform/classes/type_info.h"

PR_ENUM(TValueType, vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue,
        vaBinary, vaSet, vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64,
        vaUTF8String)
PR_ENUM(TFilerFlag, ffInherited, ffChildPos, ffInline)
using TFilerFlags = TSet<TFilerFlag>;

inline constexpr char FilerSignature[4] = {'T', 'P', 'F', '0'};

class TStream;
class TReader;
class TWriter;
class TComponent;
class TPersistent;

using TReaderProc = std::function<void(TReader* Reader)>;
using TWriterProc = std::function<void(TWriter* Writer)>;
using TStreamProc = std::function<void(TStream* Stream)>;

class TFiler : public TObject {
  PR_CLASS(TFiler, TObject)

 public:
  TFiler(TStream* Stream, Integer BufSize);

  // Reading: calls ReadData when Name is the property being read.  Writing: when HasData, writes
  // the property Name and calls WriteData to write its value.
  virtual void DefineProperty(const std::string& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                              bool HasData) = 0;
  // The same for a value of raw bytes (vaBinary), handed over as a memory stream.
  virtual void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;
  virtual void FlushBuffer() = 0;

  TComponent* Root() const { return root_; }
  virtual void SetRoot(TComponent* Value) { root_ = Value; }
  TComponent* LookupRoot() const { return lookupRoot_; }
  TPersistent* Ancestor() const { return ancestor_; }
  void SetAncestor(TPersistent* Value) { ancestor_ = Value; }
  bool IgnoreChildren() const { return ignoreChildren_; }
  void SetIgnoreChildren(bool Value) { ignoreChildren_ = Value; }

 protected:
  TStream* stream_;
  std::vector<Byte> buffer_;
  Integer bufPos_ = 0;
  Integer bufEnd_ = 0;
  TComponent* root_ = nullptr;
  TComponent* lookupRoot_ = nullptr;
  TPersistent* ancestor_ = nullptr;
  bool ignoreChildren_ = false;
};
