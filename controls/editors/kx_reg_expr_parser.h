// The second stage of compiling a regular expression: lexems become the parse tree.
//
// Every error is recorded with the line and column of its lexem and parsing goes on, so one pass
// reports them all; the tree is then incomplete and only good to be freed.  What a mask text may
// ask is bounded, so that no mask can exhaust memory or the stack:
// - a repeat count in braces above MaxRepeatCount is an "Incorrect parameter quantifier";
// - braces without an upper bound on an item that can match the empty text are refused like "*"
//   (reading would otherwise follow a loop of connectors for ever);
// - blocks nest at most MaxBlockNesting deep, counting those that quantifiers, braces and their
//   optional tails and back-references make ("The expression is nested too deeply");
// - at most MaxStates states are made, copies and the start state included; the first lexem that
//   would pass that ends the parse with "The expression is too large".
#pragma once

#include <memory>
#include <vector>

#include "controls/editors/kx_reg_expr_errors.h"
#include "controls/editors/kx_reg_expr_lexems.h"
#include "controls/editors/kx_reg_expr_parser_items.h"

class TkxRegExprParser {
 public:
  static constexpr Integer MaxRepeatCount = 1000;
  static constexpr Integer MaxBlockNesting = 2000;
  static constexpr Integer MaxStates = 100000;

  TkxRegExprParser(const TkxLexems& Lexems, TkxRegExprErrors& Errors) : lexems_(Lexems), errors_(Errors) {}
  std::unique_ptr<TkxRegExprParserAlts> Run();

 private:
  enum class TkxAltEnd { Bar, Close, End };

  bool AtEnd() const { return next_ >= lexems_.Count(); }
  const TkxLexem& Peek() const { return lexems_.Items(next_); }
  const TkxLexem& Next() { return lexems_.Items(next_++); }
  void Error(const TkxLexem& Lexem, PResStringRec Text, const std::string& Argument = {});
  // Counts Count new states; past MaxStates records "too large" at Lexem and ends the parse.
  void Reserve(Int64 Count, const TkxLexem& Lexem);
  // False, with the error recorded at Lexem, when an item of Height would nest too deeply in an
  // alternative at Depth parentheses.
  bool NestingFits(Integer Depth, Integer Height, const TkxLexem& Lexem);

  TkxAltEnd ParseAlternative(TkxRegExprParserAlt& Alt, Integer Depth);
  void ParseLexem(TkxRegExprParserAlt& Alt, const TkxLexem& Lexem, Integer Depth);
  void AddSimpleItem(TkxRegExprParserAlt& Alt, std::unique_ptr<TkxRegExprItem> Item, const TkxLexem& Lexem);
  std::unique_ptr<TkxRegExprParserItem> ParseBlock(const TkxLexem& Open, Integer Depth);
  void ParseEnumeration(TkxRegExprParserAlt& Alt, const TkxLexem& Open);
  void AddBackReference(TkxRegExprParserAlt& Alt, const TkxLexem& Lexem, Integer Depth);
  void ApplyQuantifier(TkxRegExprParserAlt& Alt, const TkxLexem& Lexem, Integer Depth);
  void ApplyParameterQuantifier(TkxRegExprParserAlt& Alt, const TkxLexem& Open, Integer Depth);
  // Reads "N}", "N,}" or "N,M}" after "{"; false, with the error recorded and the lexems up to
  // the closing "}" skipped, for anything else.
  bool ReadRepeatCounts(const TkxLexem& Open, Integer& Min, Integer& Max, bool& Unbounded);
  bool ReadCount(const TkxLexem& Lexem, Integer& Count) const;
  void SkipPastBrace();

  const TkxLexems& lexems_;
  TkxRegExprErrors& errors_;
  Integer next_ = 0;
  Int64 statesMade_ = 1;   // the start state
  // The blocks in the order of their opening parentheses, for back-references.
  std::vector<TkxRegExprParserBlockItem*> blocks_;
  // Items that braces replaced by their copies: kept to the end of the parse because registered
  // blocks may live in them.
  std::vector<std::unique_ptr<TkxRegExprParserItem>> replaced_;
};
