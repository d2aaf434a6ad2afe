// The settings of TkxTextEdit (interim, under their final names): MaxLength, the most characters
// the text may hold (0: no limit), and OnChange, fired after every change of the text.  A change of
// MaxLength is reported to the owning editor through OnMaxLengthChanged.
#pragma once

#include <functional>

#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/core/types.h"

class TkxTextEditProperties : public TPersistent {
  PR_CLASS(TkxTextEditProperties, TPersistent)

 public:
  explicit TkxTextEditProperties(TPersistent* AOwner) : owner_(AOwner) {}

  Integer MaxLength() const { return maxLength_; }
  void SetMaxLength(Integer Value);
  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;
  std::function<void()> OnMaxLengthChanged;

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
  Integer maxLength_ = 0;
};
