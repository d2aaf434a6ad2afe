// DrawMarkup: the markup renderer.  It lays a markup text (docs/grid-text.md) out line by line in a
// rectangle of a canvas, draws it or only measures it, and tells what lies under a point: an
// anchor, a picture inside an anchor, or a form-control field.  The grid paints, sizes and
// hit-tests every markup cell, footer and hint through it.
//
// Each line is laid out twice: a measuring pass finds what fits on it (breaking at blanks with
// WordWrap, or cutting the line with an ellipsis without it), its height and width; then, at its
// aligned position, a second pass draws it (or, with HitTestOnly, measures it again).  The point
// is tested in that second pass: anchor text only while measuring (HitTestOnly), pictures inside
// anchors and form-control fields in both modes.  MeasureOnly skips the second pass.
//
// Nothing is kept between calls.  The canvas's font, pen (colour and width) and brush (colour and
// style) are as they were at entry when the call returns; a rotated font left selected by an
// unclosed rotated-text tag is deselected and deleted.
#pragma once

#include <string>

#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"
#include "platform/user/user_types.h"

class TCanvas;
class TCustomImageList;
class THTMLPictureCache;
class TPictureContainer;

struct TDrawMarkupInput {
  TCanvas* Canvas = nullptr;             // its font, pen and brush are the starting state
  std::string Text;                      // the markup text
  TRect DrawRect{};                      // the area to lay out in
  TCustomImageList* Images = nullptr;    // pictures for "IDX:" sources
  Integer MouseX = -1;                   // the point to hit-test, canvas coordinates
  Integer MouseY = -1;
  Integer FocusAnchor = -1;              // 0-based anchor drawn with a focus rectangle; -1 none
  Integer HoverAnchor = 0;               // 1-based hovered anchor (with HoverStyle)
  Integer ShadowOffset = 1;              // pixels right and down
  bool HitTestOnly = false;              // the second pass measures instead of drawing
  bool MeasureOnly = false;              // no second pass
  bool Printing = false;                 // image-list pictures and shell icons stretch by ResFactor
  bool Selected = false;                 // a selected cell: markup leaves the text colour alone
  bool BlinkVisible = true;              // false draws blinking text in the background colour
  bool HoverStyle = false;               // only anchor HoverAnchor is underlined and hover-coloured
  bool WordWrap = false;                 // break lines at blanks to fit the width
  bool MouseDown = false;                // push-button fields are drawn pressed
  double ResFactor = 1.0;                // scale of printed pictures
  TColor URLColor = clBlue;              // text colour of anchors
  TColor HoverColor = clNone;            // background of hovered anchors; clNone: no change
  TColor HoverFontColor = clNone;        // text colour of hovered anchors; clNone: no change
  TColor ShadowColor = clGray;
  THTMLPictureCache* PictureCache = nullptr;       // pictures named by URL ("://")
  TPictureContainer* PictureContainer = nullptr;   // pictures named by plain names
  HWND WindowHandle = nullptr;           // whose visual-style data form-control fields use
};

struct TDrawMarkupOutput {
  std::string AnchorHref;       // the anchor under the point, "ctrl" for a field; unchanged when none
  std::string PlainText;        // the visible text, CR for every line break tag
  std::string FocusAnchorHref;  // HREF of anchor FocusAnchor
  std::string AnchorTitle;      // TITLE of the last anchor met that has one
  Integer MarkupWidth = 0;      // the widest line
  Integer MarkupHeight = 0;     // the lines laid out together (at least the height of "gh")
  Integer AnchorCount = 0;
  Integer MouseAnchor = -1;     // 1-based anchor under the point; -1 none
  TRect AnchorRect{};           // the anchor under the point; unchanged when none
  TRect ControlRect{};          // the field under the point; all zero when none
  std::string ControlID;        // in and out: with HitTestOnly, the field of this ID is hit wherever the point is
  std::string ControlValue;
  std::string ControlType;      // upper case
};

// True when the point lies on anchor text (HitTestOnly, within the text's height on its line), on
// a picture inside an anchor, or on a form-control field.  AnchorHref, AnchorRect and MouseAnchor
// may also be set, with a false result, from an anchor of a line above the point that spans
// MouseX: callers read them only after a true result.
bool DrawMarkup(const TDrawMarkupInput& In, TDrawMarkupOutput& Out);
