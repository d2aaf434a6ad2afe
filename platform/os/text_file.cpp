// Classic text files; see text_file.h.
//
// Invariants: mode_ is kClosed exactly when the handle is closed; in input mode buffer_[next_..]
// are bytes read ahead and not yet consumed, and nothing is read once ended_ is set; in output
// mode buffer_ holds bytes not yet written, at most kBufferSize of them after each Write.
#include "platform/os/text_file.h"

#include <algorithm>

#include "platform/os/classic_io.h"

namespace {

constexpr std::size_t kBufferSize = 4096;
constexpr char kCtrlZ = 0x1A;
constexpr Int64 kCtrlZWindow = 128;
constexpr Integer kWriteFault = 101;
constexpr Integer kNotOpen = 103;
constexpr Integer kNotForInput = 104;
constexpr Integer kNotForOutput = 105;

}  // namespace

TextFile::~TextFile() {
  if (mode_ == Mode::kOutput) WriteOut();   // nobody is left to hear of a failure
}

bool TextFile::ReadyFor(Mode mode) {
  if (!classic_io::Begin()) return false;
  if (mode_ == mode) return true;
  classic_io::Fail(mode_ == Mode::kClosed ? kNotOpen : mode == Mode::kInput ? kNotForInput : kNotForOutput);
  return false;
}

bool TextFile::Open(Mode mode, DWORD access, DWORD disposition) {
  if (!classic_io::Begin()) return false;
  const Integer flushed = mode_ == Mode::kOutput ? WriteOut() : 0;
  mode_ = Mode::kClosed;
  buffer_.clear();
  next_ = 0;
  ended_ = false;
  if (flushed != 0) classic_io::Fail(flushed);
  if (!OpenAssigned(access, disposition)) return false;
  mode_ = mode;
  return true;
}

int TextFile::Peek() {
  for (;;) {
    if (next_ == buffer_.size()) {
      if (ended_) return -1;
      buffer_.resize(kBufferSize);
      DWORD done = 0;
      const DWORD err = file_.Read(buffer_.data(), static_cast<DWORD>(kBufferSize), done);
      buffer_.resize(done);
      next_ = 0;
      if (err != 0) classic_io::Fail(static_cast<Integer>(err));
      if (err != 0 || done == 0) {
        ended_ = true;
        return -1;
      }
    }
    const char c = buffer_[next_];
    if (c == kCtrlZ) {
      ended_ = true;
      buffer_.clear();
      next_ = 0;
      return -1;
    }
    if (c != '\r') return static_cast<unsigned char>(c);
    ++next_;
  }
}

Integer TextFile::WriteOut() {
  if (buffer_.empty()) return 0;
  DWORD done = 0;
  const DWORD err = file_.Write(buffer_.data(), static_cast<DWORD>(buffer_.size()), done);
  const bool shortWrite = done < buffer_.size();
  buffer_.clear();
  return err != 0 ? classic_io::WriteResult(err) : shortWrite ? kWriteFault : 0;
}

void TextFile::ReadRest(std::string& text) {
  for (int c = Peek(); c >= 0 && c != '\n'; c = Peek()) {
    text.push_back(static_cast<char>(c));
    ++next_;
  }
}

// Cuts the file at the first Ctrl-Z of its last 128 bytes and moves to its end.
bool TextFile::CutAtCtrlZ() {
  Int64 size = 0;
  DWORD err = file_.Size(size);
  const Int64 start = std::max<Int64>(0, size - kCtrlZWindow);
  char tail[kCtrlZWindow];
  DWORD done = 0;
  if (err == 0) err = file_.ReadAt(start, tail, static_cast<DWORD>(size - start), done);
  const char* z = std::find(tail, tail + done, kCtrlZ);
  if (err == 0 && z != tail + done) {
    size = start + (z - tail);
    err = file_.SetSize(size);
  }
  if (err == 0) err = file_.Seek(size, FILE_BEGIN);
  if (err != 0) classic_io::Fail(static_cast<Integer>(err));
  return err == 0;
}

void AssignFile(TextFile& f, std::string_view name) {
  if (f.mode_ == TextFile::Mode::kOutput) f.WriteOut();   // the class library would lose these bytes
  f.mode_ = TextFile::Mode::kClosed;
  f.buffer_.clear();
  f.Assign(name);
}

void Reset(TextFile& f) { f.Open(TextFile::Mode::kInput, GENERIC_READ, OPEN_EXISTING); }

void Rewrite(TextFile& f) { f.Open(TextFile::Mode::kOutput, GENERIC_WRITE, CREATE_ALWAYS); }

void Append(TextFile& f) {
  if (f.Open(TextFile::Mode::kOutput, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING) && !f.CutAtCtrlZ()) {
    f.file_.Close();
    f.mode_ = TextFile::Mode::kClosed;
  }
}

void Read(TextFile& f, std::string& text) {
  text.clear();
  if (f.ReadyFor(TextFile::Mode::kInput)) f.ReadRest(text);
}

void ReadLn(TextFile& f, std::string& line) {
  line.clear();
  if (!f.ReadyFor(TextFile::Mode::kInput)) return;
  f.ReadRest(line);
  if (f.Peek() == '\n') ++f.next_;
}

void ReadLn(TextFile& f) {
  std::string skipped;
  ReadLn(f, skipped);
}

bool Eof(TextFile& f) { return !f.ReadyFor(TextFile::Mode::kInput) || f.Peek() < 0; }

bool Eoln(TextFile& f) {
  if (!f.ReadyFor(TextFile::Mode::kInput)) return true;
  const int c = f.Peek();
  return c < 0 || c == '\n';
}

void Write(TextFile& f, std::string_view text) {
  if (!f.ReadyFor(TextFile::Mode::kOutput)) return;
  f.buffer_.append(text);
  if (f.buffer_.size() >= kBufferSize) {
    if (const Integer code = f.WriteOut()) classic_io::Fail(code);
  }
}

void WriteLn(TextFile& f, std::string_view text) {
  Write(f, text);
  Write(f, "\r\n");
}

void Flush(TextFile& f) {
  if (!f.ReadyFor(TextFile::Mode::kOutput)) return;
  if (const Integer code = f.WriteOut()) classic_io::Fail(code);
}

void CloseFile(TextFile& f) {
  if (!classic_io::Begin()) return;
  if (f.mode_ == TextFile::Mode::kClosed) {
    classic_io::Fail(kNotOpen);
    return;
  }
  // The handle is closed even when the last bytes cannot be written; that failure is reported.
  const Integer flushed = f.mode_ == TextFile::Mode::kOutput ? f.WriteOut() : 0;
  f.mode_ = TextFile::Mode::kClosed;
  f.buffer_.clear();
  const DWORD closed = f.file_.Close();
  if (flushed != 0) classic_io::Fail(flushed);
  else if (closed != 0) classic_io::Fail(static_cast<Integer>(closed));
}
