#include "controls/editors/kx_reg_expr_automat.h"

#include <utility>

#include "controls/editors/kx_reg_expr_linker.h"

TkxRegExprAutomat::TkxRegExprAutomat(std::unique_ptr<TkxRegExprParserAlts> Tree)
    : tree_(std::move(Tree)), start_(std::make_unique<TkxRegExprSimpleState>()) {
  TkxRegExprLinker(skipConnectors_).Link(*start_, *tree_);
  Restart();
}

bool TkxRegExprAutomat::Read(char& Ch, bool CaseInsensitive) {
  CollectSuccessors(current_, next_, &Ch, CaseInsensitive);
  if (next_.Empty()) return false;
  PushHistory(current_);
  std::swap(current_, next_);
  return true;
}

bool TkxRegExprAutomat::StepBack() {
  if (historySizes_.empty()) return false;
  PopHistory(current_);
  return true;
}

void TkxRegExprAutomat::Restart() {
  historyStates_.clear();
  historySizes_.clear();
  current_.Clear();
  current_.Include(start_.get());
}

void TkxRegExprAutomat::AppendForcedChars(const Event<void(char)>& OnAdded) {
  char forced = 0;
  while (!current_.HasFinal()) {
    CollectSuccessors(current_, next_, nullptr, false);
    if (!next_.GetForcedChar(forced)) return;
    OnAdded(forced);
    PushHistory(current_);
    std::swap(current_, next_);
  }
}

void TkxRegExprAutomat::RemoveForcedChars(const Event<void()>& OnRemoved) {
  char forced = 0;
  while (current_.GetForcedChar(forced) && !historySizes_.empty()) {
    PopHistory(previous_);
    CollectSuccessors(previous_, next_, nullptr, false);
    if (previous_.HasFinal() || !next_.GetForcedChar(forced)) {
      PushHistory(previous_);
      return;
    }
    OnRemoved();
    std::swap(current_, previous_);
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
  return historyStates_.capacity() * sizeof(TkxRegExprSimpleState*) + historySizes_.capacity() * sizeof(std::uint32_t);
}

void TkxRegExprAutomat::CollectSuccessors(const TkxRegExprStates& From, TkxRegExprStates& Into, char* Ch,
                                          bool CaseInsensitive) {
  ++walkNumber_;
  Into.Clear();
  for (const TkxRegExprSimpleState* from : From) {
    // Depth first in transition order, so states come out in the order reading meets them.
    walk_.assign(from->Transitions().rbegin(), from->Transitions().rend());
    while (!walk_.empty()) {
      TkxRegExprState* state = walk_.back();
      walk_.pop_back();
      if (state->VisitMark == walkNumber_) continue;
      state->VisitMark = walkNumber_;
      if (state->IsConnector()) {
        walk_.insert(walk_.end(), state->Transitions().rbegin(), state->Transitions().rend());
        continue;
      }
      auto* simple = static_cast<TkxRegExprSimpleState*>(state);
      if (Ch == nullptr || simple->Accepts(*Ch, CaseInsensitive)) Into.Include(simple);
    }
  }
}

void TkxRegExprAutomat::PushHistory(const TkxRegExprStates& Set) {
  historyStates_.insert(historyStates_.end(), Set.begin(), Set.end());
  historySizes_.push_back(static_cast<std::uint32_t>(Set.Count()));
}

void TkxRegExprAutomat::PopHistory(TkxRegExprStates& Into) {
  const std::size_t size = historySizes_.back();
  historySizes_.pop_back();
  Into.Clear();
  for (std::size_t i = historyStates_.size() - size; i < historyStates_.size(); ++i) Into.Include(historyStates_[i]);
  historyStates_.resize(historyStates_.size() - size);
}
