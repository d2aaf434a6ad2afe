// Resource strings: texts the program identifies by a number, as the class library's
// "resourcestring" declarations do.  Each is a record of its number and its text, declared once
// where the text belongs; LoadResString gives its text.  The platform has no string tables in its
// program files, so the text lives in the record itself; the number names it for whoever looks
// texts up by number (replacement tables, tests).
//     inline constexpr TResStringRec sCheckBoxTrue = {65205, "True"};
#pragma once

#include <string>

#include "platform/core/types.h"

struct TResStringRec {
  Integer Identifier;
  const char* Text;
};
using PResStringRec = const TResStringRec*;

// The record's text; "" for a null record or a record without text.
std::string LoadResString(PResStringRec ResStringRec);
