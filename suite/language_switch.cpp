#include "suite/language_switch.h"

Byte LanguageSwitch = 0;

std::string TranslateCaption(std::string_view text) { return text.empty() ? std::string() : "Eng"; }
