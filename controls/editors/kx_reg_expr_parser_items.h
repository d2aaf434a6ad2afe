// The parse tree of a regular expression: alternatives of item sequences, where an item is one
// position (a simple item owning its state) or a parenthesised block (owning its alternatives and
// two connectors, entry and exit), each with a quantifier.
//
// A block caches what the parser and the automaton ask of it (whether some alternative inside can
// be empty, its state count, its nesting height); Close takes them from its direct contents, so
// the parser closes a block whenever its contents are complete (and before measuring an open one).
#pragma once

#include <memory>
#include <vector>

#include "controls/editors/kx_reg_expr_quantifiers.h"
#include "controls/editors/kx_reg_expr_states.h"

class TkxRegExprParserItem {
 public:
  virtual ~TkxRegExprParserItem() = default;
  TkxRegExprParserItem(const TkxRegExprParserItem&) = delete;
  TkxRegExprParserItem& operator=(const TkxRegExprParserItem&) = delete;

  // The item can match the empty text.
  virtual bool MayBeEmpty() const = 0;
  // A deep copy with the same quantifier, new states and no transitions.
  virtual std::unique_ptr<TkxRegExprParserItem> Copy() const = 0;
  // Marks final every position at which a match of the item can end.
  virtual void MarkFinal() = 0;
  virtual TkxRegExprState* Entry() = 0;
  virtual TkxRegExprState* Exit() = 0;
  // The states the item holds, connectors included.
  virtual Integer StateCount() const = 0;
  // How many blocks nest inside the item, itself included: 0 for a simple item.
  virtual Integer Height() const = 0;

  bool Optional() const { return quantifier_->Optional(); }
  bool Repeatable() const { return quantifier_->Repeatable(); }
  bool HasQuantifier() const { return quantifier_ != QuantifierOf<TkxRegExprSimpleQuantifier>(); }
  const TkxRegExprQuantifier* Quantifier() const { return quantifier_; }
  void ReplaceQuantifier(const TkxRegExprQuantifier* AQuantifier) { quantifier_ = AQuantifier; }

  // Where the item was written (the lexem that made it), for errors found while building.
  Integer Line() const { return line_; }
  Integer Column() const { return column_; }

 protected:
  TkxRegExprParserItem(Integer ALine, Integer AColumn) : line_(ALine), column_(AColumn) {}

 private:
  const TkxRegExprQuantifier* quantifier_ = QuantifierOf<TkxRegExprSimpleQuantifier>();
  Integer line_;
  Integer column_;
};

class TkxRegExprParserSimpleItem final : public TkxRegExprParserItem {
 public:
  TkxRegExprParserSimpleItem(std::unique_ptr<TkxRegExprSimpleState> AState, Integer ALine, Integer AColumn)
      : TkxRegExprParserItem(ALine, AColumn), state_(std::move(AState)) {}

  bool MayBeEmpty() const override { return Optional(); }
  std::unique_ptr<TkxRegExprParserItem> Copy() const override;
  void MarkFinal() override { state_->MarkFinal(); }
  TkxRegExprState* Entry() override { return state_.get(); }
  TkxRegExprState* Exit() override { return state_.get(); }
  Integer StateCount() const override { return 1; }
  Integer Height() const override { return 0; }

 private:
  std::unique_ptr<TkxRegExprSimpleState> state_;
};

// One sequence of items.
class TkxRegExprParserAlt {
 public:
  std::vector<std::unique_ptr<TkxRegExprParserItem>> Items;

  // Every item can match the empty text (so can a sequence without items).
  bool AllMayBeEmpty() const;
  // Every item may be left out by its quantifier.
  bool AllOptional() const;
  // From the last item backwards up to and including the first that cannot match the empty
  // text: marks the positions at which a match of the sequence can end.
  void MarkFinal();
};

class TkxRegExprParserAlts {
 public:
  TkxRegExprParserAlt& Add() { return *items_.emplace_back(std::make_unique<TkxRegExprParserAlt>()); }
  Integer Count() const { return static_cast<Integer>(items_.size()); }
  TkxRegExprParserAlt& Items(Integer Index) const { return *items_[static_cast<std::size_t>(Index)]; }

 private:
  std::vector<std::unique_ptr<TkxRegExprParserAlt>> items_;
};

class TkxRegExprParserBlockItem final : public TkxRegExprParserItem {
 public:
  TkxRegExprParserBlockItem(Integer ALine, Integer AColumn) : TkxRegExprParserItem(ALine, AColumn) {}

  TkxRegExprParserAlts& Alts() { return alts_; }
  // Takes the cached values from the contents as they stand.
  void Close();

  bool MayBeEmpty() const override { return Optional() || emptyInside_; }
  std::unique_ptr<TkxRegExprParserItem> Copy() const override;
  void MarkFinal() override;
  TkxRegExprState* Entry() override { return &entry_; }
  TkxRegExprState* Exit() override { return &exit_; }
  Integer StateCount() const override { return stateCount_; }
  Integer Height() const override { return height_; }

 private:
  TkxRegExprParserAlts alts_;
  TkxRegExprBlockState exit_;
  TkxRegExprBlockState entry_;
  bool emptyInside_ = true;
  Integer stateCount_ = 2;
  Integer height_ = 1;
};
