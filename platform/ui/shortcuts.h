// Keyboard shortcuts of menu items and actions: a TShortCut is a 16-bit word holding a virtual key
// in its low byte and the modifier bits scShift (0x2000), scCtrl (0x4000) and scAlt (0x8000);
// 0 is no shortcut.
//
// Text form: the modifiers in the order "Shift+", "Ctrl+", "Alt+", then the key's name: "A".."Z",
// "0".."9", "F1".."F24", "BkSp", "Tab", "Enter", "Esc", "Space", "PgUp", "PgDn", "End", "Home",
// "Left", "Up", "Right", "Down", "Ins", "Del".  A key without a name has no text (""), so it
// cannot be typed as a shortcut either.  TextToShortCut ignores case and also takes "^" for
// "Ctrl+"; an unknown name gives 0.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/control_types.h"

struct TMessage;

using TShortCut = Word;

inline constexpr TShortCut scNone = 0, scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

// The shortcut of Key with the modifiers of Shift (0 when Key does not fit in a byte).
TShortCut ShortCut(Word Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift);
std::string ShortCutToText(TShortCut ShortCut);
TShortCut TextToShortCut(std::string_view Text);
// The shortcut a key-down message (WM_KEYDOWN, WM_SYSKEYDOWN or their CN_ forms) stands for: its
// key with Shift and Ctrl as held now and Alt from the message's key data.
TShortCut ShortCutOfKeyMessage(const TMessage& Message);
