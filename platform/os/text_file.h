// Classic text files: lines of code page 874 bytes.
//
// Reading, CR LF and LF both end a line; every other CR is dropped, and a Ctrl-Z (0x1A) ends the
// text as the end of the file does.  Writing, WriteLn ends each line with CR LF.  Reset opens an
// existing file for reading, Rewrite creates or empties one for writing, Append opens an existing
// one for writing at its end (after cutting it at a Ctrl-Z in its last 128 bytes); each closes
// the file first when it is open, and a file never assigned gives 102.  Reading a file opened for
// writing gives 104, writing one opened for reading 105, anything on a closed file 103.  Output
// is buffered and written by Flush, CloseFile, reopening and destruction.  Failures follow
// classic_io.h.
#pragma once

#include <string>
#include <string_view>

#include "platform/os/classic_file.h"

class TextFile : public ClassicFile {
 public:
  TextFile() = default;
  ~TextFile();

 private:
  enum class Mode { kClosed, kInput, kOutput };

  bool ReadyFor(Mode mode);
  bool Open(Mode mode, DWORD access, DWORD disposition);
  // The next byte of the text (CRs skipped), or -1 at its end or on a failure.
  int Peek();
  // Writes the buffered output; the classic result of a failure, else 0.
  Integer WriteOut();
  // Appends the rest of the current line to `text`, leaving its end unread.
  void ReadRest(std::string& text);
  bool CutAtCtrlZ();

  Mode mode_ = Mode::kClosed;
  std::string buffer_;    // input: bytes read ahead; output: bytes not yet written
  std::size_t next_ = 0;  // input: index of the next byte in buffer_
  bool ended_ = false;    // input: the end of the file or a Ctrl-Z was reached

  friend void AssignFile(TextFile& f, std::string_view name);
  friend void Reset(TextFile& f);
  friend void Rewrite(TextFile& f);
  friend void Append(TextFile& f);
  friend void Read(TextFile& f, std::string& text);
  friend void ReadLn(TextFile& f, std::string& line);
  friend void ReadLn(TextFile& f);
  friend bool Eof(TextFile& f);
  friend bool Eoln(TextFile& f);
  friend void Write(TextFile& f, std::string_view text);
  friend void WriteLn(TextFile& f, std::string_view text);
  friend void Flush(TextFile& f);
  friend void CloseFile(TextFile& f);
};

void AssignFile(TextFile& f, std::string_view name);
void Reset(TextFile& f);
void Rewrite(TextFile& f);
void Append(TextFile& f);
// The rest of the current line, without its end (which stays to be read).
void Read(TextFile& f, std::string& text);
// The rest of the current line; the line end is consumed.
void ReadLn(TextFile& f, std::string& line);
void ReadLn(TextFile& f);
bool Eof(TextFile& f);
bool Eoln(TextFile& f);
void Write(TextFile& f, std::string_view text);
void WriteLn(TextFile& f, std::string_view text = {});
void Flush(TextFile& f);
void CloseFile(TextFile& f);
