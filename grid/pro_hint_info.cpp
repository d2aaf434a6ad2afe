#include "grid/pro_hint_info.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TProHintInfo) {
  p.Property("Picture", &TProHintInfo::Picture, &TProHintInfo::SetPicture);
  p.Property("ShowHelp", &TProHintInfo::ShowHelp, &TProHintInfo::SetShowHelp).Default(false);
  p.Property("Notes", &TProHintInfo::Notes, &TProHintInfo::SetNotes);
  p.Property("Title", &TProHintInfo::Title, &TProHintInfo::SetTitle);
}

TProHintInfo::TProHintInfo()
    : picture_(std::make_unique<TGDIPPicture>()), notes_(std::make_unique<TStringList>()) {}

TProHintInfo::~TProHintInfo() = default;

void TProHintInfo::Assign(TPersistent* Source) {
  auto* info = dynamic_cast<TProHintInfo*>(Source);
  if (info == nullptr) return;
  title_ = info->title_;
  notes_->Assign(info->notes_.get());
  showHelp_ = info->showHelp_;
  picture_->Assign(info->picture_.get());
  wideTitle_ = info->wideTitle_;
  wideNotes_ = info->wideNotes_;
}
