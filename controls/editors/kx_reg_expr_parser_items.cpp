#include "controls/editors/kx_reg_expr_parser_items.h"

#include <algorithm>

std::unique_ptr<TkxRegExprParserItem> TkxRegExprParserSimpleItem::Copy() const {
  auto copy = std::make_unique<TkxRegExprParserSimpleItem>(state_->Copy(), Line(), Column());
  copy->ReplaceQuantifier(Quantifier());
  return copy;
}

bool TkxRegExprParserAlt::AllMayBeEmpty() const {
  return std::all_of(Items.begin(), Items.end(), [](const auto& item) { return item->MayBeEmpty(); });
}

bool TkxRegExprParserAlt::AllOptional() const {
  return std::all_of(Items.begin(), Items.end(), [](const auto& item) { return item->Optional(); });
}

void TkxRegExprParserAlt::MarkFinal() {
  for (auto it = Items.rbegin(); it != Items.rend(); ++it) {
    (*it)->MarkFinal();
    if (!(*it)->MayBeEmpty()) return;
  }
}

void TkxRegExprParserBlockItem::Close() {
  emptyInside_ = false;
  stateCount_ = 2;
  height_ = 1;
  for (Integer i = 0; i < alts_.Count(); ++i) {
    const TkxRegExprParserAlt& alt = alts_.Items(i);
    emptyInside_ = emptyInside_ || alt.AllMayBeEmpty();
    for (const auto& item : alt.Items) {
      stateCount_ += item->StateCount();
      height_ = std::max(height_, item->Height() + 1);
    }
  }
}

std::unique_ptr<TkxRegExprParserItem> TkxRegExprParserBlockItem::Copy() const {
  auto copy = std::make_unique<TkxRegExprParserBlockItem>(Line(), Column());
  copy->ReplaceQuantifier(Quantifier());
  for (Integer i = 0; i < alts_.Count(); ++i) {
    TkxRegExprParserAlt& alt = copy->alts_.Add();
    for (const auto& item : alts_.Items(i).Items) alt.Items.push_back(item->Copy());
  }
  copy->Close();
  return copy;
}

void TkxRegExprParserBlockItem::MarkFinal() {
  for (Integer i = 0; i < alts_.Count(); ++i) alts_.Items(i).MarkFinal();
}
