// TUiTranscript: what a scripted run of the user interface writes down, one line each, so that a
// caller (a test, a person) sees what the program showed and how each box was answered.
//
// Lines, UTF-8:
//   SHOW <form>|<caption>          a form (not a box) became visible; <form> is its Name
//   HIDE <form>                    it was hidden
//   BOX <caption>|<text>|<answer>  a message box or question closed with that answer (a button's
//                                  caption without "&", or "Escape")
//   FAIL <line>: <reason>          the script failed at that line (0: the script itself)
//   EXIT <code>                    the last line: the program's exit code
// Fields escape "\" as "\\", "|" as "\|" and a line break as "\n" (a carriage return before it is
// dropped), so every record is one line and splits at unescaped bars.  Texts are code page 874
// inside the program and UTF-8 here.
//
// Thread-safe: a watchdog may write from its own thread.  Each line is flushed when written, so a
// run that ends abruptly leaves whole lines.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/core/types.h"

class TUiTranscript {
 public:
  // Writes to the file Path (created, or emptied), or to standard error when Path is empty;
  // raises Exception when the file cannot be created.
  explicit TUiTranscript(const std::string& Path);
  ~TUiTranscript();
  TUiTranscript(const TUiTranscript&) = delete;
  TUiTranscript& operator=(const TUiTranscript&) = delete;

  void Show(std::string_view Form, std::string_view Caption);
  void Hide(std::string_view Form);
  void Box(std::string_view Caption, std::string_view Text, std::string_view Answer);
  void Fail(Integer Line, std::string_view Reason);
  void Exit(Integer Code);

 private:
  void WriteLine(const std::string& Line);

  std::mutex mutex_;
  std::FILE* file_ = nullptr;
  bool ownsFile_ = false;
};

// One field of a transcript line: code page 874 text as escaped UTF-8.
std::string TranscriptField(std::string_view Text);
