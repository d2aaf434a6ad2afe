// One run of the mask fuzz target.  The input splits at its first NUL byte into a mask and a typed
// text (no NUL: the whole input is the mask and nothing is typed).  The mask is compiled as a
// regular expression (errors are fine); the text is fed with and without auto-complete, each time
// stepped back to the start, which must then be AtStart; the same text goes through a classic
// mask (SetMask, Format, IsValid, GetValueText).  A crash, a sanitizer report, an exception other
// than a compile error, a broken invariant (abort) or a hang is a fault.
#pragma once

#include <cstddef>
#include <cstdint>

void RunMaskFuzzInput(const std::uint8_t* Data, std::size_t Size);
