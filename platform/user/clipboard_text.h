// Text on the clipboard in one call each: what controls copy, cut and paste with.
//
// ClipboardText opens the clipboard, reads CF_TEXT (code page 874, up to its terminator or the
// end of the memory block) and closes it; it gives "" when the clipboard cannot be opened or holds
// no text.  SetClipboardText empties the clipboard, owned by Owner, and sets Text as CF_TEXT
// (the other text formats are made from it on request); false when the clipboard could not be
// opened or the memory not allocated.
#pragma once

#include <string>
#include <string_view>

#include "platform/user/user_types.h"

std::string ClipboardText(HWND Owner);
bool SetClipboardText(HWND Owner, std::string_view Text);
