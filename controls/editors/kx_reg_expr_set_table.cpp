#include "controls/editors/kx_reg_expr_set_table.h"

#include <algorithm>

namespace {

std::uint64_t HashOf(const TkxRegExprStates& Set) {
  std::uint64_t hash = 14695981039346656037ull;   // FNV-1a over the state addresses
  for (const TkxRegExprSimpleState* state : Set) {
    hash ^= reinterpret_cast<std::uintptr_t>(state);
    hash *= 1099511628211ull;
  }
  return hash;
}

bool SameStates(const TkxRegExprStates& A, const TkxRegExprStates& B) {
  return A.Count() == B.Count() && std::equal(A.begin(), A.end(), B.begin());
}

}  // namespace

TkxSetId TkxRegExprSetTable::Intern(const TkxRegExprStates& Set) {
  const std::uint64_t hash = HashOf(Set);
  const auto found = byHash_.find(hash);
  TkxSetId first = NoSet;
  if (found != byHash_.end()) {
    first = found->second;
    for (TkxSetId id = first; id != NoSet; id = sets_[id].SameHash) {
      if (SameStates(sets_[id].States, Set)) return id;
    }
  }
  const auto id = static_cast<TkxSetId>(sets_.size());
  TkxKeptSet& kept = sets_.emplace_back();
  kept.States = Set;
  kept.Final = Set.HasFinal();
  kept.SameHash = first;
  byHash_[hash] = id;
  keptStates_ += static_cast<std::size_t>(Set.Count());
  return id;
}

void TkxRegExprSetTable::KeepTransition(TkxSetId Id, unsigned char Byte, TkxSetId Next) {
  auto& table = sets_[Id].Transitions;
  if (!table) {
    if (transitionTables_ == MaxTransitionTables) return;
    ++transitionTables_;
    table = std::make_unique<std::array<TkxSetId, 256>>();
    table->fill(Unknown);
  }
  (*table)[Byte] = Next;
}

bool TkxRegExprSetTable::Trim() {
  if (keptStates_ <= MaxKeptStates) return false;
  sets_.clear();
  byHash_.clear();
  keptStates_ = 0;
  transitionTables_ = 0;
  return true;
}

std::size_t TkxRegExprSetTable::Bytes() const {
  return sets_.capacity() * sizeof(TkxKeptSet) + keptStates_ * sizeof(TkxRegExprSimpleState*) +
         byHash_.size() * (sizeof(std::uint64_t) + sizeof(TkxSetId) + 2 * sizeof(void*));
}
