// Lays rich text out in lines on a device context and draws it: the rich edit's painting,
// printing into a rectangle and size requests share it.
//
// Each paragraph starts a line.  With word wrap a line breaks after the last space that keeps it
// within the width; a word wider than the width breaks between characters (code page 874
// clusters kept whole), at least one per line.  Without word wrap a paragraph is one line.  A
// tab moves to the next stop (every half inch of the device).  A line is as high as its tallest
// font and pieces share its baseline; an empty paragraph is as high as the default font.
// Alignment moves each line within the width (justified lines are laid out as left ones).
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/ui/rich_text.h"

// What a character format without its own font, size or colour takes.
struct TRichTextDefaults {
  std::string FontName = "Tahoma";
  int SizeHalfPoints = 16;
  TColor Color = clBlack;
};

struct TRichPiece {
  int X = 0;            // from the layout's left
  int Ascent = 0;
  std::string Text;
  TRichCharFormat Format;
  int FirstChar = 0;    // the document character index of Text's first byte
};

struct TRichLine {
  int Top = 0;
  int Height = 0;
  int Baseline = 0;     // from Top
  int Width = 0;
  int EndChar = 0;      // the character index after the line (its paragraph break included)
  std::vector<TRichPiece> Pieces;
};

struct TRichLayout {
  std::vector<TRichLine> Lines;
  int Width = 0;        // the widest line
  int Height = 0;
};

// Width: the wrapping and alignment width in pixels (ignored for wrapping without WordWrap).
TRichLayout LayoutRichText(HDC DC, const TRichDocument& Document, const TRichTextDefaults& Defaults, int Width,
                           bool WordWrap);
// Draws the lines whose tops lie above Clip's bottom at Origin, clipped to Clip, with a
// transparent background.  The character index after the last line drawn.
int DrawRichText(HDC DC, const TRichLayout& Layout, const TRichTextDefaults& Defaults, TPoint Origin,
                 const TRect& Clip);
