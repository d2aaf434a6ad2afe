// The state sets an automaton has stood in, each kept once under a number, with the transitions
// found from them.
//
// Reading a text moves between few distinct sets (a starred block of twenty positions has twenty),
// so the automaton keeps the numbers of the sets it leaves (4 bytes a character) and each set once.
// A case-sensitive read whose result depends on nothing but the byte is remembered per set in a
// table of 256 numbers, so reading the same byte from the same set again is one look-up.  At most
// MaxTransitionTables sets get a table; kept sets are dropped only by Trim, when they hold more
// than MaxKeptStates states in all and no set is in use.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "controls/editors/kx_reg_expr_states.h"

using TkxSetId = std::uint32_t;

class TkxRegExprSetTable {
 public:
  static constexpr TkxSetId NoSet = UINT32_MAX;   // the character was refused
  static constexpr std::size_t MaxTransitionTables = 4096;
  static constexpr std::size_t MaxKeptStates = 1'000'000;

  TkxSetId Intern(const TkxRegExprStates& Set);
  const TkxRegExprStates& States(TkxSetId Id) const { return sets_[Id].States; }
  bool Final(TkxSetId Id) const { return sets_[Id].Final; }

  // The set a case-sensitive read of Byte leads to from Id (NoSet: refused), when it is known.
  bool FindTransition(TkxSetId Id, unsigned char Byte, TkxSetId& Next) const {
    const auto& table = sets_[Id].Transitions;
    if (!table || (*table)[Byte] == Unknown) return false;
    Next = (*table)[Byte];
    return true;
  }
  void KeepTransition(TkxSetId Id, unsigned char Byte, TkxSetId Next);

  // Drops every kept set when they hold too many states; true when it did.
  bool Trim();
  // The memory of the kept sets (transition tables not counted).
  std::size_t Bytes() const;

 private:
  static constexpr TkxSetId Unknown = UINT32_MAX - 1;

  struct TkxKeptSet {
    TkxRegExprStates States;
    bool Final = false;
    TkxSetId SameHash = NoSet;   // the next kept set whose states hash alike
    std::unique_ptr<std::array<TkxSetId, 256>> Transitions;
  };

  std::vector<TkxKeptSet> sets_;
  std::unordered_map<std::uint64_t, TkxSetId> byHash_;
  std::size_t keptStates_ = 0;
  std::size_t transitionTables_ = 0;
};
