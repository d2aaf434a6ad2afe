// The position automaton of a compiled regular expression and its walk over a text.
//
// The automaton stands in a set of simple states: the start state alone at first, then the
// positions that can have read the text so far, each once, in the order reading first reached
// them (the first state decides AtStart).  Reading a character moves to the states it reaches,
// passing through connectors; the set it leaves goes onto the history, so that stepping back is
// taking the last set from it.  Sets are kept once each in a set table (kx_reg_expr_set_table.h),
// the history holds their numbers.
//
// What a state's transitions lead to, through connectors, is walked once (iteratively: no chain
// of connectors deepens the stack) and kept with the state, up to MaxCachedSuccessors entries for
// the whole automaton; past that it is walked at each use.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/editors/kx_reg_expr_parser_items.h"
#include "controls/editors/kx_reg_expr_set_table.h"
#include "platform/classes/event.h"

class TkxRegExprAutomat {
 public:
  static constexpr std::size_t MaxCachedSuccessors = 1'000'000;

  // Links the tree.
  explicit TkxRegExprAutomat(std::unique_ptr<TkxRegExprParserAlts> Tree);
  TkxRegExprAutomat(const TkxRegExprAutomat&) = delete;
  TkxRegExprAutomat& operator=(const TkxRegExprAutomat&) = delete;

  // Reads Ch; false, and nothing changes, when no state takes it.  Under CaseInsensitive Ch may
  // come back as the expression's own character.
  bool Read(char& Ch, bool CaseInsensitive);
  // Back to the set before the last character; false at the start of the history.
  bool StepBack();
  // Back to the start set with an empty history.
  void Restart();
  bool AtStart() const { return sets_.States(current_).Items(0) == start_.get(); }
  bool IsComplete() const { return sets_.Final(current_); }
  // While the text is not complete and the next character can only be one, reads it and tells
  // OnAdded.
  void AppendForcedChars(const Event<void(char)>& OnAdded);
  // While the current set stands for one character that its predecessor forced, steps back to
  // the predecessor and tells OnRemoved.
  void RemoveForcedChars(const Event<void()>& OnRemoved);

  // Every state: the start, the tree's positions and connectors, the skip connectors.
  Integer StateCount() const;
  Integer CurrentStateCount() const { return sets_.States(current_).Count(); }
  // Bytes held for stepping back: the numbers of the sets left behind and the sets, kept once.
  std::size_t HistoryBytes() const;

 private:
  // Into := the simple states the transitions of From's states lead to (through connectors),
  // each once, keeping only those that take *Ch when Ch is given.  Fixed is set to whether every
  // state tested answers from the character alone.
  void CollectSuccessors(const TkxRegExprStates& From, TkxRegExprStates& Into, char* Ch, bool CaseInsensitive,
                         bool& Fixed);
  // The simple states State's transitions lead to, each once, in the order reading meets them.
  const std::vector<TkxRegExprSimpleState*>& SuccessorsOf(TkxRegExprSimpleState& State);
  // The set of the states that can follow the current set's.
  TkxSetId CurrentSuccessors();
  void MoveTo(TkxSetId Set);

  std::unique_ptr<TkxRegExprParserAlts> tree_;
  std::unique_ptr<TkxRegExprSimpleState> start_;
  std::vector<std::unique_ptr<TkxRegExprBlockState>> skipConnectors_;
  TkxRegExprSetTable sets_;
  TkxSetId startSet_ = 0;
  TkxSetId current_ = 0;
  std::vector<TkxSetId> history_;
  // Scratch of the walks, kept to spare allocations.
  TkxRegExprStates next_;
  std::vector<TkxRegExprState*> walk_;
  std::vector<TkxRegExprSimpleState*> walked_;
  std::uint64_t walkNumber_ = 0;
  std::uint64_t setNumber_ = 0;
  std::size_t cachedSuccessors_ = 0;
};
