// The text-out flags of the control library's own text layout (unit kxDrawTextUtils): one 32-bit
// word of alignment, wrapping, clipping and result choices, shared by the text drawing routines
// and the text editors that compute the flags.
//
// Bits 0-2 choose the horizontal mode (0 left; values 5 to 7 act as left), bits 4-5 the vertical
// mode (0 top); the other flags are single bits.
#pragma once

#include <cstdint>

using TkxTextOutFlags = std::uint32_t;

inline constexpr TkxTextOutFlags tofCenterHorz = 0x1;
inline constexpr TkxTextOutFlags tofRight = 0x2;
inline constexpr TkxTextOutFlags tofJustify = 0x3;         // the last row of a paragraph stays unjustified
inline constexpr TkxTextOutFlags tofJustifyAll = 0x4;
inline constexpr TkxTextOutFlags tofHorzMask = 0x7;
inline constexpr TkxTextOutFlags tofCenterVert = 0x10;
inline constexpr TkxTextOutFlags tofBottom = 0x20;
inline constexpr TkxTextOutFlags tofDistributeVert = 0x30;
inline constexpr TkxTextOutFlags tofVertMask = 0x30;
inline constexpr TkxTextOutFlags tofKeepLeftEdge = 0x40;   // a row never starts left of the rectangle
inline constexpr TkxTextOutFlags tofKeepTopEdge = 0x80;    // the first row never starts above it
inline constexpr TkxTextOutFlags tofWordBreak = 0x100;
inline constexpr TkxTextOutFlags tofSingleLine = 0x200;    // line breaks are ordinary characters
inline constexpr TkxTextOutFlags tofExpandTabs = 0x400;
inline constexpr TkxTextOutFlags tofEndEllipsis = 0x800;
inline constexpr TkxTextOutFlags tofExternalLeading = 0x2000;
inline constexpr TkxTextOutFlags tofWholeRowsOnly = 0x4000;
inline constexpr TkxTextOutFlags tofNoClip = 0x8000;
// Bit 0x10000 is carried in the layout parameters and has no effect.
inline constexpr TkxTextOutFlags tofBreakAnywhere = 0x20000;    // a word longer than a row is broken inside
inline constexpr TkxTextOutFlags tofCalcRect = 0x100000;        // measure only: the rectangle gets the extent
inline constexpr TkxTextOutFlags tofRowCountResult = 0x200000;  // answer the row count, not the height
