// The language switch of form texts.  0 (the only value this system uses; nothing sets another)
// keeps every caption as designed; any other value replaces each non-empty caption by "Eng".
// Forms apply it through TranslateForm, built with the forms.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

extern Byte LanguageSwitch;

// The caption a translated control shows: "Eng" for a non-empty text, empty stays empty.
std::string TranslateCaption(std::string_view text);
