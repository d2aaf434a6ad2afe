#include "controls/editors/kx_reg_expr_automat.h"

#include <algorithm>
#include <utility>

#include "controls/editors/kx_reg_expr_linker.h"

TkxRegExprAutomat::TkxRegExprAutomat(std::unique_ptr<TkxRegExprParserAlts> Tree)
    : tree_(std::move(Tree)), start_(std::make_unique<TkxRegExprSimpleState>()) {
  TkxRegExprLinker(skipConnectors_).Link(*start_, *tree_);
  next_.Include(start_.get());
  startSet_ = sets_.Intern(next_);
  current_ = startSet_;
}

bool TkxRegExprAutomat::Read(char& Ch, bool CaseInsensitive) {
  const auto byte = static_cast<unsigned char>(Ch);
  TkxSetId next = TkxRegExprSetTable::NoSet;
  if (CaseInsensitive || !sets_.FindTransition(current_, byte, next)) {
    bool fixed = false;
    CollectSuccessors(sets_.States(current_), next_, &Ch, CaseInsensitive, fixed);
    next = next_.Empty() ? TkxRegExprSetTable::NoSet : sets_.Intern(next_);
    if (!CaseInsensitive && fixed) sets_.KeepTransition(current_, byte, next);
  }
  if (next == TkxRegExprSetTable::NoSet) return false;
  MoveTo(next);
  return true;
}

bool TkxRegExprAutomat::StepBack() {
  if (history_.empty()) return false;
  current_ = history_.back();
  history_.pop_back();
  return true;
}

void TkxRegExprAutomat::Restart() {
  history_.clear();
  if (sets_.Trim()) {
    next_.Clear();
    next_.Include(start_.get());
    startSet_ = sets_.Intern(next_);
  }
  current_ = startSet_;
}

void TkxRegExprAutomat::AppendForcedChars(const Event<void(char)>& OnAdded) {
  char forced = 0;
  while (!sets_.Final(current_)) {
    const TkxSetId successors = CurrentSuccessors();
    if (successors == TkxRegExprSetTable::NoSet || !sets_.States(successors).GetForcedChar(forced)) return;
    OnAdded(forced);
    MoveTo(successors);
  }
}

void TkxRegExprAutomat::RemoveForcedChars(const Event<void()>& OnRemoved) {
  char forced = 0;
  while (!history_.empty() && sets_.States(current_).GetForcedChar(forced)) {
    const TkxSetId forcedSet = current_;
    current_ = history_.back();   // the predecessor, looked at
    const TkxSetId successors = CurrentSuccessors();
    if (sets_.Final(current_) || successors == TkxRegExprSetTable::NoSet ||
        !sets_.States(successors).GetForcedChar(forced)) {
      current_ = forcedSet;
      return;
    }
    history_.pop_back();
    OnRemoved();
  }
}

Integer TkxRegExprAutomat::StateCount() const {
  Integer count = 1 + static_cast<Integer>(skipConnectors_.size());
  for (Integer i = 0; i < tree_->Count(); ++i) {
    for (const auto& item : tree_->Items(i).Items) count += item->StateCount();
  }
  return count;
}

std::size_t TkxRegExprAutomat::HistoryBytes() const {
  return history_.capacity() * sizeof(TkxSetId) + sets_.Bytes();
}

void TkxRegExprAutomat::MoveTo(TkxSetId Set) {
  history_.push_back(current_);
  current_ = Set;
}

TkxSetId TkxRegExprAutomat::CurrentSuccessors() {
  bool fixed = false;
  CollectSuccessors(sets_.States(current_), next_, nullptr, false, fixed);
  return next_.Empty() ? TkxRegExprSetTable::NoSet : sets_.Intern(next_);
}

void TkxRegExprAutomat::CollectSuccessors(const TkxRegExprStates& From, TkxRegExprStates& Into, char* Ch,
                                          bool CaseInsensitive, bool& Fixed) {
  Into.Clear();
  Fixed = true;
  const bool several = From.Count() > 1;   // one state's successors are already each once
  const std::uint64_t set = ++setNumber_;
  for (TkxRegExprSimpleState* from : From) {
    for (TkxRegExprSimpleState* next : SuccessorsOf(*from)) {
      if (several) {
        if (next->SetMark == set) continue;
        next->SetMark = set;
      }
      if (Ch != nullptr) {
        Fixed = Fixed && next->IsFixed();
        if (!next->Accepts(*Ch, CaseInsensitive)) continue;
      }
      Into.Include(next);
    }
  }
}

const std::vector<TkxRegExprSimpleState*>& TkxRegExprAutomat::SuccessorsOf(TkxRegExprSimpleState& State) {
  if (State.SuccessorsCached) return State.CachedSuccessors;
  const std::uint64_t walk = ++walkNumber_;
  walked_.clear();
  // Depth first in transition order; a connector is gone through before the next transition.
  walk_.assign(State.Transitions().rbegin(), State.Transitions().rend());
  while (!walk_.empty()) {
    TkxRegExprState* state = walk_.back();
    walk_.pop_back();
    if (state->VisitMark == walk) continue;
    state->VisitMark = walk;
    if (!state->IsConnector()) {
      walked_.push_back(static_cast<TkxRegExprSimpleState*>(state));
      continue;
    }
    const auto& transitions = state->Transitions();
    for (auto it = transitions.rbegin(); it != transitions.rend(); ++it) walk_.push_back(*it);
  }
  if (cachedSuccessors_ + walked_.size() > MaxCachedSuccessors) return walked_;
  cachedSuccessors_ += walked_.size();
  State.CachedSuccessors = walked_;
  State.SuccessorsCached = true;
  return State.CachedSuccessors;
}
