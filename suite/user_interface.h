// How the suite's code reaches the user: message boxes of three kinds, the yes/no question, the wait
// popup, the progress text naming each data file being opened, the question whether a saved copy
// of a record file replaces the current file, and the two steps of a fatal stop (beep, plain
// message box).
//
// The suite (record-file wrapper, settings, texts) never draws a window itself.  The application
// derives from `SuiteUserInterface` with its dialogs and installs it at start-up; tests install a
// recorder.  Until something is installed, a fallback writes every message to standard error (as
// UTF-8, one line each) and answers every question with No, the answer that changes nothing.
//
// Invariants: the entry points below are the only way suite code talks to the user; each forwards
// exactly one call to the installed interface; texts are code page 874 bytes.
#pragma once

#include <string>

#include "platform/core/types.h"

// Message kinds of `ShowMessageKind`; other numbers show the box with its designed caption.
inline constexpr Integer MessageKindInformation = 1;
inline constexpr Integer MessageKindError = 2;
inline constexpr Integer MessageKindWarning = 3;

// Question kinds of `AskYesNo`: the button that is the default.
inline constexpr Integer QuestionDefaultYes = 1;
inline constexpr Integer QuestionDefaultNo = 2;

class SuiteUserInterface {
 public:
  virtual ~SuiteUserInterface() = default;
  // A modal box with one OK button; returns when the user closed it.
  virtual void ShowMessageKind(Integer kind, const std::string& text) = 0;
  // A modal question; true when the user chose Yes.  The text already ends in "?" or ".".
  virtual bool AskYesNo(Integer kind, const std::string& question) = 0;
  // The modeless "please wait" popup, shown during long work; one at a time.
  virtual void ShowWait() = 0;
  virtual void CloseWait() = 0;
  // Announces the data file being opened ("กำลังเปิดแฟ้มข้อมูล PRFILE01.DAT").
  virtual void ShowProgressText(const std::string& text) = 0;
  // Shows a saved copy left by an interrupted repair: the copy's name ("X.SAV" or "X.IX~") and the
  // sizes of the copy and of the current file, as texts; true when the user chose to put the copy
  // in place of the current file.
  virtual bool AskRestoreCopy(const std::string& copyName, const std::string& copySize,
                              const std::string& currentSize) = 0;
  // The first two steps of a fatal stop; the suite ends the program itself afterwards.
  virtual void Beep() = 0;
  virtual void ShowPlainMessage(const std::string& text) = 0;
};

// Installs `ui` (nullptr reinstalls the fallback) and returns the interface installed before.
// The caller keeps `ui` alive while it is installed.
SuiteUserInterface* SetSuiteUserInterface(SuiteUserInterface* ui);
SuiteUserInterface& CurrentSuiteUserInterface();

void ShowMessageKind(Integer kind, const std::string& text);
void ShowInformation(const std::string& text);
void ShowErrorBox(const std::string& text);
// The two numbers are accepted for the callers' sake and not shown.
void ShowErrorBoxEx(Integer first, Integer second, const std::string& text);
// Appends "?" to a question that ends in neither "?" nor "." before asking it.
bool AskYesNo(Integer kind, std::string question);
bool AskYesNoDefaultYes(const std::string& question);
void ShowWait();
void CloseWait();
void ShowProgressText(const std::string& text);
// The class library's plain message box (no kind, no picture).
void ShowPlainMessage(const std::string& text);
