#include "platform/ui/ui_transcript.h"

#include <cerrno>
#include <cstring>

#include "platform/core/cp874.h"
#include "platform/core/exceptions.h"

std::string TranscriptField(std::string_view Text) {
  std::string escaped;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char c = Text[i];
    if (c == '\\') escaped += "\\\\";
    else if (c == '|') escaped += "\\|";
    else if (c == '\n') escaped += "\\n";
    else if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') continue;
    else escaped += c;
  }
  return Cp874ToUtf8(escaped);
}

TUiTranscript::TUiTranscript(const std::string& Path) {
  if (Path.empty()) {
    file_ = stderr;
    return;
  }
  file_ = std::fopen(Path.c_str(), "wb");
  if (file_ == nullptr) throw Exception("The transcript " + Path + " cannot be created: " + std::strerror(errno));
  ownsFile_ = true;
}

TUiTranscript::~TUiTranscript() {
  if (ownsFile_) std::fclose(file_);
}

void TUiTranscript::Show(std::string_view Form, std::string_view Caption) {
  WriteLine("SHOW " + TranscriptField(Form) + "|" + TranscriptField(Caption));
}

void TUiTranscript::Hide(std::string_view Form) { WriteLine("HIDE " + TranscriptField(Form)); }

void TUiTranscript::Box(std::string_view Caption, std::string_view Text, std::string_view Answer) {
  WriteLine("BOX " + TranscriptField(Caption) + "|" + TranscriptField(Text) + "|" + TranscriptField(Answer));
}

void TUiTranscript::Fail(Integer Line, std::string_view Reason) {
  WriteLine("FAIL " + std::to_string(Line) + ": " + TranscriptField(Reason));
}

void TUiTranscript::Exit(Integer Code) { WriteLine("EXIT " + std::to_string(Code)); }

void TUiTranscript::WriteLine(const std::string& Line) {
  std::lock_guard lock(mutex_);
  std::fputs((Line + "\n").c_str(), file_);
  std::fflush(file_);
}
