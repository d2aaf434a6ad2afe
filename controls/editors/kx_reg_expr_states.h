// The states of a regular expression's automaton and the sets the automaton moves between.
//
// A simple state is one position of the expression: it tests a character with its item (the
// start state has none and tests nothing).  A block state is a connector without an item: the
// entry or exit of a parenthesised block, or the skip connector in front of an optional item;
// reading passes through connectors without reading.  Transitions are kept in the order they
// were made, which is the order in which reading meets the states they lead to.
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

#include "controls/editors/kx_reg_expr_items.h"
#include "platform/core/types.h"

class TkxRegExprState {
 public:
  TkxRegExprState(const TkxRegExprState&) = delete;
  TkxRegExprState& operator=(const TkxRegExprState&) = delete;

  void Link(TkxRegExprState* State) { transitions_.push_back(State); }
  const std::vector<TkxRegExprState*>& Transitions() const { return transitions_; }
  bool IsConnector() const { return connector_; }

  // The number of the automaton's last walk through connectors that reached this state (each walk
  // takes a new one), so that a walk meets every state once.
  std::uint64_t VisitMark = 0;

 protected:
  explicit TkxRegExprState(bool AConnector) : connector_(AConnector) {}
  ~TkxRegExprState() = default;

 private:
  std::vector<TkxRegExprState*> transitions_;
  bool connector_;
};

class TkxRegExprSimpleState final : public TkxRegExprState {
 public:
  // Without an item: the start state.
  explicit TkxRegExprSimpleState(std::unique_ptr<TkxRegExprItem> AItem = nullptr)
      : TkxRegExprState(false), item_(std::move(AItem)) {}

  bool Accepts(char& Ch, bool CaseInsensitive) const {
    if (!CaseInsensitive && table_ == TkxTable::Built) return accepted_.test(static_cast<unsigned char>(Ch));
    return AcceptsOnce(Ch, CaseInsensitive);
  }
  const TkxRegExprItem* Item() const { return item_.get(); }
  // The answer to a case-sensitive test depends on the character alone.
  bool IsFixed() const { return item_ == nullptr || item_->IsFixed(); }
  bool Final() const { return final_; }
  void MarkFinal() { final_ = true; }
  // The same item (copied) without transitions and not final.
  std::unique_ptr<TkxRegExprSimpleState> Copy() const;

  // Kept by the automaton: the simple states this one's transitions lead to (once each, in the
  // order reading meets them) once they have been walked, and the number of the last set built
  // that took this state in.
  std::vector<TkxRegExprSimpleState*> CachedSuccessors;
  bool SuccessorsCached = false;
  std::uint64_t SetMark = 0;

 private:
  // A fixed item's case-sensitive answers are put in a table of the 256 bytes at its first test.
  enum class TkxTable : Byte { Unknown, Built, None };
  bool AcceptsOnce(char& Ch, bool CaseInsensitive) const;

  std::unique_ptr<TkxRegExprItem> item_;
  bool final_ = false;
  mutable TkxTable table_ = TkxTable::Unknown;
  mutable std::bitset<256> accepted_;
};

class TkxRegExprBlockState final : public TkxRegExprState {
 public:
  TkxRegExprBlockState() : TkxRegExprState(true) {}
};

// A set of simple states in the order they were first reached; the automaton keeps each state
// once.
class TkxRegExprStates {
 public:
  void Include(TkxRegExprSimpleState* State) { items_.push_back(State); }
  void Clear() { items_.clear(); }
  Integer Count() const { return static_cast<Integer>(items_.size()); }
  TkxRegExprSimpleState* Items(Integer Index) const { return items_[static_cast<std::size_t>(Index)]; }
  bool Empty() const { return items_.empty(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool HasFinal() const;
  // True when the set is not empty and every state stands for the same single character (a
  // symbol or a separator), which is put in Ch.
  bool GetForcedChar(char& Ch) const;

 private:
  std::vector<TkxRegExprSimpleState*> items_;
};
