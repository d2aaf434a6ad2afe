#include "controls/editors/kx_reg_expr_errors.h"

#include "controls/foundation/kx_classes.h"
#include "platform/core/format.h"
#include "platform/core/int_text.h"

std::string TkxRegExprError::FullText() const {
  std::string text;
  if (Line > 0) {
    text = "Line" + IntToStr(Line);
    if (Column > 0) text += ", Char" + IntToStr(Column);
    text += ": ";
  }
  return text + Message;
}

void TkxRegExprErrors::Add(Integer Line, Integer Column, std::string Message) {
  items_.emplace_back(Line, Column, std::move(Message));
}

void TkxRegExprErrors::Add(Integer Line, Integer Column, PResStringRec Text, const std::string& Argument) {
  const std::string text = LoadResStringOrReplacement(Text);
  Add(Line, Column, Argument.empty() ? text : Format(text, {Argument}));
}

namespace {

std::string JoinFullTexts(const TkxRegExprErrors& Errors) {
  std::string text;
  for (Integer i = 0; i < Errors.Count(); ++i) {
    if (i > 0) text += "\r\n";
    text += Errors.Items(i).FullText();
  }
  return text;
}

}  // namespace

EkxRegExprError::EkxRegExprError(const TkxRegExprErrors& AErrors)
    : EkxEditError(JoinFullTexts(AErrors)), errors_(AErrors) {}
