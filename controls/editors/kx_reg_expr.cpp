#include "controls/editors/kx_reg_expr.h"

#include <algorithm>

#include "controls/editors/kx_reg_expr_automat.h"
#include "controls/editors/kx_reg_expr_lexer.h"
#include "controls/editors/kx_reg_expr_parser.h"
#include "controls/editors/kx_reg_expr_texts.h"
#include "controls/foundation/kx_classes.h"

namespace {

// The whole text of the stream from its start; false when there is no stream or it cannot be read.
bool ReadSource(TStream* Stream, std::string& Source) {
  if (Stream == nullptr) return false;
  try {
    Stream->SetPosition(0);
    Source.resize(static_cast<std::size_t>(Stream->Size()));
    Stream->ReadBuffer(Source.data(), static_cast<Integer>(Source.size()));
  } catch (const Exception&) {
    return false;
  }
  return true;
}

}  // namespace

TkxRegExpr::TkxRegExpr() = default;
TkxRegExpr::~TkxRegExpr() = default;

void TkxRegExpr::Compile(TStream* Stream) {
  Discard();
  std::string source;
  if (!ReadSource(Stream, source)) Fail(0, 0, &sRegExprStreamNotAssigned);
  if (std::all_of(source.begin(), source.end(), IsRegExprBlank)) Fail(0, 0, &sRegExprStreamEmpty);
  TkxLexems lexems;
  TkxRegExprLexer(source, lexems, errors_).Run();
  RaiseIfErrors();
  TkxRegExprParser parser(lexems, errors_);
  std::unique_ptr<TkxRegExprParserAlts> tree = parser.Run();
  RaiseIfErrors();
  automat_ = std::make_unique<TkxRegExprAutomat>(std::move(tree));
  if (autoComplete_) automat_->AppendForcedChars(OnForcedCharAdded);
}

bool TkxRegExpr::Advance(char& Ch) {
  TkxRegExprAutomat& automat = Automat();
  if (!automat.Read(Ch, caseInsensitive_)) return false;
  if (autoComplete_) automat.AppendForcedChars(OnForcedCharAdded);
  return true;
}

std::string TkxRegExpr::AdvanceText(const std::string& Text) {
  TkxRegExprAutomat& automat = Automat();
  std::string taken;
  for (const char ch : Text) {
    char read = ch;
    if (automat.Read(read, caseInsensitive_)) taken += ch;
  }
  return taken;
}

bool TkxRegExpr::StepBack() {
  TkxRegExprAutomat& automat = Automat();
  if (autoComplete_) automat.RemoveForcedChars(OnForcedCharRemoved);
  return automat.StepBack();
}

void TkxRegExpr::Restart() { Automat().Restart(); }

bool TkxRegExpr::AtStart() const { return Automat().AtStart(); }

bool TkxRegExpr::IsComplete() const { return Automat().IsComplete(); }

void TkxRegExpr::SetAutoComplete(bool Value) {
  const bool switchedOn = Value && !autoComplete_;
  autoComplete_ = Value;
  if (switchedOn && automat_) automat_->AppendForcedChars(OnForcedCharAdded);
}

void TkxRegExpr::Discard() {
  automat_.reset();
  errors_.Clear();
}

Integer TkxRegExpr::StateCount() const { return Automat().StateCount(); }

Integer TkxRegExpr::CurrentStateCount() const { return Automat().CurrentStateCount(); }

std::size_t TkxRegExpr::HistoryBytes() const { return Automat().HistoryBytes(); }

TkxRegExprAutomat& TkxRegExpr::Automat() const {
  if (!automat_) throw EkxEditError(LoadResStringOrReplacement(&sRegExprNotCompiled));
  return *automat_;
}

void TkxRegExpr::Fail(Integer Line, Integer Column, PResStringRec Text) {
  errors_.Add(Line, Column, Text);
  throw EkxRegExprError(errors_);
}

void TkxRegExpr::RaiseIfErrors() const {
  if (errors_.Count() > 0) throw EkxRegExprError(errors_);
}
