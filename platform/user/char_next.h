// Stepping through 8-bit text character by character.  The system's code page, 874, has no
// double-byte characters: every character is one byte, so CharNextA moves one byte on, and not at
// all from the terminating null (nor from a null pointer).
#pragma once

char* CharNextA(const char* text);
