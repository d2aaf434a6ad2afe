// Classic typed files: a file of fixed-size records stored back to back, no header.
//
// The record size is given when the file is opened, as `file of T` fixes it.  Reset opens an
// existing file with the access in FileMode (0 read, 1 write, 2 read and write; 3 gives 12),
// Rewrite creates or empties one for reading and writing; both close the file first when it is
// open, and a file never assigned gives 102.  Read and Write move one record at the current record
// position; a Read that finds less than a whole record gives 100.  FileSize and FilePos count
// records; Seek sets the record position (also past the end); Truncate cuts the file at it.
// Failures follow classic_io.h.
#pragma once

#include <string_view>

#include "platform/core/types.h"
#include "platform/os/classic_file.h"

class TypedFile : public ClassicFile {
 public:
  TypedFile() = default;

 private:
  Integer recordSize_ = 0;

  bool Ready();
  bool Open(Integer recordSize, DWORD access, DWORD disposition);

  friend void AssignFile(TypedFile& f, std::string_view name);
  friend void Reset(TypedFile& f, Integer recordSize);
  friend void Rewrite(TypedFile& f, Integer recordSize);
  friend void Read(TypedFile& f, void* record);
  friend void Write(TypedFile& f, const void* record);
  friend bool Eof(TypedFile& f);
  friend Int64 FileSize(TypedFile& f);
  friend Int64 FilePos(TypedFile& f);
  friend void Seek(TypedFile& f, Int64 record);
  friend void Truncate(TypedFile& f);
  friend void CloseFile(TypedFile& f);
};

void AssignFile(TypedFile& f, std::string_view name);
void Reset(TypedFile& f, Integer recordSize);
void Rewrite(TypedFile& f, Integer recordSize);
void Read(TypedFile& f, void* record);
void Write(TypedFile& f, const void* record);
bool Eof(TypedFile& f);
Int64 FileSize(TypedFile& f);
Int64 FilePos(TypedFile& f);
void Seek(TypedFile& f, Int64 record);
void Truncate(TypedFile& f);
void CloseFile(TypedFile& f);
