// The position automaton of a compiled regular expression and its walk over a text.
//
// The automaton stands in a set of simple states: the start state alone at first, then the
// positions that can have read the text so far, each once, in the order reading first reached
// them (the first state decides AtStart).  Reading a character moves to the states it reaches,
// passing through connectors; the set it leaves goes onto the history, so that stepping back is
// taking the last set from it.  Walks through the states are iterative: no chain of connectors,
// however long, deepens the stack.
//
// The history keeps its sets one after another in one array, with their sizes in another: a
// character read costs 4 bytes plus 8 bytes for each state of the set it left.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/editors/kx_reg_expr_parser_items.h"
#include "platform/classes/event.h"

class TkxRegExprAutomat {
 public:
  // Links the tree.
  explicit TkxRegExprAutomat(std::unique_ptr<TkxRegExprParserAlts> Tree);
  TkxRegExprAutomat(const TkxRegExprAutomat&) = delete;
  TkxRegExprAutomat& operator=(const TkxRegExprAutomat&) = delete;

  // Reads Ch; false, and nothing changes, when no state takes it.  Under CaseInsensitive Ch may
  // come back as the expression's own character.
  bool Read(char& Ch, bool CaseInsensitive);
  // Back to the set before the last character; false at the start of the history.
  bool StepBack();
  void Restart();
  bool AtStart() const { return !current_.Empty() && current_.Items(0) == start_.get(); }
  bool IsComplete() const { return current_.HasFinal(); }
  // While the text is not complete and the next character can only be one, reads it and tells
  // OnAdded.
  void AppendForcedChars(const Event<void(char)>& OnAdded);
  // While the current set stands for one character that its predecessor forced, steps back to
  // the predecessor and tells OnRemoved.
  void RemoveForcedChars(const Event<void()>& OnRemoved);

  // Every state: the start, the tree's positions and connectors, the skip connectors.
  Integer StateCount() const;
  Integer CurrentStateCount() const { return current_.Count(); }
  // Bytes held for stepping back.
  std::size_t HistoryBytes() const;

 private:
  // Into := the simple states the transitions of From's states lead to (through connectors),
  // each once, keeping only those that take *Ch when Ch is given.
  void CollectSuccessors(const TkxRegExprStates& From, TkxRegExprStates& Into, char* Ch, bool CaseInsensitive);
  void PushHistory(const TkxRegExprStates& Set);
  void PopHistory(TkxRegExprStates& Into);

  TkxRegExprStates current_;
  std::unique_ptr<TkxRegExprParserAlts> tree_;
  std::vector<TkxRegExprSimpleState*> historyStates_;
  std::vector<std::uint32_t> historySizes_;
  std::unique_ptr<TkxRegExprSimpleState> start_;
  std::vector<std::unique_ptr<TkxRegExprBlockState>> skipConnectors_;
  // Scratch of the walks, kept to spare allocations.
  TkxRegExprStates next_;
  TkxRegExprStates previous_;
  std::vector<TkxRegExprState*> walk_;
  std::uint64_t walkNumber_ = 0;
};
