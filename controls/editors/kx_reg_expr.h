// The regular-expression engine of edit masks (unit kxRegExpr): compiles an expression into a
// position automaton and matches a text one character at a time, forwards and backwards.  The
// masked editor feeds it each typed character (Advance refuses one that cannot continue any
// match), asks whether the text is a complete match (IsComplete) and steps back (StepBack); with
// AutoComplete the automaton types the characters that are the only possible continuation
// (OnForcedCharAdded) and takes them away again when stepping back (OnForcedCharRemoved).
//
// The dialect: literals, quoted text ('...', '' for a quote), ".", classes \d \D \w \W \s \S,
// escapes \a \e \f \n \r \t \xHH, \p (the locale's decimal separator when compiling), "/" and
// ":" (the locale's date and time separators when reading; "\/" and "\:" are the characters
// themselves), brackets with ranges and "^", groups with "|", back-references \1..\9 (a copy of
// the group's pattern, not of the text it matched), and the quantifiers ? * + {n} {n,} {n,m}.
// White space outside quotes is ignored.  docs/controls-editors.md lists the limits on a mask.
//
// Compile raises EkxRegExprError with every error of the stage that failed; matching before a
// successful Compile raises EkxEditError "Regular expression is not compiled".
#pragma once

#include <memory>
#include <string>

#include "controls/editors/kx_reg_expr_errors.h"
#include "platform/classes/event.h"
#include "platform/classes/stream.h"

class TkxRegExprAutomat;

class TkxRegExpr {
 public:
  TkxRegExpr();
  ~TkxRegExpr();
  TkxRegExpr(const TkxRegExpr&) = delete;
  TkxRegExpr& operator=(const TkxRegExpr&) = delete;

  // Compiles the whole text of Stream (from its start), after discarding what was compiled.
  void Compile(TStream* Stream);
  bool IsReady() const { return automat_ != nullptr; }

  // Feeds one character; false leaves the automaton as it was.  Under CaseInsensitive Ch may come
  // back as the expression's own character.  With AutoComplete, forced characters follow.
  bool Advance(char& Ch);
  // Feeds the characters of Text in turn (no forced characters, whatever AutoComplete says) and
  // answers those that were taken, as they stand in Text; refused ones are skipped.
  std::string AdvanceText(const std::string& Text);
  // With AutoComplete, first takes away the forced characters at the end; then one character
  // back.  False at the start.
  bool StepBack();
  // Back to the start with an empty history.
  void Restart();
  bool AtStart() const;
  bool IsComplete() const;

  bool AutoComplete() const { return autoComplete_; }
  // Switched on while compiled, it appends the forced characters at once.
  void SetAutoComplete(bool Value);
  bool CaseInsensitive() const { return caseInsensitive_; }
  void SetCaseInsensitive(bool Value) { caseInsensitive_ = Value; }

  // Forgets the compiled automaton and the errors; not compiled afterwards.
  void Discard();
  const TkxRegExprErrors& Errors() const { return errors_; }

  // The automaton's size and its current set's, and the memory of its history.
  Integer StateCount() const;
  Integer CurrentStateCount() const;
  std::size_t HistoryBytes() const;

  Event<void()> OnForcedCharRemoved;
  Event<void(char)> OnForcedCharAdded;

 private:
  TkxRegExprAutomat& Automat() const;
  [[noreturn]] void Fail(Integer Line, Integer Column, PResStringRec Text);
  void RaiseIfErrors() const;

  std::unique_ptr<TkxRegExprAutomat> automat_;
  bool caseInsensitive_ = false;
  bool autoComplete_ = false;
  TkxRegExprErrors errors_;
};
