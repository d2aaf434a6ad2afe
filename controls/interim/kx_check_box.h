// TkxCheckBox (interim): the control library's check box under its final name, until the library's
// own check box editor is built.  The platform's check box: Caption, Checked (not stored; a change,
// by the user or by the program, runs OnClick, as the final editor's change of state does),
// OnClick.
#pragma once

#include "platform/ui/check_box.h"

class TkxCheckBox : public TCheckBox {
  PR_CLASS(TkxCheckBox, TCheckBox)

 public:
  using TCheckBox::TCheckBox;
};
