// The typing rules of the numeric editor kinds, shared by the in-place editor and the edit with a
// button.  Each answers whether a typed character reaches the edit; a refused one may beep
// (MessageBeep(0)) as its kind says.
#pragma once

class TCustomEdit;

// Digits and the control characters Backspace, Tab, Return and Escape; with Signed also one "-" at
// caret 0.  Anything else beeps.
bool AcceptNumericChar(TCustomEdit& Edit, char Ch, bool Signed);
// Digits, "," and "."; one decimal separator (a second only when the selection holds the first); no
// thousand separator; one "-" at caret 0 (else a beep); other characters only while Ctrl is down
// (the clipboard short-cuts).
bool AcceptFloatChar(TCustomEdit& Edit, char Ch);
