// The errors a regular expression's compilation records: each with the line and column of the
// lexem concerned (0 and 0 for errors about the whole source), collected per stage and raised
// together as one EkxRegExprError.
#pragma once

#include <string>
#include <vector>

#include "controls/editors/kx_edit_errors.h"
#include "platform/core/res_string.h"
#include "platform/core/types.h"

class TkxRegExprError {
 public:
  TkxRegExprError(Integer ALine, Integer AColumn, std::string AMessage)
      : Line(ALine), Column(AColumn), Message(std::move(AMessage)) {}

  // "Line<n>, Char<c>: <message>"; the column part only when the column is above 0, the line part
  // (with the column part and ": ") only when the line is above 0.
  std::string FullText() const;

  Integer Line;
  Integer Column;
  std::string Message;
};

class TkxRegExprErrors {
 public:
  void Add(Integer Line, Integer Column, std::string Message);
  // Adds the resource string's text, "%s" replaced by Argument when one is given.
  void Add(Integer Line, Integer Column, PResStringRec Text, const std::string& Argument = {});
  void Clear() { items_.clear(); }
  Integer Count() const { return static_cast<Integer>(items_.size()); }
  const TkxRegExprError& Items(Integer Index) const { return items_.at(static_cast<std::size_t>(Index)); }

 private:
  std::vector<TkxRegExprError> items_;
};

// A failed compilation.  It carries its own copy of the errors, so it stays valid whatever happens
// to the expression that raised it; its message is their full texts, one per line (CR LF).
class EkxRegExprError : public EkxEditError {
 public:
  explicit EkxRegExprError(const TkxRegExprErrors& AErrors);
  const char* ClassName() const override { return "EkxRegExprError"; }
  const TkxRegExprErrors& Errors() const { return errors_; }

 private:
  TkxRegExprErrors errors_;
};
