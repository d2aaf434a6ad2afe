// TDragScrollOptions; see drag_scroll_options.h.
#include "grid/drag_scroll_options.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TDragScrollDelays) {
  p.Property("InitialDelay", &TDragScrollDelays::InitialDelay, &TDragScrollDelays::SetInitialDelay).Default(1000);
  p.Property("RepeatDelay", &TDragScrollDelays::RepeatDelay, &TDragScrollDelays::SetRepeatDelay).Default(250);
}

PR_PUBLISH(TDragScrollMargins) {
  p.Property("BottomMargin", &TDragScrollMargins::BottomMargin, &TDragScrollMargins::SetBottomMargin).Default(50);
  p.Property("LeftMargin", &TDragScrollMargins::LeftMargin, &TDragScrollMargins::SetLeftMargin).Default(50);
  p.Property("RightMargin", &TDragScrollMargins::RightMargin, &TDragScrollMargins::SetRightMargin).Default(50);
  p.Property("TopMargin", &TDragScrollMargins::TopMargin, &TDragScrollMargins::SetTopMargin).Default(50);
}

PR_PUBLISH(TDragScrollOptions) {
  p.Property("Active", &TDragScrollOptions::Active, &TDragScrollOptions::SetActive).Default(false);
  p.Property("Delays", &TDragScrollOptions::Delays, &TDragScrollOptions::SetDelays);
  p.Property("Margins", &TDragScrollOptions::Margins, &TDragScrollOptions::SetMargins);
}

TDragScrollOptions::TDragScrollOptions()
    : delays_(std::make_unique<TDragScrollDelays>()), margins_(std::make_unique<TDragScrollMargins>()) {}

TDragScrollOptions::~TDragScrollOptions() = default;

void TDragScrollOptions::SetDelays(TDragScrollDelays* Value) {
  if (Value == nullptr) return;
  delays_->SetInitialDelay(Value->InitialDelay());
  delays_->SetRepeatDelay(Value->RepeatDelay());
}

void TDragScrollOptions::SetMargins(TDragScrollMargins* Value) {
  if (Value == nullptr) return;
  margins_->SetTopMargin(Value->TopMargin());
  margins_->SetBottomMargin(Value->BottomMargin());
  margins_->SetLeftMargin(Value->LeftMargin());
  margins_->SetRightMargin(Value->RightMargin());
}

void TDragScrollOptions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TDragScrollOptions*>(Source);
  if (source == nullptr) return;
  SetMargins(source->Margins());
  SetDelays(source->Delays());
  Active_ = source->Active_;
}
