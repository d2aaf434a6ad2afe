#include "controls/editors/kx_reg_expr_states.h"

std::unique_ptr<TkxRegExprSimpleState> TkxRegExprSimpleState::Copy() const {
  return std::make_unique<TkxRegExprSimpleState>(item_ ? item_->Copy() : nullptr);
}

bool TkxRegExprStates::HasFinal() const {
  for (const TkxRegExprSimpleState* state : items_) {
    if (state->Final()) return true;
  }
  return false;
}

bool TkxRegExprStates::GetForcedChar(char& Ch) const {
  if (items_.empty()) return false;
  char forced = 0;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const TkxRegExprItem* item = items_[i]->Item();
    char ch = 0;
    if (item == nullptr || !item->GetSingleChar(ch) || (i > 0 && ch != forced)) return false;
    forced = ch;
  }
  Ch = forced;
  return true;
}
