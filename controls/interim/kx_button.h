// TkxButton (interim): the control library's push button under its final name, until the library's
// own owner-drawn button is built.  It is the platform's bit button: caption, glyph strip
// (Glyph, NumGlyphs), Default (Enter presses it), Cancel, ModalResult, Enabled, Visible, TabOrder,
// Constraints and OnClick stream and act as the forms' images expect.
#pragma once

#include "platform/ui/bit_btn.h"

class TkxButton : public TBitBtn {
  PR_CLASS(TkxButton, TBitBtn)

 public:
  using TBitBtn::TBitBtn;
};
