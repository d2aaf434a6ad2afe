// TStream: the class library's abstract byte stream.
//
// Read/Write transfer up to Count bytes and answer how many moved; ReadBuffer/WriteBuffer insist
// on all of them (EReadError "Stream read error" / EWriteError "Stream write error").  Positions and
// sizes are 64-bit.  Components are read and written as binary component streams ("TPF0",
// reader.h / writer.h); a reader or writer leaves the stream just after what it used, so several
// components can follow one another on one stream.
#pragma once

#include "platform/classes/object.h"
#include "platform/classes/type_info.h"

PR_ENUM(TSeekOrigin, soBeginning, soCurrent, soEnd)

class TComponent;

class TStream : public TObject {
  PR_CLASS(TStream, TObject)

 public:
  virtual Integer Read(void* Buffer, Integer Count) = 0;
  virtual Integer Write(const void* Buffer, Integer Count) = 0;
  virtual Int64 Seek(Int64 Offset, TSeekOrigin Origin) = 0;

  Int64 Position() { return Seek(0, soCurrent); }
  void SetPosition(Int64 Pos) { Seek(Pos, soBeginning); }
  virtual Int64 Size();
  virtual void SetSize(Int64 NewSize);

  void ReadBuffer(void* Buffer, Integer Count);
  void WriteBuffer(const void* Buffer, Integer Count);
  // Copies Count bytes from Source's position; Count 0 copies all of Source from its start.
  Int64 CopyFrom(TStream* Source, Int64 Count);

  // Reads one component stream into Instance (nullptr: creates the root from its class name).
  TComponent* ReadComponent(TComponent* Instance);
  void WriteComponent(TComponent* Instance);
  void WriteDescendent(TComponent* Instance, TComponent* Ancestor);
};
