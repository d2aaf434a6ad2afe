#include "mask_fuzz_target.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "controls/editors/kx_reg_expr.h"
#include "controls/editors/kx_standard_mask.h"
#include "platform/classes/string_stream.h"

namespace {

// Reading costs time in proportion to the automaton's size, by design: the text is cut so that
// characters times states stays below this, as longer runs would only measure speed.
constexpr std::size_t kReadingBudget = 500'000;

void Check(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "broken invariant: %s\n", What);
  std::abort();
}

// Feeds Text, then steps back to the start; every set stays within the automaton.
void TypeAndStepBack(TkxRegExpr& Expr, const std::string& Text) {
  for (char ch : Text) {
    Expr.Advance(ch);
    Check(Expr.CurrentStateCount() <= Expr.StateCount(), "a set larger than the automaton");
  }
  Expr.IsComplete();
  while (Expr.StepBack()) {
  }
  Check(Expr.AtStart(), "not at the start after stepping back");
}

void RunRegularExpression(const std::string& Mask, std::string Text) {
  long forcedEvents = 0;   // handlers are set so that the events are raised; outlives the expression
  TkxRegExpr expr;
  expr.OnForcedCharAdded = [&forcedEvents](char) { ++forcedEvents; };
  expr.OnForcedCharRemoved = [&forcedEvents] { ++forcedEvents; };
  TStringStream source(Mask);
  try {
    expr.Compile(&source);
  } catch (const EkxRegExprError& error) {
    Check(error.Errors().Count() > 0, "a compile error without errors");
    return;
  }
  Text.resize(std::min(Text.size(), kReadingBudget / static_cast<std::size_t>(expr.StateCount())));
  TypeAndStepBack(expr, Text);
  expr.SetCaseInsensitive(true);
  expr.SetAutoComplete(true);
  TypeAndStepBack(expr, Text);
  expr.Restart();
  expr.AdvanceText(Text);
}

void RunClassicMask(const std::string& Mask, const std::string& Text) {
  TkxStandardMask mask;
  mask.SetMask(Mask);
  const auto count = static_cast<std::size_t>(mask.Count());
  Check(mask.GetEmptyText().size() == count, "an empty text of another width");
  for (const bool withLiterals : {true, false}) {
    std::string masked = Text;
    mask.Format(masked, withLiterals, withLiterals);
    Check(masked.size() == count, "a formatted text of another width");
    mask.IsValid(masked);
    mask.GetValueText(masked);
    Check(masked.size() <= count, "a value text longer than the mask");
  }
}

}  // namespace

void RunMaskFuzzInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view input(reinterpret_cast<const char*>(Data), Size);
  const std::size_t split = input.find('\0');
  const std::string mask(input.substr(0, split));
  const std::string text(split == std::string_view::npos ? std::string_view() : input.substr(split + 1));
  RunRegularExpression(mask, text);
  RunClassicMask(mask, text);
}
