// TUiScript: the steps of a scripted run of a program's user interface, read from a script file.
//
// Script format: UTF-8 text, one step a line; blank lines and lines whose first non-blank
// character is "#" are skipped.  A step is a verb and its arguments separated by blanks; an
// argument holding blanks is written in double quotes, inside which "" stands for one quote.
// Verbs (any case) and their arguments:
//   select GRID ROW     the grid's row ROW (a number) becomes the current row
//   click NAME          a left click on the control
//   key KEY...          keys pressed and released in turn: Enter, Space, PgDn, F10, Ctrl+A, Shift+Tab
//                       (the shortcut names of shortcuts.h, also Escape, Return, Backspace, Delete,
//                       Insert)
//   type TEXT           the text typed at the caret (over a selection)
//   set NAME TEXT       the control focused, its text selected and TEXT typed over it
//   file PATH|cancel    the open file dialog takes PATH (OK) or is cancelled
//   answer BUTTON       the open box's button with that caption ("&" left out, any case) is clicked
//   signal PATH         the file is created (empty)
//   await PATH          the step ends once the file exists
// Names are found as the test driver finds them ("Button1", "Form1.Button1").  PATH arguments
// are relative to the script's folder unless absolute.  Texts and names are converted to code
// page 874; a character the code page lacks is an error of the script.
//
// Errors: a script that cannot be read or holds a malformed line raises EUiScriptError, whose
// Line() is the line (0 for the file itself); its message is code page 874 text.
#pragma once

#include <string>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/core/types.h"

class EUiScriptError : public Exception {
 public:
  EUiScriptError(Integer Line, const std::string& Message) : Exception(Message), line_(Line) {}
  Integer Line() const { return line_; }
  const char* ClassName() const override { return "EUiScriptError"; }

 private:
  Integer line_;
};

enum class TUiStepKind { Select, Click, Key, Type, Set, File, Answer, Signal, Await };

// A key of a `key` step: the virtual key and the modifiers held around it.
struct TUiKeyStroke {
  Word Key = 0;
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

struct TUiStep {
  Integer Line = 0;
  TUiStepKind Kind = TUiStepKind::Click;
  // Code page 874 name and text (select, click, set, answer, type); native path (file, signal,
  // await; empty for "file cancel").
  std::string Name;
  std::string Text;
  std::string Path;
  Integer Row = 0;
  std::vector<TUiKeyStroke> Keys;
};

class TUiScript {
 public:
  // Reads and checks the whole script; raises EUiScriptError.  Relative paths are taken from the
  // script's folder as it is now (the program's current folder may change later).
  static TUiScript Load(const std::string& Path);
  // The same from text; relative paths are taken from Folder.
  static TUiScript Parse(const std::string& Text, const std::string& Folder);

  const std::vector<TUiStep>& Steps() const { return steps_; }

 private:
  std::vector<TUiStep> steps_;
};

// The key a key name stands for ("Ctrl+A", "Escape"); raises EUiScriptError for an unknown name.
TUiKeyStroke ParseKeyName(Integer Line, const std::string& Name);
