// The small shared routines of the control library (unit kxClasses): registry texts, locale
// texts, character steps, midpoints and signs, byte moves, notify events, persistent owners and
// resource strings, and the direction of a scroll or pan step.
#pragma once

#include <string>
#include <string_view>

#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/core/res_string.h"
#include "platform/gdi/geometry.h"
#include "platform/os/locale_constants.h"

enum TkxDirection : Byte { dirNone, dirLeft, dirRight, dirUp, dirDown };

// The name part of a registry text "Name|Description": the text before the first "|", or the
// whole text when it has none.
std::string ExtractRegistryName(std::string_view Text);
// A locale item's text without its terminating null; the default when the locale has no such item.
std::string ReadLocaleInfoString(LCID Locale, LCTYPE ItemType, const std::string& Default);
// The character at a 1-based byte position of the text.
const char* CharPtrAt(const std::string& Text, Integer Position);
// The byte length of the character that starts at a 1-based position: 1, or 0 at the end.
Integer GetCharLengthAt(const std::string& Text, Integer Position);
TSize MakeSize(Integer cx, Integer cy);
// floor((A + B) / 2), also for negative sums: (-2, 1) gives -1.
Integer GetMidpoint(Integer A, Integer B);
// 1 for a value of at least 0.0, else -1.
Integer GetSignFactor(double Value);
// Copies Count bytes; the two buffers may overlap.
void MoveBytes(const void* Source, void* Destination, Integer Count);
void CallNotifyEvent(TObject* Sender, const TNotifyEvent& Event);
// The owner a persistent reports through its GetOwner.
TPersistent* GetPersistentOwner(const TPersistent* APersistent);
// The text of one of the control library's resource strings; every one is read through here.
std::string LoadResStringOrReplacement(PResStringRec ResString);
