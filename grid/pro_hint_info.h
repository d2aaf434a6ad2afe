// TProHintInfo: what a rich (office-style) hint shows: a title, notes, a picture drawn through
// GDI+ and whether a help line is shown.  The string grid owns one as its office hint.
#pragma once

#include <memory>
#include <string>

#include "grid/gdip_picture.h"
#include "platform/classes/persistent.h"
#include "platform/classes/string_list.h"

class TProHintInfo : public TPersistent {
  PR_CLASS(TProHintInfo, TPersistent)

 public:
  TProHintInfo();
  ~TProHintInfo() override;
  // Only from another TProHintInfo: title, notes, help flag, picture (its bytes), wide title and
  // notes.  Other sources are ignored.
  void Assign(TPersistent* Source) override;

  TGDIPPicture* Picture() const { return picture_.get(); }
  void SetPicture(TGDIPPicture* Value) { picture_->Assign(Value); }
  bool ShowHelp() const { return showHelp_; }
  void SetShowHelp(bool Value) { showHelp_ = Value; }
  TStrings* Notes() const { return notes_.get(); }
  void SetNotes(TStrings* Value) { notes_->Assign(Value); }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& Value) { title_ = Value; }
  const std::u16string& WideTitle() const { return wideTitle_; }
  void SetWideTitle(const std::u16string& Value) { wideTitle_ = Value; }
  const std::u16string& WideNotes() const { return wideNotes_; }
  void SetWideNotes(const std::u16string& Value) { wideNotes_ = Value; }

 private:
  std::unique_ptr<TGDIPPicture> picture_;
  bool showHelp_ = false;
  std::unique_ptr<TStringList> notes_;
  std::string title_;
  std::u16string wideTitle_;
  std::u16string wideNotes_;
};
