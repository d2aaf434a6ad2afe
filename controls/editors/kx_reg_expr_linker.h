// The third stage of compiling a regular expression: the parse tree's states are linked into a
// position automaton and its final positions marked.
//
// In every sequence an item's exit leads to the entry of the next item and, while items can be
// left out ("?", "*"), to the entries after them; a repeated item's exit leads back to its entry;
// a block's entry leads into each of its alternatives (and to its exit when one of them can be
// left out entirely), and the exits of each alternative's last items lead to the block's exit.
// Skipping is not linked item by item: an optional item that has items after it gets a skip
// connector in front, leading to its entry and on to what follows, so that a run of n optional
// items makes n transitions, not n * n, and reading meets the entries in the same order.
//
// Final positions are those after which the rest of the expression can match the empty text:
// the last items of each top alternative back to the first that cannot be empty, inside blocks
// alike.  The start state is final when a whole top alternative can be empty.
#pragma once

#include <memory>
#include <vector>

#include "controls/editors/kx_reg_expr_parser_items.h"

class TkxRegExprLinker {
 public:
  // Skip connectors are added to Connectors, which must live as long as the automaton.
  explicit TkxRegExprLinker(std::vector<std::unique_ptr<TkxRegExprBlockState>>& Connectors)
      : connectors_(Connectors) {}
  void Link(TkxRegExprSimpleState& Start, TkxRegExprParserAlts& Alts);

 private:
  // Links the sequence and the blocks in it; answers the state through which it is entered
  // (null for a sequence without items).
  TkxRegExprState* LinkSequence(TkxRegExprParserAlt& Alt);
  void LinkBlock(TkxRegExprParserBlockItem& Block);

  std::vector<std::unique_ptr<TkxRegExprBlockState>>& connectors_;
};
