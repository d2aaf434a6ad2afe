// Multi-row text on a device context by the control library's own rules (unit kxDrawTextUtils):
// word wrapping with a fast search for the fitting length, justification, vertical placement and
// distribution, the end ellipsis, tab expansion, and a selected byte range drawn in its own colours
// inside the wrapped rows.  The text editor keeps the computed rows and draws them on each paint.
//
// Texts are code page 874 bytes.  A row never splits a cluster (a letter with the Thai marks on or
// under it, platform/window_classes/edit_units.h), neither when a long word is broken nor when the
// ellipsis shortens a row; Latin text lays out byte by byte.  Drawing leaves the device context's
// clipping as it found it.
#pragma once

#include <string>
#include <vector>

#include "controls/editors/kx_text_out_flags.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"

class TCanvas;

// What a flag word and the selected font mean for the layout (CalcTextParams).
struct TkxTextLayoutParams {
  Integer CharHeight = 0;        // tmHeight
  Integer ExternalLeading = 0;   // tmExternalLeading with tofExternalLeading, else 0
  Integer RowHeight = 0;         // the sum of both; PlaceTextRows widens it when distributing
  Integer EllipsisWidth = 0;     // of "..." with tofEndEllipsis, else 0
  Byte BreakChar = ' ';          // tmBreakChar
  TkxTextOutFlags HorzMode = 0;  // flags & tofHorzMask
  TkxTextOutFlags VertMode = 0;  // flags & tofVertMask
  bool WordBreak = false;
  bool SingleLine = false;
  bool ExpandTabs = false;
  bool EndEllipsis = false;
  bool ExternalLeadingUsed = false;
  bool WholeRowsOnly = false;
  bool NoClip = false;
  bool Bit16 = false;            // carried, no effect
  bool KeepLeftEdge = false;
  bool KeepTopEdge = false;
  bool BreakAnywhere = false;
  bool RowCountResult = false;
  bool CalcRect = false;
  Integer MaxCharWidth = 0;      // tmMaxCharWidth
  Byte CharSet = 0;              // tmCharSet
};

// One laid-out row: a stretch of the caller's text.
struct TkxTextRowInfo {
  const char* Text = nullptr;    // the row's first byte inside the caller's text
  Integer TextLength = 0;        // bytes
  Integer Width = 0;
  Integer Height = 0;
  Integer BreakCount = 0;        // break characters in the row, for justification
  Integer X = 0;
  Integer Y = 0;
  Integer StartOffset = 0;       // bytes from the start of the whole text
};
using TkxTextRows = std::vector<TkxTextRowInfo>;

// Without AExpandTabs the plain extent; with it the tabbed extent at the default stops (beyond
// 4096 bytes through DrawText's calculation).
void MeasureTextExtent(HDC DC, const char* Text, Integer Length, TSize& Size, bool AExpandTabs);
// Intersects the clipping with Rect and answers a copy of the clipping before (null: none).
HRGN IntersectClipRectSaving(HDC DC, const TRect& Rect);
// Selects Rgn as the clipping (null removes it) and deletes it.
void RestoreSavedClipping(HDC DC, HRGN& Rgn);
void MeasureTextRow(HDC DC, TkxTextRowInfo& Row, const TkxTextLayoutParams& Params);
// How many bytes of Text fit into MaxWidth (at least 1), Width their width; 1 and 0 when the text
// is more than eight times too wide (the caller then measures character by character).
Integer GetFittingLength(HDC DC, const TkxTextLayoutParams& Params, const char* Text, Integer& Width,
                         Integer MaxWidth, Integer Length);
// The next row from the cursor Text / Length, which it advances past the row and the break
// characters, tab and line break after it.
void MakeTextRow(HDC DC, const char*& Text, Integer& Length, TkxTextRowInfo& Row, const TkxTextLayoutParams& Params,
                 bool AIsLastRow, Integer MaxWidth);
void CalcTextParams(HDC DC, TkxTextOutFlags Flags, TkxTextLayoutParams& Params);
void CalcTextParams(TCanvas* Canvas, TkxTextOutFlags Flags, TkxTextLayoutParams& Params);
// Rows of Text (Length bytes) for Rect, at most MaxLineCount when above 0.  False only when that
// count stopped the layout before the end of the text (not single line, not calc rect).
bool MakeTextRows(HDC DC, const char* Text, Integer Length, const TRect& Rect, Integer MaxLineCount,
                  Integer& RowCount, TkxTextRows& Rows, const TkxTextLayoutParams& Params);
bool MakeTextRows(TCanvas* Canvas, const char* Text, Integer Length, const TRect& Rect, Integer MaxLineCount,
                  Integer& RowCount, TkxTextRows& Rows, const TkxTextLayoutParams& Params);
// Rows' origins: vertical placement (distribution widens Params.RowHeight), then horizontal.
void PlaceTextRows(HDC DC, const TRect& Rect, TkxTextLayoutParams& Params, Integer RowCount, TkxTextRows& Rows);
// Draws the rows; SelStart / SelLength are byte offsets into the whole text.
void DrawTextRows(HDC DC, const TRect& Rect, const TkxTextLayoutParams& Params, bool AForceEndEllipsis,
                  TColor SelTextColor, TColor SelBkColor, Integer SelLength, Integer SelStart, Integer RowCount,
                  const TkxTextRows& Rows);
Integer GetMaxRowWidth(const TkxTextRows& Rows, Integer Count);
// Lays out and draws (or, with tofCalcRect, measures into Rect) a null-terminated text; answers the
// text's height, or the row count with tofRowCountResult or when the height is 0.
Integer DrawTextInRect(HDC DC, const char* Text, TRect& Rect, TkxTextOutFlags Flags, Integer SelStart,
                       Integer SelLength, TColor SelBkColor, TColor SelTextColor, Integer MaxLineCount = 0,
                       Integer LeftIndent = 0, Integer RightIndent = 0);
Integer DrawTextInRect(TCanvas* Canvas, const char* Text, TRect& Rect, TkxTextOutFlags Flags, Integer SelStart,
                       Integer SelLength, TColor SelBkColor, TColor SelTextColor, Integer MaxLineCount = 0,
                       Integer LeftIndent = 0, Integer RightIndent = 0);
Integer DrawTextSimple(TCanvas* Canvas, const std::string& Text, TRect& Rect, TkxTextOutFlags Flags,
                       Integer MaxLineCount = 0, Integer LeftIndent = 0, Integer RightIndent = 0);
