// TkxLabel (interim): the control library's label under its final name, until the library's own
// label editor is built.  A caption drawn on its parent (the platform's label), sizing itself to
// its text; it publishes the label's final properties that the forms' images use.  Being no
// TLabel, it keeps its caption when a form's texts are translated.
#pragma once

#include "platform/ui/label.h"

class TkxLabel : public TCustomLabel {
  PR_CLASS(TkxLabel, TCustomLabel)

 public:
  using TCustomLabel::TCustomLabel;
};
