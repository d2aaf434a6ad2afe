// Frame characters of the suite's text-mode screens: eleven frame parts in twelve styles, the
// current style (style 6) chosen by a letter, its fill and arrow characters, and two byte sets
// derived from them (the frame characters, and the Thai marks that take no space of their own).
//
// Bytes are code page 437 line characters in styles 1-4 and code-page-dependent in the others.
// Invariant: after `SelectFrameStyle`, style 6 of `FrameCharacters`, `FrameFillChar`, `FrameArrows`
// and both sets agree with the letter; the module's start-up selects "A".
#pragma once

#include <array>
#include <bitset>

#include "platform/core/types.h"

// Frame parts (first index of FrameCharacters).
enum FramePart : int {
  FrameTopLeft, FrameTopRight, FrameBottomLeft, FrameBottomRight, FrameVertical, FrameHorizontal,
  FrameLeftTee, FrameRightTee, FrameBottomTee, FrameTopTee, FrameCross,
};
inline constexpr int kFrameParts = 11;
inline constexpr int kFrameStyles = 12;
inline constexpr int kCurrentFrameStyle = 6;

using FrameTable = std::array<std::array<Byte, kFrameStyles>, kFrameParts>;

extern FrameTable FrameCharacters;           // [part][style]
extern Byte FrameFillChar;
extern std::array<Byte, 6> FrameArrows;      // right and left triangles, up, down, right, left
extern char FrameStyleLetter;
extern bool FrameStyleE;
extern std::bitset<256> FrameCharSet;        // "[", "]", the first arrow, the current frame, the fill
extern std::bitset<256> ThaiMarkSet;         // non-spacing marks of the current code page

void SelectFrameStyle(char letter);
