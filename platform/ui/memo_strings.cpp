#include "platform/ui/memo_strings.h"

#include <cstring>

#include "platform/window_classes/edit_window.h"
#include "platform/classes/publisher.h"
#include "platform/ui/memo.h"
#include "platform/user/message_ids.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"

PR_IMPLEMENT_CLASS(TMemoStrings)

namespace {

// Every line break ("\r\n", a lone "\r" or a lone "\n") as "\r\n", the window's line break.
std::string WindowLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    out += "\r\n";
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}

}  // namespace

LRESULT TMemoStrings::Send(UINT Message, WPARAM WParam, LPARAM LParam) const {
  return SendMessageA(memo_->Handle(), Message, WParam, LParam);
}

void TMemoStrings::ReplaceRange(Integer From, Integer To, const std::string& S) const {
  Send(EM_SETSEL, WPARAM(From), LPARAM(To));
  Send(EM_REPLACESEL, 0, LPARAM(S.c_str()));
}

Integer TMemoStrings::GetCount() const {
  Integer count = Integer(Send(EM_GETLINECOUNT));
  const LRESULT lastStart = Send(EM_LINEINDEX, WPARAM(count - 1));
  if (Send(EM_LINELENGTH, WPARAM(lastStart)) == 0) --count;
  return count;
}

std::string TMemoStrings::Get(Integer Index) const {
  const LRESULT start = Send(EM_LINEINDEX, WPARAM(Index));
  if (start < 0) return {};
  std::string line(std::size_t(Send(EM_LINELENGTH, WPARAM(start))) + sizeof(WORD), '\0');
  const WORD size = WORD(line.size());
  std::memcpy(line.data(), &size, sizeof size);
  line.resize(std::size_t(Send(EM_GETLINE, WPARAM(Index), LPARAM(line.data()))));
  return line;
}

void TMemoStrings::Put(Integer Index, const std::string& S) {
  const LRESULT start = Send(EM_LINEINDEX, WPARAM(Index));
  if (start < 0) return;
  ReplaceRange(Integer(start), Integer(start + Send(EM_LINELENGTH, WPARAM(start))), S);
}

void TMemoStrings::Insert(Integer Index, const std::string& S) {
  if (Index < 0) return;
  LRESULT start = Send(EM_LINEINDEX, WPARAM(Index));
  std::string line;
  if (start >= 0) {
    line = S + "\r\n";
  } else {   // after the last line: break it first
    start = Send(EM_LINEINDEX, WPARAM(Index - 1));
    if (start < 0) return;
    const LRESULT length = Send(EM_LINELENGTH, WPARAM(start));
    if (length == 0) return;
    start += length;
    line = "\r\n" + S;
  }
  ReplaceRange(Integer(start), Integer(start), line);
}

void TMemoStrings::Delete(Integer Index) {
  const LRESULT start = Send(EM_LINEINDEX, WPARAM(Index));
  if (start < 0) return;
  LRESULT end = Send(EM_LINEINDEX, WPARAM(Index + 1));
  if (end < 0) end = start + Send(EM_LINELENGTH, WPARAM(start));
  ReplaceRange(Integer(start), Integer(end), "");
}

void TMemoStrings::Clear() { memo_->Clear(); }

std::string TMemoStrings::Text() const { return memo_->Text(); }

void TMemoStrings::SetText(const std::string& Value) {
  const std::string text = WindowLineBreaks(Value);
  if (text != memo_->Text()) memo_->SetText(text);
}

void TMemoStrings::SetUpdateState(bool Updating) {
  if (!memo_->HandleAllocated()) return;
  Send(WM_SETREDRAW, !Updating);
  if (!Updating) memo_->Refresh();
}
