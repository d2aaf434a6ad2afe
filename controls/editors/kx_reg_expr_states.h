// The states of a regular expression's automaton and the sets the automaton moves between.
//
// A simple state is one position of the expression: it tests a character with its item (the
// start state has none and tests nothing).  A block state is a connector without an item: the
// entry or exit of a parenthesised block, or the skip connector in front of an optional item;
// reading passes through connectors without reading.  Transitions are kept in the order they
// were made, which is the order in which reading meets the states they lead to.
#pragma once

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

  // The number of the automaton's last walk that reached this state (each walk takes a new one),
  // so that a walk meets every state once.
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

  bool Accepts(char& Ch, bool CaseInsensitive) const { return item_ && item_->Accepts(Ch, CaseInsensitive); }
  const TkxRegExprItem* Item() const { return item_.get(); }
  bool Final() const { return final_; }
  void MarkFinal() { final_ = true; }
  // The same item (copied) without transitions and not final.
  std::unique_ptr<TkxRegExprSimpleState> Copy() const;

 private:
  std::unique_ptr<TkxRegExprItem> item_;
  bool final_ = false;
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
