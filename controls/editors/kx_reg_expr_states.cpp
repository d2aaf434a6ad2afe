#include "controls/editors/kx_reg_expr_states.h"

std::unique_ptr<TkxRegExprSimpleState> TkxRegExprSimpleState::Copy() const {
  return std::make_unique<TkxRegExprSimpleState>(item_ ? item_->Copy() : nullptr);
}

bool TkxRegExprSimpleState::AcceptsOnce(char& Ch, bool CaseInsensitive) const {
  if (item_ == nullptr) return false;
  if (table_ == TkxTable::Unknown && !CaseInsensitive) {
    table_ = item_->IsFixed() ? TkxTable::Built : TkxTable::None;
    for (int byte = 0; table_ == TkxTable::Built && byte < 256; ++byte) {
      char ch = static_cast<char>(byte);
      accepted_.set(static_cast<std::size_t>(byte), item_->Accepts(ch, false));
    }
    if (table_ == TkxTable::Built) return accepted_.test(static_cast<unsigned char>(Ch));
  }
  return item_->Accepts(Ch, CaseInsensitive);
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
